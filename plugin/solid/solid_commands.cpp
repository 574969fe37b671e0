#include "plugin/solid/solid_commands.h"

#include "plugin/solid/solid_extrude_dlg.h"

void SolExtCommand() {
  static CSolidExtrudeDlg dialog;
  if (dialog.DoModal() == IDOK) dialog.MakeSolid();
}
