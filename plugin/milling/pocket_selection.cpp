#include "plugin/milling/pocket_selection.h"

// Placeholders that keep the pocket dialog linkable until the picking is
// written: they pick nothing and make no boundary.

bool SelectPocketEntities(AcDbObjectIdArray& /*curves*/, int& /*method*/) { return false; }

bool ChainPocketBoundary(const AcDbObjectIdArray& /*curves*/, AcDbObjectId& /*boundary*/,
                         AcDbObjectIdArray& /*islands*/) {
  return false;
}
