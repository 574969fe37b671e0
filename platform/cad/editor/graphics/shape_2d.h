// An entity's outline as seen in the XY plane of the UCS: isolated points,
// straight segments and circular arcs, with the tests that picks, windows and
// polygons make on it.
#pragma once

#include <vector>

#include "platform/cad/ge/ge_point2d.h"

namespace cadeditor {

struct Segment2d {
  AcGePoint2d start;
  AcGePoint2d end;
};

// Counter-clockwise from startAngle through sweep (0 < sweep <= 2pi).
struct Arc2d {
  AcGePoint2d center;
  double radius = 0.0;
  double startAngle = 0.0;
  double sweep = 0.0;
  AcGePoint2d pointAt(double angle) const;
  bool containsAngle(double angle) const;
};

struct Box2d {
  double xmin = 0.0, ymin = 0.0, xmax = -1.0, ymax = -1.0;
  bool isEmpty() const { return xmin > xmax; }
  void add(const AcGePoint2d& p);
  void add(const Box2d& other);
  bool contains(const AcGePoint2d& p) const;
  bool contains(const Box2d& other) const;
  bool overlaps(const Box2d& other) const;
};

using Polygon2d = std::vector<AcGePoint2d>;

class Shape2d {
 public:
  void addPoint(const AcGePoint2d& p);
  void addSegment(const AcGePoint2d& a, const AcGePoint2d& b);
  void addArc(const Arc2d& arc);
  // Consecutive points joined by segments.
  void addPolyline(const std::vector<AcGePoint2d>& points);
  void addBox(const Box2d& box);

  bool isEmpty() const { return points_.empty() && segments_.empty() && arcs_.empty(); }
  const Box2d& bounds() const { return bounds_; }
  const std::vector<Segment2d>& segments() const { return segments_; }
  const std::vector<Arc2d>& arcs() const { return arcs_; }

  double distanceTo(const AcGePoint2d& p) const;
  // Window: every part inside (the border counts as inside).
  bool liesInside(const Box2d& window) const;
  // Crossing: some part inside or on the border of the window.
  bool touches(const Box2d& window) const;
  bool liesInside(const Polygon2d& polygon) const;
  bool touches(const Polygon2d& polygon) const;

 private:
  // Segments standing for the arcs too, for the polygon tests.
  std::vector<Segment2d> flattened() const;

  std::vector<AcGePoint2d> points_;
  std::vector<Segment2d> segments_;
  std::vector<Arc2d> arcs_;
  Box2d bounds_;
};

// Point in polygon, the border counted as inside.
bool PolygonContains(const Polygon2d& polygon, const AcGePoint2d& p);

}  // namespace cadeditor
