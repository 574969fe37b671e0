#include "plugin/solid/machining/z_profile_contours.h"
#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/entities/db_polyline.h"

#include <algorithm>

#include "platform/cad/ge/ge_point2d.h"
#include "plugin/geometry/curve_containment.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/milling/pocket/pocket_offset_pattern.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/scratch_entities.h"

namespace {

constexpr double kLeastDistance = 1e-6;
// The frame around the material of a core level stands this far off it.
constexpr double kFrameMargin = 10.0;
// Boundaries counter-clockwise and islands clockwise, rings come out likewise.
constexpr unsigned char kRingSide = 1;

struct Region {
  AcDbObjectId boundary;
  AcDbObjectIdArray islands;
  bool framed = false;  // the boundary is a frame of our own, not material
};

void Orient(AcDbObjectId id, bool clockwise) {
  if (IsPolylineClockwise(id) != clockwise) ReversePolyline(id);
}

// How many of the other rings hold the ring.
int Depth(AcDbObjectId ring, const AcDbObjectIdArray& rings) {
  int depth = 0;
  for (const AcDbObjectId& other : rings) {
    if (other != ring && ClassifyCurveContainment(other, ring) == 1) ++depth;
  }
  return depth;
}

// A closed rectangle around the loops at the level, grown by the margin.
AcDbObjectId FrameAround(const AcDbObjectIdArray& loops, double margin, double z) {
  AcGePoint3d low(1e300, 1e300, 0.0), high(-1e300, -1e300, 0.0);
  for (const AcDbObjectId& loop : loops) {
    AcDbExtents box;
    OpenedObject<AcDbEntity> entity(loop, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk || entity->getGeomExtents(box) != Acad::eOk) continue;
    low.x = std::min(low.x, box.minPoint().x), low.y = std::min(low.y, box.minPoint().y);
    high.x = std::max(high.x, box.maxPoint().x), high.y = std::max(high.y, box.maxPoint().y);
  }
  if (low.x > high.x) return AcDbObjectId::kNull;
  auto* frame = new AcDbPolyline();
  frame->addVertexAt(0, AcGePoint2d(low.x - margin, low.y - margin));
  frame->addVertexAt(1, AcGePoint2d(high.x + margin, low.y - margin));
  frame->addVertexAt(2, AcGePoint2d(high.x + margin, high.y + margin));
  frame->addVertexAt(3, AcGePoint2d(low.x - margin, high.y + margin));
  frame->setClosed(true);
  frame->setElevation(z);
  AcDbObjectId id;
  if (AppendToModelSpace(frame, id) != Acad::eOk) {
    delete frame;
    return AcDbObjectId::kNull;
  }
  return id;
}

// The rings of one region at the distance, the frame's own ring left out,
// each oriented by what it runs around.
void RingRegion(const ZLevelContourSettings& s, const Region& region, AcDbObjectIdArray& contours) {
  Orient(region.boundary, false);
  for (const AcDbObjectId& island : region.islands) Orient(island, true);
  AcDbObjectIdArray rings;
  if (s.distance > kLeastDistance) {
    AcDbObjectIdArray boundaries, made;
    boundaries.append(region.boundary);
    NestPocketRegions(boundaries, region.islands, made, 1, s.distance, s.distance, s.z, kRingSide);
    for (const AcDbObjectId& id : made) {
      if (IsPointEntity(id)) {
        EraseObject(id);
      } else {
        rings.append(id);
      }
    }
  } else {
    AcDbObjectIdArray sources = region.islands;
    sources.append(region.boundary);
    CopyEntitiesWithInfo(sources, rings);
  }
  for (const AcDbObjectId& ring : rings) SetPolylineElevation(ring, s.z);
  AcDbObjectIdArray kept;
  for (const AcDbObjectId& ring : rings) {
    const int depth = Depth(ring, rings);
    if (region.framed && depth == 0) continue;
    // Even depth: an opening, cut from inside; odd: material, cut from outside.
    const bool aroundMaterial = depth % 2 == 1;
    Orient(ring, aroundMaterial != (s.cutDirection != 0));
    kept.append(ring);
  }
  for (const AcDbObjectId& ring : rings) {
    if (!kept.contains(ring)) EraseObject(ring);
  }
  contours.append(kept);
}

}  // namespace

void BuildZLevelContours(const ZLevelContourSettings& settings, const AcDbObjectIdArray& loops,
                         AcDbObjectIdArray& contours) {
  std::vector<int> depth;
  for (const AcDbObjectId& loop : loops) depth.push_back(Depth(loop, loops));
  // The loop holding another most closely: the one of depth one less that holds it.
  auto directlyIn = [&](int inner, int outer) {
    return depth[static_cast<std::size_t>(outer)] + 1 == depth[static_cast<std::size_t>(inner)] &&
           ClassifyCurveContainment(loops[outer], loops[inner]) == 1;
  };
  std::vector<Region> regions;
  for (int h = 0; h < loops.length(); ++h) {
    if (depth[static_cast<std::size_t>(h)] % 2 == 0) continue;  // material, not an opening
    Region region;
    region.boundary = loops[h];
    for (int i = 0; i < loops.length(); ++i) {
      if (directlyIn(i, h)) region.islands.append(loops[i]);
    }
    regions.push_back(region);
  }
  ScratchEntities frame;
  if (settings.core) {
    Region outside;
    for (int i = 0; i < loops.length(); ++i) {
      if (depth[static_cast<std::size_t>(i)] == 0) outside.islands.append(loops[i]);
    }
    outside.boundary = FrameAround(outside.islands, settings.distance + kFrameMargin, settings.z);
    if (!outside.boundary.isNull() && !outside.islands.isEmpty()) {
      frame.ids().append(outside.boundary);
      outside.framed = true;
      regions.push_back(outside);
    }
  }
  for (const Region& region : regions) RingRegion(settings, region, contours);
}

namespace {

constexpr int kMaterialSamples = 16;

bool InMaterial(const AcGePoint3d& point, const AcDbObjectIdArray& modelLoops) {
  int holding = 0;
  for (const AcDbObjectId& loop : modelLoops) {
    if (IsPointInsidePolyline(loop, point)) ++holding;
  }
  return holding % 2 == 1;
}

bool RunsThroughMaterial(AcDbObjectId loop, const AcDbObjectIdArray& modelLoops) {
  OpenedObject<AcDbCurve> curve(loop, AcDb::kForRead);
  double start = 0.0, end = 0.0;
  if (curve.openStatus() != Acad::eOk || curve->getStartParam(start) != Acad::eOk ||
      curve->getEndParam(end) != Acad::eOk) {
    return false;
  }
  int inside = 0;
  for (int i = 0; i < kMaterialSamples; ++i) {
    AcGePoint3d point;
    if (curve->getPointAtParam(start + (end - start) * (i + 0.5) / kMaterialSamples, point) != Acad::eOk) continue;
    if (InMaterial(point, modelLoops)) ++inside;
  }
  return inside * 2 > kMaterialSamples;
}

}  // namespace

void DropLoopsThroughMaterial(AcDbObjectIdArray& loops, const AcDbObjectIdArray& modelLoops) {
  for (int i = loops.length() - 1; i >= 0; --i) {
    if (!RunsThroughMaterial(loops[i], modelLoops)) continue;
    EraseObject(loops[i]);
    loops.removeAt(i);
  }
}

bool ContourEnclosesMaterial(AcDbObjectId contour, int cutDirection) {
  return IsPolylineClockwise(contour) == (cutDirection == 0);
}
