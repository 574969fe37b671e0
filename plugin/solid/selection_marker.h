// The selection details of one pick, as the host's selection-set query gives
// them: how the entity was selected, which entity, and the graphics marker of
// the face or edge under the pick.
#pragma once

#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/db/graphics/gi_types.h"

// True when the list starts with a list-begin item followed by the method, the
// entity name and the marker; the three are then given out. A selection that
// carries no marker (not a pick) yields marker 0.
bool ParseSelectionMarker(const resbuf* details, int& method, ads_name entityName, Adesk::GsMarker& marker);
