// The modeling operations behind the entities' functions, on OpenCASCADE shapes.
// Each answers eOk with its result, or an error status and no result; none throws.
#pragma once

#include <TopoDS_Shape.hxx>
#include <gp_Dir.hxx>
#include <gp_Pln.hxx>

#include <vector>

#include "platform/cad/db/error_status.h"
#include "platform/cad/modeler/modeler_enums.h"

namespace brep {

// Primitives centred on the origin, as the host makes them.
Acad::ErrorStatus makeBox(double xLen, double yLen, double zLen, TopoDS_Shape& result);
// The sloped face runs from the top at -X down to the bottom at +X.
Acad::ErrorStatus makeWedge(double xLen, double yLen, double zLen, TopoDS_Shape& result);
// Along Z from -height/2 to +height/2; elliptical when the radii differ.
Acad::ErrorStatus makeFrustum(double height, double xRadius, double yRadius, double topXRadius, TopoDS_Shape& result);
Acad::ErrorStatus makeSphere(double radius, TopoDS_Shape& result);
// About the Z axis; a minor radius at or above the major one gives the closed solid
// the spinning circle sweeps.
Acad::ErrorStatus makeTorus(double majorRadius, double minorRadius, TopoDS_Shape& result);

// Unite, intersect or subtract. Faces give faces, solids give solids; an empty
// result is a null shape.
Acad::ErrorStatus booleanOf(AcDb::BoolOperType operation, const TopoDS_Shape& first, const TopoDS_Shape& second,
                            TopoDS_Shape& result);

// The faces where the plane cuts the solid, with the plane's normal; a null shape
// when the plane misses it.
Acad::ErrorStatus sectionOf(const TopoDS_Shape& solid, const gp_Pln& plane, TopoDS_Shape& faces);

// Every face moved out (positive) or in by the distance, convex edges rounded.
Acad::ErrorStatus offsetOf(const TopoDS_Shape& solid, double distance, TopoDS_Shape& result);

// Flat faces swept along their normal by height (negative: the other way). A
// positive taper angle narrows the profile as it goes.
Acad::ErrorStatus extrusionOf(const TopoDS_Shape& faces, double height, double taperAngle, TopoDS_Shape& result);

// The faces (1-based numbers of the solid's face order) tilted by the angle about
// the plane through basePoint across draftDirection; a positive angle leans them
// inwards along the draft direction.
Acad::ErrorStatus taperOf(const TopoDS_Shape& solid, const std::vector<int>& faces, const gp_Pnt& basePoint,
                          const gp_Dir& draftDirection, double angle, TopoDS_Shape& result);

// The normal of a flat face as it faces (its orientation counted).
bool faceNormal(const TopoDS_Shape& face, gp_Dir& normal, gp_Pnt& origin);

}  // namespace brep
