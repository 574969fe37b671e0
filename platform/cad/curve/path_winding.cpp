#include "platform/cad/curve/path_winding.h"

#include <cmath>

namespace curve {

namespace {

// The chord's share: +1 when it passes upward with p on its left, -1 downward with p on its right.
int chordWinding(const AcGePoint2d& a, const AcGePoint2d& b, const AcGePoint2d& p) {
  const double side = (b - a).crossProduct(p - a);
  if (a.y <= p.y) return b.y > p.y && side > 0.0 ? 1 : 0;
  return b.y <= p.y && side < 0.0 ? -1 : 0;
}

// An arc replaces its chord: the region between them (right of the chord for a
// counter-clockwise arc, left for a clockwise one) is wound once more in the arc's sense.
int arcCapWinding(const BulgeSeg& seg, const AcGePoint2d& p) {
  if (!seg.isArc()) return 0;
  const Arc2 arc = seg.arc();
  if ((p - arc.center).lengthSqrd() >= arc.radius * arc.radius) return 0;
  const double side = (seg.end - seg.start).crossProduct(p - seg.start);
  if (seg.bulge > 0.0) return side < 0.0 ? 1 : 0;
  return side > 0.0 ? -1 : 0;
}

}  // namespace

int windingNumber(const BulgePath& path, const AcGePoint2d& p) {
  const int n = static_cast<int>(path.vertices.size());
  int winding = 0;
  for (int i = 0; i < n; ++i) {
    const BulgeSeg seg{path.vertices[static_cast<size_t>(i)].point,
                       path.vertices[static_cast<size_t>((i + 1) % n)].point,
                       i + 1 < n || path.closed ? path.vertices[static_cast<size_t>(i)].bulge : 0.0};
    winding += chordWinding(seg.start, seg.end, p) + arcCapWinding(seg, p);
  }
  return winding;
}

double signedArea(const BulgePath& path) {
  const int n = static_cast<int>(path.vertices.size());
  double area = 0.0;
  for (int i = 0; i < n; ++i) {
    const BulgeSeg seg{path.vertices[static_cast<size_t>(i)].point,
                       path.vertices[static_cast<size_t>((i + 1) % n)].point,
                       i + 1 < n || path.closed ? path.vertices[static_cast<size_t>(i)].bulge : 0.0};
    area += seg.start.x * seg.end.y - seg.end.x * seg.start.y;
    if (seg.isArc()) {
      const Arc2 arc = seg.arc();
      area += arc.radius * arc.radius * (arc.sweep - std::sin(arc.sweep));
    }
  }
  return area / 2.0;
}

}  // namespace curve
