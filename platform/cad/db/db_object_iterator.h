// AcDbObjectIterator: walks the sub-entities a complex entity owns (the vertices of a
// 3D polyline, the attributes of a block reference). It walks a snapshot taken when it
// was made: adding or removing sub-entities meanwhile needs a new iterator.
#pragma once

#include <vector>

#include "platform/cad/db/entities/db_entity.h"

class AcDbObjectIterator {
 public:
  explicit AcDbObjectIterator(std::vector<AcDbEntity*> entities) : entities_(std::move(entities)) {}

  void start(bool atEnd = false);
  bool done() const;
  // False once the walk has run off either end.
  bool step(bool backwards = false, bool skipErasedObjects = true);
  void setPosition(AcDbEntity* entity);
  void setPosition(AcDbObjectId id);
  // The sub-entity at the position; null when done.
  AcDbEntity* entity();
  // Its id: null while the sub-entity belongs to no drawing of its own.
  AcDbObjectId objectId();

 private:
  std::vector<AcDbEntity*> entities_;
  long index_ = 0;
};
