#pragma once

#include "platform/cad/ge/ge_arrays.h"

// Non-decreasing knot values of a spline.
class AcGeKnotVector {
 public:
  AcGeKnotVector() = default;
  AcGeKnotVector(int size, const double knots[], double tol = 1e-9);
  explicit AcGeKnotVector(const AcGeDoubleArray& knots, double tol = 1e-9);

  int length() const { return m_knots.length(); }
  int logicalLength() const { return m_knots.length(); }
  bool isEmpty() const { return m_knots.isEmpty(); }
  double operator[](int i) const { return m_knots[i]; }
  double& operator[](int i) { return m_knots[i]; }
  double startParam() const;
  double endParam() const;
  int multiplicityAt(int i) const;
  int numIntervals() const;
  void getDistinctKnots(AcGeDoubleArray& knots) const;
  bool contains(double param) const;
  bool isOn(double knot) const;
  const AcGeDoubleArray& getArray() const { return m_knots; }

  AcGeKnotVector& append(double val);
  AcGeKnotVector& insertAt(int index, double val);
  AcGeKnotVector& removeAt(int index);
  AcGeKnotVector& setLogicalLength(int n);
  AcGeKnotVector& reverse();
  AcGeKnotVector& set(int size, const double knots[], double tol = 1e-9);

  double tolerance() const { return m_tol; }
  AcGeKnotVector& setTolerance(double tol);

 private:
  AcGeDoubleArray m_knots;
  double m_tol = 1e-9;
};
