// Small database classes for the tests: an entity with one point and an object
// that references and owns other objects.
#pragma once

#include "platform/cad/db/db.h"

class TestDot : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(TestDot);
  TestDot() = default;
  explicit TestDot(const AcGePoint3d& position) : position_(position) {}

  AcGePoint3d position() const { return position_; }
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);

  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  AcGePoint3d position_;
};

class TestLink : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(TestLink);
  TestLink() = default;

  Adesk::Int32 kind = 0;
  double value = 0.0;
  AcDbObjectId reference;  // hard pointer
  AcDbObjectId owned;      // hard ownership

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
};

// Registers the test classes once.
void registerTestClasses();
// Appends a new dot to model space and returns its id (closed).
AcDbObjectId addDot(AcDbDatabase& db, const AcGePoint3d& position);
