#include "platform/cad/editor/aced_ucs.h"

#include <cmath>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/filing/resbuf.h"

namespace {

constexpr double kAxisTolerance = 1e-9;

bool IsUnit(const AcGeVector3d& v) { return std::abs(v.length() - 1.0) <= kAxisTolerance; }

}  // namespace

namespace cadeditor {

AcGeMatrix3d UcsToWorld() {
  AcGeMatrix3d matrix;
  const AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  if (db == nullptr) return matrix;
  const AcGeVector3d x = db->ucsxdir();
  const AcGeVector3d y = db->ucsydir();
  matrix.setCoordSystem(db->ucsorg(), x, y, x.crossProduct(y));
  return matrix;
}

AcGeMatrix3d WorldToUcs() { return UcsToWorld().inverse(); }

}  // namespace cadeditor

int acedGetCurrentUCS(AcGeMatrix3d& mat) {
  mat = cadeditor::UcsToWorld();
  return acdbHostApplicationServices()->workingDatabase() != nullptr ? RTNORM : RTERROR;
}

int acedSetCurrentUCS(const AcGeMatrix3d& mat) {
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  if (db == nullptr) return RTERROR;
  AcGePoint3d origin;
  AcGeVector3d x, y, z;
  mat.getCoordSystem(origin, x, y, z);
  const bool orthonormal = IsUnit(x) && IsUnit(y) && IsUnit(z) && std::abs(x.dotProduct(y)) <= kAxisTolerance &&
                           std::abs(y.dotProduct(z)) <= kAxisTolerance && std::abs(z.dotProduct(x)) <= kAxisTolerance;
  const bool right_handed = (x.crossProduct(y) - z).length() <= 1e-6;
  const bool affine = mat(3, 0) == 0.0 && mat(3, 1) == 0.0 && mat(3, 2) == 0.0 && mat(3, 3) == 1.0;
  if (!orthonormal || !right_handed || !affine) return RTERROR;
  return db->setUcs(origin, x, y) == Acad::eOk ? RTNORM : RTERROR;
}
