#include "editor/app/nc_commands/nc_dialogs.h"

#include "editor/app/nc_commands/nc_command_ids.h"

CLineNumberDialog::CLineNumberDialog() : CDialog(IDD_FIND_LINE_NUMBER) {}

void CLineNumberDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_NC_VALUE, m_nLine);
}

CSequenceNumberDialog::CSequenceNumberDialog() : CDialog(IDD_FIND_SEQUENCE_NUMBER) {}

void CSequenceNumberDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_NC_VALUE, m_strNumber);
}

CRangeDialog::CRangeDialog() : CDialog(IDD_SELECT_RANGE) {}

void CRangeDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_CBString(pDX, IDC_RANGE_TEXT, m_strText);
}

BEGIN_MESSAGE_MAP(CCodeChangeDialog, CDialog)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHANGE_G54, IDC_CHANGE_G57, &CCodeChangeDialog::OnWorkOffset)
END_MESSAGE_MAP()

CCodeChangeDialog::CCodeChangeDialog() : CDialog(IDD_CODE_CHANGE) {}

void CCodeChangeDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_CHANGE_T, m_bT);
  DDX_Text(pDX, IDC_CHANGE_T_VALUE, m_strT);
  DDX_Check(pDX, IDC_CHANGE_H, m_bH);
  DDX_Text(pDX, IDC_CHANGE_H_VALUE, m_strH);
  DDX_Check(pDX, IDC_CHANGE_G, m_bG);
  DDX_Check(pDX, IDC_CHANGE_S, m_bS);
  DDX_Text(pDX, IDC_CHANGE_S_VALUE, m_strS);
  DDX_Check(pDX, IDC_CHANGE_F, m_bF);
  DDX_Text(pDX, IDC_CHANGE_F_VALUE, m_strF);
}

void CCodeChangeDialog::OnWorkOffset(UINT nID) {
  static const char* const kCodes[] = {"G54", "G55", "G56", "G57"};
  m_strWorkOffset = kCodes[nID - IDC_CHANGE_G54];
}
