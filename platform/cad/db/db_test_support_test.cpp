#include "platform/cad/db/db_test_support_test.h"

ACRX_DXF_DEFINE_MEMBERS(TestDot, AcDbEntity, AcDb::kDHL_CURRENT, AcDb::kMReleaseCurrent, 0, TEST_DOT, CadDbTests)
ACRX_DXF_DEFINE_MEMBERS(TestLink, AcDbObject, 23, 13, 0, TEST_LINK, "CadDbTests")

Acad::ErrorStatus TestDot::setPosition(const AcGePoint3d& position) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  position_ = position;
  return Acad::eOk;
}

Acad::ErrorStatus TestDot::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  position_.transformBy(xform);
  return Acad::eOk;
}

Acad::ErrorStatus TestDot::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  extents.addPoint(position_);
  return Acad::eOk;
}

Acad::ErrorStatus TestDot::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(position_);
  return filer->filerStatus();
}

Acad::ErrorStatus TestDot::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readItem(&position_);
  return filer->filerStatus();
}

Acad::ErrorStatus TestDot::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, "TestDot");
  filer->writeItem(AcDb::kDxfXCoord, position_);
  return filer->filerStatus();
}

Acad::ErrorStatus TestDot::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("TestDot")) return Acad::eBadDxfSequence;
  resbuf rb;
  if (filer->readItem(&rb) != Acad::eOk || rb.restype != AcDb::kDxfXCoord) {
    filer->pushBackItem();
    return filer->setError(Acad::eInvalidDxfCode, "\nError: expected group code %d", 10);
  }
  position_.set(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
  return filer->filerStatus();
}

Acad::ErrorStatus TestLink::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(kind);
  filer->writeItem(value);
  filer->writeItem(AcDbHardPointerId(reference));
  filer->writeItem(AcDbHardOwnershipId(owned));
  return filer->filerStatus();
}

Acad::ErrorStatus TestLink::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId ref;
  AcDbHardOwnershipId own;
  filer->readItem(&kind);
  filer->readItem(&value);
  filer->readItem(&ref);
  filer->readItem(&own);
  reference = ref;
  owned = own;
  return filer->filerStatus();
}

void registerTestClasses() {
  TestDot::rxInit();
  TestLink::rxInit();
  acrxBuildClassHierarchy();
}

AcDbObjectId addDot(AcDbDatabase& db, const AcGePoint3d& position) {
  AcDbObjectId id;
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite) != Acad::eOk) return id;
  auto* dot = new TestDot(position);
  if (space->appendAcDbEntity(id, dot) == Acad::eOk) {
    dot->close();
  } else {
    delete dot;
  }
  space->close();
  return id;
}
