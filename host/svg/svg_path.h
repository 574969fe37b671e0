// Path data of the plan view. Points come in as world points and are kept in SVG
// coordinates: world X, minus world Y (SVG's Y runs down), Z dropped.
#pragma once

#include <string>
#include <vector>

#include "host/svg/svg_xml.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

// A box in SVG coordinates; empty until a point is added.
struct SvgBounds {
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  bool empty = true;

  void add(double x, double y);
  void add(const SvgBounds& other);
  double width() const { return empty ? 0.0 : maxX - minX; }
  double height() const { return empty ? 0.0 : maxY - minY; }
};

struct SvgPoint {
  double x = 0;
  double y = 0;
};
SvgPoint ToSvgPoint(const AcGePoint3d& world);

class SvgPath {
 public:
  void moveTo(const AcGePoint3d& world);
  // Starts the path when it has no current point.
  void lineTo(const AcGePoint3d& world);
  // The arc of center + u cos t + v sin t from t0 to t1 (either way round), seen from
  // above: an ellipse of the plan, exact as SVG arcs; sampled when seen edge on.
  // Joins the current point with a line when it does not start there.
  void conicArcTo(const AcGePoint3d& center, const AcGeVector3d& u, const AcGeVector3d& v, double t0, double t1);
  void close();

  bool empty() const { return commands_.empty(); }
  // False when a coordinate is not a finite number (damaged geometry).
  bool isFinite() const;
  const SvgBounds& bounds() const { return bounds_; }
  // The "d" attribute.
  std::string data(const SvgNumberFormat& format) const;

 private:
  enum class Kind { kMove, kLine, kArc, kClose };
  struct Command {
    Kind kind;
    SvgPoint to;
    double rx = 0, ry = 0, rotation = 0;
    bool largeArc = false, sweep = false;
  };
  void push(Kind kind, const SvgPoint& to);
  // One SVG arc of at most 3/2 pi of the conic's parameter.
  void arcPiece(const SvgPoint& c, const SvgPoint& a, const SvgPoint& b, double t0, double t1);
  void sampled(const SvgPoint& c, const SvgPoint& a, const SvgPoint& b, double t0, double t1);

  std::vector<Command> commands_;
  SvgBounds bounds_;
  bool hasCurrent_ = false;
  SvgPoint current_;
};
