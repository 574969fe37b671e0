#include "editor/textedit/edit/find_text_dialog.h"

#include "editor/textedit/edit/edit_ids.h"
#include "editor/textedit/edit/edit_strings.h"

namespace {

const DialogTemplateRegistration kFindTemplate(IDD_EDIT_FIND,
                                               {"Find",
                                                {
                                                    res::EditText(IDC_EDIT_TEXT, "Fi&nd what:"),
                                                    res::CheckBox(IDC_EDIT_WHOLE_WORD, "Match &whole word only"),
                                                    res::CheckBox(IDC_EDIT_MATCH_CASE, "Match &case"),
                                                    res::GroupBox(IDC_STATIC, "Direction"),
                                                    res::RadioButton(IDC_EDIT_DIRECTION_UP, "&Up", WS_GROUP),
                                                    res::RadioButton(IDC_EDIT_DIRECTION_DOWN, "&Down"),
                                                    res::DefPushButton(IDOK, "&Find Next"),
                                                    res::PushButton(IDCANCEL, "Cancel"),
                                                }});

}  // namespace

BEGIN_MESSAGE_MAP(CFindTextDlg, CDialog)
ON_EN_CHANGE(IDC_EDIT_TEXT, &CFindTextDlg::OnChangeText)
END_MESSAGE_MAP()

void EnableForFindText(CDialog& dialog, int button) {
  CString text;
  dialog.GetDlgItemText(IDC_EDIT_TEXT, text);
  if (CWnd* control = dialog.GetDlgItem(button)) control->EnableWindow(!text.IsEmpty());
}

CFindTextDlg::CFindTextDlg(CVellumTextView* view) : CDialog(IDD, view), m_pView(view) {}

DWORD CFindTextDlg::FindFlags() const {
  DWORD flags = 0;
  if (m_bMatchCase) flags |= FIND_MATCH_CASE;
  if (m_bWholeWord) flags |= FIND_WHOLE_WORD;
  if (m_nDirection == kUp) flags |= FIND_DIRECTION_UP;
  return flags;
}

void CFindTextDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_EDIT_TEXT, m_sText);
  DDX_Check(pDX, IDC_EDIT_MATCH_CASE, m_bMatchCase);
  DDX_Check(pDX, IDC_EDIT_WHOLE_WORD, m_bWholeWord);
  DDX_Radio(pDX, IDC_EDIT_DIRECTION_UP, m_nDirection);
}

BOOL CFindTextDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  EnableForFindText(*this, IDOK);
  return TRUE;
}

void CFindTextDlg::OnChangeText() { EnableForFindText(*this, IDOK); }

void CFindTextDlg::OnOK() {
  if (!UpdateData(TRUE) || m_pView == nullptr) return;
  const DWORD flags = FindFlags();
  TextPosition from = m_ptSearchStart;
  // Upwards from the end of the selected text: the selection itself is no new match.
  if ((flags & FIND_DIRECTION_UP) && m_pView->HasSelection()) {
    TextPosition start;
    TextPosition end;
    m_pView->GetSelection(start, end);
    if (end == from) from = start;
  }
  TextPosition found;
  if (m_pView->SearchText(m_sText, from, flags, TRUE, &found)) {
    m_pView->SelectMatch(found, m_sText.GetLength());
    EndDialog(IDOK);
    return;
  }
  ShowCannotFindString(m_sText);
  m_ptSearchStart = TextPosition{};
}

void CFindTextDlg::OnCancel() {
  UpdateData(TRUE);
  EndDialog(IDCANCEL);
}
