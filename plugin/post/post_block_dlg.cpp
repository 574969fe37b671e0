#include "plugin/post/post_block_dlg.h"

#include "platform/classlib/dialog_template.h"

namespace {

constexpr int kTextEdit = 429;

const DialogTemplateRegistration kPostBlockTemplate(CPostBlockDlg::IDD, {"Post Block",
                                                                         {
                                                                             res::EditText(kTextEdit, "", ES_MULTILINE),
                                                                             res::DefPushButton(IDOK, "OK"),
                                                                             res::PushButton(IDCANCEL, "Cancel"),
                                                                         }});

}  // namespace

CPostBlockDlg::CPostBlockDlg(PostBlock& block, CWnd* pParent) : CDialog(IDD, pParent), block_(block) {}

BOOL CPostBlockDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(kTextEdit, block_.fullText().c_str());
  return TRUE;
}

void CPostBlockDlg::OnOK() {
  CString text;
  GetDlgItemText(kTextEdit, text);
  block_.SetEditedText(text.str());
  SetDlgItemText(kTextEdit, block_.fullText().c_str());
  CDialog::OnOK();
}
