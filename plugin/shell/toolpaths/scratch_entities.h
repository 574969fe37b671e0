// Entities an operation makes on the way: erased when the run leaves,
// unless handed on to their owner first.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

class ScratchEntities {
 public:
  ScratchEntities() = default;
  ScratchEntities(const ScratchEntities&) = delete;
  ScratchEntities& operator=(const ScratchEntities&) = delete;
  ~ScratchEntities() { EraseEntityArray(ids_); }
  AcDbObjectIdArray& ids() { return ids_; }
  void HandTo(AcDbObjectIdArray& owner) {
    owner.append(ids_);
    ids_.setLogicalLength(0);
  }

 private:
  AcDbObjectIdArray ids_;
};
