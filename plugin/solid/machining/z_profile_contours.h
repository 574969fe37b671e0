// The contours of one Z level: from the loops where the level cuts the
// tool-offset model to the closed paths of the tool centre, each at the
// in-plane distance from the loops that the tool's shape leaves.
#pragma once

#include <vector>

#include "platform/cad/db/db_object_id.h"

struct ZLevelContourSettings {
  double distance = 0.0;  // in the plane, from the loops to the tool centre
  double z = 0.0;
  bool core = true;       // also around the material from outside
  int cutDirection = 0;   // 0 climb: material on the right of the travel
};

// The outer loops and, per outer loop, its holes, as the section gives them.
// Every opening is machined as its own boundary, with the material standing
// in it as islands; with core, the material is also machined from outside.
// New closed polylines are appended to contours; the loops stay.
void BuildZLevelContours(const ZLevelContourSettings& settings, const AcDbObjectIdArray& loops,
                         const std::vector<AcDbObjectIdArray>& innerLoops, AcDbObjectIdArray& contours);

// True for a contour that runs around material (the free side is outside it).
bool ContourEnclosesMaterial(AcDbObjectId contour, int cutDirection);
