#pragma once

#include "platform/cad/ge/ge_tol.h"

// A parameter range; either side may be unbounded.
class AcGeInterval {
 public:
  AcGeInterval(double tol = 1e-12);
  AcGeInterval(double lower, double upper, double tol = 1e-12);
  AcGeInterval(bool boundedBelow, double bound, double tol = 1e-12);

  double lowerBound() const { return m_lower; }
  double upperBound() const { return m_upper; }
  double element() const;
  void getBounds(double& lower, double& upper) const;
  double length() const;
  double tolerance() const { return m_tol; }

  AcGeInterval& set(double lower, double upper);
  AcGeInterval& set(bool boundedBelow, double bound);
  AcGeInterval& set();
  AcGeInterval& setUpper(double upper);
  AcGeInterval& setLower(double lower);
  AcGeInterval& setTolerance(double tol);

  bool isBounded() const { return m_boundedBelow && m_boundedAbove; }
  bool isBoundedAbove() const { return m_boundedAbove; }
  bool isBoundedBelow() const { return m_boundedBelow; }
  bool isUnBounded() const { return !m_boundedBelow && !m_boundedAbove; }
  bool isSingleton() const;
  bool contains(double val) const;

  bool operator==(const AcGeInterval& other) const;
  bool operator!=(const AcGeInterval& other) const { return !(*this == other); }

 private:
  double m_lower = 0.0;
  double m_upper = 0.0;
  bool m_boundedBelow = false;
  bool m_boundedAbove = false;
  double m_tol = 1e-12;
};
