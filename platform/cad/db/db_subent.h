// Sub-entity addressing: which face, edge or vertex of which entity.
#pragma once

#include "platform/cad/db/adesk.h"
#include "platform/cad/db/db_enums.h"
#include "platform/cad/db/db_object_id.h"

class AcDbSubentId {
 public:
  AcDbSubentId() = default;
  AcDbSubentId(AcDb::SubentType type, Adesk::IntPtr index) : type_(type), index_(index) {}
  AcDb::SubentType type() const { return type_; }
  void setType(AcDb::SubentType type) { type_ = type; }
  Adesk::IntPtr index() const { return index_; }
  void setIndex(Adesk::IntPtr index) { index_ = index; }
  bool operator==(const AcDbSubentId& other) const { return type_ == other.type_ && index_ == other.index_; }
  bool operator!=(const AcDbSubentId& other) const { return !(*this == other); }

 private:
  AcDb::SubentType type_ = AcDb::kNullSubentType;
  Adesk::IntPtr index_ = 0;
};

class AcDbFullSubentPath {
 public:
  AcDbFullSubentPath() = default;
  AcDbFullSubentPath(AcDb::SubentType type, Adesk::IntPtr index) : subentId_(type, index) {}
  AcDbFullSubentPath(const AcDbObjectId& entityId, AcDb::SubentType type, Adesk::IntPtr index)
      : subentId_(type, index) {
    objectIds_.append(entityId);
  }
  AcDbFullSubentPath(const AcDbObjectIdArray& objectIds, const AcDbSubentId& subentId)
      : objectIds_(objectIds), subentId_(subentId) {}

  AcDbObjectIdArray& objectIds() { return objectIds_; }
  const AcDbObjectIdArray& objectIds() const { return objectIds_; }
  AcDbSubentId& subentId() { return subentId_; }
  const AcDbSubentId& subentId() const { return subentId_; }
  bool operator==(const AcDbFullSubentPath& other) const {
    return objectIds_ == other.objectIds_ && subentId_ == other.subentId_;
  }

 private:
  AcDbObjectIdArray objectIds_;
  AcDbSubentId subentId_;
};

extern const AcDbSubentId kNullSubentId;
extern const AcDbFullSubentPath kNullSubent;
