#include "plugin/milling/pocket/pocket_rest_boundaries.h"

#include <algorithm>
#include <cmath>

#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/passes/pass_geometry.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_offset.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/milling/pocket/pocket_link_area.h"
#include "plugin/milling/pocket/pocket_plan_paths.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

// Where a reference tool's reach ends is found to this much along the path.
constexpr double kSampleStep = 0.05;
constexpr int kBisections = 24;
// Reached just past the reference tool's own reach, so that stretches it did
// cut are not cut again for rounding.
constexpr double kBeyondReach = 0.01;

using Vertices = std::vector<curve::BulgeVertex>;

AcGePoint2d PointAt(const curve::BulgePath& loop, double parameter) {
  const int count = loop.numSegments();
  const int segment = std::clamp(static_cast<int>(std::floor(parameter)), 0, count - 1);
  return loop.segment(segment).pointAt(std::clamp(parameter - segment, 0.0, 1.0));
}

// The samples along the loop, as parameters, every segment's start among them.
std::vector<double> SampleParameters(const curve::BulgePath& loop) {
  std::vector<double> parameters;
  for (int s = 0; s < loop.numSegments(); ++s) {
    const int n = std::max(1, static_cast<int>(std::ceil(loop.segment(s).length() / kSampleStep)));
    for (int i = 0; i < n; ++i) parameters.push_back(s + static_cast<double>(i) / n);
  }
  return parameters;
}

double Boundary(const curve::BulgePath& loop, double from, double to, bool fromReached,
                const std::function<bool(const AcGePoint2d&)>& reached) {
  for (int i = 0; i < kBisections; ++i) {
    const double mid = (from + to) / 2.0;
    if (reached(PointAt(loop, mid)) == fromReached) {
      from = mid;
    } else {
      to = mid;
    }
  }
  return (from + to) / 2.0;
}


void Orient(AcDbObjectId id, bool clockwise) {
  if (IsPolylineClockwise(id) != clockwise) ReversePolyline(id);
}

}  // namespace

void AddPlanPieces(const std::vector<Vertices>& pieces, double elevation, AcDbObjectIdArray& result) {
  for (const Vertices& piece : pieces) {
    if (piece.size() < 2) continue;
    std::vector<PolylineVertex> vertices;
    for (const curve::BulgeVertex& v : piece) vertices.push_back({v.point, v.bulge, 0.0, 0.0});
    const AcDbObjectId id = AddPolylineOfVertices(vertices, elevation, false);
    if (!id.isNull()) result.append(id);
  }
}

std::vector<Vertices> UnreachedRuns(const curve::BulgePath& loop,
                                    const std::function<bool(const AcGePoint2d&)>& reached) {
  std::vector<Vertices> runs;
  if (loop.numSegments() == 0) return runs;
  const std::vector<double> samples = SampleParameters(loop);
  std::vector<bool> state(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) state[i] = reached(PointAt(loop, samples[i]));
  // Where the reach begins and ends, in loop order.
  std::vector<std::pair<double, bool>> changes;
  const double end = loop.numSegments();
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const std::size_t j = (i + 1) % samples.size();
    if (state[i] == state[j]) continue;
    const double to = j == 0 ? end : samples[j];
    double at = Boundary(loop, samples[i], to, state[i], reached);
    if (at >= end) at -= end;
    changes.emplace_back(at, state[j]);
  }
  if (changes.empty()) {
    if (!state.front()) {
      Vertices whole = loop.vertices;
      whole.push_back({loop.vertices.front().point, 0.0});
      runs.push_back(whole);
    }
    return runs;
  }
  for (std::size_t k = 0; k < changes.size(); ++k) {
    if (changes[k].second) continue;
    const double to = changes[(k + 1) % changes.size()].first;
    runs.push_back(PathPiece(loop, changes[k].first, to));
  }
  return runs;
}

void AddRestStretches(const AcDbObjectIdArray& restLoops, const PocketLinkArea& referenceCentre, double reach,
                      double elevation, AcDbObjectIdArray& result) {
  const double limit = reach + kBeyondReach;
  auto reached = [&](const AcGePoint2d& point) {
    if (referenceCentre.empty()) return false;
    return referenceCentre.contains(point) || referenceCentre.distanceTo(point, limit * 2.0) <= limit;
  };
  for (const AcDbObjectId& id : restLoops) {
    curve::BulgePath loop;
    if (!ReadPlanPath(id, loop) || loop.vertices.size() < 2) continue;
    loop.closed = true;
    AddPlanPieces(UnreachedRuns(loop, reached), elevation, result);
  }
}

bool OffsetRestBoundaries(AcDbObjectId curve, AcDbObjectIdArray& result, double width, double allowance, int onBoundary,
                          int climb) {
  double elevation = 0.0;
  AcDbObjectId copy;
  if (!GetPolylineElevation(curve, elevation) || !ClonePolylineAtElevation(curve, copy, elevation)) return false;
  const bool boundary = onBoundary == 1;
  if (climb != 1) {
    width = -width;
    allowance = -allowance;
  }
  // Boundary with climb counter-clockwise, island with climb clockwise; the
  // conventional cut the other way round.
  Orient(copy, boundary != (climb == 1));
  const double h = width / 2.0;
  // The reference tool's centre outline, as seen from this curve alone.
  AcDbObjectIdArray centre;
  OffsetPolyline(copy, centre, h + allowance, elevation, 1);
  const PocketLinkArea area = PocketLinkArea::FromPolylines(centre);
  const double limit = std::fabs(h) + kBeyondReach;
  auto reached = [&](const AcGePoint2d& point) {
    if (area.empty()) return false;
    // A boundary's reference centre lies inside its outline, an island's outside.
    const bool inCentre = area.contains(point) == boundary;
    return inCentre || area.distanceTo(point, limit * 2.0) <= limit;
  };
  curve::BulgePath loop;
  if (ReadPlanPath(copy, loop) && loop.vertices.size() > 1) {
    loop.closed = true;
    AddPlanPieces(UnreachedRuns(loop, reached), elevation, result);
  }
  EraseEntityArray(centre);
  EraseObject(copy);
  return true;
}
