#include "plugin/geometry/polyline/polyline_merge.h"

#include <cmath>
#include <memory>
#include <vector>

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/distance_queries.h"
#include "plugin/geometry/plan_outline.h"
#include "plugin/geometry/polyline/chain_polyline_build.h"
#include "plugin/geometry/polyline/polyline_cleanup.h"
#include "plugin/geometry/polyline/polyline_intersections.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_reshape.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/curve_chain_select.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kTouchingDistance = 1e-11;
constexpr double kClosedChainGap = 0.0001;
constexpr double kBuildTolerance = 0.001;
constexpr double kRepeatedLastVertex = 1e-7;
constexpr double kSharedPieceReach = 0.000001;
constexpr double kCandidateReach = 0.0001;
constexpr double kOffsetMatch = 0.00001;
constexpr double kSideProbe = 0.001;

using Pieces = std::vector<std::unique_ptr<AcDbPolyline>>;

// Pieces in model space, erased when the merge is done with them.
class PiecesInDrawing {
 public:
  PiecesInDrawing() = default;
  ~PiecesInDrawing() {
    for (int i = 0; i < ids_.length(); ++i) EraseObject(ids_[i]);
  }
  PiecesInDrawing(const PiecesInDrawing&) = delete;
  PiecesInDrawing& operator=(const PiecesInDrawing&) = delete;

  // Null when the piece could not be appended (it is then deleted).
  AcDbObjectId add(std::unique_ptr<AcDbPolyline> piece) {
    AcDbObjectId id;
    if (AppendToModelSpace(piece.get(), id) != Acad::eOk) return AcDbObjectId();
    piece.release();
    ids_.append(id);
    return id;
  }

 private:
  AcDbObjectIdArray ids_;
};

// The crossings lie on the outline only at its own level (they may have been
// found in plan).
bool SplitOutline(const AcDbPolyline* outline, AcGePoint3dArray crossings, Pieces& pieces) {
  for (int i = 0; i < crossings.length(); ++i) crossings[i].z = outline->elevation();
  AcDbVoidPtrArray parts;
  bool split = SplitPolylineAtPoints(outline, crossings, parts);
  if (!split) {
    for (int i = 0; i < parts.length(); ++i) delete static_cast<AcDbEntity*>(parts[i]);
    parts.setLogicalLength(0);
    split = outline->getSplitCurves(crossings, parts) == Acad::eOk && parts.length() > 0;
  }
  for (int i = 0; i < parts.length(); ++i) {
    auto* entity = static_cast<AcDbEntity*>(parts[i]);
    AcDbPolyline* piece = AcDbPolyline::cast(entity);
    if (piece == nullptr) {
      delete entity;
      continue;
    }
    pieces.emplace_back(piece);
  }
  return split && !pieces.empty();
}

bool SplitBoth(AcDbObjectId first, AcDbObjectId second, const AcGePoint3dArray& crossings, Pieces& firstPieces,
               Pieces& secondPieces) {
  OpenedObject<AcDbPolyline> a(first, AcDb::kForRead);
  if (a.openStatus() != Acad::eOk) {
    acutPrintf("\n Can not merge 3");
    return false;
  }
  OpenedObject<AcDbPolyline> b(second, AcDb::kForRead);
  if (b.openStatus() != Acad::eOk) {
    acutPrintf("\n Can not merge 4");
    return false;
  }
  if (!SplitOutline(a.object(), crossings, firstPieces) || !SplitOutline(b.object(), crossings, secondPieces)) {
    return false;
  }
  // The union is drawn at the first outline's level, so that the pieces meet.
  for (auto& piece : secondPieces) piece->setElevation(a->elevation());
  return true;
}

AcDbObjectIdArray AddAll(PiecesInDrawing& drawing, Pieces& pieces) {
  AcDbObjectIdArray ids;
  for (auto& piece : pieces) {
    const AcDbObjectId id = drawing.add(std::move(piece));
    if (!id.isNull()) ids.append(id);
  }
  pieces.clear();
  return ids;
}

// Takes the pieces of the first list that coincide with one of the second out
// of both lists; the first list's twin is returned, the second's erased.
AcDbObjectIdArray TakeSharedPieces(AcDbObjectIdArray& firstIds, AcDbObjectIdArray& secondIds) {
  AcDbObjectIdArray shared;
  for (int i = 0; i < firstIds.length();) {
    int twin = -1;
    for (int j = 0; j < secondIds.length() && twin < 0; ++j) {
      if (CurvesCoincide(firstIds[i], secondIds[j])) twin = j;
    }
    if (twin < 0) {
      ++i;
      continue;
    }
    EraseObject(secondIds[twin]);
    secondIds.removeAt(twin);
    shared.append(firstIds[i]);
    firstIds.removeAt(i);
  }
  return shared;
}

// A vertex well inside the piece: the middle one, or halfway along a single segment.
bool InnerTestPoint(AcDbObjectId id, AcGePoint3d& point) {
  OpenedObject<AcDbPolyline> piece(id, AcDb::kForRead);
  if (piece.openStatus() != Acad::eOk) return false;
  int n = static_cast<int>(piece->numVerts());
  if (n >= 2) {
    AcGePoint2d last;
    AcGePoint2d beforeLast;
    piece->getPointAt(n - 1, last);
    piece->getPointAt(n - 2, beforeLast);
    if (last.distanceTo(beforeLast) < kRepeatedLastVertex) --n;
  }
  const double half = n * 0.5;
  const double parameter = (n == 2 || half <= 1.0) ? 0.5 : std::floor(half);
  return piece->getPointAtParam(parameter, point) == Acad::eOk;
}

bool MidPointOf(AcDbObjectId id, AcGePoint3d& point) {
  OpenedObject<AcDbCurve> curve(id, AcDb::kForRead);
  double endParameter = 0.0;
  double length = 0.0;
  return curve.openStatus() == Acad::eOk && curve->getEndParam(endParameter) == Acad::eOk &&
         curve->getDistAtParam(endParameter, length) == Acad::eOk &&
         curve->getPointAtDist(length * 0.5, point) == Acad::eOk;
}

// Erases from the list the pieces whose test point lies inside the outline
// (outside when keepInside), and returns the rest.
AcDbObjectIdArray KeepBySide(const AcDbObjectIdArray& ids, AcDbObjectId outline, bool keepInside,
                             bool (*testPoint)(AcDbObjectId, AcGePoint3d&)) {
  AcDbObjectIdArray kept;
  // The outline is read once for all the pieces, its segments boxed for the ray.
  PlanOutline planOutline;
  const bool indexed = planOutline.read(outline) && planOutline.facesUp();
  auto holds = [&](const AcGePoint3d& point) {
    return indexed ? planOutline.holds(AcGePoint2d(point.x, point.y)) : IsPointInsidePolyline(outline, point);
  };
  for (int i = 0; i < ids.length(); ++i) {
    AcGePoint3d point;
    const bool inside = testPoint(ids[i], point) && holds(point);
    if (inside == keepInside) {
      kept.append(ids[i]);
    } else {
      EraseObject(ids[i]);
    }
  }
  return kept;
}

// A piece both outlines share bounds the union only when the ground on one side
// of it lies outside both; between two outlines that touch it is inner.
bool BoundsTheUnion(AcDbObjectId piece, AcDbObjectId first, AcDbObjectId second) {
  AcGePoint3d middle;
  AcGeVector3d along;
  {
    OpenedObject<AcDbCurve> curve(piece, AcDb::kForRead);
    double endParameter = 0.0;
    double length = 0.0;
    double parameter = 0.0;
    if (curve.openStatus() != Acad::eOk || curve->getEndParam(endParameter) != Acad::eOk ||
        curve->getDistAtParam(endParameter, length) != Acad::eOk ||
        curve->getParamAtDist(length * 0.5, parameter) != Acad::eOk ||
        curve->getPointAtParam(parameter, middle) != Acad::eOk || curve->getFirstDeriv(parameter, along) != Acad::eOk ||
        along.length() == 0.0) {
      return true;
    }
  }
  const AcGeVector3d side = AcGeVector3d(-along.y, along.x, 0.0).normal() * kSideProbe;
  for (const AcGePoint3d& probe : {middle + side, middle - side}) {
    if (!IsPointInsidePolyline(first, probe) && !IsPointInsidePolyline(second, probe)) return true;
  }
  return false;
}

AcDbObjectIdArray KeepUnionBoundary(const AcDbObjectIdArray& shared, AcDbObjectId first, AcDbObjectId second) {
  AcDbObjectIdArray kept;
  for (int i = 0; i < shared.length(); ++i) {
    if (BoundsTheUnion(shared[i], first, second)) {
      kept.append(shared[i]);
    } else {
      EraseObject(shared[i]);
    }
  }
  return kept;
}

void AppendAll(AcDbObjectIdArray& to, const AcDbObjectIdArray& from) {
  for (int i = 0; i < from.length(); ++i) to.append(from[i]);
}

// Orders the kept pieces end to end and builds one polyline from each run that
// comes back to its start. Pieces of runs that stay open are left to be erased.
void BuildClosedChains(AcDbObjectIdArray kept, AcDbObjectIdArray& results) {
  AcDbObjectIdArray chain;
  if (!ChainCurvesByEndpoints(kept, chain)) return;
  const double join = ConfigurationSettings().JoinToler;
  AcDbObjectIdArray run;
  AcGePoint3d runStart;
  AcGePoint3d openEnd;
  for (int i = 0; i < chain.length(); ++i) {
    AcGePoint3d start;
    AcGePoint3d end;
    if (GetCurveEndPoints(chain[i], start, end) == 0) continue;
    if (run.length() > 0 && start.distanceTo(openEnd) < join) {
      openEnd = end;
    } else if (run.length() > 0 && end.distanceTo(openEnd) < join) {
      openEnd = start;
    } else {
      run.setLogicalLength(0);
      runStart = start;
      openEnd = end;
    }
    run.append(chain[i]);
    if (openEnd.distanceTo(runStart) >= kClosedChainGap) continue;
    AcDbObjectId built;
    if (BuildPolylineFromCurves(run, built, kBuildTolerance)) results.append(built);
    run.setLogicalLength(0);
  }
}

// The crossings of the two loops, in plan when they lie at different levels.
bool FindCrossings(AcDbObjectId first, AcDbObjectId second, AcGePoint3dArray& crossings) {
  return PolylinesIntersectInPlan(first, second, crossings) > 0;
}

}  // namespace

bool MergeClosedPolylines(AcDbObjectId first, AcDbObjectId second, AcDbObjectIdArray& merged) {
  merged.setLogicalLength(0);
  AcGePoint3dArray crossings;
  if (!FindCrossings(first, second, crossings)) return false;
  if (first == second) return false;
  double distance = 0.0;
  if (!DistancePolylineToPolyline(first, second, distance) || distance > kTouchingDistance) return false;

  Pieces firstPieces;
  Pieces secondPieces;
  if (!SplitBoth(first, second, crossings, firstPieces, secondPieces)) return false;
  PiecesInDrawing drawing;
  AcDbObjectIdArray firstIds = AddAll(drawing, firstPieces);
  AcDbObjectIdArray secondIds = AddAll(drawing, secondPieces);
  AcDbObjectIdArray kept = KeepUnionBoundary(TakeSharedPieces(firstIds, secondIds), first, second);
  AppendAll(kept, KeepBySide(firstIds, second, false, InnerTestPoint));
  AppendAll(kept, KeepBySide(secondIds, first, false, InnerTestPoint));

  BuildClosedChains(kept, merged);
  const double join = ConfigurationSettings().JoinToler;
  for (int i = 0; i < merged.length(); ++i) {
    CloseWithTolerance(merged[i], join);
    RemoveCollinearVertices(merged[i], join);
  }
  return merged.length() > 0;
}

namespace {

bool SharedPieceAtOffset(AcDbObjectId piece, const OutlineSet& firstReferences, const OutlineSet& secondReferences,
                         double offset) {
  double d = 0.0;
  if (!firstReferences.leastDistanceTo(piece, d) || d + kSharedPieceReach < offset) return false;
  AcGePoint3d middle;
  if (!MidPointOf(piece, middle)) return false;
  double toFirst = kNoListDistance;
  firstReferences.leastDistanceTo(middle, toFirst);
  if (std::fabs(toFirst - offset) > kOffsetMatch) return true;
  double toSecond = kNoListDistance;
  return secondReferences.leastDistanceTo(middle, toSecond) && std::fabs(toSecond - offset) > kOffsetMatch;
}

// Pieces that come no nearer to the references than the offset; the others are erased.
AcDbObjectIdArray Candidates(const AcDbObjectIdArray& ids, const OutlineSet& references, double offset) {
  AcDbObjectIdArray kept;
  for (int i = 0; i < ids.length(); ++i) {
    bool nearer = false;
    // Kept at offset - kCandidateReach itself: only what comes nearer is dropped.
    const double limit = std::nextafter(offset - kCandidateReach, -kNoListDistance);
    if (references.comesWithin(ids[i], limit, nearer) && !nearer) {
      kept.append(ids[i]);
    } else {
      EraseObject(ids[i]);
    }
  }
  return kept;
}

}  // namespace

bool MergeOffsetLoops(AcDbObjectId first, AcDbObjectId second, AcDbObjectIdArray firstReferences,
                      AcDbObjectIdArray secondReferences, double offset, AcDbObjectIdArray& merged,
                      unsigned char side, const OutlineStore* store) {
  merged.setLogicalLength(0);
  AcGePoint3dArray crossings;
  if (!FindCrossings(first, second, crossings)) return false;
  // A loop against itself would come back as pieces shared all round.
  if (first == second) return false;
  Pieces firstPieces;
  Pieces secondPieces;
  if (!SplitBoth(first, second, crossings, firstPieces, secondPieces)) return false;

  // Shared pieces are found among all pieces before the candidates are sorted out.
  PiecesInDrawing drawing;
  AcDbObjectIdArray firstIds = AddAll(drawing, firstPieces);
  AcDbObjectIdArray secondIds = AddAll(drawing, secondPieces);
  AcDbObjectIdArray kept;
  // Each reference is read once for all the pieces.
  const OutlineSet firstOutlines(firstReferences, store);
  const OutlineSet secondOutlines(secondReferences, store);
  const AcDbObjectIdArray shared = TakeSharedPieces(firstIds, secondIds);
  for (int i = 0; i < shared.length(); ++i) {
    if (SharedPieceAtOffset(shared[i], firstOutlines, secondOutlines, offset)) kept.append(shared[i]);
  }
  const AcDbObjectIdArray firstCandidates = Candidates(firstIds, firstOutlines, offset);
  const AcDbObjectIdArray secondCandidates = Candidates(secondIds, secondOutlines, offset);
  AppendAll(kept, KeepBySide(firstCandidates, second, false, MidPointOf));
  AppendAll(kept, KeepBySide(secondCandidates, first, side == 1, MidPointOf));

  BuildClosedChains(kept, merged);
  const double join = ConfigurationSettings().JoinToler;
  for (int i = 0; i < merged.length(); ++i) RemoveCollinearVertices(merged[i], join);
  return merged.length() > 0;
}
