// The pocket generator: the boundary and islands held by a pocket dialog become
// a stored toolpath of roughing, finishing and rest passes over the Z levels.
#pragma once

#include "platform/cad/db/db_object_id.h"

class CPocketDlg;

// Makes and stores the toolpath under the dialog's toolpath name; messages go
// to the prompt line. True when the toolpath was stored.
bool GeneratePocketToolpath(CPocketDlg& dlg);
// The roughing or finishing pass (whichever switch is on) over all Z levels:
// true with the pass's entity ids.
bool BuildPocketLevels(CPocketDlg& dlg, AcDbObjectIdArray& ids);
// The rest pass over all Z levels; same contract. The reference pass is the
// finishing one when againstFinishing, else roughing.
bool BuildRestPocketLevels(CPocketDlg& dlg, AcDbObjectIdArray& ids, bool againstFinishing);
bool BuildRestPocketLevels(CPocketDlg& dlg, AcDbObjectIdArray& ids);
// The passes of one level, added to the path; false when nothing was made.
bool BuildPocketLevelPasses(CPocketDlg& dlg, AcDbObjectId boundary, const AcDbObjectIdArray& islands, double z,
                            double roughOffset, double finishOffset, AcDbObjectIdArray& path);
// Joins the next piece to the path at depth where the level's outline holds a
// straight link, else over the retract height; the piece is entered by the
// plunge and emptied into the path. outline may be empty (no direct link).
bool LinkPocketPieces(CPocketDlg& dlg, AcDbObjectIdArray& path, AcDbObjectIdArray& piece,
                      const AcDbObjectIdArray& outline);
// Tool marker, pass-kind marker and tool information at the pass's first
// entity; true when at least one was made.
bool AddPassMarkers(AcDbObjectIdArray& markers, CPocketDlg& dlg, AcDbObjectId firstEntity);

// The rest tool's centre outlines lie rest in from the level's outlines, the
// reference tool's reference in; width is the reference diameter less the rest
// tool's.
struct RestOffsets {
  double rest;
  double reference;
  double width;
};
// The rest pass of one level's boundaries and islands (the caller's, kept),
// added to ids; false when the reference tool left nothing there.
bool BuildRestLevelPasses(CPocketDlg& dlg, const AcDbObjectIdArray& boundaries, const AcDbObjectIdArray& islands,
                          double z, const RestOffsets& offsets, AcDbObjectIdArray& ids);
// A pass ends at the retract height, its markers in front; false, nothing
// made, for an empty pass.
bool CompletePocketPass(CPocketDlg& dlg, AcDbObjectIdArray& ids);
