#include "plugin/milling/pocket_levels.h"

#include <algorithm>
#include <cmath>

#include "platform/cad/curve/box_tree.h"
#include "plugin/geometry/curve_containment.h"
#include "plugin/geometry/plane_geometry.h"
#include "plugin/geometry/polyline_merge.h"
#include "plugin/geometry/polyline_offset.h"
#include "plugin/geometry/polyline_properties.h"
#include "plugin/geometry/tool_shape_dlg.h"
#include "plugin/milling/pocket_dlg.h"
#include "plugin/milling/pocket_plan_paths.h"
#include "plugin/shell/toolpath_entities.h"

namespace {

constexpr double kLeastStep = 0.0001;
constexpr double kLeastOffset = 1e-8;
// Guards the rounding up of a quotient that is whole but for rounding.
constexpr double kWholeSlack = 1e-9;

unsigned char SideOf(const CPocketDlg& dlg) { return dlg.m_CutDirection == 1 ? 0 : 1; }

// The outline at z, moved off by the offset when there is one.
bool OutlineAtLevel(AcDbObjectId source, double offset, double z, unsigned char side, AcDbObjectIdArray& out) {
  if (offset > kLeastOffset) {
    AcDbObjectIdArray loops;
    if (!OffsetPolyline(source, loops, offset, z, side)) return false;
    out.append(loops);
    return true;
  }
  AcDbObjectId copy;
  if (!ClonePolylineAtElevation(source, copy, z)) return false;
  out.append(copy);
  return true;
}

// Pairs of islands whose boxes overlap, without testing every pair.
template <class Visit>
void ForOverlappingPairs(const AcDbObjectIdArray& islands, Visit&& visit) {
  std::vector<curve::Box2> boxes;
  for (const AcDbObjectId& id : islands) boxes.push_back(PlanBoxOf(id));
  const curve::BoxTree tree(boxes);
  for (int a = 0; a < islands.length(); ++a) {
    bool goOn = true;
    tree.queryUntil(boxes[static_cast<std::size_t>(a)], [&](int b) {
      if (b > a) goOn = visit(a, b);
      return goOn;
    });
    if (!goOn) return;
  }
}

void MergeOverlappingIslands(AcDbObjectIdArray& islands) {
  for (int round = 0; round <= islands.length(); ++round) {
    int first = -1, second = -1;
    AcDbObjectIdArray merged;
    ForOverlappingPairs(islands, [&](int a, int b) {
      if (!MergeClosedPolylines(islands[a], islands[b], merged)) return true;
      first = a;
      second = b;
      return false;
    });
    if (first < 0) return;
    EraseObject(islands[first]);
    EraseObject(islands[second]);
    islands.removeAt(second);
    islands.removeAt(first);
    islands.append(merged);
  }
}

void DropEnclosedIslands(AcDbObjectIdArray& islands) {
  std::vector<bool> enclosed(static_cast<std::size_t>(islands.length()), false);
  ForOverlappingPairs(islands, [&](int a, int b) {
    const int verdict = ClassifyCurveContainment(islands[a], islands[b]);
    if (verdict == 1) enclosed[static_cast<std::size_t>(b)] = true;
    if (verdict == -1) enclosed[static_cast<std::size_t>(a)] = true;
    return true;
  });
  for (int i = islands.length() - 1; i >= 0; --i) {
    if (!enclosed[static_cast<std::size_t>(i)]) continue;
    EraseObject(islands[i]);
    islands.removeAt(i);
  }
}

}  // namespace

PocketLevelPlan PlanPocketLevels(double top, double depth, double zStep, int reservedCount, double reservedStep) {
  PocketLevelPlan plan;
  const bool reserved = reservedCount > 0 && reservedStep > 0.0;
  const double roughed = reserved ? depth - reservedCount * reservedStep : depth;
  int count = 0;
  double step = 0.0;
  if (zStep != 0.0) {
    count = static_cast<int>(std::ceil(roughed / zStep - kWholeSlack));
    step = count != 0 ? std::fabs(roughed) / count : 0.0;
  }
  double roughedTotal = count * step;
  if (zStep == 0.0 || std::fabs(step) < kLeastStep) {
    // Reserved layers that take the whole depth leave nothing to rough.
    roughedTotal = std::max(roughed, 0.0);
    if (!reserved || roughedTotal > kLeastStep) plan.levels.push_back(top - roughedTotal);
  } else {
    for (int i = 1; i <= count; ++i) plan.levels.push_back(top - i * step);
  }
  if (reserved) {
    // With nothing roughed the first layer would lie at the top, in the air.
    for (int j = plan.levels.empty() ? 1 : 0; j <= reservedCount; ++j)
      plan.layers.push_back(top - roughedTotal - j * reservedStep);
  }
  return plan;
}

bool PocketDepthRange(const CPocketDlg& dlg, double& top, double& depth) {
  if (dlg.m_AbsoluteZ != 0) {
    top = dlg.m_ZStart;
    depth = std::max(0.0, static_cast<double>(dlg.m_ZStart) - dlg.m_ZDepth);
    return true;
  }
  double elevation = 0.0;
  if (!GetPolylineElevation(dlg.m_Boundary, elevation)) return false;
  top = elevation + dlg.m_ZStart;
  depth = -static_cast<double>(dlg.m_ZDepth);
  return true;
}

double TaperOffset(double taperDegrees, double height, const CToolShapeDlg& tool) {
  const double shape = std::tan((90.0 - taperDegrees) / 2.0 * kDegreeFactor) - 1.0;
  double correction = 0.0;
  if (tool.m_ToolType == 2) correction = shape * tool.m_Diameter / 2.0;
  if (tool.m_ToolType == 3) correction = shape * tool.m_CornerRadius;
  return std::tan(taperDegrees * kDegreeFactor) * height + correction;
}

bool MakeLevelOutlines(const CPocketDlg& dlg, const CToolShapeDlg& tool, double z, AcDbObjectIdArray& boundaries,
                       AcDbObjectIdArray& islands) {
  boundaries.setLogicalLength(0);
  islands.setLogicalLength(0);
  const unsigned char side = SideOf(dlg);
  const double islandTaper = dlg.m_IslandTaperOn != 0 ? dlg.m_IslandTaper : dlg.m_ZTaper;
  for (const AcDbObjectId& island : dlg.m_Islands) {
    double elevation = 0.0;
    if (!GetPolylineElevation(island, elevation)) continue;
    if (dlg.m_IslandZAllowanceOn != 0 && !(elevation > z)) continue;
    const double offset = islandTaper > 0.0 ? TaperOffset(islandTaper, elevation - z, tool) : 0.0;
    OutlineAtLevel(island, offset, z, side, islands);
  }
  double elevation = 0.0;
  if (GetPolylineElevation(dlg.m_Boundary, elevation)) {
    const double offset = dlg.m_ZTaper > 0.0 ? TaperOffset(dlg.m_ZTaper, elevation - z, tool) : 0.0;
    OutlineAtLevel(dlg.m_Boundary, offset, z, side, boundaries);
  }
  MergeOverlappingIslands(islands);
  DropEnclosedIslands(islands);
  if (boundaries.isEmpty()) {
    EraseEntityArray(islands);
    return false;
  }
  return true;
}
