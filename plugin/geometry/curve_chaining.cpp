#include "plugin/geometry/curve_chaining.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/curve_containment.h"
#include "plugin/geometry/polyline/chain_polyline_build.h"
#include "plugin/geometry/polyline/polyline_intersections.h"
#include "plugin/geometry/polyline/polyline_cleanup.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/shell/selection/curve_chain_select.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

using Builder = bool (*)(const AcDbObjectIdArray&, AcDbObjectId&, double);

// What becomes of a closed chain whose joints are wider than the join tolerance.
enum class WideJoint { kDrop, kBuildWithGap, kAsk };

struct ChainRules {
  Builder build = nullptr;
  bool keepOpenChains = false;
  WideJoint wideJoint = WideJoint::kDrop;
};

struct Entry {
  AcDbObjectId id;
  AcGePoint3d start;
  AcGePoint3d end;
  bool used = false;
};

bool Meet(const AcGePoint3d& a, const AcGePoint3d& b) { return a.distanceTo(b) < ConfigurationSettings().JoinToler; }

bool UserJoinsGap(double gap) {
  char text[160];
  std::snprintf(text, sizeof text, "도형 끝점간의 간격이 최대 %f까지 떨어저 있습니다. \n    끝점을 연결 하겠습니까?",
                gap);
  return ::MessageBox(nullptr, text, "Message", MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
}

bool ReadEntries(AcDbObjectIdArray& curves, std::vector<Entry>& entries) {
  AcDbObjectIdArray ordered;
  if (!ChainCurvesByEndpoints(curves, ordered)) return false;
  for (int i = 0; i < ordered.length(); ++i) {
    Entry entry;
    entry.id = ordered[i];
    if (GetCurveEndPoints(entry.id, entry.start, entry.end) == 0) return false;
    entries.push_back(entry);
  }
  return true;
}

// A polyline made by the walk and the curves it was made of.
struct BuiltChain {
  AcDbObjectId polyline;
  AcDbObjectIdArray curves;
};

class ChainWalker {
 public:
  ChainWalker(std::vector<Entry>& entries, const ChainRules& rules) : entries_(entries), rules_(rules) {}

  std::vector<BuiltChain> walk() {
    for (std::size_t a = 0; a < entries_.size(); ++a) {
      if (!entries_[a].used) walkFrom(a);
    }
    return built_;
  }

 private:
  void walkFrom(std::size_t a) {
    std::vector<std::size_t> chain{a};
    const AcGePoint3d chainStart = entries_[a].start;
    AcGePoint3d openEnd = entries_[a].end;
    if (Meet(chainStart, openEnd)) {
      finishClosed(chain);
      return;
    }
    for (std::size_t f = a + 1; f < entries_.size(); ++f) {
      const Entry& entry = entries_[f];
      if (entry.used) continue;
      const bool closes = (Meet(entry.start, chainStart) && Meet(entry.end, openEnd)) ||
                          (Meet(entry.end, chainStart) && Meet(entry.start, openEnd));
      if (closes) {
        chain.push_back(f);
        finishClosed(chain);
        return;
      }
      if (Meet(entry.start, openEnd)) {
        chain.push_back(f);
        openEnd = entry.end;
      } else if (Meet(entry.end, openEnd)) {
        chain.push_back(f);
        openEnd = entry.start;
      }
    }
    // Loose ends: kept as an open polyline wherever the chain stands in the list.
    if (rules_.keepOpenChains) {
      markUsed(chain);
      build(chain, ConfigurationSettings().JoinToler);
    }
  }

  void finishClosed(const std::vector<std::size_t>& chain) {
    markUsed(chain);
    double gap = 0.0;
    const double joinToler = ConfigurationSettings().JoinToler;
    if (CheckChainGaps(idsOf(chain), gap)) {
      build(chain, joinToler);
      return;
    }
    const bool join =
        rules_.wideJoint == WideJoint::kBuildWithGap || (rules_.wideJoint == WideJoint::kAsk && UserJoinsGap(gap));
    // A lone closed curve has no joint to widen.
    if (join) build(chain, chain.size() == 1 ? joinToler : gap);
  }

  void build(const std::vector<std::size_t>& chain, double tolerance) {
    BuiltChain made;
    made.curves = idsOf(chain);
    if (rules_.build(made.curves, made.polyline, tolerance)) built_.push_back(made);
  }

  void markUsed(const std::vector<std::size_t>& chain) {
    for (const std::size_t k : chain) entries_[k].used = true;
  }

  AcDbObjectIdArray idsOf(const std::vector<std::size_t>& chain) const {
    AcDbObjectIdArray ids;
    for (const std::size_t k : chain) ids.append(entries_[k].id);
    return ids;
  }

  std::vector<Entry>& entries_;
  const ChainRules& rules_;
  std::vector<BuiltChain> built_;
};

AcDbObjectIdArray PolylinesOf(const std::vector<BuiltChain>& chains) {
  AcDbObjectIdArray ids;
  for (const BuiltChain& chain : chains) ids.append(chain.polyline);
  return ids;
}

// False when no polyline was made or a curve had no end points (all ends are
// read before anything is built).
bool ChainCurves(AcDbObjectIdArray& curves, const ChainRules& rules, std::vector<BuiltChain>& built) {
  std::vector<Entry> entries;
  if (!ReadEntries(curves, entries)) return false;
  built = ChainWalker(entries, rules).walk();
  return !built.empty();
}

bool ChainCurves(AcDbObjectIdArray& curves, const ChainRules& rules, AcDbObjectIdArray& built) {
  std::vector<BuiltChain> chains;
  const bool made = ChainCurves(curves, rules, chains);
  built = PolylinesOf(chains);
  return made;
}

bool ChainClosedCurves(AcDbObjectIdArray& curves, Builder builder, AcDbObjectIdArray& polylines,
                       double closingTolerance) {
  AcDbObjectIdArray built;
  if (!ChainCurves(curves, ChainRules{builder, false, WideJoint::kDrop}, built)) return false;
  RemoveShortSegmentsInList(built, closingTolerance);
  polylines = built;
  return true;
}

// Outlines picked outside the boundary are no islands: told once, with where the first starts.
class OutsideOutlines {
 public:
  void Add(AcDbObjectId outline) {
    AcGePoint3d end;
    if (count_++ == 0) GetCurveEndPoints(outline, first_, end);
  }
  void Tell() const {
    if (count_ > 0) acutPrintf(MsgIslandsOutsideBoundary, count_, first_.x, first_.y);
  }

 private:
  int count_ = 0;
  AcGePoint3d first_;
};

bool BuildExact(const AcDbObjectIdArray& ids, AcDbObjectId& id, double tolerance) {
  return BuildPolylineFromCurves(ids, id, tolerance);
}

// The largest outline becomes the boundary and those inside it the islands; the
// rest are erased. False, with every outline erased, when none has an area.
bool PickBoundaryAndIslands(const std::vector<BuiltChain>& chains, double closingTolerance, AcDbObjectId& boundary,
                            AcDbObjectIdArray& islands, AcDbObjectIdArray* joinedCurves) {
  AcDbObjectIdArray outlines = PolylinesOf(chains);
  const int largest = FindLargestAreaCurve(outlines);
  if (largest < 0) {
    EraseEntityArray(outlines);
    return false;
  }
  const AcDbObjectId outer = outlines[largest];
  AcDbObjectIdArray inside;
  OutsideOutlines outside;
  for (int i = 0; i < outlines.length(); ++i) {
    // One that crosses the boundary is kept for the caller to refuse: dropped, its
    // part inside the boundary would be cut away.
    AcGePoint3dArray crossings;
    const bool kept = i == largest || ClassifyCurveContainment(outer, outlines[i]) == 1 ||
                      PolylinesIntersect(outer, outlines[i], crossings) > 0;
    if (!kept) {
      outside.Add(outlines[i]);
      EraseObject(outlines[i]);
      continue;
    }
    if (i != largest) inside.append(outlines[i]);
    if (joinedCurves != nullptr) joinedCurves->append(chains[static_cast<std::size_t>(i)].curves);
  }
  outside.Tell();
  CloseWithTolerance(outer, closingTolerance);
  RemoveShortSegmentsInList(inside, closingTolerance);
  boundary = outer;
  islands = inside;
  return true;
}

}  // namespace

bool ChainCurvesToPolyline(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines, double closingTolerance) {
  return ChainClosedCurves(curves, BuildExact, polylines, closingTolerance);
}

bool ChainCurvesToPolyline(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines) {
  return ChainCurvesToPolyline(curves, polylines, ConfigurationSettings().JoinToler);
}

bool ChainCurvesToPolylineLines(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines, double closingTolerance) {
  return ChainClosedCurves(curves, BuildPolylineFromCurvesByChords, polylines, closingTolerance);
}

bool ChainBoundaryCurves(AcDbObjectIdArray curves, AcDbObjectIdArray& polylines) {
  AcDbObjectIdArray built;
  if (!ChainCurves(curves, ChainRules{BuildExact, true, WideJoint::kBuildWithGap}, built)) return false;
  polylines.append(built);
  return true;
}

bool ChainCurvesToPolylineAsk(AcDbObjectIdArray curves, AcDbObjectId& boundary, AcDbObjectIdArray& polylines,
                              double signedTolerance, AcDbObjectIdArray* joinedCurves) {
  const bool pocketBoundary = signedTolerance > 0.0;
  const ChainRules rules = pocketBoundary ? ChainRules{BuildExact, false, WideJoint::kAsk}
                                          : ChainRules{BuildExact, true, WideJoint::kBuildWithGap};
  std::vector<BuiltChain> chains;
  if (!ChainCurves(curves, rules, chains)) return false;
  if (pocketBoundary) {
    return PickBoundaryAndIslands(chains, std::fabs(signedTolerance), boundary, polylines, joinedCurves);
  }
  polylines = PolylinesOf(chains);
  if (joinedCurves != nullptr) {
    for (const BuiltChain& chain : chains) joinedCurves->append(chain.curves);
  }
  return true;
}
