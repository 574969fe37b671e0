#include "platform/cad/db/entities/db_point.h"

#include <cmath>

#include "platform/cad/db/entities/db_entity_math.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/ge/ge_plane.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbPoint, AcDbEntity, "POINT")

using namespace entity_math;

AcDbPoint::AcDbPoint() = default;
AcDbPoint::AcDbPoint(const AcGePoint3d& position) : position_(position) {}
AcDbPoint::~AcDbPoint() = default;

AcGePoint3d AcDbPoint::position() const {
  assertReadEnabled();
  return position_;
}

Acad::ErrorStatus AcDbPoint::setPosition(const AcGePoint3d& position) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  position_ = position;
  return Acad::eOk;
}

double AcDbPoint::thickness() const {
  assertReadEnabled();
  return thickness_;
}

Acad::ErrorStatus AcDbPoint::setThickness(double thickness) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  thickness_ = thickness;
  return Acad::eOk;
}

AcGeVector3d AcDbPoint::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbPoint::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  normal_ = normal.normal();
  return Acad::eOk;
}

double AcDbPoint::ecsRotation() const {
  assertReadEnabled();
  return ecsRotation_;
}

Acad::ErrorStatus AcDbPoint::setEcsRotation(double rotation) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  ecsRotation_ = rotation;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane.set(position_, normal_);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  AcGeVector3d n = xform * normal_;
  const double scale = n.length();
  if (scale <= 0.0 || !std::isfinite(scale)) return Acad::eInvalidInput;
  position_ = xform * position_;
  normal_ = n / scale;
  thickness_ *= scale;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  extents.addPoint(position_);
  extents.addPoint(position_ + normal_ * thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(position_);
  filer->writeDouble(thickness_);
  filer->writeVector3d(normal_);
  filer->writeDouble(ecsRotation_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPoint::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readPoint3d(&position_);
  filer->readDouble(&thickness_);
  filer->readVector3d(&normal_);
  filer->readDouble(&ecsRotation_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPoint::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, "AcDbPoint");
  filer->writePoint3d(AcDb::kDxfXCoord, position_);
  if (thickness_ != 0.0) filer->writeDouble(AcDb::kDxfThickness, thickness_);
  if (normal_ != AcGeVector3d::kZAxis) filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  if (ecsRotation_ != 0.0) filer->writeDouble(AcDb::kDxfAngle, radiansToDegrees(ecsRotation_));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPoint::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbPoint"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    switch (rb.restype) {
      case AcDb::kDxfXCoord:
        position_.set(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
        break;
      case AcDb::kDxfThickness:
        thickness_ = rb.resval.rreal;
        break;
      case AcDb::kDxfNormalX:
        normal_ = unitNormal(AcGeVector3d(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]));
        break;
      case AcDb::kDxfAngle:
        ecsRotation_ = degreesToRadians(rb.resval.rreal);
        break;
      default:
        filer->pushBackItem();
        return Acad::eOk;
    }
  }
  return Acad::eOk;
}
