#include "platform/cad/curve/offset_oracle/offset_shapes.h"

#include <algorithm>
#include <cmath>

namespace curve::oracle {

namespace {

AcGePoint2d polar(double radius, double angle) { return {radius * std::cos(angle), radius * std::sin(angle)}; }

double uniform(std::mt19937_64& random, double from, double to) {
  return std::uniform_real_distribution<double>(from, to)(random);
}

}  // namespace

BulgePath closedPath(std::initializer_list<BulgeVertex> vertices) {
  BulgePath p;
  p.closed = true;
  p.vertices = vertices;
  return p;
}

BulgePath dentedSquare(double size, double dent) {
  return closedPath({{{0, 0}, 0}, {{size / 2, dent}, 0}, {{size, 0}, 0}, {{size, size}, 0}, {{0, size}, 0}});
}

BulgePath nearTangentArcs(double chord, double gap) {
  const AcGePoint2d p1(chord, 0.0);
  const AcGePoint2d p2 = p1 + AcGeVector2d(std::cos(gap), std::sin(gap)) * chord;
  return closedPath({{{0, 0}, 0.15}, {p1, -0.15}, {p2, 0}, {{p2.x, p2.y + chord}, 0}, {{0, chord}, 0}});
}

BulgePath regularPolygon(int sides, double radius) {
  BulgePath p;
  p.closed = true;
  for (int i = 0; i < sides; ++i) p.vertices.push_back({polar(radius, i * kTwoPi / sides), 0.0});
  return p;
}

BulgePath cuspedBlock(double radius) {
  const double r = radius;
  return closedPath({{{2 * r, 0}, 1.0}, {{0, 0}, 1.0}, {{-2 * r, 0}, 0}, {{-2 * r, -3 * r}, 0}, {{2 * r, -3 * r}, 0}});
}

BulgePath gear(int vertices, double radius, int pitch) {
  BulgePath p;
  p.closed = true;
  for (int i = 0; i < vertices; ++i) {
    const double r = radius + (i % pitch < pitch / 2 ? radius / 30 : 0.0);
    p.vertices.push_back({polar(r, i * kTwoPi / vertices), i % 2 == 0 ? 0.3 : 0.0});
  }
  return p;
}

BulgePath spikedSquare(double size, double spikeWidth) {
  const double mid = size / 2;
  return closedPath({{{0, 0}, 0},
                     {{mid, 0}, 0},
                     {{mid, -size / 3}, 0},
                     {{mid + spikeWidth, 0}, 0},
                     {{size, 0}, 0},
                     {{size, size}, 0},
                     {{0, size}, 0}});
}

BulgePath randomClosedPath(std::mt19937_64& random, double size, int maxSides) {
  const double roll = uniform(random, 0.0, 1.0);
  const int sides = roll < 0.15 && maxSides > 200 ? static_cast<int>(uniform(random, 200, maxSides))
                                                  : static_cast<int>(uniform(random, 3, 40));
  const double wobble = sides > 100 ? uniform(random, 0.0, 0.02) : uniform(random, 0.0, 0.5);
  std::vector<double> angles;
  for (int i = 0; i < sides; ++i) angles.push_back(sides > 100 ? i * kTwoPi / sides : uniform(random, 0.0, kTwoPi));
  std::sort(angles.begin(), angles.end());
  BulgePath p;
  p.closed = true;
  for (int i = 0; i < sides; ++i) {
    const double a = angles[static_cast<size_t>(i)];
    const double gapAfter = (i + 1 < sides ? angles[static_cast<size_t>(i + 1)] : angles[0] + kTwoPi) - a;
    const double r = size / 2 * (1.0 - wobble * uniform(random, 0.0, 1.0));
    const double feature = uniform(random, 0.0, 1.0);
    double bulge = 0.0;
    if (sides <= 100 && feature < 0.3) bulge = uniform(random, -0.25, 0.25) * std::min(1.0, gapAfter);
    p.vertices.push_back({polar(r, a), bulge});
    if (sides > 100 || gapAfter < 0.05) continue;
    const AcGePoint2d here = polar(r, a);
    if (feature > 0.9) {
      // A thin spike straight out.
      const double tipAngle = a + gapAfter / 2;
      const double width = size * std::pow(10.0, uniform(random, -7.0, -3.0));
      const AcGePoint2d base = polar(r * std::cos(gapAfter / 2), tipAngle);
      const AcGeVector2d along = AcGeVector2d(-std::sin(tipAngle), std::cos(tipAngle)) * (width / 2);
      p.vertices.back().bulge = 0.0;
      p.vertices.push_back({base - along, 0.0});
      p.vertices.push_back({polar(r + size * 0.2, tipAngle), 0.0});
      p.vertices.push_back({base + along, 0.0});
    } else if (feature > 0.75) {
      // A shallow dent: a vertex a hair off the chord to the next one.
      const AcGePoint2d next = polar(r, a + gapAfter);
      const AcGeVector2d chord = next - here;
      const double off = chord.length() * std::pow(10.0, uniform(random, -5.0, -2.0)) * (feature > 0.82 ? 1 : -1);
      p.vertices.back().bulge = 0.0;
      p.vertices.push_back({here + chord / 2 + chord.perpVector().normal() * off, 0.0});
    } else if (feature > 0.6) {
      // Two arcs meeting almost tangentially at the middle of the chord.
      const AcGePoint2d next = polar(r, a + gapAfter);
      const AcGeVector2d chord = next - here;
      const double b = uniform(random, 0.05, 0.2);
      const double turn = std::pow(10.0, uniform(random, -6.0, -2.0)) * (feature > 0.67 ? 1 : -1);
      p.vertices.back().bulge = b;
      p.vertices.push_back({here + chord / 2 + chord.perpVector() * (turn / 4), -b});
    }
  }
  return p;
}

}  // namespace curve::oracle
