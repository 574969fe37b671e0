#include "plugin/milling/simple/simple_radial_paths.h"

#include <algorithm>
#include <cmath>

#include "plugin/milling/simple/simple_cycle_outlines.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kChordTolerance = 0.01;
constexpr double kLeastSpiralRadius = 0.1;

void AppendPoint(std::vector<PolylineVertex>& vertices, const AcGePoint2d& point) {
  // Zero-length chords give later steps no direction.
  if (!vertices.empty() && vertices.back().point.distanceTo(point) <= 1e-9) return;
  PolylineVertex vertex;
  vertex.point = point;
  vertices.push_back(vertex);
}

AcGePoint2d OnCircle(const AcGePoint2d& centre, double radius, double radians) {
  return AcGePoint2d(centre.x + radius * std::cos(radians), centre.y + radius * std::sin(radians));
}

// The chord points of one full turn at a fixed radius, the start repeated at the end.
void AppendChordCircle(std::vector<PolylineVertex>& vertices, const AcGePoint2d& centre, double radius) {
  const double points = SpiralPointsPerTurn(radius);
  const double step = 2.0 * kPi / points;
  for (int k = 0; k <= points; ++k) AppendPoint(vertices, OnCircle(centre, radius, k * step));
  AppendPoint(vertices, OnCircle(centre, radius, 0.0));
}

}  // namespace

RadialRing CompensatedRadialRing(const SimpleRadialShape& shape) {
  const double widen = 2.0 * shape.allowance + shape.toolDiameter;
  double inner = shape.innerDiameter, outer = shape.outerDiameter;
  if (shape.compensation == kRadialOutside) {
    inner = std::max(0.0, inner - widen);
    outer += widen;
  } else if (shape.compensation == kRadialInside) {
    inner += widen;
    outer = std::max(0.0, outer - widen);
  }
  outer = std::max(outer, inner);
  return {inner / 2.0, outer / 2.0};
}

int RadialRingCount(const RadialRing& ring, double stepover) {
  const double w = ring.width();
  if (!(w > 0.0) || !(stepover > 0.0)) return 1;
  return std::max(1, static_cast<int>(std::min(w / stepover, 1e9)) + 1);
}

std::vector<PolylineVertex> RadialCirclePath(const SimpleRadialShape& shape) {
  const RadialRing ring = CompensatedRadialRing(shape);
  const int count = RadialRingCount(ring, shape.stepover);
  const double spacing = ring.width() / count;
  std::vector<PolylineVertex> path;
  OutlineVertices out(path);
  for (int k = 0; k <= count; ++k) {
    const double radius = std::max(0.0, ring.outer - k * spacing);
    if (radius > 0.0) {
      AddCircleOutline(out, shape.centre.x, shape.centre.y, radius);
    } else {
      out.Add(shape.centre.x, shape.centre.y);
    }
  }
  return path;
}

int RadialSpiralTurns(const RadialRing& ring, double stepover, double& spacing) {
  const double w = ring.width();
  spacing = stepover;
  if (!(w > 0.0) || !(stepover > 0.0)) return 0;
  // Ceiling: the last turn ends on the outer radius, never a turn beyond it.
  const int turns = std::max(1, static_cast<int>(std::ceil(w / stepover - 1e-9)));
  spacing = w / turns;
  return turns;
}

double SpiralPointsPerTurn(double rho) {
  const double chord = std::acos((rho - kChordTolerance) / rho) * 180.0 / kPi;
  return 360.0 / chord;
}

std::vector<PolylineVertex> RadialSpiralPath(const SimpleRadialShape& shape) {
  RadialRing ring = CompensatedRadialRing(shape);
  std::vector<PolylineVertex> path;
  if (ring.inner > kLeastSpiralRadius) {
    AppendChordCircle(path, shape.centre, ring.inner);
  } else {
    AppendPoint(path, shape.centre);
    ring.inner = std::min(kLeastSpiralRadius, ring.outer);
  }
  double spacing = 0.0;
  const int turns = RadialSpiralTurns(ring, shape.stepover, spacing);
  for (int i = 0; i < turns; ++i) {
    const double base = ring.inner + i * spacing;
    const double points = SpiralPointsPerTurn(base);
    const double step = 2.0 * kPi / points;
    double radius = base;
    for (int k = 1; k <= points; ++k) {
      radius += spacing / points;
      AppendPoint(path, OnCircle(shape.centre, radius, k * step));
    }
    // A real point count leaves the turn short of a full round by its fraction.
    AppendPoint(path, OnCircle(shape.centre, base + spacing, 0.0));
  }
  if (ring.outer > kLeastSpiralRadius) AppendChordCircle(path, shape.centre, ring.outer);
  return path;
}

double RadialSpiralPointEstimate(const SimpleRadialShape& shape) {
  const RadialRing ring = CompensatedRadialRing(shape);
  double spacing = 0.0;
  const double turns = RadialSpiralTurns(ring, shape.stepover, spacing);
  const double perTurn = SpiralPointsPerTurn(std::max(ring.outer, kLeastSpiralRadius));
  return (turns + 2.0) * perTurn;
}

int RadialLineCount(const RadialRing& ring, double stepover) {
  if (!(stepover > 0.0)) return 0;
  return static_cast<int>(std::min(kPi * 2.0 * ring.outer / stepover, 1e9));
}

std::vector<std::pair<AcGePoint2d, AcGePoint2d>> RadialLines(const SimpleRadialShape& shape) {
  const RadialRing ring = CompensatedRadialRing(shape);
  const int count = RadialLineCount(ring, shape.stepover);
  std::vector<std::pair<AcGePoint2d, AcGePoint2d>> lines;
  for (int k = 0; k < count; ++k) {
    const double angle = k * (360.0 / count) * kPi / 180.0;
    const AcGePoint2d inner = OnCircle(shape.centre, ring.inner, angle);
    const AcGePoint2d outer = OnCircle(shape.centre, ring.outer, angle);
    lines.emplace_back(shape.startOutside ? inner : outer, shape.startOutside ? outer : inner);
  }
  return lines;
}
