#include "platform/cad/curve/curve_piece.h"

#include <cmath>

namespace curve {

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

Piece3 Piece3::line(const AcGePoint3d& a, const AcGePoint3d& b) {
  Piece3 p;
  p.kind = kLine;
  p.p0 = a;
  p.p1 = b;
  return p;
}

Piece3 Piece3::arc(const AcGePoint3d& center, const AcGeVector3d& normal, const AcGePoint3d& start, double sweep) {
  Piece3 p;
  p.kind = kArc;
  p.center = center;
  p.normal = normal.normal();
  const AcGeVector3d r = start - center;
  p.radius = r.length();
  p.xAxis = p.radius > 0 ? r / p.radius : AcGeVector3d::kXAxis;
  p.sweep = sweep;
  return p;
}

Piece3 Piece3::smooth(std::function<AcGePoint3d(double)> point, std::function<AcGeVector3d(double)> deriv, double t0,
                      double t1, int chords) {
  Piece3 p;
  p.kind = kSmooth;
  p.point = std::move(point);
  p.deriv = std::move(deriv);
  p.t0 = t0;
  p.t1 = t1;
  p.chords = chords;
  return p;
}

double Piece3::lo() const {
  switch (kind) {
    case kLine:
      return extended ? -1e6 : 0.0;
    case kArc:
      return 0.0;
    default:
      return t0;
  }
}

double Piece3::hi() const {
  switch (kind) {
    case kLine:
      return extended ? 1e6 : 1.0;
    case kArc:
      return extended ? kTwoPi : sweep;
    default:
      return t1;
  }
}

AcGePoint3d Piece3::pointAt(double t) const {
  switch (kind) {
    case kLine:
      return p0 + (p1 - p0) * t;
    case kArc:
      return center + (xAxis * std::cos(t) + normal.crossProduct(xAxis) * std::sin(t)) * radius;
    default:
      return point(t);
  }
}

AcGeVector3d Piece3::derivAt(double t) const {
  switch (kind) {
    case kLine:
      return p1 - p0;
    case kArc:
      return (xAxis * -std::sin(t) + normal.crossProduct(xAxis) * std::cos(t)) * radius;
    default:
      return deriv(t);
  }
}

}  // namespace curve
