#include "plugin/shell/held_drawing_ids.h"

#include "platform/cad/db/db_host_services.h"
#include "plugin/milling/drill/drill_dlg.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/profile/profile_dlg.h"

namespace {

unsigned long drawingChanges = 0;

}  // namespace

void NoteDrawingChange() { ++drawingChanges; }

// A drawing can also become current without a message (a document switch),
// and a new drawing may take the place in memory of a closed one: either sign
// counts.
bool DrawingChangeWatch::CurrentDrawingChanged() {
  const AcDbDatabase* drawing = acdbHostApplicationServices()->workingDatabase();
  const bool changed = started_ && (drawingChanges != seenChanges_ || drawing != seenDrawing_);
  started_ = true;
  seenChanges_ = drawingChanges;
  seenDrawing_ = drawing;
  return changed;
}

void DropDrawingIds(CPocketDlg& dialog) {
  dialog.m_Selection.setLogicalLength(0);
  dialog.m_Boundary = AcDbObjectId();
  dialog.m_Islands.setLogicalLength(0);
}

void DropDrawingIds(CProfileDlg& dialog) {
  dialog.m_Selection.setLogicalLength(0);
  dialog.m_Curves.setLogicalLength(0);
}

void DropDrawingIds(CDrillDlg& dialog) {
  dialog.m_Points.setLogicalLength(0);
  dialog.m_CircleIds.setLogicalLength(0);
}
