#include "platform/cad/db/db_object_iterator.h"

void AcDbObjectIterator::start(bool atEnd) {
  index_ = atEnd ? static_cast<long>(entities_.size()) - 1 : 0;
  if (!done() && entities_[static_cast<std::size_t>(index_)]->isErased()) step(atEnd);
}

bool AcDbObjectIterator::done() const { return index_ < 0 || index_ >= static_cast<long>(entities_.size()); }

bool AcDbObjectIterator::step(bool backwards, bool skipErasedObjects) {
  do {
    if (done()) return false;
    index_ += backwards ? -1 : 1;
  } while (!done() && skipErasedObjects && entities_[static_cast<std::size_t>(index_)]->isErased());
  return !done();
}

void AcDbObjectIterator::setPosition(AcDbEntity* entity) {
  for (std::size_t i = 0; i < entities_.size(); ++i)
    if (entities_[i] == entity) index_ = static_cast<long>(i);
}

void AcDbObjectIterator::setPosition(AcDbObjectId id) {
  if (id.isNull()) return;
  for (std::size_t i = 0; i < entities_.size(); ++i)
    if (entities_[i]->objectId() == id) index_ = static_cast<long>(i);
}

AcDbEntity* AcDbObjectIterator::entity() { return done() ? nullptr : entities_[static_cast<std::size_t>(index_)]; }

AcDbObjectId AcDbObjectIterator::objectId() {
  AcDbEntity* current = entity();
  return current != nullptr ? current->objectId() : AcDbObjectId::kNull;
}
