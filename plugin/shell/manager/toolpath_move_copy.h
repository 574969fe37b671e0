// Moving, rotating, mirroring or scaling a stored toolpath, once or as a
// number of copies behind it, as the transform dialog says.
#pragma once

#include "plugin/shell/toolpaths/toolpath_transform_dlg.h"

enum class MoveOutcome { kKept, kMoved, kDeleted };

// Shows the dialog for the toolpath and applies it. Only the moves from the
// first marker point on are moved or copied; the outlines before it stay.
// The changed toolpath is built beside the old one and takes its place whole,
// so a failure leaves the old one as it was. kDeleted when the user chose to
// delete a toolpath whose entities cannot be read.
MoveOutcome MoveOrCopyToolpath(const char* name, CToolpathTransformDlg& transform);
