#include "platform/cad/ge/ge_scale.h"

#include <cmath>

#include "platform/cad/ge/ge_matrix3d.h"

const AcGeScale3d AcGeScale3d::kIdentity(1.0, 1.0, 1.0);

AcGeScale3d& AcGeScale3d::set(double xFactor, double yFactor, double zFactor) {
  sx = xFactor;
  sy = yFactor;
  sz = zFactor;
  return *this;
}

void AcGeScale3d::getMatrix(AcGeMatrix3d& mat) const {
  mat.setToIdentity();
  mat.entry[0][0] = sx;
  mat.entry[1][1] = sy;
  mat.entry[2][2] = sz;
}

bool AcGeScale3d::isProportional(const AcGeTol& tol) const {
  return std::fabs(sx - sy) <= tol.equalVector() && std::fabs(sy - sz) <= tol.equalVector();
}

bool AcGeScale3d::isEqualTo(const AcGeScale3d& other, const AcGeTol& tol) const {
  return std::fabs(sx - other.sx) <= tol.equalVector() && std::fabs(sy - other.sy) <= tol.equalVector() &&
         std::fabs(sz - other.sz) <= tol.equalVector();
}
