#include "platform/cad/ge/curves/ge_knot_vector.h"

#include <cmath>

AcGeKnotVector::AcGeKnotVector(int size, const double knots[], double tol) { set(size, knots, tol); }

AcGeKnotVector::AcGeKnotVector(const AcGeDoubleArray& knots, double tol) : m_knots(knots), m_tol(tol) {}

double AcGeKnotVector::startParam() const { return m_knots.isEmpty() ? 0.0 : m_knots.first(); }

double AcGeKnotVector::endParam() const { return m_knots.isEmpty() ? 0.0 : m_knots.last(); }

int AcGeKnotVector::multiplicityAt(int i) const {
  if (i < 0 || i >= length()) return 0;
  int count = 0;
  for (int j = 0; j < length(); ++j)
    if (std::fabs(m_knots[j] - m_knots[i]) <= m_tol) ++count;
  return count;
}

int AcGeKnotVector::numIntervals() const {
  AcGeDoubleArray distinct;
  getDistinctKnots(distinct);
  return distinct.length() > 0 ? distinct.length() - 1 : 0;
}

void AcGeKnotVector::getDistinctKnots(AcGeDoubleArray& knots) const {
  knots.setLogicalLength(0);
  for (double k : m_knots)
    if (knots.isEmpty() || std::fabs(k - knots.last()) > m_tol) knots.append(k);
}

bool AcGeKnotVector::contains(double param) const {
  return !m_knots.isEmpty() && param >= startParam() - m_tol && param <= endParam() + m_tol;
}

bool AcGeKnotVector::isOn(double knot) const {
  for (double k : m_knots)
    if (std::fabs(k - knot) <= m_tol) return true;
  return false;
}

AcGeKnotVector& AcGeKnotVector::append(double val) {
  m_knots.append(val);
  return *this;
}

AcGeKnotVector& AcGeKnotVector::insertAt(int index, double val) {
  m_knots.insertAt(index, val);
  return *this;
}

AcGeKnotVector& AcGeKnotVector::removeAt(int index) {
  m_knots.removeAt(index);
  return *this;
}

AcGeKnotVector& AcGeKnotVector::setLogicalLength(int n) {
  m_knots.setLogicalLength(n);
  return *this;
}

AcGeKnotVector& AcGeKnotVector::reverse() {
  // Mirror the parameter range onto itself so the knots stay ascending.
  const double sum = startParam() + endParam();
  m_knots.reverse();
  for (double& k : m_knots) k = sum - k;
  return *this;
}

AcGeKnotVector& AcGeKnotVector::set(int size, const double knots[], double tol) {
  m_knots.setLogicalLength(0);
  for (int i = 0; knots != nullptr && i < size; ++i) m_knots.append(knots[i]);
  m_tol = tol;
  return *this;
}

AcGeKnotVector& AcGeKnotVector::setTolerance(double tol) {
  m_tol = tol;
  return *this;
}
