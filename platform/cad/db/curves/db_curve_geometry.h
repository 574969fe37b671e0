// The curve entities as the geometry of platform/cad/curve: pieces in space for the
// intersections, and plane paths of lines and arcs for the offsets.
#pragma once

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/curve/curve_piece.h"
#include "platform/cad/db/curves/db_curve.h"

namespace db_curve {

// False for an entity that is no curve this knows (or a degenerate one).
// extend makes a line a whole line and an arc a whole circle.
bool piecesOf(const AcDbEntity* entity, bool extend, curve::PiecePath& pieces);

// A plane path in the coordinate system of normal (arbitrary-axis rule), at height
// elevation. Ellipses and splines come as arcs within a millionth of their size.
struct PlanePath {
  curve::BulgePath path;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double elevation = 0.0;
};
// eNonCoplanarGeometry for a curve that does not lie in a plane of that normal.
Acad::ErrorStatus planePathOf(const AcDbCurve* curve, const AcGeVector3d& normal, PlanePath& out);
// The normal of a plane curve's own plane.
bool curveNormal(const AcDbCurve* curve, AcGeVector3d& normal);

}  // namespace db_curve
