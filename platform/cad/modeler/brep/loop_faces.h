// Flat faces from edges that meet end to end in closed loops.
#pragma once

#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Pln.hxx>

#include <optional>
#include <vector>

#include "platform/cad/ge/ge_vector3d.h"

namespace brep {

// One face for each closed loop (edges are taken in their order; a closed edge is a
// loop of its own, others chain to the first edge whose end meets the open end).
// Loops inside loops give faces of their own. Edges that close no loop, or loops
// that are not flat, give nothing. The face normal is the preferred normal when
// given and parallel, else the loop plane's normal turned towards +Z (+Y, +X).
std::vector<TopoDS_Face> facesFromLoops(const std::vector<TopoDS_Edge>& edges,
                                        const std::optional<AcGeVector3d>& preferredNormal);

// Twice the signed area the wire encloses in the plane (positive counter-clockwise
// about the plane's normal), from points along its edges.
double signedArea(const TopoDS_Wire& wire, const gp_Pln& plane);

}  // namespace brep
