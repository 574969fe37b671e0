#include "platform/cad/curve/hatch_pattern.h"

#include <strings.h>

#include <cmath>

namespace hatch {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct NamedPattern {
  const char* name;
  std::vector<PatternLine> lines;
};

// The few classic definitions the house needs (angles in degrees in the usual .pat form).
const std::vector<NamedPattern>& patternTable() {
  static const std::vector<NamedPattern> table = [] {
    auto line = [](double degrees, double bx, double by, double ox, double oy) {
      return PatternLine{degrees * kPi / 180.0, AcGePoint2d(bx, by), AcGeVector2d(ox, oy), {}};
    };
    return std::vector<NamedPattern>{
        {"SOLID", {}},
        {"LINE", {line(0, 0, 0, 0, 0.125)}},
        {"ANSI31", {line(45, 0, 0, 0, 0.125)}},
        {"NET", {line(0, 0, 0, 0, 0.125), line(90, 0, 0, 0, 0.125)}},
    };
  }();
  return table;
}

}  // namespace

AcGeVector2d directionOf(double angle) {
  const double quarters = angle / (kPi / 2.0);
  const double nearest = std::round(quarters);
  if (std::fabs(quarters - nearest) < 1e-12) {
    switch (((static_cast<long long>(nearest) % 4) + 4) % 4) {
      case 0:
        return {1.0, 0.0};
      case 1:
        return {0.0, 1.0};
      case 2:
        return {-1.0, 0.0};
      default:
        return {0.0, -1.0};
    }
  }
  return {std::cos(angle), std::sin(angle)};
}

bool predefinedPattern(const std::string& name, std::vector<PatternLine>& lines) {
  for (const NamedPattern& pattern : patternTable()) {
    if (strcasecmp(pattern.name, name.c_str()) == 0) {
      lines = pattern.lines;
      return true;
    }
  }
  return false;
}

bool isSolidPatternName(const std::string& name) { return strcasecmp(name.c_str(), "SOLID") == 0; }

std::vector<PatternLine> placePattern(const std::vector<PatternLine>& unit, double angle, double scale,
                                      const AcGePoint2d& origin) {
  const AcGeVector2d x = directionOf(angle);
  const AcGeVector2d y(-x.y, x.x);
  auto turn = [&](double px, double py) { return x * (px * scale) + y * (py * scale); };
  std::vector<PatternLine> placed;
  for (const PatternLine& line : unit) {
    PatternLine p;
    p.angle = line.angle + angle;
    p.base = origin + turn(line.base.x, line.base.y);
    p.offset = turn(line.offset.x, line.offset.y);
    for (double dash : line.dashes) p.dashes.push_back(dash * scale);
    placed.push_back(std::move(p));
  }
  return placed;
}

std::vector<PatternLine> userPattern(double angle, double space, bool isDouble, const AcGePoint2d& origin) {
  std::vector<PatternLine> lines;
  for (int family = 0; family < (isDouble ? 2 : 1); ++family) {
    const double a = angle + family * kPi / 2.0;
    const AcGeVector2d d = directionOf(a);
    lines.push_back(PatternLine{a, origin, AcGeVector2d(-d.y, d.x) * space, {}});
  }
  return lines;
}

}  // namespace hatch
