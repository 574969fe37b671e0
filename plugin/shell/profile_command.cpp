#include "platform/cad/db/db_host_services.h"
#include "plugin/milling/profile_dlg.h"
#include "plugin/milling/profile_generator.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/toolpath_entities.h"
#include "plugin/shell/toolpath_store.h"

namespace {

bool AllInWorkingDrawing(const AcDbObjectIdArray& ids) {
  const AcDbDatabase* drawing = acdbHostApplicationServices()->workingDatabase();
  for (const AcDbObjectId& id : ids) {
    if (id.database() != drawing) return false;
  }
  return true;
}

// The polylines made for a run that stored nothing are of no use to anyone.
void EraseUnstoredCurves(CProfileDlg& dialog) {
  if (dialog.m_Curves.isEmpty()) return;
  AcDbObjectIdArray stored;
  int at = 0;
  if (GetToolpathEntityIds(dialog.m_ToolpathName, stored) && stored.find(dialog.m_Curves.first(), at)) return;
  EraseEntityArray(dialog.m_Curves);
}

}  // namespace

// The dialog lives from the first Profile to unload, so that the next run shows
// the values and the picks of the last one.
void ProfileCommand() {
  static CProfileDlg dialog;
  // Picks kept from another open drawing are no picks in this one.
  if (!AllInWorkingDrawing(dialog.m_Selection)) dialog.m_Selection.setLogicalLength(0);
  if (dialog.DoModal() != IDOK) return;
  GenerateProfileToolpath(dialog);
  EraseUnstoredCurves(dialog);
}
