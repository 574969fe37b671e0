// Cut curves in order become one continuous path: each entered from the
// clearance height by the lead record's Z entry, left straight up, and joined
// to the next at the clearance height.
#pragma once

#include "platform/cad/db/db_object_id.h"

class CLeadInOutDlg;

// The out list is emptied first; point entities are passed over. False when a
// curve's end points cannot be read.
bool LinkToolpathCurves(AcDbObjectIdArray curves, AcDbObjectIdArray& out, const CLeadInOutDlg& lead, double clearance);
