#pragma once

#include "platform/cad/ge/curves/ge_curve2d.h"
#include "platform/cad/ge/curves/ge_curve3d.h"
#include "platform/cad/ge/curves/ge_knot_vector.h"

// Non-uniform rational B-spline. numKnots = numControlPoints + degree + 1; the curve is
// defined over [knot(degree), knot(numControlPoints)], which for clamped knots is the whole
// knot range. Weights are empty (all 1) for a non-rational curve.
class AcGeNurbCurve3d : public AcGeCurve3d {
 public:
  AcGeNurbCurve3d() = default;
  AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                  bool isPeriodic = false);
  AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                  const AcGeDoubleArray& weights, bool isPeriodic = false);
  // Cubic through the fit points (chord-length parameters), with optional end tangents.
  AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent, const AcGeVector3d& endTangent,
                  bool startTangentDefined = true, bool endTangentDefined = true,
                  const AcGeTol& fitTolerance = AcGeContext::gTol);
  explicit AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints, const AcGeTol& fitTolerance = AcGeContext::gTol);

  AcGeNurbCurve3d& set(int degree, const AcGeKnotVector& knots, const AcGePoint3dArray& controlPoints,
                       const AcGeDoubleArray& weights, bool isPeriodic = false);

  // False when the definition cannot be evaluated (counts or knots inconsistent).
  bool isValid() const;
  int degree() const { return m_degree; }
  int order() const { return m_degree + 1; }
  bool isRational() const;
  int numKnots() const { return m_knots.length(); }
  double knotAt(int index) const { return m_knots[index]; }
  AcGeNurbCurve3d& setKnotAt(int index, double val);
  const AcGeKnotVector& knots() const { return m_knots; }
  void getKnots(AcGeKnotVector& knots) const { knots = m_knots; }
  int numControlPoints() const { return m_controlPoints.length(); }
  AcGePoint3d controlPointAt(int index) const { return m_controlPoints[index]; }
  AcGeNurbCurve3d& setControlPointAt(int index, const AcGePoint3d& point);
  void getControlPoints(AcGePoint3dArray& controlPoints) const { controlPoints = m_controlPoints; }
  int numWeights() const { return m_weights.length(); }
  double weightAt(int index) const;
  AcGeNurbCurve3d& setWeightAt(int index, double weight);
  void getWeights(AcGeDoubleArray& weights) const { weights = m_weights; }
  void getDefinitionData(int& degree, bool& rational, bool& periodic, AcGeKnotVector& knots,
                         AcGePoint3dArray& controlPoints, AcGeDoubleArray& weights) const;

  int numFitPoints() const { return m_fitPoints.length(); }
  bool getFitPointAt(int index, AcGePoint3d& point) const;
  bool getFitPoints(AcGePoint3dArray& fitPoints) const;
  bool getFitTangents(AcGeVector3d& startTangent, AcGeVector3d& endTangent) const;
  double fitTolerance() const { return m_fitTolerance; }

  AcGePoint3d startPoint() const;
  AcGePoint3d endPoint() const;

  AcGe::EntityId type() const override { return AcGe::kNurbCurve3d; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity3d* copy() const override { return new AcGeNurbCurve3d(*this); }
  bool isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol = AcGeContext::gTol) const override;

 protected:
  AcGeInterval paramInterval() const override;
  AcGePoint3d pointAt(double param) const override;
  AcGeVector3d derivAt(double param, int order) const override;
  void transformGeometry(const AcGeMatrix3d& xfm) override;
  void reverseGeometry() override;
  bool periodOf(double& period) const override;

 private:
  void fitThrough(const AcGePoint3dArray& fitPoints, const AcGeVector3d* startTangent, const AcGeVector3d* endTangent);

  int m_degree = 0;
  bool m_periodic = false;
  AcGeKnotVector m_knots;
  AcGePoint3dArray m_controlPoints;
  AcGeDoubleArray m_weights;
  AcGePoint3dArray m_fitPoints;
  AcGeVector3d m_startTangent;
  AcGeVector3d m_endTangent;
  bool m_hasFitTangents = false;
  double m_fitTolerance = 0.0;
};

class AcGeNurbCurve2d : public AcGeCurve2d {
 public:
  AcGeNurbCurve2d() = default;
  AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                  bool isPeriodic = false);
  AcGeNurbCurve2d(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                  const AcGeDoubleArray& weights, bool isPeriodic = false);
  explicit AcGeNurbCurve2d(const AcGePoint2dArray& fitPoints, const AcGeTol& fitTolerance = AcGeContext::gTol);

  AcGeNurbCurve2d& set(int degree, const AcGeKnotVector& knots, const AcGePoint2dArray& controlPoints,
                       const AcGeDoubleArray& weights, bool isPeriodic = false);

  bool isValid() const;
  int degree() const { return m_degree; }
  int order() const { return m_degree + 1; }
  bool isRational() const;
  int numKnots() const { return m_knots.length(); }
  double knotAt(int index) const { return m_knots[index]; }
  const AcGeKnotVector& knots() const { return m_knots; }
  void getKnots(AcGeKnotVector& knots) const { knots = m_knots; }
  int numControlPoints() const { return m_controlPoints.length(); }
  AcGePoint2d controlPointAt(int index) const { return m_controlPoints[index]; }
  AcGeNurbCurve2d& setControlPointAt(int index, const AcGePoint2d& point);
  void getControlPoints(AcGePoint2dArray& controlPoints) const { controlPoints = m_controlPoints; }
  int numWeights() const { return m_weights.length(); }
  double weightAt(int index) const;
  void getWeights(AcGeDoubleArray& weights) const { weights = m_weights; }
  int numFitPoints() const { return m_fitPoints.length(); }
  bool getFitPointAt(int index, AcGePoint2d& point) const;

  AcGe::EntityId type() const override { return AcGe::kNurbCurve2d; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity2d* copy() const override { return new AcGeNurbCurve2d(*this); }
  bool isEqualTo(const AcGeEntity2d& other, const AcGeTol& tol = AcGeContext::gTol) const override;

 protected:
  AcGeInterval paramInterval() const override;
  AcGePoint2d pointAt(double param) const override;
  AcGeVector2d derivAt(double param, int order) const override;
  void transformGeometry(const AcGeMatrix2d& xfm) override;
  void reverseGeometry() override;
  bool periodOf(double& period) const override;

 private:
  int m_degree = 0;
  bool m_periodic = false;
  AcGeKnotVector m_knots;
  AcGePoint2dArray m_controlPoints;
  AcGeDoubleArray m_weights;
  AcGePoint2dArray m_fitPoints;
};
