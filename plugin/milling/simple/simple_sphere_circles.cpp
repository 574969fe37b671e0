#include "plugin/milling/simple/simple_sphere_circles.h"

#include <cmath>

#include "plugin/geometry/plane_geometry.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAtZero = 0.00001;
constexpr double kLeastCircle = 1e-6;

SphereToolCircle CavityCircle(const SimpleSphereShape& s, double degrees) {
  const double c = std::cos(degrees * kDegreeFactor), n = std::sin(degrees * kDegreeFactor);
  const double half = s.toolDiameter / 2.0;
  switch (s.toolType) {
    case 1:
      return {(s.radius - s.allowance) * c - half, -(s.radius - s.allowance) * n};
    case 3: {
      const double k = s.radius - s.allowance - s.cornerRadius;
      return {k * c - (half - s.cornerRadius), -k * n - s.cornerRadius};
    }
    default: {
      const double l = s.radius - s.allowance - half;
      return {l * c, -l * n - half};
    }
  }
}

SphereToolCircle CoreCircle(const SimpleSphereShape& s, double degrees) {
  const double c = std::cos(degrees * kDegreeFactor), n = std::sin(degrees * kDegreeFactor);
  const double half = s.toolDiameter / 2.0;
  switch (s.toolType) {
    case 1:
      return {(s.allowance + s.radius) * c + half, (s.allowance + s.radius) * n};
    case 3: {
      const double k = s.allowance + s.cornerRadius + s.radius;
      return {k * c + (half - s.cornerRadius), k * n - s.cornerRadius};
    }
    default: {
      const double l = half + s.allowance + s.radius;
      return {l * c, l * n - half};
    }
  }
}

}  // namespace

int SphereAngleSteps(const SimpleSphereShape& shape, double& step) {
  step = 0.0;
  const double span = shape.endAngle - shape.startAngle;
  if (!(shape.radius > 0.0) || !(shape.stepover > 0.0) || !(span > 0.0)) return 0;
  step = 360.0 / (2.0 * kPi * shape.radius / shape.stepover);
  int count = static_cast<int>(std::min(span / step, 1e9));
  if (span > count * step) {
    ++count;
    step = span / count;
  }
  return count;
}

std::vector<SphereToolCircle> SphereToolCircles(const SimpleSphereShape& shape) {
  double step = 0.0;
  const int count = SphereAngleSteps(shape, step);
  std::vector<SphereToolCircle> circles;
  if (count == 0) return circles;
  const bool atZero = shape.startAngle < kAtZero;
  // The core's top circle at 0 degrees is the pole itself.
  const int first = shape.form == kSphereCore && atZero ? 1 : 0;
  for (int i = first; i <= count; ++i) {
    const double angle = shape.startAngle + i * step;
    SphereToolCircle circle =
        shape.form == kSphereCavity ? CavityCircle(shape, angle) : CoreCircle(shape, 90.0 - angle);
    if (!(circle.radius > kLeastCircle)) continue;
    circle.z += shape.centreZ;
    circles.push_back(circle);
  }
  return circles;
}
