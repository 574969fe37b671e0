// The current user coordinate system, kept in the working drawing.
#pragma once

#include "platform/cad/ge/ge_matrix3d.h"

// The matrix that takes UCS coordinates to world coordinates.
int acedGetCurrentUCS(AcGeMatrix3d& mat);
// Sets the UCS from such a matrix (its columns are the axes, its translation the origin).
// RTERROR when the axes are not orthonormal or there is no working drawing.
int acedSetCurrentUCS(const AcGeMatrix3d& mat);
