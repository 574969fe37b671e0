#include "host/commands/tangent_arc.h"

#include <cmath>

namespace host {

namespace {

constexpr double kTiny = 1e-12;

AcGeVector2d Rotated(const AcGeVector2d& v, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return AcGeVector2d(v.x * c - v.y * s, v.x * s + v.y * c);
}

}  // namespace

std::optional<double> TangentArcBulge(const AcGePoint2d& from, const AcGeVector2d& direction, const AcGePoint2d& to) {
  const AcGeVector2d chord = to - from;
  const double chord_length = chord.length();
  const double direction_length = direction.length();
  if (chord_length < kTiny || direction_length < kTiny) return std::nullopt;
  // The signed angle from the start direction to the chord; the sweep is twice it.
  const double cross = direction.x * chord.y - direction.y * chord.x;
  const double dot = direction.x * chord.x + direction.y * chord.y;
  const double turn = std::atan2(cross, dot);
  if (std::abs(std::abs(turn) - M_PI) < 1e-9) return std::nullopt;
  return std::tan(turn / 2.0);
}

AcGeVector2d SegmentEndDirection(const AcGePoint2d& from, const AcGePoint2d& to, double bulge) {
  AcGeVector2d chord = to - from;
  const double length = chord.length();
  if (length < kTiny) return AcGeVector2d(1.0, 0.0);
  chord /= length;
  return Rotated(chord, 2.0 * std::atan(bulge));
}

}  // namespace host
