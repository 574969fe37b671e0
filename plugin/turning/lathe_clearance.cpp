#include "plugin/turning/lathe_clearance.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/opened_object.h"

namespace {

constexpr double kSlack = 1e-6;
constexpr double kShortestStep = 0.01;
constexpr int kMostSteps = 100000;

}  // namespace

LatheProfileClearance::LatheProfileClearance(AcDbObjectId profile) {
  OpenedObject<AcDbPolyline> polyline(profile, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return;
  const std::vector<PolylineVertex> vertices = ReadPolylineVertices(polyline.object());
  const std::size_t count = polyline->isClosed() ? vertices.size() : vertices.size() - 1;
  for (std::size_t i = 0; i < count && vertices.size() > 1; ++i) segments_.push_back(SegmentOf(vertices, i));
}

double LatheProfileClearance::DistanceTo(const AcGePoint2d& point) const {
  double least = 1e300;
  for (const curve::BulgeSeg& segment : segments_) least = std::min(least, segment.distanceTo(point));
  return least;
}

bool LatheProfileClearance::KeepsClear(const curve::BulgeSeg& segment, double clearance) const {
  if (clearance <= 0.0) return true;
  // A step below twice the clearance lands a point within it of any crossing.
  const double step = std::max(kShortestStep, std::min(clearance, 1.0));
  const int steps = std::clamp(static_cast<int>(std::ceil(segment.length() / step)), 1, kMostSteps);
  for (int k = 0; k <= steps; ++k) {
    if (DistanceTo(segment.pointAt(static_cast<double>(k) / steps)) < clearance - kSlack) return false;
  }
  return true;
}
