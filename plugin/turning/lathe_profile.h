// The profile a lathe toolpath turns: picking its curves, chaining them into
// one polyline with the stock line after it, and getting both back from a
// stored toolpath.
#pragma once

#include "platform/cad/db/db_object_id.h"

// Selections by the method until one ends, each toggling its curves in the
// list; then the list is put in chain order: the curves that meet end to end
// follow each other, the chain of the first pick first, the loose ones after,
// in pick order. A chain runs from the first pick toward the pick after it;
// where the first pick lies inside its chain, the chain starts at the end
// behind the first pick.
void SelectLatheProfile(AcDbObjectIdArray& picks, int& method);
// The picks in chain order (as SelectLatheProfile leaves them).
void OrderLatheProfile(AcDbObjectIdArray& picks);

// The first chain of the picks, in list order, as one new polyline that
// replaces the chained list. False, with the list empty and nothing new in
// the drawing, when no polyline was made or a pick has no end points.
bool ChainLatheProfile(const AcDbObjectIdArray& picks, AcDbObjectIdArray& chained);
// A new line from the stock curve's start to its end, appended to the list.
bool AppendStockLine(AcDbObjectId stock, AcDbObjectIdArray& chained);

// Copies of a stored lathe toolpath's profile polyline and stock line (its
// first two members, where they are a polyline or a line), for regeneration.
// True when the list (emptied first) holds one.
bool GetLatheProfileIds(const char* toolpathName, AcDbObjectIdArray& ids);
