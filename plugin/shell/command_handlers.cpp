#include "plugin/shell/command_handlers.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/toolpaths/tool_path_info_report.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

// Makes a region of the picked curve and takes it away again: a check that the
// modeler accepts the curve, which leaves the drawing as it was.
void TestCommand() {
  ads_name name = {0, 0};
  ads_point picked = {0.0, 0.0, 0.0};
  if (acedEntSel("\nPolyline을 선택하시요, ", name, picked) != RTNORM) return;
  AcDbObjectId curveId;
  if (acdbGetObjectId(curveId, name) != Acad::eOk) return;
  AcDbObjectId regionId;
  if (!CreateRegionsFromCurves(curveId, regionId)) {
    acutPrintf("\n선택한 도형으로 영역을 만들 수 없습니다.");
    return;
  }
  EraseObject(regionId);
}
void Test2Command() { ShowToolPathInfoOfPick(); }
