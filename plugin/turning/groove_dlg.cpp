#include "plugin/turning/groove_dlg.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/classlib/dialogs/dialog_template.h"
#include "platform/classlib/dialogs/edit.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/groove_lathe_drill_limits.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/tool_number_exchange.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_profile.h"

namespace {

constexpr int kNameEdit = 200;
constexpr int kToolButton = 271;
constexpr int kToolNumberEdit = 322;
constexpr int kLengthOffsetEdit = 323;
constexpr int kToolNumberCheck = 324;
constexpr int kLengthOffsetCheck = 325;
constexpr int kSpindleCheck = 328;
constexpr int kPickButton = 359;
constexpr int kSpindleEdit = 366;
constexpr int kFeedEdit = 367;
constexpr int kStartXEdit = 370;
constexpr int kStartYEdit = 371;
constexpr int kPickStartButton = 373;
constexpr int kSingleRadio = 391;
constexpr int kPolygonRadio = 394;
constexpr int kZReturnEdit = 432;
constexpr int kOuterCheck = 442;
constexpr int kAllowanceEdit = 4014;
constexpr int kSafetyEdit = 4015;
constexpr int kStepoverEdit = 4016;

DialogTemplate GrooveTemplate() {
  return {"선반 Groove",
          JoinControls({
              {res::EditText(kNameEdit, "공구경로 이름")},
              {res::GroupBox(IDC_STATIC, "<< 경계 선택 >>"), res::RadioButton(kSingleRadio, "Single", WS_GROUP),
               res::RadioButton(kSingleRadio + 1, "Chain"), res::RadioButton(kSingleRadio + 2, "Window"),
               res::RadioButton(kPolygonRadio, "Polygon"), res::PushButton(kPickButton, "선택")},
              {res::Text(IDC_STATIC, "공구"), res::PushButton(kToolButton, ""),
               res::CheckBox(kToolNumberCheck, "번호"), res::EditText(kToolNumberEdit, ""),
               res::CheckBox(kLengthOffsetCheck, "장보정"), res::EditText(kLengthOffsetEdit, ""),
               res::CheckBox(kSpindleCheck, "주축회전수"), res::EditText(kSpindleEdit, ""),
               res::EditText(kFeedEdit, "Feed"), res::EditText(kStartXEdit, "시작점 X :"),
               res::EditText(kStartYEdit, "Y:"), res::PushButton(kPickStartButton, "선택"),
               res::EditText(kAllowanceEdit, "가공여유"), res::EditText(kStepoverEdit, "Stepover"),
               res::EditText(kSafetyEdit, "안전거리"), res::EditText(kZReturnEdit, "Z 복귀"),
               res::CheckBox(kOuterCheck, "외경 가공"), res::DefPushButton(IDOK, "OK"),
               res::PushButton(IDCANCEL, "Cancel")},
          })};
}

const DialogTemplateRegistration kGrooveTemplate(CGrooveDlg::IDD, GrooveTemplate());

}  // namespace

BEGIN_MESSAGE_MAP(CGrooveDlg, CAcUiDialog)
ON_BN_CLICKED(kPickButton, &CGrooveDlg::OnPickProfile)
ON_CONTROL_RANGE(BN_CLICKED, kSingleRadio, kPolygonRadio, &CGrooveDlg::OnSelectMethod)
ON_BN_CLICKED(kPickStartButton, &CGrooveDlg::OnPickStartPoint)
ON_BN_CLICKED(kLengthOffsetCheck, &CGrooveDlg::OnLengthOffsetOn)
ON_BN_CLICKED(kToolButton, &CGrooveDlg::OnGrooveTool)
END_MESSAGE_MAP()

CGrooveDlg::CGrooveDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {}

void CGrooveDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  const GrooveLimits& L = kGrooveLimits;
  DDX_Text(pDX, kNameEdit, m_ToolpathName);
  ExchangeToolNumberFields(pDX, {kToolNumberCheck, kToolNumberEdit, kLengthOffsetCheck, kLengthOffsetEdit},
                           {m_ToolNumberOn, m_ToolNumber, m_LengthOffsetOn, m_LengthOffsetNumber}, L.tool);
  DDX_Check(pDX, kSpindleCheck, m_SpindleOn);
  DDX_Limited(pDX, kSpindleEdit, m_SpindleSpeed, L.spindleSpeed);
  DDX_Limited(pDX, kFeedEdit, m_Feed, L.feed);
  DDX_Limited(pDX, kStartXEdit, m_StartX, L.startX);
  DDX_Limited(pDX, kStartYEdit, m_StartY, L.startY);
  DDX_Limited(pDX, kAllowanceEdit, m_Allowance, L.allowance);
  DDX_Limited(pDX, kStepoverEdit, m_Stepover, L.stepover);
  DDX_Limited(pDX, kSafetyEdit, m_SafetyDistance, L.safetyDistance);
  DDX_Limited(pDX, kZReturnEdit, m_ZReturn, L.zReturn);
  DDX_Check(pDX, kOuterCheck, m_OuterOn);
}

BOOL CGrooveDlg::OnInitDialog() {
  m_ToolAtOpening.m_ToolName = m_GrooveTool.m_ToolName;
  m_ToolAtOpening.m_Width = m_GrooveTool.m_Width;
  m_ToolAtOpening.m_NoseRadius = m_GrooveTool.m_NoseRadius;
  m_ToolAtOpening.m_Size3 = m_GrooveTool.m_Size3;
  m_ToolAtOpening.m_Length = m_GrooveTool.m_Length;
  m_ToolAtOpening.m_Size5 = m_GrooveTool.m_Size5;
  m_MethodAtOpening = m_SelectMethod;
  m_LengthOffsetAtOpening = m_LengthOffsetOn;
  CAcUiDialog::OnInitDialog();
  CString name;
  if (!m_Regenerate && MakeUniqueToolpathName("Groove", name)) m_ToolpathName = name;
  SetDlgItemText(kNameEdit, m_ToolpathName);
  ShowSelectMethod();
  SetControlReadOnly(*this, kLengthOffsetEdit, !m_LengthOffsetOn);
  SetDlgItemText(kToolButton, m_GrooveTool.m_ToolName);
  OfferKeptSelection(m_Selection);
  return TRUE;
}

void CGrooveDlg::ShowSelectMethod() {
  if (m_SelectMethod >= 1 && m_SelectMethod <= 4) {
    CheckRadioButton(kSingleRadio, kPolygonRadio, kSingleRadio + m_SelectMethod - 1);
  }
}

void CGrooveDlg::OnPickProfile() {
  if (m_Regenerate) return;
  BeginEditorCommand();
  SelectLatheProfile(m_Selection, m_SelectMethod);
  CompleteEditorCommand();
  ShowSelectMethod();
}

void CGrooveDlg::OnSelectMethod(UINT id) { m_SelectMethod = static_cast<int>(id) - kSingleRadio + 1; }

void CGrooveDlg::OnPickStartPoint() {
  PickXYIntoEdits(*this, "\n 공구경로 시적점을 선택하시요.", kStartXEdit, kStartYEdit);
}

void CGrooveDlg::OnLengthOffsetOn() {
  m_LengthOffsetOn = IsDlgButtonChecked(kLengthOffsetCheck) ? 1 : 0;
  SetControlReadOnly(*this, kLengthOffsetEdit, !m_LengthOffsetOn);
}

void CGrooveDlg::OnGrooveTool() {
  if (m_GrooveTool.DoModal() == IDOK) SetDlgItemText(kToolButton, m_GrooveTool.m_ToolName);
}

// The chained list holds only what this OK chained: a polyline left from an
// earlier run is never machined again.
bool CGrooveDlg::ChainPickedProfile() {
  m_Chained.setLogicalLength(0);
  if (m_Selection.isEmpty()) return true;
  for (const AcDbObjectId& id : m_Selection) {
    if (!IsLiveEntity(id)) {
      m_Selection.setLogicalLength(0);
      return true;
    }
  }
  if (!ChainLatheProfile(m_Selection, m_Chained)) {
    ShowFormInformation(MsgGrooveProfileNotChained, kFormQuestionCaption);
    return false;
  }
  SetEntitiesHighlight(m_Selection, false);
  return true;
}

void CGrooveDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (!AcceptToolpathName(m_ToolpathName, !m_Regenerate)) return;
  if (!ChainPickedProfile()) return;
  if (m_Chained.isEmpty()) {
    ShowFormInformation("외곽 영역이 선택되지 않았습니다!!", kFormQuestionCaption);
    return;
  }
  EndDialog(IDOK);
}

void CGrooveDlg::OnCancel() {
  SetEntitiesHighlight(m_Selection, false);
  m_GrooveTool.m_ToolName = m_ToolAtOpening.m_ToolName;
  m_GrooveTool.m_Width = m_ToolAtOpening.m_Width;
  m_GrooveTool.m_NoseRadius = m_ToolAtOpening.m_NoseRadius;
  m_GrooveTool.m_Size3 = m_ToolAtOpening.m_Size3;
  m_GrooveTool.m_Length = m_ToolAtOpening.m_Length;
  m_GrooveTool.m_Size5 = m_ToolAtOpening.m_Size5;
  m_SelectMethod = m_MethodAtOpening;
  m_LengthOffsetOn = m_LengthOffsetAtOpening;
  CAcUiDialog::OnCancel();
}
