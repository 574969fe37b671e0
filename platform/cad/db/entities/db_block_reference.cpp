#include "platform/cad/db/entities/db_block_reference.h"

#include <cmath>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_object_iterator.h"
#include "platform/cad/db/entities/db_attribute.h"
#include "platform/cad/db/entities/db_entity_math.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/ge/ge_ecs.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbBlockReference, AcDbEntity, "INSERT")

using namespace entity_math;

namespace {
AcGeVector3d column(const AcGeMatrix3d& m, unsigned int c) { return {m(0, c), m(1, c), m(2, c)}; }

bool lookUpBlock(AcDbDatabase* database, const std::string& name, AcDbObjectId& id) {
  if (database == nullptr || name.empty()) return false;
  AcDbBlockTable* table = nullptr;
  if (database->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return false;
  const bool found = table->getAt(name.c_str(), id) == Acad::eOk;
  table->close();
  return found;
}

void deleteEntities(AcDbVoidPtrArray& entities, int from) {
  for (int i = entities.length() - 1; i >= from; --i) {
    delete static_cast<AcDbEntity*>(entities[i]);
    entities.removeAt(i);
  }
}
}  // namespace

AcDbBlockReference::AcDbBlockReference() = default;
AcDbBlockReference::AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord)
    : blockTableRecord_(blockTableRecord), position_(position) {}
AcDbBlockReference::~AcDbBlockReference() = default;

AcDbObjectId AcDbBlockReference::blockTableRecord() const {
  assertReadEnabled();
  if (blockTableRecord_.isNull() && !pendingBlockName_.empty() &&
      lookUpBlock(database(), pendingBlockName_, blockTableRecord_))
    pendingBlockName_.clear();
  return blockTableRecord_;
}

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId blockTableRecord) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  blockTableRecord_ = blockTableRecord;
  pendingBlockName_.clear();
  return Acad::eOk;
}

AcGePoint3d AcDbBlockReference::position() const {
  assertReadEnabled();
  return position_;
}

Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& position) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  position_ = position;
  return Acad::eOk;
}

AcGeScale3d AcDbBlockReference::scaleFactors() const {
  assertReadEnabled();
  return scale_;
}

Acad::ErrorStatus AcDbBlockReference::setScaleFactors(const AcGeScale3d& scale) {
  if (scale.sx == 0.0 || scale.sy == 0.0 || scale.sz == 0.0) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  scale_ = scale;
  return Acad::eOk;
}

double AcDbBlockReference::rotation() const {
  assertReadEnabled();
  return rotation_;
}

Acad::ErrorStatus AcDbBlockReference::setRotation(double rotation) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  rotation_ = normalizeAngle(rotation);
  return Acad::eOk;
}

AcGeVector3d AcDbBlockReference::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbBlockReference::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  normal_ = normal.normal();
  return Acad::eOk;
}

AcGePoint3d AcDbBlockReference::blockOrigin() const {
  const AcDbObjectId id = blockTableRecord();
  if (id.isNull()) return AcGePoint3d::kOrigin;
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, id, AcDb::kForRead) != Acad::eOk) return AcGePoint3d::kOrigin;
  const AcGePoint3d origin = record->origin();
  record->close();
  return origin;
}

AcGeMatrix3d AcDbBlockReference::placement() const {
  AcGeMatrix3d scaling;
  scale_.getMatrix(scaling);
  return AcGeMatrix3d::translation(position_.asVector()) * acgeEcsToWorld(normal_) *
         AcGeMatrix3d::rotation(rotation_, AcGeVector3d::kZAxis) * scaling;
}

AcGeMatrix3d AcDbBlockReference::blockTransform() const {
  assertReadEnabled();
  return placement() * AcGeMatrix3d::translation(-blockOrigin().asVector());
}

Acad::ErrorStatus AcDbBlockReference::setBlockTransform(const AcGeMatrix3d& xform) {
  const AcGeMatrix3d placed = xform * AcGeMatrix3d::translation(blockOrigin().asVector());
  const AcGeVector3d cx = column(placed, 0);
  const AcGeVector3d cy = column(placed, 1);
  const AcGeVector3d cz = column(placed, 2);
  const double det = placed.det();
  if (det == 0.0 || !std::isfinite(det) || cz.isZeroLength() || cx.isZeroLength()) return Acad::eInvalidInput;
  // The normal follows the block's Z axis; a mirror shows as a negative X scale.
  const AcGeVector3d n = cz.normal();
  const double sx = det > 0.0 ? cx.length() : -cx.length();
  const AcGeVector3d xDir = cx / sx;
  const AcGeVector3d yDir = n.crossProduct(xDir);
  const double sy = cy.dotProduct(yDir);
  const double tol = 1e-9 * std::max({1.0, cx.length(), cy.length(), cz.length()});
  if (std::fabs(xDir.dotProduct(n)) > 1e-9 || (cy - yDir * sy).length() > tol) return Acad::eCannotScaleNonUniformly;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  normal_ = n;
  position_ = AcGePoint3d::kOrigin + column(placed, 3);
  rotation_ = normalizeAngle(std::atan2(xDir.dotProduct(acgeEcsYAxis(n)), xDir.dotProduct(acgeEcsXAxis(n))));
  scale_.set(sx, sy, cz.length());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbAttribute* attribute) {
  if (attribute == nullptr) return Acad::eNullObjectPointer;
  if (attribute->isDatabaseResident()) return Acad::eAlreadyInDb;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  for (const auto& a : attributes_)
    if (a.get() == attribute) return Acad::eInvalidInput;
  attributes_.emplace_back(attribute);
  attribute->handle_.hold(database(), true);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::setOwnerId(AcDbObjectId ownerId) {
  Acad::ErrorStatus es = AcDbEntity::setOwnerId(ownerId);
  if (es == Acad::eOk) holdSubEntityHandles();
  return es;
}

void AcDbBlockReference::setSequenceEndHandle(const AcDbHandle& handle) {
  sequenceEnd_.setRead(handle);
  sequenceEnd_.hold(database(), true);
}

void AcDbBlockReference::holdSubEntityHandles() const {
  AcDbDatabase* db = database();
  if (db == nullptr) return;
  for (const auto& a : attributes_) a->handle_.hold(db, true);
  // Without attributes no SEQEND is written (and a reader has yet to append them).
  if (!attributes_.empty()) sequenceEnd_.hold(db, true);
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbObjectId& attributeId, AcDbAttribute* attribute) {
  attributeId = AcDbObjectId::kNull;
  return appendAttribute(attribute);
}

AcDbObjectIterator* AcDbBlockReference::attributeIterator() const {
  std::vector<AcDbEntity*> entities;
  for (const auto& a : attributes_) entities.push_back(a.get());
  return new AcDbObjectIterator(std::move(entities));
}

Acad::ErrorStatus AcDbBlockReference::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  if (!attributes_.empty() && !xform.isUniScaledOrtho()) return Acad::eCannotScaleNonUniformly;
  const AcGeMatrix3d before = blockTransform();
  Acad::ErrorStatus es = setBlockTransform(xform * before);
  if (es != Acad::eOk) return es;
  for (auto& a : attributes_) a->transformBy(xform);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  const AcGeMatrix3d xform = blockTransform();
  AcDbBlockTableRecord* record = nullptr;
  if (!blockTableRecord().isNull() && acdbOpenObject(record, blockTableRecord(), AcDb::kForRead) == Acad::eOk) {
    for (const AcDbObjectId& id : record->entityIds()) {
      AcDbEntity* entity = nullptr;
      if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) continue;
      AcDbExtents part;
      // Definitions are not drawn in a reference; its attributes stand for them.
      if (!entity->isKindOf(AcDbAttributeDefinition::desc()) && entity->getGeomExtents(part) == Acad::eOk &&
          part.isValid()) {
        part.transformBy(xform);
        extents.addExt(part);
      }
      entity->close();
    }
    record->close();
  }
  for (const auto& a : attributes_) {
    AcDbExtents part;
    if (!a->isErased() && a->getGeomExtents(part) == Acad::eOk && part.isValid()) extents.addExt(part);
  }
  if (!extents.isValid()) extents.addPoint(position_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::explode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  AcDbBlockTableRecord* record = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(record, blockTableRecord(), AcDb::kForRead);
  if (es != Acad::eOk) return es;
  const AcGeMatrix3d xform = blockTransform();
  const int first = entitySet.length();
  for (const AcDbObjectId& id : record->entityIds()) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) continue;
    AcDbEntity* copy = nullptr;
    es = entity->getTransformedCopy(xform, copy);
    entity->close();
    if (es != Acad::eOk) break;
    entitySet.append(copy);
  }
  record->close();
  if (es != Acad::eOk) deleteEntities(entitySet, first);
  return es;
}

Acad::ErrorStatus AcDbBlockReference::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeHardPointerId(blockTableRecord_);
  filer->writeString(pendingBlockName_.c_str());
  filer->writePoint3d(position_);
  filer->writeScale3d(scale_);
  filer->writeDouble(rotation_);
  filer->writeVector3d(normal_);
  filer->writeUInt32(static_cast<Adesk::UInt32>(attributes_.size()));
  for (const auto& a : attributes_) {
    es = a->dwgOutFields(filer);
    if (es != Acad::eOk) return es;
  }
  sequenceEnd_.dwgOut(filer);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockReference::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId record;
  Adesk::UInt32 count = 0;
  filer->readHardPointerId(&record);
  filer->readString(&pendingBlockName_);
  filer->readPoint3d(&position_);
  filer->readScale3d(&scale_);
  filer->readDouble(&rotation_);
  filer->readVector3d(&normal_);
  filer->readUInt32(&count);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  blockTableRecord_ = record;
  std::vector<std::unique_ptr<AcDbAttribute>> read;
  for (Adesk::UInt32 i = 0; i < count; ++i) {
    auto attribute = std::make_unique<AcDbAttribute>();
    es = attribute->dwgInFields(filer);
    if (es != Acad::eOk) return es;
    read.push_back(std::move(attribute));
  }
  attributes_ = std::move(read);
  sequenceEnd_.dwgIn(filer);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockReference::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  std::string name = pendingBlockName_;
  AcDbBlockTableRecord* record = nullptr;
  if (!blockTableRecord().isNull() && acdbOpenObject(record, blockTableRecord(), AcDb::kForRead) == Acad::eOk) {
    name = record->name();
    record->close();
  }
  if (name.empty()) return filer->setError(Acad::eNullObjectId, "INSERT without a block");
  filer->writeItem(AcDb::kDxfSubclass, "AcDbBlockReference");
  if (!attributes_.empty()) filer->writeInt16(AcDb::kDxfHasSubentities, 1);
  filer->writeString(AcDb::kDxfBlockName, name.c_str());
  filer->writePoint3d(AcDb::kDxfXCoord, acgeWorldPointToEcs(position_, normal_));
  if (scale_.sx != 1.0) filer->writeDouble(static_cast<AcDb::DxfCode>(41), scale_.sx);
  if (scale_.sy != 1.0) filer->writeDouble(static_cast<AcDb::DxfCode>(42), scale_.sy);
  if (scale_.sz != 1.0) filer->writeDouble(static_cast<AcDb::DxfCode>(43), scale_.sz);
  if (rotation_ != 0.0) filer->writeDouble(AcDb::kDxfAngle, radiansToDegrees(rotation_));
  if (normal_ != AcGeVector3d::kZAxis) filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockReference::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbBlockReference"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  std::string name;
  AcGePoint3d ecsPosition;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    bool more = true;
    switch (rb.restype) {
      case AcDb::kDxfHasSubentities:
        break;
      case AcDb::kDxfBlockName:
        name = rb.resval.rstring != nullptr ? rb.resval.rstring : "";
        break;
      case AcDb::kDxfXCoord:
        ecsPosition.set(p[0], p[1], p[2]);
        break;
      case 41:
        scale_.sx = rb.resval.rreal;
        break;
      case 42:
        scale_.sy = rb.resval.rreal;
        break;
      case 43:
        scale_.sz = rb.resval.rreal;
        break;
      case AcDb::kDxfAngle:
        rotation_ = normalizeAngle(degreesToRadians(rb.resval.rreal));
        break;
      case AcDb::kDxfNormalX:
        normal_ = unitNormal(AcGeVector3d(p[0], p[1], p[2]));
        break;
      // Array inserts (columns, rows, spacing) are not kept.
      case 44:
      case 45:
      case 70:
      case 71:
        break;
      default:
        filer->pushBackItem();
        more = false;
        break;
    }
    if (!more) break;
  }
  if (name.empty()) return filer->setError(Acad::eBadDxfSequence, "INSERT without a block name");
  if (scale_.sx == 0.0 || scale_.sy == 0.0 || scale_.sz == 0.0)
    return filer->setError(Acad::eInvalidInput, "INSERT of block \"%s\" with a zero scale factor", name.c_str());
  position_ = acgeEcsPointToWorld(ecsPosition, normal_);
  blockTableRecord_ = AcDbObjectId::kNull;
  pendingBlockName_.clear();
  if (!lookUpBlock(filer->database(), name, blockTableRecord_)) pendingBlockName_ = name;
  return Acad::eOk;
}
