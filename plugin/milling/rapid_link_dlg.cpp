#include "plugin/milling/rapid_link_dlg.h"

#include "plugin/geometry/forms/operation_limits.h"

namespace {

constexpr int kRapidLinkOnCheck = 340;
constexpr int kMinDistanceEdit = 341;

// The link angle controls stand on the form but nothing reads them.
const DialogTemplateRegistration kRapidLinkTemplate(CRapidLinkDlg::IDD,
                                                    {"Dialog",
                                                     {
                                                         res::CheckBox(kRapidLinkOnCheck, "황삭 급속이송 연결"),
                                                         res::EditText(kMinDistanceEdit, "최소 거리"),
                                                         res::CheckBox(601, "연결 각도"),
                                                         res::EditText(429, ""),
                                                         res::DefPushButton(IDOK, "OK"),
                                                         res::PushButton(IDCANCEL, "Cancel"),
                                                     }});

}  // namespace

CRapidLinkDlg::CRapidLinkDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CRapidLinkDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Check(pDX, kRapidLinkOnCheck, m_RapidLinkOn);
  DDX_Limited(pDX, kMinDistanceEdit, m_MinDistance, kRapidLinkLimits.minDistance);
}
