#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/milling/drill/drill_dlg.h"
#include "plugin/milling/drill/drill_generator.h"
#include "plugin/milling/drill/drill_record.h"
#include "plugin/milling/drill/multi_cycle_dlg.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/held_drawing_ids.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

// The dialog lives from the first Drill to unload, so that the next run shows
// the values and the holes of the last one.
void DrillCommand() {
  static CDrillDlg dialog;
  static DrawingChangeWatch drawing;
  if (drawing.CurrentDrawingChanged()) DropDrawingIds(dialog);
  if (dialog.DoModal() != IDOK) return;
  ReplaceAgreedToolpath(dialog.m_ToolpathName);
  if (!GenerateDrillToolpath(dialog)) ReportToolpathNotStored(dialog.m_ToolpathName);
}

// One drill toolpath per listed cycle over the same holes, each with hole
// circles of its own tool. Each cycle is read into a fresh drill dialog, so a
// cycle that does not read is left out instead of taking another's values.
void MultyDrillCommand() {
  CMultiCycleDlg dialog;
  if (dialog.DoModal() != IDOK) return;
  for (INT_PTR i = 0; i < dialog.m_CycleTexts.GetSize(); ++i) {
    const CString name = dialog.CycleToolpathName(static_cast<int>(i));
    CDrillDlg drill;
    if (ReadDrillRecord(dialog.m_CycleTexts[i], drill) != DrillRecordRead::kComplete) {
      acutPrintf("\n \"%s\": 싸이클 파라메타를 읽을 수 없어 공구경로를 만들지 않았습니다.", name.GetString());
      ReportToolpathNotStored(name);
      continue;
    }
    drill.m_ToolpathName = name;
    drill.m_Points = dialog.m_Points;
    ReplaceAgreedToolpath(name);
    drill.AddHoleCircles();
    if (!GenerateDrillToolpath(drill)) ReportToolpathNotStored(name);
  }
}
