#include "plugin/geometry/polyline/arc_caps.h"

#include <cmath>

namespace {

// A point this near an arc's chord (in chord lengths) is moved off it by kChordNudge.
constexpr double kOnChord = 1e-9;
constexpr double kChordNudge = 1e-7;

}  // namespace

bool InsideArcCap(const curve::BulgeSeg& segment, const AcGePoint2d& p) {
  const curve::Arc2 arc = segment.arc();
  if (!(p.distanceTo(arc.center) < arc.radius)) return false;
  const AcGeVector2d chord = segment.end - segment.start;
  const double sideOfPoint = chord.crossProduct(p - segment.start);
  const double sideOfArc = chord.crossProduct(segment.midPoint() - segment.start);
  return sideOfPoint * sideOfArc > 0.0;
}

void MoveOffArcChord(const curve::BulgeSeg& segment, AcGePoint2d& p) {
  if (!segment.isArc()) return;
  const AcGeVector2d chord = segment.end - segment.start;
  const double length = chord.length();
  if (length == 0.0 || !(p.distanceTo(segment.arc().center) < segment.arc().radius)) return;
  if (std::fabs(chord.crossProduct(p - segment.start)) > kOnChord * length) return;
  AcGeVector2d towardsArc(-chord.y / length, chord.x / length);
  if (towardsArc.dotProduct(segment.midPoint() - segment.start) < 0.0) towardsArc = -towardsArc;
  p += towardsArc * kChordNudge;
}
