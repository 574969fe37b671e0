#include "plugin/geometry/forms/control_states.h"

#include "platform/classlib/afxwin.h"
#include "plugin/geometry/tool_shape_dlg.h"

void SetControlReadOnly(CWnd& dialog, int id, bool readOnly) {
  CWnd* control = dialog.GetDlgItem(id);
  if (control == nullptr) return;
  if (auto* edit = DYNAMIC_DOWNCAST(CEdit, control)) {
    edit->SetReadOnly(readOnly ? TRUE : FALSE);
  } else {
    control->EnableWindow(readOnly ? FALSE : TRUE);
  }
}

void CopyToolNumberWhileNoOffset(CWnd& dialog, int lengthOffsetOn, int toolNumberId, int offsetNumberId) {
  if (lengthOffsetOn) return;
  CString text;
  dialog.GetDlgItemText(toolNumberId, text);
  dialog.SetDlgItemText(offsetNumberId, text);
}

void RunToolShapeDialog(CWnd& dialog, CToolShapeDlg& tool, int buttonId) {
  if (tool.DoModal() == IDOK) dialog.SetDlgItemText(buttonId, tool.m_ToolName);
}
