// Lead moves on pocket passes that stay where the tool centre may go.
#pragma once

#include "platform/cad/db/db_object_id.h"

class CLeadInOutDlg;
class PocketLinkArea;

// Adds the lead moves to every pass (closed passes first turned to a start
// where the moves are free of the other passes, when placeOnLoops), then takes
// them off again from any pass whose lead moves would leave the area: such a
// pass is entered straight down onto its start instead of through the wall.
void AddLeadMovesInside(const CLeadInOutDlg& lead, const AcDbObjectIdArray& passes, const PocketLinkArea& area,
                        bool placeOnLoops);
