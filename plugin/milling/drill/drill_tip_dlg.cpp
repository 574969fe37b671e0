#include "plugin/milling/drill/drill_tip_dlg.h"

#include <cmath>
#include <numbers>

#include "plugin/geometry/forms/operation_limits.h"

namespace {

constexpr int kDiameterText = 398;
constexpr int kTipLengthText = 400;
constexpr int kAngleEdit = 401;
constexpr int kThroughEdit = 402;

const DialogTemplateRegistration kDrillTipTemplate(CDrillTipDlg::IDD, {"드릴날끝 보정 조건",
                                                                       {
                                                                           res::Text(IDC_STATIC, "공구 지름"),
                                                                           res::Text(kDiameterText, ""),
                                                                           res::Text(IDC_STATIC, "날끝 길이"),
                                                                           res::Text(kTipLengthText, ""),
                                                                           res::EditText(kAngleEdit, "날끝 각도"),
                                                                           res::EditText(kThroughEdit, "관통량(길이)"),
                                                                           res::DefPushButton(IDOK, "OK"),
                                                                           res::PushButton(IDCANCEL, "Cancel"),
                                                                       }});

CString TwoDecimals(double value) {
  CString text;
  text.Format("%.2f", value);
  return text;
}

}  // namespace

double DrillTipLength(double tipAngleDegrees, double toolDiameter) {
  return std::tan((90.0 - tipAngleDegrees / 2.0) * std::numbers::pi / 180.0) * (toolDiameter / 2.0);
}

BEGIN_MESSAGE_MAP(CDrillTipDlg, CDialog)
ON_EN_CHANGE(kAngleEdit, &CDrillTipDlg::OnAngleChange)
END_MESSAGE_MAP()

// The tip of a 118 degree drill of diameter 20.
CDrillTipDlg::CDrillTipDlg(CWnd* pParent)
    : CDialog(IDD, pParent), m_TipLength(static_cast<float>(std::tan(31.0 * std::numbers::pi / 180.0) * 10.0)) {}

void CDrillTipDlg::UpdateTipLength() { m_TipLength = static_cast<float>(DrillTipLength(m_TipAngle, m_ToolDiameter)); }

void CDrillTipDlg::FollowDrill(float diameter) {
  m_ToolDiameter = diameter;
  UpdateTipLength();
}

void CDrillTipDlg::ShowFor(float diameter) {
  m_ToolDiameter = diameter;
  DoModal();
}

void CDrillTipDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kThroughEdit, m_ThroughEdit);
  DDX_Control(pDX, kAngleEdit, m_AngleEdit);
  DDX_Limited(pDX, kAngleEdit, m_TipAngle, kDrillLimits.tipAngle);
  DDX_Limited(pDX, kThroughEdit, m_ThroughLength, kDrillLimits.throughLength);
}

BOOL CDrillTipDlg::OnInitDialog() {
  m_TipLengthAtOpening = m_TipLength;
  CDialog::OnInitDialog();
  UpdateTipLength();
  SetDlgItemText(kDiameterText, TwoDecimals(m_ToolDiameter));
  ShowTipLength();
  return TRUE;
}

void CDrillTipDlg::ShowTipLength() { SetDlgItemText(kTipLengthText, TwoDecimals(m_TipLength)); }

// Only the angle is read, and without messages: the field is half typed at
// most changes. An angle outside the range leaves the shown length alone.
void CDrillTipDlg::OnAngleChange() {
  CString text;
  GetDlgItemText(kAngleEdit, text);
  double angle = 0.0;
  if (!afx::ParseDouble(text, &angle) || !IsWithin(angle, kDrillLimits.tipAngle)) return;
  m_TipLength = static_cast<float>(DrillTipLength(angle, m_ToolDiameter));
  ShowTipLength();
}

void CDrillTipDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  UpdateTipLength();
  EndDialog(IDOK);
}

void CDrillTipDlg::OnCancel() {
  m_TipLength = m_TipLengthAtOpening;
  CDialog::OnCancel();
}
