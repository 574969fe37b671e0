// The closed loops of a section (a region, or anything that explodes into
// curves), as lightweight polylines at one level, each outer loop with the
// loops of the holes in its face.
#pragma once

#include <vector>

#include "platform/cad/db/db_object_id.h"

// Replaces loops by the outer loops and innerLoops by one list per outer loop
// (its holes), all at elevation z. The pieces the section breaks into are taken
// out of the drawing again; the section stays. True when a loop was made.
// Arcs stay exact arcs, closed within the join tolerance.
bool ExplodeToCurveLoops(AcDbObjectId section, AcDbObjectIdArray& loops, std::vector<AcDbObjectIdArray>& innerLoops,
                         double z);
// Every piece but lines and polylines made into chords; the loops are closed
// within the tolerance.
bool ExplodeToCurveLoopsForCut(AcDbObjectId section, AcDbObjectIdArray& loops,
                               std::vector<AcDbObjectIdArray>& innerLoops, double z, double tolerance);
