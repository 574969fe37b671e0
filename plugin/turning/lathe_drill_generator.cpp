#include "plugin/turning/lathe_drill_generator.h"

#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/drill_tool_markers.h"
#include "plugin/shell/toolpaths/kept_moves.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_drill_dlg.h"

namespace {

constexpr const char* kCannotGenerateText = "\n 선반 드릴 공구경로를 생성할 수 없습니다..";

void DrawMoves(const CLatheDrillDlg& d, KeptMoves& moves) {
  const double r = LatheDrillReturnX(d);
  const double s = LatheDrillSafetyX(d);
  AcGePoint3d at(r, 0.0, 0.0);
  if (d.m_StartPointOn) {
    const AcGePoint3d start(d.m_StartX, d.m_StartY, 0.0);
    moves.Rapid(start, start);
    at = AcGePoint3d(r, d.m_StartY, 0.0);
    moves.Rapid(start, at);
  }
  const double y = at.y;
  // The marked rapid tells the posts that the drilling cycle starts at its end.
  moves.Rapid(at, AcGePoint3d(s, y, 0.0), true);
  moves.Feed(AcGePoint3d(s, y, 0.0), AcGePoint3d(LatheDrillEndX(d), y, 0.0), d.m_Feed);
  const AcDbObjectId back = moves.Rapid(AcGePoint3d(s, y, 0.0), AcGePoint3d(r, y, 0.0));
  if (!back.isNull()) SetEntityVisibility(back, 0);
}

// Cycle marker, tool markers, spindle marker, then the moves: the order the posts read.
bool AddMarkers(const CLatheDrillDlg& d, const AcDbObjectIdArray& moves, AcDbObjectIdArray& path) {
  AcDbObjectIdArray toolMarkers;
  const bool toolsMarked = AddLatheDrillToolMarkers(toolMarkers, d.m_DrillTool, d.m_ToolNumberOn, d.m_ToolNumber,
                                                    d.m_LengthOffsetOn, d.m_LengthOffsetNumber, moves.first()) == 1;
  path.setLogicalLength(0);
  return AppendDrillCycleMarkers(toolsMarked, toolMarkers, d.m_SpindleSpeed, moves, path);
}

bool Fail(AcDbObjectIdArray& made) {
  EraseEntityArray(made);
  acutPrintf("%s", kCannotGenerateText);
  return false;
}

}  // namespace

double LatheDrillReturnX(const CLatheDrillDlg& d) {
  return d.m_ReturnAbsolute ? d.m_ReturnHeight : static_cast<double>(d.m_ReturnHeight) + d.m_DrillPoint;
}

double LatheDrillSafetyX(const CLatheDrillDlg& d) {
  return d.m_SafetyAbsolute ? d.m_SafetyDistance : static_cast<double>(d.m_SafetyDistance) + d.m_DrillPoint;
}

double LatheDrillEndX(const CLatheDrillDlg& d) {
  double end = d.m_DrillDepth;
  if (d.m_TipCompensationOn) end -= static_cast<double>(d.m_DrillTip.m_ThroughLength) + d.m_DrillTip.m_TipLength;
  return end;
}

bool CreateLatheDrillToolpath(CLatheDrillDlg& dlg) {
  dlg.m_DrillTip.m_ToolDiameter = dlg.m_DrillTool.m_Diameter;
  dlg.m_DrillTip.UpdateTipLength();
  KeptMoves moves;
  DrawMoves(dlg, moves);
  if (moves.failed() || moves.ids().isEmpty()) return Fail(moves.ids());
  AcDbObjectIdArray path;
  if (!AddMarkers(dlg, moves.ids(), path)) return Fail(path);
  CString record;
  dlg.WriteParamRecord(record);
  ReplaceAgreedToolpath(dlg.m_ToolpathName);
  AcDbObjectIdArray stored = path;
  if (!CreateToolpathGroup(dlg.m_ToolpathName, record, stored) || !IsToolpathGroupName(dlg.m_ToolpathName)) {
    return Fail(path);
  }
  return true;
}
