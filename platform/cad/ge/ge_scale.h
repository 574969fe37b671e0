#pragma once

#include "platform/cad/ge/ge_tol.h"

class AcGeMatrix3d;

// Per-axis scale factors (block references).
class AcGeScale3d {
 public:
  constexpr AcGeScale3d() = default;
  constexpr explicit AcGeScale3d(double factor) : sx(factor), sy(factor), sz(factor) {}
  constexpr AcGeScale3d(double xFactor, double yFactor, double zFactor) : sx(xFactor), sy(yFactor), sz(zFactor) {}

  static const AcGeScale3d kIdentity;

  AcGeScale3d operator*(const AcGeScale3d& other) const { return {sx * other.sx, sy * other.sy, sz * other.sz}; }
  AcGeScale3d operator*(double factor) const { return {sx * factor, sy * factor, sz * factor}; }
  AcGeScale3d& set(double xFactor, double yFactor, double zFactor);
  // The scaling matrix about the origin.
  void getMatrix(AcGeMatrix3d& mat) const;
  bool isProportional(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isEqualTo(const AcGeScale3d& other, const AcGeTol& tol = AcGeContext::gTol) const;
  bool operator==(const AcGeScale3d& other) const { return isEqualTo(other); }
  bool operator!=(const AcGeScale3d& other) const { return !isEqualTo(other); }

  double sx = 1.0;
  double sy = 1.0;
  double sz = 1.0;
};
