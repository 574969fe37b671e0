#include "platform/cad/ge/curves/ge_nurb_curve.h"
#include "platform/cad/ge/curves/ge_nurb_curve_impl.h"

AcGeNurbCurve2d::AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                 bool isPeriodic) {
  set(degree, knots, controlPoints, AcGeDoubleArray(), isPeriodic);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                 const AcGeDoubleArray& weights, bool isPeriodic) {
  set(degree, knots, controlPoints, weights, isPeriodic);
}

AcGeNurbCurve2d::AcGeNurbCurve2d(const AcGePoint2dArray& fitPoints, const AcGeTol&) {
  int degree = 0;
  AcGeDoubleArray knots;
  std::vector<ge_detail::Coords<2>> ctrl;
  if (!ge_detail::interpolate<2>(ge_detail::toCoords<2>(fitPoints), nullptr, nullptr, degree, knots, ctrl)) return;
  m_degree = degree;
  m_knots = AcGeKnotVector(knots);
  for (const auto& c : ctrl) m_controlPoints.append(ge_detail::fromCoords<AcGePoint2d>(c));
  m_fitPoints = fitPoints;
}

AcGeNurbCurve2d& AcGeNurbCurve2d::set(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                                      const AcGeDoubleArray& weights, bool isPeriodic) {
  m_degree = degree;
  m_knots = knots;
  m_controlPoints = controlPoints;
  m_weights = weights;
  m_periodic = isPeriodic;
  m_fitPoints.setLogicalLength(0);
  return *this;
}

bool AcGeNurbCurve2d::isValid() const {
  return ge_detail::nurbsValid(m_degree, m_knots.getArray(), numControlPoints(), m_weights);
}

bool AcGeNurbCurve2d::isRational() const { return ge_detail::hasNonUnitWeight(m_weights); }

AcGeNurbCurve2d& AcGeNurbCurve2d::setControlPointAt(int index, const AcGePoint2d& point) {
  m_controlPoints.setAt(index, point);
  return *this;
}

double AcGeNurbCurve2d::weightAt(int index) const { return ge_detail::weightOrOne(m_weights, index); }

bool AcGeNurbCurve2d::getFitPointAt(int index, AcGePoint2d& point) const {
  if (index < 0 || index >= numFitPoints()) return false;
  point = m_fitPoints[index];
  return true;
}

bool AcGeNurbCurve2d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kNurbCurve2d || entType == AcGe::kSplineEnt2d || AcGeCurve2d::isKindOf(entType);
}

bool AcGeNurbCurve2d::isEqualTo(const AcGeEntity2d& other, const AcGeTol& tol) const {
  return other.type() == AcGe::kNurbCurve2d &&
         ge_detail::sameDefinition(*this, static_cast<const AcGeNurbCurve2d&>(other), tol);
}

AcGeInterval AcGeNurbCurve2d::paramInterval() const { return ge_detail::nurbsDomain(*this); }

AcGePoint2d AcGeNurbCurve2d::pointAt(double param) const {
  if (!ge_detail::nurbsEvaluable(m_degree, m_knots.getArray(), numControlPoints(), m_weights)) {
    return m_controlPoints.isEmpty() ? AcGePoint2d::kOrigin : m_controlPoints.first();
  }
  return ge_detail::nurbsPoint<2, AcGePoint2d>(m_degree, m_knots, m_controlPoints, m_weights, param);
}

AcGeVector2d AcGeNurbCurve2d::derivAt(double param, int order) const {
  if (!ge_detail::nurbsEvaluable(m_degree, m_knots.getArray(), numControlPoints(), m_weights)) return AcGeVector2d();
  if (order >= 2) return AcGeCurve2d::derivAt(param, order);
  return ge_detail::nurbsFirstDeriv<2, AcGeVector2d>(m_degree, m_knots, m_controlPoints, m_weights, param);
}

void AcGeNurbCurve2d::transformGeometry(const AcGeMatrix2d& xfm) {
  for (auto& p : m_controlPoints) p.transformBy(xfm);
  for (auto& p : m_fitPoints) p.transformBy(xfm);
}

void AcGeNurbCurve2d::reverseGeometry() {
  m_knots.reverse();
  m_controlPoints.reverse();
  m_weights.reverse();
  m_fitPoints.reverse();
}

bool AcGeNurbCurve2d::periodOf(double& period) const {
  if (!m_periodic || !isValid()) return false;
  period = paramInterval().length();
  return true;
}
