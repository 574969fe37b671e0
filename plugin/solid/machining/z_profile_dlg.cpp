#include "plugin/solid/machining/z_profile_dlg.h"

#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/solid_machining_limits.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/solid/machining/solid_cut_picks.h"

namespace {

constexpr int kNameEdit = 200;
constexpr int kDownCutRadio = 264;
constexpr int kUpCutRadio = 265;
constexpr int kCoreRadio = 269;
constexpr int kToolButton = 271;
constexpr int kCavityRadio = 275;
constexpr int kStartPointEdit = 303;
constexpr int kStartPointCheck = 305;
constexpr int kLeadButton = 308;
constexpr int kToolNumberEdit = 322;
constexpr int kLengthOffsetEdit = 323;
constexpr int kToolNumberCheck = 324;
constexpr int kLengthOffsetCheck = 325;
constexpr int kSpindleCheck = 328;
constexpr int kSpindleSpeedEdit = 366;
constexpr int kZStartEdit = 429;
constexpr int kZDepthEdit = 430;
constexpr int kModelButton = 448;
constexpr int kPickZStartButton = 457;
constexpr int kPickZDepthButton = 458;
constexpr int kFeedEdit = 568;
constexpr int kGougeCheck = 571;
constexpr int kGougePickButton = 572;
constexpr int kInsideCheck = 574;
constexpr int kGougeAllowanceEdit = 575;
constexpr int kCornerRoundCheck = 578;
constexpr int kCompensationCheck = 579;
constexpr int kLevelRetractCheck = 580;
constexpr int kZStartCheck = 583;
constexpr int kZDepthCheck = 584;
constexpr int kToleranceEdit = 4001;
constexpr int kZStepEdit = 4002;
constexpr int kRetractHeightEdit = 4010;
constexpr int kAllowanceEdit = 4014;

constexpr const char* kBaseName = "ZProfile";

const ZProfileLimits& L = kZProfileLimits;

const DialogTemplateRegistration kZProfileTemplate(CZProfileDlg::IDD,
                                                   {"등고선 가공",
                                                    {
                                                        res::EditText(kNameEdit, "공구경로 이름"),
                                                        res::PushButton(kModelButton, "재료선택"),
                                                        res::GroupBox(IDC_STATIC, "<< 가공 방법 >>"),
                                                        res::RadioButton(kCoreRadio, "코아", WS_GROUP),
                                                        res::RadioButton(kCavityRadio, "캐비티"),
                                                        res::RadioButton(kDownCutRadio, "하향가공", WS_GROUP),
                                                        res::RadioButton(kUpCutRadio, "상향가공"),
                                                        res::GroupBox(IDC_STATIC, "<< 공구 >>"),
                                                        res::PushButton(kToolButton, ""),
                                                        res::CheckBox(kToolNumberCheck, "번호"),
                                                        res::EditText(kToolNumberEdit, ""),
                                                        res::CheckBox(kLengthOffsetCheck, "장보정"),
                                                        res::EditText(kLengthOffsetEdit, ""),
                                                        res::CheckBox(kSpindleCheck, "주축회전수"),
                                                        res::EditText(kSpindleSpeedEdit, ""),
                                                        res::EditText(kFeedEdit, "Feed"),
                                                        res::PushButton(kLeadButton, "진입 / 복귀"),
                                                        res::GroupBox(IDC_STATIC, "<< 가공 조건 >>"),
                                                        res::EditText(kZStepEdit, "Z Step"),
                                                        res::EditText(kAllowanceEdit, "가공 여유"),
                                                        res::EditText(kToleranceEdit, "가공공차"),
                                                        res::EditText(kRetractHeightEdit, "복귀 높이"),
                                                        res::CheckBox(kLevelRetractCheck, "레벨간 복귀"),
                                                        res::CheckBox(kCornerRoundCheck, "코너 라운드"),
                                                        res::CheckBox(kStartPointCheck, "시작점"),
                                                        res::PushButton(kStartPointEdit, ""),
                                                        res::CheckBox(kZStartCheck, "Z 시작"),
                                                        res::EditText(kZStartEdit, ""),
                                                        res::PushButton(kPickZStartButton, "..."),
                                                        res::CheckBox(kZDepthCheck, "Z 깊이"),
                                                        res::EditText(kZDepthEdit, ""),
                                                        res::PushButton(kPickZDepthButton, "..."),
                                                        res::GroupBox(IDC_STATIC, "<< 간섭 체크 >>"),
                                                        res::CheckBox(kGougeCheck, "간섭체크"),
                                                        res::PushButton(kGougePickButton, "간섭영역"),
                                                        res::EditText(kGougeAllowanceEdit, "간섭 여유"),
                                                        res::CheckBox(kInsideCheck, "안쪽 체크"),
                                                        res::CheckBox(kCompensationCheck, "공구경 보정"),
                                                        res::DefPushButton(IDOK, "OK"),
                                                        res::PushButton(IDCANCEL, "Cancel"),
                                                    }});

void Enable(CWnd& dialog, int id, bool on) {
  if (CWnd* control = dialog.GetDlgItem(id)) control->EnableWindow(on ? TRUE : FALSE);
}

}  // namespace

BEGIN_MESSAGE_MAP(CZProfileDlg, CAcUiDialog)
ON_BN_CLICKED(kCoreRadio, &CZProfileDlg::OnCore)
ON_BN_CLICKED(kCavityRadio, &CZProfileDlg::OnCavity)
ON_BN_CLICKED(kDownCutRadio, &CZProfileDlg::OnDownCut)
ON_BN_CLICKED(kUpCutRadio, &CZProfileDlg::OnUpCut)
ON_BN_CLICKED(kToolButton, &CZProfileDlg::OnTool)
ON_BN_CLICKED(kLeadButton, &CZProfileDlg::OnLead)
ON_EN_CHANGE(kToolNumberEdit, &CZProfileDlg::OnToolNumberChange)
ON_BN_CLICKED(kLengthOffsetCheck, &CZProfileDlg::OnLengthOffsetOn)
ON_BN_CLICKED(kGougeCheck, &CZProfileDlg::OnGougeCheck)
ON_BN_CLICKED(kZStartCheck, &CZProfileDlg::OnZStartOn)
ON_BN_CLICKED(kZDepthCheck, &CZProfileDlg::OnZDepthOn)
ON_BN_CLICKED(kSpindleCheck, &CZProfileDlg::OnSpindleOn)
ON_BN_CLICKED(kModelButton, &CZProfileDlg::OnPickModel)
ON_BN_CLICKED(kStartPointCheck, &CZProfileDlg::OnStartPointCheck)
ON_BN_CLICKED(kStartPointEdit, &CZProfileDlg::OnStartPointPick)
ON_BN_CLICKED(kPickZStartButton, &CZProfileDlg::OnPickZStart)
ON_BN_CLICKED(kPickZDepthButton, &CZProfileDlg::OnPickZDepth)
ON_BN_CLICKED(kGougePickButton, &CZProfileDlg::OnPickGouge)
END_MESSAGE_MAP()

CZProfileDlg::CZProfileDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) { m_Tool.FormatToolName(); }

void CZProfileDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, kNameEdit, m_ToolpathName);
  DDX_Check(pDX, kToolNumberCheck, m_ToolNumberOn);
  DDX_Check(pDX, kLengthOffsetCheck, m_LengthOffsetOn);
  DDX_Limited(pDX, kToolNumberEdit, m_ToolNumber, L.tool.toolNumber);
  DDX_Limited(pDX, kLengthOffsetEdit, m_LengthOffsetNumber, L.tool.lengthOffsetNumber);
  DDX_Limited(pDX, kZStepEdit, m_ZStep, L.zStep);
  DDX_Limited(pDX, kFeedEdit, m_Feed, L.feed);
  DDX_Limited(pDX, kAllowanceEdit, m_Allowance, L.allowance);
  DDX_Limited(pDX, kRetractHeightEdit, m_RetractHeight, L.retractHeight);
  DDX_Check(pDX, kStartPointCheck, m_StartPointOn);
  DDX_Limited(pDX, kSpindleSpeedEdit, m_SpindleSpeed, L.spindleSpeed);
  DDX_Check(pDX, kSpindleCheck, m_SpindleOn);
  DDX_Check(pDX, kCornerRoundCheck, m_CornerRound);
  DDX_Check(pDX, kGougeCheck, m_GougeCheckOn);
  DDX_Limited(pDX, kGougeAllowanceEdit, m_GougeAllowance, L.gougeAllowance);
  DDX_Check(pDX, kInsideCheck, m_InsideCheck);
  DDX_Check(pDX, kCompensationCheck, m_ToolRadiusCompensation);
  DDX_Check(pDX, kLevelRetractCheck, m_BetweenLevelRetract);
  DDX_Limited(pDX, kToleranceEdit, m_Tolerance, L.machiningTolerance);
  DDX_Check(pDX, kZStartCheck, m_ZStartOn);
  DDX_Check(pDX, kZDepthCheck, m_ZDepthOn);
  DDX_Limited(pDX, kZDepthEdit, m_ZDepth, L.zDepth);
  DDX_Limited(pDX, kZStartEdit, m_ZStart, L.zStart);
}

BOOL CZProfileDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  if (ProposeToolpathName(m_EditMode != 0, m_ExistingName, kBaseName, m_ToolpathName)) {
    SetDlgItemText(kNameEdit, m_ToolpathName);
  }
  CheckRadioButton(kCoreRadio, kCavityRadio, m_Method == kZProfileCavity ? kCavityRadio : kCoreRadio);
  CheckRadioButton(kDownCutRadio, kUpCutRadio, m_CutDirection ? kUpCutRadio : kDownCutRadio);
  m_Tool.FormatToolName();
  SetDlgItemText(kToolButton, m_Tool.m_ToolName);
  ShowStartPoint();
  ShowStates();
  return TRUE;
}

void CZProfileDlg::ShowStates() {
  SetControlReadOnly(*this, kLengthOffsetEdit, m_LengthOffsetOn == 0);
  for (int id : {kGougeAllowanceEdit, kGougePickButton, kInsideCheck, kCompensationCheck}) {
    Enable(*this, id, m_GougeCheckOn != 0);
  }
  Enable(*this, kZStartEdit, m_ZStartOn != 0);
  Enable(*this, kZDepthEdit, m_ZDepthOn != 0);
  Enable(*this, kStartPointEdit, m_StartPointOn != 0);
  Enable(*this, kSpindleSpeedEdit, m_SpindleOn != 0);
}

void CZProfileDlg::ShowStartPoint() {
  CString text;
  if (m_StartPointOn) text.Format("%.1f, %.1f, %.1f", m_StartPoint[0], m_StartPoint[1], m_StartPoint[2]);
  SetDlgItemText(kStartPointEdit, text);
}

void CZProfileDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!GougeOutlineReady(m_GougeCheckOn, m_GougeId)) return;
  // A start below the depth leaves nothing to machine.
  if (m_ZStartOn && m_ZDepthOn && m_ZStart < m_ZDepth) {
    CString text;
    text.Format(MsgDepthAboveStart, m_ZDepth, m_ZStart);
    ShowFormInformation(text);
    return;
  }
  if (!SolidModelAccepted(m_ModelId)) return;
  if (!AcceptToolpathName(m_ToolpathName, m_EditMode == 0)) return;
  CAcUiDialog::OnOK();
}

void CZProfileDlg::OnCore() { m_Method = kZProfileCore; }
void CZProfileDlg::OnCavity() { m_Method = kZProfileCavity; }
void CZProfileDlg::OnDownCut() { m_CutDirection = 0; }
void CZProfileDlg::OnUpCut() { m_CutDirection = 1; }

void CZProfileDlg::OnTool() {
  RunToolShapeDialog(*this, m_Tool, kToolButton);
}

void CZProfileDlg::OnLead() { m_Lead.DoModal(); }

void CZProfileDlg::OnToolNumberChange() {
  CopyToolNumberWhileNoOffset(*this, m_LengthOffsetOn, kToolNumberEdit, kLengthOffsetEdit);
}

void CZProfileDlg::OnLengthOffsetOn() {
  m_LengthOffsetOn = IsDlgButtonChecked(kLengthOffsetCheck) ? 1 : 0;
  ShowStates();
}

void CZProfileDlg::OnGougeCheck() {
  m_GougeCheckOn = IsDlgButtonChecked(kGougeCheck) ? 1 : 0;
  ShowStates();
}

void CZProfileDlg::OnZStartOn() {
  m_ZStartOn = IsDlgButtonChecked(kZStartCheck) ? 1 : 0;
  ShowStates();
}

void CZProfileDlg::OnZDepthOn() {
  m_ZDepthOn = IsDlgButtonChecked(kZDepthCheck) ? 1 : 0;
  ShowStates();
}

void CZProfileDlg::OnSpindleOn() {
  m_SpindleOn = IsDlgButtonChecked(kSpindleCheck) ? 1 : 0;
  ShowStates();
}

void CZProfileDlg::OnPickModel() {
  BeginEditorCommand();
  const AcDbObjectId picked = PickModelEntity();
  CompleteEditorCommand();
  if (!picked.isNull()) m_ModelId = picked;
}

bool CZProfileDlg::AskStartPoint() {
  ads_point point = {0.0, 0.0, 0.0};
  BeginEditorCommand();
  acedInitGet(RSG_NONULL, nullptr);
  const bool given = acedGetPoint(nullptr, "\n 공구경로의 시작점을 지정하시요 !!", point) == RTNORM;
  CompleteEditorCommand();
  if (!given) return false;
  for (int i = 0; i < 3; ++i) m_StartPoint[i] = point[i];
  return true;
}

void CZProfileDlg::OnStartPointCheck() {
  if (m_StartPointOn) {
    m_StartPointOn = 0;
  } else if (AskStartPoint()) {
    m_StartPointOn = 1;
  }
  CheckDlgButton(kStartPointCheck, m_StartPointOn);
  ShowStartPoint();
  ShowStates();
}

void CZProfileDlg::OnStartPointPick() {
  if (m_StartPointOn && AskStartPoint()) ShowStartPoint();
}

void CZProfileDlg::OnPickZStart() { PickZIntoEdit(*this, "\n 등고선 가공 시작점을 지정하시요 !!", kZStartEdit); }
void CZProfileDlg::OnPickZDepth() { PickZIntoEdit(*this, "\n 등고선 가공이 끝나는 점을 지정하시요 !!", kZDepthEdit); }

void CZProfileDlg::OnPickGouge() { PickGougeOutline(*this, m_GougeId); }
