#include "platform/cad/db/db_host_services.h"
#include "platform/cad/editor/aced_input.h"
#include "plugin/milling/pocket_dlg.h"
#include "plugin/milling/pocket_generator.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/held_drawing_ids.h"
#include "plugin/shell/toolpath_store.h"

namespace {

// Picks kept from another open drawing are no picks in this one.
void ForgetPicksOfOtherDrawings(CPocketDlg& dialog) {
  const AcDbDatabase* drawing = acdbHostApplicationServices()->workingDatabase();
  for (int i = 0; i < dialog.m_Selection.length(); ++i) {
    if (dialog.m_Selection[i].database() != drawing) {
      dialog.m_Selection.setLogicalLength(0);
      return;
    }
  }
}

}  // namespace

// The dialog lives from the first Pocket to unload, so that the next run shows
// the values and the picks of the last one.
void PocketCommand() {
  static CPocketDlg dialog;
  static DrawingChangeWatch drawing;
  if (drawing.CurrentDrawingChanged()) DropDrawingIds(dialog);
  ForgetPicksOfOtherDrawings(dialog);
  if (dialog.DoModal() != IDOK) return;
  // OK has asked whether a toolpath of the name may go: the new one takes its place.
  if (!dialog.m_EditMode && ToolpathNameExists(dialog.m_ToolpathName)) DeleteToolpath(dialog.m_ToolpathName);
  GeneratePocketToolpath(dialog);
  acutPrintf("\n 포켓가공이 완료되었습니다..");
}
