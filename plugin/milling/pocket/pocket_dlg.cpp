#include "plugin/milling/pocket/pocket_dlg.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/milling/pocket/pocket_selection.h"
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

constexpr int kSaveButton = 3;
constexpr int kLoadButton = 4;

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
constexpr const char* kInfoCaption = "Ostrivo message";
constexpr const char* kQuestionCaption = "Message";
constexpr const char* kNotPocketFileText = "포켓 파라메타 파일이 아닙니다.!!!";
constexpr const char* kNoNameText = "공구경로 이름을 입력하시요.!!";

const DialogTemplateRegistration kPocketTemplate(CPocketDlg::IDD,
                                                 {"형상(pocket) 공구경로",
                                                  {
                                                      res::EditText(kNameEdit, "공구경로 이름"),
                                                      res::GroupBox(IDC_STATIC, "<< 도형 선택 >>"),
                                                      res::RadioButton(kSingleRadio, "Single", WS_GROUP),
                                                      res::RadioButton(kChainRadio, "Chain"),
                                                      res::RadioButton(kWindowRadio, "Window"),
                                                      res::RadioButton(kPolygonRadio, "Polygon"),
                                                      res::PushButton(kPickButton, "선택"),
                                                      res::Text(IDC_STATIC, "가공 방향"),
                                                      res::RadioButton(kClimbRadio, "하향가공", WS_GROUP),
                                                      res::RadioButton(kConventionalRadio, "상향가공"),
                                                      res::GroupBox(IDC_STATIC, "<< Z 파라메터 >>"),
                                                      res::RadioButton(kAbsoluteRadio, "절대값", WS_GROUP),
                                                      res::RadioButton(kRelativeRadio, "상대값"),
                                                      res::EditText(kRetractHeightEdit, "복귀 높이"),
                                                      res::EditText(kZStartEdit, "Z 시작"),
                                                      res::PushButton(kPickZStartButton, "..."),
                                                      res::EditText(kZDepthEdit, "Z 깊이"),
                                                      res::PushButton(kPickZDepthButton, "..."),
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
                                                      res::PushButton(kSaveButton, "저장"),
                                                      res::PushButton(kLoadButton, "불러오기"),
                                                      res::DefPushButton(IDOK, "OK"),
                                                      res::PushButton(IDCANCEL, "Cancel"),
                                                  }});

void ShowInformation(const char* text) { ::MessageBox(nullptr, text, kInfoCaption, MB_OK | MB_ICONINFORMATION); }

bool AskOkCancel(const char* text) {
  return ::MessageBox(nullptr, text, kQuestionCaption, MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
}

bool IsLiveId(const AcDbObjectId& id) { return !id.isNull() && id.isValid() && !id.isErased(); }

// The highlight helpers free the array they are given.
void HighlightCopy(const AcDbObjectIdArray& ids) {
  AcDbObjectIdArray copy = ids;
  HighlightEntities(copy);
}

void UnhighlightCopy(const AcDbObjectIdArray& ids) {
  AcDbObjectIdArray copy = ids;
  UnhighlightEntities(copy);
}

}  // namespace

BEGIN_MESSAGE_MAP(CPocketDlg, CAcUiDialog)
ON_BN_CLICKED(kClimbRadio, &CPocketDlg::OnClimb)
ON_BN_CLICKED(kConventionalRadio, &CPocketDlg::OnConventional)
ON_BN_CLICKED(kAbsoluteRadio, &CPocketDlg::OnAbsoluteZ)
ON_BN_CLICKED(kRelativeRadio, &CPocketDlg::OnRelativeZ)
ON_BN_CLICKED(kSingleRadio, &CPocketDlg::OnSelectSingle)
ON_BN_CLICKED(kChainRadio, &CPocketDlg::OnSelectChain)
ON_BN_CLICKED(kWindowRadio, &CPocketDlg::OnSelectWindow)
ON_BN_CLICKED(kPolygonRadio, &CPocketDlg::OnSelectPolygon)
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
ON_BN_CLICKED(kSaveButton, &CPocketDlg::OnSaveParameters)
ON_BN_CLICKED(kLoadButton, &CPocketDlg::OnLoadParameters)
END_MESSAGE_MAP()

CPocketDlg::CPocketDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {
  m_RestTool.m_Diameter = 10.0f;
  m_RestTool.FormatToolName();
}

bool CPocketDlg::RestMeasuresAgainstFinishing() const { return m_RestAfterFinish != 0 && m_FinishOn != 0; }

void CPocketDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, kNameEdit, m_ToolpathName);
  DDX_Text(pDX, kRetractHeightEdit, m_RetractHeight);
  DDX_Text(pDX, kZStartEdit, m_ZStart);
  DDX_Text(pDX, kZDepthEdit, m_ZDepth);
  DDV_MinMaxFloat(pDX, m_ZDepth, -10000.0f, 10000.0f);
  DDX_Text(pDX, kRoughZStepEdit, m_RoughZStep);
  DDV_MinMaxFloat(pDX, m_RoughZStep, 0.0f, 1000.0f);
  DDX_Text(pDX, kFinishZPassesEdit, m_FinishZPasses);
  DDV_MinMaxInt(pDX, m_FinishZPasses, 0, 100);
  DDX_Text(pDX, kFinishZStepEdit, m_FinishZStep);
  DDV_MinMaxFloat(pDX, m_FinishZStep, 0.0f, 100.0f);
  DDX_Text(pDX, kZTaperEdit, m_ZTaper);
  DDV_MinMaxFloat(pDX, m_ZTaper, 0.0f, 1000.0f);
  DDX_Check(pDX, kIslandTaperCheck, m_IslandTaperOn);
  DDX_Text(pDX, kIslandTaperEdit, m_IslandTaper);
  DDX_Check(pDX, kIslandZAllowanceCheck, m_IslandZAllowanceOn);

  DDX_Check(pDX, kRoughOnCheck, m_RoughOn);
  DDX_Check(pDX, kRoughToolNumberCheck, m_RoughToolNumberOn);
  DDX_Text(pDX, kRoughToolNumberEdit, m_RoughToolNumber);
  DDX_Check(pDX, kRoughLengthOffsetCheck, m_RoughLengthOffsetOn);
  DDX_Text(pDX, kRoughLengthOffsetEdit, m_RoughLengthOffsetNumber);
  DDX_Text(pDX, kRoughAngleEdit, m_RoughAngle);
  DDX_Text(pDX, kRoughStepoverEdit, m_RoughStepover);
  DDX_Text(pDX, kRoughAllowanceEdit, m_RoughAllowance);
  DDX_Text(pDX, kRoughFeedEdit, m_RoughFeed);
  DDX_Check(pDX, kRoughSpindleCheck, m_RoughSpindleOn);
  DDX_Text(pDX, kRoughSpindleEdit, m_RoughSpindle);
  DDV_MinMaxInt(pDX, m_RoughSpindle, 0, 100000);
  DDX_Check(pDX, kLinkFeedCheck, m_LinkFeedOn);
  DDX_Text(pDX, kLinkFeedEdit, m_LinkFeed);
  DDV_MinMaxInt(pDX, m_LinkFeed, 1, 10000);
  DDX_Check(pDX, kStartOutsideCheck, m_StartOutside);
  DDX_Check(pDX, kRetractBetweenLevelsCheck, m_RetractBetweenLevels);
  DDX_Check(pDX, kStartPointCheck, m_StartPointOn);

  DDX_Check(pDX, kFinishOnCheck, m_FinishOn);
  DDX_Check(pDX, kFinishToolNumberCheck, m_FinishToolNumberOn);
  DDX_Text(pDX, kFinishToolNumberEdit, m_FinishToolNumber);
  DDX_Check(pDX, kFinishLengthOffsetCheck, m_FinishLengthOffsetOn);
  DDX_Text(pDX, kFinishLengthOffsetEdit, m_FinishLengthOffsetNumber);
  DDX_Text(pDX, kFinishAllowanceEdit, m_FinishAllowance);
  DDX_Text(pDX, kFinishStepoverEdit, m_FinishStepover);
  DDX_Text(pDX, kFinishPassesEdit, m_FinishPasses);
  DDV_MinMaxInt(pDX, m_FinishPasses, 1, 1000);
  DDX_Text(pDX, kFinishFeedEdit, m_FinishFeed);
  DDX_Check(pDX, kFinishSpindleCheck, m_FinishSpindleOn);
  DDX_Text(pDX, kFinishSpindleEdit, m_FinishSpindle);
  DDV_MinMaxInt(pDX, m_FinishSpindle, 0, 1000000);
  DDX_Check(pDX, kCornerRoundCheck, m_CornerRound);

  DDX_Check(pDX, kRestOnCheck, m_RestOn);
  DDX_Check(pDX, kRestToolNumberCheck, m_RestToolNumberOn);
  DDX_Text(pDX, kRestToolNumberEdit, m_RestToolNumber);
  DDX_Check(pDX, kRestLengthOffsetCheck, m_RestLengthOffsetOn);
  DDX_Text(pDX, kRestLengthOffsetEdit, m_RestLengthOffsetNumber);
  DDX_Text(pDX, kRestAllowanceEdit, m_RestAllowance);
  DDX_Text(pDX, kRestFeedEdit, m_RestFeed);
  DDX_Check(pDX, kRestSpindleCheck, m_RestSpindleOn);
  DDX_Text(pDX, kRestSpindleEdit, m_RestSpindle);
  DDX_Check(pDX, kRestAfterFinishCheck, m_RestAfterFinish);

  if (!pDX->m_bSaveAndValidate) {
    SetDlgItemText(kRoughToolButton, m_RoughTool.m_ToolName);
    SetDlgItemText(kFinishToolButton, m_FinishTool.m_ToolName);
    SetDlgItemText(kRestToolButton, m_RestTool.m_ToolName);
  }
}

BOOL CPocketDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  CString name;
  if (m_EditMode) {
    m_ToolpathName = m_ExistingName;
    SetDlgItemText(kNameEdit, m_ToolpathName);
  } else if (MakeUniqueToolpathName(kBaseName, name)) {
    m_ToolpathName = name;
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
    ForgetStaleSelection();
    OfferKeptSelection();
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

void CPocketDlg::ForgetStaleSelection() {
  for (int i = 0; i < m_Selection.length(); ++i) {
    if (!IsLiveId(m_Selection[i])) {
      m_Selection.setLogicalLength(0);
      return;
    }
  }
}

void CPocketDlg::OfferKeptSelection() {
  if (m_Selection.isEmpty()) return;
  HighlightCopy(m_Selection);
  if (!AskOkCancel("이미 선택된 Entity를 사용하겠습니까?")) {
    UnhighlightCopy(m_Selection);
    m_Selection.setLogicalLength(0);
  }
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
  if (!CheckAllowances() || !CheckRestPass() || !CheckToolpathName()) return;
  if (!m_EditMode && !ChainSelection()) return;
  // A boundary erased since it was picked or reloaded is no boundary either.
  if (!IsLiveId(m_Boundary)) {
    ::MessageBox(nullptr, "외곽 영역이 선택되지 않았습니다!!", kQuestionCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  OrientBoundaryAndIslands();
  // The closing exchange also stores an allowance the rest check wrote into its edit.
  CAcUiDialog::OnOK();
}

bool CPocketDlg::CheckAllowances() {
  if (m_RoughOn && m_RoughAllowance < -m_RoughTool.m_Diameter / 2.0) {
    ShowInformation("황삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!");
    return false;
  }
  if (m_FinishOn && m_FinishAllowance < -m_FinishTool.m_Diameter / 2.0) {
    ShowInformation("정삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!");
    return false;
  }
  return true;
}

bool CPocketDlg::CheckRestPass() {
  if (!m_RestOn) return true;
  if (m_RestAllowance < -m_RestTool.m_Diameter / 2.0) {
    ShowInformation("잔삭 가공여유가 공구반경*-1 보다 작을수 없습니다.!!");
    return false;
  }
  const bool finishing = RestMeasuresAgainstFinishing();
  const CToolShapeDlg& reference = finishing ? m_FinishTool : m_RoughTool;
  if (m_RestTool.m_Diameter >= reference.m_Diameter) {
    ShowInformation("잔삭 공구가 정삭 공구보다 크거나 같으면 잔삭을 할수 없습니다.!!");
    return false;
  }
  const float referenceAllowance = finishing ? m_FinishAllowance : m_RoughAllowance;
  if (referenceAllowance > m_RestAllowance) {
    const char* question = finishing ? "정삭 가공여유가 잔삭 가공 여유보다 큰경우 잔삭을 할수 없습니다.!!\n"
                                       "잔삭 가공여유를 정삭과 동일하게 하겠습니까?"
                                     : "황삭 가공여유가 잔삭 가공 여유보다 큰경우 잔삭을 할수 없습니다.!!\n"
                                       "잔삭 가공여유를 황삭과 동일하게 하겠습니까?";
    if (!AskOkCancel(question)) return false;
    CString text;
    text.Format("%.2f", referenceAllowance);
    SetDlgItemText(kRestAllowanceEdit, text);
  }
  return true;
}

bool CPocketDlg::CheckToolpathName() {
  CString name = m_ToolpathName;
  name.Trim();
  // A group without a name cannot be found again.
  if (name.IsEmpty()) {
    ShowInformation(kNoNameText);
    return false;
  }
  if (m_EditMode) return true;
  return ConfirmToolpathName(m_ToolpathName);
}

bool CPocketDlg::ChainSelection() {
  if (m_Selection.isEmpty()) return true;
  CString why;
  if (ChainPocketBoundary(m_Selection, m_Boundary, m_Islands, &why)) {
    UnhighlightCopy(m_Selection);
    return true;
  }
  if (why.IsEmpty()) return true;
  ::MessageBox(nullptr, why, kQuestionCaption, MB_OK | MB_ICONINFORMATION);
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
  UnhighlightCopy(m_Selection);
  RestoreClickedValues(m_ClickedAtOpening);
  CAcUiDialog::OnCancel();
}

void CPocketDlg::OnClimb() { m_CutDirection = 0; }
void CPocketDlg::OnConventional() { m_CutDirection = 1; }
void CPocketDlg::OnAbsoluteZ() { m_AbsoluteZ = 1; }
void CPocketDlg::OnRelativeZ() { m_AbsoluteZ = 0; }
void CPocketDlg::OnSelectSingle() { m_SelectMethod = kSelectSingle; }
void CPocketDlg::OnSelectChain() { m_SelectMethod = kSelectChain; }
void CPocketDlg::OnSelectWindow() { m_SelectMethod = kSelectWindow; }
void CPocketDlg::OnSelectPolygon() { m_SelectMethod = kSelectPolygon; }

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

void CPocketDlg::PickZInto(const char* prompt, int editId) {
  BeginEditorCommand();
  ads_point picked = {0.0, 0.0, 0.0};
  if (acedGetPoint(nullptr, prompt, picked) != RTNORM) {
    CancelEditorCommand();
    return;
  }
  CompleteEditorCommand();
  CString text;
  text.Format("%.1f", picked[2]);
  SetDlgItemText(editId, text);
}

void CPocketDlg::OnPickZStart() { PickZInto("\n Z 시작점을 지정하시요 !!", kZStartEdit); }
void CPocketDlg::OnPickZDepth() { PickZInto("\n Z 깊이를 지정하시요 !!", kZDepthEdit); }

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

void CPocketDlg::OnSaveParameters() {
  // A value the form refuses is not written.
  if (!UpdateData(TRUE)) return;
  CString text;
  WriteParamRecord(text);
  ParamFile::Save(text);
}

void CPocketDlg::OnLoadParameters() {
  // What was typed stays where the file says nothing.
  if (!UpdateData(TRUE)) return;
  CString text;
  if (!ParamFile::Load(kToolpathPocket, kNotPocketFileText, text)) return;
  // Tried on a scratch instance first, so that a broken file changes nothing.
  CPocketDlg scratch;
  if (!scratch.ReadParamRecord(text)) {
    ShowInformation(kNotPocketFileText);
    return;
  }
  ReadParamRecord(text);
  UpdateData(FALSE);
  ShowChoices();
  ShowStartPoint();
  ShowReadOnlyStates();
  // A load is kept like a confirmed sub-dialog: Cancel goes back to it, not before it.
  m_ClickedAtOpening = TakeClickedValues();
}
