#include "plugin/shell/command_failure.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/held_drawing_ids.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/turning/groove_dlg.h"
#include "plugin/turning/groove_generator.h"
#include "plugin/turning/lathe_drill_dlg.h"
#include "plugin/turning/lathe_drill_generator.h"

// The dialogs live from the first run to unload, so that the next run shows
// the values (and the groove's picks) of the last one.
void LatheDrillCommand() {
  static CLatheDrillDlg dialog;
  if (dialog.DoModal() != IDOK) return;
  if (!CreateLatheDrillToolpath(dialog)) ReportToolpathNotStored(dialog.m_ToolpathName);
}

void GrooveCommand() {
  static CGrooveDlg dialog;
  static DrawingChangeWatch drawing;
  // Picks of another drawing name nothing here.
  if (drawing.CurrentDrawingChanged()) {
    dialog.m_Selection.setLogicalLength(0);
    dialog.m_Chained.setLogicalLength(0);
  }
  if (dialog.DoModal() != IDOK) return;
  if (!CreateGrooveToolpath(dialog)) ReportCommandFailed(MsgGrooveNotMade);
}
