#include "platform/cad/ge/curves/ge_curve2d.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/ge/curves/ge_curve_impl.h"
#include "platform/cad/ge/curves/ge_curve_numeric.h"
#include "platform/cad/ge/curves/ge_line.h"

bool AcGeEntity2d::isOn(const AcGePoint2d& pnt, const AcGeTol& tol) const { return pointIsOn(pnt, tol); }

AcGeEntity2d& AcGeEntity2d::transformBy(const AcGeMatrix2d& xfm) {
  transformGeometry(xfm);
  return *this;
}

AcGeEntity2d& AcGeEntity2d::translateBy(const AcGeVector2d& translateVec) {
  return transformBy(AcGeMatrix2d::translation(translateVec));
}

AcGeEntity2d& AcGeEntity2d::rotateBy(double angle, const AcGePoint2d& wrtPoint) {
  return transformBy(AcGeMatrix2d::rotation(angle, wrtPoint));
}

AcGeEntity2d& AcGeEntity2d::mirror(const AcGeLine2d& line) { return transformBy(AcGeMatrix2d::mirroring(line)); }

AcGeEntity2d& AcGeEntity2d::scaleBy(double scaleFactor, const AcGePoint2d& wrtPoint) {
  return transformBy(AcGeMatrix2d::scaling(scaleFactor, wrtPoint));
}

bool AcGeCurve2d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kCurve2d || AcGeEntity2d::isKindOf(entType);
}

void AcGeCurve2d::getInterval(AcGeInterval& intrvl) const { intrvl = paramInterval(); }

void AcGeCurve2d::getInterval(AcGeInterval& intrvl, AcGePoint2d& start, AcGePoint2d& end) const {
  intrvl = paramInterval();
  hasStartPoint(start);
  hasEndPoint(end);
}

bool AcGeCurve2d::hasStartPoint(AcGePoint2d& startPnt) const { return ge_detail::boundStartPoint(*this, startPnt); }

bool AcGeCurve2d::hasEndPoint(AcGePoint2d& endPnt) const { return ge_detail::boundEndPoint(*this, endPnt); }

AcGePoint2d AcGeCurve2d::evalPoint(double param) const { return pointAt(param); }

AcGePoint2d AcGeCurve2d::evalPoint(double param, int numDeriv, AcGeVector2dArray& derivArray) const {
  ge_detail::derivsUpTo(numDeriv, derivArray, [this, param](int order) { return derivAt(param, order); });
  return pointAt(param);
}

double AcGeCurve2d::paramOf(const AcGePoint2d& pnt, const AcGeTol&) const { return nearestParam(pnt); }

AcGePoint2d AcGeCurve2d::closestPointTo(const AcGePoint2d& pnt, const AcGeTol&) const {
  return pointAt(nearestParam(pnt));
}

double AcGeCurve2d::distanceTo(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  return pnt.distanceTo(closestPointTo(pnt, tol));
}

bool AcGeCurve2d::isOn(const AcGePoint2d& pnt, double& param, const AcGeTol& tol) const {
  return ge_detail::pointIsOnCurve(*this, pnt, param, tol);
}

double AcGeCurve2d::length() const { return ge_detail::wholeLength(*this); }

double AcGeCurve2d::length(double fromParam, double toParam, double) const {
  if (fromParam > toParam) std::swap(fromParam, toParam);
  return arcLength(fromParam, toParam);
}

double AcGeCurve2d::paramAtLength(double datumParam, double len, bool posParamDir, double) const {
  return ge_detail::paramAtLength(paramInterval(), datumParam, len, posParamDir,
                                  [this](double a, double b) { return arcLength(std::min(a, b), std::max(a, b)); });
}

bool AcGeCurve2d::isClosed(const AcGeTol& tol) const {
  AcGePoint2d start, end;
  return hasStartPoint(start) && hasEndPoint(end) && start.isEqualTo(end, tol);
}

bool AcGeCurve2d::isPeriodic(double& period) const { return periodOf(period); }

AcGeCurve2d& AcGeCurve2d::reverseParam() {
  reverseGeometry();
  return *this;
}

void AcGeCurve2d::getSamplePoints(int numSample, AcGePoint2dArray& pointArray) const {
  ge_detail::samplePoints(*this, numSample, pointArray);
}

AcGeVector2d AcGeCurve2d::derivAt(double param, int order) const {
  const AcGeInterval range = paramInterval();
  return ge_detail::numericDeriv<AcGeVector2d>(range, param, order, [this](double t) { return pointAt(t).asVector(); });
}

double AcGeCurve2d::nearestParam(const AcGePoint2d& pnt) const {
  return ge_detail::nearestParam(paramInterval(), [this, &pnt](double t) { return pointAt(t).distanceTo(pnt); });
}

double AcGeCurve2d::arcLength(double fromParam, double toParam) const {
  return ge_detail::integrate(fromParam, toParam, [this](double t) { return derivAt(t, 1).length(); });
}

bool AcGeCurve2d::periodOf(double&) const { return false; }

bool AcGeCurve2d::pointIsOn(const AcGePoint2d& pnt, const AcGeTol& tol) const {
  return distanceTo(pnt, tol) <= tol.equalPoint();
}
