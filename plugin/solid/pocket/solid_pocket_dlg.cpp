#include "plugin/solid/pocket/solid_pocket_dlg.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/solid_pocket_limits.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/milling/pocket/pocket_pass_fields.h"
#include "plugin/shell/settings/param_file.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/slices/solid_slices.h"

namespace {

using namespace pocket_pass_ids;

constexpr int kNameEdit = 200;
constexpr int kPickSolidsButton = 448;
constexpr int kClimbRadio = 264;
constexpr int kConventionalRadio = 265;
constexpr int kCoreRadio = 269;
constexpr int kCavityRadio = 275;
constexpr int kRetractHeightEdit = 4010;
constexpr int kZStepEdit = 4002;

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
                    },
                    PocketPassControls("주축회전"),
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

CSolidPocketDlg::CSolidPocketDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {}

void CSolidPocketDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, kNameEdit, m_ToolpathName);
  DDX_Limited(pDX, kRetractHeightEdit, m_RetractHeight, L.retractHeight);
  DDX_Limited(pDX, kZStepEdit, m_ZStep, L.zStep);

  ExchangePocketPassFields(pDX, *this, L);
}

BOOL CSolidPocketDlg::OnInitDialog() {
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
    m_ModelId = AcDbObjectId();
    m_StockId = AcDbObjectId();
  }
  return TRUE;
}

void CSolidPocketDlg::ShowChoices() {
  ShowPocketPatterns(*this, m_RoughPattern);
  CheckRadioButton(kClimbRadio, kConventionalRadio, m_CutDirection == 0 ? kClimbRadio : kConventionalRadio);
  CheckRadioButton(kCoreRadio, kCavityRadio, m_MachiningMethod == kSolidPocketCore ? kCoreRadio : kCavityRadio);
}

void CSolidPocketDlg::ShowReadOnlyStates() { ShowPocketPassReadOnlyStates(*this); }

CSolidPocketDlg::ClickedValues CSolidPocketDlg::TakeClickedValues() const {
  return {m_CutDirection, m_MachiningMethod, m_RoughPattern, TakePocketPassSwitches(*this)};
}

void CSolidPocketDlg::RestoreClickedValues(const ClickedValues& v) {
  m_CutDirection = v.cutDirection;
  m_MachiningMethod = v.method;
  m_RoughPattern = v.roughPattern;
  RestorePocketPassSwitches(v.passes, *this);
}

void CSolidPocketDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!CheckPocketPassAllowances(*this) || !CheckPocketRestPass(*this)) return;
  if (!AcceptToolpathName(m_ToolpathName, m_EditMode == 0)) return;
  if (!CheckSolids()) return;
  // The closing exchange also stores an allowance the rest check wrote into its edit.
  CAcUiDialog::OnOK();
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

void CSolidPocketDlg::OnRoughTool() { RunToolShapeDialog(*this, m_RoughTool, kRoughToolButton); }
void CSolidPocketDlg::OnFinishTool() { RunToolShapeDialog(*this, m_FinishTool, kFinishToolButton); }
void CSolidPocketDlg::OnRestTool() { RunToolShapeDialog(*this, m_RestTool, kRestToolButton); }

void CSolidPocketDlg::OnStartPointOn() {
  m_StartPointOn = IsDlgButtonChecked(kStartPointCheck) ? 1 : 0;
  if (m_StartPointOn) PickPocketStartPoint(*this);
}

void CSolidPocketDlg::OnStartPoint() {
  if (m_StartPointOn) PickPocketStartPoint(*this);
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

void CSolidPocketDlg::OnRoughToolNumberChange() {
  CopyToolNumberWhileNoOffset(*this, m_RoughLengthOffsetOn, kRoughToolNumberEdit, kRoughLengthOffsetEdit);
}

void CSolidPocketDlg::OnFinishToolNumberChange() {
  CopyToolNumberWhileNoOffset(*this, m_FinishLengthOffsetOn, kFinishToolNumberEdit, kFinishLengthOffsetEdit);
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
  ShowPocketStartPoint(*this);
  ShowReadOnlyStates();
  m_ClickedAtOpening = TakeClickedValues();
}
