#include "plugin/solid/machining/solid_cut_dlg.h"

#include <cmath>

#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/solid_machining_limits.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/geometry/plane_geometry.h"
#include "plugin/solid/machining/solid_cut_picks.h"

namespace {

constexpr int kNameEdit = 200;
constexpr int kToolButton = 271;
constexpr int kPlungeButton = 308;
constexpr int kToolNumberEdit = 322;
constexpr int kLengthOffsetEdit = 323;
constexpr int kToolNumberCheck = 324;
constexpr int kLengthOffsetCheck = 325;
constexpr int kSpindleCheck = 328;
constexpr int kSpindleSpeedEdit = 366;
constexpr int kAngleEdit = 429;
constexpr int kFeedEdit = 568;
constexpr int kUpCutCheck = 569;
constexpr int kDirectionButton = 570;
constexpr int kGougeCheck = 571;
constexpr int kGougePickButton = 572;
constexpr int kInsideCheck = 574;
constexpr int kGougeAllowanceEdit = 575;
constexpr int kOneWayRadio = 576;
constexpr int kTwoWayRadio = 577;
constexpr int kCompensationCheck = 578;
constexpr int kAngleLimitCheck = 581;
constexpr int kMinAngleEdit = 582;
constexpr int kMaxAngleEdit = 583;
constexpr int kStepoverEdit = 4000;
constexpr int kToleranceEdit = 4001;
constexpr int kRetractHeightEdit = 4010;
constexpr int kAllowanceEdit = 4014;

constexpr const char* kBaseName = "SolMill";

const SolidCutLimits& L = kSolidCutLimits;

const DialogTemplateRegistration kSolidCutTemplate(CSolidCutDlg::IDD,
                                                   {"솔리드 가공",
                                                    {
                                                        res::EditText(kNameEdit, "공구경로 이름"),
                                                        res::GroupBox(IDC_STATIC, "<< 공구 >>"),
                                                        res::PushButton(kToolButton, ""),
                                                        res::CheckBox(kToolNumberCheck, "번호"),
                                                        res::EditText(kToolNumberEdit, ""),
                                                        res::CheckBox(kLengthOffsetCheck, "장보정"),
                                                        res::EditText(kLengthOffsetEdit, ""),
                                                        res::CheckBox(kSpindleCheck, "주축회전수"),
                                                        res::EditText(kSpindleSpeedEdit, ""),
                                                        res::EditText(kFeedEdit, "Feed"),
                                                        res::PushButton(kPlungeButton, "진입 / 복귀"),
                                                        res::GroupBox(IDC_STATIC, "<< 가공 조건 >>"),
                                                        res::RadioButton(kOneWayRadio, "일 방향", WS_GROUP),
                                                        res::RadioButton(kTwoWayRadio, "두 방향"),
                                                        res::EditText(kAngleEdit, "가공각도"),
                                                        res::PushButton(kDirectionButton, "3점"),
                                                        res::CheckBox(kUpCutCheck, "상향가공"),
                                                        res::EditText(kStepoverEdit, "Stepover"),
                                                        res::EditText(kAllowanceEdit, "가공 여유"),
                                                        res::EditText(kToleranceEdit, "가공 공차"),
                                                        res::EditText(kRetractHeightEdit, "복귀 높이"),
                                                        res::CheckBox(kAngleLimitCheck, "가공 각도"),
                                                        res::EditText(kMinAngleEdit, "최소"),
                                                        res::EditText(kMaxAngleEdit, "최대"),
                                                        res::GroupBox(IDC_STATIC, "<< 간섭 체크 >>"),
                                                        res::CheckBox(kGougeCheck, "간섭체크"),
                                                        res::PushButton(kGougePickButton, "간섭영역"),
                                                        res::EditText(kGougeAllowanceEdit, "간섭 여유"),
                                                        res::CheckBox(kInsideCheck, "안쪽 체크"),
                                                        res::CheckBox(kCompensationCheck, "공구경 보정"),
                                                        res::DefPushButton(IDOK, "OK"),
                                                        res::PushButton(IDCANCEL, "Cancel"),
                                                    }});

}  // namespace

BEGIN_MESSAGE_MAP(CSolidCutDlg, CAcUiDialog)
ON_BN_CLICKED(kToolButton, &CSolidCutDlg::OnTool)
ON_BN_CLICKED(kPlungeButton, &CSolidCutDlg::OnPlunge)
ON_BN_CLICKED(kOneWayRadio, &CSolidCutDlg::OnOneWay)
ON_BN_CLICKED(kTwoWayRadio, &CSolidCutDlg::OnTwoWay)
ON_EN_CHANGE(kToolNumberEdit, &CSolidCutDlg::OnToolNumberChange)
ON_BN_CLICKED(kLengthOffsetCheck, &CSolidCutDlg::OnLengthOffsetOn)
ON_BN_CLICKED(kGougeCheck, &CSolidCutDlg::OnGougeCheck)
ON_BN_CLICKED(kAngleLimitCheck, &CSolidCutDlg::OnAngleLimit)
ON_BN_CLICKED(kDirectionButton, &CSolidCutDlg::OnPickDirection)
ON_BN_CLICKED(kGougePickButton, &CSolidCutDlg::OnPickGouge)
END_MESSAGE_MAP()

CSolidCutDlg::CSolidCutDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {
  m_Tool.m_BallOnly = 1;
  m_Tool.m_ToolType = kBallEndMill;
  m_Tool.FormatToolName();
}

void CSolidCutDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, kNameEdit, m_ToolpathName);
  DDX_Limited(pDX, kFeedEdit, m_Feed, L.feed);
  DDX_Limited(pDX, kAngleEdit, m_Angle, L.machiningAngle);
  DDX_Check(pDX, kSpindleCheck, m_SpindleOn);
  DDX_Limited(pDX, kSpindleSpeedEdit, m_SpindleSpeed, L.spindleSpeed);
  DDX_Limited(pDX, kStepoverEdit, m_Stepover, L.stepover);
  DDX_Limited(pDX, kAllowanceEdit, m_Allowance, L.allowance);
  DDX_Check(pDX, kToolNumberCheck, m_ToolNumberOn);
  DDX_Check(pDX, kLengthOffsetCheck, m_LengthOffsetOn);
  DDX_Limited(pDX, kLengthOffsetEdit, m_LengthOffsetNumber, L.tool.lengthOffsetNumber);
  DDX_Limited(pDX, kToolNumberEdit, m_ToolNumber, L.tool.toolNumber);
  DDX_Check(pDX, kUpCutCheck, m_UpCut);
  DDX_Check(pDX, kGougeCheck, m_GougeCheckOn);
  DDX_Limited(pDX, kGougeAllowanceEdit, m_GougeAllowance, L.gougeAllowance);
  DDX_Check(pDX, kInsideCheck, m_InsideCheck);
  DDX_Check(pDX, kCompensationCheck, m_ToolRadiusCompensation);
  DDX_Limited(pDX, kRetractHeightEdit, m_RetractHeight, L.retractHeight);
  DDX_Limited(pDX, kToleranceEdit, m_Tolerance, L.machiningTolerance);
  DDX_Check(pDX, kAngleLimitCheck, m_AngleLimitOn);
  DDX_Limited(pDX, kMaxAngleEdit, m_MaxAngle, L.maximumAngle);
  DDX_Limited(pDX, kMinAngleEdit, m_MinAngle, L.minimumAngle);
}

BOOL CSolidCutDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  if (ProposeToolpathName(m_EditMode != 0, m_ExistingName, kBaseName, m_ToolpathName)) {
    SetDlgItemText(kNameEdit, m_ToolpathName);
  }
  m_Tool.m_BallOnly = 1;
  m_Tool.FormatToolName();
  SetDlgItemText(kToolButton, m_Tool.m_ToolName);
  CheckRadioButton(kOneWayRadio, kTwoWayRadio, m_TwoWay ? kTwoWayRadio : kOneWayRadio);
  ShowStates();
  return TRUE;
}

void CSolidCutDlg::ShowStates() {
  SetControlReadOnly(*this, kLengthOffsetEdit, m_LengthOffsetOn == 0);
  SetControlReadOnly(*this, kMinAngleEdit, m_AngleLimitOn == 0);
  SetControlReadOnly(*this, kMaxAngleEdit, m_AngleLimitOn == 0);
}

void CSolidCutDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!GougeOutlineReady(m_GougeCheckOn, m_GougeId)) return;
  if (!AcceptToolpathName(m_ToolpathName, m_EditMode == 0)) return;
  CAcUiDialog::OnOK();
}

void CSolidCutDlg::OnTool() {
  RunToolShapeDialog(*this, m_Tool, kToolButton);
}

void CSolidCutDlg::OnPlunge() { m_Plunge.DoModal(); }
void CSolidCutDlg::OnOneWay() { m_TwoWay = 0; }
void CSolidCutDlg::OnTwoWay() { m_TwoWay = 1; }

void CSolidCutDlg::OnToolNumberChange() {
  CopyToolNumberWhileNoOffset(*this, m_LengthOffsetOn, kToolNumberEdit, kLengthOffsetEdit);
}

void CSolidCutDlg::OnLengthOffsetOn() {
  m_LengthOffsetOn = IsDlgButtonChecked(kLengthOffsetCheck) ? 1 : 0;
  ShowStates();
}

void CSolidCutDlg::OnGougeCheck() { m_GougeCheckOn = IsDlgButtonChecked(kGougeCheck) ? 1 : 0; }

void CSolidCutDlg::OnAngleLimit() {
  m_AngleLimitOn = IsDlgButtonChecked(kAngleLimitCheck) ? 1 : 0;
  ShowStates();
}

bool CSolidCutDlg::TakeDirection(const AcGePoint3d& first, const AcGePoint3d& second, const AcGePoint3d& third) {
  const double dx1 = second.x - first.x, dy1 = second.y - first.y;
  const double dx2 = third.x - first.x, dy2 = third.y - first.y;
  if (std::hypot(dx1, dy1) < 1e-9 || std::hypot(dx2, dy2) < 1e-9) return false;
  // The second axis comes first.
  double angle = GetDirectionAngle(dy1, dx1);
  if (angle < 0.0) angle += 360.0;
  const double side = std::fmod(GetDirectionAngle(dy2, dx2) - angle + 720.0, 360.0);
  m_Angle = static_cast<float>(angle);
  m_UpCut = side < 180.0 ? 1 : 0;
  return true;
}

void CSolidCutDlg::OnPickDirection() {
  AcGePoint3d first, second, third;
  BeginEditorCommand();
  const bool picked = PickMachiningDirection(first, second, third);
  CompleteEditorCommand();
  if (!picked) return;
  if (!TakeDirection(first, second, third)) {
    ShowFormInformation("가공 방향을 지정할 수 없습니다.!!");
    return;
  }
  CheckDlgButton(kUpCutCheck, m_UpCut);
  CString text;
  text.Format("%6.3f", m_Angle);
  SetDlgItemText(kAngleEdit, text);
}

void CSolidCutDlg::OnPickGouge() { PickGougeOutline(*this, m_GougeId); }
