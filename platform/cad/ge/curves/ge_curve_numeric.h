#pragma once

#include <algorithm>
#include <cmath>

#include "platform/cad/ge/ge_interval.h"

// Numerical fall-backs for curves without closed forms (internal to the library).
namespace ge_detail {

inline void boundedRange(const AcGeInterval& range, double& lo, double& hi) {
  lo = range.isBoundedBelow() ? range.lowerBound() : -1e6;
  hi = range.isBoundedAbove() ? range.upperBound() : 1e6;
  if (!range.isBoundedBelow() && range.isBoundedAbove()) lo = hi - 2e6;
  if (range.isBoundedBelow() && !range.isBoundedAbove()) hi = lo + 2e6;
}

// Central differences, one-sided at the ends of the range.
template <class V, class F>
V numericDeriv(const AcGeInterval& range, double t, int order, F point) {
  double lo, hi;
  boundedRange(range, lo, hi);
  const double h = 1e-5 * std::max(1.0, hi - lo);
  double a = t - h, b = t + h;
  if (a < lo) {
    a = t;
    b = t + 2 * h;
  } else if (b > hi) {
    b = t;
    a = t - 2 * h;
  }
  if (order <= 1) return (point(b) - point(a)) / (b - a);
  const double m = (a + b) / 2;
  return (point(b) - point(m) * 2.0 + point(a)) / (h * h);
}

// Parameter of least distance: dense sampling, then golden-section search around the best sample.
template <class F>
double nearestParam(const AcGeInterval& range, F dist) {
  double lo, hi;
  boundedRange(range, lo, hi);
  const int samples = 128;
  int best = 0;
  double bestDist = dist(lo);
  for (int i = 1; i <= samples; ++i) {
    const double d = dist(lo + (hi - lo) * i / samples);
    if (d < bestDist) {
      bestDist = d;
      best = i;
    }
  }
  double a = lo + (hi - lo) * std::max(best - 1, 0) / samples;
  double b = lo + (hi - lo) * std::min(best + 1, samples) / samples;
  const double g = (std::sqrt(5.0) - 1.0) / 2.0;
  double c = b - g * (b - a), d = a + g * (b - a);
  double fc = dist(c), fd = dist(d);
  for (int i = 0; i < 100 && b - a > 1e-15 * std::max(1.0, std::fabs(a)); ++i) {
    if (fc < fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - g * (b - a);
      fc = dist(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + g * (b - a);
      fd = dist(d);
    }
  }
  const double t = (a + b) / 2;
  const double lastSample = lo + (hi - lo) * best / samples;
  return dist(t) <= bestDist ? t : lastSample;
}

// Composite five-point Gauss-Legendre.
template <class F>
double integrate(double a, double b, F f) {
  static const double x[5] = {-0.9061798459386640, -0.5384693101056831, 0.0, 0.5384693101056831, 0.9061798459386640};
  static const double w[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889, 0.4786286704993665,
                              0.2369268850561891};
  const int pieces = 64;
  const double step = (b - a) / pieces;
  double sum = 0.0;
  for (int p = 0; p < pieces; ++p) {
    const double mid = a + step * (p + 0.5);
    for (int k = 0; k < 5; ++k) sum += w[k] * f(mid + x[k] * step / 2);
  }
  return sum * step / 2;
}

// Parameter at the given arc length from datum, found by bisection; clamped to the range.
template <class L>
double paramAtLength(const AcGeInterval& range, double datum, double len, bool forward, L lengthBetween) {
  double lo, hi;
  boundedRange(range, lo, hi);
  double a = datum, b = forward ? hi : lo;
  if (lengthBetween(a, b) <= len) return b;
  for (int i = 0; i < 200 && std::fabs(b - a) > 1e-14 * std::max(1.0, std::fabs(a)); ++i) {
    const double m = (a + b) / 2;
    if (lengthBetween(datum, m) < len)
      a = m;
    else
      b = m;
  }
  return (a + b) / 2;
}

}  // namespace ge_detail
