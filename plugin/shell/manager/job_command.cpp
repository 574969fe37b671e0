#include "plugin/shell/command_handlers.h"
#include "plugin/shell/held_drawing_ids.h"
#include "plugin/shell/manager/toolpath_manager_dlg.h"

// The manager lives from the first Job to unload, so that each kind's dialog
// shows the values it last held.
void JobCommand() {
  static CToolpathManagerDlg dialog;
  static DrawingChangeWatch drawing;
  if (drawing.CurrentDrawingChanged()) dialog.DropDrawingIds();
  dialog.DoModal();
}
