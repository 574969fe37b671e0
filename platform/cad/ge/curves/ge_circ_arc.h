#pragma once

#include "platform/cad/ge/curves/ge_curve2d.h"
#include "platform/cad/ge/curves/ge_curve3d.h"

class AcGeLine2d;
class AcGeLinearEnt2d;
class AcGeLinearEnt3d;
class AcGePlane;

// Circular arc in the plane. Angles are measured from the reference vector in the arc's
// direction: counter-clockwise for a counter-clockwise arc, clockwise for a clockwise one.
// The parameter is that angle; it runs from startAng to endAng, and endAng - startAng is
// the sweep (0 < sweep <= 2pi). Arcs built from points get the X axis as reference vector
// and a start angle in 0 .. 2pi.
class AcGeCircArc2d : public AcGeCurve2d {
 public:
  // The unit circle.
  AcGeCircArc2d();
  AcGeCircArc2d(const AcGePoint2d& cent, double radius);
  AcGeCircArc2d(const AcGePoint2d& cent, double radius, double startAngle, double endAngle,
                const AcGeVector2d& refVec = AcGeVector2d::kXAxis, bool isClockWise = false);
  // From startPoint through pnt to endPoint.
  AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint);
  // bulgeFlag true: bulge = tan(sweep / 4), negative for a clockwise arc.
  // bulgeFlag false: bulge is the arc's height over its chord, negative for a clockwise arc.
  AcGeCircArc2d(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge, bool bulgeFlag = true);

  AcGeCircArc2d& set(const AcGePoint2d& cent, double radius);
  AcGeCircArc2d& set(const AcGePoint2d& cent, double radius, double ang1, double ang2,
                     const AcGeVector2d& refVec = AcGeVector2d::kXAxis, bool isClockWise = false);
  AcGeCircArc2d& set(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint);
  AcGeCircArc2d& set(const AcGePoint2d& startPoint, const AcGePoint2d& pnt, const AcGePoint2d& endPoint,
                     AcGe::ErrorCondition& error);
  AcGeCircArc2d& set(const AcGePoint2d& startPoint, const AcGePoint2d& endPoint, double bulge, bool bulgeFlag = true);

  AcGePoint2d center() const { return m_center; }
  double radius() const { return m_radius; }
  double startAng() const { return m_startAng; }
  double endAng() const { return m_endAng; }
  bool isClockWise() const { return m_clockWise; }
  AcGeVector2d refVec() const { return m_refVec; }
  AcGePoint2d startPoint() const;
  AcGePoint2d endPoint() const;

  AcGeCircArc2d& setCenter(const AcGePoint2d& cent);
  AcGeCircArc2d& setRadius(double radius);
  // endAngle below startAngle is taken a full turn on.
  AcGeCircArc2d& setAngles(double startAngle, double endAngle);
  AcGeCircArc2d& setRefVec(const AcGeVector2d& vec);
  AcGeCircArc2d& setToComplement();

  // Points where the circle meets the line or arc within both their bounds.
  bool intersectWith(const AcGeLinearEnt2d& line, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  bool intersectWith(const AcGeCircArc2d& arc, int& intn, AcGePoint2d& p1, AcGePoint2d& p2,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  // Tangent line at a point of the arc; false when the point is not on it.
  bool tangent(const AcGePoint2d& pnt, AcGeLine2d& line, const AcGeTol& tol = AcGeContext::gTol) const;
  // Inside the full circle.
  bool isInside(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

  AcGe::EntityId type() const override { return AcGe::kCircArc2d; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity2d* copy() const override { return new AcGeCircArc2d(*this); }
  bool isEqualTo(const AcGeEntity2d& other, const AcGeTol& tol = AcGeContext::gTol) const override;

 protected:
  AcGeInterval paramInterval() const override { return AcGeInterval(m_startAng, m_endAng); }
  AcGePoint2d pointAt(double param) const override;
  AcGeVector2d derivAt(double param, int order) const override;
  double nearestParam(const AcGePoint2d& pnt) const override;
  double arcLength(double fromParam, double toParam) const override;
  void transformGeometry(const AcGeMatrix2d& xfm) override;
  void reverseGeometry() override;
  bool periodOf(double& period) const override;

 private:
  AcGeVector2d perpRef() const;
  double angleOfPoint(const AcGePoint2d& pnt) const;
  bool containsAngleOf(const AcGePoint2d& pnt, const AcGeTol& tol) const;

  AcGePoint2d m_center;
  double m_radius = 1.0;
  double m_startAng = 0.0;
  double m_endAng = 6.283185307179586;
  AcGeVector2d m_refVec = AcGeVector2d::kXAxis;
  bool m_clockWise = false;
};

// Circular arc in space: angles measured counter-clockwise about the normal from the
// reference vector; the parameter is that angle, startAng .. endAng.
class AcGeCircArc3d : public AcGeCurve3d {
 public:
  AcGeCircArc3d();
  AcGeCircArc3d(const AcGePoint3d& cent, const AcGeVector3d& nrm, double radius);
  AcGeCircArc3d(const AcGePoint3d& cent, const AcGeVector3d& nrm, const AcGeVector3d& refVec, double radius,
                double startAngle = 0.0, double endAngle = 6.283185307179586);
  // From startPoint through pnt to endPoint; the reference vector points to startPoint.
  AcGeCircArc3d(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint);

  AcGeCircArc3d& set(const AcGePoint3d& cent, const AcGeVector3d& nrm, double radius);
  AcGeCircArc3d& set(const AcGePoint3d& cent, const AcGeVector3d& nrm, const AcGeVector3d& refVec, double radius,
                     double startAngle, double endAngle);
  AcGeCircArc3d& set(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint);
  AcGeCircArc3d& set(const AcGePoint3d& startPoint, const AcGePoint3d& pnt, const AcGePoint3d& endPoint,
                     AcGe::ErrorCondition& error);

  AcGePoint3d center() const { return m_center; }
  AcGeVector3d normal() const { return m_normal; }
  AcGeVector3d refVec() const { return m_refVec; }
  double radius() const { return m_radius; }
  double startAng() const { return m_startAng; }
  double endAng() const { return m_endAng; }
  AcGePoint3d startPoint() const;
  AcGePoint3d endPoint() const;
  void getPlane(AcGePlane& plane) const;

  AcGeCircArc3d& setCenter(const AcGePoint3d& cent);
  // refVec is projected onto the plane of the normal.
  AcGeCircArc3d& setAxes(const AcGeVector3d& normal, const AcGeVector3d& refVec);
  AcGeCircArc3d& setRadius(double radius);
  AcGeCircArc3d& setAngles(double startAngle, double endAngle);

  bool intersectWith(const AcGeLinearEnt3d& line, int& intn, AcGePoint3d& p1, AcGePoint3d& p2,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  bool isInside(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

  AcGe::EntityId type() const override { return AcGe::kCircArc3d; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity3d* copy() const override { return new AcGeCircArc3d(*this); }
  bool isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol = AcGeContext::gTol) const override;

 protected:
  AcGeInterval paramInterval() const override { return AcGeInterval(m_startAng, m_endAng); }
  AcGePoint3d pointAt(double param) const override;
  AcGeVector3d derivAt(double param, int order) const override;
  double nearestParam(const AcGePoint3d& pnt) const override;
  double arcLength(double fromParam, double toParam) const override;
  void transformGeometry(const AcGeMatrix3d& xfm) override;
  void reverseGeometry() override;
  bool periodOf(double& period) const override;

 private:
  AcGeVector3d perpRef() const { return m_normal.crossProduct(m_refVec); }
  double angleOfPoint(const AcGePoint3d& pnt) const;

  AcGePoint3d m_center;
  AcGeVector3d m_normal = AcGeVector3d::kZAxis;
  AcGeVector3d m_refVec = AcGeVector3d::kXAxis;
  double m_radius = 1.0;
  double m_startAng = 0.0;
  double m_endAng = 6.283185307179586;
};
