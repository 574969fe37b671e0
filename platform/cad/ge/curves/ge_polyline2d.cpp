#include <algorithm>

#include "platform/cad/ge/curves/ge_polyline.h"
#include "platform/cad/ge/curves/ge_polyline_impl.h"

AcGePolyline2d::AcGePolyline2d(const AcGePoint2dArray& points) : m_points(points) {}

AcGePolyline2d& AcGePolyline2d::setFitPointAt(int index, const AcGePoint2d& point) {
  m_points.setAt(index, point);
  return *this;
}

bool AcGePolyline2d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kPolyline2d || entType == AcGe::kSplineEnt2d || AcGeCurve2d::isKindOf(entType);
}

bool AcGePolyline2d::isEqualTo(const AcGeEntity2d& other, const AcGeTol& tol) const {
  return other.type() == AcGe::kPolyline2d &&
         ge_detail::samePoints(m_points, static_cast<const AcGePolyline2d&>(other).m_points, tol);
}

AcGeInterval AcGePolyline2d::paramInterval() const { return AcGeInterval(0.0, std::max(numFitPoints() - 1, 0)); }

AcGePoint2d AcGePolyline2d::pointAt(double param) const {
  return ge_detail::polylinePoint(m_points, param, AcGePoint2d::kOrigin);
}

AcGeVector2d AcGePolyline2d::derivAt(double param, int order) const {
  return ge_detail::polylineDeriv(m_points, param, order);
}

double AcGePolyline2d::nearestParam(const AcGePoint2d& pnt) const { return ge_detail::polylineNearest(m_points, pnt); }

double AcGePolyline2d::arcLength(double fromParam, double toParam) const {
  return ge_detail::polylineLength(m_points, fromParam, toParam);
}

void AcGePolyline2d::transformGeometry(const AcGeMatrix2d& xfm) {
  for (auto& point : m_points) point.transformBy(xfm);
}

void AcGePolyline2d::reverseGeometry() { m_points.reverse(); }
