#pragma once

#include "platform/cad/ge/curves/ge_curve2d.h"
#include "platform/cad/ge/curves/ge_curve3d.h"

class AcGeLine2d;
class AcGeLine3d;
class AcGePlane;
class AcGePlanarEnt;

// Straight curves. The parameter runs along the defining vector: point = origin + t * vector,
// so a segment runs from 0 at its start to 1 at its end.
class AcGeLinearEnt2d : public AcGeCurve2d {
 public:
  bool isKindOf(AcGe::EntityId entType) const override;
  bool isEqualTo(const AcGeEntity2d& other, const AcGeTol& tol = AcGeContext::gTol) const override;

  AcGePoint2d pointOnLine() const { return m_origin; }
  // Unit direction.
  AcGeVector2d direction() const;
  void getLine(AcGeLine2d& line) const;
  void getPerpLine(const AcGePoint2d& pnt, AcGeLine2d& perpLine) const;

  // Crossing point of the two (their bounds respected); false when parallel or apart.
  bool intersectWith(const AcGeLinearEnt2d& line, AcGePoint2d& intPnt, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isParallelTo(const AcGeLinearEnt2d& line, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGeLinearEnt2d& line, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isColinearTo(const AcGeLinearEnt2d& line, const AcGeTol& tol = AcGeContext::gTol) const;

 protected:
  AcGeLinearEnt2d() = default;
  AcGeLinearEnt2d(const AcGePoint2d& origin, const AcGeVector2d& vec) : m_origin(origin), m_vec(vec) {}

  AcGeVector2d derivAt(double param, int order) const override;
  double nearestParam(const AcGePoint2d& pnt) const override;
  double arcLength(double fromParam, double toParam) const override;
  AcGePoint2d pointAt(double param) const override;
  void transformGeometry(const AcGeMatrix2d& xfm) override;
  void reverseGeometry() override;
  // Parameter range a point may take: unbounded for a line, [0, 1] for a segment.
  virtual bool clampsParam() const = 0;

  AcGePoint2d m_origin;
  AcGeVector2d m_vec{1.0, 0.0};
};

class AcGeLine2d : public AcGeLinearEnt2d {
 public:
  AcGeLine2d() = default;
  AcGeLine2d(const AcGePoint2d& pnt, const AcGeVector2d& vec) : AcGeLinearEnt2d(pnt, vec) {}
  AcGeLine2d(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2) : AcGeLinearEnt2d(pnt1, pnt2 - pnt1) {}

  static const AcGeLine2d kXAxis;
  static const AcGeLine2d kYAxis;

  AcGeLine2d& set(const AcGePoint2d& pnt, const AcGeVector2d& vec);
  AcGeLine2d& set(const AcGePoint2d& pnt1, const AcGePoint2d& pnt2);

  AcGe::EntityId type() const override { return AcGe::kLine2d; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity2d* copy() const override { return new AcGeLine2d(*this); }

 protected:
  AcGeInterval paramInterval() const override { return AcGeInterval(); }
  bool clampsParam() const override { return false; }
};

class AcGeLineSeg2d : public AcGeLinearEnt2d {
 public:
  AcGeLineSeg2d() = default;
  AcGeLineSeg2d(const AcGePoint2d& start, const AcGePoint2d& end) : AcGeLinearEnt2d(start, end - start) {}
  AcGeLineSeg2d(const AcGePoint2d& start, const AcGeVector2d& vec) : AcGeLinearEnt2d(start, vec) {}

  AcGeLineSeg2d& set(const AcGePoint2d& start, const AcGePoint2d& end);
  AcGeLineSeg2d& set(const AcGePoint2d& start, const AcGeVector2d& vec);

  AcGePoint2d startPoint() const { return m_origin; }
  AcGePoint2d endPoint() const { return m_origin + m_vec; }
  AcGePoint2d midPoint() const { return m_origin + m_vec * 0.5; }
  // The perpendicular bisector.
  void getBisector(AcGeLine2d& line) const;

  AcGe::EntityId type() const override { return AcGe::kLineSeg2d; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity2d* copy() const override { return new AcGeLineSeg2d(*this); }

 protected:
  AcGeInterval paramInterval() const override { return AcGeInterval(0.0, 1.0); }
  bool clampsParam() const override { return true; }
};

class AcGeLinearEnt3d : public AcGeCurve3d {
 public:
  bool isKindOf(AcGe::EntityId entType) const override;
  bool isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol = AcGeContext::gTol) const override;

  AcGePoint3d pointOnLine() const { return m_origin; }
  AcGeVector3d direction() const;
  void getLine(AcGeLine3d& line) const;
  // The plane through pnt normal to the line.
  void getPerpPlane(const AcGePoint3d& pnt, AcGePlane& plane) const;

  bool intersectWith(const AcGeLinearEnt3d& line, AcGePoint3d& intPnt, const AcGeTol& tol = AcGeContext::gTol) const;
  bool intersectWith(const AcGePlanarEnt& plane, AcGePoint3d& intPnt, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isParallelTo(const AcGeLinearEnt3d& line, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isParallelTo(const AcGePlanarEnt& plane, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGeLinearEnt3d& line, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGePlanarEnt& plane, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isColinearTo(const AcGeLinearEnt3d& line, const AcGeTol& tol = AcGeContext::gTol) const;

 protected:
  AcGeLinearEnt3d() = default;
  AcGeLinearEnt3d(const AcGePoint3d& origin, const AcGeVector3d& vec) : m_origin(origin), m_vec(vec) {}

  AcGeVector3d derivAt(double param, int order) const override;
  double nearestParam(const AcGePoint3d& pnt) const override;
  double arcLength(double fromParam, double toParam) const override;
  AcGePoint3d pointAt(double param) const override;
  void transformGeometry(const AcGeMatrix3d& xfm) override;
  void reverseGeometry() override;
  virtual bool clampsParam() const = 0;

  AcGePoint3d m_origin;
  AcGeVector3d m_vec{1.0, 0.0, 0.0};
};

class AcGeLine3d : public AcGeLinearEnt3d {
 public:
  AcGeLine3d() = default;
  AcGeLine3d(const AcGePoint3d& pnt, const AcGeVector3d& vec) : AcGeLinearEnt3d(pnt, vec) {}
  AcGeLine3d(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2) : AcGeLinearEnt3d(pnt1, pnt2 - pnt1) {}

  static const AcGeLine3d kXAxis;
  static const AcGeLine3d kYAxis;
  static const AcGeLine3d kZAxis;

  AcGeLine3d& set(const AcGePoint3d& pnt, const AcGeVector3d& vec);
  AcGeLine3d& set(const AcGePoint3d& pnt1, const AcGePoint3d& pnt2);

  AcGe::EntityId type() const override { return AcGe::kLine3d; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity3d* copy() const override { return new AcGeLine3d(*this); }

 protected:
  AcGeInterval paramInterval() const override { return AcGeInterval(); }
  bool clampsParam() const override { return false; }
};

class AcGeLineSeg3d : public AcGeLinearEnt3d {
 public:
  AcGeLineSeg3d() = default;
  AcGeLineSeg3d(const AcGePoint3d& start, const AcGePoint3d& end) : AcGeLinearEnt3d(start, end - start) {}
  AcGeLineSeg3d(const AcGePoint3d& start, const AcGeVector3d& vec) : AcGeLinearEnt3d(start, vec) {}

  AcGeLineSeg3d& set(const AcGePoint3d& start, const AcGePoint3d& end);
  AcGeLineSeg3d& set(const AcGePoint3d& start, const AcGeVector3d& vec);

  AcGePoint3d startPoint() const { return m_origin; }
  AcGePoint3d endPoint() const { return m_origin + m_vec; }
  AcGePoint3d midPoint() const { return m_origin + m_vec * 0.5; }
  // The plane through the midpoint normal to the segment.
  void getBisector(AcGePlane& plane) const;

  AcGe::EntityId type() const override { return AcGe::kLineSeg3d; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity3d* copy() const override { return new AcGeLineSeg3d(*this); }

 protected:
  AcGeInterval paramInterval() const override { return AcGeInterval(0.0, 1.0); }
  bool clampsParam() const override { return true; }
};
