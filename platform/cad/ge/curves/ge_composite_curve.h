#pragma once

#include <memory>
#include <vector>

#include "platform/cad/ge/curves/ge_curve2d.h"
#include "platform/cad/ge/curves/ge_curve3d.h"

// A chain of curve pieces. The composite owns its pieces: the constructor and
// setCurveList take over the AcGeCurve2d pointers of the list (heap objects, which the
// caller must no longer delete); getCurveList hands out pointers still owned here.
// The parameter runs over the pieces' own intervals laid end to end, starting at 0.
class AcGeCompositeCurve2d : public AcGeCurve2d {
 public:
  AcGeCompositeCurve2d() = default;
  explicit AcGeCompositeCurve2d(const AcGeVoidPointerArray& curveList);
  AcGeCompositeCurve2d(const AcGeCompositeCurve2d& other);
  AcGeCompositeCurve2d& operator=(const AcGeCompositeCurve2d& other);

  void getCurveList(AcGeVoidPointerArray& curveList) const;
  AcGeCompositeCurve2d& setCurveList(const AcGeVoidPointerArray& curveList);
  int numCurves() const { return static_cast<int>(m_pieces.size()); }
  const AcGeCurve2d* curveAt(int index) const;

  // Piece index and its own parameter for a parameter of the composite, and back.
  double globalToLocalParam(double param, int& segNum) const;
  double localToGlobalParam(double param, int segNum) const;

  AcGe::EntityId type() const override { return AcGe::kCompositeCrv2d; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity2d* copy() const override { return new AcGeCompositeCurve2d(*this); }
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
  double pieceStart(int index) const;

  std::vector<std::unique_ptr<AcGeCurve2d>> m_pieces;
};

class AcGeCompositeCurve3d : public AcGeCurve3d {
 public:
  AcGeCompositeCurve3d() = default;
  explicit AcGeCompositeCurve3d(const AcGeVoidPointerArray& curveList);
  AcGeCompositeCurve3d(const AcGeCompositeCurve3d& other);
  AcGeCompositeCurve3d& operator=(const AcGeCompositeCurve3d& other);

  void getCurveList(AcGeVoidPointerArray& curveList) const;
  AcGeCompositeCurve3d& setCurveList(const AcGeVoidPointerArray& curveList);
  int numCurves() const { return static_cast<int>(m_pieces.size()); }
  const AcGeCurve3d* curveAt(int index) const;

  double globalToLocalParam(double param, int& segNum) const;
  double localToGlobalParam(double param, int segNum) const;

  AcGe::EntityId type() const override { return AcGe::kCompositeCrv3d; }
  bool isKindOf(AcGe::EntityId entType) const override;
  AcGeEntity3d* copy() const override { return new AcGeCompositeCurve3d(*this); }
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
  double pieceStart(int index) const;

  std::vector<std::unique_ptr<AcGeCurve3d>> m_pieces;
};
