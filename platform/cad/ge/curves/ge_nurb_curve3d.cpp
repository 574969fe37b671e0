#include "platform/cad/ge/curves/ge_nurb_curve.h"
#include "platform/cad/ge/curves/ge_nurb_curve_impl.h"

namespace {

using Coords = ge_detail::Coords<3>;

}  // namespace

AcGeNurbCurve3d::AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                                 bool isPeriodic) {
  set(degree, knots, controlPoints, AcGeDoubleArray(), isPeriodic);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                                 const AcGeDoubleArray& weights, bool isPeriodic) {
  set(degree, knots, controlPoints, weights, isPeriodic);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                                 const AcGeVector3d& endTangent, bool startTangentDefined, bool endTangentDefined,
                                 const AcGeTol& fitTolerance) {
  const bool useStart = startTangentDefined && !startTangent.isZeroLength();
  const bool useEnd = endTangentDefined && !endTangent.isZeroLength();
  fitThrough(fitPoints, useStart ? &startTangent : nullptr, useEnd ? &endTangent : nullptr);
  m_fitTolerance = fitTolerance.equalPoint();
}

AcGeNurbCurve3d::AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints, const AcGeTol& fitTolerance) {
  fitThrough(fitPoints, nullptr, nullptr);
  m_fitTolerance = fitTolerance.equalPoint();
}

AcGeNurbCurve3d& AcGeNurbCurve3d::set(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                                      const AcGeDoubleArray& weights, bool isPeriodic) {
  m_degree = degree;
  m_knots = knots;
  m_controlPoints = controlPoints;
  m_weights = weights;
  m_periodic = isPeriodic;
  m_fitPoints.setLogicalLength(0);
  m_hasFitTangents = false;
  return *this;
}

bool AcGeNurbCurve3d::isValid() const {
  return ge_detail::nurbsValid(m_degree, m_knots.getArray(), numControlPoints(), m_weights);
}

bool AcGeNurbCurve3d::isRational() const { return ge_detail::hasNonUnitWeight(m_weights); }

AcGeNurbCurve3d& AcGeNurbCurve3d::setKnotAt(int index, double val) {
  if (index >= 0 && index < m_knots.length()) m_knots[index] = val;
  return *this;
}

AcGeNurbCurve3d& AcGeNurbCurve3d::setControlPointAt(int index, const AcGePoint3d& point) {
  m_controlPoints.setAt(index, point);
  return *this;
}

double AcGeNurbCurve3d::weightAt(int index) const { return ge_detail::weightOrOne(m_weights, index); }

AcGeNurbCurve3d& AcGeNurbCurve3d::setWeightAt(int index, double weight) {
  if (index < 0 || index >= numControlPoints()) return *this;
  if (m_weights.isEmpty()) {
    m_weights.setLogicalLength(numControlPoints());
    for (double& w : m_weights) w = 1.0;
  }
  m_weights.setAt(index, weight);
  return *this;
}

void AcGeNurbCurve3d::getDefinitionData(int& degree, bool& rational, bool& periodic, AcGeKnotVector& knots,
                                        AcGePoint3dArray& controlPoints, AcGeDoubleArray& weights) const {
  degree = m_degree;
  rational = isRational();
  periodic = m_periodic;
  knots = m_knots;
  controlPoints = m_controlPoints;
  weights = m_weights;
}

bool AcGeNurbCurve3d::getFitPointAt(int index, AcGePoint3d& point) const {
  if (index < 0 || index >= numFitPoints()) return false;
  point = m_fitPoints[index];
  return true;
}

bool AcGeNurbCurve3d::getFitPoints(AcGePoint3dArray& fitPoints) const {
  if (m_fitPoints.isEmpty()) return false;
  fitPoints = m_fitPoints;
  return true;
}

bool AcGeNurbCurve3d::getFitTangents(AcGeVector3d& startTangent, AcGeVector3d& endTangent) const {
  if (!m_hasFitTangents) return false;
  startTangent = m_startTangent;
  endTangent = m_endTangent;
  return true;
}

AcGePoint3d AcGeNurbCurve3d::startPoint() const { return pointAt(paramInterval().lowerBound()); }

AcGePoint3d AcGeNurbCurve3d::endPoint() const { return pointAt(paramInterval().upperBound()); }

bool AcGeNurbCurve3d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kNurbCurve3d || entType == AcGe::kSplineEnt3d || AcGeCurve3d::isKindOf(entType);
}

bool AcGeNurbCurve3d::isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol) const {
  return other.type() == AcGe::kNurbCurve3d &&
         ge_detail::sameDefinition(*this, static_cast<const AcGeNurbCurve3d&>(other), tol);
}

AcGeInterval AcGeNurbCurve3d::paramInterval() const { return ge_detail::nurbsDomain(*this); }

AcGePoint3d AcGeNurbCurve3d::pointAt(double param) const {
  if (!ge_detail::nurbsEvaluable(m_degree, m_knots.getArray(), numControlPoints(), m_weights)) {
    return m_controlPoints.isEmpty() ? AcGePoint3d::kOrigin : m_controlPoints.first();
  }
  return ge_detail::nurbsPoint<3, AcGePoint3d>(m_degree, m_knots, m_controlPoints, m_weights, param);
}

AcGeVector3d AcGeNurbCurve3d::derivAt(double param, int order) const {
  if (!ge_detail::nurbsEvaluable(m_degree, m_knots.getArray(), numControlPoints(), m_weights)) return AcGeVector3d();
  if (order >= 2) return AcGeCurve3d::derivAt(param, order);
  return ge_detail::nurbsFirstDeriv<3, AcGeVector3d>(m_degree, m_knots, m_controlPoints, m_weights, param);
}

void AcGeNurbCurve3d::transformGeometry(const AcGeMatrix3d& xfm) {
  for (auto& p : m_controlPoints) p.transformBy(xfm);
  for (auto& p : m_fitPoints) p.transformBy(xfm);
  m_startTangent.transformBy(xfm);
  m_endTangent.transformBy(xfm);
}

void AcGeNurbCurve3d::reverseGeometry() {
  m_knots.reverse();
  m_controlPoints.reverse();
  m_weights.reverse();
  m_fitPoints.reverse();
  std::swap(m_startTangent, m_endTangent);
  m_startTangent = -m_startTangent;
  m_endTangent = -m_endTangent;
}

bool AcGeNurbCurve3d::periodOf(double& period) const {
  if (!m_periodic || !isValid()) return false;
  period = paramInterval().length();
  return true;
}

void AcGeNurbCurve3d::fitThrough(const AcGePoint3dArray& fitPoints, const AcGeVector3d* startTangent,
                                 const AcGeVector3d* endTangent) {
  m_fitPoints = fitPoints;
  m_hasFitTangents = startTangent != nullptr || endTangent != nullptr;
  m_startTangent = startTangent != nullptr ? *startTangent : AcGeVector3d();
  m_endTangent = endTangent != nullptr ? *endTangent : AcGeVector3d();
  Coords st{}, et{};
  if (startTangent != nullptr) {
    const AcGeVector3d u = startTangent->normal();
    st = {u.x, u.y, u.z};
  }
  if (endTangent != nullptr) {
    const AcGeVector3d u = endTangent->normal();
    et = {u.x, u.y, u.z};
  }
  int degree = 0;
  AcGeDoubleArray knots;
  std::vector<Coords> ctrl;
  if (!ge_detail::interpolate<3>(ge_detail::toCoords<3>(fitPoints), startTangent != nullptr ? &st : nullptr,
                                 endTangent != nullptr ? &et : nullptr, degree, knots, ctrl))
    return;
  m_degree = degree;
  m_knots = AcGeKnotVector(knots);
  m_controlPoints.setLogicalLength(0);
  for (const auto& c : ctrl) m_controlPoints.append(ge_detail::fromCoords<AcGePoint3d>(c));
  m_weights.setLogicalLength(0);
}
