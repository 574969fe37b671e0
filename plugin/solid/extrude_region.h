// A closed flat curve made into a region and extruded into a 3D solid in model
// space; the solid extrude and the solid cut share it.
#pragma once

#include "platform/cad/db/db_object_id.h"

// Height along the curve's normal (negative: the other way); a positive taper
// angle (degrees) narrows the profile as it goes. False, and no solid, when the
// curve cannot be opened, makes no region, or the extrusion fails.
bool ExtrudeRegion(AcDbObjectId curveId, AcDbObjectId& solidId, double height, double taperDegrees);
