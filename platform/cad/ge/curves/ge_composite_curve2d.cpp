#include "platform/cad/ge/curves/ge_composite_curve.h"
#include "platform/cad/ge/curves/ge_composite_curve_impl.h"

AcGeCompositeCurve2d::AcGeCompositeCurve2d(const AcGeVoidPointerArray& curveList) { setCurveList(curveList); }

AcGeCompositeCurve2d::AcGeCompositeCurve2d(const AcGeCompositeCurve2d& other) : AcGeCurve2d(other) { *this = other; }

AcGeCompositeCurve2d& AcGeCompositeCurve2d::operator=(const AcGeCompositeCurve2d& other) {
  if (this != &other) m_pieces = ge_detail::copyPieces(other.m_pieces);
  return *this;
}

void AcGeCompositeCurve2d::getCurveList(AcGeVoidPointerArray& curveList) const {
  ge_detail::listPieces(m_pieces, curveList);
}

AcGeCompositeCurve2d& AcGeCompositeCurve2d::setCurveList(const AcGeVoidPointerArray& curveList) {
  ge_detail::takeOverPieces(m_pieces, curveList);
  return *this;
}

const AcGeCurve2d* AcGeCompositeCurve2d::curveAt(int index) const { return ge_detail::pieceAt(m_pieces, index); }

double AcGeCompositeCurve2d::globalToLocalParam(double param, int& segNum) const {
  return ge_detail::globalToLocal(m_pieces, param, segNum);
}

double AcGeCompositeCurve2d::localToGlobalParam(double param, int segNum) const {
  return ge_detail::localToGlobal(m_pieces, param, segNum);
}

bool AcGeCompositeCurve2d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kCompositeCrv2d || AcGeCurve2d::isKindOf(entType);
}

bool AcGeCompositeCurve2d::isEqualTo(const AcGeEntity2d& other, const AcGeTol& tol) const {
  return other.type() == AcGe::kCompositeCrv2d &&
         ge_detail::samePieces(m_pieces, static_cast<const AcGeCompositeCurve2d&>(other).m_pieces, tol);
}

AcGeInterval AcGeCompositeCurve2d::paramInterval() const { return AcGeInterval(0.0, pieceStart(numCurves())); }

AcGePoint2d AcGeCompositeCurve2d::pointAt(double param) const {
  return ge_detail::pointOnPieces(m_pieces, param, AcGePoint2d::kOrigin);
}

AcGeVector2d AcGeCompositeCurve2d::derivAt(double param, int order) const {
  return ge_detail::derivOnPieces<AcGeVector2dArray>(m_pieces, param, order);
}

double AcGeCompositeCurve2d::nearestParam(const AcGePoint2d& pnt) const {
  return ge_detail::nearestOnPieces(m_pieces, pnt);
}

double AcGeCompositeCurve2d::arcLength(double fromParam, double toParam) const {
  return ge_detail::lengthOverPieces(m_pieces, fromParam, toParam);
}

void AcGeCompositeCurve2d::transformGeometry(const AcGeMatrix2d& xfm) { ge_detail::transformPieces(m_pieces, xfm); }

void AcGeCompositeCurve2d::reverseGeometry() { ge_detail::reversePieces(m_pieces); }

double AcGeCompositeCurve2d::pieceStart(int index) const { return ge_detail::pieceStart(m_pieces, index); }
