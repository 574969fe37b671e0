#include "platform/cad/ge/curves/ge_composite_curve.h"
#include "platform/cad/ge/curves/ge_composite_curve_impl.h"

AcGeCompositeCurve3d::AcGeCompositeCurve3d(const AcGeVoidPointerArray& curveList) { setCurveList(curveList); }

AcGeCompositeCurve3d::AcGeCompositeCurve3d(const AcGeCompositeCurve3d& other) : AcGeCurve3d(other) { *this = other; }

AcGeCompositeCurve3d& AcGeCompositeCurve3d::operator=(const AcGeCompositeCurve3d& other) {
  if (this != &other) m_pieces = ge_detail::copyPieces(other.m_pieces);
  return *this;
}

void AcGeCompositeCurve3d::getCurveList(AcGeVoidPointerArray& curveList) const {
  ge_detail::listPieces(m_pieces, curveList);
}

AcGeCompositeCurve3d& AcGeCompositeCurve3d::setCurveList(const AcGeVoidPointerArray& curveList) {
  ge_detail::takeOverPieces(m_pieces, curveList);
  return *this;
}

const AcGeCurve3d* AcGeCompositeCurve3d::curveAt(int index) const { return ge_detail::pieceAt(m_pieces, index); }

double AcGeCompositeCurve3d::globalToLocalParam(double param, int& segNum) const {
  return ge_detail::globalToLocal(m_pieces, param, segNum);
}

double AcGeCompositeCurve3d::localToGlobalParam(double param, int segNum) const {
  return ge_detail::localToGlobal(m_pieces, param, segNum);
}

bool AcGeCompositeCurve3d::isKindOf(AcGe::EntityId entType) const {
  return entType == AcGe::kCompositeCrv3d || AcGeCurve3d::isKindOf(entType);
}

bool AcGeCompositeCurve3d::isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol) const {
  return other.type() == AcGe::kCompositeCrv3d &&
         ge_detail::samePieces(m_pieces, static_cast<const AcGeCompositeCurve3d&>(other).m_pieces, tol);
}

AcGeInterval AcGeCompositeCurve3d::paramInterval() const { return AcGeInterval(0.0, pieceStart(numCurves())); }

AcGePoint3d AcGeCompositeCurve3d::pointAt(double param) const {
  return ge_detail::pointOnPieces(m_pieces, param, AcGePoint3d::kOrigin);
}

AcGeVector3d AcGeCompositeCurve3d::derivAt(double param, int order) const {
  return ge_detail::derivOnPieces<AcGeVector3dArray>(m_pieces, param, order);
}

double AcGeCompositeCurve3d::nearestParam(const AcGePoint3d& pnt) const {
  return ge_detail::nearestOnPieces(m_pieces, pnt);
}

double AcGeCompositeCurve3d::arcLength(double fromParam, double toParam) const {
  return ge_detail::lengthOverPieces(m_pieces, fromParam, toParam);
}

void AcGeCompositeCurve3d::transformGeometry(const AcGeMatrix3d& xfm) { ge_detail::transformPieces(m_pieces, xfm); }

void AcGeCompositeCurve3d::reverseGeometry() { ge_detail::reversePieces(m_pieces); }

double AcGeCompositeCurve3d::pieceStart(int index) const { return ge_detail::pieceStart(m_pieces, index); }
