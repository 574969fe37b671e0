// Drawing a shape through the world-draw interface.
#pragma once

#include <TopoDS_Shape.hxx>

class AcGiWorldDraw;

namespace brep {

// Faces as shells (one per face, within the facet deviation the draw asks for) when
// the regen wants faces, else edges as wires; each carries its graphics marker.
void drawShape(const TopoDS_Shape& shape, AcGiWorldDraw& mode);

}  // namespace brep
