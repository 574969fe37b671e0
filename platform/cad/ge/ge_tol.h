#pragma once

// Tolerances of the geometry library and the process-wide default.
class AcGeTol {
 public:
  constexpr AcGeTol() = default;

  double equalPoint() const { return m_equalPoint; }
  double equalVector() const { return m_equalVector; }
  void setEqualPoint(double val) { m_equalPoint = val; }
  void setEqualVector(double val) { m_equalVector = val; }

 private:
  double m_equalPoint = 1e-10;
  double m_equalVector = 1e-12;
};

struct AcGeContext {
  // Default tolerance of every call that takes none.
  static AcGeTol gTol;
};
