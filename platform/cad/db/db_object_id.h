// AcDbObjectId: names an object of a drawing through the drawing's stub for it.
// Stubs live as long as their drawing, so an id of an erased object stays safe
// to ask; only an id that outlives its drawing is stale.
#pragma once

#include <cstddef>
#include <functional>

#include "platform/cad/db/adesk.h"
#include "platform/cad/db/db_handle.h"
#include "platform/cad/db/error_status.h"
#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/ge/ge_arrays.h"

class AcDbDatabase;
class AcDbStub;

class AcDbObjectId {
 public:
  AcDbObjectId() = default;
  AcDbObjectId(AcDbStub* stub) : stub_(stub) {}  // NOLINT: implicit, as the host's

  static const AcDbObjectId kNull;

  bool isNull() const { return stub_ == nullptr; }
  void setNull() { stub_ = nullptr; }
  // True when the id names an object that exists in memory (erased or not).
  bool isValid() const;
  bool isErased() const;
  bool isEffectivelyErased() const { return isErased(); }
  bool objectLeftOnDisk() const { return false; }
  AcDbDatabase* database() const;
  AcDbHandle handle() const;
  AcDbHandle nonForwardedHandle() const { return handle(); }

  // An integer form for old-style interfaces (a stub address).
  Adesk::IntPtr asOldId() const { return reinterpret_cast<Adesk::IntPtr>(stub_); }
  AcDbObjectId& setFromOldId(Adesk::IntPtr oldId) {
    stub_ = reinterpret_cast<AcDbStub*>(oldId);
    return *this;
  }

  operator AcDbStub*() const { return stub_; }  // NOLINT
  bool operator==(const AcDbObjectId& other) const { return stub_ == other.stub_; }
  bool operator!=(const AcDbObjectId& other) const { return stub_ != other.stub_; }
  // Ordered by address, which is stable for the life of the drawing.
  bool operator<(const AcDbObjectId& other) const { return std::less<AcDbStub*>()(stub_, other.stub_); }
  bool operator>(const AcDbObjectId& other) const { return other < *this; }
  bool operator<=(const AcDbObjectId& other) const { return !(other < *this); }
  bool operator>=(const AcDbObjectId& other) const { return !(*this < other); }

 private:
  AcDbStub* stub_ = nullptr;
};

// Reference kinds for the filers: ownership ids are followed by deep clone,
// pointer ids are only translated.
class AcDbHardOwnershipId : public AcDbObjectId {
 public:
  AcDbHardOwnershipId() = default;
  AcDbHardOwnershipId(const AcDbObjectId& id) : AcDbObjectId(id) {}  // NOLINT
};
class AcDbSoftOwnershipId : public AcDbObjectId {
 public:
  AcDbSoftOwnershipId() = default;
  AcDbSoftOwnershipId(const AcDbObjectId& id) : AcDbObjectId(id) {}  // NOLINT
};
class AcDbHardPointerId : public AcDbObjectId {
 public:
  AcDbHardPointerId() = default;
  AcDbHardPointerId(const AcDbObjectId& id) : AcDbObjectId(id) {}  // NOLINT
};
class AcDbSoftPointerId : public AcDbObjectId {
 public:
  AcDbSoftPointerId() = default;
  AcDbSoftPointerId(const AcDbObjectId& id) : AcDbObjectId(id) {}  // NOLINT
};

using AcDbObjectIdArray = AcArray<AcDbObjectId>;
// Untyped pointers; each call that fills one says what they are and who owns them.
using AcDbVoidPtrArray = AcArray<void*>;
using AcDbIntArray = AcArray<int>;
using AcDbDoubleArray = AcArray<double>;

// Entity names of the editor functions and object ids, both ways.
Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& objId, const ads_name objName);
Acad::ErrorStatus acdbGetAdsName(ads_name& objName, AcDbObjectId objId);

template <>
struct std::hash<AcDbObjectId> {
  std::size_t operator()(const AcDbObjectId& id) const noexcept {
    return std::hash<AcDbStub*>()(static_cast<AcDbStub*>(id));
  }
};
