// Lead moves of a profile's passes kept on the tool's side of the curve and
// clear of it by the tool: shortened where whole ones would reach the wall,
// left off (and reported) where even short ones would.
#pragma once

#include "platform/cad/db/db_object_id.h"

class CLeadInOutDlg;

// Which side of the machined curve the tool centre keeps to.
enum class ProfileToolSide { kInside, kOutside, kEitherSide };

// Adds the lead moves to every pass; clearance is the least distance from the
// curve that a lead move may come to.
void AddProfileLeadMoves(const CLeadInOutDlg& lead, const AcDbObjectIdArray& passes, AcDbObjectId curve,
                         double clearance, ProfileToolSide side);
