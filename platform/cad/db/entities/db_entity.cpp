#include "platform/cad/db/entities/db_entity.h"

#include <strings.h>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/db/tables/db_layer_table.h"
#include "platform/cad/db/tables/db_linetype_table.h"

CADDB_DEFINE_BUILTIN_ABSTRACT_MEMBERS(AcDbEntity, AcDbObject)

namespace {

char* mallocCopy(const char* text) {
  const std::size_t size = std::strlen(text) + 1;
  char* copy = static_cast<char*>(std::malloc(size));
  if (copy != nullptr) std::memcpy(copy, text, size);
  return copy;
}

const char* recordName(AcDbObjectId id) {
  const auto* record = AcDbSymbolTableRecord::cast(peekObject(id));
  return record != nullptr ? record->name() : nullptr;
}

// The drawing whose tables name an entity's layer and linetype.
AcDbDatabase* namingDatabase(const AcDbEntity* entity) {
  return entity->database() != nullptr ? entity->database() : acdbHostApplicationServices()->workingDatabase();
}

Acad::ErrorStatus findRecord(AcDbObjectId tableId, const char* name, AcDbObjectId& id) {
  const auto* table = AcDbSymbolTable::cast(peekObject(tableId));
  if (table == nullptr) return Acad::eNoDatabase;
  if (name == nullptr || *name == '\0') return Acad::eInvalidInput;
  id = table->findRecordId(name);
  return id.isNull() ? Acad::eKeyNotFound : Acad::eOk;
}

// A file may name a layer or linetype its tables lack; the name is kept by adding the record.
template <class Table, class Record>
AcDbObjectId findOrAddRecord(AcDbObjectId tableId, const char* name) {
  AcDbObjectId id;
  if (findRecord(tableId, name, id) == Acad::eOk) return id;
  Table* table = nullptr;
  if (acdbOpenObject(table, tableId, AcDb::kForWrite) != Acad::eOk) return id;
  auto* record = new Record();
  if (record->setName(name) == Acad::eOk && table->add(id, record) == Acad::eOk) {
    record->close();
  } else {
    delete record;
    id.setNull();
  }
  table->close();
  return id;
}

bool ownedByPaperSpace(AcDbObjectId ownerId) {
  const char* name = recordName(ownerId);
  return name != nullptr && std::strncmp(name, ACDB_PAPER_SPACE, std::strlen(ACDB_PAPER_SPACE)) == 0;
}

}  // namespace

AcDbEntity::AcDbEntity() = default;

AcDbEntity::~AcDbEntity() = default;

char* AcDbEntity::layer() const {
  assertReadEnabled();
  const char* name = recordName(layerId_);
  return mallocCopy(name != nullptr ? name : "");
}

Acad::ErrorStatus AcDbEntity::setLayer(const char* newVal, Adesk::Boolean /*doSubents*/) {
  AcDbDatabase* db = namingDatabase(this);
  if (db == nullptr) return Acad::eNoDatabase;
  AcDbObjectId id;
  Acad::ErrorStatus es = findRecord(db->layerTableId(), newVal, id);
  if (es != Acad::eOk) return es;
  return setLayer(id);
}

Acad::ErrorStatus AcDbEntity::setLayer(AcDbObjectId newVal, Adesk::Boolean /*doSubents*/) {
  if (newVal.isNull()) return Acad::eNullObjectId;
  if (AcDbLayerTableRecord::cast(peekObject(newVal)) == nullptr) return Acad::eWrongObjectType;
  if (database() != nullptr && newVal.database() != database()) return Acad::eWrongDatabase;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  layerId_ = newVal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setColor(const AcCmColor& color, Adesk::Boolean /*doSubents*/) {
  if (color.colorIndex() > 256) return Acad::eOutOfRange;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  color_ = color;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 color, Adesk::Boolean doSubents) {
  AcCmColor value;
  Acad::ErrorStatus es = value.setColorIndex(color);
  if (es != Acad::eOk) return es;
  return setColor(value, doSubents);
}

char* AcDbEntity::linetype() const {
  assertReadEnabled();
  const char* name = recordName(linetypeId_);
  return mallocCopy(name != nullptr ? name : "");
}

Acad::ErrorStatus AcDbEntity::setLinetype(const char* newVal, Adesk::Boolean /*doSubents*/) {
  AcDbDatabase* db = namingDatabase(this);
  if (db == nullptr) return Acad::eNoDatabase;
  AcDbObjectId id;
  Acad::ErrorStatus es = findRecord(db->linetypeTableId(), newVal, id);
  if (es != Acad::eOk) return es;
  return setLinetype(id);
}

Acad::ErrorStatus AcDbEntity::setLinetype(AcDbObjectId newVal, Adesk::Boolean /*doSubents*/) {
  if (newVal.isNull()) return Acad::eNullObjectId;
  if (AcDbLinetypeTableRecord::cast(peekObject(newVal)) == nullptr) return Acad::eWrongObjectType;
  if (database() != nullptr && newVal.database() != database()) return Acad::eWrongDatabase;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  linetypeId_ = newVal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLinetypeScale(double newVal, Adesk::Boolean /*doSubents*/) {
  if (!(newVal > 0.0)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  linetypeScale_ = newVal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setVisibility(AcDb::Visibility newVal, Adesk::Boolean /*doSubents*/) {
  if (newVal != AcDb::kVisible && newVal != AcDb::kInvisible) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  visibility_ = newVal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setPropertiesFrom(const AcDbEntity* pEntity, Adesk::Boolean /*doSubents*/) {
  if (pEntity == nullptr) return Acad::eNullEntityPointer;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  layerId_ = pEntity->layerId_;
  linetypeId_ = pEntity->linetypeId_;
  color_ = pEntity->color_;
  linetypeScale_ = pEntity->linetypeScale_;
  visibility_ = pEntity->visibility_;
  return Acad::eOk;
}

void AcDbEntity::setDatabaseDefaults() { setDatabaseDefaults(namingDatabase(this)); }

void AcDbEntity::setDatabaseDefaults(AcDbDatabase* pDb) {
  if (pDb == nullptr || !assertWriteEnabled()) return;
  layerId_ = pDb->clayer();
  linetypeId_ = !pDb->celtype().isNull() ? pDb->celtype() : pDb->byLayerLinetype();
  color_.setByLayer();
  linetypeScale_ = 1.0;
  visibility_ = AcDb::kVisible;
}

void AcDbEntity::applyMissingDefaults(AcDbDatabase* db) {
  if (db == nullptr) return;
  if (layerId_.isNull() || layerId_.database() != db) layerId_ = db->clayer();
  if (linetypeId_.isNull() || linetypeId_.database() != db) {
    linetypeId_ = !db->celtype().isNull() ? db->celtype() : db->byLayerLinetype();
  }
}

Acad::ErrorStatus AcDbEntity::highlight(const AcDbFullSubentPath& /*subId*/, const Adesk::Boolean /*all*/) const {
  highlighted_ = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::unhighlight(const AcDbFullSubentPath& /*subId*/, const Adesk::Boolean /*all*/) const {
  highlighted_ = false;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::transformBy(const AcGeMatrix3d& /*xform*/) { return Acad::eNotApplicable; }

Acad::ErrorStatus AcDbEntity::getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& ent) const {
  ent = nullptr;
  AcRxObject* copy = clone();
  AcDbEntity* entity = AcDbEntity::cast(copy);
  if (entity == nullptr) {
    delete copy;
    return Acad::eNotApplicable;
  }
  Acad::ErrorStatus es = entity->transformBy(xform);
  if (es != Acad::eOk) {
    delete entity;
    return es;
  }
  ent = entity;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::getGeomExtents(AcDbExtents& /*extents*/) const { return Acad::eInvalidExtents; }

Acad::ErrorStatus AcDbEntity::explode(AcDbVoidPtrArray& /*entitySet*/) const { return Acad::eNotApplicable; }

Acad::ErrorStatus AcDbEntity::getPlane(AcGePlane& /*plane*/, AcDb::Planarity& planarity) const {
  planarity = AcDb::kNonPlanar;
  return Acad::eNotApplicable;
}

Adesk::Boolean AcDbEntity::worldDraw(AcGiWorldDraw* /*mode*/) { return true; }

Acad::ErrorStatus AcDbEntity::getSubentPathsAtGsMarker(AcDb::SubentType /*type*/, Adesk::GsMarker /*gsMark*/,
                                                       const AcGePoint3d& /*pickPoint*/,
                                                       const AcGeMatrix3d& /*viewXform*/, int& numPaths,
                                                       AcDbFullSubentPath*& subentPaths, int /*numInserts*/,
                                                       AcDbObjectId* /*entAndInsertStack*/) const {
  numPaths = 0;
  subentPaths = nullptr;
  return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbEntity::getGsMarkersAtSubentPath(const AcDbFullSubentPath& /*subPath*/,
                                                       AcArray<Adesk::GsMarker>& /*gsMarkers*/) const {
  return Acad::eNotApplicable;
}

AcDbEntity* AcDbEntity::subentPtr(const AcDbFullSubentPath& /*id*/) const { return nullptr; }

Adesk::GsMarker AcDbEntity::gsMarkerAtPick(const AcGePoint3d& /*point*/, const AcGeVector3d& /*viewDirection*/,
                                           double /*aperture*/) const {
  return 0;
}

Acad::ErrorStatus AcDbEntity::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeHardPointerId(layerId_);
  filer->writeHardPointerId(linetypeId_);
  filer->writeUInt16(color_.colorIndex());
  filer->writeDouble(linetypeScale_);
  filer->writeInt16(static_cast<Adesk::Int16>(visibility_));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEntity::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId layerId;
  AcDbHardPointerId linetypeId;
  Adesk::UInt16 color = AcDb::kColorByLayer;
  double linetypeScale = 1.0;
  Adesk::Int16 visibility = AcDb::kVisible;
  filer->readHardPointerId(&layerId);
  filer->readHardPointerId(&linetypeId);
  filer->readUInt16(&color);
  filer->readDouble(&linetypeScale);
  filer->readInt16(&visibility);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  layerId_ = layerId;
  linetypeId_ = linetypeId;
  color_.setColorIndex(color);
  linetypeScale_ = linetypeScale;
  visibility_ = visibility == AcDb::kInvisible ? AcDb::kInvisible : AcDb::kVisible;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbEntity");
  if (ownedByPaperSpace(ownerId())) filer->writeInt16(AcDb::kDxfViewportVisibility, 1);
  const char* layerName = recordName(layerId_);
  filer->writeString(AcDb::kDxfLayerName, layerName != nullptr ? layerName : "0");
  const char* linetypeName = recordName(linetypeId_);
  if (linetypeName != nullptr && strcasecmp(linetypeName, "ByLayer") != 0) {
    filer->writeString(AcDb::kDxfLinetypeName, linetypeName);
  }
  if (!color_.isByLayer()) filer->writeInt16(AcDb::kDxfColor, static_cast<Adesk::Int16>(color_.colorIndex()));
  if (linetypeScale_ != 1.0) filer->writeDouble(AcDb::kDxfLinetypeScale, linetypeScale_);
  if (visibility_ == AcDb::kInvisible) filer->writeInt16(AcDb::kDxfVisibility, 1);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEntity::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbDatabase* db = filer->database() != nullptr ? filer->database() : namingDatabase(this);
  bool inSubclass = false;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    switch (rb.restype) {
      case AcDb::kDxfSubclass:
        if (!inSubclass && std::strcmp(rb.resval.rstring, "AcDbEntity") == 0) {
          inSubclass = true;
          continue;
        }
        break;
      case AcDb::kDxfLayerName:
        if (db != nullptr) {
          layerId_ = findOrAddRecord<AcDbLayerTable, AcDbLayerTableRecord>(db->layerTableId(), rb.resval.rstring);
        }
        continue;
      case AcDb::kDxfLinetypeName:
        if (db != nullptr) {
          linetypeId_ =
              findOrAddRecord<AcDbLinetypeTable, AcDbLinetypeTableRecord>(db->linetypeTableId(), rb.resval.rstring);
        }
        continue;
      case AcDb::kDxfColor:
        if (color_.setColorIndex(static_cast<Adesk::UInt16>(rb.resval.rint < 0 ? -rb.resval.rint : rb.resval.rint)) !=
            Acad::eOk) {
          color_.setByLayer();
        }
        continue;
      case AcDb::kDxfLinetypeScale:
        if (rb.resval.rreal > 0.0) linetypeScale_ = rb.resval.rreal;
        continue;
      case AcDb::kDxfVisibility:
        visibility_ = rb.resval.rint != 0 ? AcDb::kInvisible : AcDb::kVisible;
        continue;
      default:
        if (inSubclass) continue;  // entity data this drawing does not keep (line weight, plot style ...)
        break;
    }
    filer->pushBackItem();
    break;
  }
  if (db != nullptr && linetypeId_.isNull()) linetypeId_ = db->byLayerLinetype();
  return filer->filerStatus();
}

Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& pEnt, AcDbObjectId id, AcDb::OpenMode mode, bool openErasedEntity) {
  pEnt = nullptr;
  AcDbObject* object = nullptr;
  Acad::ErrorStatus es = acdbOpenAcDbObject(object, id, mode, openErasedEntity);
  if (es != Acad::eOk) return es;
  pEnt = AcDbEntity::cast(object);
  if (pEnt == nullptr) {
    object->close();
    return Acad::eNotAnEntity;
  }
  return Acad::eOk;
}
