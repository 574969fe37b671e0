#include "plugin/shell/manager/held_dialog_operation.h"

#include "plugin/geometry/tool_shape_dlg.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

void EraseUnstoredCopies(AcDbObjectIdArray& copies, const CString& toolpathName) {
  if (copies.isEmpty()) return;
  AcDbObjectIdArray stored;
  GetToolpathEntityIds(toolpathName, stored);
  for (const AcDbObjectId& id : copies) {
    if (!stored.contains(id)) EraseObject(id);
  }
  copies.setLogicalLength(0);
}

SimulatedTool MillingToolOf(const CToolShapeDlg& shape) {
  SimulatedTool tool;
  tool.name = shape.m_ToolName;
  tool.category = 1;
  tool.shapeType = shape.m_ToolType;
  tool.diameter = shape.m_Diameter;
  tool.secondSize = shape.m_CornerRadius;
  tool.length = shape.m_Length;
  return tool;
}

bool PocketPassToolOf(int pass, const CToolShapeDlg& rough, const CToolShapeDlg& finish, const CToolShapeDlg& rest,
                      SimulatedTool& tool) {
  const CToolShapeDlg* shape = pass == kPocketRoughingPass    ? &rough
                               : pass == kPocketFinishingPass ? &finish
                               : pass == kPocketRestPass      ? &rest
                                                              : nullptr;
  if (shape == nullptr) return false;
  tool = MillingToolOf(*shape);
  return true;
}
