// Picking the drawing curves that a 2D operation machines, making a pocket's
// boundary and islands of them, and getting a stored toolpath's curves back.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/db/filing/resbuf.h"
#include "platform/classlib/cstring.h"

// How curves are picked; the dialogs keep it and show it as radios.
enum SelectionMethod {
  kSelectSingle = 1,
  kSelectChain = 2,
  kSelectWindow = 3,
  kSelectPolygon = 4,
};

// Lets the user pick curves with the method until an empty answer: a curve not
// yet in the list is added and highlighted, one in it is taken out and
// unhighlighted. Answering a pick with the keyword Other asks for another
// method, which is then handed back with false; the caller starts the picking
// again with it. False too when cancelled or a pick was refused; the list keeps
// what was picked so far either way.
bool SelectPocketEntities(AcDbObjectIdArray& curves, int& method);

// The profile operations' picking, one selection per call: true with a new
// selection set (the caller frees it) of the curves to toggle in the list;
// Chain and Window and Polygon give the chain that the picks lead to. Single
// toggles its picks in the list itself and then gives false, as do an empty
// answer, a cancel, a refusal and a keyword (method as above); selection is
// then no set.
bool SelectCurvesByMethod(AcDbObjectIdArray& curves, ads_name selection, int& method);

// Each member of the set leaves the list (unhighlighted) when it is in it, else
// joins it (highlighted) when it is a flat curve. False for an empty set.
bool ToggleSelectedCurves(const ads_name selection, AcDbObjectIdArray& curves);

// Chains copies of the picked curves into closed polylines in model space
// (asking before it closes wider gaps): the one of largest area is the
// boundary, those inside it the islands. False, with boundary and islands
// untouched, when no boundary could be made: why then says what is wrong and
// where (a loose end, a boundary that crosses itself, an island that crosses
// it), or stays empty when there is nothing to tell (a gap the user did not
// want closed).
bool ChainPocketBoundary(const AcDbObjectIdArray& curves, AcDbObjectId& boundary, AcDbObjectIdArray& islands,
                         CString* why = nullptr);

// Copies, in model space at their own elevations, of the polylines that a
// stored toolpath keeps of its source: those stored ahead of its first marker
// point, the passes being left out. For a pocket the first is the boundary and
// the others are the islands; for a profile they are its curves. False, with
// nothing copied and empty outs, when the toolpath does not exist or keeps no
// such polyline.
bool ReloadPocketBoundary(const char* toolpathName, AcDbObjectId& boundary, AcDbObjectIdArray& islands);
bool ReloadProfileCurves(const char* toolpathName, AcDbObjectIdArray& curves);
