#include "plugin/geometry/polyline/polyline_reshape.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/polyline/polyline_cleanup.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

using Vertices = std::vector<PolylineVertex>;

constexpr double kClosingTolerance = 0.001;
constexpr double kSmallestChordTolerance = 0.001;
constexpr double kSameParameter = 1e-9;

PolylineVertex PointOnSegment(const Vertices& v, std::size_t index, double fraction) {
  PolylineVertex point = v[index];
  point.point = SegmentOf(v, index).pointAt(fraction);
  return point;
}

// The closed outline from the parameter once round, ending before its start.
Vertices StartingAt(const Vertices& v, std::size_t k, double f) {
  const std::size_t n = v.size();
  Vertices out;
  out.reserve(n + 1);
  if (f == 0.0) {
    for (std::size_t i = 0; i < n; ++i) out.push_back(v[(k + i) % n]);
    return out;
  }
  PolylineVertex start = PointOnSegment(v, k, f);
  start.bulge = PartialBulge(v[k].bulge, 1.0 - f);
  out.push_back(start);
  for (std::size_t i = 1; i <= n; ++i) out.push_back(v[(k + i) % n]);
  out.back().bulge = PartialBulge(v[k].bulge, f);
  return out;
}

bool RewriteStart(AcDbPolyline* polyline, double parameter, bool skipArcs) {
  Vertices v = ReadPolylineVertices(polyline);
  if (!polyline->isClosed()) {
    if (v.size() < 3 || v.back().point.distanceTo(v.front().point) > kClosingTolerance) return false;
    v.pop_back();
  }
  const double count = static_cast<double>(v.size());
  if (v.size() < 2 || parameter == count || !(parameter >= 0.0 && parameter < count)) return false;
  while (skipArcs && parameter < count && v[static_cast<std::size_t>(parameter)].bulge != 0.0) parameter += 1.0;
  if (parameter >= count) return false;
  const std::size_t k = static_cast<std::size_t>(parameter);
  polyline->setClosed(true);
  WritePolylineVertices(polyline, StartingAt(v, k, parameter - static_cast<double>(k)));
  return true;
}

Vertices HalvedSegments(const Vertices& v, bool closed) {
  const std::size_t segments = closed ? v.size() : v.size() - 1;
  Vertices out;
  out.reserve(2 * v.size());
  for (std::size_t i = 0; i < segments; ++i) {
    PolylineVertex first = v[i];
    // Half of an arc has a quarter of the sweep's quarter, not half the bulge.
    first.bulge = PartialBulge(v[i].bulge, 0.5);
    PolylineVertex middle = PointOnSegment(v, i, 0.5);
    middle.bulge = first.bulge;
    out.push_back(first);
    out.push_back(middle);
  }
  if (!closed) out.push_back(v.back());
  return out;
}

// Vertices from parameter a to parameter b (a < b) along the outline; on a
// closed outline b may pass the end and carry on from vertex 0.
Vertices PieceBetween(const Vertices& v, double a, double b) {
  const std::size_t n = v.size();
  const std::size_t first = static_cast<std::size_t>(std::floor(a));
  const std::size_t last = static_cast<std::size_t>(std::ceil(b)) - 1;
  const double fa = a - static_cast<double>(first);
  const double fb = b - static_cast<double>(last);
  Vertices out;
  PolylineVertex start = PointOnSegment(v, first % n, fa);
  if (first == last) {
    start.bulge = PartialBulge(v[first % n].bulge, fb - fa);
    out.push_back(start);
  } else {
    start.bulge = PartialBulge(v[first % n].bulge, 1.0 - fa);
    out.push_back(start);
    for (std::size_t i = first + 1; i <= last; ++i) out.push_back(v[i % n]);
    out.back().bulge = PartialBulge(v[last % n].bulge, fb);
  }
  PolylineVertex end = PointOnSegment(v, last % n, fb);
  end.bulge = 0.0;
  out.push_back(end);
  return out;
}

// The points' parameters in order, each once; on a closed outline the seam's
// parameter is read as 0.
std::vector<double> SplitParameters(const AcDbPolyline* polyline, const AcGePoint3dArray& points, double count) {
  const bool closed = polyline->isClosed();
  std::vector<double> parameters;
  for (int i = 0; i < points.length(); ++i) {
    double parameter = 0.0;
    if (polyline->getParamAtPoint(points[i], parameter) != Acad::eOk) continue;
    if (closed && parameter >= count - kSameParameter) parameter = 0.0;
    parameters.push_back(parameter);
  }
  std::sort(parameters.begin(), parameters.end());
  const auto same = [](double x, double y) { return y - x < kSameParameter; };
  parameters.erase(std::unique(parameters.begin(), parameters.end(), same), parameters.end());
  return parameters;
}

std::unique_ptr<AcDbPolyline> PolylineLike(const AcDbPolyline* source, const Vertices& vertices, bool closed) {
  auto polyline = std::make_unique<AcDbPolyline>();
  polyline->setPropertiesFrom(source);
  polyline->setNormal(source->normal());
  polyline->setElevation(source->elevation());
  polyline->setThickness(source->thickness());
  WritePolylineVertices(polyline.get(), vertices);
  polyline->setClosed(closed);
  return polyline;
}

// Chord points of one arc segment: no chord strays farther than the tolerance.
void AddChordPoints(const Vertices& v, std::size_t i, double tolerance, Vertices& out) {
  const curve::BulgeSeg segment = SegmentOf(v, i);
  const double radius = segment.arc().radius;
  const double sweepDegrees = std::fabs(segment.arc().sweep) * 180.0 / curve::kPi;
  const double stepDegrees = 2.0 * std::acos(std::clamp((radius - tolerance) / radius, -1.0, 1.0)) * 180.0 / curve::kPi;
  const int n = static_cast<int>(sweepDegrees / stepDegrees) + 1;
  for (int j = 0; j < n; ++j) {
    PolylineVertex point = PointOnSegment(v, i, static_cast<double>(j) / n);
    point.bulge = 0.0;
    out.push_back(point);
  }
}

}  // namespace

bool StartClosedPolylineNearest(AcDbObjectId id, const AcGePoint2d& point) {
  constexpr double kSamePlace = 1e-6;
  std::vector<PolylineVertex> vertices;
  bool closed = false;
  if (!EditPolylineVertices(id, [&](std::vector<PolylineVertex>& v, bool c) {
        vertices = v;
        closed = c;
      }))
    return false;
  const int count = static_cast<int>(vertices.size());
  if (!closed || count < 2) return false;
  double best = 1e300, parameter = 0.0;
  for (int s = 0; s < count; ++s) {
    const PolylineVertex& a = vertices[static_cast<std::size_t>(s)];
    const curve::BulgeSeg segment{a.point, vertices[static_cast<std::size_t>((s + 1) % count)].point, a.bulge};
    const double fraction = segment.nearestFraction(point);
    const double distance = point.distanceTo(segment.pointAt(fraction));
    if (distance < best - 1e-9) {
      best = distance;
      parameter = s + fraction;
    }
  }
  if (parameter < kSamePlace || parameter > count - kSamePlace) return true;
  return SetPolylineStartVertex(id, parameter, 0);
}

bool SetPolylineStartVertex(AcDbObjectId id, double parameter, unsigned char skipArcs) {
  RemoveShortArcs(id);
  bool rewritten = false;
  {
    OpenedObject<AcDbPolyline> polyline(id, AcDb::kForWrite);
    if (polyline.openStatus() != Acad::eOk) return false;
    rewritten = RewriteStart(polyline, parameter, skipArcs == 1);
  }
  RemoveShortArcs(id);
  return rewritten;
}

bool SplitSegmentsAtMidpoints(AcDbObjectId id) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForWrite);
  if (polyline.openStatus() != Acad::eOk) return false;
  const Vertices v = ReadPolylineVertices(polyline);
  if (v.size() < 2) return true;
  WritePolylineVertices(polyline, HalvedSegments(v, polyline->isClosed()));
  if (polyline->isClosed()) RemoveClosingVertex(polyline, kClosingTolerance);
  return true;
}

bool SplitPolylineAtPoints(const AcDbPolyline* polyline, const AcGePoint3dArray& points, AcDbVoidPtrArray& pieces) {
  const Vertices v = ReadPolylineVertices(polyline);
  if (v.size() < 2) return false;
  const double count = static_cast<double>(v.size());
  const std::vector<double> parameters = SplitParameters(polyline, points, count);
  bool made = false;
  for (std::size_t i = 1; i < parameters.size(); ++i) {
    pieces.append(PolylineLike(polyline, PieceBetween(v, parameters[i - 1], parameters[i]), false).release());
    made = true;
  }
  // A closed outline also has the piece from the last point over its start
  // vertex round to the first; one point alone opens the outline there.
  if (polyline->isClosed() && !parameters.empty()) {
    const double from = parameters.back();
    const double to = parameters.front() + count;
    pieces.append(PolylineLike(polyline, PieceBetween(v, from, to), false).release());
    made = true;
  }
  return made;
}

bool LinearizePolylineArcs(AcDbObjectId id, double tolerance, AcDbObjectId& copyId) {
  copyId.setNull();
  std::unique_ptr<AcDbPolyline> copy;
  {
    OpenedObject<AcDbPolyline> source(id, AcDb::kForRead);
    if (source.openStatus() != Acad::eOk) return false;
    const Vertices v = ReadPolylineVertices(source);
    const double chordTolerance = std::max(tolerance, kSmallestChordTolerance);
    const bool closed = source->isClosed();
    const std::size_t last = closed ? v.size() : (v.empty() ? 0 : v.size() - 1);
    Vertices points;
    for (std::size_t i = 0; i <= last && !v.empty(); ++i) {
      const bool segmentHere = i < last || (closed && i < v.size());
      if (segmentHere && SegmentOf(v, i).isArc()) {
        AddChordPoints(v, i, chordTolerance, points);
      } else {
        PolylineVertex point = v[i % v.size()];
        point.bulge = 0.0;
        points.push_back(point);
      }
    }
    if (points.size() < 2) return false;
    copy = PolylineLike(source, points, closed);
  }
  if (AppendToModelSpace(copy.get(), copyId) != Acad::eOk) return false;
  copy.release();
  return true;
}
