#include "platform/cad/db/db_host_services.h"
#include "platform/cad/editor/aced_input.h"
#include "plugin/milling/pocket_dlg.h"
#include "plugin/milling/pocket_generator.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/toolpath_entities.h"

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
  ForgetPicksOfOtherDrawings(dialog);
  if (dialog.DoModal() != IDOK) return;
  // A toolpath of the name that OK agreed to replace goes only when the new one
  // is stored: a run that makes nothing keeps it.
  if (!GeneratePocketToolpath(dialog)) {
    EraseUnstoredOutlines(dialog);
    return;
  }
  acutPrintf("\n 포켓가공이 완료되었습니다..");
}
