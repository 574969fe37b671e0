// Which curves of a list lie over an earlier one.
#pragma once

#include "platform/cad/db/db_object_id.h"

using CurvesMatch = bool (*)(AcDbObjectId first, AcDbObjectId second);

// Each curve that matches any curve before it in the list, once, in list
// order. A curve that lies over several earlier ones is still listed once.
AcDbObjectIdArray FindOverlappingCurves(const AcDbObjectIdArray& curves, CurvesMatch match);
