#include "plugin/milling/lathe_drill_tool_dlg.h"

#include "plugin/milling/drill_tool_controls.h"

namespace {

const DialogTemplateRegistration kLatheDrillToolTemplate(CLatheDrillToolDlg::IDD, DrillToolTemplate("선반 드릴 공구"));

}  // namespace

CLatheDrillToolDlg::CLatheDrillToolDlg(CWnd* pParent) : CDrillToolDlg(IDD, pParent) {
  m_ToolName = "LDR50.0-100.0";
  m_ToolType = 6;
  m_Diameter = 50.0f;
  m_Length = 100.0f;
}
