#include "platform/cad/editor/input/aced_input.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_generator.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/held_drawing_ids.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

// The outlines OK chained for a run that stored nothing are of no use to anyone.
void EraseUnstoredOutlines(CPocketDlg& dialog) {
  EraseObject(dialog.m_Boundary);
  EraseEntityArray(dialog.m_Islands);
  dialog.m_Boundary.setNull();
}

}  // namespace

// The dialog lives from the first Pocket to unload, so that the next run shows
// the values and the picks of the last one.
void PocketCommand() {
  static CPocketDlg dialog;
  static DrawingChangeWatch drawing;
  if (drawing.CurrentDrawingChanged()) DropDrawingIds(dialog);
  if (dialog.DoModal() != IDOK) return;
  // A toolpath of the name that OK agreed to replace goes only when the new one
  // is stored: a run that makes nothing keeps it.
  if (!GeneratePocketToolpath(dialog)) {
    EraseUnstoredOutlines(dialog);
    ReportToolpathNotStored(dialog.m_ToolpathName);
    return;
  }
  acutPrintf("\n 포켓가공이 완료되었습니다..");
}
