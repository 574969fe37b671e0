// AcDbDatabase: one drawing. It owns every object added to it, hands out ids and
// handles (hex, unique, below the handle seed), and holds the symbol tables, the
// named-objects dictionary with the group dictionary "ACAD_GROUP", and the header
// variables the host's callers read.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/cad/db/adesk.h"
#include "platform/cad/db/db_enums.h"
#include "platform/cad/db/db_handle.h"
#include "platform/cad/db/db_object_id.h"
#include "platform/cad/db/error_status.h"
#include "platform/cad/db/object_memory.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

class AcDbObject;
class AcDbBlockTable;
class AcDbLayerTable;
class AcDbLinetypeTable;
class AcDbDictionary;
class AcDbIdMapping;
class AcDbStub;

class AcDbDatabase {
 public:
  // With buildDefaultDrawing: the tables, "*Model_Space", "*Paper_Space", layer "0",
  // linetypes "ByBlock", "ByLayer" and "Continuous", and the two dictionaries.
  // Without: empty, for a reader that fills it from a file.
  explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
  ~AcDbDatabase();
  AcDbDatabase(const AcDbDatabase&) = delete;
  AcDbDatabase& operator=(const AcDbDatabase&) = delete;

  // Adds an object that belongs to no drawing; it comes back open for write and the
  // drawing owns it. It keeps the handle it was read with (pendingHandle) when that
  // handle is free (else eHandleExists), otherwise it gets the handle seed.
  Acad::ErrorStatus addAcDbObject(AcDbObject* pObject);
  Acad::ErrorStatus addAcDbObject(AcDbObjectId& objId, AcDbObject* pObject);

  // The id of the object with this handle. With createIfNotFound a free handle gets
  // an id without an object yet (a forward reference of a file), which the object
  // read later with that handle takes over; eUnknownHandle otherwise.
  Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& retId, bool createIfNotFound, const AcDbHandle& objHandle,
                                    Adesk::UInt32 xRefId = 0);
  // The handle the next new object gets; always above every handle in use.
  AcDbHandle handseed() const { return handseed_; }
  // Refused (eInvalidInput) when the seed would not lie above every handle in use.
  Acad::ErrorStatus setHandseed(const AcDbHandle& seed);
  Adesk::Int32 approxNumObjects() const { return static_cast<Adesk::Int32>(stubs_.size()); }
  // Every id of the drawing in the order of creation, erased ones too.
  void getAllObjectIds(AcDbObjectIdArray& ids) const;

  // Tables and dictionaries.
  AcDbObjectId blockTableId() const { return blockTableId_; }
  AcDbObjectId layerTableId() const { return layerTableId_; }
  AcDbObjectId linetypeTableId() const { return linetypeTableId_; }
  AcDbObjectId namedObjectsDictionaryId() const { return namedObjectsDictionaryId_; }
  AcDbObjectId groupDictionaryId() const { return groupDictionaryId_; }
  Acad::ErrorStatus getBlockTable(AcDbBlockTable*& pTable, AcDb::OpenMode mode);
  Acad::ErrorStatus getLayerTable(AcDbLayerTable*& pTable, AcDb::OpenMode mode);
  Acad::ErrorStatus getLinetypeTable(AcDbLinetypeTable*& pTable, AcDb::OpenMode mode);
  Acad::ErrorStatus getSymbolTable(AcDbBlockTable*& pTable, AcDb::OpenMode mode) { return getBlockTable(pTable, mode); }
  Acad::ErrorStatus getSymbolTable(AcDbLayerTable*& pTable, AcDb::OpenMode mode) { return getLayerTable(pTable, mode); }
  Acad::ErrorStatus getSymbolTable(AcDbLinetypeTable*& pTable, AcDb::OpenMode mode) {
    return getLinetypeTable(pTable, mode);
  }
  Acad::ErrorStatus getNamedObjectsDictionary(AcDbDictionary*& pDict, AcDb::OpenMode mode);
  Acad::ErrorStatus getGroupDictionary(AcDbDictionary*& pDict, AcDb::OpenMode mode);
  // For a reader that builds the drawing itself (a database made without defaults).
  void setBlockTableId(AcDbObjectId id) { blockTableId_ = id; }
  void setLayerTableId(AcDbObjectId id) { layerTableId_ = id; }
  void setLinetypeTableId(AcDbObjectId id) { linetypeTableId_ = id; }
  void setNamedObjectsDictionaryId(AcDbObjectId id) { namedObjectsDictionaryId_ = id; }
  void setGroupDictionaryId(AcDbObjectId id) { groupDictionaryId_ = id; }

  // Loads linetypes from a .lin file: one name, or "*" for all. The file is looked up as
  // given, then on the host's search path; "acad.lin" and "acadiso.lin" fall back to the
  // linetype text built into this library. eDuplicateRecordName when the linetype is
  // already there, eUndefinedLineType when the file lacks it, eFileNotFound.
  Acad::ErrorStatus loadLineTypeFile(const char* ltName, const char* fileName);

  // Clones the objects (and what they own) into the owner (a block table record gets
  // entities appended, other owners own the clones), then translates references among
  // the clones. Every object and the owner must belong to this drawing.
  Acad::ErrorStatus deepCloneObjects(AcDbObjectIdArray& objectIds, AcDbObjectId& owner, AcDbIdMapping& idMap,
                                     bool deferXlation = false);

  // Header variables.
  AcDbObjectId currentSpaceId() const { return currentSpaceId_; }
  void setCurrentSpaceId(AcDbObjectId id) { currentSpaceId_ = id; }
  AcDbObjectId clayer() const { return clayer_; }
  Acad::ErrorStatus setClayer(AcDbObjectId layerId);
  AcDbObjectId celtype() const { return celtype_; }
  Acad::ErrorStatus setCeltype(AcDbObjectId linetypeId);
  AcDbObjectId byLayerLinetype() const { return byLayerLinetype_; }
  AcDbObjectId byBlockLinetype() const { return byBlockLinetype_; }
  AcDbObjectId continuousLinetype() const { return continuousLinetype_; }
  void setByLayerLinetype(AcDbObjectId id) { byLayerLinetype_ = id; }
  void setByBlockLinetype(AcDbObjectId id) { byBlockLinetype_ = id; }
  void setContinuousLinetype(AcDbObjectId id) { continuousLinetype_ = id; }
  double ltscale() const { return ltscale_; }
  void setLtscale(double scale) { setHeader(ltscale_, scale); }
  Adesk::Int16 pdmode() const { return pdmode_; }
  void setPdmode(Adesk::Int16 mode) { setHeader(pdmode_, mode); }
  double pdsize() const { return pdsize_; }
  void setPdsize(double size) { setHeader(pdsize_, size); }
  AcGePoint3d insbase() const { return insbase_; }
  void setInsbase(const AcGePoint3d& point) { setHeader(insbase_, point); }
  AcGePoint3d extmin() const { return extmin_; }
  AcGePoint3d extmax() const { return extmax_; }
  void setExtmin(const AcGePoint3d& point) { extmin_ = point; }
  void setExtmax(const AcGePoint3d& point) { extmax_ = point; }
  // The drawing's user coordinate system; world when never set.
  AcGePoint3d ucsorg() const { return ucsOrigin_; }
  AcGeVector3d ucsxdir() const { return ucsXDir_; }
  AcGeVector3d ucsydir() const { return ucsYDir_; }
  Acad::ErrorStatus setUcs(const AcGePoint3d& origin, const AcGeVector3d& xDir, const AcGeVector3d& yDir);
  bool isUcsWorld() const;

  // Grows with every change of the drawing: an object closed after it was added,
  // changed or erased, or a header variable above set to another value (extents
  // and the handle seed are bookkeeping, not changes). Equal counts mean the
  // drawing is as it was.
  Adesk::UInt64 changeCount() const { return changeCount_; }
  void noteChange() { ++changeCount_; }

 private:
  friend class AcDbObject;
  friend class AcDbStub;
  AcDbStub* newStub(const AcDbHandle& handle);
  void buildDefaultDrawing();
  void translateClonedReferences(const AcDbIdMapping& idMap);
  template <class T>
  void setHeader(T& variable, const T& value) {
    if (variable != value) noteChange();
    variable = value;
  }

  std::vector<std::unique_ptr<AcDbStub>, object_memory::Allocator<std::unique_ptr<AcDbStub>>> stubs_;  // creation order
  std::unordered_map<std::uint64_t, AcDbStub*, std::hash<std::uint64_t>, std::equal_to<std::uint64_t>,
                     object_memory::Allocator<std::pair<const std::uint64_t, AcDbStub*>>>
      byHandle_;
  AcDbHandle handseed_{1};
  AcDbHandle maxHandleInUse_;
  AcDbObjectId blockTableId_, layerTableId_, linetypeTableId_;
  AcDbObjectId namedObjectsDictionaryId_, groupDictionaryId_;
  AcDbObjectId currentSpaceId_, clayer_, celtype_;
  AcDbObjectId byLayerLinetype_, byBlockLinetype_, continuousLinetype_;
  double ltscale_ = 1.0;
  Adesk::Int16 pdmode_ = 0;
  double pdsize_ = 0.0;
  AcGePoint3d insbase_, extmin_, extmax_;
  AcGePoint3d ucsOrigin_;
  AcGeVector3d ucsXDir_{1.0, 0.0, 0.0};
  AcGeVector3d ucsYDir_{0.0, 1.0, 0.0};
  Adesk::UInt64 changeCount_ = 0;
};
