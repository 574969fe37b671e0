#include "plugin/geometry/tool_name.h"

CString ToolName(int toolType, double diameter, double cornerRadius, double length) {
  CString name;
  switch (toolType) {
    case kFlatEndMill:
      name.Format(kFlatEndMillFormat, diameter, length);
      break;
    case kBallEndMill:
      name.Format(kBallEndMillFormat, diameter, diameter / 2.0, length);
      break;
    default:
      name.Format(kRadiusEndMillFormat, diameter, cornerRadius, length);
      break;
  }
  return name;
}

CString DrillToolName(double diameter, double length) {
  CString name;
  name.Format(kDrillFormat, diameter, length);
  return name;
}
