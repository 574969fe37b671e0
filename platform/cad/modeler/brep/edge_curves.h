// Modeler edges as drawing curves.
#pragma once

#include <TopoDS_Edge.hxx>

#include "platform/cad/ge/ge_vector3d.h"

class AcDbCurve;

namespace brep {

// A new curve for the edge (the caller owns it), null for a degenerate edge. Lines
// and splines run the edge's way. Arcs, circles and ellipses lie about planeNormal
// when their plane is perpendicular to it (pass a zero vector to use their own axis),
// running counter-clockwise about it as drawing arcs always do.
AcDbCurve* curveOfEdge(const TopoDS_Edge& edge, const AcGeVector3d& planeNormal);

}  // namespace brep
