// The current user coordinate system, kept in the working drawing.
#pragma once

#include "platform/cad/ge/ge_matrix3d.h"

// The matrix that takes UCS coordinates to world coordinates. RTERROR (and the
// identity) when there is no working drawing.
int acedGetCurrentUCS(AcGeMatrix3d& mat);
// Sets the UCS from such a matrix (its columns are the axes, its translation the origin).
// RTERROR when the axes are not orthonormal and right-handed, or there is no working drawing.
int acedSetCurrentUCS(const AcGeMatrix3d& mat);

namespace cadeditor {
// The working drawing's UCS to world and back; the identity without a drawing.
AcGeMatrix3d UcsToWorld();
AcGeMatrix3d WorldToUcs();
}  // namespace cadeditor
