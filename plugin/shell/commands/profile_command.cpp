#include "platform/cad/db/db_host_services.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/milling/profile/profile_generator.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/held_drawing_ids.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

bool AllInWorkingDrawing(const AcDbObjectIdArray& ids) {
  const AcDbDatabase* drawing = acdbHostApplicationServices()->workingDatabase();
  for (const AcDbObjectId& id : ids) {
    if (id.database() != drawing) return false;
  }
  return true;
}

// A stored run keeps its curves in the group of its name.
bool CurvesStored(const CProfileDlg& dialog) {
  AcDbObjectIdArray stored;
  int at = 0;
  return !dialog.m_Curves.isEmpty() && GetToolpathEntityIds(dialog.m_ToolpathName, stored) &&
         stored.find(dialog.m_Curves.first(), at);
}

}  // namespace

// The dialog lives from the first Profile to unload, so that the next run shows
// the values and the picks of the last one.
void ProfileCommand() {
  static CProfileDlg dialog;
  static DrawingChangeWatch drawing;
  if (drawing.CurrentDrawingChanged()) DropDrawingIds(dialog);
  // Picks kept from another open drawing are no picks in this one.
  if (!AllInWorkingDrawing(dialog.m_Selection)) dialog.m_Selection.setLogicalLength(0);
  if (dialog.DoModal() != IDOK) return;
  GenerateProfileToolpath(dialog);
  if (CurvesStored(dialog)) return;
  // The polylines made for a run that stored nothing are of no use to anyone.
  EraseEntityArray(dialog.m_Curves);
  ReportToolpathNotStored(dialog.m_ToolpathName);
}
