#include "plugin/geometry/solid_cut_cleanup.h"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/passes/pass_geometry.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/geometry/polyline/polyline_reshape.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/selection/section_curve_loops.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

using Vertices = std::vector<PolylineVertex>;

constexpr double kRunFallTolerance = 1e-8;
constexpr double kVerticalRunTolerance = 1e-7;
constexpr double kVerticalWallTolerance = 0.001;
constexpr double kOutlineClosingTolerance = 0.001;

PolylineVertex VertexAt(const AcGePoint2d& point, double bulge) {
  PolylineVertex v;
  v.point = point;
  v.bulge = bulge;
  v.startWidth = -1.0;
  v.endWidth = -1.0;
  return v;
}

Vertices ReadVertices(AcDbObjectId id, bool& opened) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  opened = polyline.openStatus() == Acad::eOk;
  return opened ? ReadPolylineVertices(polyline.object()) : Vertices();
}

void SplitArcsOfVertexList(Vertices& v, bool closed) {
  Vertices out;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const bool hasSegment = closed || i + 1 < v.size();
    const curve::BulgeSeg segment = SegmentOf(v, i);
    if (!hasSegment || v[i].bulge == 0.0 || segment.start == segment.end) {
      out.push_back(v[i]);
      continue;
    }
    const std::vector<double> cuts = QuadrantCutFractions(segment.arc());
    double from = 0.0;
    for (std::size_t j = 0; j <= cuts.size(); ++j) {
      const double to = j < cuts.size() ? cuts[j] : 1.0;
      PolylineVertex piece = j == 0 ? v[i] : VertexAt(segment.pointAt(from), 0.0);
      piece.bulge = PartialBulge(v[i].bulge, to - from);
      out.push_back(piece);
      from = to;
    }
  }
  v = std::move(out);
}

// The run is kept unless it is a lone vertical step.
void FinishRun(Vertices& run, double elevation, AcDbObjectIdArray& runs) {
  const bool verticalStep = run.size() == 2 && std::fabs(run[0].point.x - run[1].point.x) <= kVerticalRunTolerance;
  if (run.size() >= 2 && !verticalStep) {
    const AcDbObjectId id = AddPolylineOfVertices(run, elevation, false);
    if (!id.isNull()) runs.append(id);
  }
  run.clear();
}

int IndexOfLeastX(const Vertices& v) {
  int found = -1;
  double least = 99999.0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (v[i].point.x <= least) {
      least = v[i].point.x;
      found = static_cast<int>(i);
    }
  }
  return found;
}

bool StartX(AcDbObjectId id, double& x) {
  AcGePoint3d start, end;
  if (GetCurveEndPoints(id, start, end) == 0) return false;
  x = start.x;
  return true;
}

bool CloseDownToFloor(AcDbObjectId id, double floorY) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForWrite);
  if (polyline.openStatus() != Acad::eOk) return false;
  const unsigned int n = polyline->numVerts();
  if (n == 0) return true;
  AcGePoint2d first, last;
  polyline->getPointAt(0, first);
  polyline->getPointAt(n - 1, last);
  polyline->addVertexAt(0, AcGePoint2d(first.x, floorY), 0.0);
  polyline->setBulgeAt(n, 0.0);
  polyline->addVertexAt(n + 1, AcGePoint2d(last.x, floorY), 0.0);
  polyline->setClosed(true);
  return true;
}

// The closed outer loops of a region as clockwise polylines at the elevation.
// The area under passes has no holes; should a region bring one, it goes.
void AppendRegionOutlines(AcDbObjectId regionId, double elevation, AcDbObjectIdArray& outlines) {
  AcDbObjectIdArray loops;
  std::vector<AcDbObjectIdArray> holes;
  ExplodeToCurveLoopsForCut(regionId, loops, holes, elevation, kOutlineClosingTolerance);
  for (AcDbObjectIdArray& inner : holes) EraseEntityArray(inner);
  for (int i = 0; i < loops.length(); ++i) {
    if (!IsPolylineClockwise(loops[i])) ReversePolyline(loops[i]);
    outlines.append(loops[i]);
  }
}

void UniteRegions(AcDbObjectIdArray& regions) {
  for (int k = 0; k < regions.length(); ++k) {
    int j = k + 1;
    while (j < regions.length()) {
      if (RegionBooleanOper(regions[k], regions[j], kRegionUnion)) {
        regions.removeAt(j);
      } else {
        ++j;
      }
    }
  }
}

}  // namespace

bool SplitArcsAtQuadrants(AcDbObjectId polylineId) { return EditPolylineVertices(polylineId, SplitArcsOfVertexList); }

bool RebuildPassArcs(AcDbObjectIdArray ids) {
  for (int i = 0; i < ids.length(); ++i) SplitArcsAtQuadrants(ids[i]);
  ids.setPhysicalLength(0);
  return true;
}

bool SplitPassIntoXRuns(AcDbObjectId polylineId, AcDbObjectIdArray& runs) {
  runs.setLogicalLength(0);
  double elevation = 0.0;
  GetPolylineElevation(polylineId, elevation);
  bool opened = false;
  const int start = IndexOfLeastX(ReadVertices(polylineId, opened));
  if (!opened || start < 0) return false;
  SetPolylineStartVertex(polylineId, start, 0);
  const Vertices v = ReadVertices(polylineId, opened);
  if (!opened) return false;

  Vertices run;
  for (std::size_t d = 0; d < v.size(); ++d) {
    const bool last = d + 1 == v.size();
    const PolylineVertex& next = v[last ? 0 : d + 1];
    if (v[d].point.x - next.point.x <= kRunFallTolerance) {
      run.push_back(v[d]);
      if (last) {
        run.push_back(VertexAt(v[0].point, 0.0));
        FinishRun(run, elevation, runs);
      }
    } else if (!run.empty()) {
      run.push_back(v[d]);
      FinishRun(run, elevation, runs);
    }
  }
  return !runs.isEmpty();
}

bool SplitAndSortPasses(AcDbObjectIdArray ids, AcDbObjectIdArray& runs) {
  runs.setLogicalLength(0);
  for (int i = 0; i < ids.length(); ++i) {
    AcDbObjectIdArray scratch;
    SplitPassIntoXRuns(ids[i], scratch);
    runs.append(scratch);
  }
  // A stable selection by start X; a run whose ends cannot be read gives way.
  for (int i = 0; i < runs.length(); ++i) {
    int best = i;
    double bestX = std::numeric_limits<double>::infinity();
    StartX(runs[i], bestX);
    for (int j = i + 1; j < runs.length(); ++j) {
      double x = 0.0;
      if (StartX(runs[j], x) && x < bestX) {
        best = j;
        bestX = x;
      }
    }
    if (best > i) {
      const AcDbObjectId moved = runs[best];
      runs.removeAt(best);
      runs.insertAt(i, moved);
    }
  }
  ids.setPhysicalLength(0);
  return !runs.isEmpty();
}

bool TrimVerticalEnds(AcDbObjectId polylineId) {
  OpenedObject<AcDbPolyline> polyline(polylineId, AcDb::kForWrite);
  if (polyline.openStatus() != Acad::eOk) return false;
  polyline->setClosed(false);
  Vertices v = ReadPolylineVertices(polyline.object());
  auto sameX = [&v](std::size_t a, std::size_t b) {
    return std::fabs(v[a].point.x - v[b].point.x) < kVerticalWallTolerance;
  };
  // Never below two vertices: a pass of one vertex is no pass.
  std::size_t k = v.size();
  while (k >= 3 && sameX(k - 2, k - 1)) --k;
  v.resize(k);
  const std::size_t m = v.size();
  std::size_t r = 0;
  if (m >= 3 && sameX(0, 1)) {
    r = 1;
    while (r + 1 < m - 1 && sameX(r, r + 1)) ++r;
  }
  v.erase(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(r));
  if (!v.empty()) v.back().bulge = 0.0;
  WritePolylineVertices(polyline.object(), v);
  return true;
}

bool TrimPassEnds(AcDbObjectIdArray ids) {
  for (int i = 0; i < ids.length(); ++i) TrimVerticalEnds(ids[i]);
  ids.setPhysicalLength(0);
  return true;
}

bool CleanUpCutPasses(AcDbObjectIdArray& ids, double passFloorY) {
  double elevation = 0.0;
  if (!ids.isEmpty()) GetPolylineElevation(ids[0], elevation);
  AcDbObjectIdArray runs;
  if (SplitAndSortPasses(ids, runs)) {
    EraseEntityArray(ids);
    ids.append(runs);
  }
  for (int i = 0; i < ids.length(); ++i) {
    if (!CloseDownToFloor(ids[i], passFloorY)) return false;
  }
  AcDbObjectIdArray made;
  for (int i = 0; i < ids.length(); ++i) {
    AcDbObjectId regionId;
    if (CreateRegionsFromCurves(ids[i], regionId)) made.append(regionId);
  }
  EraseEntityArray(ids);
  AcDbObjectIdArray regions = made;
  UniteRegions(regions);
  for (int i = 0; i < regions.length(); ++i) AppendRegionOutlines(regions[i], elevation, ids);
  EraseEntityArray(made);
  return !ids.isEmpty();
}
