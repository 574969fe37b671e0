// The stretches of the rest tool's path next to which a larger reference tool
// left material: what the rest pass cuts along.
#pragma once

#include <functional>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/db_object_id.h"

class PocketLinkArea;

// width: reference tool diameter less the rest tool's; allowance: reference
// allowance less the rest allowance. onBoundary 1 for the pocket's boundary, 0
// for an island; climb 1 for cut direction 0. The curve is the rest tool's
// centre outline; the pieces (new open polylines at its elevation, running the
// way the pass cuts) are appended. False when the curve cannot be copied.
bool OffsetRestBoundaries(AcDbObjectId curve, AcDbObjectIdArray& result, double width, double allowance, int onBoundary,
                          int climb);

// The same for a whole level at once, so that gaps between outlines that the
// reference tool could not enter count too: the pieces of the rest tool's
// centre loops farther than reach from the reference tool's centre area.
void AddRestStretches(const AcDbObjectIdArray& restLoops, const PocketLinkArea& referenceCentre, double reach,
                      double elevation, AcDbObjectIdArray& result);

// The runs of a closed path whose points are not reached, each from where it
// leaves the reached part to where it comes back; the whole path (closed by a
// last vertex on its start) when no point is reached.
std::vector<std::vector<curve::BulgeVertex>> UnreachedRuns(const curve::BulgePath& loop,
                                                           const std::function<bool(const AcGePoint2d&)>& reached);

// New open polylines at the elevation, one per run of at least two vertices,
// appended to the result.
void AddPlanPieces(const std::vector<std::vector<curve::BulgeVertex>>& pieces, double elevation,
                   AcDbObjectIdArray& result);
