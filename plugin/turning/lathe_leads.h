// Lead moves on turning passes that keep off the part: a pass may start or end
// against a shoulder, where whole leads would run into it.
#pragma once

#include "platform/cad/db/db_object_id.h"

class CLeadInOutDlg;

// Adds the lead moves to every pass, each as large as keeps it at least the
// clearance from the profile: whole, else at half or a quarter size, else
// none (told in the run's lead failure report).
void AddLatheLeadMoves(const CLeadInOutDlg& lead, const AcDbObjectIdArray& passes, AcDbObjectId profile,
                       double clearance);
