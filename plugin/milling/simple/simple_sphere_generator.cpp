#include "plugin/milling/simple/simple_sphere_generator.h"

#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/passes/lead_moves.h"
#include "plugin/geometry/passes/pass_geometry.h"
#include "plugin/milling/simple/simple_cycle_outlines.h"
#include "plugin/milling/simple/simple_cycle_tail.h"
#include "plugin/milling/simple/simple_shape_leads.h"
#include "plugin/milling/simple/simple_sphere_dlg.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/settings/message_table.h"

namespace {

constexpr const char* kNoMovesText = "\n 잔삭 공구경로를 생성할 수 없습니다..";

// Down-cut runs a bowl counter-clockwise and a dome clockwise; up-cut the other way.
bool RunsClockwise(const CSimpleSphereDlg& dlg) {
  const bool upCut = dlg.m_CutDirection == kSphereUpCut;
  return dlg.m_Form == kSphereCavity ? upCut : !upCut;
}

// Inside a bowl's circle the leads are cut to 0.75 x its radius where they reach it.
void FitCavityLeads(const CLeadInOutDlg& lead, double radius, CLeadInOutDlg& fitted) {
  ScaleLeadMoves(lead, 1.0, fitted);
  const float cap = static_cast<float>(0.75 * radius);
  for (float* size :
       {&fitted.m_EntryArcRadius, &fitted.m_EntryLineLength, &fitted.m_ExitArcRadius, &fitted.m_ExitLineLength}) {
    if (*size >= radius) *size = cap;
  }
}

bool AddCircle(const CSimpleSphereDlg& dlg, const SphereToolCircle& circle, AcDbObjectIdArray& cuts) {
  std::vector<PolylineVertex> loop;
  OutlineVertices out(loop);
  AddCircleOutline(out, dlg.m_CentreX, dlg.m_CentreY, circle.radius);
  const AcDbObjectId id = AddPolylineOfVertices(loop, circle.z, false);
  if (id.isNull()) return false;
  cuts.append(id);
  if (RunsClockwise(dlg) && !ReversePolyline(id)) return false;
  if (dlg.m_Form != kSphereCavity) return AddLeadMoves(dlg.m_Lead, id);
  CLeadInOutDlg capped, fitted;
  FitCavityLeads(dlg.m_Lead, circle.radius, capped);
  // Arc and line together must not reach across the circle to the far wall either.
  FitLeadMovesInside(capped, circle.radius, fitted);
  return AddLeadMoves(fitted, id);
}

}  // namespace

void CreateSimpleSphereToolpath(CSimpleSphereDlg& dlg) {
  if (dlg.m_FinishOn == 0) {
    RefuseSimpleCycleRun(MsgSphereFinishingOff);
    return;
  }
  const SimpleSphereShape shape = SimpleSphereShapeOf(dlg);
  double step = 0.0;
  if (!SimpleCycleRunFits(dlg, 1, SphereAngleSteps(shape, step))) return;
  const std::vector<SphereToolCircle> circles = SphereToolCircles(shape);
  if (circles.empty()) {
    acutPrintf("%s", kNoMovesText);
    ReportToolpathNotStored(dlg.m_ToolpathName);
    return;
  }
  dlg.m_Lead.m_DefaultFeed = dlg.m_Feed;
  dlg.m_Lead.m_Side = static_cast<BYTE>(dlg.m_CutDirection);
  SimpleCycleEntities cuts;
  for (const SphereToolCircle& circle : circles) {
    if (!AddCircle(dlg, circle, cuts.ids())) {
      ReportToolpathNotStored(dlg.m_ToolpathName);
      return;
    }
  }
  AcDbObjectIdArray moves;
  if (!LinkSimpleCycleCuts(cuts.ids(), dlg.m_Lead, dlg, moves)) {
    ReportToolpathNotStored(dlg.m_ToolpathName);
    return;
  }
  StoreSimpleCycleToolpath(dlg, moves);
}
