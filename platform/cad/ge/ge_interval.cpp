#include "platform/cad/ge/ge_interval.h"

#include <cmath>
#include <limits>

AcGeInterval::AcGeInterval(double tol) : m_tol(tol) {}

AcGeInterval::AcGeInterval(double lower, double upper, double tol) : m_tol(tol) { set(lower, upper); }

AcGeInterval::AcGeInterval(bool boundedBelow, double bound, double tol) : m_tol(tol) { set(boundedBelow, bound); }

double AcGeInterval::element() const {
  if (m_boundedBelow) return m_lower;
  return m_boundedAbove ? m_upper : 0.0;
}

void AcGeInterval::getBounds(double& lower, double& upper) const {
  lower = m_lower;
  upper = m_upper;
}

double AcGeInterval::length() const {
  if (!isBounded()) return std::numeric_limits<double>::infinity();
  return m_upper - m_lower;
}

AcGeInterval& AcGeInterval::set(double lower, double upper) {
  m_lower = std::fmin(lower, upper);
  m_upper = std::fmax(lower, upper);
  m_boundedBelow = m_boundedAbove = true;
  return *this;
}

AcGeInterval& AcGeInterval::set(bool boundedBelow, double bound) {
  m_boundedBelow = boundedBelow;
  m_boundedAbove = !boundedBelow;
  m_lower = m_upper = bound;
  return *this;
}

AcGeInterval& AcGeInterval::set() {
  m_boundedBelow = m_boundedAbove = false;
  m_lower = m_upper = 0.0;
  return *this;
}

AcGeInterval& AcGeInterval::setUpper(double upper) {
  m_upper = upper;
  m_boundedAbove = true;
  return *this;
}

AcGeInterval& AcGeInterval::setLower(double lower) {
  m_lower = lower;
  m_boundedBelow = true;
  return *this;
}

AcGeInterval& AcGeInterval::setTolerance(double tol) {
  m_tol = tol;
  return *this;
}

bool AcGeInterval::isSingleton() const { return isBounded() && m_upper - m_lower <= m_tol; }

bool AcGeInterval::contains(double val) const {
  if (m_boundedBelow && val < m_lower - m_tol) return false;
  if (m_boundedAbove && val > m_upper + m_tol) return false;
  return true;
}

bool AcGeInterval::operator==(const AcGeInterval& other) const {
  if (m_boundedBelow != other.m_boundedBelow || m_boundedAbove != other.m_boundedAbove) return false;
  if (m_boundedBelow && std::fabs(m_lower - other.m_lower) > m_tol) return false;
  if (m_boundedAbove && std::fabs(m_upper - other.m_upper) > m_tol) return false;
  return true;
}
