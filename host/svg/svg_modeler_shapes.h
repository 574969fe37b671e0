// The plan view of regions, 3D solids and bodies: their edges, seen from above.
#pragma once

#include "host/svg/svg_path.h"
#include "platform/cad/ge/ge_matrix3d.h"

class AcDbEntity;

// Appends the edges (placed by xform) to path. False for an entity of another
// kind, or one that keeps another program's modeler data this host cannot read.
bool ModelerEdgePathOf(const AcDbEntity& entity, const AcGeMatrix3d& xform, SvgPath& path);
