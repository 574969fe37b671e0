#include "plugin/milling/simple/simple_sphere_dlg.h"

#include "platform/classlib/dialogs/dialog_template.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/simple_shape_limits.h"

namespace {

constexpr int kCoreRadio = 269;
constexpr int kCavityRadio = 275;
constexpr int kDownCutRadio = 264;
constexpr int kUpCutRadio = 265;
constexpr int kFinishCheck = 266;
constexpr int kAllowanceEdit = 267;
constexpr int kStepoverEdit = 268;
constexpr int kFeedEdit = 270;
constexpr int kSpindleSpeedEdit = 273;
constexpr int kToolButton = 276;
constexpr int kLeadButton = 251;
constexpr int kSpindleCheck = 328;
constexpr int kToolNumberEdit = 333;
constexpr int kLengthOffsetEdit = 334;
constexpr int kToolNumberCheck = 335;
constexpr int kLengthOffsetCheck = 336;
constexpr int kRadiusEdit = 429;
constexpr int kXCentreEdit = 430;
constexpr int kYCentreEdit = 431;
constexpr int kStartAngleEdit = 432;
constexpr int kEndAngleEdit = 433;
constexpr int kZCentreEdit = 434;
constexpr int kReturnHeightEdit = 521;
constexpr int kNameEdit = 200;

constexpr const char* kAnglesText = "Z 끝각도가 Z 시작각도 보다 커야 합니다..!!";

const SimpleCycleControlIds kCommonIds{kNameEdit,         kToolButton,        kToolNumberCheck,
                                       kToolNumberEdit,   kLengthOffsetCheck, kLengthOffsetEdit,
                                       kReturnHeightEdit, kFeedEdit,          kAllowanceEdit};

const DialogTemplateRegistration kSimpleSphereTemplate(CSimpleSphereDlg::IDD,
                                                       {"단순 구형 가공",
                                                        JoinControls({
                                                            {
                                                                res::EditText(kNameEdit, "공구경로 이름"),
                                                                res::GroupBox(IDC_STATIC, "가공 방법"),
                                                                res::RadioButton(kCoreRadio, "코아", WS_GROUP),
                                                                res::RadioButton(kCavityRadio, "캐비티"),
                                                                res::GroupBox(IDC_STATIC, "가공 방향"),
                                                                res::RadioButton(kDownCutRadio, "하향가공", WS_GROUP),
                                                                res::RadioButton(kUpCutRadio, "상향가공"),
                                                                res::EditText(kXCentreEdit, "X 중심"),
                                                                res::EditText(kYCentreEdit, "Y 중심"),
                                                                res::EditText(kZCentreEdit, "Z 중심"),
                                                                res::EditText(kRadiusEdit, "반경"),
                                                                res::EditText(kStartAngleEdit, "Z 시작 각도"),
                                                                res::EditText(kEndAngleEdit, "Z 끝 각도"),
                                                                res::EditText(kReturnHeightEdit, "복귀 높이"),
                                                            },
                                                            SimpleCycleToolControls(kCommonIds),
                                                            {
                                                                res::CheckBox(kFinishCheck, "정삭가공"),
                                                                res::EditText(kAllowanceEdit, "가공 여유"),
                                                                res::CheckBox(kSpindleCheck, "주축회전수"),
                                                                res::EditText(kSpindleSpeedEdit, ""),
                                                                res::EditText(kStepoverEdit, "정삭 Stepover"),
                                                                res::EditText(kFeedEdit, "정삭 Feed"),
                                                                res::PushButton(kLeadButton, "진입 / 복귀"),
                                                                res::DefPushButton(IDOK, "OK"),
                                                                res::PushButton(IDCANCEL, "Cancel"),
                                                            },
                                                        })});

}  // namespace

BEGIN_MESSAGE_MAP(CSimpleSphereDlg, CDialog)
ON_CONTROL_RANGE(BN_CLICKED, kCoreRadio, kCavityRadio, &CSimpleSphereDlg::OnForm)
ON_CONTROL_RANGE(BN_CLICKED, kDownCutRadio, kUpCutRadio, &CSimpleSphereDlg::OnCutDirection)
ON_BN_CLICKED(kFinishCheck, &CSimpleSphereDlg::OnFinish)
ON_SIMPLE_CYCLE_FIELDS(CSimpleSphereDlg, kCommonIds)
ON_BN_CLICKED(kLeadButton, &CSimpleSphereDlg::OnLead)
END_MESSAGE_MAP()

CSimpleSphereDlg::CSimpleSphereDlg(CWnd* pParent) : SimpleCycleDialog(IDD, pParent, "SimpSphere", kCommonIds) {
  m_Tool.m_ToolType = kBallEndMill;
  m_Tool.FormatToolName();
  m_LengthOffsetNumber = 1;
}

void CSimpleSphereDlg::ExchangeOwnFields(CDataExchange* pDX) {
  const SimpleSphereLimits& s = kSimpleSphereLimits;
  DDX_Limited(pDX, kEndAngleEdit, m_EndAngle, s.endAngle);
  DDX_Check(pDX, kSpindleCheck, m_SpindleOn);
  DDX_Check(pDX, kFinishCheck, m_FinishOn);
  DDX_Limited(pDX, kSpindleSpeedEdit, m_SpindleSpeed, s.spindleSpeed);
  DDX_Limited(pDX, kRadiusEdit, m_Radius, s.radius);
  DDX_Limited(pDX, kStartAngleEdit, m_StartAngle, s.startAngle);
  DDX_Limited(pDX, kXCentreEdit, m_CentreX, s.centreX);
  DDX_Limited(pDX, kYCentreEdit, m_CentreY, s.centreY);
  DDX_Limited(pDX, kZCentreEdit, m_CentreZ, s.centreZ);
  DDX_Limited(pDX, kStepoverEdit, m_FinishStepover, s.finishStepover);
}

void CSimpleSphereDlg::RememberOwnClicks() { m_ClickedAtOpening = {m_Form, m_CutDirection, m_FinishOn}; }

void CSimpleSphereDlg::RestoreOwnClicks() {
  const ClickedValues& was = m_ClickedAtOpening;
  m_Form = was.form;
  m_CutDirection = was.cutDirection;
  m_FinishOn = was.finishOn;
}

void CSimpleSphereDlg::ShowStates() {
  if (m_Form == kSphereCore || m_Form == kSphereCavity)
    CheckRadioButton(kCoreRadio, kCavityRadio, m_Form == kSphereCore ? kCoreRadio : kCavityRadio);
  if (m_CutDirection == kSphereDownCut || m_CutDirection == kSphereUpCut)
    CheckRadioButton(kDownCutRadio, kUpCutRadio, kDownCutRadio + m_CutDirection);
  for (const int id : {kAllowanceEdit, kSpindleSpeedEdit, kStepoverEdit, kFeedEdit}) {
    if (CWnd* edit = GetDlgItem(id)) edit->EnableWindow(m_FinishOn != 0 ? TRUE : FALSE);
  }
}

void CSimpleSphereDlg::OnForm(UINT id) {
  m_Form = static_cast<int>(id) == kCavityRadio ? kSphereCavity : kSphereCore;
  ShowStates();
}

void CSimpleSphereDlg::OnCutDirection(UINT id) {
  m_CutDirection = static_cast<int>(id) - kDownCutRadio;
  ShowStates();
}

void CSimpleSphereDlg::OnFinish() {
  m_FinishOn = IsDlgButtonChecked(kFinishCheck) ? 1 : 0;
  ShowStates();
}

void CSimpleSphereDlg::OnLead() { m_Lead.DoModal(); }

bool CSimpleSphereDlg::AcceptOwnFields() {
  if (m_EndAngle - m_StartAngle > 0.0f) return true;
  ShowFormInformation(kAnglesText);
  return false;
}

SimpleSphereShape SimpleSphereShapeOf(const CSimpleSphereDlg& dlg) {
  SimpleSphereShape s;
  s.form = dlg.m_Form;
  s.radius = dlg.m_Radius;
  s.allowance = dlg.m_Allowance;
  s.startAngle = dlg.m_StartAngle;
  s.endAngle = dlg.m_EndAngle;
  s.stepover = dlg.m_FinishStepover;
  s.toolType = dlg.m_Tool.m_ToolType;
  s.toolDiameter = dlg.m_Tool.m_Diameter;
  s.cornerRadius = dlg.m_Tool.m_CornerRadius;
  s.centreZ = dlg.m_CentreZ;
  return s;
}
