// Picking the curves of a pocket in the drawing, and making its boundary and
// islands of them.
#pragma once

#include "platform/cad/db/db_object_id.h"

// How curves are picked; the dialogs keep it and show it as radios.
enum SelectionMethod {
  kSelectSingle = 1,
  kSelectChain = 2,
  kSelectWindow = 3,
  kSelectPolygon = 4,
};

// Lets the user pick curves with the method: a curve not yet in the list is
// added and highlighted, one in it is taken out and unhighlighted. A keyword
// answer may switch the method, which is then handed back with false. True
// when the picking ended normally.
bool SelectPocketEntities(AcDbObjectIdArray& curves, int& method);

// Chains copies of the picked curves into closed polylines in model space
// (asking before it closes wider gaps): the one of largest area is the
// boundary, those inside it the islands. False, with boundary and islands
// untouched, when no boundary could be made.
bool ChainPocketBoundary(const AcDbObjectIdArray& curves, AcDbObjectId& boundary, AcDbObjectIdArray& islands);
