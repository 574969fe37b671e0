// Stands in for the pocket generator until it is merged, so that the Pocket
// command links and runs: it says what it would have made and stores nothing.
#include "platform/cad/editor/aced_input.h"
#include "plugin/milling/pocket_dlg.h"
#include "plugin/milling/pocket_generator.h"

void GeneratePocketToolpath(CPocketDlg& dlg) {
  acutPrintf("\n[placeholder generator] \"%s\": boundary and %d island(s) received; no toolpath stored.",
             dlg.m_ToolpathName.GetString(), dlg.m_Islands.length());
}
