#pragma once

#include "platform/cad/ge/curves/ge_curve3d.h"

class AcGeLine3d;
class AcGeLinearEnt3d;

// A plane with an origin and two axes spanning it (its own 2D coordinate system).
class AcGePlanarEnt : public AcGeEntity3d {
 public:
  bool isKindOf(AcGe::EntityId entType) const override;
  bool isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol = AcGeContext::gTol) const override;

  AcGePoint3d pointOnPlane() const { return m_origin; }
  // Unit normal, uAxis x vAxis.
  AcGeVector3d normal() const;
  // a x + b y + c z + d = 0 with (a, b, c) the unit normal.
  void getCoefficients(double& a, double& b, double& c, double& d) const;
  void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& axis1, AcGeVector3d& axis2) const;

  AcGePoint3d closestPointTo(const AcGePoint3d& pnt) const;
  double distanceTo(const AcGePoint3d& pnt) const;
  bool intersectWith(const AcGeLinearEnt3d& line, AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const;

  bool isParallelTo(const AcGePlanarEnt& plane, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGePlanarEnt& plane, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isCoplanarTo(const AcGePlanarEnt& plane, const AcGeTol& tol = AcGeContext::gTol) const;

 protected:
  AcGePlanarEnt() = default;
  AcGePlanarEnt(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis)
      : m_origin(origin), m_uAxis(uAxis), m_vAxis(vAxis) {}

  void transformGeometry(const AcGeMatrix3d& xfm) override;
  bool pointIsOn(const AcGePoint3d& pnt, const AcGeTol& tol) const override;

  AcGePoint3d m_origin;
  AcGeVector3d m_uAxis = AcGeVector3d::kXAxis;
  AcGeVector3d m_vAxis = AcGeVector3d::kYAxis;
};

class AcGePlane : public AcGePlanarEnt {
 public:
  AcGePlane() = default;
  // Axes of the plane by the arbitrary-axis rule.
  AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& normal);
  AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis);
  // Origin org, first axis towards pntU, second towards pntV.
  AcGePlane(const AcGePoint3d& pntU, const AcGePoint3d& org, const AcGePoint3d& pntV);
  AcGePlane(double a, double b, double c, double d);

  static const AcGePlane kXYPlane;
  static const AcGePlane kYZPlane;
  static const AcGePlane kZXPlane;

  AcGePlane& set(const AcGePoint3d& origin, const AcGeVector3d& normal);
  AcGePlane& set(const AcGePoint3d& pntU, const AcGePoint3d& org, const AcGePoint3d& pntV);
  AcGePlane& set(double a, double b, double c, double d);
  AcGePlane& set(const AcGePoint3d& org, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis);

  // Positive on the side the normal points to.
  double signedDistanceTo(const AcGePoint3d& pnt) const;
  using AcGePlanarEnt::intersectWith;
  bool intersectWith(const AcGePlane& otherPlane, AcGeLine3d& line, const AcGeTol& tol = AcGeContext::gTol) const;

  AcGe::EntityId type() const override { return AcGe::kPlane; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity3d* copy() const override { return new AcGePlane(*this); }
};
