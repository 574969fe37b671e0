#include "platform/cad/ge/curves/ge_nurbs_eval.h"

#include <algorithm>

namespace ge_detail {

bool nurbsValid(int degree, const AcGeDoubleArray& knots, int numCtrl, const AcGeDoubleArray& weights) {
  if (degree < 1 || numCtrl < degree + 1 || knots.length() != numCtrl + degree + 1) return false;
  for (int i = 1; i < knots.length(); ++i)
    if (!(knots[i] >= knots[i - 1])) return false;
  if (!(knots[numCtrl] > knots[degree])) return false;
  if (!weights.isEmpty()) {
    if (weights.length() != numCtrl) return false;
    for (double w : weights)
      if (!(w > 0.0)) return false;
  }
  return true;
}

int findSpan(int degree, const AcGeDoubleArray& knots, int numCtrl, double t) {
  if (t >= knots[numCtrl]) {
    int k = numCtrl - 1;
    while (k > degree && knots[k] >= knots[k + 1]) --k;
    return k;
  }
  // The last k in degree .. numCtrl - 1 whose next knot is not above t (or degree).
  int low = degree, high = numCtrl - 1;
  while (low < high) {
    const int mid = (low + high + 1) / 2;
    if (knots[mid] <= t) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  return low;
}

void spanBasis(int degree, const AcGeDoubleArray& knots, int k, double u, std::vector<double>& values,
               std::vector<double>& derivs) {
  // levels[q][j] = N(k - degree + j, q)(u), j = 0 .. degree; level 0 is 1 at k alone.
  const int first = k - degree;
  std::vector<std::vector<double>> levels(static_cast<size_t>(degree + 1),
                                          std::vector<double>(static_cast<size_t>(degree + 2), 0.0));
  levels[0][static_cast<size_t>(degree)] = 1.0;
  for (int q = 1; q <= degree; ++q)
    for (int j = 0; j <= degree; ++j) {
      const int i = first + j;
      double v = 0.0;
      const double d1 = knots[i + q] - knots[i];
      const double d2 = knots[i + q + 1] - knots[i + 1];
      if (d1 > 0.0) v += (u - knots[i]) / d1 * levels[q - 1][j];
      if (d2 > 0.0) v += (knots[i + q + 1] - u) / d2 * levels[q - 1][j + 1];
      levels[q][j] = v;
    }
  values.assign(levels[degree].begin(), levels[degree].begin() + degree + 1);
  derivs.assign(static_cast<size_t>(degree + 1), 0.0);
  for (int j = 0; j <= degree; ++j) {
    const int i = first + j;
    double v = 0.0;
    const double d1 = knots[i + degree] - knots[i];
    const double d2 = knots[i + degree + 1] - knots[i + 1];
    if (d1 > 0.0) v += degree / d1 * levels[degree - 1][j];
    if (d2 > 0.0) v -= degree / d2 * levels[degree - 1][j + 1];
    derivs[j] = v;
  }
}

std::vector<double> basisRow(int degree, const AcGeDoubleArray& knots, int numCtrl, double u,
                             std::vector<double>* firstDerivs) {
  const int m = knots.length();
  // levels[q][i] = N(i, q)(u)
  std::vector<std::vector<double>> levels(static_cast<size_t>(degree + 1),
                                          std::vector<double>(static_cast<size_t>(m), 0.0));
  const int span = findSpan(degree, knots, numCtrl, std::clamp(u, knots[degree], knots[numCtrl]));
  levels[0][static_cast<size_t>(span)] = 1.0;
  for (int q = 1; q <= degree; ++q)
    for (int i = 0; i + q + 1 < m; ++i) {
      double v = 0.0;
      const double d1 = knots[i + q] - knots[i];
      const double d2 = knots[i + q + 1] - knots[i + 1];
      if (d1 > 0.0) v += (u - knots[i]) / d1 * levels[q - 1][i];
      if (d2 > 0.0) v += (knots[i + q + 1] - u) / d2 * levels[q - 1][i + 1];
      levels[q][i] = v;
    }
  std::vector<double> row(levels[degree].begin(), levels[degree].begin() + numCtrl);
  if (firstDerivs != nullptr) {
    firstDerivs->assign(static_cast<size_t>(numCtrl), 0.0);
    for (int i = 0; i < numCtrl; ++i) {
      double v = 0.0;
      const double d1 = knots[i + degree] - knots[i];
      const double d2 = knots[i + degree + 1] - knots[i + 1];
      if (d1 > 0.0) v += degree / d1 * levels[degree - 1][i];
      if (d2 > 0.0) v -= degree / d2 * levels[degree - 1][i + 1];
      (*firstDerivs)[i] = v;
    }
  }
  return row;
}

bool solveDense(std::vector<std::vector<double>>& a, std::vector<std::vector<double>>& b) {
  const size_t n = a.size();
  for (size_t col = 0; col < n; ++col) {
    size_t pivot = col;
    for (size_t r = col + 1; r < n; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    if (std::fabs(a[pivot][col]) < 1e-14) return false;
    std::swap(a[col], a[pivot]);
    for (auto& rhs : b) std::swap(rhs[col], rhs[pivot]);
    for (size_t r = 0; r < n; ++r) {
      if (r == col || a[r][col] == 0.0) continue;
      const double f = a[r][col] / a[col][col];
      for (size_t j = col; j < n; ++j) a[r][j] -= f * a[col][j];
      for (auto& rhs : b) rhs[r] -= f * rhs[col];
    }
  }
  for (size_t i = 0; i < n; ++i)
    for (auto& rhs : b) rhs[i] /= a[i][i];
  return true;
}

}  // namespace ge_detail
