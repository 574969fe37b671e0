#include "platform/cad/ge/curves/ge_curve3d.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/ge/curves/ge_curve_impl.h"
#include "platform/cad/ge/curves/ge_curve_numeric.h"
#include "platform/cad/ge/curves/ge_line.h"
#include "platform/cad/ge/ge_plane.h"

bool AcGeEntity3d::isOn(const AcGePoint3d& pnt, const AcGeTol& tol) const { return pointIsOn(pnt, tol); }

AcGeEntity3d& AcGeEntity3d::transformBy(const AcGeMatrix3d& xfm) {
  transformGeometry(xfm);
  return *this;
}

AcGeEntity3d& AcGeEntity3d::translateBy(const AcGeVector3d& translateVec) {
  return transformBy(AcGeMatrix3d::translation(translateVec));
}

AcGeEntity3d& AcGeEntity3d::rotateBy(double angle, const AcGeVector3d& vec, const AcGePoint3d& wrtPoint) {
  return transformBy(AcGeMatrix3d::rotation(angle, vec, wrtPoint));
}

AcGeEntity3d& AcGeEntity3d::mirror(const AcGePlane& plane) { return transformBy(AcGeMatrix3d::mirroring(plane)); }

AcGeEntity3d& AcGeEntity3d::scaleBy(double scaleFactor, const AcGePoint3d& wrtPoint) {
  return transformBy(AcGeMatrix3d::scaling(scaleFactor, wrtPoint));
}

bool AcGeCurve3d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kCurve3d || AcGeEntity3d::isKindOf(entType);
}

void AcGeCurve3d::getInterval(AcGeInterval& intrvl) const { intrvl = paramInterval(); }

void AcGeCurve3d::getInterval(AcGeInterval& intrvl, AcGePoint3d& start, AcGePoint3d& end) const {
  intrvl = paramInterval();
  hasStartPoint(start);
  hasEndPoint(end);
}

bool AcGeCurve3d::hasStartPoint(AcGePoint3d& startPnt) const { return ge_detail::boundStartPoint(*this, startPnt); }

bool AcGeCurve3d::hasEndPoint(AcGePoint3d& endPnt) const { return ge_detail::boundEndPoint(*this, endPnt); }

AcGePoint3d AcGeCurve3d::evalPoint(double param) const { return pointAt(param); }

AcGePoint3d AcGeCurve3d::evalPoint(double param, int numDeriv, AcGeVector3dArray& derivArray) const {
  ge_detail::derivsUpTo(numDeriv, derivArray, [this, param](int order) { return derivAt(param, order); });
  return pointAt(param);
}

double AcGeCurve3d::paramOf(const AcGePoint3d& pnt, const AcGeTol&) const { return nearestParam(pnt); }

AcGePoint3d AcGeCurve3d::closestPointTo(const AcGePoint3d& pnt, const AcGeTol&) const {
  return pointAt(nearestParam(pnt));
}

double AcGeCurve3d::distanceTo(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  return pnt.distanceTo(closestPointTo(pnt, tol));
}

bool AcGeCurve3d::isOn(const AcGePoint3d& pnt, double& param, const AcGeTol& tol) const {
  return ge_detail::pointIsOnCurve(*this, pnt, param, tol);
}

double AcGeCurve3d::length() const { return ge_detail::wholeLength(*this); }

double AcGeCurve3d::length(double fromParam, double toParam, double) const {
  if (fromParam > toParam) std::swap(fromParam, toParam);
  return arcLength(fromParam, toParam);
}

double AcGeCurve3d::paramAtLength(double datumParam, double len, bool posParamDir, double) const {
  return ge_detail::paramAtLength(paramInterval(), datumParam, len, posParamDir,
                                  [this](double a, double b) { return arcLength(std::min(a, b), std::max(a, b)); });
}

bool AcGeCurve3d::isClosed(const AcGeTol& tol) const {
  AcGePoint3d start, end;
  return hasStartPoint(start) && hasEndPoint(end) && start.isEqualTo(end, tol);
}

bool AcGeCurve3d::isPeriodic(double& period) const { return periodOf(period); }

AcGeCurve3d& AcGeCurve3d::reverseParam() {
  reverseGeometry();
  return *this;
}

void AcGeCurve3d::getSamplePoints(int numSample, AcGePoint3dArray& pointArray) const {
  ge_detail::samplePoints(*this, numSample, pointArray);
}

AcGeVector3d AcGeCurve3d::derivAt(double param, int order) const {
  const AcGeInterval range = paramInterval();
  return ge_detail::numericDeriv<AcGeVector3d>(range, param, order, [this](double t) { return pointAt(t).asVector(); });
}

double AcGeCurve3d::nearestParam(const AcGePoint3d& pnt) const {
  return ge_detail::nearestParam(paramInterval(), [this, &pnt](double t) { return pointAt(t).distanceTo(pnt); });
}

double AcGeCurve3d::arcLength(double fromParam, double toParam) const {
  return ge_detail::integrate(fromParam, toParam, [this](double t) { return derivAt(t, 1).length(); });
}

bool AcGeCurve3d::periodOf(double&) const { return false; }

bool AcGeCurve3d::pointIsOn(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  return distanceTo(pnt, tol) <= tol.equalPoint();
}
