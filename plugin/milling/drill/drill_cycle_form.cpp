#include "plugin/milling/drill/drill_cycle_form.h"

#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/form_controls.h"
#include "plugin/geometry/forms/operation_limits.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/classlib/dialogs/combo_box.h"
#include "platform/classlib/dialogs/edit.h"
#include "plugin/geometry/forms/tool_number_exchange.h"
#include "plugin/milling/drill/drill_control_ids.h"
#include "plugin/milling/drill/drill_form_controls.h"
#include "plugin/milling/drill/drill_point_picker.h"
#include "plugin/milling/drill/point_ordering.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

using namespace drill_ids;

namespace {

constexpr double kDuplicatePointDistance = 0.01;

constexpr const char* kBuiltInCycles[kCycleFirstUser] = {
    "드릴-카운터보링", "펙 드릴", "칩 블레이크", "텝", "보링(Feed out)", "보링(Stop spindle)", "보링(Shift)",
};

constexpr int kStartEdits[] = {kStartXEdit, kStartYEdit, kStartZEdit};

// The highlight helpers free the array they are given.
void SetHighlight(AcDbObjectIdArray ids, bool on) {
  if (on) {
    HighlightEntities(ids);
  } else {
    UnhighlightEntities(ids);
  }
}

}  // namespace

BEGIN_MESSAGE_MAP(CDrillCycleForm, CAcUiDialog)
ON_CBN_SELCHANGE(kCycleCombo, &CDrillCycleForm::OnCycleChange)
ON_BN_CLICKED(kSelectButton, &CDrillCycleForm::OnSelectPoints)
ON_CONTROL_RANGE(BN_CLICKED, kFirstModeRadio, kLastModeRadio, &CDrillCycleForm::OnPointMode)
ON_BN_CLICKED(kPickStartButton, &CDrillCycleForm::OnPickStartPoint)
ON_BN_CLICKED(kStartPointCheck, &CDrillCycleForm::OnStartPointOn)
ON_BN_CLICKED(kToolButton, &CDrillCycleForm::OnDrillTool)
ON_BN_CLICKED(kTipButton, &CDrillCycleForm::OnDrillTip)
ON_BN_CLICKED(kTipCheck, &CDrillCycleForm::OnTipCompensationOn)
ON_BN_CLICKED(kAutoSelectCheck, &CDrillCycleForm::OnAutoSelect)
ON_BN_CLICKED(kSortButton, &CDrillCycleForm::OnSortPoints)
ON_EN_CHANGE(kToolNumberEdit, &CDrillCycleForm::OnToolNumberChange)
ON_BN_CLICKED(kLengthOffsetCheck, &CDrillCycleForm::OnLengthOffsetOn)
END_MESSAGE_MAP()

CDrillCycleForm::CDrillCycleForm(UINT idd, CWnd* pParent) : CAcUiDialog(idd, pParent) {}

std::vector<ControlTemplate> CDrillCycleForm::CycleControls() {
  return JoinControls({
      {
          res::EditText(kNameEdit, "공구경로 이름"),
          res::RadioButton(kFirstModeRadio, "좌표", WS_GROUP),
          res::RadioButton(kFirstModeRadio + 1, "원, 호"),
          res::RadioButton(kFirstModeRadio + 2, "Window"),
          res::RadioButton(kFirstModeRadio + 3, "Polygon"),
          res::RadioButton(kLastModeRadio, "All"),
          res::PushButton(kSelectButton, "선택"),
          res::CheckBox(kAutoSelectCheck, "자동선택"),
          res::CheckBox(kCirclesOnlyCheck, "원만 선택"),
          res::PushButton(kSortButton, "정렬"),
          res::Text(IDC_STATIC, "공구"),
          res::PushButton(kToolButton, ""),
          res::CheckBox(kToolNumberCheck, "번호"),
          res::EditText(kToolNumberEdit, ""),
          res::CheckBox(kLengthOffsetCheck, "장보정"),
          res::EditText(kLengthOffsetEdit, ""),
          res::ComboBox(kCycleCombo, "가공 싸이클", CBS_DROPDOWNLIST),
          res::GroupBox(IDC_STATIC, "<< Z 값 설정 >>"),
          res::EditText(kRetractEdit, "복귀 높이"),
          res::CheckBox(kRetractRelativeCheck, "상대값"),
          res::EditText(kZStartEdit, "Z 시작"),
          res::CheckBox(kZStartRelativeCheck, "상대값"),
          res::EditText(kZDepthEdit, "Z 깊이"),
          res::CheckBox(kZDepthRelativeCheck, "상대값"),
      },
      DrillCycleValueControls(),
      {
          res::EditText(kStartZEdit, "Z:"),
          res::PushButton(kPickStartButton, "...."),
      },
  });
}

void CDrillCycleForm::ExchangeCycleFields(CDataExchange* pDX, float zStartMin) {
  DDX_Text(pDX, kNameEdit, m_ToolpathName);
  ExchangeToolNumberFields(pDX, {kToolNumberCheck, kToolNumberEdit, kLengthOffsetCheck, kLengthOffsetEdit},
                           {m_ToolNumberOn, m_ToolNumber, m_LengthOffsetOn, m_LengthOffsetNumber}, kDrillLimits.tool);
  DDX_Limited(pDX, kRetractEdit, m_RetractHeight, kDrillLimits.retractHeight);
  DDX_Check(pDX, kSpindleCheck, m_SpindleOn);
  DDX_Limited(pDX, kSpindleEdit, m_SpindleSpeed, kDrillLimits.spindleSpeed);
  DDX_Limited(pDX, kFeedEdit, m_Feed, kDrillLimits.feed);
  DDX_Limited(pDX, kFirstPeckEdit, m_FirstPeck, kDrillLimits.firstPeck);
  DDX_Limited(pDX, kPeckReturnEdit, m_PeckReturn, kDrillLimits.peckReturn);
  DDX_Limited(pDX, kZDepthEdit, m_ZDepth, kDrillLimits.zDepth);
  DDX_Text(pDX, kZStartEdit, m_ZStart);
  DDV_MinMaxFloat(pDX, m_ZStart, zStartMin, static_cast<float>(kDrillLimits.zStart.most));
  DDX_Limited(pDX, kDwellEdit, m_Dwell, kDrillLimits.dwell);
  DDX_Limited(pDX, kShiftEdit, m_Shift, kDrillLimits.shift);
  DDX_Limited(pDX, kNextPeckEdit, m_NextPeck, kDrillLimits.nextPeck);
  DDX_Check(pDX, kStartPointCheck, m_StartPointOn);
  DDX_Limited(pDX, kStartXEdit, m_StartX, kDrillLimits.startX);
  DDX_Limited(pDX, kStartYEdit, m_StartY, kDrillLimits.startY);
  DDX_Limited(pDX, kStartZEdit, m_StartZ, kDrillLimits.startZ);
  DDX_Check(pDX, kTipCheck, m_TipCompensationOn);
  DDX_Check(pDX, kRetractRelativeCheck, m_RetractRelative);
  DDX_Check(pDX, kZDepthRelativeCheck, m_ZDepthRelative);
  DDX_Check(pDX, kZStartRelativeCheck, m_ZStartRelative);
  DDX_Check(pDX, kAutoSelectCheck, m_AutoSelect);
  DDX_Check(pDX, kCirclesOnlyCheck, m_CirclesOnly);
}

void CDrillCycleForm::ShowCycleForm() {
  if (auto* cycles = static_cast<CComboBox*>(GetDlgItem(kCycleCombo))) {
    cycles->ResetContent();
    for (const char* text : kBuiltInCycles) cycles->AddString(text);
    for (const CString& name : ConfigurationSettings().UserCycleName) cycles->AddString(name);
    cycles->SetCurSel(m_CycleIndex);
  }
  ApplyCycleStates();
  ShowPointMode();
  SetControlReadOnly(*this, kLengthOffsetEdit, !m_LengthOffsetOn);
  m_DrillTool.UpdateToolName();
  SetDlgItemText(kToolButton, m_DrillTool.m_ToolName);
  ShowStartPointStates();
}

void CDrillCycleForm::ShowPointMode() {
  if (m_PointMode >= kFirstModeRadio && m_PointMode <= kLastModeRadio) {
    CheckRadioButton(kFirstModeRadio, kLastModeRadio, m_PointMode);
  }
}

void CDrillCycleForm::ShowStartPointStates() {
  for (int id : kStartEdits) SetControlReadOnly(*this, id, !m_StartPointOn);
}

void CDrillCycleForm::SetCycleFieldsEditable(bool pecks, bool chipBreak, bool dwell, bool shift) {
  for (int id : {kFirstPeckEdit, kNextPeckEdit, kPeckReturnEdit}) SetControlReadOnly(*this, id, !pecks);
  SetControlReadOnly(*this, kChipBreakEdit, !chipBreak);
  SetControlReadOnly(*this, kDwellEdit, !dwell);
  SetControlReadOnly(*this, kShiftEdit, !shift);
}

void CDrillCycleForm::KeepClickedValues() {
  m_ClickedAtOpening = {m_PointMode, m_CycleIndex, m_StartPointOn, m_TipCompensationOn, m_AutoSelect, m_LengthOffsetOn};
}

void CDrillCycleForm::RestoreClickedValues() {
  m_PointMode = m_ClickedAtOpening.pointMode;
  m_CycleIndex = m_ClickedAtOpening.cycleIndex;
  m_StartPointOn = m_ClickedAtOpening.startPointOn;
  m_TipCompensationOn = m_ClickedAtOpening.tipCompensationOn;
  m_AutoSelect = m_ClickedAtOpening.autoSelect;
  m_LengthOffsetOn = m_ClickedAtOpening.lengthOffsetOn;
}

void CDrillCycleForm::AddHoleCircles() {
  m_CircleIds.setLogicalLength(0);
  const double radius = m_DrillTool.m_Diameter * 0.5;
  for (int i = 0; i < m_Points.length(); ++i) {
    const AcDbObjectId id = AddCircle(m_Points[i], radius);
    if (!id.isNull()) m_CircleIds.append(id);
  }
}

void CDrillCycleForm::HighlightHeldCircles(bool on) const { SetHighlight(ShownCirclesAtPoints(m_Points), on); }

void CDrillCycleForm::OnCycleChange() {
  if (auto* cycles = static_cast<CComboBox*>(GetDlgItem(kCycleCombo))) m_CycleIndex = cycles->GetCurSel();
  ApplyCycleStates();
}

void CDrillCycleForm::OnSelectPoints() {
  if (!CanPickPoints() || !UpdateData(TRUE)) return;
  BeginEditorCommand();
  if (PickDrillPoints(m_Points, m_PointMode, m_AutoSelect, m_CirclesOnly)) {
    RemoveNearbyDuplicates(m_Points, kDuplicatePointDistance);
  }
  CompleteEditorCommand();
  // A keyword answer may have changed the mode.
  ShowPointMode();
}

void CDrillCycleForm::OnPointMode(UINT id) {
  m_PointMode = static_cast<int>(id);
  ShowPointMode();
}

void CDrillCycleForm::OnPickStartPoint() {
  BeginEditorCommand();
  ads_point picked = {0.0, 0.0, 0.0};
  if (acedGetPoint(nullptr, "\n 공구경로 시적점을 선택하시요.", picked) != RTNORM) {
    CancelEditorCommand();
    return;
  }
  CompleteEditorCommand();
  for (int i = 0; i < 3; ++i) {
    CString text;
    text.Format("%.3f", picked[i]);
    SetDlgItemText(kStartEdits[i], text);
  }
}

void CDrillCycleForm::OnStartPointOn() {
  m_StartPointOn = IsDlgButtonChecked(kStartPointCheck) ? 1 : 0;
  ShowStartPointStates();
}

void CDrillCycleForm::OnDrillTool() { RunDrillToolDialog(*this, m_DrillTool, m_DrillTip, kToolButton); }

void CDrillCycleForm::ShowTipDialog() { m_DrillTip.ShowFor(m_DrillTool.m_Diameter); }

void CDrillCycleForm::OnDrillTip() { ShowTipDialog(); }

void CDrillCycleForm::OnTipCompensationOn() {
  ToggleTipCompensation(*this, kTipCheck, m_TipCompensationOn, m_DrillTip, m_DrillTool);
}

void CDrillCycleForm::OnAutoSelect() { m_AutoSelect = IsDlgButtonChecked(kAutoSelectCheck) ? 1 : 0; }

void CDrillCycleForm::OnSortPoints() {
  if (m_PointSort.DoModal() == IDOK) OrderDrillPoints(m_Points, m_PointSort.m_SortMethod, m_PointSort.m_SortToler);
}

void CDrillCycleForm::OnToolNumberChange() {
  CopyToolNumberWhileNoOffset(*this, m_LengthOffsetOn, kToolNumberEdit, kLengthOffsetEdit);
}

void CDrillCycleForm::OnLengthOffsetOn() {
  m_LengthOffsetOn = IsDlgButtonChecked(kLengthOffsetCheck) ? 1 : 0;
  SetControlReadOnly(*this, kLengthOffsetEdit, !m_LengthOffsetOn);
}
