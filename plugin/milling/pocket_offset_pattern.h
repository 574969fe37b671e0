// The contour-parallel fill of a pocket level: rings offset step by step from
// the region's boundary, with the islands grown alongside and merged where
// they meet. Rings are new closed polylines in model space owned by the caller.
#pragma once

#include "platform/cad/db/db_object_id.h"

// Kind of the information point that closes each region's rings.
constexpr int kRegionEndInfoKind = 15;

// Rings of every region; sharp corners are first rounded a little (smoothing 0
// allows it) when the first distance and the island clearances leave room.
bool OffsetPocketRegions(AcDbObjectIdArray boundaries, const AcDbObjectIdArray& islands, AcDbObjectIdArray& result,
                         int budget, double firstDistance, double stepover, double elevation, unsigned char side,
                         int smoothing);
// 1 when every region was ringed, 0 at the first region that yields nothing.
int NestPocketRegions(AcDbObjectIdArray boundaries, const AcDbObjectIdArray& islands, AcDbObjectIdArray& result,
                      int budget, double firstDistance, double stepover, double elevation, unsigned char side);
// The rings of one region; a ring that splits rings each part one depth deeper.
int BuildRegionRings(int depth, int stepNumber, AcDbObjectId boundary, const AcDbObjectIdArray& islands,
                     AcDbObjectIdArray& result, int budget, double firstDistance, double stepover, double elevation,
                     unsigned char side);
// One ring of the outline and of each island, merged where they meet.
int OffsetRegionStep(int& stepNumber, AcDbObjectId source, const AcDbObjectIdArray& islands,
                     AcDbObjectIdArray& outerLoops, AcDbObjectIdArray& islandLoops, double distance, double elevation,
                     unsigned char side);
