#include "plugin/milling/pocket/pocket_plan_paths.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/curve/box_tree.h"
#include "platform/cad/curve/segment_intersect.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/shell/opened_object.h"

void ReadPlanPath(const AcDbPolyline& polyline, curve::BulgePath& path) {
  path = curve::BulgePath();
  const int count = static_cast<int>(polyline.numVerts());
  path.vertices.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    curve::BulgeVertex vertex;
    polyline.getPointAt(static_cast<unsigned int>(i), vertex.point);
    polyline.getBulgeAt(static_cast<unsigned int>(i), vertex.bulge);
    path.vertices.push_back(vertex);
  }
  path.closed = polyline.isClosed();
}

bool ReadPlanPath(AcDbObjectId id, curve::BulgePath& path) {
  path = curve::BulgePath();
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return false;
  ReadPlanPath(*polyline.object(), path);
  return true;
}

curve::Box2 PlanBoxOf(const curve::BulgePath& path) {
  curve::Box2 box;
  for (const curve::BulgeVertex& vertex : path.vertices) box.add(vertex.point);
  for (const curve::BulgeSeg& segment : path.segments()) box.add(segment.box());
  return box;
}

curve::Box2 PlanBoxOf(AcDbObjectId id) {
  curve::BulgePath path;
  ReadPlanPath(id, path);
  return PlanBoxOf(path);
}

std::vector<curve::BulgeVertex> PathPiece(const curve::BulgePath& loop, double from, double to) {
  std::vector<curve::BulgeVertex> piece;
  const int count = loop.numSegments();
  if (count == 0) return piece;
  auto split = [count](double parameter, int& segment, double& fraction) {
    segment = std::clamp(static_cast<int>(std::floor(parameter)), 0, count - 1);
    fraction = std::clamp(parameter - segment, 0.0, 1.0);
  };
  int segment = 0, toSegment = 0;
  double start = 0.0, toFraction = 0.0;
  split(from, segment, start);
  split(to, toSegment, toFraction);
  for (int steps = 0; steps <= count; ++steps) {
    const curve::BulgeSeg whole = loop.segment(segment);
    const bool last = segment == toSegment && (toFraction >= start || steps == count);
    const double end = last ? toFraction : 1.0;
    if (end > start) {
      const curve::BulgeSeg part = whole.part(start, end);
      piece.push_back({part.start, part.bulge});
      if (last) piece.push_back({part.end, 0.0});
    } else if (last) {
      piece.push_back({whole.pointAt(start), 0.0});
    }
    if (last) break;
    segment = (segment + 1) % count;
    start = 0.0;
  }
  return piece;
}

AcGePoint2d PieceMidPoint(const std::vector<curve::BulgeVertex>& piece) {
  if (piece.empty()) return AcGePoint2d();
  curve::BulgePath path{piece, false};
  double remaining = path.length() / 2.0;
  for (const curve::BulgeSeg& segment : path.segments()) {
    const double length = segment.length();
    if (remaining <= length && length > 0.0) return segment.pointAt(remaining / length);
    remaining -= length;
  }
  return piece.back().point;
}

bool PlanOutlinesMeet(AcDbObjectId a, AcDbObjectId b, double limit) {
  curve::BulgePath first, second;
  if (!ReadPlanPath(a, first) || !ReadPlanPath(b, second)) return false;
  first.closed = second.closed = true;
  const std::vector<curve::BulgeSeg> others = second.segments();
  std::vector<curve::Box2> boxes;
  for (const curve::BulgeSeg& segment : others) boxes.push_back(segment.box());
  const curve::BoxTree tree(boxes);
  constexpr double kTolerance = 1e-12;
  for (const curve::BulgeSeg& segment : first.segments()) {
    const bool apart = tree.queryUntil(segment.box().grown(limit + kTolerance), [&](int i) {
      return !(curve::distanceBetween(segment, others[static_cast<std::size_t>(i)], kTolerance) <= limit);
    });
    if (!apart) return true;
  }
  return false;
}
