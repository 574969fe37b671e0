// The plan view of regions, 3D solids and bodies (their edges, seen from above),
// and of other entities as they draw themselves.
#pragma once

#include "host/svg/svg_path.h"
#include "platform/cad/ge/ge_matrix3d.h"

class AcDbEntity;

// Appends the edges (placed by xform) to path. False for an entity of another
// kind, or one that keeps another program's modeler data this host cannot read.
bool ModelerEdgePathOf(const AcDbEntity& entity, const AcGeMatrix3d& xform, SvgPath& path);

// The faces an entity drew: how many, over how many vertices, and the colour
// they were drawn in (-1 when they came without colours).
struct DrawnFaces {
  int faces = 0;
  int vertices = 0;
  int colorIndex = -1;
};

// What an entity of any other kind (a plug-in's own) draws through its worldDraw:
// wires, and the edges of its faces. False when it draws nothing.
bool WorldDrawPathOf(const AcDbEntity& entity, const AcGeMatrix3d& xform, SvgPath& path, DrawnFaces& faces);
