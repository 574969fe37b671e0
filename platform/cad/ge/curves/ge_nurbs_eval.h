#pragma once

#include <array>
#include <cmath>
#include <vector>

#include "platform/cad/ge/ge_arrays.h"

// B-spline arithmetic shared by the 2D and 3D NURBS curves (internal to the library).
namespace ge_detail {

template <int D>
using Coords = std::array<double, D>;

// Counts, knot order and weights consistent enough to evaluate.
bool nurbsValid(int degree, const AcGeDoubleArray& knots, int numCtrl, const AcGeDoubleArray& weights);

// The counts alone (no knot or weight scan), enough for evaluation to stay within
// the arrays: the check a point or tangent query can afford.
inline bool nurbsEvaluable(int degree, const AcGeDoubleArray& knots, int numCtrl, const AcGeDoubleArray& weights) {
  return degree >= 1 && numCtrl >= degree + 1 && knots.length() == numCtrl + degree + 1 &&
         (weights.isEmpty() || weights.length() == numCtrl) && knots[numCtrl] > knots[degree];
}

// Knot span k (degree <= k < numCtrl) holding t, t already clamped to the domain.
int findSpan(int degree, const AcGeDoubleArray& knots, int numCtrl, double t);

// Values (and optionally first derivatives) of all numCtrl basis functions at u.
std::vector<double> basisRow(int degree, const AcGeDoubleArray& knots, int numCtrl, double u,
                             std::vector<double>* firstDerivs);

// Solves A x = b for several right-hand sides (columns of b); false when singular.
bool solveDense(std::vector<std::vector<double>>& a, std::vector<std::vector<double>>& b);

// De Boor's algorithm in homogeneous coordinates; ctrlAt(i) gives control point i
// (only the degree + 1 of t's span are read).
template <int D, class CtrlAt>
Coords<D> deBoorAt(int degree, const AcGeDoubleArray& knots, int n, CtrlAt ctrlAt, const AcGeDoubleArray& weights,
                   double t) {
  const double lo = knots[degree], hi = knots[n];
  t = std::fmin(std::fmax(t, lo), hi);
  const int k = findSpan(degree, knots, n, t);
  std::vector<std::array<double, D + 1>> d(static_cast<size_t>(degree + 1));
  for (int j = 0; j <= degree; ++j) {
    const int i = j + k - degree;
    const double w = weights.isEmpty() ? 1.0 : weights[i];
    const Coords<D> p = ctrlAt(i);
    for (int c = 0; c < D; ++c) d[j][c] = p[c] * w;
    d[j][D] = w;
  }
  for (int r = 1; r <= degree; ++r)
    for (int j = degree; j >= r; --j) {
      const double a = knots[j + k - degree];
      const double b = knots[j + 1 + k - r];
      const double alpha = b > a ? (t - a) / (b - a) : 0.0;
      for (int c = 0; c <= D; ++c) d[j][c] = (1.0 - alpha) * d[j - 1][c] + alpha * d[j][c];
    }
  Coords<D> out{};
  const double w = d[degree][D] != 0.0 ? d[degree][D] : 1.0;
  for (int c = 0; c < D; ++c) out[c] = d[degree][c] / w;
  return out;
}

template <int D>
Coords<D> deBoor(int degree, const AcGeDoubleArray& knots, const std::vector<Coords<D>>& ctrl,
                 const AcGeDoubleArray& weights, double t) {
  return deBoorAt<D>(
      degree, knots, static_cast<int>(ctrl.size()), [&](int i) { return ctrl[i]; }, weights, t);
}

// The degree + 1 basis functions that are not zero on span k at u (functions
// k - degree .. k), and their first derivatives.
void spanBasis(int degree, const AcGeDoubleArray& knots, int k, double u, std::vector<double>& values,
               std::vector<double>& derivs);

// Exact first derivative (quotient rule for rational curves); ctrlAt as for deBoorAt.
template <int D, class CtrlAt>
Coords<D> firstDerivAt(int degree, const AcGeDoubleArray& knots, int n, CtrlAt ctrlAt, const AcGeDoubleArray& weights,
                       double t) {
  t = std::fmin(std::fmax(t, knots[degree]), knots[n]);
  const int k = findSpan(degree, knots, n, t);
  std::vector<double> nv, dn;
  spanBasis(degree, knots, k, t, nv, dn);
  Coords<D> a{}, da{};
  double w = 0.0, dw = 0.0;
  for (int j = 0; j <= degree; ++j) {
    const int i = k - degree + j;
    const double wi = weights.isEmpty() ? 1.0 : weights[i];
    const Coords<D> p = ctrlAt(i);
    w += nv[j] * wi;
    dw += dn[j] * wi;
    for (int c = 0; c < D; ++c) {
      a[c] += nv[j] * wi * p[c];
      da[c] += dn[j] * wi * p[c];
    }
  }
  Coords<D> out{};
  if (w == 0.0) return out;
  for (int c = 0; c < D; ++c) out[c] = (da[c] - dw * a[c] / w) / w;
  return out;
}

template <int D>
Coords<D> firstDeriv(int degree, const AcGeDoubleArray& knots, const std::vector<Coords<D>>& ctrl,
                     const AcGeDoubleArray& weights, double t) {
  return firstDerivAt<D>(
      degree, knots, static_cast<int>(ctrl.size()), [&](int i) { return ctrl[i]; }, weights, t);
}

// Interpolating spline through pts (chord-length parameters, knots by averaging) of at most
// degree 3, with optional end tangents. False when the points do not allow a curve.
template <int D>
bool interpolate(const std::vector<Coords<D>>& pts, const Coords<D>* startTangent, const Coords<D>* endTangent,
                 int& degree, AcGeDoubleArray& knots, std::vector<Coords<D>>& ctrl) {
  const int numPts = static_cast<int>(pts.size());
  if (numPts < 2) return false;
  std::vector<double> u(static_cast<size_t>(numPts), 0.0);
  double total = 0.0;
  for (int i = 1; i < numPts; ++i) {
    double d2 = 0.0;
    for (int c = 0; c < D; ++c) d2 += (pts[i][c] - pts[i - 1][c]) * (pts[i][c] - pts[i - 1][c]);
    total += std::sqrt(d2);
    u[i] = total;
  }
  if (total <= 0.0) return false;
  for (double& v : u) v /= total;
  u.back() = 1.0;

  // One parameter per unknown: an end with a tangent counts twice.
  std::vector<double> t;
  if (startTangent != nullptr) t.push_back(0.0);
  t.insert(t.end(), u.begin(), u.end());
  if (endTangent != nullptr) t.push_back(1.0);
  const int unknowns = static_cast<int>(t.size());
  degree = std::min(3, unknowns - 1);

  knots.setLogicalLength(0);
  for (int i = 0; i <= degree; ++i) knots.append(0.0);
  for (int j = 1; j <= unknowns - 1 - degree; ++j) {
    double sum = 0.0;
    for (int i = j; i < j + degree; ++i) sum += t[static_cast<size_t>(i)];
    knots.append(sum / degree);
  }
  for (int i = 0; i <= degree; ++i) knots.append(1.0);

  std::vector<std::vector<double>> a;
  std::vector<std::vector<double>> rhs(D);
  auto addRow = [&](const std::vector<double>& row, const Coords<D>& value) {
    a.push_back(row);
    for (int c = 0; c < D; ++c) rhs[c].push_back(value[c]);
  };
  std::vector<double> derivs;
  if (startTangent != nullptr) {
    basisRow(degree, knots, unknowns, 0.0, &derivs);
    Coords<D> tan;
    for (int c = 0; c < D; ++c) tan[c] = (*startTangent)[c] * total;
    addRow(derivs, tan);
  }
  for (int i = 0; i < numPts; ++i) addRow(basisRow(degree, knots, unknowns, u[i], nullptr), pts[i]);
  if (endTangent != nullptr) {
    basisRow(degree, knots, unknowns, 1.0, &derivs);
    Coords<D> tan;
    for (int c = 0; c < D; ++c) tan[c] = (*endTangent)[c] * total;
    addRow(derivs, tan);
  }
  if (!solveDense(a, rhs)) return false;
  ctrl.assign(static_cast<size_t>(unknowns), Coords<D>{});
  for (int i = 0; i < unknowns; ++i)
    for (int c = 0; c < D; ++c) ctrl[i][c] = rhs[c][i];
  return true;
}

}  // namespace ge_detail
