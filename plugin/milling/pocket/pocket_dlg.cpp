#include "plugin/milling/pocket/pocket_dlg.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/milling/pocket/pocket_selection.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/settings/param_file.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr int kNameEdit = 200;
constexpr int kSingleRadio = 391;
constexpr int kChainRadio = 392;
constexpr int kWindowRadio = 393;
constexpr int kPolygonRadio = 394;
constexpr int kPickButton = 359;
constexpr int kClimbRadio = 264;
constexpr int kConventionalRadio = 265;
constexpr int kAbsoluteRadio = 310;
constexpr int kRelativeRadio = 311;
constexpr int kRetractHeightEdit = 4010;
constexpr int kZStartEdit = 278;
constexpr int kPickZStartButton = 457;
constexpr int kZDepthEdit = 279;
constexpr int kPickZDepthButton = 458;
constexpr int kRoughZStepEdit = 4002;
constexpr int kFinishZPassesEdit = 4003;
constexpr int kFinishZStepEdit = 4004;
constexpr int kZTaperEdit = 280;
constexpr int kIslandTaperCheck = 282;
constexpr int kIslandTaperEdit = 283;
constexpr int kIslandZAllowanceCheck = 312;

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
constexpr int kCornerRoundCheck = 444;
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

constexpr const char* kPatternTexts[kPocketPatternCount] = {
    "라운드 윤곽 가공(Round Countour)",
    "윤곽 가공(Countour)",
    "양방향 직선 가공(Twoway linear)",
    "일방향 직선 가공(Oneway linear)",
};

constexpr int kRoughEdits[] = {kRoughAngleEdit,    kRoughAllowanceEdit, kRoughSpindleEdit,
                               kRoughStepoverEdit, kRoughFeedEdit,      kLinkFeedEdit};
constexpr int kFinishEdits[] = {kFinishAllowanceEdit, kFinishPassesEdit, kFinishSpindleEdit, kFinishStepoverEdit,
                                kFinishFeedEdit};
// The rest pass's check box is disabled with its edits.
constexpr int kRestEdits[] = {kRestAllowanceEdit, kRestSpindleEdit, kRestFeedEdit, kRestAfterFinishCheck};

constexpr const char* kBaseName = "Pocket";
constexpr const char* kNotPocketFileText = "포켓 파라메타 파일이 아닙니다.!!!";

const DialogTemplateRegistration kPocketTemplate(
    CPocketDlg::IDD,
    {"형상(pocket) 공구경로",
     JoinControls({
         {res::EditText(kNameEdit, "공구경로 이름")},
         SelectionControls({kSingleRadio, kChainRadio, kWindowRadio, kPolygonRadio, kPickButton}),
         {
             res::Text(IDC_STATIC, "가공 방향"),
             res::RadioButton(kClimbRadio, "하향가공", WS_GROUP),
             res::RadioButton(kConventionalRadio, "상향가공"),
             res::GroupBox(IDC_STATIC, "<< Z 파라메터 >>"),
             res::RadioButton(kAbsoluteRadio, "절대값", WS_GROUP),
             res::RadioButton(kRelativeRadio, "상대값"),
         },
         ZRangeControls({kRetractHeightEdit, kZStartEdit, kPickZStartButton, kZDepthEdit, kPickZDepthButton}),
         {
             res::EditText(kRoughZStepEdit, "황삭 Z Step"),
             res::EditText(kFinishZPassesEdit, "Z 정삭 횟수"),
             res::EditText(kFinishZStepEdit, "정삭 Z Step"),
             res::EditText(kZTaperEdit, "Z 경사"),
             res::CheckBox(kIslandTaperCheck, "Island 경사"),
             res::EditText(kIslandTaperEdit, ""),
             res::CheckBox(kIslandZAllowanceCheck, "Island  Z 허용"),
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
             res::CheckBox(kFinishSpindleCheck, "주축회전수"),
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

}  // namespace

BEGIN_MESSAGE_MAP(CPocketDlg, CAcUiDialog)
ON_BN_CLICKED(kClimbRadio, &CPocketDlg::OnClimb)
ON_BN_CLICKED(kConventionalRadio, &CPocketDlg::OnConventional)
ON_BN_CLICKED(kAbsoluteRadio, &CPocketDlg::OnAbsoluteZ)
ON_BN_CLICKED(kRelativeRadio, &CPocketDlg::OnRelativeZ)
ON_CONTROL_RANGE(BN_CLICKED, kSingleRadio, kPolygonRadio, &CPocketDlg::OnSelectMethod)
ON_CBN_SELCHANGE(kPatternList, &CPocketDlg::OnPatternChange)
ON_BN_CLICKED(kPlungeButton, &CPocketDlg::OnPlunge)
ON_BN_CLICKED(kFinishLeadButton, &CPocketDlg::OnFinishLead)
ON_BN_CLICKED(kRestLeadButton, &CPocketDlg::OnRestLead)
ON_BN_CLICKED(kRapidLinkButton, &CPocketDlg::OnRapidLink)
ON_BN_CLICKED(kRoughToolButton, &CPocketDlg::OnRoughTool)
ON_BN_CLICKED(kFinishToolButton, &CPocketDlg::OnFinishTool)
ON_BN_CLICKED(kRestToolButton, &CPocketDlg::OnRestTool)
ON_BN_CLICKED(kStartPointCheck, &CPocketDlg::OnStartPointOn)
ON_BN_CLICKED(kStartPointButton, &CPocketDlg::OnStartPoint)
ON_BN_CLICKED(kPickZStartButton, &CPocketDlg::OnPickZStart)
ON_BN_CLICKED(kPickZDepthButton, &CPocketDlg::OnPickZDepth)
ON_BN_CLICKED(kPickButton, &CPocketDlg::OnPickEntities)
ON_BN_CLICKED(kRoughOnCheck, &CPocketDlg::OnRoughOn)
ON_BN_CLICKED(kFinishOnCheck, &CPocketDlg::OnFinishOn)
ON_BN_CLICKED(kRestOnCheck, &CPocketDlg::OnRestOn)
ON_BN_CLICKED(kIslandTaperCheck, &CPocketDlg::OnIslandTaperOn)
ON_EN_CHANGE(kZTaperEdit, &CPocketDlg::OnZTaperChange)
ON_BN_CLICKED(kLinkFeedCheck, &CPocketDlg::OnLinkFeedOn)
ON_BN_CLICKED(kRoughLengthOffsetCheck, &CPocketDlg::OnRoughLengthOffsetOn)
ON_BN_CLICKED(kFinishLengthOffsetCheck, &CPocketDlg::OnFinishLengthOffsetOn)
ON_BN_CLICKED(kRestLengthOffsetCheck, &CPocketDlg::OnRestLengthOffsetOn)
ON_EN_CHANGE(kRoughToolNumberEdit, &CPocketDlg::OnRoughToolNumberChange)
ON_EN_CHANGE(kFinishToolNumberEdit, &CPocketDlg::OnFinishToolNumberChange)
ON_EN_CHANGE(kRestToolNumberEdit, &CPocketDlg::OnRestToolNumberChange)
ON_BN_CLICKED(kRoughToolNumberCheck, &CPocketDlg::OnRoughToolNumberOn)
ON_BN_CLICKED(kFinishToolNumberCheck, &CPocketDlg::OnFinishToolNumberOn)
ON_BN_CLICKED(kRestToolNumberCheck, &CPocketDlg::OnRestToolNumberOn)
ON_BN_CLICKED(kRestAfterFinishCheck, &CPocketDlg::OnRestAfterFinish)
ON_BN_CLICKED(kSaveParametersButton, &CPocketDlg::OnSaveParameters)
ON_BN_CLICKED(kLoadParametersButton, &CPocketDlg::OnLoadParameters)
END_MESSAGE_MAP()

CPocketDlg::CPocketDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {
  m_RestTool.m_Diameter = 10.0f;
  m_RestTool.FormatToolName();
}

bool CPocketDlg::RestMeasuresAgainstFinishing() const { return m_RestAfterFinish != 0 && m_FinishOn != 0; }

void CPocketDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, kNameEdit, m_ToolpathName);
  DDX_Limited(pDX, kRetractHeightEdit, m_RetractHeight, kPocketLimits.retractHeight);
  DDX_Limited(pDX, kZStartEdit, m_ZStart, kPocketLimits.zStart);
  DDX_Limited(pDX, kZDepthEdit, m_ZDepth, kPocketLimits.zDepth);
  DDX_Limited(pDX, kRoughZStepEdit, m_RoughZStep, kPocketLimits.roughZStep);
  DDX_Limited(pDX, kFinishZPassesEdit, m_FinishZPasses, kPocketLimits.finishZPasses);
  DDX_Limited(pDX, kFinishZStepEdit, m_FinishZStep, kPocketLimits.finishZStep);
  DDX_Limited(pDX, kZTaperEdit, m_ZTaper, kPocketLimits.zTaper);
  DDX_Check(pDX, kIslandTaperCheck, m_IslandTaperOn);
  DDX_Limited(pDX, kIslandTaperEdit, m_IslandTaper, kPocketLimits.islandTaper);
  DDX_Check(pDX, kIslandZAllowanceCheck, m_IslandZAllowanceOn);

  DDX_Check(pDX, kRoughOnCheck, m_RoughOn);
  DDX_Check(pDX, kRoughToolNumberCheck, m_RoughToolNumberOn);
  DDX_Limited(pDX, kRoughToolNumberEdit, m_RoughToolNumber, kPocketLimits.roughTool.toolNumber);
  DDX_Check(pDX, kRoughLengthOffsetCheck, m_RoughLengthOffsetOn);
  DDX_Limited(pDX, kRoughLengthOffsetEdit, m_RoughLengthOffsetNumber, kPocketLimits.roughTool.lengthOffsetNumber);
  DDX_Limited(pDX, kRoughAngleEdit, m_RoughAngle, kPocketLimits.roughAngle);
  DDX_Limited(pDX, kRoughStepoverEdit, m_RoughStepover, kPocketLimits.roughStepover);
  DDX_Limited(pDX, kRoughAllowanceEdit, m_RoughAllowance, kPocketLimits.roughAllowance);
  DDX_Limited(pDX, kRoughFeedEdit, m_RoughFeed, kPocketLimits.roughFeed);
  DDX_Check(pDX, kRoughSpindleCheck, m_RoughSpindleOn);
  DDX_Limited(pDX, kRoughSpindleEdit, m_RoughSpindle, kPocketLimits.roughSpindle);
  DDX_Check(pDX, kLinkFeedCheck, m_LinkFeedOn);
  DDX_Limited(pDX, kLinkFeedEdit, m_LinkFeed, kPocketLimits.linkFeed);
  DDX_Check(pDX, kStartOutsideCheck, m_StartOutside);
  DDX_Check(pDX, kRetractBetweenLevelsCheck, m_RetractBetweenLevels);
  DDX_Check(pDX, kStartPointCheck, m_StartPointOn);

  DDX_Check(pDX, kFinishOnCheck, m_FinishOn);
  DDX_Check(pDX, kFinishToolNumberCheck, m_FinishToolNumberOn);
  DDX_Limited(pDX, kFinishToolNumberEdit, m_FinishToolNumber, kPocketLimits.finishTool.toolNumber);
  DDX_Check(pDX, kFinishLengthOffsetCheck, m_FinishLengthOffsetOn);
  DDX_Limited(pDX, kFinishLengthOffsetEdit, m_FinishLengthOffsetNumber, kPocketLimits.finishTool.lengthOffsetNumber);
  DDX_Limited(pDX, kFinishAllowanceEdit, m_FinishAllowance, kPocketLimits.finishAllowance);
  DDX_Limited(pDX, kFinishStepoverEdit, m_FinishStepover, kPocketLimits.finishStepover);
  DDX_Limited(pDX, kFinishPassesEdit, m_FinishPasses, kPocketLimits.finishPasses);
  DDX_Limited(pDX, kFinishFeedEdit, m_FinishFeed, kPocketLimits.finishFeed);
  DDX_Check(pDX, kFinishSpindleCheck, m_FinishSpindleOn);
  DDX_Limited(pDX, kFinishSpindleEdit, m_FinishSpindle, kPocketLimits.finishSpindle);
  DDX_Check(pDX, kCornerRoundCheck, m_CornerRound);

  DDX_Check(pDX, kRestOnCheck, m_RestOn);
  DDX_Check(pDX, kRestToolNumberCheck, m_RestToolNumberOn);
  DDX_Limited(pDX, kRestToolNumberEdit, m_RestToolNumber, kPocketLimits.restTool.toolNumber);
  DDX_Check(pDX, kRestLengthOffsetCheck, m_RestLengthOffsetOn);
  DDX_Limited(pDX, kRestLengthOffsetEdit, m_RestLengthOffsetNumber, kPocketLimits.restTool.lengthOffsetNumber);
  DDX_Limited(pDX, kRestAllowanceEdit, m_RestAllowance, kPocketLimits.restAllowance);
  DDX_Limited(pDX, kRestFeedEdit, m_RestFeed, kPocketLimits.restFeed);
  DDX_Check(pDX, kRestSpindleCheck, m_RestSpindleOn);
  DDX_Limited(pDX, kRestSpindleEdit, m_RestSpindle, kPocketLimits.restSpindle);
  DDX_Check(pDX, kRestAfterFinishCheck, m_RestAfterFinish);

  if (!pDX->m_bSaveAndValidate) {
    SetDlgItemText(kRoughToolButton, m_RoughTool.m_ToolName);
    SetDlgItemText(kFinishToolButton, m_FinishTool.m_ToolName);
    SetDlgItemText(kRestToolButton, m_RestTool.m_ToolName);
  }
}

BOOL CPocketDlg::OnInitDialog() {
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
    OfferKeptSelection(m_Selection);
    m_Boundary = AcDbObjectId();
    m_Islands.setLogicalLength(0);
  }
  return TRUE;
}

void CPocketDlg::ShowChoices() {
  auto* patterns = static_cast<CComboBox*>(GetDlgItem(kPatternList));
  if (patterns != nullptr) {
    patterns->ResetContent();
    for (const char* text : kPatternTexts) patterns->AddString(text);
    patterns->SetCurSel(m_RoughPattern);
  }
  if (m_SelectMethod >= kSelectSingle && m_SelectMethod <= kSelectPolygon) {
    CheckRadioButton(kSingleRadio, kPolygonRadio, kSingleRadio + m_SelectMethod - kSelectSingle);
  }
  CheckRadioButton(kClimbRadio, kConventionalRadio, m_CutDirection == 0 ? kClimbRadio : kConventionalRadio);
  CheckRadioButton(kAbsoluteRadio, kRelativeRadio, m_AbsoluteZ ? kAbsoluteRadio : kRelativeRadio);
}

void CPocketDlg::ShowStartPoint() {
  if (!m_StartPointOn) return;
  CString text;
  text.Format("%.1f, %.1f, %.1f", m_StartX, m_StartY, m_StartZ);
  SetDlgItemText(kStartPointButton, text);
}

void CPocketDlg::SetReadOnly(int id, bool readOnly) {
  CWnd* control = GetDlgItem(id);
  if (control == nullptr) return;
  if (auto* edit = DYNAMIC_DOWNCAST(CEdit, control)) {
    edit->SetReadOnly(readOnly ? TRUE : FALSE);
  } else {
    control->EnableWindow(readOnly ? FALSE : TRUE);
  }
}

void CPocketDlg::ShowReadOnlyStates() {
  SetReadOnly(kRoughLengthOffsetEdit, !m_RoughLengthOffsetOn);
  SetReadOnly(kFinishLengthOffsetEdit, !m_FinishLengthOffsetOn);
  SetReadOnly(kRestLengthOffsetEdit, !m_RestLengthOffsetOn);
  for (int id : kRoughEdits) SetReadOnly(id, !m_RoughOn);
  for (int id : kFinishEdits) SetReadOnly(id, !m_FinishOn);
  for (int id : kRestEdits) SetReadOnly(id, !m_RestOn);
  SetReadOnly(kIslandTaperEdit, !m_IslandTaperOn);
  // The link feed is typed only where it is used: roughing with its own link feed.
  SetReadOnly(kLinkFeedEdit, !m_RoughOn || !m_LinkFeedOn);
}

CPocketDlg::ClickedValues CPocketDlg::TakeClickedValues() const {
  return {m_CutDirection,
          m_AbsoluteZ,
          m_SelectMethod,
          m_RoughPattern,
          m_RoughOn,
          m_FinishOn,
          m_RestOn,
          m_IslandTaperOn,
          m_LinkFeedOn,
          m_RoughLengthOffsetOn,
          m_FinishLengthOffsetOn,
          m_RestLengthOffsetOn,
          m_RoughToolNumberOn,
          m_FinishToolNumberOn,
          m_RestToolNumberOn,
          m_RestAfterFinish,
          m_StartPointOn,
          m_StartX,
          m_StartY,
          m_StartZ};
}

void CPocketDlg::RestoreClickedValues(const ClickedValues& values) {
  m_CutDirection = values.cutDirection;
  m_AbsoluteZ = static_cast<BYTE>(values.absoluteZ);
  m_SelectMethod = values.selectMethod;
  m_RoughPattern = values.roughPattern;
  m_RoughOn = values.roughOn;
  m_FinishOn = values.finishOn;
  m_RestOn = values.restOn;
  m_IslandTaperOn = values.islandTaperOn;
  m_LinkFeedOn = values.linkFeedOn;
  m_RoughLengthOffsetOn = values.roughLengthOffsetOn;
  m_FinishLengthOffsetOn = values.finishLengthOffsetOn;
  m_RestLengthOffsetOn = values.restLengthOffsetOn;
  m_RoughToolNumberOn = values.roughToolNumberOn;
  m_FinishToolNumberOn = values.finishToolNumberOn;
  m_RestToolNumberOn = values.restToolNumberOn;
  m_RestAfterFinish = values.restAfterFinish;
  m_StartPointOn = values.startPointOn;
  m_StartX = values.startX;
  m_StartY = values.startY;
  m_StartZ = values.startZ;
}

void CPocketDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!CheckAllowances() || !CheckStepovers() || !CheckRestPass() || !CheckToolpathName()) return;
  if (!m_EditMode && !ChainSelection()) return;
  // A boundary erased since it was picked or reloaded is no boundary either.
  if (!IsLiveEntity(m_Boundary)) {
    ShowFormInformation("외곽 영역이 선택되지 않았습니다!!", kFormQuestionCaption);
    return;
  }
  OrientBoundaryAndIslands();
  // The closing exchange also stores an allowance the rest check wrote into its edit.
  CAcUiDialog::OnOK();
}

bool CPocketDlg::CheckAllowances() {
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

// A stepover wider than its tool leaves strips between the passes uncut.
bool CPocketDlg::CheckStepovers() {
  CString text;
  if (m_RoughOn && m_RoughStepover > m_RoughTool.m_Diameter) {
    text.Format(MsgStepoverAboveTool, "황삭", static_cast<double>(m_RoughStepover),
                static_cast<double>(m_RoughTool.m_Diameter));
  } else if (m_FinishOn && m_FinishPasses > 1 && m_FinishStepover > m_FinishTool.m_Diameter) {
    text.Format(MsgStepoverAboveTool, "정삭", static_cast<double>(m_FinishStepover),
                static_cast<double>(m_FinishTool.m_Diameter));
  } else {
    return true;
  }
  ShowFormInformation(text);
  return false;
}

bool CPocketDlg::CheckRestPass() {
  if (!m_RestOn) return true;
  if (m_RestAllowance < -m_RestTool.m_Diameter / 2.0) {
    ShowFormInformation("잔삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!");
    return false;
  }
  const bool finishing = RestMeasuresAgainstFinishing();
  const CToolShapeDlg& reference = finishing ? m_FinishTool : m_RoughTool;
  if (m_RestTool.m_Diameter >= reference.m_Diameter) {
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

bool CPocketDlg::CheckToolpathName() { return AcceptToolpathName(m_ToolpathName, m_EditMode == 0); }

bool CPocketDlg::ChainSelection() {
  if (m_Selection.isEmpty()) return true;
  CString why;
  if (ChainPocketBoundary(m_Selection, m_Boundary, m_Islands, &why)) {
    SetEntitiesHighlight(m_Selection, false);
    return true;
  }
  if (why.IsEmpty()) return true;
  ShowFormInformation(why, kFormQuestionCaption);
  return false;
}

void CPocketDlg::OrientBoundaryAndIslands() {
  // Reversing keeps a closed polyline's start point.
  const bool climb = m_CutDirection == 0;
  if (IsPolylineClockwise(m_Boundary) == climb) ReversePolyline(m_Boundary);
  for (int i = 0; i < m_Islands.length(); ++i) {
    if (IsPolylineClockwise(m_Islands[i]) != climb) ReversePolyline(m_Islands[i]);
  }
}

void CPocketDlg::OnCancel() {
  SetEntitiesHighlight(m_Selection, false);
  RestoreClickedValues(m_ClickedAtOpening);
  CAcUiDialog::OnCancel();
}

void CPocketDlg::OnClimb() { m_CutDirection = 0; }
void CPocketDlg::OnConventional() { m_CutDirection = 1; }
void CPocketDlg::OnAbsoluteZ() { m_AbsoluteZ = 1; }
void CPocketDlg::OnRelativeZ() { m_AbsoluteZ = 0; }
void CPocketDlg::OnSelectMethod(UINT id) { m_SelectMethod = kSelectSingle + static_cast<int>(id) - kSingleRadio; }

void CPocketDlg::OnPatternChange() {
  if (auto* patterns = static_cast<CComboBox*>(GetDlgItem(kPatternList))) m_RoughPattern = patterns->GetCurSel();
}

void CPocketDlg::OnPlunge() { m_Plunge.DoModal(); }
void CPocketDlg::OnFinishLead() { m_FinishLead.DoModal(); }
void CPocketDlg::OnRestLead() { m_RestLead.DoModal(); }
void CPocketDlg::OnRapidLink() { m_RapidLink.DoModal(); }

void CPocketDlg::RunToolDialog(CToolShapeDlg& tool, int buttonId) {
  if (tool.DoModal() == IDOK) SetDlgItemText(buttonId, tool.m_ToolName);
}

void CPocketDlg::OnRoughTool() { RunToolDialog(m_RoughTool, kRoughToolButton); }
void CPocketDlg::OnFinishTool() { RunToolDialog(m_FinishTool, kFinishToolButton); }
void CPocketDlg::OnRestTool() { RunToolDialog(m_RestTool, kRestToolButton); }

void CPocketDlg::OnStartPointOn() {
  m_StartPointOn = IsDlgButtonChecked(kStartPointCheck) ? 1 : 0;
  if (m_StartPointOn) PickStartPoint();
}

void CPocketDlg::OnStartPoint() {
  if (m_StartPointOn) PickStartPoint();
}

void CPocketDlg::PickStartPoint() {
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
  // Shown either way, so that the button tells which point will be used.
  ShowStartPoint();
}

void CPocketDlg::OnPickZStart() { PickZIntoEdit(*this, "\n Z 시작점을 지정하시요 !!", kZStartEdit); }
void CPocketDlg::OnPickZDepth() { PickZIntoEdit(*this, "\n Z 깊이를 지정하시요 !!", kZDepthEdit); }

void CPocketDlg::OnPickEntities() {
  if (m_EditMode) return;
  BeginEditorCommand();
  SelectPocketEntities(m_Selection, m_SelectMethod);
  CompleteEditorCommand();
  // A keyword answer may have switched the method.
  ShowChoices();
}

void CPocketDlg::OnRoughOn() {
  m_RoughOn = IsDlgButtonChecked(kRoughOnCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CPocketDlg::OnFinishOn() {
  m_FinishOn = IsDlgButtonChecked(kFinishOnCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CPocketDlg::OnRestOn() {
  m_RestOn = IsDlgButtonChecked(kRestOnCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CPocketDlg::OnIslandTaperOn() {
  m_IslandTaperOn = IsDlgButtonChecked(kIslandTaperCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CPocketDlg::OnZTaperChange() {
  if (m_IslandTaperOn) return;
  CString text;
  GetDlgItemText(kZTaperEdit, text);
  SetDlgItemText(kIslandTaperEdit, text);
}

void CPocketDlg::OnLinkFeedOn() {
  m_LinkFeedOn = IsDlgButtonChecked(kLinkFeedCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CPocketDlg::OnRoughLengthOffsetOn() {
  m_RoughLengthOffsetOn = IsDlgButtonChecked(kRoughLengthOffsetCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CPocketDlg::OnFinishLengthOffsetOn() {
  m_FinishLengthOffsetOn = IsDlgButtonChecked(kFinishLengthOffsetCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CPocketDlg::OnRestLengthOffsetOn() {
  m_RestLengthOffsetOn = IsDlgButtonChecked(kRestLengthOffsetCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CPocketDlg::CopyToolNumberWhileNoOffset(int lengthOffsetOn, int toolNumberId, int offsetNumberId) {
  if (lengthOffsetOn) return;
  CString text;
  GetDlgItemText(toolNumberId, text);
  SetDlgItemText(offsetNumberId, text);
}

void CPocketDlg::OnRoughToolNumberChange() {
  CopyToolNumberWhileNoOffset(m_RoughLengthOffsetOn, kRoughToolNumberEdit, kRoughLengthOffsetEdit);
}

void CPocketDlg::OnFinishToolNumberChange() {
  CopyToolNumberWhileNoOffset(m_FinishLengthOffsetOn, kFinishToolNumberEdit, kFinishLengthOffsetEdit);
}

void CPocketDlg::OnRestToolNumberChange() {
  CopyToolNumberWhileNoOffset(m_RestLengthOffsetOn, kRestToolNumberEdit, kRestLengthOffsetEdit);
}

void CPocketDlg::OnRoughToolNumberOn() { m_RoughToolNumberOn = IsDlgButtonChecked(kRoughToolNumberCheck) ? 1 : 0; }
void CPocketDlg::OnFinishToolNumberOn() { m_FinishToolNumberOn = IsDlgButtonChecked(kFinishToolNumberCheck) ? 1 : 0; }
void CPocketDlg::OnRestToolNumberOn() { m_RestToolNumberOn = IsDlgButtonChecked(kRestToolNumberCheck) ? 1 : 0; }
void CPocketDlg::OnRestAfterFinish() { m_RestAfterFinish = IsDlgButtonChecked(kRestAfterFinishCheck) ? 1 : 0; }

void CPocketDlg::OnSaveParameters() { SaveFormParameters(*this); }

void CPocketDlg::OnLoadParameters() {
  if (!LoadFormParameters(*this, kToolpathPocket, kNotPocketFileText)) return;
  ShowChoices();
  ShowStartPoint();
  ShowReadOnlyStates();
  // A load is kept like a confirmed sub-dialog: Cancel goes back to it, not before it.
  m_ClickedAtOpening = TakeClickedValues();
}
