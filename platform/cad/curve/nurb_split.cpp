#include "platform/cad/curve/nurb_split.h"

#include <array>
#include <cmath>
#include <vector>

namespace curve {

namespace {

using HPoint = std::array<double, 4>;  // w x, w y, w z, w

struct Homogeneous {
  int degree = 0;
  std::vector<double> knots;
  std::vector<HPoint> ctrl;
};

Homogeneous toHomogeneous(const AcGeNurbCurve3d& c) {
  Homogeneous h;
  h.degree = c.degree();
  for (int i = 0; i < c.numKnots(); ++i) h.knots.push_back(c.knotAt(i));
  for (int i = 0; i < c.numControlPoints(); ++i) {
    const double w = c.numWeights() > 0 ? c.weightAt(i) : 1.0;
    const AcGePoint3d p = c.controlPointAt(i);
    h.ctrl.push_back({p.x * w, p.y * w, p.z * w, w});
  }
  return h;
}

AcGeNurbCurve3d fromHomogeneous(const Homogeneous& h, bool rational) {
  AcGePoint3dArray pts;
  AcGeDoubleArray weights, knots;
  for (const HPoint& q : h.ctrl) {
    pts.append(AcGePoint3d(q[0] / q[3], q[1] / q[3], q[2] / q[3]));
    if (rational) weights.append(q[3]);
  }
  for (double k : h.knots) knots.append(k);
  AcGeNurbCurve3d out;
  out.set(h.degree, AcGeKnotVector(knots), pts, weights, false);
  return out;
}

int multiplicity(const std::vector<double>& knots, double t, int& first) {
  int m = 0;
  first = -1;
  for (size_t i = 0; i < knots.size(); ++i)
    if (std::fabs(knots[i] - t) <= 1e-12 * std::max(1.0, std::fabs(t))) {
      if (first < 0) first = static_cast<int>(i);
      ++m;
    }
  return m;
}

// Boehm's insertion of one knot t.
void insertKnot(Homogeneous& h, double t) {
  const int p = h.degree;
  const int n = static_cast<int>(h.ctrl.size());
  int k = p;
  while (k + 1 < n && h.knots[static_cast<size_t>(k + 1)] <= t) ++k;
  std::vector<HPoint> out;
  out.reserve(static_cast<size_t>(n + 1));
  for (int i = 0; i <= n; ++i) {
    if (i <= k - p) {
      out.push_back(h.ctrl[static_cast<size_t>(i)]);
    } else if (i > k) {
      out.push_back(h.ctrl[static_cast<size_t>(i - 1)]);
    } else {
      const double lo = h.knots[static_cast<size_t>(i)], hi = h.knots[static_cast<size_t>(i + p)];
      const double alpha = hi > lo ? (t - lo) / (hi - lo) : 0.0;
      HPoint q;
      for (int c = 0; c < 4; ++c)
        q[c] = (1.0 - alpha) * h.ctrl[static_cast<size_t>(i - 1)][c] + alpha * h.ctrl[static_cast<size_t>(i)][c];
      out.push_back(q);
    }
  }
  h.ctrl = std::move(out);
  h.knots.insert(h.knots.begin() + k + 1, t);
}

void insertUpTo(Homogeneous& h, double t) {
  int first = 0;
  for (int m = multiplicity(h.knots, t, first); m < h.degree; ++m) insertKnot(h, t);
}

}  // namespace

bool nurbPiece(const AcGeNurbCurve3d& curve, double a, double b, AcGeNurbCurve3d& piece) {
  if (!curve.isValid() || !(a < b)) return false;
  Homogeneous h = toHomogeneous(curve);
  const int p = h.degree;
  insertUpTo(h, a);
  insertUpTo(h, b);
  int s = 0, e = 0;
  const int ma = multiplicity(h.knots, a, s);
  multiplicity(h.knots, b, e);
  const int ca = s + ma - p - 1, cb = e - 1;
  if (ca < 0 || cb >= static_cast<int>(h.ctrl.size()) || cb < ca) return false;
  Homogeneous out;
  out.degree = p;
  out.ctrl.assign(h.ctrl.begin() + ca, h.ctrl.begin() + cb + 1);
  out.knots.assign(static_cast<size_t>(p + 1), a);
  for (int i = s + ma; i < e; ++i) out.knots.push_back(h.knots[static_cast<size_t>(i)]);
  out.knots.insert(out.knots.end(), static_cast<size_t>(p + 1), b);
  piece = fromHomogeneous(out, curve.isRational());
  return piece.isValid();
}

bool joinNurbs(const AcGeNurbCurve3d& first, const AcGeNurbCurve3d& second, AcGeNurbCurve3d& joined) {
  if (!first.isValid() || !second.isValid() || first.degree() != second.degree()) return false;
  Homogeneous a = toHomogeneous(first), b = toHomogeneous(second);
  const int p = a.degree;
  // Scaling all weights of a rational piece keeps its shape: make the joint's weights agree.
  const double scale = a.ctrl.back()[3] / b.ctrl.front()[3];
  for (HPoint& q : b.ctrl)
    for (double& c : q) c *= scale;
  const double shift = a.knots.back() - b.knots.front();
  Homogeneous out;
  out.degree = p;
  out.ctrl = a.ctrl;
  out.ctrl.insert(out.ctrl.end(), b.ctrl.begin() + 1, b.ctrl.end());
  out.knots.assign(a.knots.begin(), a.knots.end() - 1);
  for (size_t i = static_cast<size_t>(p + 1); i < b.knots.size(); ++i) out.knots.push_back(b.knots[i] + shift);
  joined = fromHomogeneous(out, first.isRational() || second.isRational());
  return joined.isValid();
}

}  // namespace curve

namespace curve {

namespace {

double speed(const AcGeNurbCurve3d& c, double t) {
  AcGeVector3dArray d;
  c.evalPoint(t, 1, d);
  return d[0].length();
}

double gauss(const AcGeNurbCurve3d& c, double a, double b) {
  static const double x[5] = {-0.9061798459386640, -0.5384693101056831, 0.0, 0.5384693101056831, 0.9061798459386640};
  static const double w[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889, 0.4786286704993665,
                              0.2369268850561891};
  double sum = 0.0;
  for (int k = 0; k < 5; ++k) sum += w[k] * speed(c, (a + b) / 2 + x[k] * (b - a) / 2);
  return sum * (b - a) / 2;
}

double adaptive(const AcGeNurbCurve3d& c, double a, double b, double whole, int depth) {
  const double m = (a + b) / 2;
  const double left = gauss(c, a, m), right = gauss(c, m, b);
  if (depth >= 20 || std::fabs(left + right - whole) <= 1e-13 * std::max(1.0, std::fabs(whole))) return left + right;
  return adaptive(c, a, m, left, depth + 1) + adaptive(c, m, b, right, depth + 1);
}

}  // namespace

double nurbLength(const AcGeNurbCurve3d& c, double a, double b) {
  if (!(b > a)) return 0.0;
  double sum = 0.0, from = a;
  for (int i = 0; i < c.numKnots(); ++i) {
    const double k = c.knotAt(i);
    if (k > from && k < b) {
      sum += adaptive(c, from, k, gauss(c, from, k), 0);
      from = k;
    }
  }
  return sum + adaptive(c, from, b, gauss(c, from, b), 0);
}

double nurbParamAtLength(const AcGeNurbCurve3d& c, double a, double len) {
  AcGeInterval range;
  c.getInterval(range);
  double lo = a, hi = range.upperBound();
  if (nurbLength(c, a, hi) <= len) return hi;
  // Newton steps kept inside a shrinking bracket.
  double t = a + (hi - a) * len / std::max(nurbLength(c, a, hi), 1e-300);
  for (int i = 0; i < 100; ++i) {
    const double f = nurbLength(c, a, t) - len;
    if (f > 0)
      hi = t;
    else
      lo = t;
    const double v = speed(c, t);
    double next = v > 0 ? t - f / v : (lo + hi) / 2;
    if (!(next > lo && next < hi)) next = (lo + hi) / 2;
    if (std::fabs(next - t) <= 1e-15 * std::max(1.0, std::fabs(t))) return next;
    t = next;
  }
  return t;
}

}  // namespace curve
