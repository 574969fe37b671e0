// Lead-in and lead-out moves written into a pass polyline, the search for a
// start on a closed pass at which they cross no other pass, and the Z moves
// between passes. Lead moves carry their feed in the vertex widths.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point3d.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"

class AcDbPolyline;

// Lead-in before the first vertex and lead-out after the last one; a closed pass
// becomes an explicit open loop. False, with nothing changed, when the polyline
// cannot be opened for write or has fewer than two vertices.
bool AddLeadMoves(const CLeadInOutDlg& lead, AcDbObjectId passId);
// The same on an open object (in a drawing or not).
bool AddLeadMovesToPolyline(const CLeadInOutDlg& lead, AcDbPolyline* polyline);
// AddLeadMoves for every id in order; the list is emptied.
void AddLeadMovesToList(const CLeadInOutDlg& lead, AcDbObjectIdArray& ids);

// Builds into trial (a new polyline, not in a drawing, the caller's) the closed
// pass started at the given distance along it, with its lead moves; parameter is
// where that start lies on the pass. False when the pass cannot be opened or the
// distance lies off it.
bool AddLeadMovesClosedPass(const CLeadInOutDlg& lead, AcDbObjectId passId, AcDbPolyline*& trial, double distance,
                            double& parameter);
// For the first count ids (polylines only) finds a start free of the other passes,
// rotates each pass to it and adds the lead moves. A pass without a free start is
// reported once and left as it was.
void PlaceLeadMovesOnPasses(const CLeadInOutDlg& lead, const AcDbObjectIdArray& ids, int count);

// The moves from the end of one pass to the start of the next by the Z-entry mode.
// New ids are appended.
void AddZEntryMoves(const CLeadInOutDlg& lead, AcDbObjectIdArray& ids, const AcGePoint3d& from, const AcGePoint3d& to);
