#include "platform/cad/db/entities/db_spline.h"

#include "platform/cad/curve/nurb_split.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/cad/db/entities/db_entity_math.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/ge/ge_interval.h"
#include "platform/cad/ge/ge_plane.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbSpline, AcDbCurve, "SPLINE")

using namespace entity_math;

namespace {
constexpr int kClosedFlag = 1;
constexpr int kPeriodicFlag = 2;
constexpr int kRationalFlag = 4;
constexpr int kPlanarFlag = 8;
constexpr int kLinearFlag = 16;
constexpr int kAreaSamples = 512;

bool consistent(int degree, int numControlPoints, int numKnots, int numWeights) {
  return degree >= 1 && numControlPoints > degree && numKnots == numControlPoints + degree + 1 &&
         (numWeights == 0 || numWeights == numControlPoints);
}

bool nonDecreasing(const AcGeDoubleArray& knots) {
  for (int i = 1; i < knots.length(); ++i)
    if (!(knots[i] >= knots[i - 1])) return false;
  return true;
}
}  // namespace

AcDbSpline::AcDbSpline() = default;

AcDbSpline::AcDbSpline(const AcGePoint3dArray& fitPoints, int order, double fitTolerance)
    : fitPoints_(fitPoints), fitTolerance_(fitTolerance), fitDegree_(std::max(order - 1, 1)) {
  fitCurve();
}

AcDbSpline::AcDbSpline(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                       const AcGeVector3d& endTangent, int order, double fitTolerance)
    : fitPoints_(fitPoints),
      startTangent_(startTangent),
      endTangent_(endTangent),
      fitTolerance_(fitTolerance),
      fitDegree_(std::max(order - 1, 1)) {
  fitCurve();
}

AcDbSpline::AcDbSpline(int degree, Adesk::Boolean rational, Adesk::Boolean closed, Adesk::Boolean periodic,
                       const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots,
                       const AcGeDoubleArray& weights, double controlPtTol, double knotTol) {
  setNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights, controlPtTol, knotTol);
}

AcDbSpline::~AcDbSpline() = default;

void AcDbSpline::fitCurve() {
  if (fitPoints_.length() < 2) {
    curve_ = AcGeNurbCurve3d();
    return;
  }
  AcGeTol tol;
  tol.setEqualPoint(fitTolerance_ > 0.0 ? fitTolerance_ : AcGeContext::gTol.equalPoint());
  curve_ = AcGeNurbCurve3d(fitPoints_, startTangent_, endTangent_, !startTangent_.isZeroLength(),
                           !endTangent_.isZeroLength(), tol);
  periodic_ = false;
  closedFlag_ = fitPoints_.first().isEqualTo(fitPoints_.last());
}

Adesk::Boolean AcDbSpline::isNull() const { return !curve_.isValid(); }
Adesk::Boolean AcDbSpline::isRational() const { return curve_.isRational(); }
int AcDbSpline::degree() const { return curve_.degree(); }
int AcDbSpline::numControlPoints() const { return curve_.numControlPoints(); }

Acad::ErrorStatus AcDbSpline::getControlPointAt(int index, AcGePoint3d& point) const {
  if (index < 0 || index >= curve_.numControlPoints()) return Acad::eInvalidIndex;
  point = curve_.controlPointAt(index);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setControlPointAt(int index, const AcGePoint3d& point) {
  if (index < 0 || index >= curve_.numControlPoints()) return Acad::eInvalidIndex;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  curve_.setControlPointAt(index, point);
  fitPoints_.removeAll();
  return Acad::eOk;
}

double AcDbSpline::weightAt(int index) const { return curve_.weightAt(index); }

Acad::ErrorStatus AcDbSpline::setWeightAt(int index, double weight) {
  if (index < 0 || index >= curve_.numControlPoints()) return Acad::eInvalidIndex;
  if (!(weight > 0.0)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  curve_.setWeightAt(index, weight);
  fitPoints_.removeAll();
  return Acad::eOk;
}

int AcDbSpline::numFitPoints() const { return fitPoints_.length(); }

Acad::ErrorStatus AcDbSpline::getFitPointAt(int index, AcGePoint3d& point) const {
  if (index < 0 || index >= fitPoints_.length()) return Acad::eInvalidIndex;
  point = fitPoints_[index];
  return Acad::eOk;
}

Adesk::Boolean AcDbSpline::hasFitData() const { return !fitPoints_.isEmpty(); }

Acad::ErrorStatus AcDbSpline::getFitData(AcGePoint3dArray& fitPoints, int& degree, double& fitTolerance,
                                         Adesk::Boolean& tangentsExist, AcGeVector3d& startTangent,
                                         AcGeVector3d& endTangent) const {
  if (fitPoints_.isEmpty()) return Acad::eNotApplicable;
  fitPoints = fitPoints_;
  degree = fitDegree_;
  fitTolerance = fitTolerance_;
  tangentsExist = !startTangent_.isZeroLength() || !endTangent_.isZeroLength();
  startTangent = startTangent_;
  endTangent = endTangent_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setFitData(const AcGePoint3dArray& fitPoints, int degree, double fitTolerance,
                                         const AcGeVector3d& startTangent, const AcGeVector3d& endTangent) {
  if (fitPoints.length() < 2 || degree < 1) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  fitPoints_ = fitPoints;
  fitDegree_ = degree;
  fitTolerance_ = fitTolerance;
  startTangent_ = startTangent;
  endTangent_ = endTangent;
  fitCurve();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::purgeFitData() {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  fitPoints_.removeAll();
  startTangent_ = endTangent_ = AcGeVector3d();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getNurbsData(int& degree, Adesk::Boolean& rational, Adesk::Boolean& closed,
                                           Adesk::Boolean& periodic, AcGePoint3dArray& controlPoints,
                                           AcGeDoubleArray& knots, AcGeDoubleArray& weights, double& controlPtTol,
                                           double& knotTol) const {
  bool rationalFlag = false;
  bool periodicFlag = false;
  AcGeKnotVector knotVector;
  curve_.getDefinitionData(degree, rationalFlag, periodicFlag, knotVector, controlPoints, weights);
  knots = knotVector.getArray();
  rational = rationalFlag;
  periodic = periodic_;
  closed = isClosed();
  controlPtTol = controlPtTol_;
  knotTol = knotTol_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setNurbsData(int degree, Adesk::Boolean rational, Adesk::Boolean closed,
                                           Adesk::Boolean periodic, const AcGePoint3dArray& controlPoints,
                                           const AcGeDoubleArray& knots, const AcGeDoubleArray& weights,
                                           double controlPtTol, double knotTol) {
  const AcGeDoubleArray noWeights;
  const AcGeDoubleArray& used = rational ? weights : noWeights;
  if (!consistent(degree, controlPoints.length(), knots.length(), used.length()) || !nonDecreasing(knots))
    return Acad::eInvalidInput;
  for (double w : used)
    if (!(w > 0.0)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  curve_.set(degree, AcGeKnotVector(knots, knotTol > 0.0 ? knotTol : 1e-9), controlPoints, used, periodic);
  periodic_ = periodic;
  closedFlag_ = closed;
  controlPtTol_ = controlPtTol;
  knotTol_ = knotTol;
  fitPoints_.removeAll();
  startTangent_ = endTangent_ = AcGeVector3d();
  return Acad::eOk;
}

Adesk::Boolean AcDbSpline::isClosed() const {
  if (isNull()) return false;
  return periodic_ || closedFlag_ || curve_.startPoint().isEqualTo(curve_.endPoint());
}

bool AcDbSpline::containsParam(double param) const {
  if (isNull() || !std::isfinite(param)) return false;
  AcGeInterval range;
  curve_.getInterval(range);
  return param >= range.lowerBound() - kPointTol && param <= range.upperBound() + kPointTol;
}

Acad::ErrorStatus AcDbSpline::getStartParam(double& param) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  AcGeInterval range;
  curve_.getInterval(range);
  param = range.lowerBound();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getEndParam(double& param) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  AcGeInterval range;
  curve_.getInterval(range);
  param = range.upperBound();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getStartPoint(AcGePoint3d& point) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  point = curve_.startPoint();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getEndPoint(AcGePoint3d& point) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  point = curve_.endPoint();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getPointAtParam(double param, AcGePoint3d& point) const {
  if (!containsParam(param)) return Acad::eInvalidInput;
  point = curve_.evalPoint(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  const double p = curve_.paramOf(point);
  if (curve_.evalPoint(p).distanceTo(point) > 1e-8 * std::max(1.0, point.asVector().length()))
    return Acad::eInvalidInput;
  param = p;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getDistAtParam(double param, double& dist) const {
  double start = 0.0;
  if (!containsParam(param) || getStartParam(start) != Acad::eOk) return Acad::eInvalidInput;
  dist = param <= start ? 0.0 : curve::nurbLength(curve_, start, param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getParamAtDist(double dist, double& param) const {
  double start = 0.0;
  double end = 0.0;
  if (getStartParam(start) != Acad::eOk || getEndParam(end) != Acad::eOk) return Acad::eDegenerateGeometry;
  const double total = curve::nurbLength(curve_, start, end);
  if (!std::isfinite(dist) || dist < -kPointTol || dist > total + kPointTol * std::max(1.0, total))
    return Acad::eInvalidInput;
  param = std::clamp(curve::nurbParamAtLength(curve_, start, std::clamp(dist, 0.0, total)), start, end);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es == Acad::eOk ? getDistAtParam(param, dist) : es;
}

Acad::ErrorStatus AcDbSpline::getPointAtDist(double dist, AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtDist(dist, param);
  if (es == Acad::eOk) point = curve_.evalPoint(param);
  return es;
}

Acad::ErrorStatus AcDbSpline::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (!containsParam(param)) return Acad::eInvalidInput;
  AcGeVector3dArray derivs;
  curve_.evalPoint(param, 1, derivs);
  firstDeriv = derivs[0];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getSecondDeriv(double param, AcGeVector3d& secDeriv) const {
  if (!containsParam(param)) return Acad::eInvalidInput;
  AcGeVector3dArray derivs;
  curve_.evalPoint(param, 2, derivs);
  secDeriv = derivs[1];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                                Adesk::Boolean /*extend*/) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  pointOnCurve = curve_.closestPointTo(givenPoint);
  return Acad::eOk;
}

AcGeVector3d AcDbSpline::planeNormal() const {
  const int n = curve_.numControlPoints();
  if (n < 3) return AcGeVector3d();
  // The widest triangle with the first point gives the plane; a polygon's signed
  // area (Newell) may vanish for a zigzag.
  const AcGePoint3d origin = curve_.controlPointAt(0);
  AcGeVector3d best;
  for (int i = 1; i < n; ++i)
    for (int j = i + 1; j < n; ++j) {
      const AcGeVector3d cross = (curve_.controlPointAt(i) - origin).crossProduct(curve_.controlPointAt(j) - origin);
      if (cross.lengthSqrd() > best.lengthSqrd()) best = cross;
    }
  double size = 0.0;
  for (int i = 0; i < n; ++i) size = std::max(size, curve_.controlPointAt(i).distanceTo(origin));
  if (best.length() <= 1e-12 * std::max(1.0, size * size)) return AcGeVector3d();
  const AcGeVector3d normal = best.normal();
  for (int i = 0; i < n; ++i)
    if (std::fabs((curve_.controlPointAt(i) - origin).dotProduct(normal)) > 1e-9 * std::max(1.0, size))
      return AcGeVector3d();
  return normal;
}

Adesk::Boolean AcDbSpline::isPlanar() const { return !isNull(); }

Acad::ErrorStatus AcDbSpline::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  if (isNull()) return Acad::eDegenerateGeometry;
  const AcGeVector3d normal = planeNormal();
  if (normal.isZeroLength()) {
    // Collinear control points make a line; scattered ones no plane.
    const AcGeVector3d chord = curve_.endPoint() - curve_.startPoint();
    planarity = AcDb::kNonPlanar;
    if (curve_.numControlPoints() > 0) {
      bool linear = true;
      const AcGePoint3d origin = curve_.controlPointAt(0);
      const AcGeVector3d dir = chord.isZeroLength() ? AcGeVector3d::kXAxis : chord.normal();
      for (int i = 0; i < curve_.numControlPoints(); ++i)
        if ((curve_.controlPointAt(i) - origin).crossProduct(dir).length() > 1e-9) linear = false;
      if (linear) {
        planarity = AcDb::kLinear;
        plane.set(origin, dir.perpVector());
      }
    }
    return Acad::eOk;
  }
  plane.set(curve_.controlPointAt(0), normal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getArea(double& area) const {
  area = 0.0;
  if (isNull()) return Acad::eDegenerateGeometry;
  const AcGeVector3d normal = planeNormal();
  if (normal.isZeroLength()) return Acad::eOk;
  AcGePoint3dArray samples;
  curve_.getSamplePoints(kAreaSamples + 1, samples);
  AcGeVector3d sum;
  for (int i = 0; i < samples.length(); ++i)
    sum += samples[i].asVector().crossProduct(samples[(i + 1) % samples.length()].asVector());
  area = 0.5 * std::fabs(sum.dotProduct(normal));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  if (xform.det() == 0.0) return Acad::eInvalidInput;
  curve_.transformBy(xform);
  for (AcGePoint3d& p : fitPoints_) p = xform * p;
  startTangent_ = xform * startTangent_;
  endTangent_ = xform * endTangent_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  if (isNull()) return Acad::eInvalidExtents;
  for (int i = 0; i < curve_.numControlPoints(); ++i) extents.addPoint(curve_.controlPointAt(i));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  int degree = 0;
  Adesk::Boolean rational = false;
  Adesk::Boolean closed = false;
  Adesk::Boolean periodic = false;
  AcGePoint3dArray controlPoints;
  AcGeDoubleArray knots;
  AcGeDoubleArray weights;
  double controlPtTol = 0.0;
  double knotTol = 0.0;
  getNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights, controlPtTol, knotTol);
  filer->writeInt32(degree);
  filer->writeBool(periodic_);
  filer->writeBool(closedFlag_);
  filer->writeDouble(controlPtTol_);
  filer->writeDouble(knotTol_);
  filer->writeUInt32(static_cast<Adesk::UInt32>(controlPoints.length()));
  for (const AcGePoint3d& p : controlPoints) filer->writePoint3d(p);
  filer->writeUInt32(static_cast<Adesk::UInt32>(knots.length()));
  for (double k : knots) filer->writeDouble(k);
  filer->writeUInt32(static_cast<Adesk::UInt32>(weights.length()));
  for (double w : weights) filer->writeDouble(w);
  filer->writeUInt32(static_cast<Adesk::UInt32>(fitPoints_.length()));
  for (const AcGePoint3d& p : fitPoints_) filer->writePoint3d(p);
  filer->writeVector3d(startTangent_);
  filer->writeVector3d(endTangent_);
  filer->writeDouble(fitTolerance_);
  filer->writeInt32(fitDegree_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSpline::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int32 degree = 0;
  Adesk::Int32 fitDegree = 3;
  Adesk::UInt32 count = 0;
  bool periodic = false;
  bool closed = false;
  double controlPtTol = 0.0;
  double knotTol = 0.0;
  AcGePoint3dArray controlPoints;
  AcGeDoubleArray knots;
  AcGeDoubleArray weights;
  AcGePoint3dArray fitPoints;
  filer->readInt32(&degree);
  filer->readBool(&periodic);
  filer->readBool(&closed);
  filer->readDouble(&controlPtTol);
  filer->readDouble(&knotTol);
  auto readPoints = [&](AcGePoint3dArray& points) {
    filer->readUInt32(&count);
    for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
      AcGePoint3d p;
      filer->readPoint3d(&p);
      points.append(p);
    }
  };
  auto readReals = [&](AcGeDoubleArray& values) {
    filer->readUInt32(&count);
    for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
      double v = 0.0;
      filer->readDouble(&v);
      values.append(v);
    }
  };
  readPoints(controlPoints);
  readReals(knots);
  readReals(weights);
  readPoints(fitPoints);
  filer->readVector3d(&startTangent_);
  filer->readVector3d(&endTangent_);
  filer->readDouble(&fitTolerance_);
  filer->readInt32(&fitDegree);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  if (controlPoints.isEmpty()) {
    curve_ = AcGeNurbCurve3d();
  } else {
    curve_.set(degree, AcGeKnotVector(knots, knotTol > 0.0 ? knotTol : 1e-9), controlPoints, weights, periodic);
  }
  periodic_ = periodic;
  closedFlag_ = closed;
  controlPtTol_ = controlPtTol;
  knotTol_ = knotTol;
  fitPoints_ = fitPoints;
  fitDegree_ = fitDegree;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  int degree = 0;
  Adesk::Boolean rational = false;
  Adesk::Boolean closed = false;
  Adesk::Boolean periodic = false;
  AcGePoint3dArray controlPoints;
  AcGeDoubleArray knots;
  AcGeDoubleArray weights;
  double controlPtTol = 0.0;
  double knotTol = 0.0;
  getNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights, controlPtTol, knotTol);
  const AcGeVector3d normal = planeNormal();
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  getPlane(plane, planarity);
  const int flags = (closed ? kClosedFlag : 0) | (periodic ? kPeriodicFlag : 0) | (rational ? kRationalFlag : 0) |
                    (!normal.isZeroLength() ? kPlanarFlag : 0) | (planarity == AcDb::kLinear ? kLinearFlag : 0);
  filer->writeItem(AcDb::kDxfSubclass, "AcDbSpline");
  if (!normal.isZeroLength()) filer->writeVector3d(AcDb::kDxfNormalX, normal);
  filer->writeInt16(AcDb::kDxfInt16, static_cast<Adesk::Int16>(flags));
  filer->writeInt16(static_cast<AcDb::DxfCode>(71), static_cast<Adesk::Int16>(degree));
  filer->writeInt16(static_cast<AcDb::DxfCode>(72), static_cast<Adesk::Int16>(knots.length()));
  filer->writeInt16(static_cast<AcDb::DxfCode>(73), static_cast<Adesk::Int16>(controlPoints.length()));
  filer->writeInt16(static_cast<AcDb::DxfCode>(74), static_cast<Adesk::Int16>(fitPoints_.length()));
  filer->writeDouble(static_cast<AcDb::DxfCode>(42), knotTol_ > 0.0 ? knotTol_ : 1e-10);
  filer->writeDouble(static_cast<AcDb::DxfCode>(43), controlPtTol_ > 0.0 ? controlPtTol_ : 1e-10);
  if (!fitPoints_.isEmpty()) {
    filer->writeDouble(static_cast<AcDb::DxfCode>(44), fitTolerance_ > 0.0 ? fitTolerance_ : 1e-10);
    if (!startTangent_.isZeroLength()) filer->writeVector3d(static_cast<AcDb::DxfCode>(12), startTangent_);
    if (!endTangent_.isZeroLength()) filer->writeVector3d(static_cast<AcDb::DxfCode>(13), endTangent_);
  }
  for (double k : knots) filer->writeDouble(AcDb::kDxfReal, k);
  if (rational)
    for (double w : weights) filer->writeDouble(static_cast<AcDb::DxfCode>(41), w);
  for (const AcGePoint3d& p : controlPoints) filer->writePoint3d(AcDb::kDxfXCoord, p);
  for (const AcGePoint3d& p : fitPoints_) filer->writePoint3d(static_cast<AcDb::DxfCode>(11), p);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSpline::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbSpline"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  int flags = 0;
  int degree = 3;
  double knotTol = 0.0;
  double controlPtTol = 0.0;
  double fitTol = 0.0;
  AcGeDoubleArray knots;
  AcGeDoubleArray weights;
  AcGePoint3dArray controlPoints;
  AcGePoint3dArray fitPoints;
  AcGeVector3d startTangent;
  AcGeVector3d endTangent;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    bool more = true;
    switch (rb.restype) {
      case AcDb::kDxfNormalX:
      case 72:
      case 73:
      case 74:
        break;
      case AcDb::kDxfInt16:
        flags = rb.resval.rint;
        break;
      case 71:
        degree = rb.resval.rint;
        break;
      case 42:
        knotTol = rb.resval.rreal;
        break;
      case 43:
        controlPtTol = rb.resval.rreal;
        break;
      case 44:
        fitTol = rb.resval.rreal;
        break;
      case 12:
        startTangent.set(p[0], p[1], p[2]);
        break;
      case 13:
        endTangent.set(p[0], p[1], p[2]);
        break;
      case AcDb::kDxfReal:
        knots.append(rb.resval.rreal);
        break;
      case 41:
        weights.append(rb.resval.rreal);
        break;
      case AcDb::kDxfXCoord:
        controlPoints.append(AcGePoint3d(p[0], p[1], p[2]));
        break;
      case 11:
        fitPoints.append(AcGePoint3d(p[0], p[1], p[2]));
        break;
      default:
        filer->pushBackItem();
        more = false;
        break;
    }
    if (!more) break;
  }
  if (!controlPoints.isEmpty()) {
    es = setNurbsData(degree, (flags & kRationalFlag) != 0 && !weights.isEmpty(), (flags & kClosedFlag) != 0,
                      (flags & kPeriodicFlag) != 0, controlPoints, knots, weights, controlPtTol, knotTol);
    if (es != Acad::eOk)
      return filer->setError(es, "SPLINE of degree %d with %d control points, %d knots and %d weights", degree,
                             controlPoints.length(), knots.length(), weights.length());
    // The fit data rides along when both are given.
    fitPoints_ = fitPoints;
  } else if (fitPoints.length() >= 2) {
    fitPoints_ = fitPoints;
    fitDegree_ = degree;
    fitTolerance_ = fitTol;
    startTangent_ = startTangent;
    endTangent_ = endTangent;
    fitCurve();
  } else {
    return filer->setError(Acad::eDegenerateGeometry, "SPLINE without control or fit points");
  }
  if (!fitPoints.isEmpty()) {
    fitTolerance_ = fitTol;
    startTangent_ = startTangent;
    endTangent_ = endTangent;
    fitDegree_ = degree;
  }
  return Acad::eOk;
}
