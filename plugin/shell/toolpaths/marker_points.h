// Marker points: invisible points that mark tool changes, start points and
// cycle values in a toolpath's move order.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

enum MarkerPoint {
  kMarkerTool = 1,        // first position; the tool information hangs on it
  kMarkerToolNumber = 2,  // value: tool number
  kMarkerToolValue = 3,   // value: length offset
  kMarkerSpindle = 5,     // value: spindle speed
  kMarkerBranch = 6,      // before each branch of an offset pattern
  kMarkerCycleStart = 7,  // heads drilling lists
  kMarkerPassKind = 9,    // value: 1 roughing, 2 finishing, 3 rest
  kMarkerType14 = 14,
};
