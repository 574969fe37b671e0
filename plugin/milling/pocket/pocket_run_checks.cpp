#include "plugin/milling/pocket/pocket_run_checks.h"

#include <cmath>

#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_offset.h"
#include "plugin/geometry/polyline/polyline_properties.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kLeastOffset = 1e-6;

bool Refuse(const CString& text) {
  acutPrintf("\n %s", text.GetString());
  ReportCommandFailed(text);
  return false;
}

bool CheckStepover(const char* pass, float stepover) {
  if (stepover > 0.0f && std::isfinite(stepover)) return true;
  CString text;
  text.Format(MsgStepoverNotPositive, pass, static_cast<double>(stepover));
  return Refuse(text);
}

// A stepover wider than the tool leaves strips between the passes uncut.
bool CheckStepoverFitsTool(const char* pass, float stepover, const CToolShapeDlg& tool) {
  if (!(stepover > tool.m_Diameter)) return true;
  CString text;
  text.Format(MsgStepoverAboveTool, pass, static_cast<double>(stepover), static_cast<double>(tool.m_Diameter));
  return Refuse(text);
}

bool CheckDepth(const CPocketDlg& dlg) {
  CString text;
  if (dlg.m_AbsoluteZ != 0 && dlg.m_ZDepth > dlg.m_ZStart) {
    text.Format(MsgDepthAboveStart, static_cast<double>(dlg.m_ZDepth), static_cast<double>(dlg.m_ZStart));
  } else if (dlg.m_AbsoluteZ == 0 && dlg.m_ZDepth > 0.0f) {
    text.Format(MsgDepthAboveStartRelative, static_cast<double>(dlg.m_ZDepth));
  } else {
    return true;
  }
  return Refuse(text);
}

// Some loop of an offset by distance, to one side or the other, lies inside
// the boundary: the tool centre has room there.
bool ToolCentreHasRoom(AcDbObjectId boundary, double distance) {
  if (distance <= kLeastOffset) return true;
  double elevation = 0.0;
  if (!GetPolylineElevation(boundary, elevation)) return true;  // the levels say so themselves
  const double area = GetCurveArea(boundary);
  bool room = false;
  for (unsigned char side = 0; side < 2 && !room; ++side) {
    AcDbObjectIdArray loops;
    OffsetPolyline(boundary, loops, distance, elevation, side);
    for (const AcDbObjectId& loop : loops) room = room || GetCurveArea(loop) < area;
    EraseEntityArray(loops);
  }
  return room;
}

bool CheckToolFits(const CPocketDlg& dlg, const char* pass, const CToolShapeDlg& tool, double allowance) {
  if (ToolCentreHasRoom(dlg.m_Boundary, tool.m_Diameter / 2.0 + allowance)) return true;
  CString text;
  text.Format(MsgToolLargerThanPocket, pass, static_cast<double>(tool.m_Diameter), allowance);
  return Refuse(text);
}

}  // namespace

bool CheckPocketRun(const CPocketDlg& dlg) {
  const bool roughing = dlg.m_RoughOn != 0, finishing = dlg.m_FinishOn != 0, rest = dlg.m_RestOn != 0;
  // The levels of both passes are laid out with the roughing stepover.
  if ((roughing || finishing) && !CheckStepover("황삭", dlg.m_RoughStepover)) return false;
  if (finishing && dlg.m_FinishPasses > 1 && !CheckStepover("정삭", dlg.m_FinishStepover)) return false;
  if (roughing && !CheckStepoverFitsTool("황삭", dlg.m_RoughStepover, dlg.m_RoughTool)) return false;
  if (finishing && dlg.m_FinishPasses > 1 && !CheckStepoverFitsTool("정삭", dlg.m_FinishStepover, dlg.m_FinishTool))
    return false;
  if (!CheckDepth(dlg)) return false;
  if (roughing && !CheckToolFits(dlg, "황삭", dlg.m_RoughTool, dlg.m_RoughAllowance)) return false;
  if (finishing && !CheckToolFits(dlg, "정삭", dlg.m_FinishTool, dlg.m_FinishAllowance)) return false;
  if (rest && !CheckToolFits(dlg, "잔삭", dlg.m_RestTool, dlg.m_RestAllowance)) return false;
  return true;
}
