#include "plugin/solid/pocket/solid_pocket_dlg.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/solid_pocket_limits.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/shell/settings/param_file.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/slices/solid_slices.h"

namespace {

constexpr int kNameEdit = 200;
constexpr int kPickSolidsButton = 448;
constexpr int kClimbRadio = 264;
constexpr int kConventionalRadio = 265;
constexpr int kCoreRadio = 269;
constexpr int kCavityRadio = 275;
constexpr int kRetractHeightEdit = 4010;
constexpr int kZStepEdit = 4002;

constexpr int kRoughOnCheck = 257;
constexpr int kRoughToolButton = 464;
constexpr int kRoughToolNumberCheck = 331;
constexpr int kRoughToolNumberEdit = 329;
constexpr int kRoughLengthOffsetCheck = 332;
constexpr int kRoughLengthOffsetEdit = 330;
constexpr int kPatternList = 258;
constexpr int kRoughAngleEdit = 217;
constexpr int kRoughStepoverEdit = 261;
constexpr int kRoughAllowanceEdit = 260;
constexpr int kRoughFeedEdit = 262;
constexpr int kRoughSpindleCheck = 327;
constexpr int kRoughSpindleEdit = 263;
constexpr int kLinkFeedCheck = 326;
constexpr int kLinkFeedEdit = 274;
constexpr int kStartOutsideCheck = 338;
constexpr int kRetractBetweenLevelsCheck = 343;
constexpr int kCornerRoundCheck = 444;
constexpr int kRapidLinkButton = 345;
constexpr int kStartPointCheck = 305;
constexpr int kStartPointButton = 303;
constexpr int kPlungeButton = 259;

constexpr int kFinishOnCheck = 266;
constexpr int kFinishToolButton = 276;
constexpr int kFinishToolNumberCheck = 335;
constexpr int kFinishToolNumberEdit = 333;
constexpr int kFinishLengthOffsetCheck = 336;
constexpr int kFinishLengthOffsetEdit = 334;
constexpr int kFinishAllowanceEdit = 267;
constexpr int kFinishStepoverEdit = 268;
constexpr int kFinishPassesEdit = 272;
constexpr int kFinishFeedEdit = 270;
constexpr int kFinishSpindleCheck = 328;
constexpr int kFinishSpindleEdit = 273;
constexpr int kFinishLeadButton = 251;

constexpr int kRestOnCheck = 463;
constexpr int kRestToolButton = 286;
constexpr int kRestToolNumberCheck = 341;
constexpr int kRestToolNumberEdit = 339;
constexpr int kRestLengthOffsetCheck = 342;
constexpr int kRestLengthOffsetEdit = 340;
constexpr int kRestAllowanceEdit = 271;
constexpr int kRestFeedEdit = 281;
constexpr int kRestSpindleCheck = 337;
constexpr int kRestSpindleEdit = 284;
constexpr int kRestAfterFinishCheck = 462;
constexpr int kRestLeadButton = 252;

constexpr const char* kPatternTexts[] = {
    "라운드 윤곽 가공(Round Countour)",
    "윤곽 가공(Countour)",
    "양방향 직선 가공(Twoway linear)",
    "일방향 직선 가공(Oneway linear)",
};

constexpr int kRoughEdits[] = {kRoughAngleEdit,    kRoughAllowanceEdit, kRoughSpindleEdit,
                               kRoughStepoverEdit, kRoughFeedEdit,      kLinkFeedEdit};
constexpr int kFinishEdits[] = {kFinishAllowanceEdit, kFinishPassesEdit, kFinishSpindleEdit, kFinishStepoverEdit,
                                kFinishFeedEdit};
constexpr int kRestEdits[] = {kRestAllowanceEdit, kRestSpindleEdit, kRestFeedEdit, kRestAfterFinishCheck};

constexpr const char* kBaseName = "SolidPocket";
constexpr const char* kNotSolidPocketFileText = "솔리드 포켓 파라메타 파일이 아닙니다.!!!";
constexpr const char* kNoModelText = "가공 모델이 선택되지 않았습니다!!";
constexpr const char* kModelPrompt = "\n 가공 모델을 선택하시요.";
constexpr const char* kStockPrompt = "\n 소재 모델을 선택하시요.";

const SolidPocketLimits& L = kSolidPocketLimits;

const DialogTemplateRegistration kSolidPocketTemplate(
    CSolidPocketDlg::IDD,
    {"3D 포켓", JoinControls({
                    {res::EditText(kNameEdit, "공구경로 이름"), res::PushButton(kPickSolidsButton, "재료선택")},
                    {
                        res::Text(IDC_STATIC, "가공 방향"),
                        res::RadioButton(kClimbRadio, "하향가공", WS_GROUP),
                        res::RadioButton(kConventionalRadio, "상향가공"),
                        res::Text(IDC_STATIC, "가공 방식"),
                        res::RadioButton(kCoreRadio, "코아", WS_GROUP),
                        res::RadioButton(kCavityRadio, "캐비티"),
                        res::EditText(kRetractHeightEdit, "복귀 높이"),
                        res::EditText(kZStepEdit, "Z Step"),
                        res::GroupBox(IDC_STATIC, "<< 황삭조건 >>"),
                        res::CheckBox(kRoughOnCheck, "황삭가공"),
                        res::PushButton(kRoughToolButton, ""),
                        res::CheckBox(kRoughToolNumberCheck, "번호"),
                        res::EditText(kRoughToolNumberEdit, ""),
                        res::CheckBox(kRoughLengthOffsetCheck, "장보정"),
                        res::EditText(kRoughLengthOffsetEdit, ""),
                        res::ComboBox(kPatternList, "가공방법", CBS_DROPDOWNLIST),
                        res::EditText(kRoughAngleEdit, "황삭가공각도"),
                        res::EditText(kRoughStepoverEdit, "황삭 Stepover"),
                        res::EditText(kRoughAllowanceEdit, "가공여유"),
                        res::EditText(kRoughFeedEdit, "황삭 Feed"),
                        res::CheckBox(kRoughSpindleCheck, "주축회전수"),
                        res::EditText(kRoughSpindleEdit, ""),
                        res::CheckBox(kLinkFeedCheck, "연결 Feed"),
                        res::EditText(kLinkFeedEdit, ""),
                        res::CheckBox(kStartOutsideCheck, "외곽 시작"),
                        res::CheckBox(kRetractBetweenLevelsCheck, "레벨간 복귀"),
                        res::PushButton(kRapidLinkButton, "Advance"),
                        res::CheckBox(kStartPointCheck, "시작점"),
                        res::PushButton(kStartPointButton, ""),
                        res::PushButton(kPlungeButton, "진입 / 복귀"),
                        res::GroupBox(IDC_STATIC, "<< 정삭조건 >>"),
                        res::CheckBox(kFinishOnCheck, "정삭가공"),
                        res::PushButton(kFinishToolButton, ""),
                        res::CheckBox(kFinishToolNumberCheck, "번호"),
                        res::EditText(kFinishToolNumberEdit, ""),
                        res::CheckBox(kFinishLengthOffsetCheck, "장보정"),
                        res::EditText(kFinishLengthOffsetEdit, ""),
                        res::EditText(kFinishAllowanceEdit, "가공 여유"),
                        res::EditText(kFinishStepoverEdit, "정삭 Stepover"),
                        res::EditText(kFinishPassesEdit, "정삭 횟수"),
                        res::EditText(kFinishFeedEdit, "정삭 Feed"),
                        res::CheckBox(kFinishSpindleCheck, "주축회전"),
                        res::EditText(kFinishSpindleEdit, ""),
                        res::CheckBox(kCornerRoundCheck, "코너 라운드"),
                        res::PushButton(kFinishLeadButton, "진입 / 복귀"),
                        res::GroupBox(IDC_STATIC, "<< 잔삭 조건 >>"),
                        res::CheckBox(kRestOnCheck, "잔삭가공"),
                        res::PushButton(kRestToolButton, ""),
                        res::CheckBox(kRestToolNumberCheck, "번호"),
                        res::EditText(kRestToolNumberEdit, ""),
                        res::CheckBox(kRestLengthOffsetCheck, "장보정"),
                        res::EditText(kRestLengthOffsetEdit, ""),
                        res::EditText(kRestAllowanceEdit, "가공 여유"),
                        res::EditText(kRestFeedEdit, "잔삭 Feed"),
                        res::CheckBox(kRestSpindleCheck, "주축회전수"),
                        res::EditText(kRestSpindleEdit, ""),
                        res::CheckBox(kRestAfterFinishCheck, "정삭후 잔삭 "),
                        res::PushButton(kRestLeadButton, "진입 / 복귀"),
                    },
                    ParameterFileAndCloseButtons(),
                })});

// A solid picked in the drawing; null when the pick was cancelled or answered
// by the keyword.
AcDbObjectId PickSolid(const char* prompt) {
  ads_name name = {0, 0};
  ads_point picked = {0.0, 0.0, 0.0};
  acedInitGet(0, "Other O");
  AcDbObjectId id;
  if (acedEntSel(prompt, name, picked) != RTNORM || acdbGetObjectId(id, name) != Acad::eOk) return AcDbObjectId();
  return id;
}

}  // namespace

BEGIN_MESSAGE_MAP(CSolidPocketDlg, CAcUiDialog)
ON_BN_CLICKED(kClimbRadio, &CSolidPocketDlg::OnClimb)
ON_BN_CLICKED(kConventionalRadio, &CSolidPocketDlg::OnConventional)
ON_BN_CLICKED(kCoreRadio, &CSolidPocketDlg::OnCore)
ON_BN_CLICKED(kCavityRadio, &CSolidPocketDlg::OnCavity)
ON_CBN_SELCHANGE(kPatternList, &CSolidPocketDlg::OnPatternChange)
ON_BN_CLICKED(kPlungeButton, &CSolidPocketDlg::OnPlunge)
ON_BN_CLICKED(kFinishLeadButton, &CSolidPocketDlg::OnFinishLead)
ON_BN_CLICKED(kRestLeadButton, &CSolidPocketDlg::OnRestLead)
ON_BN_CLICKED(kRapidLinkButton, &CSolidPocketDlg::OnRapidLink)
ON_BN_CLICKED(kRoughToolButton, &CSolidPocketDlg::OnRoughTool)
ON_BN_CLICKED(kFinishToolButton, &CSolidPocketDlg::OnFinishTool)
ON_BN_CLICKED(kRestToolButton, &CSolidPocketDlg::OnRestTool)
ON_BN_CLICKED(kStartPointCheck, &CSolidPocketDlg::OnStartPointOn)
ON_BN_CLICKED(kStartPointButton, &CSolidPocketDlg::OnStartPoint)
ON_BN_CLICKED(kPickSolidsButton, &CSolidPocketDlg::OnPickSolids)
ON_BN_CLICKED(kRoughOnCheck, &CSolidPocketDlg::OnRoughOn)
ON_BN_CLICKED(kFinishOnCheck, &CSolidPocketDlg::OnFinishOn)
ON_BN_CLICKED(kRestOnCheck, &CSolidPocketDlg::OnRestOn)
ON_BN_CLICKED(kLinkFeedCheck, &CSolidPocketDlg::OnLinkFeedOn)
ON_BN_CLICKED(kRoughLengthOffsetCheck, &CSolidPocketDlg::OnRoughLengthOffsetOn)
ON_BN_CLICKED(kFinishLengthOffsetCheck, &CSolidPocketDlg::OnFinishLengthOffsetOn)
ON_BN_CLICKED(kRestLengthOffsetCheck, &CSolidPocketDlg::OnRestLengthOffsetOn)
ON_EN_CHANGE(kRoughToolNumberEdit, &CSolidPocketDlg::OnRoughToolNumberChange)
ON_EN_CHANGE(kFinishToolNumberEdit, &CSolidPocketDlg::OnFinishToolNumberChange)
ON_BN_CLICKED(kRoughToolNumberCheck, &CSolidPocketDlg::OnRoughToolNumberOn)
ON_BN_CLICKED(kFinishToolNumberCheck, &CSolidPocketDlg::OnFinishToolNumberOn)
ON_BN_CLICKED(kRestAfterFinishCheck, &CSolidPocketDlg::OnRestAfterFinish)
ON_BN_CLICKED(kSaveParametersButton, &CSolidPocketDlg::OnSaveParameters)
ON_BN_CLICKED(kLoadParametersButton, &CSolidPocketDlg::OnLoadParameters)
END_MESSAGE_MAP()

CSolidPocketDlg::CSolidPocketDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {
  m_RestTool.m_Diameter = 10.0f;
  m_RestTool.FormatToolName();
}

void CSolidPocketDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, kNameEdit, m_ToolpathName);
  DDX_Limited(pDX, kRetractHeightEdit, m_RetractHeight, L.retractHeight);
  DDX_Limited(pDX, kZStepEdit, m_ZStep, L.zStep);

  DDX_Check(pDX, kRoughOnCheck, m_RoughOn);
  DDX_Check(pDX, kRoughToolNumberCheck, m_RoughToolNumberOn);
  DDX_Limited(pDX, kRoughToolNumberEdit, m_RoughToolNumber, L.roughTool.toolNumber);
  DDX_Check(pDX, kRoughLengthOffsetCheck, m_RoughLengthOffsetOn);
  DDX_Limited(pDX, kRoughLengthOffsetEdit, m_RoughLengthOffsetNumber, L.roughTool.lengthOffsetNumber);
  DDX_Limited(pDX, kRoughAngleEdit, m_RoughAngle, L.roughAngle);
  DDX_Limited(pDX, kRoughStepoverEdit, m_RoughStepover, L.roughStepover);
  DDX_Limited(pDX, kRoughAllowanceEdit, m_RoughAllowance, L.roughAllowance);
  DDX_Limited(pDX, kRoughFeedEdit, m_RoughFeed, L.roughFeed);
  DDX_Check(pDX, kRoughSpindleCheck, m_RoughSpindleOn);
  DDX_Limited(pDX, kRoughSpindleEdit, m_RoughSpindle, L.roughSpindle);
  DDX_Check(pDX, kLinkFeedCheck, m_LinkFeedOn);
  DDX_Limited(pDX, kLinkFeedEdit, m_LinkFeed, L.linkFeed);
  DDX_Check(pDX, kStartOutsideCheck, m_StartOutside);
  DDX_Check(pDX, kRetractBetweenLevelsCheck, m_RetractBetweenLevels);
  DDX_Check(pDX, kStartPointCheck, m_StartPointOn);

  DDX_Check(pDX, kFinishOnCheck, m_FinishOn);
  DDX_Check(pDX, kFinishToolNumberCheck, m_FinishToolNumberOn);
  DDX_Limited(pDX, kFinishToolNumberEdit, m_FinishToolNumber, L.finishTool.toolNumber);
  DDX_Check(pDX, kFinishLengthOffsetCheck, m_FinishLengthOffsetOn);
  DDX_Limited(pDX, kFinishLengthOffsetEdit, m_FinishLengthOffsetNumber, L.finishTool.lengthOffsetNumber);
  DDX_Limited(pDX, kFinishAllowanceEdit, m_FinishAllowance, L.finishAllowance);
  DDX_Limited(pDX, kFinishStepoverEdit, m_FinishStepover, L.finishStepover);
  DDX_Limited(pDX, kFinishPassesEdit, m_FinishPasses, L.finishPasses);
  DDX_Limited(pDX, kFinishFeedEdit, m_FinishFeed, L.finishFeed);
  DDX_Check(pDX, kFinishSpindleCheck, m_FinishSpindleOn);
  DDX_Limited(pDX, kFinishSpindleEdit, m_FinishSpindle, L.finishSpindle);
  DDX_Check(pDX, kCornerRoundCheck, m_CornerRound);

  DDX_Check(pDX, kRestOnCheck, m_RestOn);
  DDX_Check(pDX, kRestToolNumberCheck, m_RestToolNumberOn);
  DDX_Limited(pDX, kRestToolNumberEdit, m_RestToolNumber, L.restTool.toolNumber);
  DDX_Check(pDX, kRestLengthOffsetCheck, m_RestLengthOffsetOn);
  DDX_Limited(pDX, kRestLengthOffsetEdit, m_RestLengthOffsetNumber, L.restTool.lengthOffsetNumber);
  DDX_Limited(pDX, kRestAllowanceEdit, m_RestAllowance, L.restAllowance);
  DDX_Limited(pDX, kRestFeedEdit, m_RestFeed, L.restFeed);
  DDX_Check(pDX, kRestSpindleCheck, m_RestSpindleOn);
  DDX_Limited(pDX, kRestSpindleEdit, m_RestSpindle, L.restSpindle);
  DDX_Check(pDX, kRestAfterFinishCheck, m_RestAfterFinish);

  if (!pDX->m_bSaveAndValidate) {
    SetDlgItemText(kRoughToolButton, m_RoughTool.m_ToolName);
    SetDlgItemText(kFinishToolButton, m_FinishTool.m_ToolName);
    SetDlgItemText(kRestToolButton, m_RestTool.m_ToolName);
  }
}

BOOL CSolidPocketDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  if (ProposeToolpathName(m_EditMode != 0, m_ExistingName, kBaseName, m_ToolpathName)) {
    SetDlgItemText(kNameEdit, m_ToolpathName);
  }
  m_RoughTool.FormatToolName();
  m_FinishTool.FormatToolName();
  m_RestTool.FormatToolName();
  SetDlgItemText(kRoughToolButton, m_RoughTool.m_ToolName);
  SetDlgItemText(kFinishToolButton, m_FinishTool.m_ToolName);
  SetDlgItemText(kRestToolButton, m_RestTool.m_ToolName);
  ShowChoices();
  ShowStartPoint();
  ShowReadOnlyStates();
  m_ClickedAtOpening = TakeClickedValues();
  if (!m_EditMode) {
    m_ModelId = AcDbObjectId();
    m_StockId = AcDbObjectId();
  }
  return TRUE;
}

void CSolidPocketDlg::ShowChoices() {
  if (auto* patterns = static_cast<CComboBox*>(GetDlgItem(kPatternList))) {
    patterns->ResetContent();
    for (const char* text : kPatternTexts) patterns->AddString(text);
    patterns->SetCurSel(m_RoughPattern);
  }
  CheckRadioButton(kClimbRadio, kConventionalRadio, m_CutDirection == 0 ? kClimbRadio : kConventionalRadio);
  CheckRadioButton(kCoreRadio, kCavityRadio, m_MachiningMethod == kSolidPocketCore ? kCoreRadio : kCavityRadio);
}

void CSolidPocketDlg::ShowStartPoint() {
  if (!m_StartPointOn) return;
  CString text;
  text.Format("%.1f, %.1f, %.1f", m_StartX, m_StartY, m_StartZ);
  SetDlgItemText(kStartPointButton, text);
}

void CSolidPocketDlg::SetReadOnly(int id, bool readOnly) {
  CWnd* control = GetDlgItem(id);
  if (control == nullptr) return;
  if (auto* edit = DYNAMIC_DOWNCAST(CEdit, control)) {
    edit->SetReadOnly(readOnly ? TRUE : FALSE);
  } else {
    control->EnableWindow(readOnly ? FALSE : TRUE);
  }
}

void CSolidPocketDlg::ShowReadOnlyStates() {
  SetReadOnly(kRoughLengthOffsetEdit, !m_RoughLengthOffsetOn);
  SetReadOnly(kFinishLengthOffsetEdit, !m_FinishLengthOffsetOn);
  SetReadOnly(kRestLengthOffsetEdit, !m_RestLengthOffsetOn);
  for (int id : kRoughEdits) SetReadOnly(id, !m_RoughOn);
  for (int id : kFinishEdits) SetReadOnly(id, !m_FinishOn);
  for (int id : kRestEdits) SetReadOnly(id, !m_RestOn);
  SetReadOnly(kLinkFeedEdit, !m_RoughOn || !m_LinkFeedOn);
}

CSolidPocketDlg::ClickedValues CSolidPocketDlg::TakeClickedValues() const {
  return {m_CutDirection,
          m_MachiningMethod,
          m_RoughPattern,
          m_RoughOn,
          m_FinishOn,
          m_RestOn,
          m_LinkFeedOn,
          m_RoughLengthOffsetOn,
          m_FinishLengthOffsetOn,
          m_RestLengthOffsetOn,
          m_RoughToolNumberOn,
          m_FinishToolNumberOn,
          m_RestAfterFinish,
          m_StartPointOn,
          m_StartX,
          m_StartY,
          m_StartZ};
}

void CSolidPocketDlg::RestoreClickedValues(const ClickedValues& v) {
  m_CutDirection = v.cutDirection;
  m_MachiningMethod = v.method;
  m_RoughPattern = v.roughPattern;
  m_RoughOn = v.roughOn;
  m_FinishOn = v.finishOn;
  m_RestOn = v.restOn;
  m_LinkFeedOn = v.linkFeedOn;
  m_RoughLengthOffsetOn = v.roughLengthOffsetOn;
  m_FinishLengthOffsetOn = v.finishLengthOffsetOn;
  m_RestLengthOffsetOn = v.restLengthOffsetOn;
  m_RoughToolNumberOn = v.roughToolNumberOn;
  m_FinishToolNumberOn = v.finishToolNumberOn;
  m_RestAfterFinish = v.restAfterFinish;
  m_StartPointOn = v.startPointOn;
  m_StartX = v.startX;
  m_StartY = v.startY;
  m_StartZ = v.startZ;
}

void CSolidPocketDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!CheckAllowances() || !CheckRestPass()) return;
  if (!AcceptToolpathName(m_ToolpathName, m_EditMode == 0)) return;
  if (!CheckSolids()) return;
  // The closing exchange also stores an allowance the rest check wrote into its edit.
  CAcUiDialog::OnOK();
}

bool CSolidPocketDlg::CheckAllowances() {
  if (m_RoughOn && m_RoughAllowance < -m_RoughTool.m_Diameter / 2.0) {
    ShowFormInformation("황삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!");
    return false;
  }
  if (m_FinishOn && m_FinishAllowance < -m_FinishTool.m_Diameter / 2.0) {
    ShowFormInformation("정삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!");
    return false;
  }
  return true;
}

bool CSolidPocketDlg::CheckRestPass() {
  if (!m_RestOn) return true;
  if (m_RestAllowance < -m_RestTool.m_Diameter / 2.0) {
    ShowFormInformation("잔삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!");
    return false;
  }
  const bool finishing = RestMeasuresAgainstFinishing();
  const CToolShapeDlg& reference = finishing ? m_FinishTool : m_RoughTool;
  if (reference.m_Diameter <= m_RestTool.m_Diameter) {
    ShowFormInformation("잔삭 공구가 정삭 공구보다 크거나 같으면 잔삭을 할수 없습니다.!!");
    return false;
  }
  const float referenceAllowance = finishing ? m_FinishAllowance : m_RoughAllowance;
  if (referenceAllowance > m_RestAllowance) {
    const char* question = finishing ? "정삭 가공여유가 잔삭 가공 여유보다 큰경우 잔삭을 할수 없습니다.!!\n"
                                       "잔삭 가공여유를 정삭과 동일하게 하겠습니까?"
                                     : "황삭 가공여유가 잔삭 가공 여유보다 큰경우 잔삭을 할수 없습니다.!!\n"
                                       "잔삭 가공여유를 황삭과 동일하게 하겠습니까?";
    if (!AskFormOkCancel(question)) return false;
    CString text;
    text.Format("%.2f", referenceAllowance);
    SetDlgItemText(kRestAllowanceEdit, text);
  }
  return true;
}

// A model, and for core a stock, both 3D solids.
bool CSolidPocketDlg::CheckSolids() {
  const bool picked = IsLiveEntity(m_ModelId) && (m_MachiningMethod == kSolidPocketCavity || IsLiveEntity(m_StockId));
  if (!picked) {
    ShowFormInformation(kNoModelText, kFormQuestionCaption);
    return false;
  }
  return CheckSolidModelIds(m_ModelId, m_MachiningMethod == kSolidPocketCore ? m_StockId : AcDbObjectId());
}

void CSolidPocketDlg::OnCancel() {
  RestoreClickedValues(m_ClickedAtOpening);
  CAcUiDialog::OnCancel();
}

void CSolidPocketDlg::OnClimb() { m_CutDirection = 0; }
void CSolidPocketDlg::OnConventional() { m_CutDirection = 1; }
void CSolidPocketDlg::OnCore() { m_MachiningMethod = kSolidPocketCore; }
void CSolidPocketDlg::OnCavity() { m_MachiningMethod = kSolidPocketCavity; }

void CSolidPocketDlg::OnPatternChange() {
  if (auto* patterns = static_cast<CComboBox*>(GetDlgItem(kPatternList))) m_RoughPattern = patterns->GetCurSel();
}

void CSolidPocketDlg::OnPlunge() { m_Plunge.DoModal(); }
void CSolidPocketDlg::OnFinishLead() { m_FinishLead.DoModal(); }
void CSolidPocketDlg::OnRestLead() { m_RestLead.DoModal(); }
void CSolidPocketDlg::OnRapidLink() { m_RapidLink.DoModal(); }

void CSolidPocketDlg::RunToolDialog(CToolShapeDlg& tool, int buttonId) {
  if (tool.DoModal() == IDOK) SetDlgItemText(buttonId, tool.m_ToolName);
}

void CSolidPocketDlg::OnRoughTool() { RunToolDialog(m_RoughTool, kRoughToolButton); }
void CSolidPocketDlg::OnFinishTool() { RunToolDialog(m_FinishTool, kFinishToolButton); }
void CSolidPocketDlg::OnRestTool() { RunToolDialog(m_RestTool, kRestToolButton); }

void CSolidPocketDlg::OnStartPointOn() {
  m_StartPointOn = IsDlgButtonChecked(kStartPointCheck) ? 1 : 0;
  if (m_StartPointOn) PickStartPoint();
}

void CSolidPocketDlg::OnStartPoint() {
  if (m_StartPointOn) PickStartPoint();
}

void CSolidPocketDlg::PickStartPoint() {
  BeginEditorCommand();
  ads_point picked = {0.0, 0.0, 0.0};
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(nullptr, "\n 황삭경로의 시작점을 지정하시요 !!", picked) == RTNORM) {
    m_StartX = picked[0];
    m_StartY = picked[1];
    m_StartZ = picked[2];
    CompleteEditorCommand();
  } else {
    CancelEditorCommand();
  }
  ShowStartPoint();
}

void CSolidPocketDlg::OnPickSolids() {
  BeginEditorCommand();
  m_ModelId = PickSolid(kModelPrompt);
  if (m_MachiningMethod == kSolidPocketCore && !m_ModelId.isNull()) m_StockId = PickSolid(kStockPrompt);
  CompleteEditorCommand();
}

void CSolidPocketDlg::OnRoughOn() {
  m_RoughOn = IsDlgButtonChecked(kRoughOnCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CSolidPocketDlg::OnFinishOn() {
  m_FinishOn = IsDlgButtonChecked(kFinishOnCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CSolidPocketDlg::OnRestOn() {
  m_RestOn = IsDlgButtonChecked(kRestOnCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CSolidPocketDlg::OnLinkFeedOn() {
  m_LinkFeedOn = IsDlgButtonChecked(kLinkFeedCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CSolidPocketDlg::OnRoughLengthOffsetOn() {
  m_RoughLengthOffsetOn = IsDlgButtonChecked(kRoughLengthOffsetCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CSolidPocketDlg::OnFinishLengthOffsetOn() {
  m_FinishLengthOffsetOn = IsDlgButtonChecked(kFinishLengthOffsetCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CSolidPocketDlg::OnRestLengthOffsetOn() {
  m_RestLengthOffsetOn = IsDlgButtonChecked(kRestLengthOffsetCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CSolidPocketDlg::CopyToolNumberWhileNoOffset(int lengthOffsetOn, int toolNumberId, int offsetNumberId) {
  if (lengthOffsetOn) return;
  CString text;
  GetDlgItemText(toolNumberId, text);
  SetDlgItemText(offsetNumberId, text);
}

void CSolidPocketDlg::OnRoughToolNumberChange() {
  CopyToolNumberWhileNoOffset(m_RoughLengthOffsetOn, kRoughToolNumberEdit, kRoughLengthOffsetEdit);
}

void CSolidPocketDlg::OnFinishToolNumberChange() {
  CopyToolNumberWhileNoOffset(m_FinishLengthOffsetOn, kFinishToolNumberEdit, kFinishLengthOffsetEdit);
}

void CSolidPocketDlg::OnRoughToolNumberOn() { m_RoughToolNumberOn = IsDlgButtonChecked(kRoughToolNumberCheck) ? 1 : 0; }
void CSolidPocketDlg::OnFinishToolNumberOn() {
  m_FinishToolNumberOn = IsDlgButtonChecked(kFinishToolNumberCheck) ? 1 : 0;
}
void CSolidPocketDlg::OnRestAfterFinish() { m_RestAfterFinish = IsDlgButtonChecked(kRestAfterFinishCheck) ? 1 : 0; }

void CSolidPocketDlg::OnSaveParameters() { SaveFormParameters(*this); }

void CSolidPocketDlg::OnLoadParameters() {
  if (!LoadFormParameters(*this, kToolpathSolidPocket, kNotSolidPocketFileText)) return;
  ShowChoices();
  ShowStartPoint();
  ShowReadOnlyStates();
  m_ClickedAtOpening = TakeClickedValues();
}
