#include <cmath>

#include "platform/cad/ge/ge_nurb_curve.h"
#include "platform/cad/ge/ge_nurbs_eval.h"

namespace {

using Coords = ge_detail::Coords<2>;

std::vector<Coords> toCoords(const AcGePoint2dArray& points)
{
    std::vector<Coords> out;
    for (const auto& p : points)
        out.push_back({p.x, p.y});
    return out;
}

} // namespace

AcGeNurbCurve2d::AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                 bool isPeriodic)
{
    set(degree, knots, controlPoints, AcGeDoubleArray(), isPeriodic);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                 const AcGeDoubleArray& weights, bool isPeriodic)
{
    set(degree, knots, controlPoints, weights, isPeriodic);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(const AcGePoint2dArray& fitPoints, const AcGeTol&)
{
    int degree = 0;
    AcGeDoubleArray knots;
    std::vector<Coords> ctrl;
    if (!ge_detail::interpolate<2>(toCoords(fitPoints), nullptr, nullptr, degree, knots, ctrl))
        return;
    m_degree = degree;
    m_knots = AcGeKnotVector(knots);
    for (const auto& c : ctrl)
        m_controlPoints.append(AcGePoint2d(c[0], c[1]));
    m_fitPoints = fitPoints;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::set(int degree, const AcGeKnotVector& knots,
                                      const AcGePoint2dArray& controlPoints, const AcGeDoubleArray& weights,
                                      bool isPeriodic)
{
    m_degree = degree;
    m_knots = knots;
    m_controlPoints = controlPoints;
    m_weights = weights;
    m_periodic = isPeriodic;
    m_fitPoints.setLogicalLength(0);
    return *this;
}

bool AcGeNurbCurve2d::isValid() const
{
    return ge_detail::nurbsValid(m_degree, m_knots.getArray(), numControlPoints(), m_weights);
}

bool AcGeNurbCurve2d::isRational() const
{
    for (double w : m_weights)
        if (w != 1.0)
            return true;
    return false;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::setControlPointAt(int index, const AcGePoint2d& point)
{
    m_controlPoints.setAt(index, point);
    return *this;
}

double AcGeNurbCurve2d::weightAt(int index) const
{
    if (m_weights.isEmpty())
        return 1.0;
    return m_weights[index];
}

bool AcGeNurbCurve2d::getFitPointAt(int index, AcGePoint2d& point) const
{
    if (index < 0 || index >= numFitPoints())
        return false;
    point = m_fitPoints[index];
    return true;
}

bool AcGeNurbCurve2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kNurbCurve2d || entType == AcGe::kSplineEnt2d || AcGeCurve2d::isKindOf(entType);
}

bool AcGeNurbCurve2d::isEqualTo(const AcGeEntity2d& other, const AcGeTol& tol) const
{
    if (other.type() != AcGe::kNurbCurve2d)
        return false;
    const auto& curve = static_cast<const AcGeNurbCurve2d&>(other);
    if (curve.m_degree != m_degree || curve.numControlPoints() != numControlPoints() ||
        curve.numKnots() != numKnots())
        return false;
    for (int i = 0; i < numControlPoints(); ++i)
        if (!m_controlPoints[i].isEqualTo(curve.m_controlPoints[i], tol) ||
            std::fabs(weightAt(i) - curve.weightAt(i)) > tol.equalVector())
            return false;
    for (int i = 0; i < numKnots(); ++i)
        if (std::fabs(m_knots[i] - curve.m_knots[i]) > tol.equalVector())
            return false;
    return true;
}

AcGeInterval AcGeNurbCurve2d::paramInterval() const
{
    if (!isValid())
        return AcGeInterval(0.0, 0.0);
    return AcGeInterval(m_knots[m_degree], m_knots[numControlPoints()]);
}

AcGePoint2d AcGeNurbCurve2d::pointAt(double param) const
{
    if (!isValid())
        return m_controlPoints.isEmpty() ? AcGePoint2d::kOrigin : m_controlPoints.first();
    const Coords c = ge_detail::deBoor<2>(m_degree, m_knots.getArray(), toCoords(m_controlPoints), m_weights, param);
    return {c[0], c[1]};
}

AcGeVector2d AcGeNurbCurve2d::derivAt(double param, int order) const
{
    if (!isValid())
        return AcGeVector2d();
    if (order >= 2)
        return AcGeCurve2d::derivAt(param, order);
    const Coords c = ge_detail::firstDeriv<2>(m_degree, m_knots.getArray(), toCoords(m_controlPoints), m_weights, param);
    return {c[0], c[1]};
}

void AcGeNurbCurve2d::transformGeometry(const AcGeMatrix2d& xfm)
{
    for (auto& p : m_controlPoints)
        p.transformBy(xfm);
    for (auto& p : m_fitPoints)
        p.transformBy(xfm);
}

void AcGeNurbCurve2d::reverseGeometry()
{
    m_knots.reverse();
    m_controlPoints.reverse();
    m_weights.reverse();
    m_fitPoints.reverse();
}

bool AcGeNurbCurve2d::periodOf(double& period) const
{
    if (!m_periodic || !isValid())
        return false;
    period = paramInterval().length();
    return true;
}
