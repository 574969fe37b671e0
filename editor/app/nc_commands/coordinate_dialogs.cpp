#include "editor/app/nc_commands/coordinate_dialogs.h"

#include "editor/app/nc_commands/nc_command_ids.h"

FoundTexts& TheFoundTexts() {
  static FoundTexts texts;
  return texts;
}

namespace {

void ExchangeCoordinates(CDataExchange* pDX, CoordinateValues& values) {
  DDX_Check(pDX, IDC_USE_X, values.use[0]);
  DDX_Check(pDX, IDC_USE_Y, values.use[1]);
  DDX_Check(pDX, IDC_USE_Z, values.use[2]);
  DDX_Text(pDX, IDC_TARGET_X, values.target[0]);
  DDX_Text(pDX, IDC_TARGET_Y, values.target[1]);
  DDX_Text(pDX, IDC_TARGET_Z, values.target[2]);
  DDX_Text(pDX, IDC_TOLERANCE, values.tolerance);
  DDX_Text(pDX, IDC_HIT_LINE, values.line_number);
  FoundTexts& found = TheFoundTexts();
  DDX_Text(pDX, IDC_FOUND_X, found.x);
  DDX_Text(pDX, IDC_FOUND_Y, found.y);
  DDX_Text(pDX, IDC_FOUND_Z, found.z);
}

}  // namespace

BEGIN_MESSAGE_MAP(CCoordinateDialog, CDialog)
ON_BN_CLICKED(IDC_SEARCH_NEXT, &CCoordinateDialog::OnSearchNext)
END_MESSAGE_MAP()

CCoordinateDialog::CCoordinateDialog(CoordinateValues& values) : CDialog(IDD_FIND_COORDINATE), m_values(values) {}

void CCoordinateDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  ExchangeCoordinates(pDX, m_values);
}

void CCoordinateDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_nStop = 1;
  EndDialog(IDOK);
}

void CCoordinateDialog::OnSearchNext() {
  if (!UpdateData(TRUE)) return;
  m_nStop = 0;
  EndDialog(IDOK);
}

BEGIN_MESSAGE_MAP(CRestartDialog, CDialog)
ON_BN_CLICKED(IDC_RESTART_APPLY, &CRestartDialog::OnApply)
ON_BN_CLICKED(IDC_SEARCH_NEXT, &CRestartDialog::OnSearchNext)
ON_BN_CLICKED(IDC_RESTART_CANCEL, &CRestartDialog::OnCancelButton)
END_MESSAGE_MAP()

CRestartDialog::CRestartDialog(CoordinateValues& values, int& from_caret)
    : CDialog(IDD_RESTART_EDIT), m_values(values), m_nFromCaret(from_caret) {}

BOOL CRestartDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  for (int id : {IDC_RESTART_SPARE1, IDC_RESTART_SPARE2, IDC_RESTART_SPARE3}) SetDlgItemText(id, "");
  return TRUE;
}

void CRestartDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  ExchangeCoordinates(pDX, m_values);
  DDX_Check(pDX, IDC_FROM_CARET, m_nFromCaret);
  DDX_Text(pDX, IDC_RESTART_SEQUENCE, m_nSequence);
}

void CRestartDialog::OnApply() {
  if (!UpdateData(TRUE)) return;
  m_nApply = 1;
  EndDialog(IDOK);
}

void CRestartDialog::OnSearchNext() {
  if (!UpdateData(TRUE)) return;
  m_nApply = 0;
  EndDialog(IDOK);
}

void CRestartDialog::OnCancelButton() { EndDialog(IDCANCEL); }
