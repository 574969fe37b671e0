#include "plugin/milling/pocket/pocket_dlg.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/milling/pocket/pocket_pass_fields.h"
#include "plugin/milling/pocket/pocket_selection.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/settings/param_file.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

using namespace pocket_pass_ids;

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
         },
         PocketPassControls("주축회전수"),
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

CPocketDlg::CPocketDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {}

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

  ExchangePocketPassFields(pDX, *this, kPocketLimits);
}

BOOL CPocketDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  if (ProposeToolpathName(m_EditMode != 0, m_ExistingName, kBaseName, m_ToolpathName)) {
    SetDlgItemText(kNameEdit, m_ToolpathName);
  }

  FormatPocketPassToolNames(*this);
  ShowPocketPassToolNames(*this);

  ShowChoices();
  ShowPocketStartPoint(*this);
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
  ShowPocketPatterns(*this, m_RoughPattern);
  if (m_SelectMethod >= kSelectSingle && m_SelectMethod <= kSelectPolygon) {
    CheckRadioButton(kSingleRadio, kPolygonRadio, kSingleRadio + m_SelectMethod - kSelectSingle);
  }
  CheckRadioButton(kClimbRadio, kConventionalRadio, m_CutDirection == 0 ? kClimbRadio : kConventionalRadio);
  CheckRadioButton(kAbsoluteRadio, kRelativeRadio, m_AbsoluteZ ? kAbsoluteRadio : kRelativeRadio);
}

void CPocketDlg::ShowReadOnlyStates() {
  ShowPocketPassReadOnlyStates(*this);
  SetControlReadOnly(*this, kIslandTaperEdit, !m_IslandTaperOn);
}

CPocketDlg::ClickedValues CPocketDlg::TakeClickedValues() const {
  return {m_CutDirection, m_AbsoluteZ, m_SelectMethod, m_RoughPattern, m_IslandTaperOn, TakePocketPassSwitches(*this)};
}

void CPocketDlg::RestoreClickedValues(const ClickedValues& values) {
  m_CutDirection = values.cutDirection;
  m_AbsoluteZ = static_cast<BYTE>(values.absoluteZ);
  m_SelectMethod = values.selectMethod;
  m_RoughPattern = values.roughPattern;
  m_IslandTaperOn = values.islandTaperOn;
  RestorePocketPassSwitches(values.passes, *this);
}

void CPocketDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!CheckPocketPassAllowances(*this) || !CheckStepovers() || !CheckPocketRestPass(*this) || !CheckToolpathName())
    return;
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

void CPocketDlg::OnRoughTool() { RunToolShapeDialog(*this, m_RoughTool, kRoughToolButton); }
void CPocketDlg::OnFinishTool() { RunToolShapeDialog(*this, m_FinishTool, kFinishToolButton); }
void CPocketDlg::OnRestTool() { RunToolShapeDialog(*this, m_RestTool, kRestToolButton); }

void CPocketDlg::OnStartPointOn() {
  m_StartPointOn = IsDlgButtonChecked(kStartPointCheck) ? 1 : 0;
  if (m_StartPointOn) PickPocketStartPoint(*this);
}

void CPocketDlg::OnStartPoint() {
  if (m_StartPointOn) PickPocketStartPoint(*this);
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

void CPocketDlg::OnRoughToolNumberChange() {
  CopyToolNumberWhileNoOffset(*this, m_RoughLengthOffsetOn, kRoughToolNumberEdit, kRoughLengthOffsetEdit);
}

void CPocketDlg::OnFinishToolNumberChange() {
  CopyToolNumberWhileNoOffset(*this, m_FinishLengthOffsetOn, kFinishToolNumberEdit, kFinishLengthOffsetEdit);
}

void CPocketDlg::OnRestToolNumberChange() {
  CopyToolNumberWhileNoOffset(*this, m_RestLengthOffsetOn, kRestToolNumberEdit, kRestLengthOffsetEdit);
}

void CPocketDlg::OnRoughToolNumberOn() { m_RoughToolNumberOn = IsDlgButtonChecked(kRoughToolNumberCheck) ? 1 : 0; }
void CPocketDlg::OnFinishToolNumberOn() { m_FinishToolNumberOn = IsDlgButtonChecked(kFinishToolNumberCheck) ? 1 : 0; }
void CPocketDlg::OnRestToolNumberOn() { m_RestToolNumberOn = IsDlgButtonChecked(kRestToolNumberCheck) ? 1 : 0; }
void CPocketDlg::OnRestAfterFinish() { m_RestAfterFinish = IsDlgButtonChecked(kRestAfterFinishCheck) ? 1 : 0; }

void CPocketDlg::OnSaveParameters() { SaveFormParameters(*this); }

void CPocketDlg::OnLoadParameters() {
  if (!LoadFormParameters(*this, kToolpathPocket, kNotPocketFileText)) return;
  ShowChoices();
  ShowPocketStartPoint(*this);
  ShowReadOnlyStates();
  // A load is kept like a confirmed sub-dialog: Cancel goes back to it, not before it.
  m_ClickedAtOpening = TakeClickedValues();
}
