// The pocket's linking step: the passes of one level, in the order the fill
// made them, become one path of cuts, links, retracts and plunges.
#pragma once

#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_point3d.h"

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point3d.h"

class CPlungeDlg;
class PocketLinkArea;

struct PocketLinkMoves {
  CPlungeDlg* plunge = nullptr;
  // The outlines the tool centre must keep within: a helix or slot plunge is
  // fitted to them.
  AcDbObjectIdArray plungeBounds;
  double retractZ = 0.0;
  int linkFeed = 0;
  // One-way passes are never joined at depth: each is entered from above.
  bool directLinks = true;
  // The path starts with the approach and plunge, and ends with a retract.
  bool enterFirst = true;
  bool leaveLast = true;
  // Joins at least this long go by rapid moves over the retract height.
  bool rapidLinks = false;
  double rapidLinkFrom = 0.0;
  // The first pass, when closed, starts nearest this picked point.
  bool startAtPoint = false;
  AcGePoint2d startPoint;
  // A join of these two ends cut at depth: direct links on, not to go by rapid.
  bool cutsJoin(const AcGePoint3d& from, const AcGePoint3d& to) const {
    return directLinks && !(rapidLinks && from.distanceTo(to) >= rapidLinkFrom);
  }
};

// The runs of passes between point entities are groups; each group is cut in
// list order, or innermost first when insideOut, a closed pass starting at its
// point nearest the previous end. Consecutive passes are joined by a straight
// feed move when the area holds it, else by a retract, a rapid and a plunge.
// Point entities stay in front of the passes that follow them. False when no
// pass was linked.
bool LinkPocketGroups(const AcDbObjectIdArray& ordered, const PocketLinkArea& area, const PocketLinkMoves& moves,
                      bool insideOut, AcDbObjectIdArray& linked);

// The plunge of the conditions onto the pass from the approach point; a ramp
// that would come in from outside the area goes straight down instead.
void AddPlungeInside(CPlungeDlg& plunge, AcDbObjectId passId, const AcDbObjectIdArray& bounds,
                     const PocketLinkArea& area, const AcGePoint3d& approach, const AcGePoint3d& start,
                     AcDbObjectIdArray& ids);
// Up from the end to the retract height, over the start, and the plunge.
void AddRetractAndPlunge(CPlungeDlg& plunge, double retractZ, const AcGePoint3d& from, AcDbObjectId passId,
                         const AcGePoint3d& start, const AcDbObjectIdArray& bounds, const PocketLinkArea& area,
                         AcDbObjectIdArray& ids);
// The rapid straight up from the point to the retract height.
void AddRetract(double retractZ, const AcGePoint3d& from, AcDbObjectIdArray& ids);
