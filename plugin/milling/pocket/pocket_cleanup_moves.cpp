#include "plugin/milling/pocket/pocket_cleanup_moves.h"

#include <cmath>

#include "plugin/milling/pocket/pocket_link_area.h"
#include "plugin/milling/pocket/pocket_plan_paths.h"
#include "plugin/milling/pocket/pocket_rest_boundaries.h"

namespace {

constexpr int kProbeDirections = 8;
// A little inside the reach, so that points the tool just touches count as cut.
constexpr double kReachSlack = 0.02;
// Kept from the reach when a probe is judged from an earlier distance, well above rounding.
constexpr double kJudgedMargin = 1e-9;

// Whether the tool reaches all around a point of a halfway ring, asked at
// points one after the other along it. A probe moves as far as the point does,
// and its distance from the rings changes by no more: one measured well inside
// the reach answers for the points near it without another query.
class ClearedProbes {
 public:
  ClearedProbes(const PocketLinkArea& cut, const PocketLinkArea& reachable, double stepover, double reach)
      : cut_(cut), reachable_(reachable), reach_(reach), bound_(reach * 1.5 + 1e-6), stepover_(stepover) {
    offsets_.push_back({0.0, 0.0});
    for (double distance : {stepover / 2.0, stepover / 4.0}) {
      for (int k = 0; k < kProbeDirections; ++k) {
        const double angle = 2.0 * M_PI * k / kProbeDirections;
        offsets_.push_back({distance * std::cos(angle), distance * std::sin(angle)});
      }
    }
    measured_.resize(offsets_.size());
  }

  bool operator()(const AcGePoint2d& at) {
    // No probe lies farther from a ring than the point itself plus the probe's reach.
    if (knownWithin(0, at, stepover_ / 2.0)) return true;
    measured_[0] = {at, cut_.distanceTo(at, bound_), true};
    if (measured_[0].distance + stepover_ / 2.0 <= reach_) return true;
    for (std::size_t k = 1; k < offsets_.size(); ++k) {
      if (knownWithin(k, at, 0.0)) continue;
      const AcGePoint2d probe(at.x + offsets_[k].x, at.y + offsets_[k].y);
      const double distance = cut_.distanceTo(probe, bound_);
      measured_[k] = {at, distance, true};
      if (distance > reach_ && reachable_.contains(probe)) return false;
    }
    return true;
  }

 private:
  struct Measured {
    AcGePoint2d at;
    double distance = 0.0;
    bool valid = false;
  };

  // Whether probe k's distance, judged from its last measure, is within the reach
  // less the added length for sure.
  bool knownWithin(std::size_t k, const AcGePoint2d& at, double added) const {
    const Measured& m = measured_[k];
    return m.valid && m.distance + m.at.distanceTo(at) + added + kJudgedMargin <= reach_;
  }

  const PocketLinkArea& cut_;
  const PocketLinkArea& reachable_;
  double reach_;
  double bound_;
  double stepover_;
  std::vector<AcGeVector2d> offsets_;
  std::vector<Measured> measured_;
};

}  // namespace

void AddContourCleanupMoves(const AcDbObjectIdArray& rings, const AcDbObjectIdArray& halfRings,
                            const PocketLinkArea& reachable, double stepover, double radius, double elevation,
                            AcDbObjectIdArray& result) {
  const PocketLinkArea cut = PocketLinkArea::FromPolylines(rings);
  if (cut.empty() || reachable.empty()) return;
  ClearedProbes probes(cut, reachable, stepover, radius - kReachSlack);
  auto cleared = [&](const AcGePoint2d& at) { return probes(at); };
  for (const AcDbObjectId& id : halfRings) {
    curve::BulgePath loop;
    if (!ReadPlanPath(id, loop) || loop.vertices.size() < 2) continue;
    loop.closed = true;
    AddPlanPieces(UnreachedRuns(loop, cleared), elevation, result);
  }
}
