#include "plugin/shell/ucs_helpers.h"

namespace {

bool HasUcs(const AcDbDatabase* db) { return db != nullptr && !db->isUcsWorld(); }

AcGeVector3d ZAxisOf(const AcDbDatabase& db) { return db.ucsxdir().crossProduct(db.ucsydir()).normal(); }

}  // namespace

void GetUcsMatrix(AcGeMatrix3d& matrix, AcDbDatabase* db) {
  matrix.setToIdentity();
  if (!HasUcs(db)) return;
  matrix.setCoordSystem(db->ucsorg(), db->ucsxdir(), db->ucsydir(), ZAxisOf(*db));
}

AcGePoint3d UcsToWcsPoint(const AcGePoint3d& point, AcDbDatabase* db) {
  AcGeMatrix3d matrix;
  GetUcsMatrix(matrix, db);
  return matrix * point;
}

void UcsAlignMatrix(AcGeMatrix3d& matrix, const AcGePoint3d& point, AcDbDatabase* db) {
  matrix.setToIdentity();
  if (!HasUcs(db)) return;
  const AcGePoint3d origin = db->ucsorg() + point.asVector();
  matrix = AcGeMatrix3d::alignCoordSys(origin, db->ucsxdir(), db->ucsydir(), ZAxisOf(*db), AcGePoint3d::kOrigin,
                                       AcGeVector3d::kXAxis, AcGeVector3d::kYAxis, AcGeVector3d::kZAxis);
}

AcGeVector3d GetUcsZAxis(AcDbDatabase* db) { return HasUcs(db) ? ZAxisOf(*db) : AcGeVector3d::kZAxis; }
