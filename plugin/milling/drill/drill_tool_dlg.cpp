#include "plugin/milling/drill/drill_tool_dlg.h"

#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/milling/drill/drill_tool_controls.h"

namespace {

const DialogTemplateRegistration kDrillToolTemplate(CDrillToolDlg::IDD, DrillToolTemplate("DRILL(드릴) 공구"));

}  // namespace

CDrillToolDlg::CDrillToolDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CDrillToolDlg::CDrillToolDlg(UINT idd, CWnd* pParent) : CDialog(idd, pParent) {}

void CDrillToolDlg::UpdateToolName() { m_ToolName.Format("DR%.1f-%.1f", m_Diameter, m_Length); }

void CDrillToolDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Limited(pDX, kDrillDiameterEdit, m_Diameter, kDrillLimits.diameter);
  DDX_Limited(pDX, kDrillLengthEdit, m_Length, kDrillLimits.length);
}

void CDrillToolDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  UpdateToolName();
  EndDialog(IDOK);
}
