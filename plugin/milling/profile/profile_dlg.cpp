#include "plugin/milling/profile/profile_dlg.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/milling/profile/profile_curves.h"
#include "plugin/milling/profile/profile_pick.h"
#include "plugin/shell/settings/param_file.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr int kStepoverEdit = 4000;
constexpr int kPassesEdit = 4001;
constexpr int kZStepoverEdit = 4002;
constexpr int kZDepthEdit = 4003;
constexpr int kFeedEdit = 4004;
constexpr int kZTaperEdit = 4005;
constexpr int kOnRadio = 4006;
constexpr int kLeftRadio = 4007;
constexpr int kRightRadio = 4008;
constexpr int kZStartEdit = 4009;
constexpr int kRetractHeightEdit = 4010;
constexpr int kSpindleSpeedEdit = 4011;
constexpr int kAllowanceEdit = 4014;
constexpr int kNameEdit = 200;
constexpr int kToolButton = 271;
constexpr int kLeadButton = 308;
constexpr int kToolNumberEdit = 322;
constexpr int kLengthOffsetEdit = 323;
constexpr int kToolNumberCheck = 324;
constexpr int kLengthOffsetCheck = 325;
constexpr int kSpindleCheck = 328;
constexpr int kPickButton = 359;
constexpr int kSingleRadio = 386;
constexpr int kChainRadio = 387;
constexpr int kWindowRadio = 388;
constexpr int kPolygonRadio = 389;
constexpr int kAbsoluteZCheck = 390;
constexpr int kPickZStartButton = 457;
constexpr int kPickZDepthButton = 458;
constexpr int kMiddleStartCheck = 594;

constexpr const char* kBaseName = "Profile";
constexpr const char* kNotProfileFileText = "윤곽가공 파라메타 파일이 아닙니다.!!!";

const DialogTemplateRegistration kProfileTemplate(
    CProfileDlg::IDD,
    {"Profile(윤곽) 공구경로",
     JoinControls({
         {res::EditText(kNameEdit, "공구경로 이름")},
         SelectionControls({kSingleRadio, kChainRadio, kWindowRadio, kPolygonRadio, kPickButton}),
         {
             res::GroupBox(IDC_STATIC, "<< 가공 방향 >>"),
             res::RadioButton(kOnRadio, "ON", WS_GROUP),
             res::RadioButton(kLeftRadio, "Left (하향)"),
             res::RadioButton(kRightRadio, "Right (상향)"),
             res::GroupBox(IDC_STATIC, "<< 공구 >>"),
             res::PushButton(kToolButton, ""),
             res::CheckBox(kToolNumberCheck, "공구번호"),
             res::EditText(kToolNumberEdit, ""),
             res::CheckBox(kLengthOffsetCheck, "공구 장보정"),
             res::EditText(kLengthOffsetEdit, ""),
             res::CheckBox(kSpindleCheck, "주축회전수"),
             res::EditText(kSpindleSpeedEdit, ""),
             res::EditText(kFeedEdit, "Feed"),
             res::PushButton(kLeadButton, "진입 / 복귀"),
             res::GroupBox(IDC_STATIC, "<< 가공 조건 >>"),
             res::EditText(kPassesEdit, "Profile 횟수"),
             res::EditText(kStepoverEdit, "Stepover"),
             res::EditText(kAllowanceEdit, "가공여유"),
             res::CheckBox(kMiddleStartCheck, "중간점 시작"),
             res::GroupBox(IDC_STATIC, "<< Z 파라메터 >>"),
             res::CheckBox(kAbsoluteZCheck, "Z 절대값"),
         },
         ZRangeControls({kRetractHeightEdit, kZStartEdit, kPickZStartButton, kZDepthEdit, kPickZDepthButton}),
         {
             res::EditText(kZStepoverEdit, "Z Stepover"),
             res::EditText(kZTaperEdit, "Z 경사"),
         },
         ParameterFileAndCloseButtons(),
     })});

}  // namespace

BEGIN_MESSAGE_MAP(CProfileDlg, CAcUiDialog)
ON_BN_CLICKED(kOnRadio, &CProfileDlg::OnSideOn)
ON_BN_CLICKED(kLeftRadio, &CProfileDlg::OnSideLeft)
ON_BN_CLICKED(kRightRadio, &CProfileDlg::OnSideRight)
ON_CONTROL_RANGE(BN_CLICKED, kSingleRadio, kPolygonRadio, &CProfileDlg::OnSelectMethod)
ON_BN_CLICKED(kToolButton, &CProfileDlg::OnTool)
ON_BN_CLICKED(kLeadButton, &CProfileDlg::OnLead)
ON_EN_CHANGE(kToolNumberEdit, &CProfileDlg::OnToolNumberChange)
ON_BN_CLICKED(kLengthOffsetCheck, &CProfileDlg::OnLengthOffsetOn)
ON_BN_CLICKED(kPickButton, &CProfileDlg::OnPickEntities)
ON_BN_CLICKED(kPickZStartButton, &CProfileDlg::OnPickZStart)
ON_BN_CLICKED(kPickZDepthButton, &CProfileDlg::OnPickZDepth)
ON_BN_CLICKED(kSaveParametersButton, &CProfileDlg::OnSaveParameters)
ON_BN_CLICKED(kLoadParametersButton, &CProfileDlg::OnLoadParameters)
END_MESSAGE_MAP()

CProfileDlg::CProfileDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) { m_Tool.FormatToolName(); }

void CProfileDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Limited(pDX, kPassesEdit, m_Passes, kProfileLimits.passes);
  DDX_Limited(pDX, kFeedEdit, m_Feed, kProfileLimits.feed);
  DDX_Limited(pDX, kStepoverEdit, m_Stepover, kProfileLimits.stepover);
  DDX_Limited(pDX, kZStepoverEdit, m_ZStepover, kProfileLimits.zStepover);
  DDX_Limited(pDX, kZTaperEdit, m_ZTaper, kProfileLimits.zTaper);
  DDX_Limited(pDX, kZStartEdit, m_ZStart, kProfileLimits.zStart);
  DDX_Limited(pDX, kZDepthEdit, m_ZDepth, kProfileLimits.zDepth);
  DDX_Limited(pDX, kRetractHeightEdit, m_RetractHeight, kProfileLimits.retractHeight);
  DDX_Limited(pDX, kAllowanceEdit, m_Allowance, kProfileLimits.allowance);
  DDX_Text(pDX, kNameEdit, m_ToolpathName);
  DDX_Limited(pDX, kSpindleSpeedEdit, m_SpindleSpeed, kProfileLimits.spindleSpeed);
  DDX_Check(pDX, kSpindleCheck, m_SpindleOn);
  DDX_Check(pDX, kToolNumberCheck, m_ToolNumberOn);
  DDX_Check(pDX, kLengthOffsetCheck, m_LengthOffsetOn);
  DDX_Limited(pDX, kLengthOffsetEdit, m_LengthOffsetNumber, kProfileLimits.tool.lengthOffsetNumber);
  DDX_Limited(pDX, kToolNumberEdit, m_ToolNumber, kProfileLimits.tool.toolNumber);
  DDX_Check(pDX, kAbsoluteZCheck, m_AbsoluteZ);
  DDX_Check(pDX, kMiddleStartCheck, m_MiddleStart);
  if (!pDX->m_bSaveAndValidate) SetDlgItemText(kToolButton, m_Tool.m_ToolName);
}

BOOL CProfileDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  if (ProposeToolpathName(m_EditMode != 0, m_ExistingName, kBaseName, m_ToolpathName)) {
    SetDlgItemText(kNameEdit, m_ToolpathName);
  }
  m_Tool.FormatToolName();
  SetDlgItemText(kToolButton, m_Tool.m_ToolName);
  ShowChoices();
  ShowReadOnlyStates();
  m_ClickedAtOpening = {m_Side, m_SelectMethod, m_LengthOffsetOn};
  if (!m_EditMode) {
    // The polylines of the last run belong to its toolpath; this run makes its own.
    m_Curves.setLogicalLength(0);
    OfferKeptSelection(m_Selection);
  }
  return TRUE;
}

void CProfileDlg::ShowChoices() {
  if (m_SelectMethod >= kSelectSingle && m_SelectMethod <= kSelectPolygon) {
    CheckRadioButton(kSingleRadio, kPolygonRadio, kSingleRadio + m_SelectMethod - kSelectSingle);
  }
  if (m_Side >= kProfileOnCurve && m_Side <= kProfileRight) {
    CheckRadioButton(kOnRadio, kRightRadio, kOnRadio + m_Side - kProfileOnCurve);
  }
}

void CProfileDlg::ShowReadOnlyStates() {
  if (auto* edit = DYNAMIC_DOWNCAST(CEdit, GetDlgItem(kLengthOffsetEdit))) {
    edit->SetReadOnly(m_LengthOffsetOn ? FALSE : TRUE);
  }
}

void CProfileDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!CheckAllowance() || !CheckToolpathName()) return;
  if (m_EditMode) {
    CAcUiDialog::OnOK();
    return;
  }
  if (!BuildCurvesFromSelection()) return;
  if (m_Curves.isEmpty()) {
    ShowFormInformation("외곽 영역이 선택되지 않았습니다!!", kFormQuestionCaption);
    return;
  }
  CAcUiDialog::OnOK();
}

bool CProfileDlg::CheckAllowance() {
  if (m_Allowance < -(m_Tool.m_Diameter * 0.5)) {
    ShowFormInformation("가공여유가 공구반경*-1 보다 작을수 없습니다.!!");
    return false;
  }
  return true;
}

bool CProfileDlg::CheckToolpathName() { return AcceptToolpathName(m_ToolpathName, m_EditMode == 0); }

bool CProfileDlg::BuildCurvesFromSelection() {
  // Only what is picked now is cut.
  m_Curves.setLogicalLength(0);
  if (m_Selection.isEmpty()) return true;
  if (!BuildProfileCurves(m_Selection, m_Curves)) return false;
  SetEntitiesHighlight(m_Selection, false);
  return true;
}

void CProfileDlg::OnCancel() {
  SetEntitiesHighlight(m_Selection, false);
  m_Side = m_ClickedAtOpening.side;
  m_SelectMethod = m_ClickedAtOpening.selectMethod;
  m_LengthOffsetOn = m_ClickedAtOpening.lengthOffsetOn;
  CAcUiDialog::OnCancel();
}

void CProfileDlg::OnSideOn() { m_Side = kProfileOnCurve; }
void CProfileDlg::OnSideLeft() { m_Side = kProfileLeft; }
void CProfileDlg::OnSideRight() { m_Side = kProfileRight; }
void CProfileDlg::OnSelectMethod(UINT id) { m_SelectMethod = kSelectSingle + static_cast<int>(id) - kSingleRadio; }

void CProfileDlg::OnTool() {
  RunToolShapeDialog(*this, m_Tool, kToolButton);
}

void CProfileDlg::OnLead() { m_Lead.DoModal(); }

void CProfileDlg::OnToolNumberChange() {
  CopyToolNumberWhileNoOffset(*this, m_LengthOffsetOn, kToolNumberEdit, kLengthOffsetEdit);
}

void CProfileDlg::OnLengthOffsetOn() {
  m_LengthOffsetOn = IsDlgButtonChecked(kLengthOffsetCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CProfileDlg::OnPickEntities() {
  if (m_EditMode) return;
  BeginEditorCommand();
  SelectProfileEntities(m_Selection, m_SelectMethod);
  CompleteEditorCommand();
  // A keyword answer may have switched the method.
  ShowChoices();
}

void CProfileDlg::OnPickZStart() { PickZIntoEdit(*this, "\n Z 시작점을 지정하시요 !!", kZStartEdit, true); }
void CProfileDlg::OnPickZDepth() { PickZIntoEdit(*this, "\n Z 깊이를 지정하시요 !!", kZDepthEdit, true); }

void CProfileDlg::OnSaveParameters() { SaveFormParameters(*this); }

void CProfileDlg::OnLoadParameters() {
  if (!LoadFormParameters(*this, kToolpathProfile, kNotProfileFileText)) return;
  ShowChoices();
  ShowReadOnlyStates();
  // A load is kept like a confirmed sub-dialog: Cancel goes back to it, not before it.
  m_ClickedAtOpening = {m_Side, m_SelectMethod, m_LengthOffsetOn};
}
