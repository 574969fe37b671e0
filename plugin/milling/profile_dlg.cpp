#include "plugin/milling/profile_dlg.h"

#include "platform/cad/editor/aced_input.h"
#include "platform/win/message_box.h"
#include "plugin/milling/profile_curves.h"
#include "plugin/milling/profile_pick.h"
#include "plugin/shell/param_file.h"
#include "plugin/shell/toolpath_entities.h"
#include "plugin/shell/toolpath_store.h"

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
constexpr int kSaveButton = 3;
constexpr int kLoadButton = 4;

constexpr const char* kBaseName = "Profile";
constexpr const char* kInfoCaption = "Ostrivo message";
constexpr const char* kQuestionCaption = "Message";
constexpr const char* kNotProfileFileText = "윤곽가공 파라메타 파일이 아닙니다.!!!";
constexpr const char* kNoNameText = "공구경로 이름을 입력하시요.!!";

const DialogTemplateRegistration kProfileTemplate(CProfileDlg::IDD,
                                                  {"Profile(윤곽) 공구경로",
                                                   {
                                                       res::EditText(kNameEdit, "공구경로 이름"),
                                                       res::GroupBox(IDC_STATIC, "<< 도형 선택 >>"),
                                                       res::RadioButton(kSingleRadio, "Single", WS_GROUP),
                                                       res::RadioButton(kChainRadio, "Chain"),
                                                       res::RadioButton(kWindowRadio, "Window"),
                                                       res::RadioButton(kPolygonRadio, "Polygon"),
                                                       res::PushButton(kPickButton, "선택"),
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
                                                       res::EditText(kRetractHeightEdit, "복귀 높이"),
                                                       res::EditText(kZStartEdit, "Z 시작"),
                                                       res::PushButton(kPickZStartButton, "..."),
                                                       res::EditText(kZDepthEdit, "Z 깊이"),
                                                       res::PushButton(kPickZDepthButton, "..."),
                                                       res::EditText(kZStepoverEdit, "Z Stepover"),
                                                       res::EditText(kZTaperEdit, "Z 경사"),
                                                       res::PushButton(kSaveButton, "저장"),
                                                       res::PushButton(kLoadButton, "불러오기"),
                                                       res::DefPushButton(IDOK, "OK"),
                                                       res::PushButton(IDCANCEL, "Cancel"),
                                                   }});

void ShowInformation(const char* text, const char* caption) {
  ::MessageBox(nullptr, text, caption, MB_OK | MB_ICONINFORMATION);
}

bool AskOkCancel(const char* text) {
  return ::MessageBox(nullptr, text, kQuestionCaption, MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
}

bool IsLiveEntity(const AcDbObjectId& id) { return !id.isNull() && id.isValid() && !id.isErased(); }

// The highlight helpers free the array they are given.
void SetHighlight(const AcDbObjectIdArray& ids, bool on) {
  AcDbObjectIdArray copy = ids;
  on ? HighlightEntities(copy) : UnhighlightEntities(copy);
}

}  // namespace

BEGIN_MESSAGE_MAP(CProfileDlg, CAcUiDialog)
ON_BN_CLICKED(kOnRadio, &CProfileDlg::OnSideOn)
ON_BN_CLICKED(kLeftRadio, &CProfileDlg::OnSideLeft)
ON_BN_CLICKED(kRightRadio, &CProfileDlg::OnSideRight)
ON_BN_CLICKED(kSingleRadio, &CProfileDlg::OnSelectSingle)
ON_BN_CLICKED(kChainRadio, &CProfileDlg::OnSelectChain)
ON_BN_CLICKED(kWindowRadio, &CProfileDlg::OnSelectWindow)
ON_BN_CLICKED(kPolygonRadio, &CProfileDlg::OnSelectPolygon)
ON_BN_CLICKED(kToolButton, &CProfileDlg::OnTool)
ON_BN_CLICKED(kLeadButton, &CProfileDlg::OnLead)
ON_EN_CHANGE(kToolNumberEdit, &CProfileDlg::OnToolNumberChange)
ON_BN_CLICKED(kLengthOffsetCheck, &CProfileDlg::OnLengthOffsetOn)
ON_BN_CLICKED(kPickButton, &CProfileDlg::OnPickEntities)
ON_BN_CLICKED(kPickZStartButton, &CProfileDlg::OnPickZStart)
ON_BN_CLICKED(kPickZDepthButton, &CProfileDlg::OnPickZDepth)
ON_BN_CLICKED(kSaveButton, &CProfileDlg::OnSaveParameters)
ON_BN_CLICKED(kLoadButton, &CProfileDlg::OnLoadParameters)
END_MESSAGE_MAP()

CProfileDlg::CProfileDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) { m_Tool.FormatToolName(); }

void CProfileDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, kPassesEdit, m_Passes);
  DDV_MinMaxInt(pDX, m_Passes, 1, 1000);
  DDX_Text(pDX, kFeedEdit, m_Feed);
  DDV_MinMaxInt(pDX, m_Feed, 1, 100000);
  DDX_Text(pDX, kStepoverEdit, m_Stepover);
  DDV_MinMaxFloat(pDX, m_Stepover, 0.0f, 1000.0f);
  DDX_Text(pDX, kZStepoverEdit, m_ZStepover);
  DDV_MinMaxFloat(pDX, m_ZStepover, 0.0f, 1000.0f);
  DDX_Text(pDX, kZTaperEdit, m_ZTaper);
  DDX_Text(pDX, kZStartEdit, m_ZStart);
  DDX_Text(pDX, kZDepthEdit, m_ZDepth);
  DDX_Text(pDX, kRetractHeightEdit, m_RetractHeight);
  DDX_Text(pDX, kAllowanceEdit, m_Allowance);
  DDX_Text(pDX, kNameEdit, m_ToolpathName);
  DDX_Text(pDX, kSpindleSpeedEdit, m_SpindleSpeed);
  DDX_Check(pDX, kSpindleCheck, m_SpindleOn);
  DDX_Check(pDX, kToolNumberCheck, m_ToolNumberOn);
  DDX_Check(pDX, kLengthOffsetCheck, m_LengthOffsetOn);
  DDX_Text(pDX, kLengthOffsetEdit, m_LengthOffsetNumber);
  DDV_MinMaxInt(pDX, m_LengthOffsetNumber, 0, 9999);
  DDX_Text(pDX, kToolNumberEdit, m_ToolNumber);
  DDV_MinMaxInt(pDX, m_ToolNumber, 0, 9999);
  DDX_Check(pDX, kAbsoluteZCheck, m_AbsoluteZ);
  DDX_Check(pDX, kMiddleStartCheck, m_MiddleStart);
  if (!pDX->m_bSaveAndValidate) SetDlgItemText(kToolButton, m_Tool.m_ToolName);
}

BOOL CProfileDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  CString name;
  if (m_EditMode) {
    m_ToolpathName = m_ExistingName;
    SetDlgItemText(kNameEdit, m_ToolpathName);
  } else if (MakeUniqueToolpathName(kBaseName, name)) {
    m_ToolpathName = name;
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
    ForgetStaleSelection();
    OfferKeptSelection();
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

void CProfileDlg::ForgetStaleSelection() {
  for (const AcDbObjectId& id : m_Selection) {
    if (!IsLiveEntity(id)) {
      m_Selection.setLogicalLength(0);
      return;
    }
  }
}

void CProfileDlg::OfferKeptSelection() {
  if (m_Selection.isEmpty()) return;
  SetHighlight(m_Selection, true);
  if (!AskOkCancel("이미 선택된 Entity를 사용하겠습니까?")) {
    SetHighlight(m_Selection, false);
    m_Selection.setLogicalLength(0);
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
    ShowInformation("외곽 영역이 선택되지 않았습니다!!", kQuestionCaption);
    return;
  }
  CAcUiDialog::OnOK();
}

bool CProfileDlg::CheckAllowance() {
  if (m_Allowance < -(m_Tool.m_Diameter * 0.5)) {
    ShowInformation("가공여유가 공구반경*-1 보다 작을수 없습니다.!!", kInfoCaption);
    return false;
  }
  return true;
}

bool CProfileDlg::CheckToolpathName() {
  CString name = m_ToolpathName;
  name.Trim();
  // A group without a name cannot be found again.
  if (name.IsEmpty()) {
    ShowInformation(kNoNameText, kInfoCaption);
    return false;
  }
  if (m_EditMode) return true;
  return ConfirmToolpathName(m_ToolpathName);
}

bool CProfileDlg::BuildCurvesFromSelection() {
  // Only what is picked now is cut.
  m_Curves.setLogicalLength(0);
  if (m_Selection.isEmpty()) return true;
  if (!BuildProfileCurves(m_Selection, m_Curves)) return false;
  SetHighlight(m_Selection, false);
  return true;
}

void CProfileDlg::OnCancel() {
  SetHighlight(m_Selection, false);
  m_Side = m_ClickedAtOpening.side;
  m_SelectMethod = m_ClickedAtOpening.selectMethod;
  m_LengthOffsetOn = m_ClickedAtOpening.lengthOffsetOn;
  CAcUiDialog::OnCancel();
}

void CProfileDlg::OnSideOn() { m_Side = kProfileOnCurve; }
void CProfileDlg::OnSideLeft() { m_Side = kProfileLeft; }
void CProfileDlg::OnSideRight() { m_Side = kProfileRight; }
void CProfileDlg::OnSelectSingle() { m_SelectMethod = kSelectSingle; }
void CProfileDlg::OnSelectChain() { m_SelectMethod = kSelectChain; }
void CProfileDlg::OnSelectWindow() { m_SelectMethod = kSelectWindow; }
void CProfileDlg::OnSelectPolygon() { m_SelectMethod = kSelectPolygon; }

void CProfileDlg::OnTool() {
  if (m_Tool.DoModal() == IDOK) SetDlgItemText(kToolButton, m_Tool.m_ToolName);
}

void CProfileDlg::OnLead() { m_Lead.DoModal(); }

void CProfileDlg::OnToolNumberChange() {
  if (m_LengthOffsetOn) return;
  CString text;
  GetDlgItemText(kToolNumberEdit, text);
  SetDlgItemText(kLengthOffsetEdit, text);
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

void CProfileDlg::PickZInto(const char* prompt, int editId) {
  BeginEditorCommand();
  ads_point picked = {0.0, 0.0, 0.0};
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(nullptr, prompt, picked) != RTNORM) {
    CancelEditorCommand();
    return;
  }
  CompleteEditorCommand();
  CString text;
  text.Format("%.1f", picked[2]);
  SetDlgItemText(editId, text);
}

void CProfileDlg::OnPickZStart() { PickZInto("\n Z 시작점을 지정하시요 !!", kZStartEdit); }
void CProfileDlg::OnPickZDepth() { PickZInto("\n Z 깊이를 지정하시요 !!", kZDepthEdit); }

void CProfileDlg::OnSaveParameters() {
  // A value the form refuses is not written.
  if (!UpdateData(TRUE)) return;
  CString text;
  WriteParamRecord(text);
  ParamFile::Save(text);
}

void CProfileDlg::OnLoadParameters() {
  // What was typed stays where the file says nothing.
  if (!UpdateData(TRUE)) return;
  CString text;
  if (!ParamFile::Load(kToolpathProfile, kNotProfileFileText, text)) return;
  if (!ReadParamRecord(text)) {
    ShowInformation(kNotProfileFileText, kInfoCaption);
    return;
  }
  UpdateData(FALSE);
  ShowChoices();
  ShowReadOnlyStates();
  // A load is kept like a confirmed sub-dialog: Cancel goes back to it, not before it.
  m_ClickedAtOpening = {m_Side, m_SelectMethod, m_LengthOffsetOn};
}
