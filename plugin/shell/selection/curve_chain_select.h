// Curves ordered end to end, chained selections of connected curves, and the
// duplicate and coincidence tests of the clean-up commands. End points meet when
// they are less than the join tolerance apart.
#pragma once

#include <cstddef>

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/db/filing/resbuf.h"

// Candidates beyond this refuse a drawing-wide chain.
constexpr int kMaxChainCandidates = 1000;

// The box that refuses a selection of count curves, over kMaxChainCandidates.
void ShowTooManyCandidates(std::size_t count);

// Moves the pool into chain run by run; a run grows at its open end only and no
// curve is reversed. The pool is freed. False for an empty pool or a curve
// without end points.
bool ChainCurvesByEndpoints(AcDbObjectIdArray& pool, AcDbObjectIdArray& chain);

// The result sets are new sets (the caller frees them) that begin with the
// picked entity and hold the run in chain order; a chain never passes a branch.
// From one pick, over the drawing's shown flat curves; listed boundaries are
// kept apart from other curves. False when the drawing cannot be selected or
// more than kMaxChainCandidates candidates remain (with a message box).
bool ChainConnectedCurves(const AcDbObjectIdArray& listed, const ads_name picked, ads_name result);
// The same, the second pick giving the direction; no candidate limit.
bool ChainCurvesFromEntity(const AcDbObjectIdArray& listed, const ads_name first, const ads_name second,
                           ads_name result);
// From the set's first entity over the rest of the set, which loses that entity.
// False when the first entity has no end points.
bool ChainSelectedCurves(ads_name set, ads_name result);

// Same kind, same end points (either way) and same midpoint, exactly but for
// the rounding of the last bits; arcs and circles also the same centre and
// radius. Other kinds never.
bool CurvesDuplicate(AcDbObjectId first, AcDbObjectId second);
// Same end points (either way, as exactly as above), lengths within 0.00001 and half-length
// points within 0.0001.
bool CurvesCoincide(AcDbObjectId first, AcDbObjectId second);
