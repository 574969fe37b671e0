#pragma once

#include <cmath>
#include <utility>

// Shared arithmetic of the 3x3 and 4x4 matrices (internal to the library).
namespace ge_detail {

template <int N>
void multiply(const double (&a)[N][N], const double (&b)[N][N], double (&out)[N][N]) {
  double r[N][N];
  for (int i = 0; i < N; ++i)
    for (int j = 0; j < N; ++j) {
      double s = 0.0;
      for (int k = 0; k < N; ++k) s += a[i][k] * b[k][j];
      r[i][j] = s;
    }
  for (int i = 0; i < N; ++i)
    for (int j = 0; j < N; ++j) out[i][j] = r[i][j];
}

// Gauss-Jordan with partial pivoting; false (m untouched) when a pivot falls below tol.
template <int N>
bool invert(double (&m)[N][N], double tol) {
  double a[N][N];
  double inv[N][N];
  for (int i = 0; i < N; ++i)
    for (int j = 0; j < N; ++j) {
      a[i][j] = m[i][j];
      inv[i][j] = i == j ? 1.0 : 0.0;
    }
  for (int col = 0; col < N; ++col) {
    int pivot = col;
    for (int r = col + 1; r < N; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    if (std::fabs(a[pivot][col]) <= tol) return false;
    if (pivot != col)
      for (int j = 0; j < N; ++j) {
        std::swap(a[col][j], a[pivot][j]);
        std::swap(inv[col][j], inv[pivot][j]);
      }
    const double p = a[col][col];
    for (int j = 0; j < N; ++j) {
      a[col][j] /= p;
      inv[col][j] /= p;
    }
    for (int r = 0; r < N; ++r) {
      if (r == col || a[r][col] == 0.0) continue;
      const double f = a[r][col];
      for (int j = 0; j < N; ++j) {
        a[r][j] -= f * a[col][j];
        inv[r][j] -= f * inv[col][j];
      }
    }
  }
  for (int i = 0; i < N; ++i)
    for (int j = 0; j < N; ++j) m[i][j] = inv[i][j];
  return true;
}

template <int N>
double determinant(const double (&m)[N][N]) {
  double a[N][N];
  for (int i = 0; i < N; ++i)
    for (int j = 0; j < N; ++j) a[i][j] = m[i][j];
  double det = 1.0;
  for (int col = 0; col < N; ++col) {
    int pivot = col;
    for (int r = col + 1; r < N; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    if (a[pivot][col] == 0.0) return 0.0;
    if (pivot != col) {
      for (int j = 0; j < N; ++j) std::swap(a[col][j], a[pivot][j]);
      det = -det;
    }
    det *= a[col][col];
    for (int r = col + 1; r < N; ++r) {
      const double f = a[r][col] / a[col][col];
      for (int j = col; j < N; ++j) a[r][j] -= f * a[col][j];
    }
  }
  return det;
}

template <int N>
void transpose(double (&m)[N][N]) {
  for (int i = 0; i < N; ++i)
    for (int j = i + 1; j < N; ++j) std::swap(m[i][j], m[j][i]);
}

template <int N>
bool nearlyEqual(const double (&a)[N][N], const double (&b)[N][N], double tol) {
  for (int i = 0; i < N; ++i)
    for (int j = 0; j < N; ++j)
      if (std::fabs(a[i][j] - b[i][j]) > tol) return false;
  return true;
}

}  // namespace ge_detail
