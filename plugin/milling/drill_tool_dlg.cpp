#include "plugin/milling/drill_tool_dlg.h"

#include "plugin/milling/drill_tool_controls.h"

namespace {

const DialogTemplateRegistration kDrillToolTemplate(CDrillToolDlg::IDD, DrillToolTemplate("DRILL(드릴) 공구"));

}  // namespace

CDrillToolDlg::CDrillToolDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CDrillToolDlg::CDrillToolDlg(UINT idd, CWnd* pParent) : CDialog(idd, pParent) {}

void CDrillToolDlg::UpdateToolName() { m_ToolName.Format("DR%.1f-%.1f", m_Diameter, m_Length); }

void CDrillToolDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, kDrillDiameterEdit, m_Diameter);
  DDV_MinMaxFloat(pDX, m_Diameter, 0.01f, 100000.0f);
  DDX_Text(pDX, kDrillLengthEdit, m_Length);
  DDV_MinMaxFloat(pDX, m_Length, 0.01f, 10000.0f);
}

void CDrillToolDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  UpdateToolName();
  EndDialog(IDOK);
}
