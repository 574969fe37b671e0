// The contours of one Z level: from the loops where the level cuts the
// tool-offset model to the closed paths of the tool centre, each at the
// in-plane distance from the loops that the tool's shape leaves.
#pragma once

#include <vector>

#include "platform/cad/db/db_object_id.h"

struct ZLevelContourSettings {
  double distance = 0.0;  // in the plane, from the loops to the tool centre
  double z = 0.0;
  bool core = true;      // also around the material from outside
  int cutDirection = 0;  // 0 climb: material on the right of the travel
};

// The loops where the level cuts the tool-offset model, outer loops and holes
// alike: which side is material goes by how deep each lies among the others.
// Every opening is machined as its own boundary, with the material standing
// in it as islands; with core, the material is also machined from outside.
// New closed polylines are appended to contours; the loops stay (reoriented).
void BuildZLevelContours(const ZLevelContourSettings& settings, const AcDbObjectIdArray& loops,
                         AcDbObjectIdArray& contours);

// Drops from the loops of the tool-offset model those that run through the
// model's own material at the tool's tip (modelLoops: the model's section
// there, any nesting): no tool position lies there, so such a loop is an
// artefact of the offset. The dropped loops are erased.
void DropLoopsThroughMaterial(AcDbObjectIdArray& loops, const AcDbObjectIdArray& modelLoops);

// True for a contour that runs around material (the free side is outside it).
bool ContourEnclosesMaterial(AcDbObjectId contour, int cutDirection);
