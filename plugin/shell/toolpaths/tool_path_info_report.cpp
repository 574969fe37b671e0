#include "plugin/shell/toolpaths/tool_path_info_report.h"

#include "platform/cad/editor/aced_status.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/shell/toolpaths/tool_path_info.h"

void PrintToolPathInfo(const CToolPathInfo& info) {
  acutPrintf("\nType = %d", static_cast<int>(info.kind()));
  if (info.kind() == CToolPathInfo::kToolInformation) {
    acutPrintf("\nToolType = %d", static_cast<int>(info.toolType()));
    acutPrintf("\nToolNum = %d", static_cast<int>(info.firstNumber()));
    acutPrintf("\nToolLenNum = %d", static_cast<int>(info.secondNumber()));
    acutPrintf("\nToolDia = %.2lf", info.diameter());
    acutPrintf("\nToolLen = %.2lf", info.length());
    acutPrintf("\nToolCorRad = %.2lf", info.cornerRadius());
  } else {
    acutPrintf("\nValue = %.3lf", info.value());
  }
  const AcGePoint3d point = info.point();
  acutPrintf("\nStart Point = (%.2lf, %.2lf)", point.x, point.y);
}

void ShowToolPathInfoOfPick() {
  if (!HasToolPathInfoDictionary()) {
    acutPrintf("\nNo OSTRIVO_INFO object dictionary");
    return;
  }
  ads_name name;
  ads_point picked;
  const int result = acedEntSel("\nSelect Window entity ", name, picked);
  if (result == RTCAN) return;
  AcDbObjectId id;
  if (result != RTNORM || acdbGetObjectId(id, name) != Acad::eOk) {
    acutPrintf("\nError selecting Window entity ");
    return;
  }
  OpenedObject<CToolPathInfo> info;
  const Acad::ErrorStatus es = OpenToolPathInfo(id, info);
  if (es == Acad::eKeyNotFound) acutPrintf("\nNot a ToolPathInfo object");
  if (es != Acad::eOk) return;
  PrintToolPathInfo(*info);
}
