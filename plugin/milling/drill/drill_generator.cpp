#include "plugin/milling/drill/drill_generator.h"

#include <algorithm>

#include "platform/cad/db/db_host_services.h"
#include "platform/cad/editor/input/aced_input.h"
#include "plugin/milling/drill/drill_dlg.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/drill_tool_markers.h"
#include "plugin/shell/toolpaths/kept_moves.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/shell/ucs_helpers.h"

namespace {

constexpr const char* kCannotGenerateText = "\n 드릴 공구경로를 생성할 수 없습니다..";
constexpr double kSamePlace = 0.0001;
constexpr double kStartAboveClearance = 0.1;

// Holes are reached only by moves that go somewhere.
class HoleMoves : public KeptMoves {
 public:
  void RapidIfMoving(const AcGePoint3d& from, const AcGePoint3d& to) {
    if (from.distanceTo(to) > kSamePlace) Rapid(from, to);
  }
};

double ClearanceAt(const CDrillDlg& d, const AcGePoint3d& hole, double clearance) {
  if (d.m_RetractRelative) return std::max(d.m_RetractHeight + hole.z, d.m_ZDepth + hole.z);
  // Absolute heights only ever go up.
  return std::max(clearance, static_cast<double>(d.m_ZStart));
}

// From the start point to above the first hole without going below the
// clearance height: across first when the start is above it, else up first.
AcGePoint3d LeadFromStartPoint(const CDrillDlg& d, const AcGePoint3d& above, HoleMoves& moves) {
  const AcGePoint3d start =
      UcsToWcsPoint(AcGePoint3d(d.m_StartX, d.m_StartY, d.m_StartZ), acdbHostApplicationServices()->workingDatabase());
  const AcGePoint3d corner = start.z - above.z >= kStartAboveClearance ? AcGePoint3d(above.x, above.y, start.z)
                                                                       : AcGePoint3d(start.x, start.y, above.z);
  moves.RapidIfMoving(start, corner);
  moves.RapidIfMoving(corner, above);
  return above;
}

void PositionAbove(const AcGePoint3d& from, const AcGePoint3d& above, HoleMoves& moves) {
  if (from.distanceTo(above) <= kSamePlace) return;
  if (std::abs(above.z - from.z) < kSamePlace) {
    moves.Rapid(from, above, true);
  } else if (above.z > from.z) {
    const AcGePoint3d up(from.x, from.y, above.z);
    moves.Rapid(from, up);
    moves.Rapid(up, above, true);
  } else {
    const AcGePoint3d across(above.x, above.y, from.z);
    moves.Rapid(from, across);
    moves.Rapid(across, above);
  }
}

double HoleBottom(const CDrillDlg& d, const AcGePoint3d& hole) {
  double bottom = d.m_ZDepth + (d.m_ZDepthRelative ? hole.z : 0.0);
  if (d.m_TipCompensationOn) bottom -= d.m_DrillTip.m_ThroughLength + d.m_DrillTip.m_TipLength;
  return bottom;
}

void DrillHoles(const CDrillDlg& d, HoleMoves& moves) {
  double clearance = d.m_RetractHeight;
  AcGePoint3d at;
  for (int i = 0; i < d.m_Points.length() && !moves.failed(); ++i) {
    const AcGePoint3d& hole = d.m_Points[i];
    clearance = ClearanceAt(d, hole, clearance);
    const AcGePoint3d above(hole.x, hole.y, clearance);
    if (i == 0) at = d.m_StartPointOn ? LeadFromStartPoint(d, above, moves) : above;
    PositionAbove(at, above, moves);
    const AcGePoint3d zStart(hole.x, hole.y, d.m_ZStart + (d.m_ZStartRelative ? hole.z : 0.0));
    moves.Rapid(above, zStart, true);
    moves.Feed(zStart, AcGePoint3d(hole.x, hole.y, HoleBottom(d, hole)), d.m_Feed);
    at = above;
  }
}

// Circles, cycle marker, tool markers, spindle marker, moves: the order the post reads.
bool AddMarkers(const CDrillDlg& d, AcDbObjectIdArray& moves, AcDbObjectIdArray& path) {
  AcDbObjectIdArray toolMarkers;
  const bool toolsMarked = AddDrillToolMarkers(toolMarkers, d.m_DrillTool, d.m_ToolNumberOn, d.m_ToolNumber,
                                               d.m_LengthOffsetOn, d.m_LengthOffsetNumber, moves.first()) == 1;
  path = d.m_CircleIds;
  return AppendDrillCycleMarkers(toolsMarked, toolMarkers, d.m_SpindleSpeed, moves, path);
}

bool Fail(AcDbObjectIdArray& made) {
  EraseEntityArray(made);
  acutPrintf("%s", kCannotGenerateText);
  return false;
}

}  // namespace

bool GenerateDrillToolpath(CDrillDlg& dlg) {
  AcDbObjectIdArray circles = dlg.m_CircleIds;
  if (dlg.m_Points.isEmpty()) return Fail(circles);
  HoleMoves moves;
  DrillHoles(dlg, moves);
  if (moves.failed() || moves.ids().isEmpty()) {
    circles.append(moves.ids());
    return Fail(circles);
  }
  AcDbObjectIdArray path;
  if (!AddMarkers(dlg, moves.ids(), path)) return Fail(path);
  CString record;
  dlg.WriteParamRecord(record);
  AcDbObjectIdArray stored = path;
  if (!CreateToolpathGroup(dlg.m_ToolpathName, record, stored) || !IsToolpathGroupName(dlg.m_ToolpathName)) {
    return Fail(path);
  }
  return true;
}

bool ReloadDrillPoints(const char* toolpathName, AcGePoint3dArray& points) {
  points.setLogicalLength(0);
  AcDbObjectIdArray ids;
  if (toolpathName == nullptr || !GetToolpathEntityIds(toolpathName, ids)) return false;
  for (int i = 0; i < ids.length(); ++i) {
    AcGePoint3d centre;
    if (GetEntityKind(ids[i]) == kEntityCircle && GetCircleCenter(ids[i], centre)) points.append(centre);
  }
  return !points.isEmpty();
}
