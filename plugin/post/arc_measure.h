// The turn and length of an arc move, measured in its plane (91 XY, 92 ZX,
// 93 YZ) from where the tool stands to the arc's end about its centre.
#pragma once

#include "platform/cad/ge/ge_point3d.h"

// The two in-plane coordinates, in the plane's turning order, and the one along its axis.
void PlaneCoordinates(const AcGePoint3d& p, int plane, double& a, double& b, double& along);

// The angle the arc sweeps in its direction (6 counter-clockwise, 8 clockwise),
// in (0, 2 pi]: an arc that ends where it starts in the plane turns once.
double ArcSweep(const AcGePoint3d& from, const AcGePoint3d& end, const AcGePoint3d& centre, int plane, int type);

// The length of the path, a helix when the axis coordinate changes.
double ArcLength(const AcGePoint3d& from, const AcGePoint3d& end, const AcGePoint3d& centre, int plane, int type);
