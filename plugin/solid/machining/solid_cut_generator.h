// The solid cut: parallel passes that follow a solid's surface in vertical
// slices along the machining angle, spaced by the stepover, stored as one
// toolpath group (kind 11) with the dialog's record.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_matrix3d.h"

class CSolidCutDlg;

void CreateSolidCutToolpath(CSolidCutDlg& dlg);

// Hidden copies of the model and, unless null, of the gouge-check outline (as
// a polyline), appended to members: what the group keeps ahead of its path.
bool AddSolidCutSourceCopies(AcDbObjectId model, AcDbObjectId gouge, AcDbObjectIdArray& members);

// Copies of the model and of the gouge-check polyline (null when the toolpath
// keeps none) that a stored solid cut or Z-level toolpath holds. True when a
// model was found.
bool GetSolidCutSourceIds(const char* toolpathName, AcDbObjectId& model, AcDbObjectId& gouge);

// The frame in which the passes are cut: the machining direction along X, the
// height along Y, the slices across (constant Z).
AcGeMatrix3d SolidCutFrame(double machiningAngleDegrees);

// Where the slices lie in the frame's Z: from one side of the model's extents
// (widened by the tool radius) to the other, by the stepover.
struct SolidCutSlices {
  double start = 0.0;
  double step = 0.0;
  int count = 0;  // slices 0 .. count - 1
};
SolidCutSlices PlanSolidCutSlices(double frameMinZ, double frameMaxZ, double radius, double stepover, bool upCut);
