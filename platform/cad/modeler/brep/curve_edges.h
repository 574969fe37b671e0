// Drawing curves as modeler edges: lines, arcs, circles, ellipses, lightweight
// polylines (with bulges) and splines.
#pragma once

#include <TopoDS_Edge.hxx>

#include <optional>
#include <vector>

#include "platform/cad/ge/ge_vector3d.h"

class AcDbCurve;

namespace brep {

// Appends the curve's edges in its own direction; false (nothing appended) for a
// curve of another kind or without length.
bool appendCurveEdges(const AcDbCurve* curve, std::vector<TopoDS_Edge>& edges);
// The normal of the curve's own plane when it has one (arcs, circles, ellipses, polylines).
std::optional<AcGeVector3d> curveNormal(const AcDbCurve* curve);

}  // namespace brep
