#include <algorithm>
#include <cmath>

#include "platform/cad/ge/ge_polyline.h"

AcGePolyline3d::AcGePolyline3d(const AcGePoint3dArray& points) : m_points(points) {}

AcGePolyline3d& AcGePolyline3d::setFitPointAt(int index, const AcGePoint3d& point)
{
    m_points.setAt(index, point);
    return *this;
}

bool AcGePolyline3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kPolyline3d || entType == AcGe::kSplineEnt3d || AcGeCurve3d::isKindOf(entType);
}

bool AcGePolyline3d::isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol) const
{
    if (other.type() != AcGe::kPolyline3d)
        return false;
    const auto& poly = static_cast<const AcGePolyline3d&>(other);
    if (poly.numFitPoints() != numFitPoints())
        return false;
    for (int i = 0; i < numFitPoints(); ++i)
        if (!m_points[i].isEqualTo(poly.m_points[i], tol))
            return false;
    return true;
}

AcGeInterval AcGePolyline3d::paramInterval() const
{
    return AcGeInterval(0.0, std::max(numFitPoints() - 1, 0));
}

AcGePoint3d AcGePolyline3d::pointAt(double param) const
{
    const int n = numFitPoints();
    if (n == 0)
        return AcGePoint3d::kOrigin;
    if (n == 1)
        return m_points[0];
    const double t = std::clamp(param, 0.0, static_cast<double>(n - 1));
    const int i = std::min(static_cast<int>(std::floor(t)), n - 2);
    return m_points[i] + (m_points[i + 1] - m_points[i]) * (t - i);
}

AcGeVector3d AcGePolyline3d::derivAt(double param, int order) const
{
    const int n = numFitPoints();
    if (n < 2 || order > 1)
        return AcGeVector3d();
    const int i = std::clamp(static_cast<int>(std::floor(param)), 0, n - 2);
    return m_points[i + 1] - m_points[i];
}

double AcGePolyline3d::nearestParam(const AcGePoint3d& pnt) const
{
    double best = 0.0;
    double bestDist = -1.0;
    for (int i = 0; i + 1 < numFitPoints(); ++i) {
        const AcGeVector3d seg = m_points[i + 1] - m_points[i];
        const double len2 = seg.lengthSqrd();
        const double t = len2 > 0.0 ? std::clamp((pnt - m_points[i]).dotProduct(seg) / len2, 0.0, 1.0) : 0.0;
        const double dist = (m_points[i] + seg * t).distanceTo(pnt);
        if (bestDist < 0.0 || dist < bestDist) {
            bestDist = dist;
            best = i + t;
        }
    }
    return best;
}

double AcGePolyline3d::arcLength(double fromParam, double toParam) const
{
    double total = 0.0;
    for (int i = 0; i + 1 < numFitPoints(); ++i) {
        const double a = std::max(fromParam, static_cast<double>(i));
        const double b = std::min(toParam, static_cast<double>(i + 1));
        if (b > a)
            total += (b - a) * m_points[i].distanceTo(m_points[i + 1]);
    }
    return total;
}

void AcGePolyline3d::transformGeometry(const AcGeMatrix3d& xfm)
{
    for (auto& point : m_points)
        point.transformBy(xfm);
}

void AcGePolyline3d::reverseGeometry()
{
    m_points.reverse();
}
