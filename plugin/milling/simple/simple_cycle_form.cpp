#include "plugin/milling/simple/simple_cycle_form.h"

#include "platform/classlib/dialogs/edit.h"
#include "plugin/geometry/forms/control_states.h"
#include "plugin/geometry/forms/field_limits.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"

namespace {

const SimpleCycleLimits& L = kSimpleCycleLimits;

}  // namespace

ShapeRectangle ResolveShapeInput(int shapeInputType, const ShapeFields& s) {
  ShapeRectangle r;
  switch (shapeInputType) {
    case kShapeMinimumSize:
      r.width = s.xSize;
      r.height = s.ySize;
      r.cx = s.xMinimum + r.width / 2.0;
      r.cy = s.yMinimum + r.height / 2.0;
      break;
    case kShapeMinimumMaximum:
      r.width = static_cast<double>(s.xMaximum) - s.xMinimum;
      r.height = static_cast<double>(s.yMaximum) - s.yMinimum;
      r.cx = s.xMinimum + r.width / 2.0;
      r.cy = s.yMinimum + r.height / 2.0;
      break;
    default:
      r.cx = s.xCentre;
      r.cy = s.yCentre;
      r.width = s.xSize;
      r.height = s.ySize;
      break;
  }
  return r;
}

void ExchangeShapeFields(CDataExchange* pDX, ShapeFields& s, const ShapeControlIds& ids) {
  DDX_Limited(pDX, ids.xMaximum, s.xMaximum, L.xMaximum);
  DDX_Limited(pDX, ids.xMinimum, s.xMinimum, L.xMinimum);
  DDX_Limited(pDX, ids.xSize, s.xSize, L.xSize);
  DDX_Limited(pDX, ids.yMaximum, s.yMaximum, L.yMaximum);
  DDX_Limited(pDX, ids.yMinimum, s.yMinimum, L.yMinimum);
  DDX_Limited(pDX, ids.ySize, s.ySize, L.ySize);
  DDX_Limited(pDX, ids.xCentre, s.xCentre, L.xCentre);
  DDX_Limited(pDX, ids.yCentre, s.yCentre, L.yCentre);
}

void ShowShapeInputType(CWnd& dlg, int type, const ShapeControlIds& ids) {
  if (type >= kShapeCentreSize && type <= kShapeMinimumMaximum) {
    dlg.CheckRadioButton(ids.firstTypeRadio, ids.firstTypeRadio + 2, ids.firstTypeRadio + type - kShapeCentreSize);
  }
  const bool centre = type == kShapeCentreSize;
  const bool minimum = type != kShapeCentreSize;
  const bool size = type != kShapeMinimumMaximum;
  const bool maximum = type == kShapeMinimumMaximum;
  SetControlReadOnly(dlg, ids.xCentre, !centre);
  SetControlReadOnly(dlg, ids.yCentre, !centre);
  SetControlReadOnly(dlg, ids.xMinimum, !minimum);
  SetControlReadOnly(dlg, ids.yMinimum, !minimum);
  SetControlReadOnly(dlg, ids.xSize, !size);
  SetControlReadOnly(dlg, ids.ySize, !size);
  SetControlReadOnly(dlg, ids.xMaximum, !maximum);
  SetControlReadOnly(dlg, ids.yMaximum, !maximum);
}

std::vector<ControlTemplate> ShapeInputTypeControls(const ShapeControlIds& ids) {
  return {
      res::GroupBox(IDC_STATIC, "<< 변수 Type >>"),
      res::RadioButton(ids.firstTypeRadio, "중심, 크기", WS_GROUP),
      res::RadioButton(ids.firstTypeRadio + 1, "최소, 크기"),
      res::RadioButton(ids.firstTypeRadio + 2, "최소, 최대"),
  };
}

std::vector<ControlTemplate> ShapeFieldControls(const ShapeControlIds& ids) {
  return {
      res::EditText(ids.xCentre, "X 중심"),  res::EditText(ids.yCentre, "Y 중심"),
      res::EditText(ids.xSize, "X 크기"),    res::EditText(ids.ySize, "Y 크기"),
      res::EditText(ids.xMinimum, "X 최소"), res::EditText(ids.yMinimum, "Y 최소"),
      res::EditText(ids.xMaximum, "X 최대"), res::EditText(ids.yMaximum, "Y 최대"),
  };
}

std::vector<ControlTemplate> SimpleCycleToolControls(const SimpleCycleControlIds& ids) {
  return {
      res::PushButton(ids.tool, ""),       res::CheckBox(ids.toolNumberCheck, "번호"),
      res::EditText(ids.toolNumber, ""),   res::CheckBox(ids.lengthOffsetCheck, "장보정"),
      res::EditText(ids.lengthOffset, ""),
  };
}

void InitSimpleCycleForm(CWnd& dlg, SimpleCycleFields& f, const char* nameBase, const SimpleCycleControlIds& ids) {
  if (ProposeToolpathName(f.m_RecordMode != 0, f.m_StoredName, nameBase, f.m_ToolpathName)) {
    dlg.SetDlgItemText(ids.name, f.m_ToolpathName);
  }
  f.m_Tool.FormatToolName();
  dlg.SetDlgItemText(ids.tool, f.m_Tool.m_ToolName);
  SetControlReadOnly(dlg, ids.lengthOffset, f.m_LengthOffsetOn == 0);
}

void ExchangeSimpleCycleFields(CDataExchange* pDX, SimpleCycleFields& f, const SimpleCycleControlIds& ids) {
  DDX_Text(pDX, ids.name, f.m_ToolpathName);
  DDX_Check(pDX, ids.toolNumberCheck, f.m_ToolNumberOn);
  DDX_Limited(pDX, ids.toolNumber, f.m_ToolNumber, L.tool.toolNumber);
  DDX_Check(pDX, ids.lengthOffsetCheck, f.m_LengthOffsetOn);
  DDX_Limited(pDX, ids.lengthOffset, f.m_LengthOffsetNumber, L.tool.lengthOffsetNumber);
  DDX_Limited(pDX, ids.returnHeight, f.m_ReturnHeight, L.returnHeight);
  DDX_Limited(pDX, ids.feed, f.m_Feed, L.feed);
  if (ids.allowance != 0) DDX_Limited(pDX, ids.allowance, f.m_Allowance, L.allowance);
}

void RunToolShapeButton(CWnd& dlg, SimpleCycleFields& f, const SimpleCycleControlIds& ids) {
  RunToolShapeDialog(dlg, f.m_Tool, ids.tool);
}

void FollowToolNumber(CWnd& dlg, const SimpleCycleFields& f, const SimpleCycleControlIds& ids) {
  CopyToolNumberWhileNoOffset(dlg, f.m_LengthOffsetOn, ids.toolNumber, ids.lengthOffset);
}

void ToggleToolNumber(CWnd& dlg, SimpleCycleFields& f, const SimpleCycleControlIds& ids) {
  f.m_ToolNumberOn = dlg.IsDlgButtonChecked(ids.toolNumberCheck) ? 1 : 0;
}

void ToggleLengthOffset(CWnd& dlg, SimpleCycleFields& f, const SimpleCycleControlIds& ids) {
  f.m_LengthOffsetOn = dlg.IsDlgButtonChecked(ids.lengthOffsetCheck) ? 1 : 0;
  SetControlReadOnly(dlg, ids.lengthOffset, f.m_LengthOffsetOn == 0);
}

bool AcceptSimpleCycleName(const SimpleCycleFields& f) {
  return AcceptToolpathName(f.m_ToolpathName, f.m_RecordMode == 0);
}
