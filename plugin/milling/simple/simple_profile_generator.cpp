#include "plugin/milling/simple/simple_profile_generator.h"

#include <algorithm>

#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/passes/lead_moves.h"
#include "plugin/geometry/passes/pass_geometry.h"
#include "plugin/milling/simple/simple_cycle_layers.h"
#include "plugin/milling/simple/simple_cycle_tail.h"
#include "plugin/milling/simple/simple_profile_dlg.h"
#include "plugin/milling/simple/simple_shape_leads.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/settings/message_table.h"

namespace {

// Lead arcs away from the wall: inside the outline for inside passes, outside
// for outside ones; on the outline inside only when a taper leans it inward.
BYTE LeadSideOf(const CSimpleProfileDlg& dlg) {
  switch (dlg.m_Side) {
    case kProfileSideInside:
      return 0;
    case kProfileSideOutside:
      return 1;
    default:
      return dlg.m_SingleTaperAngle > 0.0f ? 0 : 1;
  }
}

bool ShapeFits(const SimpleProfileShape& shape) {
  if (ProfileCornerFits(shape)) return true;
  CString text;
  text.Format(MsgSimpleCornerTooLarge.GetString(), shape.cornerRadius, std::min(shape.sizeX, shape.sizeY) / 2.0);
  RefuseSimpleCycleRun(text);
  return false;
}

// The least half size of an outline, from its vertices' box.
double LeastHalfSize(const SimpleProfilePass& pass) {
  double minX = pass.vertices.front().point.x, maxX = minX;
  double minY = pass.vertices.front().point.y, maxY = minY;
  for (const PolylineVertex& v : pass.vertices) {
    minX = std::min(minX, v.point.x);
    maxX = std::max(maxX, v.point.x);
    minY = std::min(minY, v.point.y);
    maxY = std::max(maxY, v.point.y);
  }
  return std::min(maxX - minX, maxY - minY) / 2.0;
}

bool AddPass(const CSimpleProfileDlg& dlg, const SimpleProfilePass& pass, AcDbObjectIdArray& cuts) {
  const AcDbObjectId id = AddPolylineOfVertices(pass.vertices, pass.z, false);
  if (id.isNull()) return false;
  cuts.append(id);
  if (dlg.m_Lead.m_Side != 0) return AddLeadMoves(dlg.m_Lead, id);
  // Leads on the inside of the loop must not reach across it.
  CLeadInOutDlg fitted;
  FitLeadMovesInside(dlg.m_Lead, LeastHalfSize(pass), fitted);
  return AddLeadMoves(fitted, id);
}

}  // namespace

void CreateSimpleProfileToolpath(CSimpleProfileDlg& dlg) {
  const SimpleProfileShape shape = SimpleProfileShapeOf(dlg);
  if (!ShapeFits(shape)) return;
  const SimpleLayers layers = MakeSimpleLayers(dlg.m_StartHeight, dlg.m_Depth, dlg.m_ZStepover);
  if (!SimpleCycleRunFits(dlg, layers.count(), ProfilePassTotal(shape))) return;
  std::vector<double> z, depth;
  for (int j = 0; j < layers.count(); ++j) {
    z.push_back(layers.ZOf(j));
    depth.push_back(layers.DepthOf(j));
  }
  const SimpleProfilePlan plan = PlanSimpleProfile(shape, z, depth);
  if (plan.passes.empty()) {
    RefuseSimpleCycleRun(MsgSimpleNothingToCut);
    return;
  }
  if (plan.skipped > 0) acutPrintf(MsgSimpleOutlinesSkipped.GetString(), plan.skipped);

  dlg.m_Lead.m_Side = LeadSideOf(dlg);
  dlg.m_Lead.m_DefaultFeed = dlg.m_Feed;
  SimpleCycleEntities cuts;
  for (const SimpleProfilePass& pass : plan.passes) {
    if (!AddPass(dlg, pass, cuts.ids())) {
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
