#include "editor/textedit/edit/replace_text_dialog.h"

#include <algorithm>

#include "editor/textedit/edit/edit_ids.h"
#include "editor/textedit/edit/edit_strings.h"
#include "editor/textedit/edit/find_text_dialog.h"

namespace {

const DialogTemplateRegistration kReplaceTemplate(
    IDD_EDIT_REPLACE, {"Replace",
                       {
                           res::EditText(IDC_EDIT_TEXT, "Fi&nd what:"),
                           res::EditText(IDC_EDIT_REPLACE_WITH, "Re&place with:"),
                           res::CheckBox(IDC_EDIT_WHOLE_WORD, "Match &whole word only"),
                           res::CheckBox(IDC_EDIT_MATCH_CASE, "Match &case"),
                           res::GroupBox(IDC_STATIC, "Replace in"),
                           res::RadioButton(IDC_EDIT_SCOPE_SELECTION, "&Selection", WS_GROUP),
                           res::RadioButton(IDC_EDIT_SCOPE_WHOLE_FILE, "Wh&ole file"),
                           res::DefPushButton(IDC_EDIT_SKIP, "&Find Next"),
                           res::PushButton(IDC_EDIT_REPLACE, "&Replace"),
                           res::PushButton(IDC_EDIT_REPLACE_ALL, "Replace &All"),
                           res::PushButton(IDCANCEL, "Cancel"),
                       }});

// A point behind a replaced match keeps its distance to the text after the match, so that a
// block that ended with the match still ends with its replacement.
void FollowReplacement(TextPosition& point, TextPosition match_end, TextPosition inserted_end) {
  if (point.line > match_end.line) {
    point.line += inserted_end.line - match_end.line;
  } else if (point.line == match_end.line && point >= match_end) {
    point = TextPosition{inserted_end.column + point.column - match_end.column, inserted_end.line};
  }
}

}  // namespace

BEGIN_MESSAGE_MAP(CReplaceTextDlg, CDialog)
ON_EN_CHANGE(IDC_EDIT_TEXT, &CReplaceTextDlg::OnChangeText)
ON_BN_CLICKED(IDC_EDIT_SKIP, &CReplaceTextDlg::OnFindNext)
ON_BN_CLICKED(IDC_EDIT_REPLACE, &CReplaceTextDlg::OnReplace)
ON_BN_CLICKED(IDC_EDIT_REPLACE_ALL, &CReplaceTextDlg::OnReplaceAll)
END_MESSAGE_MAP()

CReplaceTextDlg::CReplaceTextDlg(CVellumEditView* view) : CDialog(IDD, view), m_pView(view) {}

void CReplaceTextDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_EDIT_TEXT, m_sText);
  DDX_Text(pDX, IDC_EDIT_REPLACE_WITH, m_sNewText);
  DDX_Check(pDX, IDC_EDIT_MATCH_CASE, m_bMatchCase);
  DDX_Check(pDX, IDC_EDIT_WHOLE_WORD, m_bWholeWord);
  DDX_Radio(pDX, IDC_EDIT_SCOPE_SELECTION, m_nScope);
}

BOOL CReplaceTextDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDefID(IDC_EDIT_SKIP);
  // Replacing with nothing to look for would find nothing either.
  EnableForFindText(*this, IDC_EDIT_SKIP);
  EnableForFindText(*this, IDC_EDIT_REPLACE);
  EnableForFindText(*this, IDC_EDIT_REPLACE_ALL);
  if (CWnd* selection = GetDlgItem(IDC_EDIT_SCOPE_SELECTION)) selection->EnableWindow(m_bEnableScopeSelection);
  if (CWnd* whole = GetDlgItem(IDC_EDIT_SCOPE_WHOLE_FILE)) whole->EnableWindow(m_bEnableScopeSelection);
  m_bFound = FALSE;
  return TRUE;
}

void CReplaceTextDlg::OnChangeText() {
  EnableForFindText(*this, IDC_EDIT_SKIP);
  EnableForFindText(*this, IDC_EDIT_REPLACE);
  EnableForFindText(*this, IDC_EDIT_REPLACE_ALL);
}

void CReplaceTextDlg::OnOK() { OnFindNext(); }

void CReplaceTextDlg::OnCancel() {
  UpdateData(TRUE);
  EndDialog(IDCANCEL);
}

BOOL CReplaceTextDlg::SearchStep(TextPosition from, BOOL report, BOOL reveal) {
  // Enter with nothing to look for does nothing, as the disabled Find Next would.
  if (m_sText.IsEmpty()) return FALSE;
  TextPosition block_start;
  TextPosition block_end;
  if (m_nScope == kSelection) {
    block_start = m_ptBlockBegin;
    block_end = m_ptBlockEnd;
  } else {
    const int last = std::max(m_pView->TextLineCount() - 1, 0);
    block_end = TextPosition{m_pView->TextLineLength(last), last};
  }
  DWORD flags = 0;
  if (m_bMatchCase) flags |= FIND_MATCH_CASE;
  if (m_bWholeWord) flags |= FIND_WHOLE_WORD;
  TextPosition found;
  if (m_pView->SearchTextInBlock(m_sText, from, block_start, block_end, flags, FALSE, &found)) {
    m_pView->SelectMatch(found, m_sText.GetLength(), reveal);
    m_bFound = TRUE;
    m_ptFoundAt = found;
    return TRUE;
  }
  m_bFound = FALSE;
  if (report) ShowCannotFindString(m_sText);
  m_ptSearchStart = block_start;
  return FALSE;
}

BOOL CReplaceTextDlg::ReplaceMatch(BOOL merge) {
  TextPosition match_start;
  TextPosition match_end;
  m_pView->GetSelection(match_start, match_end);
  if (!m_pView->ReplaceSelection(m_sNewText, merge)) return FALSE;
  const TextPosition inserted_end = m_pView->GetCursorPosition();
  FollowReplacement(m_ptBlockBegin, match_end, inserted_end);
  FollowReplacement(m_ptBlockEnd, match_end, inserted_end);
  return TRUE;
}

void CReplaceTextDlg::OnFindNext() {
  if (!UpdateData(TRUE)) return;
  const TextPosition from = m_bFound ? TextPosition{m_ptFoundAt.column + 1, m_ptFoundAt.line} : m_ptSearchStart;
  SearchStep(from, TRUE);
}

void CReplaceTextDlg::OnReplace() {
  if (!UpdateData(TRUE)) return;
  if (!m_bFound) {
    SearchStep(m_ptSearchStart, TRUE);
    return;
  }
  if (ReplaceMatch(FALSE)) SearchStep(m_pView->GetCursorPosition(), TRUE);
}

void CReplaceTextDlg::OnReplaceAll() {
  if (!UpdateData(TRUE)) return;
  if (!m_bFound && !SearchStep(m_ptSearchStart, TRUE)) return;
  int replaced = 0;
  // One undo step takes back the whole run; the view scrolls once, to the last replacement,
  // so that the run is as quick as the edits themselves.
  while (ReplaceMatch(replaced > 0)) {
    ++replaced;
    if (!SearchStep(m_pView->GetCursorPosition(), FALSE, FALSE)) break;
  }
  m_pView->RevealPosition(m_pView->GetCursorPosition());
  if (replaced > 0) {
    ShowReplacedCount(replaced);
  } else {
    ShowCannotFindString(m_sText);
  }
}
