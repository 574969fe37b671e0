#include "platform/cad/db/entities/db_ellipse.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "platform/cad/db/entities/db_entity_math.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/ge/ge_plane.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbEllipse, AcDbCurve, "ELLIPSE")

using namespace entity_math;

namespace {
// Ends within this of a full turn make a closed ellipse.
constexpr double kFullTurnTol = 1e-12;

// 8-point Gauss-Legendre nodes and weights on [-1, 1].
constexpr double kNodes[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267, 0.9602898564975363};
constexpr double kWeights[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745, 0.1012285362903763};
}  // namespace

AcDbEllipse::AcDbEllipse() = default;

AcDbEllipse::AcDbEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
                         double radiusRatio, double startAngle, double endAngle) {
  set(center, unitNormal, majorAxis, radiusRatio, startAngle, endAngle);
}

AcDbEllipse::~AcDbEllipse() = default;

Acad::ErrorStatus AcDbEllipse::set(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
                                   const AcGeVector3d& majorAxis, double radiusRatio, double startAngle,
                                   double endAngle) {
  if (unitNormal.isZeroLength() || majorAxis.isZeroLength() || !(radiusRatio > 0.0) || radiusRatio > 1.0 + 1e-12)
    return Acad::eInvalidInput;
  const AcGeVector3d n = unitNormal.normal();
  if (std::fabs(n.dotProduct(majorAxis.normal())) > 1e-9) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  center_ = center;
  normal_ = n;
  majorAxis_ = majorAxis;
  radiusRatio_ = std::min(radiusRatio, 1.0);
  startParam_ = paramAtAngle(startAngle);
  const double sweepAngle = sweepOf(startAngle, endAngle);
  endParam_ = sweepAngle >= kTwoPi ? startParam_ + kTwoPi : paramAtAngle(endAngle);
  if (endParam_ <= startParam_) endParam_ += kTwoPi;
  return Acad::eOk;
}

void AcDbEllipse::get(AcGePoint3d& center, AcGeVector3d& unitNormal, AcGeVector3d& majorAxis, double& radiusRatio,
                      double& startAngle, double& endAngle) const {
  center = center_;
  unitNormal = normal_;
  majorAxis = majorAxis_;
  radiusRatio = radiusRatio_;
  startAngle = this->startAngle();
  endAngle = this->endAngle();
}

AcGePoint3d AcDbEllipse::center() const { return center_; }

Acad::ErrorStatus AcDbEllipse::setCenter(const AcGePoint3d& center) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  center_ = center;
  return Acad::eOk;
}

AcGeVector3d AcDbEllipse::normal() const { return normal_; }
AcGeVector3d AcDbEllipse::majorAxis() const { return majorAxis_; }
AcGeVector3d AcDbEllipse::minorAxis() const { return normal_.crossProduct(majorAxis_) * radiusRatio_; }
double AcDbEllipse::radiusRatio() const { return radiusRatio_; }

Acad::ErrorStatus AcDbEllipse::setRadiusRatio(double ratio) {
  if (!(ratio > 0.0) || ratio > 1.0) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  radiusRatio_ = ratio;
  return Acad::eOk;
}

double AcDbEllipse::paramAtAngle(double angle) const {
  return normalizeAngle(std::atan2(std::sin(angle), radiusRatio_ * std::cos(angle)));
}

double AcDbEllipse::angleAtParam(double param) const {
  return normalizeAngle(std::atan2(radiusRatio_ * std::sin(param), std::cos(param)));
}

double AcDbEllipse::startAngle() const { return angleAtParam(startParam_); }
double AcDbEllipse::endAngle() const { return angleAtParam(endParam_); }

Acad::ErrorStatus AcDbEllipse::setStartAngle(double angle) { return setStartParam(paramAtAngle(angle)); }
Acad::ErrorStatus AcDbEllipse::setEndAngle(double angle) { return setEndParam(paramAtAngle(angle)); }

Acad::ErrorStatus AcDbEllipse::setStartParam(double param) {
  if (!std::isfinite(param)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  const double oldSweep = sweep();
  startParam_ = normalizeAngle(param);
  endParam_ = startParam_ + (oldSweep >= kTwoPi ? kTwoPi : sweepOf(startParam_, endParam_));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::setEndParam(double param) {
  if (!std::isfinite(param)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  endParam_ = startParam_ + sweepOf(startParam_, param);
  return Acad::eOk;
}

Adesk::Boolean AcDbEllipse::isNull() const { return majorAxis_.isZeroLength() || radiusRatio_ <= 0.0; }

double AcDbEllipse::sweep() const { return endParam_ - startParam_; }

Adesk::Boolean AcDbEllipse::isClosed() const { return sweep() >= kTwoPi - kFullTurnTol; }

bool AcDbEllipse::containsParam(double param) const {
  return std::isfinite(param) && param >= startParam_ - kPointTol && param <= endParam_ + kPointTol;
}

AcGePoint3d AcDbEllipse::pointAt(double param) const {
  return center_ + majorAxis_ * std::cos(param) + minorAxis() * std::sin(param);
}

AcGeVector3d AcDbEllipse::derivAt(double param) const {
  return minorAxis() * std::cos(param) - majorAxis_ * std::sin(param);
}

double AcDbEllipse::lengthBetween(double from, double to) const {
  if (to < from) return -lengthBetween(to, from);
  // Gauss-Legendre over pieces of at most a 32nd of a turn.
  const int pieces = std::max(1, static_cast<int>(std::ceil((to - from) / (kPi / 16.0))));
  const double h = (to - from) / pieces;
  double sum = 0.0;
  for (int i = 0; i < pieces; ++i) {
    const double mid = from + h * (i + 0.5);
    for (int k = 0; k < 4; ++k)
      sum += kWeights[k] * (derivAt(mid + 0.5 * h * kNodes[k]).length() + derivAt(mid - 0.5 * h * kNodes[k]).length());
  }
  return sum * 0.5 * h;
}

Acad::ErrorStatus AcDbEllipse::getStartParam(double& param) const {
  param = startParam_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getEndParam(double& param) const {
  param = endParam_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getStartPoint(AcGePoint3d& point) const {
  point = pointAt(startParam_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getEndPoint(AcGePoint3d& point) const {
  point = pointAt(endParam_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getPointAtParam(double param, AcGePoint3d& point) const {
  if (!containsParam(param)) return Acad::eInvalidInput;
  point = pointAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  const double a = majorAxis_.length();
  const double b = a * radiusRatio_;
  if (a <= 0.0) return Acad::eDegenerateGeometry;
  const AcGeVector3d d = point - center_;
  const double x = d.dotProduct(majorAxis_ / a);
  const double y = d.dotProduct(minorAxis() / b);
  const double p = normalizeAngle(std::atan2(y / b, x / a));
  if (pointAt(p).distanceTo(point) > kPointTol * std::max(1.0, a)) return Acad::eInvalidInput;
  double offset = normalizeAngle(p - startParam_);
  if (offset > sweep() + kPointTol && kTwoPi - offset <= kPointTol) offset = 0.0;
  if (offset > sweep() + kPointTol) return Acad::eInvalidInput;
  param = startParam_ + std::min(offset, sweep());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getDistAtParam(double param, double& dist) const {
  if (!containsParam(param)) return Acad::eInvalidInput;
  dist = lengthBetween(startParam_, std::clamp(param, startParam_, endParam_));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getParamAtDist(double dist, double& param) const {
  const double total = lengthBetween(startParam_, endParam_);
  if (!std::isfinite(dist) || dist < -kPointTol || dist > total + kPointTol * std::max(1.0, total))
    return Acad::eInvalidInput;
  // Bisection on the arc length, which grows with the parameter.
  double low = startParam_;
  double high = endParam_;
  for (int i = 0; i < 60 && high - low > 1e-15; ++i) {
    const double mid = 0.5 * (low + high);
    (lengthBetween(startParam_, mid) < dist ? low : high) = mid;
  }
  param = 0.5 * (low + high);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es == Acad::eOk ? getDistAtParam(param, dist) : es;
}

Acad::ErrorStatus AcDbEllipse::getPointAtDist(double dist, AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtDist(dist, param);
  if (es == Acad::eOk) point = pointAt(param);
  return es;
}

Acad::ErrorStatus AcDbEllipse::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (!containsParam(param)) return Acad::eInvalidInput;
  firstDeriv = derivAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getSecondDeriv(double param, AcGeVector3d& secDeriv) const {
  if (!containsParam(param)) return Acad::eInvalidInput;
  secDeriv = (pointAt(param) - center_) * -1.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                                 Adesk::Boolean extend) const {
  const double from = extend ? 0.0 : startParam_;
  const double to = extend ? kTwoPi : endParam_;
  // Sample, then refine the best sample by Newton steps on the distance's derivative.
  const int samples = 256;
  double best = from;
  double bestDist = givenPoint.distanceTo(pointAt(from));
  for (int i = 1; i <= samples; ++i) {
    const double p = from + (to - from) * i / samples;
    const double d = givenPoint.distanceTo(pointAt(p));
    if (d < bestDist) {
      bestDist = d;
      best = p;
    }
  }
  for (int i = 0; i < 20; ++i) {
    const AcGeVector3d diff = pointAt(best) - givenPoint;
    const AcGeVector3d d1 = derivAt(best);
    const AcGeVector3d d2 = (pointAt(best) - center_) * -1.0;
    const double f = diff.dotProduct(d1);
    const double df = d1.dotProduct(d1) + diff.dotProduct(d2);
    if (df <= 0.0) break;
    const double next = std::clamp(best - f / df, from, to);
    if (std::fabs(next - best) < 1e-15) break;
    best = next;
  }
  pointOnCurve = pointAt(best);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getArea(double& area) const {
  const double a = majorAxis_.length();
  const double b = a * radiusRatio_;
  // The affine image of a circle's segment.
  area = isClosed() ? kPi * a * b : 0.5 * a * b * (sweep() - std::sin(sweep()));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane.set(center_, normal_);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  CircleFrame frame{center_, normal_, 1.0, 0.0};
  bool mirrored = false;
  Acad::ErrorStatus es = transformCircleFrame(xform, frame, mirrored);
  if (es != Acad::eOk) return es;
  center_ = frame.center;
  normal_ = frame.normal;
  majorAxis_ = xform * majorAxis_;
  if (mirrored) {
    // The image of parameter p is the new ellipse's -p.
    const double oldStart = startParam_;
    const double oldSweep = sweep();
    startParam_ = normalizeAngle(-(oldStart + oldSweep));
    endParam_ = startParam_ + oldSweep;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::getGeomExtents(AcDbExtents& extents) const {
  extents = AcDbExtents();
  extents.addPoint(pointAt(startParam_));
  extents.addPoint(pointAt(endParam_));
  const AcGeVector3d minor = minorAxis();
  for (unsigned int k = 0; k < 3; ++k) {
    if (majorAxis_[k] == 0.0 && minor[k] == 0.0) continue;
    const double extreme = std::atan2(minor[k], majorAxis_[k]);
    for (double p : {extreme, extreme + kPi}) {
      const double offset = normalizeAngle(p - startParam_);
      if (offset <= sweep()) extents.addPoint(pointAt(startParam_ + offset));
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEllipse::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(center_);
  filer->writeVector3d(normal_);
  filer->writeVector3d(majorAxis_);
  filer->writeDouble(radiusRatio_);
  filer->writeDouble(startParam_);
  filer->writeDouble(endParam_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEllipse::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readPoint3d(&center_);
  filer->readVector3d(&normal_);
  filer->readVector3d(&majorAxis_);
  filer->readDouble(&radiusRatio_);
  filer->readDouble(&startParam_);
  filer->readDouble(&endParam_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEllipse::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, "AcDbEllipse");
  filer->writePoint3d(AcDb::kDxfXCoord, center_);
  filer->writeVector3d(static_cast<AcDb::DxfCode>(11), majorAxis_);
  filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  filer->writeDouble(AcDb::kDxfReal, radiusRatio_);
  filer->writeDouble(static_cast<AcDb::DxfCode>(41), startParam_);
  filer->writeDouble(static_cast<AcDb::DxfCode>(42), endParam_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEllipse::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbEllipse"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  double start = 0.0;
  double end = kTwoPi;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    bool more = true;
    switch (rb.restype) {
      case AcDb::kDxfXCoord:
        center_.set(p[0], p[1], p[2]);
        break;
      case 11:
        majorAxis_.set(p[0], p[1], p[2]);
        break;
      case AcDb::kDxfNormalX:
        normal_ = unitNormal(AcGeVector3d(p[0], p[1], p[2]));
        break;
      case AcDb::kDxfReal:
        radiusRatio_ = rb.resval.rreal;
        break;
      case 41:
        start = rb.resval.rreal;
        break;
      case 42:
        end = rb.resval.rreal;
        break;
      default:
        filer->pushBackItem();
        more = false;
        break;
    }
    if (!more) break;
  }
  if (majorAxis_.isZeroLength() || !(radiusRatio_ > 0.0) || radiusRatio_ > 1.0 + 1e-9)
    return filer->setError(Acad::eInvalidInput, "ELLIPSE with a zero axis or a ratio outside (0, 1]");
  radiusRatio_ = std::min(radiusRatio_, 1.0);
  startParam_ = start;
  endParam_ = end > start ? end : end + kTwoPi;
  return Acad::eOk;
}
