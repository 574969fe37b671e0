// SolOff: a copy of a picked solid with every face moved out (or in).
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

void SolOffCommand() {
  ads_name name = {0, 0};
  ads_point picked = {0.0, 0.0, 0.0};
  AcDbObjectId solid;
  if (acedEntSel("\nSolid를 선택하시요, ", name, picked) != RTNORM || acdbGetObjectId(solid, name) != Acad::eOk) {
    return;
  }
  if (GetEntityKind(solid) != kEntity3dSolid) {
    acutPrintf("\n Solid가 아닙니다.");
    return;
  }
  double distance = 0.0;
  if (acedGetReal("\nOffset 길이를 입력하시요.", &distance) != RTNORM) return;
  AcDbObjectId copy;
  if (!OffsetSolidCopy(solid, distance, copy)) acutPrintf("\n Solid를 %.3f만큼 Offset할 수 없습니다.", distance);
}
