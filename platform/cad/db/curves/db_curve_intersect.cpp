// Intersections of the curve entities, with the host's extension rules: an extended
// line counts as a whole line, an extended arc as its whole circle.
#include "platform/cad/curve/curve_intersect.h"
#include "platform/cad/db/curves/db_curve_geometry.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/ge/ge_plane.h"

namespace {

bool extendsThis(AcDb::Intersect type) { return type == AcDb::kExtendThis || type == AcDb::kExtendBoth; }
bool extendsArg(AcDb::Intersect type) { return type == AcDb::kExtendArg || type == AcDb::kExtendBoth; }

// The piece seen along the plane's normal; lines keep their parameter, so a hit maps back.
curve::Piece3 projected(const curve::Piece3& piece, const AcGePlane& plane) {
  const AcGePoint3d origin = plane.pointOnPlane();
  const AcGeVector3d n = plane.normal();
  auto flat = [origin, n](const AcGePoint3d& p) { return p - n * (p - origin).dotProduct(n); };
  if (piece.kind == curve::Piece3::kLine) {
    curve::Piece3 out = piece;
    out.p0 = flat(piece.p0);
    out.p1 = flat(piece.p1);
    return out;
  }
  if (piece.kind == curve::Piece3::kArc && piece.normal.isParallelTo(n)) {
    curve::Piece3 out = piece;
    out.center = flat(piece.center);
    return out;
  }
  const curve::Piece3 source = piece;
  curve::Piece3 out =
      curve::Piece3::smooth([source, flat](double t) { return flat(source.pointAt(t)); },
                            [source, n](double t) {
                              const AcGeVector3d d = source.derivAt(t);
                              return d - n * d.dotProduct(n);
                            },
                            source.lo(), source.hi(), source.kind == curve::Piece3::kArc ? 64 : source.chords);
  return out;
}

}  // namespace

Acad::ErrorStatus AcDbEntity::intersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, AcGePoint3dArray& points,
                                            Adesk::IntPtr /*thisGsMarker*/, Adesk::IntPtr /*otherGsMarker*/) const {
  if (pEnt == nullptr) return Acad::eNullEntityPointer;
  curve::PiecePath mine, theirs;
  if (!db_curve::piecesOf(this, extendsThis(intType), mine) || !db_curve::piecesOf(pEnt, extendsArg(intType), theirs))
    return Acad::eNotApplicable;
  for (const curve::Hit3& hit : curve::intersectPaths(mine, theirs)) points.append(hit.point);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::intersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, const AcGePlane& projPlane,
                                            AcGePoint3dArray& points, Adesk::IntPtr /*thisGsMarker*/,
                                            Adesk::IntPtr /*otherGsMarker*/) const {
  if (pEnt == nullptr) return Acad::eNullEntityPointer;
  curve::PiecePath mine, theirs;
  if (!db_curve::piecesOf(this, extendsThis(intType), mine) || !db_curve::piecesOf(pEnt, extendsArg(intType), theirs))
    return Acad::eNotApplicable;
  curve::PiecePath flatMine, flatTheirs;
  for (const curve::Piece3& p : mine) flatMine.push_back(projected(p, projPlane));
  for (const curve::Piece3& p : theirs) flatTheirs.push_back(projected(p, projPlane));
  // The points are those of this entity whose projections meet.
  for (const curve::Hit3& hit : curve::intersectPaths(flatMine, flatTheirs))
    points.append(mine[static_cast<size_t>(hit.pieceA)].pointAt(hit.ta));
  return Acad::eOk;
}
