#include "plugin/milling/pocket/pocket_zigzag.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>

#include "platform/cad/curve/box_tree.h"
#include "plugin/geometry/curve_containment.h"
#include "plugin/geometry/passes/pass_geometry.h"
#include "plugin/geometry/plane_geometry.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_plan_paths.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kSamePoint = 1e-7;

// ---- where line ends lie on the loops --------------------------------------

struct LoopPlace {
  int loop = -1;
  int segment = 0;
  double fraction = 0.0;
  double key() const { return segment + fraction; }
};

class LoopLocator {
 public:
  explicit LoopLocator(const std::vector<curve::BulgePath>& loops) : loops_(loops), tree_(Boxes(loops, owners_)) {}

  LoopPlace locate(const AcGePoint2d& point) const {
    LoopPlace best;
    double bestDistance = 1e300;
    tree_.nearest(point, 1e300, [&](int i) {
      const Owner& owner = owners_[static_cast<std::size_t>(i)];
      const curve::BulgeSeg segment = loops_[static_cast<std::size_t>(owner.loop)].segment(owner.segment);
      const double fraction = segment.nearestFraction(point);
      const double distance = point.distanceTo(segment.pointAt(fraction));
      if (distance < bestDistance) {
        bestDistance = distance;
        best = LoopPlace{owner.loop, owner.segment, fraction};
      }
      return distance;
    });
    // The end of a segment is the start of the next one: one place for one point.
    if (best.loop >= 0 && best.fraction >= 1.0) {
      const int count = loops_[static_cast<std::size_t>(best.loop)].numSegments();
      best.segment = (best.segment + 1) % count;
      best.fraction = 0.0;
    }
    return best;
  }

 private:
  struct Owner {
    int loop;
    int segment;
  };
  static std::vector<curve::Box2> Boxes(const std::vector<curve::BulgePath>& loops, std::vector<Owner>& owners) {
    std::vector<curve::Box2> boxes;
    for (std::size_t l = 0; l < loops.size(); ++l) {
      for (int s = 0; s < loops[l].numSegments(); ++s) {
        boxes.push_back(loops[l].segment(s).box());
        owners.push_back(Owner{static_cast<int>(l), s});
      }
    }
    return boxes;
  }

  const std::vector<curve::BulgePath>& loops_;
  std::vector<Owner> owners_;
  curve::BoxTree tree_;
};

using Vertices = std::vector<curve::BulgeVertex>;

Vertices Reversed(const Vertices& piece) {
  Vertices reversed;
  for (std::size_t i = piece.size(); i-- > 0;) {
    const double bulge = i > 0 ? -piece[i - 1].bulge : 0.0;
    reversed.push_back({piece[i].point, bulge});
  }
  return reversed;
}

void AppendPiece(Vertices& chain, const Vertices& piece) {
  std::size_t first = 0;
  if (!chain.empty() && !piece.empty() && chain.back().point.distanceTo(piece.front().point) <= kSamePoint) {
    chain.back().bulge = piece.front().bulge;
    first = 1;
  }
  for (std::size_t i = first; i < piece.size(); ++i) chain.push_back(piece[i]);
}

// ---- rows -------------------------------------------------------------------

struct LineEnd {
  int line;
  int end;  // 0 start, 1 end
};

class ZigzagOrder {
 public:
  ZigzagOrder(const std::vector<curve::BulgePath>& loops, const std::vector<ZigzagLine>& lines, double spacing,
              double angleDegrees)
      : loops_(loops), lines_(lines), rows_(lines.size()), places_(lines.size() * 2), visited_(lines.size(), false) {
    const double angle = angleDegrees * kDegreeFactor;
    const AcGeVector2d across(std::sin(angle), -std::cos(angle));
    const double step = spacing > 0.0 ? spacing : 1.0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const AcGePoint2d mid((lines[i].start.x + lines[i].end.x) / 2.0, (lines[i].start.y + lines[i].end.y) / 2.0);
      const double base = across.dotProduct(lines[0].start.asVector());
      rows_[i] = std::llround((across.dotProduct(mid.asVector()) - base) / step);
    }
    const LoopLocator locator(loops);
    onLoop_.resize(loops.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      for (int end = 0; end < 2; ++end) {
        const LoopPlace place = locator.locate(end == 0 ? lines[i].start : lines[i].end);
        places_[2 * i + static_cast<std::size_t>(end)] = place;
        if (place.loop >= 0) onLoop_[static_cast<std::size_t>(place.loop)].push_back({static_cast<int>(i), end});
      }
    }
    for (auto& ends : onLoop_) {
      std::sort(ends.begin(), ends.end(),
                [&](const LineEnd& a, const LineEnd& b) { return place(a).key() < place(b).key(); });
      for (std::size_t k = 0; k < ends.size(); ++k) indexOnLoop_[Key(ends[k])] = k;
    }
  }

  std::vector<Vertices> twoWay(const AcGePoint2d* startNear) {
    std::vector<Vertices> chains;
    const curve::BoxTree ends(EndBoxes());
    std::size_t cursor = 0;
    while (true) {
      while (cursor < lines_.size() && visited_[cursor]) ++cursor;
      if (cursor == lines_.size()) break;
      LineEnd start{static_cast<int>(cursor), 0};
      // A new run starts at the line end nearest where the last one stopped.
      if (!chains.empty() && !chains.back().empty()) {
        start = NearestUnvisitedEnd(ends, chains.back().back().point);
      } else if (startNear != nullptr) {
        start = NearestUnvisitedEnd(ends, *startNear);
      }
      int line = start.line;
      int entry = start.end;
      int direction = 0;
      Vertices chain;
      while (true) {
        visited_[static_cast<std::size_t>(line)] = true;
        AppendPiece(chain, Traverse(line, entry));
        const LineEnd exit{line, 1 - entry};
        LineEnd next{};
        bool forward = true;
        if (!NextAlongLoop(exit, direction, next, forward)) break;
        const LoopPlace& from = place(exit);
        const LoopPlace& to = place(next);
        const curve::BulgePath& loop = loops_[static_cast<std::size_t>(from.loop)];
        AppendPiece(chain,
                    forward ? PathPiece(loop, from.key(), to.key()) : Reversed(PathPiece(loop, to.key(), from.key())));
        line = next.line;
        entry = next.end;
      }
      chains.push_back(chain);
    }
    return chains;
  }

  // Lines in hatch order; with a point, row by row from the outer row nearer
  // the line start nearest it. Every line keeps its way.
  std::vector<Vertices> oneWay(const AcGePoint2d* startNear) const {
    std::vector<std::size_t> order(lines_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    if (startNear != nullptr) {
      std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return rows_[a] < rows_[b]; });
      std::size_t nearest = 0;
      for (std::size_t i = 1; i < lines_.size(); ++i)
        if (startNear->distanceTo(lines_[i].start) < startNear->distanceTo(lines_[nearest].start)) nearest = i;
      const long long row = rows_[nearest];
      if (rows_[order.back()] - row < row - rows_[order.front()]) std::reverse(order.begin(), order.end());
    }
    std::vector<Vertices> passes;
    for (std::size_t i : order) passes.push_back(Traverse(static_cast<int>(i), 0));
    return passes;
  }

 private:
  static long long Key(const LineEnd& end) { return 2LL * end.line + end.end; }
  const LoopPlace& place(const LineEnd& end) const { return places_[static_cast<std::size_t>(Key(end))]; }

  Vertices Traverse(int line, int entry) const {
    const ZigzagLine& l = lines_[static_cast<std::size_t>(line)];
    return entry == 0 ? Vertices{{l.start, 0.0}, {l.end, 0.0}} : Vertices{{l.end, 0.0}, {l.start, 0.0}};
  }

  std::vector<curve::Box2> EndBoxes() const {
    std::vector<curve::Box2> boxes(lines_.size() * 2);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      boxes[2 * i].add(lines_[i].start);
      boxes[2 * i + 1].add(lines_[i].end);
    }
    return boxes;
  }

  LineEnd NearestUnvisitedEnd(const curve::BoxTree& ends, const AcGePoint2d& point) const {
    LineEnd best{-1, 0};
    double bestDistance = 1e300;
    ends.nearest(point, 1e300, [&](int i) {
      const std::size_t line = static_cast<std::size_t>(i / 2);
      if (visited_[line]) return 1e300;
      const double distance = point.distanceTo(i % 2 == 0 ? lines_[line].start : lines_[line].end);
      if (distance < bestDistance) {
        bestDistance = distance;
        best = LineEnd{i / 2, i % 2};
      }
      return distance;
    });
    if (best.line >= 0) return best;
    for (std::size_t i = 0; i < lines_.size(); ++i)
      if (!visited_[i]) return LineEnd{static_cast<int>(i), 0};
    return LineEnd{0, 0};
  }

  // The neighbours of the end along its loop: a line of the next row in the
  // run's direction first (its first step settles the direction), else one of
  // the same row.
  bool NextAlongLoop(const LineEnd& exit, int& direction, LineEnd& next, bool& forward) const {
    const LoopPlace& at = place(exit);
    if (at.loop < 0) return false;
    const auto& ends = onLoop_[static_cast<std::size_t>(at.loop)];
    if (ends.size() < 2) return false;
    const std::size_t k = indexOnLoop_.at(Key(exit));
    const LineEnd candidates[2] = {ends[(k + 1) % ends.size()], ends[(k + ends.size() - 1) % ends.size()]};
    const long long row = rows_[static_cast<std::size_t>(exit.line)];
    const std::vector<int> steps = direction == 0 ? std::vector<int>{1, -1, 0} : std::vector<int>{direction, 0};
    for (int step : steps) {
      for (int c = 0; c < 2; ++c) {
        const LineEnd& candidate = candidates[c];
        if (visited_[static_cast<std::size_t>(candidate.line)]) continue;
        if (rows_[static_cast<std::size_t>(candidate.line)] != row + step) continue;
        next = candidate;
        forward = c == 0;
        if (direction == 0 && step != 0) direction = step;
        return true;
      }
    }
    return false;
  }

  const std::vector<curve::BulgePath>& loops_;
  const std::vector<ZigzagLine>& lines_;
  std::vector<long long> rows_;
  std::vector<LoopPlace> places_;
  std::vector<bool> visited_;
  std::vector<std::vector<LineEnd>> onLoop_;
  std::unordered_map<long long, std::size_t> indexOnLoop_;
};

// ---- the hatch ----------------------------------------------------------------

// The lines of one boundary and its islands, each its own loop, at the
// stepover; the factor is kept for the following boundaries.
bool HatchAtStepover(const AcDbObjectIdArray& loopIds, double angleDegrees, double stepover, double elevation,
                     double& factor, std::vector<ZigzagLine>& lines, double& spacing) {
  std::vector<AcDbObjectIdArray> loops;
  for (const AcDbObjectId& id : loopIds) {
    AcDbObjectIdArray one;
    one.append(id);
    loops.push_back(one);
  }
  AcGePoint2dArray starts, ends;
  if (!HatchLoopsAtStepover(loops, angleDegrees, stepover, elevation, factor, starts, ends, spacing)) return false;
  lines.clear();
  for (int i = 0; i < starts.length(); ++i) lines.push_back({starts[i], ends[i]});
  return true;
}

void SplitBoundariesAndIslands(const AcDbObjectIdArray& curves, int cutDirection, AcDbObjectIdArray& boundaries,
                               AcDbObjectIdArray& islands) {
  for (const AcDbObjectId& id : curves) {
    const bool clockwise = IsPolylineClockwise(id);
    const bool boundary = cutDirection == 1 ? clockwise : !clockwise;
    (boundary ? boundaries : islands).append(id);
  }
}

// The islands inside the boundary leave the pool; false when the boundary lies
// in an island (it gets no hatch).
bool ClaimIslands(AcDbObjectId boundary, AcDbObjectIdArray& pool, AcDbObjectIdArray& claimed) {
  for (int i = 0; i < pool.length();) {
    const int verdict = ClassifyCurveContainment(boundary, pool[i]);
    if (verdict == -1) return false;
    if (verdict == 1) {
      claimed.append(pool[i]);
      pool.removeAt(i);
    } else {
      ++i;
    }
  }
  return true;
}

AcDbObjectId AddPass(const Vertices& pass, double elevation) {
  std::vector<PolylineVertex> vertices;
  for (const curve::BulgeVertex& v : pass) vertices.push_back({v.point, v.bulge, 0.0, 0.0});
  return AddPolylineOfVertices(vertices, elevation, false);
}

}  // namespace

std::vector<std::vector<curve::BulgeVertex>> OrderZigzagLines(const std::vector<curve::BulgePath>& loops,
                                                              const std::vector<ZigzagLine>& lines, double spacing,
                                                              double angleDegrees, bool twoWay,
                                                              const AcGePoint2d* startNear) {
  if (lines.empty()) return {};
  ZigzagOrder order(loops, lines, spacing, angleDegrees);
  return twoWay ? order.twoWay(startNear) : order.oneWay(startNear);
}

bool BuildZigzagPasses(const AcDbObjectIdArray& curves, AcDbObjectIdArray& result, const CPocketDlg& dlg,
                       double elevation) {
  AcDbObjectIdArray boundaries, pool;
  SplitBoundariesAndIslands(curves, dlg.m_CutDirection, boundaries, pool);
  const double stepover = dlg.m_RoughStepover;
  const double angle = dlg.m_RoughAngle;
  const bool twoWay = dlg.m_RoughPattern != kPocketOneWayLinear;
  double factor = kFirstHatchSpacingFactor;
  // The roughing path starts at the picked point: the first boundary's lines
  // are cut from the end nearest it.
  const AcGePoint2d picked(dlg.m_StartX, dlg.m_StartY);
  const AcGePoint2d* startNear = dlg.m_StartPointOn != 0 ? &picked : nullptr;
  for (const AcDbObjectId& boundary : boundaries) {
    AcDbObjectIdArray loopIds;
    loopIds.append(boundary);
    if (!ClaimIslands(boundary, pool, loopIds)) continue;
    std::vector<ZigzagLine> lines;
    double spacing = stepover;
    if (!HatchAtStepover(loopIds, angle, stepover, elevation, factor, lines, spacing) || lines.empty()) continue;
    std::vector<curve::BulgePath> loops;
    for (const AcDbObjectId& id : loopIds) {
      curve::BulgePath path;
      if (ReadPlanPath(id, path)) {
        path.closed = true;
        loops.push_back(path);
      }
    }
    AcDbObjectIdArray passes;
    for (const Vertices& pass : OrderZigzagLines(loops, lines, spacing, angle, twoWay, startNear)) {
      if (pass.size() < 2) continue;
      const AcDbObjectId id = AddPass(pass, elevation);
      if (!id.isNull()) passes.append(id);
    }
    if (passes.isEmpty()) continue;
    AcDbObjectId marker;
    if (AddMarkerPoint(kMarkerBranch, marker, 0.0, passes.first())) result.append(marker);
    result.append(passes);
    startNear = nullptr;
  }
  return true;
}
