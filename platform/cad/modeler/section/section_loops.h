// Flat faces from the edges where a plane cuts a solid: the edges close into
// loops through the vertices they share, and loops inside loops become holes (and
// islands inside holes faces again).
#pragma once

#include <TopoDS_Edge.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Pln.hxx>

#include <vector>

namespace brep {

// The faces the loops bound, facing the plane's normal: one face or a compound.
// A null shape when some vertex does not join exactly two edge ends, when loops
// touch or cross, or when they enclose nothing.
TopoDS_Shape facesFromSectionEdges(const std::vector<TopoDS_Edge>& edges, const gp_Pln& plane);

}  // namespace brep
