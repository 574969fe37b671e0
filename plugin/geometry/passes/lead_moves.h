// Lead-in and lead-out moves written into a pass polyline, the search for a
// start on a closed pass at which they cross no other pass, and the Z moves
// between passes. Lead moves carry their feed in the vertex widths.
#pragma once

#include <functional>

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

// The sizes tried, largest first, when whole lead moves have no room.
inline constexpr double kLeadShortenings[] = {1.0, 0.5, 0.25};
// copy takes the settings of lead with its arc radii and line lengths scaled.
void ScaleLeadMoves(const CLeadInOutDlg& lead, double factor, CLeadInOutDlg& copy);

// Builds into trial (a new polyline, not in a drawing, the caller's) the closed
// pass started at the given distance along it, with its lead moves; parameter is
// where that start lies on the pass. False when the pass cannot be opened or the
// distance lies off it.
bool AddLeadMovesClosedPass(const CLeadInOutDlg& lead, AcDbObjectId passId, AcDbPolyline*& trial, double distance,
                            double& parameter);
// Places where no lead moves could be made, gathered while the report lives
// (one generator run) and told in one message when it ends.
class LeadFailureReport {
 public:
  LeadFailureReport();
  ~LeadFailureReport();
  LeadFailureReport(const LeadFailureReport&) = delete;
  LeadFailureReport& operator=(const LeadFailureReport&) = delete;

  // To the report of the run; told at once when no report lives.
  static void Add(const AcGePoint3d& place);
  int count() const { return count_; }

 private:
  int count_ = 0;
  AcGePoint3d first_;
  LeadFailureReport* outer_ = nullptr;
};

// Whether a pass with its lead moves (a trial, not in the drawing) may be cut.
using LeadTrialCheck = std::function<bool(const AcDbPolyline& trial)>;

// For the first count ids (polylines only) finds a start free of the other passes
// (and where fits, when given, takes the moves), rotates each pass to it and adds
// the lead moves. A pass without a free start is added to the lead failure report
// and left as it was.
// With unplaced given, passes without a free start go there instead of to the report.
void PlaceLeadMovesOnPasses(const CLeadInOutDlg& lead, const AcDbObjectIdArray& ids, int count,
                            AcDbObjectIdArray* unplaced = nullptr, const LeadTrialCheck& fits = {});

// The moves from the end of one pass to the start of the next by the Z-entry mode.
// New ids are appended.
void AddZEntryMoves(const CLeadInOutDlg& lead, AcDbObjectIdArray& ids, const AcGePoint3d& from, const AcGePoint3d& to);
