#include "plugin/turning/lathe_dlg.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/lathe_limits.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/tool_number_exchange.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/turning/lathe_profile.h"

namespace {

constexpr int kNameEdit = 200;
constexpr int kFinishLeadButton = 251;
constexpr int kRoughOnCheck = 257;
constexpr int kRoughLeadButton = 259;
constexpr int kRoughAllowanceEdit = 260;
constexpr int kRoughStepoverEdit = 261;
constexpr int kRoughFeedEdit = 262;
constexpr int kRoughSpindleEdit = 263;
constexpr int kFinishOnCheck = 266;
constexpr int kFinishAllowanceEdit = 267;
constexpr int kFinishStepoverEdit = 268;
constexpr int kFinishFeedEdit = 270;
constexpr int kFinishPassesEdit = 272;
constexpr int kFinishSpindleEdit = 273;
constexpr int kToolNumberEdit = 322;
constexpr int kLengthOffsetEdit = 323;
constexpr int kToolNumberCheck = 324;
constexpr int kLengthOffsetCheck = 325;
constexpr int kRoughSpindleCheck = 327;
constexpr int kFinishSpindleCheck = 328;
constexpr int kPickButton = 359;
constexpr int kStartXEdit = 370;
constexpr int kStartYEdit = 371;
constexpr int kPickStartButton = 373;
constexpr int kNoseRadiusEdit = 374;
constexpr int kStockButton = 376;
constexpr int kSingleRadio = 391;
constexpr int kPolygonRadio = 394;
constexpr int kOuterCheck = 442;
constexpr int kReturnHeightEdit = 4010;

constexpr const char* kBaseName = "Lathe";
constexpr const char* kNoStockText = "황삭 형상이 선택되지 않았습니다.!!!";
constexpr const char* kNoProfileText = "외곽 영역이 선택되지 않았습니다!!";

const DialogTemplateRegistration kLatheTemplate(CLatheDlg::IDD,
                                                {"선반 가공조건",
                                                 {
                                                     res::EditText(kNameEdit, "공구경로 이름"),
                                                     res::GroupBox(IDC_STATIC, "<< 경계 선택 >>"),
                                                     res::RadioButton(kSingleRadio, "Single", WS_GROUP),
                                                     res::RadioButton(kSingleRadio + 1, "Chain"),
                                                     res::RadioButton(kSingleRadio + 2, "Window"),
                                                     res::RadioButton(kPolygonRadio, "Polygon"),
                                                     res::PushButton(kPickButton, "선택"),
                                                     res::PushButton(kStockButton, "황삭 형상"),
                                                     res::CheckBox(kToolNumberCheck, "공구번호"),
                                                     res::EditText(kToolNumberEdit, ""),
                                                     res::CheckBox(kLengthOffsetCheck, "공구 장보정"),
                                                     res::EditText(kLengthOffsetEdit, ""),
                                                     res::EditText(kNoseRadiusEdit, "공구 노즈반경"),
                                                     res::CheckBox(kOuterCheck, "외경 가공"),
                                                     res::EditText(kStartXEdit, "시작점 X :"),
                                                     res::EditText(kStartYEdit, "Y:"),
                                                     res::PushButton(kPickStartButton, "선택"),
                                                     res::EditText(kReturnHeightEdit, "복귀 높이"),
                                                     res::GroupBox(IDC_STATIC, "<< 황삭조건 >>"),
                                                     res::CheckBox(kRoughOnCheck, "황삭가공"),
                                                     res::EditText(kRoughAllowanceEdit, "가공여유"),
                                                     res::EditText(kRoughStepoverEdit, "황삭 Stepover"),
                                                     res::EditText(kRoughFeedEdit, "황삭 Feed"),
                                                     res::CheckBox(kRoughSpindleCheck, "주축회전수"),
                                                     res::EditText(kRoughSpindleEdit, ""),
                                                     res::PushButton(kRoughLeadButton, "진입 / 복귀"),
                                                     res::GroupBox(IDC_STATIC, "<< 정삭조건 >>"),
                                                     res::CheckBox(kFinishOnCheck, "정삭가공"),
                                                     res::EditText(kFinishAllowanceEdit, "가공 여유"),
                                                     res::EditText(kFinishPassesEdit, "정삭 횟수"),
                                                     res::EditText(kFinishStepoverEdit, "정삭 Stepover"),
                                                     res::EditText(kFinishFeedEdit, "정삭 Feed"),
                                                     res::CheckBox(kFinishSpindleCheck, "주축회전수"),
                                                     res::EditText(kFinishSpindleEdit, ""),
                                                     res::PushButton(kFinishLeadButton, "진입 / 복귀"),
                                                     res::DefPushButton(IDOK, "OK"),
                                                     res::PushButton(IDCANCEL, "Cancel"),
                                                 }});

}  // namespace

BEGIN_MESSAGE_MAP(CLatheDlg, CAcUiDialog)
ON_CONTROL_RANGE(BN_CLICKED, kSingleRadio, kPolygonRadio, &CLatheDlg::OnSelectMethod)
ON_BN_CLICKED(kPickButton, &CLatheDlg::OnPickProfile)
ON_BN_CLICKED(kPickStartButton, &CLatheDlg::OnPickStartPoint)
ON_BN_CLICKED(kStockButton, &CLatheDlg::OnPickStock)
ON_BN_CLICKED(kRoughOnCheck, &CLatheDlg::OnRoughOn)
ON_BN_CLICKED(kFinishOnCheck, &CLatheDlg::OnFinishOn)
ON_BN_CLICKED(kRoughLeadButton, &CLatheDlg::OnRoughLead)
ON_BN_CLICKED(kFinishLeadButton, &CLatheDlg::OnFinishLead)
END_MESSAGE_MAP()

CLatheDlg::CLatheDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {
  // Roughing passes end at the profile: no move away from it there.
  m_RoughLead.m_ExitOn = 0;
  m_Tool.FormatToolName();
}

void CLatheDlg::DoDataExchange(CDataExchange* pDX) {
  const LatheLimits& L = kLatheLimits;
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, kNameEdit, m_ToolpathName);
  ExchangeToolNumberFields(pDX, {kToolNumberCheck, kToolNumberEdit, kLengthOffsetCheck, kLengthOffsetEdit},
                           {m_ToolNumberOn, m_ToolNumber, m_LengthOffsetOn, m_LengthOffsetNumber}, L.tool);
  DDX_Limited(pDX, kNoseRadiusEdit, m_NoseRadius, L.noseRadius);
  DDX_Check(pDX, kOuterCheck, m_OuterOn);
  DDX_Limited(pDX, kStartXEdit, m_StartX, L.startX);
  DDX_Limited(pDX, kStartYEdit, m_StartY, L.startY);
  DDX_Limited(pDX, kReturnHeightEdit, m_ReturnHeight, L.returnHeight);
  DDX_Check(pDX, kRoughOnCheck, m_RoughOn);
  DDX_Limited(pDX, kRoughAllowanceEdit, m_RoughAllowance, L.roughAllowance);
  DDX_Limited(pDX, kRoughStepoverEdit, m_RoughStepover, L.roughStepover);
  DDX_Limited(pDX, kRoughFeedEdit, m_RoughFeed, L.roughFeed);
  DDX_Check(pDX, kRoughSpindleCheck, m_RoughSpindleOn);
  DDX_Limited(pDX, kRoughSpindleEdit, m_RoughSpindle, L.roughSpindle);
  DDX_Check(pDX, kFinishOnCheck, m_FinishOn);
  DDX_Limited(pDX, kFinishAllowanceEdit, m_FinishAllowance, L.finishAllowance);
  DDX_Limited(pDX, kFinishPassesEdit, m_FinishPasses, L.finishPasses);
  DDX_Limited(pDX, kFinishStepoverEdit, m_FinishStepover, L.finishStepover);
  DDX_Limited(pDX, kFinishFeedEdit, m_FinishFeed, L.finishFeed);
  DDX_Check(pDX, kFinishSpindleCheck, m_FinishSpindleOn);
  DDX_Limited(pDX, kFinishSpindleEdit, m_FinishSpindle, L.finishSpindle);
}

BOOL CLatheDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  if (ProposeToolpathName(m_EditMode != 0, m_ExistingName, kBaseName, m_ToolpathName)) {
    SetDlgItemText(kNameEdit, m_ToolpathName);
  }
  if (m_SelectMethod >= kSelectSingle && m_SelectMethod <= kSelectPolygon) {
    CheckRadioButton(kSingleRadio, kPolygonRadio, kSingleRadio + m_SelectMethod - kSelectSingle);
  }
  SetControlReadOnly(*this, kLengthOffsetEdit, m_LengthOffsetOn == 0);
  ShowReadOnlyStates();
  if (m_EditMode) return TRUE;
  // The polylines of the last run belong to its toolpath; this run makes its own.
  m_Chained.setLogicalLength(0);
  if (!m_Stock.isEmpty() && !IsLiveEntity(m_Stock.first())) m_Stock.setLogicalLength(0);
  const bool hadPicks = !m_Selection.isEmpty();
  OfferKeptSelection(m_Selection);
  if (hadPicks && m_Selection.isEmpty()) {
    SetEntitiesHighlight(m_Stock, false);
    m_Stock.setLogicalLength(0);
  }
  return TRUE;
}

void CLatheDlg::ShowReadOnlyStates() {
  for (int id : {kRoughAllowanceEdit, kRoughSpindleEdit, kRoughStepoverEdit, kRoughFeedEdit}) {
    SetControlReadOnly(*this, id, m_RoughOn == 0);
  }
  for (int id : {kFinishAllowanceEdit, kFinishPassesEdit, kFinishSpindleEdit, kFinishStepoverEdit, kFinishFeedEdit}) {
    SetControlReadOnly(*this, id, m_FinishOn == 0);
  }
}

void CLatheDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (m_EditMode) {
    CAcUiDialog::OnOK();
    return;
  }
  if ((m_RoughOn && m_RoughAllowance < -m_NoseRadius) || (m_FinishOn && m_FinishAllowance < -m_NoseRadius)) {
    ShowFormInformation(MsgLatheAllowanceBelowNose);
    return;
  }
  if (m_RoughOn && m_Stock.isEmpty()) {
    ShowFormInformation(kNoStockText, kFormQuestionCaption);
    return;
  }
  if (!AcceptToolpathName(m_ToolpathName, true)) return;
  if (!m_Selection.isEmpty() && !ChainPickedProfile()) return;
  if (m_Chained.isEmpty()) {
    ShowFormInformation(kNoProfileText, kFormQuestionCaption);
    return;
  }
  CAcUiDialog::OnOK();
}

bool CLatheDlg::ChainPickedProfile() {
  // Only what is picked now is turned: a polyline of an earlier OK goes.
  EraseEntityArray(m_Chained);
  if (!IsLiveEntity(m_Stock.isEmpty() ? AcDbObjectId() : m_Stock.first())) m_Stock.setLogicalLength(0);
  if (!ChainLatheProfile(m_Selection, m_Chained)) {
    ShowFormInformation(MsgLatheProfileNotChained, kFormQuestionCaption);
    return false;
  }
  SetEntitiesHighlight(m_Selection, false);
  if (!m_Stock.isEmpty() && !AppendStockLine(m_Stock.first(), m_Chained)) {
    EraseEntityArray(m_Chained);
    ShowFormInformation(MsgLatheProfileNotChained, kFormQuestionCaption);
    return false;
  }
  return true;
}

void CLatheDlg::OnCancel() {
  SetEntitiesHighlight(m_Selection, false);
  CAcUiDialog::OnCancel();
}

void CLatheDlg::OnSelectMethod(UINT id) { m_SelectMethod = kSelectSingle + static_cast<int>(id) - kSingleRadio; }

void CLatheDlg::OnPickProfile() {
  if (m_EditMode) return;
  BeginEditorCommand();
  SelectLatheProfile(m_Selection, m_SelectMethod);
  CompleteEditorCommand();
  if (m_SelectMethod >= kSelectSingle && m_SelectMethod <= kSelectPolygon) {
    CheckRadioButton(kSingleRadio, kPolygonRadio, kSingleRadio + m_SelectMethod - kSelectSingle);
  }
}

void CLatheDlg::OnPickStartPoint() {
  PickXYIntoEdits(*this, "\n 공구경로 시적점을 선택하시요.", kStartXEdit, kStartYEdit);
}

void CLatheDlg::OnPickStock() {
  if (m_EditMode) return;
  BeginEditorCommand();
  for (;;) {
    ads_name name = {0, 0};
    ads_point picked = {0.0, 0.0, 0.0};
    if (acedEntSel("\n 황삭 재료를 선택하시요!", name, picked) != RTNORM) break;
    AcDbObjectId id;
    AcGePoint3d start, end;
    if (acdbGetObjectId(id, name) != Acad::eOk || GetCurveEndPoints(id, start, end) == kEntityOther ||
        !IsFlatCurveOfName(name)) {
      acutPrintf("\n 2D curve만 선택할 수 있습니다.");
      continue;
    }
    m_Stock.setLogicalLength(0);
    m_Stock.append(id);
    break;
  }
  CompleteEditorCommand();
}

void CLatheDlg::OnRoughOn() {
  m_RoughOn = IsDlgButtonChecked(kRoughOnCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CLatheDlg::OnFinishOn() {
  m_FinishOn = IsDlgButtonChecked(kFinishOnCheck) ? 1 : 0;
  ShowReadOnlyStates();
}

void CLatheDlg::OnRoughLead() { m_RoughLead.DoModal(); }
void CLatheDlg::OnFinishLead() { m_FinishLead.DoModal(); }
