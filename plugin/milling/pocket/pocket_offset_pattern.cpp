#include "plugin/milling/pocket/pocket_offset_pattern.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/cad/curve/box_tree.h"
#include "plugin/geometry/curve_containment.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/distance_queries.h"
#include "plugin/geometry/plan_outline.h"
#include "plugin/geometry/offset_duplicates.h"
#include "plugin/geometry/polyline/polyline_cleanup.h"
#include "plugin/geometry/polyline/polyline_corners.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_merge.h"
#include "plugin/geometry/polyline/polyline_offset.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/geometry/polyline/polyline_reshape.h"
#include "plugin/milling/pocket/pocket_plan_paths.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr int kMaxDepth = 10;
constexpr int kNoRetry = 99999;
constexpr double kTouching = 1e-9;
constexpr double kSmoothingMinFirstDistance = 1.0;
constexpr double kSmoothingMinClearance = 0.1;
constexpr double kSmoothing = 0.1;
constexpr double kUnsmoothedReduction = 0.01;
constexpr double kSimplifyTolerance = 0.1;
constexpr double kMergedStartParameter = 0.5;
constexpr double kReferenceMargin = 0.01;
constexpr double kOffLoop = 1e-6;

void AppendUnique(AcDbObjectIdArray& to, const AcDbObjectIdArray& from) {
  for (const AcDbObjectId& id : from)
    if (!to.contains(id)) to.append(id);
}

void EraseAll(AcDbObjectIdArray ids) { EraseEntityArray(ids); }

// Loops closer than the limit (touching or crossing when it is 0).
bool Touch(AcDbObjectId a, AcDbObjectId b, double limit) { return PlanOutlinesMeet(a, b, limit); }

// Touch() for outlines read once: pairs of segments within 1e-12 meet.
bool OutlinesMeet(const PlanOutline& a, const PlanOutline& b, double limit) {
  constexpr double kMeeting = 1e-12;
  return a.reaches(b, limit, kMeeting);
}

// One island of a step: the source outlines it stands for and its loops.
struct IslandRings {
  AcDbObjectIdArray references;
  AcDbObjectIdArray loops;
};

// A loop lying inside another of the same island encloses material again.
void MoveEnclosedLoops(AcDbObjectIdArray& loops, AcDbObjectIdArray& outerLoops) {
  if (loops.length() < 2) return;
  // Each loop read once; loops whose boxes lie apart are told apart by them.
  std::vector<ContainmentOutline> outlines;
  for (const AcDbObjectId& loop : loops) outlines.emplace_back(loop);
  for (int a = 0; a < loops.length(); ++a) {
    for (int b = 0; b < loops.length(); ++b) {
      if (a == b) continue;
      if (outlines[static_cast<std::size_t>(a)].classify(outlines[static_cast<std::size_t>(b)]) == 1) {
        outerLoops.append(loops[b]);
        loops.removeAt(b);
        outlines.erase(outlines.begin() + b);
        if (b < a) --a;
        --b;
      }
    }
  }
}

void PrepareMergedLoops(const AcDbObjectIdArray& merged, double elevation) {
  for (const AcDbObjectId& id : merged) {
    SetPolylineElevation(id, elevation);
    SetPolylineStartVertex(id, kMergedStartParameter, 0);
  }
}

// The references that can decide which pieces of the two loops stay: a
// reference whose box lies farther than the offset from both loops' boxes is
// farther than that from every piece, so it cannot bring one under the offset.
AcDbObjectIdArray NearbyReferences(const AcDbObjectIdArray& references, AcDbObjectId a, AcDbObjectId b,
                                   double distance, const OutlineStore& store) {
  curve::Box2 box = PlanBoxOf(a);
  box.add(PlanBoxOf(b));
  const curve::Box2 reach = box.grown(std::fabs(distance) + kReferenceMargin);
  AcDbObjectIdArray nearby;
  for (const AcDbObjectId& reference : references) {
    const PlanOutline* stored = store.find(reference);
    if (reach.overlaps(stored != nullptr ? stored->box() : PlanBoxOf(reference))) nearby.append(reference);
  }
  return nearby;
}

// Whether every stretch of the loop lies on the given side of the outline or
// on it: two rings that only touch need no merge, they bound the material as
// they stand (a merge of rings that only touch can lose one of them).
bool LiesOnOneSide(AcDbObjectId loop, AcDbObjectId outline, bool inside) {
  constexpr int kSamples = 8;
  curve::BulgePath path;
  if (!ReadPlanPath(loop, path)) return false;
  // The outline read once for all the samples; one not facing up is judged in its own plane.
  PlanOutline plan;
  const bool read = plan.read(outline);
  const bool planar = read && plan.facesUp();
  for (int s = 0; s < path.numSegments(); ++s) {
    const curve::BulgeSeg segment = path.segment(s);
    const std::optional<curve::Arc2> arc = segment.isArc() ? std::optional(segment.arc()) : std::nullopt;
    for (int i = 0; i < kSamples; ++i) {
      const double fraction = (i + 0.5) / kSamples;
      const AcGePoint2d p = arc ? arc->pointAt(fraction) : segment.pointAt(fraction);
      const AcGePoint3d point(p.x, p.y, 0.0);
      if (read && plan.distanceTo(p, kNoPolylineDistance) <= kOffLoop) continue;
      if ((planar ? plan.holds(p) : IsPointInsidePolyline(outline, point)) != inside) return false;
    }
  }
  return true;
}

// Loops of island j and k whose boxes meet are the only ones that can touch.
bool BoxesMeet(AcDbObjectId a, AcDbObjectId b) { return PlanBoxOf(a).grown(kTouching).overlaps(PlanBoxOf(b)); }

// Merges touching loops of island j with those of island k; true when one merged.
bool MergeIslandPair(IslandRings& first, IslandRings& second, AcDbObjectIdArray& outerLoops, double distance,
                     double elevation, const OutlineStore& store) {
  bool mergedAny = false;
  for (int p = 0; p < first.loops.length(); ++p) {
    for (int q = 0; q < second.loops.length(); ++q) {
      const AcDbObjectId P = first.loops[p];
      const AcDbObjectId Q = second.loops[q];
      if (!BoxesMeet(P, Q) || !Touch(P, Q, 0.0)) continue;
      if (LiesOnOneSide(P, Q, false) && LiesOnOneSide(Q, P, false)) continue;
      AcDbObjectIdArray merged;
      // The union of two island rings: pieces of Q outside P.
      if (!MergeOffsetLoops(P, Q, NearbyReferences(first.references, P, Q, distance, store),
                            NearbyReferences(second.references, P, Q, distance, store), distance, merged, 0, &store))
        continue;
      PrepareMergedLoops(merged, elevation);
      AppendUnique(first.references, second.references);
      first.loops.removeAt(p);
      second.loops.removeAt(q);
      EraseObject(P);
      EraseObject(Q);
      AcDbObjectIdArray rest = merged;
      MoveEnclosedLoops(rest, outerLoops);
      // The first merged loop takes P's place, the scan goes on with it.
      for (int i = 0; i < rest.length(); ++i) first.loops.insertAt(p + i, rest[i]);
      mergedAny = true;
      q = -1;
      if (p >= first.loops.length()) break;
    }
  }
  return mergedAny;
}

// Islands whose boxes overlap, from a tree over the island boxes: the pairs that
// may touch, without testing every pair.
std::vector<std::pair<int, int>> CandidateIslandPairs(const std::vector<IslandRings>& table) {
  std::vector<curve::Box2> boxes(table.size());
  for (std::size_t j = 0; j < table.size(); ++j)
    for (const AcDbObjectId& loop : table[j].loops) boxes[j].add(PlanBoxOf(loop));
  std::vector<std::pair<int, int>> pairs;
  const curve::BoxTree tree(boxes);
  for (std::size_t j = 0; j < table.size(); ++j) {
    if (table[j].loops.isEmpty()) continue;
    tree.query(boxes[j].grown(kTouching), [&](int k) {
      if (k > static_cast<int>(j) && !table[static_cast<std::size_t>(k)].loops.isEmpty())
        pairs.emplace_back(static_cast<int>(j), k);
    });
  }
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

void MergeTouchingIslands(std::vector<IslandRings>& table, AcDbObjectIdArray& outerLoops, double distance,
                          double elevation, const OutlineStore& store) {
  // A merge can make a loop that reaches a further island: go on until none
  // merges. Each island merges once a pass, so that merged loops grow in
  // pairs rather than one loop taking in its neighbours one after the other.
  for (std::size_t pass = 0; pass <= table.size(); ++pass) {
    bool mergedAny = false;
    std::vector<bool> merged(table.size(), false);
    for (const auto& [j, k] : CandidateIslandPairs(table)) {
      IslandRings& first = table[static_cast<std::size_t>(j)];
      IslandRings& second = table[static_cast<std::size_t>(k)];
      if (merged[static_cast<std::size_t>(j)] || merged[static_cast<std::size_t>(k)]) continue;
      if (first.loops.isEmpty() || second.loops.isEmpty()) continue;
      if (!MergeIslandPair(first, second, outerLoops, distance, elevation, store)) continue;
      merged[static_cast<std::size_t>(j)] = merged[static_cast<std::size_t>(k)] = true;
      mergedAny = true;
    }
    if (!mergedAny) return;
  }
}

void MergeOuterWithIslands(AcDbObjectIdArray& outerLoops, AcDbObjectIdArray outerReferences,
                           std::vector<IslandRings>& table, double distance, double elevation,
                           const OutlineStore& store) {
  // Island loops are only taken away here, never changed: each is read once.
  std::unordered_map<AcDbObjectId, PlanOutline> islandOutlines;
  auto outlineOf = [&](AcDbObjectId id) -> const PlanOutline& {
    auto found = islandOutlines.find(id);
    if (found == islandOutlines.end()) {
      found = islandOutlines.emplace(id, PlanOutline()).first;
      found->second.read(id);
    }
    return found->second;
  };
  // Loops that came out of a merge turned as islands: the merge found the two
  // rings only touching, so it gave them back whole and they stay islands.
  AcDbObjectIdArray settled;
  for (int o = 0; o < outerLoops.length(); ++o) {
    bool restart = true;
    while (restart && o < outerLoops.length()) {
      restart = false;
      const AcDbObjectId O = outerLoops[o];
      // The ring is read once for all the islands it may touch.
      PlanOutline outer;
      outer.read(O);
      const curve::Box2 box = outer.box().grown(kTouching);
      const bool outerClockwise = IsPolylineClockwise(O);
      for (IslandRings& island : table) {
        for (int i = 0; i < island.loops.length() && !restart; ++i) {
          const AcDbObjectId I = island.loops[i];
          const PlanOutline& inner = outlineOf(I);
          if (settled.contains(I) || !box.overlaps(inner.box()) || !OutlinesMeet(outer, inner, kTouching)) continue;
          if (LiesOnOneSide(I, O, true)) {
            settled.append(I);
            continue;
          }
          AcDbObjectIdArray merged;
          // The ring less the island's: pieces of I inside O.
          if (!MergeOffsetLoops(O, I, NearbyReferences(outerReferences, O, I, distance, store),
                                NearbyReferences(island.references, O, I, distance, store), distance, merged, 1,
                                &store))
            continue;
          PrepareMergedLoops(merged, elevation);
          AppendUnique(outerReferences, island.references);
          outerLoops.removeAt(o);
          island.loops.removeAt(i);
          EraseObject(O);
          EraseObject(I);
          for (const AcDbObjectId& loop : merged) {
            if (IsPolylineClockwise(loop) == outerClockwise) {
              outerLoops.append(loop);
            } else {
              island.loops.append(loop);
              settled.append(loop);
            }
          }
          restart = true;
        }
        if (restart) break;
      }
    }
  }
}

// The island loops that stay with an outer loop: those inside it. The scan
// stops at a loop lying in an island ring (verdict -1) and, for the parts of a
// split, at one touching it (-2).
AcDbObjectIdArray IslandsOfLoop(AcDbObjectId loop, const AcDbObjectIdArray& islandLoops, bool touchStops, int& verdict,
                                int& offendingIndex) {
  AcDbObjectIdArray kept;
  verdict = 0;
  offendingIndex = -1;
  const ContainmentOutline containment(loop);
  for (int i = 0; i < islandLoops.length(); ++i) {
    const int c = containment.classify(islandLoops[i]);
    // An island ring touching the loop from inside is still material to keep clear of.
    if (c == 1 || (c == -2 && !touchStops && LiesOnOneSide(islandLoops[i], loop, true))) {
      kept.append(islandLoops[i]);
    } else if (c == -1 || (c == -2 && touchStops)) {
      verdict = c;
      offendingIndex = i;
      break;
    }
  }
  return kept;
}

void EraseUnclaimed(const AcDbObjectIdArray& islandLoops, const AcDbObjectIdArray& claimed) {
  for (const AcDbObjectId& id : islandLoops)
    if (!claimed.contains(id)) EraseObject(id);
}

struct RingSettings {
  int budget;
  double stepover;
  double elevation;
  unsigned char side;
};

// The parts of a ring that split: each with its islands, ringed one depth deeper.
void RingSplitParts(int depth, int stepNumber, AcDbObjectIdArray outerLoops, AcDbObjectIdArray islandLoops,
                    bool copiedStep, AcDbObjectIdArray& result, const RingSettings& settings) {
  const bool markBranches = depth == 0 && result.isEmpty() && settings.budget > 1;
  AcDbObjectIdArray claimed;
  bool budgetReached = false;
  for (int n = 0; n < outerLoops.length(); ++n) {
    const AcDbObjectId loop = outerLoops[n];
    AcDbObjectIdArray kept;
    if (copiedStep) {
      if (n == 0) kept = islandLoops;
    } else {
      int verdict = 0, offending = -1;
      kept = IslandsOfLoop(loop, islandLoops, true, verdict, offending);
      if (verdict == -1 || verdict == -2) {
        const AcDbObjectId island = islandLoops[offending];
        EraseObject(loop);
        EraseObject(island);
        islandLoops.removeAt(offending);
        continue;
      }
    }
    AppendUnique(claimed, kept);
    if (markBranches) {
      AcDbObjectId marker;
      if (AddMarkerPoint(kMarkerBranch, marker, 0.0, loop)) result.append(marker);
    }
    result.append(loop);
    result.append(kept);
    if (budgetReached || result.length() >= settings.budget) {
      budgetReached = true;
      continue;
    }
    if (depth >= kMaxDepth) continue;
    AcDbObjectIdArray deeper;
    BuildRegionRings(depth + 1, stepNumber, loop, kept, deeper, settings.budget - result.length(), settings.stepover,
                     settings.stepover, settings.elevation, settings.side);
    result.append(deeper);
  }
  EraseUnclaimed(islandLoops, claimed);
}

bool CopyOutlines(AcDbObjectId outline, const AcDbObjectIdArray& islands, AcDbObjectIdArray& outerLoops,
                  AcDbObjectIdArray& islandLoops) {
  outerLoops.setLogicalLength(0);
  islandLoops.setLogicalLength(0);
  AcDbObjectId copy;
  if (!CloneEntityWithInfo(outline, copy)) return false;
  outerLoops.append(copy);
  for (const AcDbObjectId& island : islands)
    if (CloneEntityWithInfo(island, copy)) islandLoops.append(copy);
  return true;
}

double LeastBoundaryIslandClearance(const AcDbObjectIdArray& boundaries, const AcDbObjectIdArray& islands) {
  double least = kNoPolylineDistance;
  for (const AcDbObjectId& boundary : boundaries) {
    double distance = 0.0;
    if (MinDistancePolylineToPolylines(boundary, islands, distance)) least = std::min(least, distance);
  }
  return least;
}

bool SmoothOutlines(const AcDbObjectIdArray& outlines, double distance, AcDbObjectIdArray& smoothed) {
  bool all = true;
  for (const AcDbObjectId& outline : outlines) {
    AcDbObjectId copy;
    if (OffsetPolylineTrimmed(outline, copy, distance)) {
      smoothed.append(copy);
    } else {
      all = false;
    }
  }
  return all;
}

}  // namespace

int OffsetRegionStep(int& stepNumber, AcDbObjectId source, const AcDbObjectIdArray& islands,
                     AcDbObjectIdArray& outerLoops, AcDbObjectIdArray& islandLoops, double distance, double elevation,
                     unsigned char side) {
  outerLoops.setLogicalLength(0);
  islandLoops.setLogicalLength(0);
  std::vector<IslandRings> table(static_cast<std::size_t>(islands.length()));
  for (int j = 0; j < islands.length(); ++j) table[static_cast<std::size_t>(j)].references.append(islands[j]);

  ++stepNumber;
  if (!OffsetPolylineEx(stepNumber, source, outerLoops, distance, elevation, side)) return 0;
  if (GetCurveArea(source) < GetCurveArea(outerLoops.last())) {
    EraseEntityArray(outerLoops);
    ReversePolyline(source);
    if (!OffsetPolylineEx(stepNumber, source, outerLoops, distance, elevation, side)) return 0;
  }

  for (int j = 0; j < islands.length(); ++j) {
    IslandRings& island = table[static_cast<std::size_t>(j)];
    SharpenSmallArcs(islands[j], distance, side);
    if (!OffsetPolylineEx(stepNumber, islands[j], island.loops, distance, elevation, side)) {
      island.loops.setLogicalLength(0);
      continue;
    }
    MoveEnclosedLoops(island.loops, outerLoops);
  }

  AcDbObjectIdArray outerReferences;
  outerReferences.append(source);
  // The step's own outlines stay as they are while its loops merge: read once.
  AcDbObjectIdArray references = outerReferences;
  references.append(islands);
  const OutlineStore store(references);
  MergeTouchingIslands(table, outerLoops, distance, elevation, store);
  MergeOuterWithIslands(outerLoops, outerReferences, table, distance, elevation, store);

  for (const IslandRings& island : table) islandLoops.append(island.loops);
  return 1;
}

int BuildRegionRings(int depth, int stepNumber, AcDbObjectId boundary, const AcDbObjectIdArray& islands,
                     AcDbObjectIdArray& result, int budget, double firstDistance, double stepover, double elevation,
                     unsigned char side) {
  if (depth == 0) {
    stepNumber = 0;
    OffsetRetryLevel = kNoRetry;
  }
  result.setLogicalLength(0);
  if (budget <= 0) return 0;
  const RingSettings settings{budget, stepover, elevation, side};

  AcDbObjectId current = boundary;
  AcDbObjectIdArray currentIslands = islands;
  double distance = firstDistance;
  // How far the current ring lies from the region's own outlines.
  double ringDistance = 0.0;
  while (!current.isNull() && result.length() < budget) {
    AcDbObjectIdArray outerLoops, islandLoops;
    const bool copiedStep = depth == 0 && distance == 0.0;
    if (copiedStep) {
      if (!CopyOutlines(current, currentIslands, outerLoops, islandLoops)) break;
    } else {
      if (depth > 0) ++stepNumber;
      if (!OffsetRegionStep(stepNumber, current, currentIslands, outerLoops, islandLoops, distance, elevation, side)) {
        // A ring merged from many pieces can be too ragged to offset again; the
        // next ring measured from the region's own outlines is the same ring.
        if (result.isEmpty() || !OffsetRegionStep(stepNumber, boundary, islands, outerLoops, islandLoops,
                                                  ringDistance + distance, elevation, side))
          break;
      }
    }
    if (!result.isEmpty()) {
      SimplifyPolylines(outerLoops, kSimplifyTolerance);
      SimplifyPolylines(islandLoops, kSimplifyTolerance);
    }
    if (outerLoops.isEmpty()) {
      EraseAll(islandLoops);
      break;
    }
    if (outerLoops.length() > 1) {
      RingSplitParts(depth, stepNumber, outerLoops, islandLoops, copiedStep, result, settings);
      break;
    }
    const AcDbObjectId loop = outerLoops[0];
    AcDbObjectIdArray kept = islandLoops;
    int verdict = 0, offending = -1;
    if (!copiedStep) kept = IslandsOfLoop(loop, islandLoops, false, verdict, offending);
    EraseUnclaimed(islandLoops, kept);
    current.setNull();
    if (verdict == -1) {
      // The loop lies in an island's ring: no material is left around it.
      EraseObject(loop);
      break;
    }
    result.append(loop);
    result.append(kept);
    current = loop;
    currentIslands = kept;
    ringDistance += distance;
    distance = stepover;
  }
  return result.isEmpty() ? 0 : 1;
}

int NestPocketRegions(AcDbObjectIdArray boundaries, const AcDbObjectIdArray& islands, AcDbObjectIdArray& result,
                      int budget, double firstDistance, double stepover, double elevation, unsigned char side) {
  result.setLogicalLength(0);
  AcDbObjectIdArray pool = islands;
  for (const AcDbObjectId& boundary : boundaries) {
    AcDbObjectIdArray own;
    int verdict = 0;
    const ContainmentOutline containment(boundary);
    for (int i = 0; i < pool.length();) {
      if (Touch(boundary, pool[i], kTouching)) {
        own.append(pool[i]);
        pool.removeAt(i);
        continue;
      }
      verdict = containment.classify(pool[i]);
      if (verdict == 1) {
        own.append(pool[i]);
        pool.removeAt(i);
        continue;
      }
      if (verdict == -1) break;
      ++i;
    }
    if (verdict == -1 || verdict == -2) continue;

    AcDbObjectIdArray region;
    if (!BuildRegionRings(0, 0, boundary, own, region, budget, firstDistance, stepover, elevation, side)) return 0;
    const int retried = OffsetRetryLevel;
    result.append(region);
    if (retried != kNoRetry && budget >= 2 && retried >= 2) {
      AcDbObjectIdArray again;
      const double restart = (retried - 2) * stepover + firstDistance;
      if (BuildRegionRings(0, 0, boundary, own, again, budget, restart, stepover, elevation, side)) {
        RemoveDuplicateCurves(result, again, stepover);
        result.append(again);
      }
    }
    AcDbObjectId infoPoint;
    if (AttachToolPathInfo(kRegionEndInfoKind, infoPoint, 0.0, result.last())) result.append(infoPoint);
  }
  return 1;
}

bool OffsetPocketRegions(AcDbObjectIdArray boundaries, const AcDbObjectIdArray& islands, AcDbObjectIdArray& result,
                         int budget, double firstDistance, double stepover, double elevation, unsigned char side,
                         int smoothing) {
  const bool roomToSmooth =
      firstDistance > kSmoothingMinFirstDistance &&
      (boundaries.isEmpty() || LeastBoundaryIslandClearance(boundaries, islands) > kSmoothingMinClearance);
  if (!roomToSmooth || smoothing != 0) {
    return NestPocketRegions(boundaries, islands, result, budget, firstDistance, stepover, elevation, side) != 0;
  }
  const double d = side != 0 ? kSmoothing : -kSmoothing;
  AcDbObjectIdArray smoothBoundaries, smoothIslands;
  const bool all = SmoothOutlines(boundaries, d, smoothBoundaries) & SmoothOutlines(islands, d, smoothIslands);
  int nested = 0;
  if (all) {
    nested = NestPocketRegions(smoothBoundaries, smoothIslands, result, budget, firstDistance - std::fabs(d), stepover,
                               elevation, side);
  } else {
    nested = NestPocketRegions(boundaries, islands, result, budget, firstDistance - kUnsmoothedReduction, stepover,
                               elevation, side);
  }
  EraseEntityArray(smoothBoundaries);
  EraseEntityArray(smoothIslands);
  return nested != 0;
}
