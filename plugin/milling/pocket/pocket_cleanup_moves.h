// Clean-up moves of the contour roughing: where rings lie farther apart than
// the tool radius, the places the rings run out (round islands, between
// islands, in corners) keep material that no ring comes near. The stretches of
// the rings halfway between them next to such places are cut as well.
#pragma once

#include "platform/cad/db/db_object_id.h"

class PocketLinkArea;

// rings: the contour passes (points passed over); halfRings: the rings of the
// same region halfway between them; reachable: where the tool centre may go.
// The clean-up pieces are appended to the result.
void AddContourCleanupMoves(const AcDbObjectIdArray& rings, const AcDbObjectIdArray& halfRings,
                            const PocketLinkArea& reachable, double stepover, double radius, double elevation,
                            AcDbObjectIdArray& result);
