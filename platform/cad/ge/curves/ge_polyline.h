#pragma once

#include "platform/cad/ge/curves/ge_curve2d.h"
#include "platform/cad/ge/curves/ge_curve3d.h"

// Straight segments through fit points; fit point i lies at parameter i.
class AcGePolyline2d : public AcGeCurve2d {
 public:
  AcGePolyline2d() = default;
  explicit AcGePolyline2d(const AcGePoint2dArray& points);

  int numFitPoints() const { return m_points.length(); }
  AcGePoint2d fitPointAt(int index) const { return m_points[index]; }
  AcGePolyline2d& setFitPointAt(int index, const AcGePoint2d& point);
  const AcGePoint2dArray& fitPoints() const { return m_points; }

  AcGe::EntityId type() const override { return AcGe::kPolyline2d; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity2d* copy() const override { return new AcGePolyline2d(*this); }
  bool isEqualTo(const AcGeEntity2d& other, const AcGeTol& tol = AcGeContext::gTol) const override;

 protected:
  AcGeInterval paramInterval() const override;
  AcGePoint2d pointAt(double param) const override;
  AcGeVector2d derivAt(double param, int order) const override;
  double nearestParam(const AcGePoint2d& pnt) const override;
  double arcLength(double fromParam, double toParam) const override;
  void transformGeometry(const AcGeMatrix2d& xfm) override;
  void reverseGeometry() override;

 private:
  AcGePoint2dArray m_points;
};

class AcGePolyline3d : public AcGeCurve3d {
 public:
  AcGePolyline3d() = default;
  explicit AcGePolyline3d(const AcGePoint3dArray& points);

  int numFitPoints() const { return m_points.length(); }
  AcGePoint3d fitPointAt(int index) const { return m_points[index]; }
  AcGePolyline3d& setFitPointAt(int index, const AcGePoint3d& point);
  const AcGePoint3dArray& fitPoints() const { return m_points; }

  AcGe::EntityId type() const override { return AcGe::kPolyline3d; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity3d* copy() const override { return new AcGePolyline3d(*this); }
  bool isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol = AcGeContext::gTol) const override;

 protected:
  AcGeInterval paramInterval() const override;
  AcGePoint3d pointAt(double param) const override;
  AcGeVector3d derivAt(double param, int order) const override;
  double nearestParam(const AcGePoint3d& pnt) const override;
  double arcLength(double fromParam, double toParam) const override;
  void transformGeometry(const AcGeMatrix3d& xfm) override;
  void reverseGeometry() override;

 private:
  AcGePoint3dArray m_points;
};
