// MergePL: the union outline of two closed polylines that overlap, as new
// polylines beside the two picked ones.
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/geometry/polyline/polyline_merge.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

// A closed lightweight polyline, or false (after saying so) for anything else.
bool PickClosedPolyline(const char* prompt, AcDbObjectId& id) {
  ads_name name = {0, 0};
  ads_point picked = {0.0, 0.0, 0.0};
  if (acedEntSel(prompt, name, picked) != RTNORM || acdbGetObjectId(id, name) != Acad::eOk) return false;
  if (GetEntityKind(id) == kEntityPolyline && IsClosedCurve(id)) return true;
  acutPrintf("\n 닫힌 Polyline이 아닙니다.");
  return false;
}

}  // namespace

void MergePLCommand() {
  AcDbObjectId first;
  AcDbObjectId second;
  if (!PickClosedPolyline("Select Polyline 1", first) || !PickClosedPolyline("Select Polyline 2", second)) return;
  // A polyline overlaps itself everywhere; its union is itself, which is no merge.
  if (first == second) {
    acutPrintf("%s", MsgMergeSamePolyline.GetString());
    return;
  }
  AcDbObjectIdArray merged;
  if (!MergeClosedPolylines(first, second, merged)) {
    acutPrintf("\n 두 Polyline은 겹치지 않아 합칠 수 없습니다.");
    return;
  }
  acutPrintf("\n 합쳐진 Polyline %d개를 만들었습니다.", merged.length());
}
