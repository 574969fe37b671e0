// Which face of a shape a pick names.
#pragma once

#include <TopoDS_Shape.hxx>

#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

namespace brep {

// The number (1-based, in face order) of the face the line through point along
// viewDirection meets nearest the eye, or of the face nearest the line within
// aperture when it meets none; 0 when there is none.
int faceUnderPick(const TopoDS_Shape& shape, const AcGePoint3d& point, const AcGeVector3d& viewDirection,
                  double aperture);

// The number (1-based, in edge order) of the edge nearest the line through
// point along viewDirection, within aperture; 0 when none is that close. An
// edge seen on its side (a vertical face's edge in a plan view) is what a pick
// on the outline of a drawing shown as wires names.
int edgeNearPick(const TopoDS_Shape& shape, const AcGePoint3d& point, const AcGeVector3d& viewDirection,
                 double aperture);

}  // namespace brep
