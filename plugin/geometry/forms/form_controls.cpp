#include "plugin/geometry/forms/form_controls.h"

std::vector<ControlTemplate> SelectionControls(const SelectionControlIds& ids) {
  return {
      res::GroupBox(IDC_STATIC, "<< 도형 선택 >>"), res::RadioButton(ids.single, "Single", WS_GROUP),
      res::RadioButton(ids.chain, "Chain"),         res::RadioButton(ids.window, "Window"),
      res::RadioButton(ids.polygon, "Polygon"),     res::PushButton(ids.pick, "선택"),
  };
}

std::vector<ControlTemplate> ZRangeControls(const ZRangeControlIds& ids) {
  return {
      res::EditText(ids.retractHeight, "복귀 높이"), res::EditText(ids.zStart, "Z 시작"),
      res::PushButton(ids.pickZStart, "..."),        res::EditText(ids.zDepth, "Z 깊이"),
      res::PushButton(ids.pickZDepth, "..."),
  };
}

std::vector<ControlTemplate> ParameterFileAndCloseButtons() {
  return {
      res::PushButton(kSaveParametersButton, "저장"),
      res::PushButton(kLoadParametersButton, "불러오기"),
      res::DefPushButton(IDOK, "OK"),
      res::PushButton(IDCANCEL, "Cancel"),
  };
}

std::vector<ControlTemplate> JoinControls(std::initializer_list<std::vector<ControlTemplate>> parts) {
  std::vector<ControlTemplate> controls;
  for (const std::vector<ControlTemplate>& part : parts) controls.insert(controls.end(), part.begin(), part.end());
  return controls;
}
