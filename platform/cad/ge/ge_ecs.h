#pragma once

#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

// Entity coordinate systems by the arbitrary-axis rule: for a unit normal N, the X axis is
// (0,1,0) x N when |Nx| and |Ny| are both below 1/64, otherwise (0,0,1) x N; Y = N x X.
// For N = (0,0,1) the system is the world's; for N = (0,0,-1) X is (-1,0,0) and Y is (0,1,0).

AcGeVector3d acgeEcsXAxis(const AcGeVector3d& normal);
AcGeVector3d acgeEcsYAxis(const AcGeVector3d& normal);
// Maps entity coordinates to world coordinates (origin kept at the world origin).
AcGeMatrix3d acgeEcsToWorld(const AcGeVector3d& normal);
AcGeMatrix3d acgeWorldToEcs(const AcGeVector3d& normal);
AcGePoint3d acgeEcsPointToWorld(const AcGePoint3d& ecsPoint, const AcGeVector3d& normal);
AcGePoint3d acgeWorldPointToEcs(const AcGePoint3d& worldPoint, const AcGeVector3d& normal);
