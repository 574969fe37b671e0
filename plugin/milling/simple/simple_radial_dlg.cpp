#include "plugin/milling/simple/simple_radial_dlg.h"

#include "platform/classlib/dialogs/dialog_template.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/simple_shape_limits.h"

namespace {

constexpr int kCirclesRadio = 537;
constexpr int kLinesRadio = 539;
constexpr int kOnRadio = 545;
constexpr int kInsideRadio = 547;
constexpr int kStepoverEdit = 542;
constexpr int kDiameterEdit = 543;
constexpr int kInnerDiameterEdit = 544;
constexpr int kCentreXEdit = 429;
constexpr int kCentreYEdit = 540;
constexpr int kZEdit = 541;
constexpr int kStartOutsideCheck = 549;
constexpr int kLeadButton = 308;

const SimpleCycleControlIds kCommonIds{};

const DialogTemplateRegistration kSimpleRadialTemplate(CSimpleRadialDlg::IDD,
                                                       {"단순 원가공",
                                                        JoinControls({
                                                            {
                                                                res::EditText(kCommonIds.name, "공구경로 이름"),
                                                                res::GroupBox(IDC_STATIC, "<< 공구경로 형상 >>"),
                                                                res::RadioButton(kCirclesRadio, "원형", WS_GROUP),
                                                                res::RadioButton(kCirclesRadio + 1, "나선형"),
                                                                res::RadioButton(kLinesRadio, "방사선"),
                                                                res::GroupBox(IDC_STATIC, "<< 공구 경 보정 >>"),
                                                                res::RadioButton(kOnRadio, "ON", WS_GROUP),
                                                                res::RadioButton(kOnRadio + 1, "외부"),
                                                                res::RadioButton(kInsideRadio, "내부"),
                                                                res::EditText(kInnerDiameterEdit, "내 경"),
                                                                res::EditText(kDiameterEdit, "직 경"),
                                                                res::EditText(kStepoverEdit, "Stepover"),
                                                                res::GroupBox(IDC_STATIC, "<< 중 심 >>"),
                                                                res::EditText(kCentreXEdit, "X"),
                                                                res::EditText(kCentreYEdit, "Y"),
                                                                res::EditText(kZEdit, "Z"),
                                                                res::CheckBox(kStartOutsideCheck, "외곽에서 시작"),
                                                                res::EditText(kCommonIds.allowance, "가공 여유"),
                                                            },
                                                            SimpleCycleToolControls(kCommonIds),
                                                            {
                                                                res::EditText(kCommonIds.returnHeight, "복귀 높이"),
                                                                res::EditText(kCommonIds.feed, "가공 피드"),
                                                                res::PushButton(kLeadButton, "진입 / 복귀"),
                                                                res::DefPushButton(IDOK, "OK"),
                                                                res::PushButton(IDCANCEL, "Cancel"),
                                                            },
                                                        })});

}  // namespace

BEGIN_MESSAGE_MAP(CSimpleRadialDlg, CAcUiDialog)
ON_CONTROL_RANGE(BN_CLICKED, kCirclesRadio, kLinesRadio, &CSimpleRadialDlg::OnPathShape)
ON_CONTROL_RANGE(BN_CLICKED, kOnRadio, kInsideRadio, &CSimpleRadialDlg::OnToolCompensation)
ON_SIMPLE_CYCLE_FIELDS(CSimpleRadialDlg, kCommonIds)
ON_BN_CLICKED(kLeadButton, &CSimpleRadialDlg::OnLead)
END_MESSAGE_MAP()

CSimpleRadialDlg::CSimpleRadialDlg(CWnd* pParent) : SimpleCycleDialog(IDD, pParent, "SimpRadial", kCommonIds) {}

void CSimpleRadialDlg::ExchangeOwnFields(CDataExchange* pDX) {
  const SimpleRadialLimits& r = kSimpleRadialLimits;
  DDX_Limited(pDX, kInnerDiameterEdit, m_InnerDiameter, r.innerDiameter);
  DDX_Limited(pDX, kDiameterEdit, m_Diameter, r.diameter);
  DDX_Limited(pDX, kStepoverEdit, m_Stepover, r.stepover);
  DDX_Limited(pDX, kCentreXEdit, m_CentreX, r.centreX);
  DDX_Limited(pDX, kCentreYEdit, m_CentreY, r.centreY);
  DDX_Limited(pDX, kZEdit, m_Z, r.z);
  DDX_Check(pDX, kStartOutsideCheck, m_StartOutside);
}

void CSimpleRadialDlg::RememberOwnClicks() { m_ClickedAtOpening = {m_PathShape, m_ToolCompensation}; }

void CSimpleRadialDlg::RestoreOwnClicks() {
  m_PathShape = m_ClickedAtOpening.pathShape;
  m_ToolCompensation = m_ClickedAtOpening.toolCompensation;
}

void CSimpleRadialDlg::ShowStates() {
  if (m_PathShape >= kRadialCircles && m_PathShape <= kRadialLines)
    CheckRadioButton(kCirclesRadio, kLinesRadio, kCirclesRadio + m_PathShape - kRadialCircles);
  if (m_ToolCompensation >= kRadialOn && m_ToolCompensation <= kRadialInside)
    CheckRadioButton(kOnRadio, kInsideRadio, kOnRadio + m_ToolCompensation - kRadialOn);
  // On the diameters themselves no stock is left.
  SetControlReadOnly(*this, kCommonIds.allowance, m_ToolCompensation == kRadialOn);
}

void CSimpleRadialDlg::OnPathShape(UINT id) {
  m_PathShape = static_cast<int>(id) - kCirclesRadio + kRadialCircles;
  ShowStates();
}

void CSimpleRadialDlg::OnToolCompensation(UINT id) {
  m_ToolCompensation = static_cast<int>(id) - kOnRadio + kRadialOn;
  ShowStates();
}

void CSimpleRadialDlg::OnLead() { m_Lead.DoModal(); }

SimpleRadialShape SimpleRadialShapeOf(const CSimpleRadialDlg& dlg) {
  SimpleRadialShape s;
  s.pathShape = dlg.m_PathShape;
  s.compensation = dlg.m_ToolCompensation;
  s.startOutside = dlg.m_StartOutside != 0;
  s.innerDiameter = dlg.m_InnerDiameter;
  s.outerDiameter = dlg.m_Diameter;
  s.toolDiameter = dlg.m_Tool.m_Diameter;
  // "ON" runs on the diameters as typed.
  s.allowance = dlg.m_ToolCompensation == kRadialOn ? 0.0 : dlg.m_Allowance;
  s.stepover = dlg.m_Stepover;
  s.centre = AcGePoint2d(dlg.m_CentreX, dlg.m_CentreY);
  return s;
}
