// The passes of one slice of the solid cut: the section of the tool-offset
// solid at one frame Z made into open pieces of the surface's upper side.
#pragma once

#include "platform/cad/db/db_object_id.h"

struct SolidCutSliceSettings {
  double tolerance = 0.01;
  double floorY = -100.0;
  bool angleLimit = false;
  double minAngle = 0.0;
  double maxAngle = 90.0;
  bool reversed = false;  // taken from the far end, each piece reversed
};

enum class SliceOutcome { kPieces, kEmpty, kNoSection };

// The pieces are appended to passes; everything else made is erased again.
SliceOutcome BuildSolidCutSlice(AcDbObjectId offsetSolid, double frameZ, const SolidCutSliceSettings& settings,
                                AcDbObjectIdArray& passes);
