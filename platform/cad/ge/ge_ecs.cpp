#include "platform/cad/ge/ge_ecs.h"

#include <cmath>

namespace {
constexpr double kArbitraryAxisLimit = 1.0 / 64.0;
}

AcGeVector3d acgeEcsXAxis(const AcGeVector3d& normal) {
  const AcGeVector3d n = normal.isZeroLength() ? AcGeVector3d::kZAxis : normal.normal();
  const AcGeVector3d world = (std::fabs(n.x) < kArbitraryAxisLimit && std::fabs(n.y) < kArbitraryAxisLimit)
                                 ? AcGeVector3d::kYAxis
                                 : AcGeVector3d::kZAxis;
  return world.crossProduct(n).normal();
}

AcGeVector3d acgeEcsYAxis(const AcGeVector3d& normal) {
  const AcGeVector3d n = normal.isZeroLength() ? AcGeVector3d::kZAxis : normal.normal();
  return n.crossProduct(acgeEcsXAxis(n)).normal();
}

AcGeMatrix3d acgeEcsToWorld(const AcGeVector3d& normal) {
  const AcGeVector3d n = normal.isZeroLength() ? AcGeVector3d::kZAxis : normal.normal();
  AcGeMatrix3d m;
  return m.setCoordSystem(AcGePoint3d::kOrigin, acgeEcsXAxis(n), acgeEcsYAxis(n), n);
}

AcGeMatrix3d acgeWorldToEcs(const AcGeVector3d& normal) {
  // Orthonormal, so the inverse is the transpose.
  return acgeEcsToWorld(normal).transpose();
}

AcGePoint3d acgeEcsPointToWorld(const AcGePoint3d& ecsPoint, const AcGeVector3d& normal) {
  return acgeEcsToWorld(normal) * ecsPoint;
}

AcGePoint3d acgeWorldPointToEcs(const AcGePoint3d& worldPoint, const AcGeVector3d& normal) {
  return acgeWorldToEcs(normal) * worldPoint;
}
