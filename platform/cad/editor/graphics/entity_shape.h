// How an entity looks in the XY plane of the UCS: exact lines, arcs, circles,
// polylines (bulges as arcs), points and text positions; ellipses and splines
// sampled by parameter; anything else by its extents box.
#pragma once

#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/editor/graphics/shape_2d.h"
#include "platform/cad/ge/ge_matrix3d.h"

namespace cadeditor {

// toUcs takes the entity's world coordinates into the UCS (for an entity inside a
// block, the block transform first). Empty when the entity has no usable geometry.
Shape2d EntityShape(const AcDbEntity& entity, const AcGeMatrix3d& toUcs);

}  // namespace cadeditor
