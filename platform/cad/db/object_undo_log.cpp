#include "platform/cad/db/object_undo_log.h"

#include "platform/cad/db/db_object.h"
#include "platform/cad/db/filing/dwg_memory_filer.h"

ObjectUndoLog::ObjectUndoLog() = default;

ObjectUndoLog::~ObjectUndoLog() = default;

void ObjectUndoLog::addStep(Step step) {
  steps_.push_back(std::move(step));
  newestIsAppend_ = false;
}

void ObjectUndoLog::addAppendStep(Step step) {
  if (newestIsAppend_) return;
  steps_.push_back(std::move(step));
  newestIsAppend_ = true;
}

void ObjectUndoLog::setSnapshot(std::unique_ptr<DwgMemoryFiler> snapshot) {
  if (snapshot_ != nullptr) return;  // the first filing is the state to go back to
  snapshot_ = std::move(snapshot);
  stepsBeforeSnapshot_ = steps_.size();
  newestIsAppend_ = false;
}

void ObjectUndoLog::runSteps(std::size_t from, std::size_t to) {
  for (std::size_t i = to; i > from; --i) steps_[i - 1]();
}

void ObjectUndoLog::takeBack(AcDbObject& object) {
  takingBack_ = true;
  const std::size_t split = snapshot_ != nullptr ? stepsBeforeSnapshot_ : steps_.size();
  runSteps(split, steps_.size());
  if (snapshot_ != nullptr) {
    snapshot_->rewind();
    object.dwgInFields(snapshot_.get());
  }
  runSteps(0, split);
  steps_.clear();
  snapshot_.reset();
  takingBack_ = false;
  newestIsAppend_ = false;
}
