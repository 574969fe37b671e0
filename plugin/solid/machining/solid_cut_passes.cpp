#include "plugin/solid/machining/solid_cut_passes.h"

#include <algorithm>
#include <vector>

#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/passes/pass_slope_split.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/solid_cut_cleanup.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/section_curve_loops.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/solid/slices/solid_slices.h"

namespace {

constexpr double kSectionLift = 0.00001;

void EraseInnerLoops(std::vector<AcDbObjectIdArray>& inner) {
  for (AcDbObjectIdArray& loops : inner) EraseEntityArray(loops);
  inner.clear();
}

// A piece that still runs along the floor under the part is no pass.
void DropFloorPieces(AcDbObjectIdArray& pieces, double floorY) {
  constexpr double kOnFloor = 1e-6;
  for (int i = pieces.length() - 1; i >= 0; --i) {
    bool onFloor = false;
    {
      OpenedObject<AcDbPolyline> piece(pieces[i], AcDb::kForRead);
      if (piece.openStatus() != Acad::eOk) continue;
      for (unsigned int v = 0; v < piece->numVerts() && !onFloor; ++v) {
        AcGePoint2d point;
        piece->getPointAt(v, point);
        onFloor = point.y <= floorY + kOnFloor;
      }
    }
    if (!onFloor) continue;
    EraseObject(pieces[i]);
    pieces.removeAt(i);
  }
}

// The upper outline of the loops, in pieces of rising X.
bool UpperPieces(AcDbObjectIdArray& loops, double floorY, AcDbObjectIdArray& pieces) {
  for (const AcDbObjectId& loop : loops) {
    if (!IsPolylineClockwise(loop)) ReversePolyline(loop);
  }
  RebuildPassArcs(loops);
  if (!CleanUpCutPasses(loops, floorY)) {
    EraseEntityArray(loops);
    return false;
  }
  // Only a clockwise outline gives its upper side as the rising runs; the
  // union does not always hand them back that way.
  for (const AcDbObjectId& outline : loops) {
    if (!IsPolylineClockwise(outline)) ReversePolyline(outline);
  }
  const bool split = SplitAndSortPasses(loops, pieces);
  EraseEntityArray(loops);
  if (!split) return false;
  TrimPassEnds(pieces);
  DropFloorPieces(pieces, floorY);
  return !pieces.isEmpty();
}

void KeepSlopes(AcDbObjectIdArray& pieces, double minAngle, double maxAngle) {
  AcDbObjectIdArray parts;
  if (!SplitPassesAtArcs(pieces, parts, minAngle, maxAngle)) parts.setLogicalLength(0);
  EraseEntityArray(pieces);
  pieces = parts;
}

}  // namespace

SliceOutcome BuildSolidCutSlice(AcDbObjectId offsetSolid, double frameZ, const SolidCutSliceSettings& settings,
                                AcDbObjectIdArray& passes) {
  AcDbObjectId region;
  if (!SectionSolidAtZ(frameZ + kSectionLift, offsetSolid, region)) return SliceOutcome::kNoSection;
  AcDbObjectIdArray loops;
  std::vector<AcDbObjectIdArray> inner;
  const bool exploded = ExplodeToCurveLoopsForCut(region, loops, inner, frameZ, settings.tolerance);
  EraseObject(region);
  // Holes in the section lie under its top: the tool never meets them.
  EraseInnerLoops(inner);
  if (!exploded || loops.isEmpty()) {
    EraseEntityArray(loops);
    return SliceOutcome::kEmpty;
  }
  AcDbObjectIdArray pieces;
  if (!UpperPieces(loops, settings.floorY, pieces)) return SliceOutcome::kEmpty;
  if (settings.angleLimit) KeepSlopes(pieces, settings.minAngle, settings.maxAngle);
  if (pieces.isEmpty()) return SliceOutcome::kEmpty;
  if (settings.reversed) {
    for (int i = pieces.length() - 1; i >= 0; --i) {
      ReversePolyline(pieces[i]);
      passes.append(pieces[i]);
    }
  } else {
    passes.append(pieces);
  }
  return SliceOutcome::kPieces;
}
