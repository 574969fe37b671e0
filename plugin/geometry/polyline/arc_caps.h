// The even-odd point test on outlines with arcs: a ray counts an arc's chord,
// then the cap between chord and arc decides the rest.
#pragma once

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/ge/ge_point2d.h"

// Between an arc and its chord: inside the circle, on the arc's side of the chord.
bool InsideArcCap(const curve::BulgeSeg& segment, const AcGePoint2d& p);

// A point on an arc's chord is moved a hair towards the arc: the chord is no
// edge of the outline, so both its sides are alike, but the chord and cap tests
// would each count the point as lying beyond it. Lines leave p as it is.
void MoveOffArcChord(const curve::BulgeSeg& segment, AcGePoint2d& p);
