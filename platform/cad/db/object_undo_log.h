// ObjectUndoLog: what cancel() needs to take back the changes of one write open.
// A change that is cheap to reverse (an append to a list, an erasure) leaves a step;
// the first other change files the whole object once instead. Appends after that
// filing need no step: restoring the filing takes them back as well.
//
// An append step cuts the object's one appendable list back to its length before the
// append. Of appends in a row only the first needs its step: cutting back to the
// shortest length takes the others back too, so a drawing of many thousand entities
// read into one block does not log a step for each.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class AcDbObject;
class DwgMemoryFiler;

class ObjectUndoLog {
 public:
  using Step = std::function<void()>;

  ObjectUndoLog();
  ~ObjectUndoLog();
  ObjectUndoLog(const ObjectUndoLog&) = delete;
  ObjectUndoLog& operator=(const ObjectUndoLog&) = delete;

  bool hasSnapshot() const { return snapshot_ != nullptr; }
  // True while takeBack runs: what it changes must not be logged again.
  bool isTakingBack() const { return takingBack_; }
  void addStep(Step step);
  void addAppendStep(Step step);
  // The object's filing before its first change that has no step of its own.
  void setSnapshot(std::unique_ptr<DwgMemoryFiler> snapshot);
  // Newest first: the steps after the snapshot, the snapshot, the steps before it.
  void takeBack(AcDbObject& object);

 private:
  void runSteps(std::size_t from, std::size_t to);

  std::vector<Step> steps_;
  std::unique_ptr<DwgMemoryFiler> snapshot_;
  std::size_t stepsBeforeSnapshot_ = 0;
  bool takingBack_ = false;
  bool newestIsAppend_ = false;
};
