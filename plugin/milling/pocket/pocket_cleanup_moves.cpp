#include "plugin/milling/pocket/pocket_cleanup_moves.h"

#include <cmath>

#include "plugin/milling/pocket/pocket_link_area.h"
#include "plugin/milling/pocket/pocket_plan_paths.h"
#include "plugin/milling/pocket/pocket_rest_boundaries.h"

namespace {

constexpr int kProbeDirections = 8;
// A little inside the reach, so that points the tool just touches count as cut.
constexpr double kReachSlack = 0.02;

}  // namespace

void AddContourCleanupMoves(const AcDbObjectIdArray& rings, const AcDbObjectIdArray& halfRings,
                            const PocketLinkArea& reachable, double stepover, double radius, double elevation,
                            AcDbObjectIdArray& result) {
  const PocketLinkArea cut = PocketLinkArea::FromPolylines(rings);
  if (cut.empty() || reachable.empty()) return;
  const double reach = radius - kReachSlack;
  // Material a ring leaves lies within half a stepover of the halfway ring:
  // probe around each of its points for a place no ring reaches.
  // Only "nearer than the reach" is asked, never the distance itself.
  auto cleared = [&](const AcGePoint2d& at) {
    // No probe lies farther from a ring than the point itself plus the probe's reach.
    if (cut.comesWithin(at, reach, stepover / 2.0)) return true;
    for (double distance : {stepover / 2.0, stepover / 4.0}) {
      for (int k = 0; k < kProbeDirections; ++k) {
        const double angle = 2.0 * M_PI * k / kProbeDirections;
        const AcGePoint2d probe(at.x + distance * std::cos(angle), at.y + distance * std::sin(angle));
        if (!cut.comesWithin(probe, reach) && reachable.contains(probe)) return false;
      }
    }
    return true;
  };
  for (const AcDbObjectId& id : halfRings) {
    curve::BulgePath loop;
    if (!ReadPlanPath(id, loop) || loop.vertices.size() < 2) continue;
    loop.closed = true;
    AddPlanPieces(UnreachedRuns(loop, cleared), elevation, result);
  }
}
