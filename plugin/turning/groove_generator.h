// The grooving generator: radial plunge lines over the region the tool's
// left nose centre may reach, and the contour of that region, left in the
// drawing as plain lines and one polyline (grooving stores no toolpath).
#pragma once

#include "platform/cad/db/db_object_id.h"

class CGrooveDlg;

// What one grooving run left in the drawing.
struct GrooveResult {
  AcDbObjectIdArray plunges;  // hatch order, each running into the groove
  AcDbObjectIdArray contour;  // one polyline; empty when none could be made
};

// Works on a copy of the dialog's chained profile, run right to left, so
// that the side the groove is cut from does not hang on how the profile was
// drawn; inner grooving is the outer one seen from the axis. The chained
// polyline is used up, and a toolpath of the dialog's name, which the user
// agreed to give up, goes once the groove is made. False, with a message and
// the drawing as it was, when nothing could be made.
bool CreateGrooveToolpath(CGrooveDlg& dlg, GrooveResult* result = nullptr);
