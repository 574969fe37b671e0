#include "platform/cad/db/db_host_services.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/held_drawing_ids.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_dlg.h"
#include "plugin/turning/lathe_generator.h"

namespace {

bool InWorkingDrawing(const AcDbObjectIdArray& ids) {
  const AcDbDatabase* drawing = acdbHostApplicationServices()->workingDatabase();
  for (const AcDbObjectId& id : ids) {
    if (id.database() != drawing) return false;
  }
  return true;
}

// A stored run keeps its profile first in the group of its name.
bool ProfileStored(const CLatheDlg& dialog) {
  AcDbObjectIdArray stored;
  return !dialog.m_Chained.isEmpty() && GetToolpathEntityIds(dialog.m_ToolpathName, stored) && !stored.isEmpty() &&
         stored.first() == dialog.m_Chained.first();
}

}  // namespace

// The dialog lives from the first Lathe to unload, so that the next run shows
// the values and the picks of the last one.
void LatheCommand() {
  static CLatheDlg dialog;
  static DrawingChangeWatch drawing;
  // Picks kept from another drawing are no picks in this one.
  if (drawing.CurrentDrawingChanged() || !InWorkingDrawing(dialog.m_Selection) || !InWorkingDrawing(dialog.m_Stock)) {
    dialog.m_Selection.setLogicalLength(0);
    dialog.m_Stock.setLogicalLength(0);
    dialog.m_Chained.setLogicalLength(0);
  }
  if (dialog.DoModal() != IDOK) return;
  CreateLatheToolpath(dialog);
  if (ProfileStored(dialog)) return;
  // The profile and stock line made for a run that stored nothing are of no use.
  EraseEntityArray(dialog.m_Chained);
  ReportToolpathNotStored(dialog.m_ToolpathName);
}
