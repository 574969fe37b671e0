#include "plugin/turning/groove_tool_dlg.h"

#include "platform/classlib/dialogs/dialog_template.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/forms/groove_lathe_drill_limits.h"
#include "plugin/shell/settings/message_table.h"

namespace {

constexpr int kWidthEdit = 429;
constexpr int kNoseRadiusEdit = 430;
constexpr int kSize3Edit = 431;
constexpr int kLengthEdit = 432;
constexpr int kSize5Edit = 433;

const DialogTemplateRegistration kGrooveToolTemplate(CGrooveToolDlg::IDD, {"Groove Tool",
                                                                           {
                                                                               res::EditText(kWidthEdit, "공구 폭"),
                                                                               res::EditText(kNoseRadiusEdit, "노즈 반경"),
                                                                               res::EditText(kSize3Edit, "날 깊이"),
                                                                               res::EditText(kLengthEdit, "공구길이"),
                                                                               res::EditText(kSize5Edit, "생크 폭"),
                                                                               res::DefPushButton(IDOK, "OK"),
                                                                               res::PushButton(IDCANCEL, "Cancel"),
                                                                           }});

}  // namespace

CGrooveToolDlg::CGrooveToolDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CGrooveToolDlg::UpdateToolName() { m_ToolName.Format("GRO%.1f-%.1f-%.1f", m_Width, m_NoseRadius, m_Length); }

void CGrooveToolDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  const GrooveLimits& L = kGrooveLimits;
  DDX_Limited(pDX, kWidthEdit, m_Width, L.width);
  DDX_Limited(pDX, kNoseRadiusEdit, m_NoseRadius, L.noseRadius);
  DDX_Limited(pDX, kSize3Edit, m_Size3, L.toolSize3);
  DDX_Limited(pDX, kLengthEdit, m_Length, L.length);
  DDX_Limited(pDX, kSize5Edit, m_Size5, L.toolSize5);
  // Two corners wider than the blade would have the narrowing widen the groove.
  if (pDX->m_bSaveAndValidate && !pDX->Failed() && m_Width < 2.0f * m_NoseRadius) {
    ::MessageBox(nullptr, MsgGrooveNoseWiderThanBlade, "Ostrivo message", MB_OK | MB_ICONINFORMATION);
    pDX->Fail();
  }
}

void CGrooveToolDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  UpdateToolName();
  EndDialog(IDOK);
}
