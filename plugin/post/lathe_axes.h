// Lathe toolpaths lie in the drawing's XY plane: drawing X along the spindle,
// drawing Y the radial distance (the profile's upper half). The machine's Z is
// the spindle axis and its X the radial distance as drawn, a radius: the
// drawing holds radii, and X words, arc offsets and G50 then agree with it.
// The drawing's X-to-Y turn becomes the machine's Z-to-X turn, as G18 sees
// it from +Y, so arcs keep their direction.
#pragma once

#include "platform/cad/ge/ge_point3d.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

inline bool IsLatheKind(int kind) { return kind == kToolpathLathe || kind == kToolpathLatheDrill; }

// A drawing point in machine axes: X the radius, Y 0, Z along the spindle.
inline AcGePoint3d LatheMachinePoint(const AcGePoint3d& drawing) { return AcGePoint3d(drawing.y, 0.0, drawing.x); }
