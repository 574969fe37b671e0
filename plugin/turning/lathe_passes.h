// The passes of a lathe turning toolpath: the profile's offsets, the roughing
// lines between stock and profile, the finishing curves along the profile,
// and the rapid links through the start point and the return height.
// Drawing X runs along the spindle, drawing Y is the radius.
#pragma once

#include "platform/cad/db/db_object_id.h"

class CLatheDlg;

// The profile's offset curves at the signed distance (positive to the right
// of its direction), new in model space at elevation 0; arcs that the offset
// would turn inside out become sharp corners first. False, with the list
// empty, when the host gives no curve.
bool OffsetLatheProfile(AcDbObjectId profile, double distance, AcDbObjectIdArray& curves);

// True when the profile runs toward -X (its start X at least its end X).
bool LatheProfileRunsBackward(AcDbObjectId profile);

// Roughing: two-point passes parallel to X at the rough stepover, between the
// stock line and the profile kept nose radius + rough allowance (+ 0.01) off
// it, outermost first for outer turning and innermost first for inner, each
// cut toward -X, with feed and lead moves. False, with nothing new left in
// the drawing, when there is nothing to rough.
bool BuildLatheRoughingPasses(CLatheDlg& dlg, AcDbObjectId profile, AcDbObjectId stock, AcDbObjectIdArray& passes);

// Finishing: the profile's offsets at nose radius + allowance + (i-1)
// stepover on the tool's side, from the farthest pass to the final one, with
// feed and lead moves. An offset that fails leaves out its pass. False when no
// pass was made.
bool BuildLatheFinishingPasses(CLatheDlg& dlg, AcDbObjectId profile, AcDbObjectIdArray& passes);

// The passes with the rapid moves between them, from the start point and back
// to it, as the move list (the passes included). False, with the moves made
// here erased and the passes left to the caller, when a pass cannot be read.
bool LinkLathePasses(const CLatheDlg& dlg, const AcDbObjectIdArray& passes, AcDbObjectIdArray& linked);
