// The pocket generator: the boundary and islands held by a pocket dialog become
// a stored toolpath of roughing, finishing and rest passes over the Z levels.
#pragma once

#include "platform/cad/db/db_object_id.h"

class CPocketDlg;

// Makes and stores the toolpath under the dialog's toolpath name; messages go
// to the prompt line.
void GeneratePocketToolpath(CPocketDlg& dlg);
// The roughing or finishing pass (whichever switch is on) over all Z levels:
// true with the pass's entity ids.
bool BuildPocketLevels(CPocketDlg& dlg, AcDbObjectIdArray& ids);
// The rest pass over all Z levels; same contract.
bool BuildRestPocketLevels(CPocketDlg& dlg, AcDbObjectIdArray& ids);
// The passes of one level, added to the path; false when nothing was made.
bool BuildPocketLevelPasses(CPocketDlg& dlg, AcDbObjectId boundary, const AcDbObjectIdArray& islands, double z,
                            double roughOffset, double finishOffset, AcDbObjectIdArray& path);
