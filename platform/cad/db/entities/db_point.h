// AcDbPoint: a point entity with thickness, normal and the rotation of its ECS X axis.
#pragma once

#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

class AcDbPoint : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPoint);

  AcDbPoint();
  explicit AcDbPoint(const AcGePoint3d& position);
  ~AcDbPoint() override;

  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  double ecsRotation() const;
  Acad::ErrorStatus setEcsRotation(double rotation);

  Adesk::Boolean isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  AcGePoint3d position_;
  double thickness_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double ecsRotation_ = 0.0;
};
