#include <algorithm>

#include "platform/cad/ge/curves/ge_polyline.h"
#include "platform/cad/ge/curves/ge_polyline_impl.h"

AcGePolyline3d::AcGePolyline3d(const AcGePoint3dArray& points) : m_points(points) {}

AcGePolyline3d& AcGePolyline3d::setFitPointAt(int index, const AcGePoint3d& point) {
  m_points.setAt(index, point);
  return *this;
}

bool AcGePolyline3d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kPolyline3d || entType == AcGe::kSplineEnt3d || AcGeCurve3d::isKindOf(entType);
}

bool AcGePolyline3d::isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol) const {
  return other.type() == AcGe::kPolyline3d &&
         ge_detail::samePoints(m_points, static_cast<const AcGePolyline3d&>(other).m_points, tol);
}

AcGeInterval AcGePolyline3d::paramInterval() const { return AcGeInterval(0.0, std::max(numFitPoints() - 1, 0)); }

AcGePoint3d AcGePolyline3d::pointAt(double param) const {
  return ge_detail::polylinePoint(m_points, param, AcGePoint3d::kOrigin);
}

AcGeVector3d AcGePolyline3d::derivAt(double param, int order) const {
  return ge_detail::polylineDeriv(m_points, param, order);
}

double AcGePolyline3d::nearestParam(const AcGePoint3d& pnt) const { return ge_detail::polylineNearest(m_points, pnt); }

double AcGePolyline3d::arcLength(double fromParam, double toParam) const {
  return ge_detail::polylineLength(m_points, fromParam, toParam);
}

void AcGePolyline3d::transformGeometry(const AcGeMatrix3d& xfm) {
  for (auto& point : m_points) point.transformBy(xfm);
}

void AcGePolyline3d::reverseGeometry() { m_points.reverse(); }
