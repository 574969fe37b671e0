// A piece of a curve in space for the intersection search: a line segment, a circular
// arc, or any smooth curve given by its point and derivative functions.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

namespace curve {

struct Piece3 {
  enum Kind { kLine, kArc, kSmooth };
  Kind kind = kLine;
  // Line: p0 + t (p1 - p0), t in 0 .. 1 (any t when extended).
  AcGePoint3d p0, p1;
  // Arc: center + radius (cos t xAxis + sin t (normal x xAxis)), t in 0 .. sweep
  // (0 .. 2pi when extended); xAxis points to the start.
  AcGePoint3d center;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  AcGeVector3d xAxis = AcGeVector3d::kXAxis;
  double radius = 0.0;
  double sweep = 0.0;
  // Smooth: the functions over t0 .. t1, and how many chords follow it closely enough
  // to start a search.
  std::function<AcGePoint3d(double)> point;
  std::function<AcGeVector3d(double)> deriv;
  double t0 = 0.0, t1 = 1.0;
  int chords = 64;
  bool extended = false;

  static Piece3 line(const AcGePoint3d& a, const AcGePoint3d& b);
  // Counter-clockwise about normal from the start point over sweep.
  static Piece3 arc(const AcGePoint3d& center, const AcGeVector3d& normal, const AcGePoint3d& start, double sweep);
  static Piece3 smooth(std::function<AcGePoint3d(double)> point, std::function<AcGeVector3d(double)> deriv, double t0,
                       double t1, int chords);

  double lo() const;
  double hi() const;
  AcGePoint3d pointAt(double t) const;
  AcGeVector3d derivAt(double t) const;
};

// Everything of one entity: its pieces, one after the other.
using PiecePath = std::vector<Piece3>;

}  // namespace curve
