#include "plugin/post/post_var_dlg.h"

#include "platform/classlib/dialog_template.h"
#include "plugin/shell/message_table.h"

namespace {

constexpr int kValueEdit = 429;
constexpr int kLabelText = 437;

const DialogTemplateRegistration kPostVarTemplate(CPostVarDlg::IDD, {"변수를 입력하시요!!",
                                                                     {
                                                                         res::Text(kLabelText, "변수"),
                                                                         res::EditText(kValueEdit, ""),
                                                                         res::DefPushButton(IDOK, "OK"),
                                                                         res::PushButton(IDCANCEL, "Cancel"),
                                                                     }});

}  // namespace

CPostVarDlg::CPostVarDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CPostVarDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, kValueEdit, m_Value);
}

BOOL CPostVarDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(kLabelText, m_Label);
  return TRUE;
}

bool PostVarDlgAsker::Ask(const char* prompt, double& value) {
  CPostVarDlg dialog;
  dialog.m_Label = CString(prompt) + MsgInputValue;
  dialog.m_Value = value;
  if (dialog.DoModal() != IDOK) return false;
  value = dialog.m_Value;
  return true;
}
