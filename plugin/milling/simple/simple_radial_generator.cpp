#include "plugin/milling/simple/simple_radial_generator.h"

#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/passes/lead_moves.h"
#include "plugin/geometry/passes/pass_geometry.h"
#include "plugin/milling/simple/simple_cycle_tail.h"
#include "plugin/milling/simple/simple_radial_dlg.h"
#include "plugin/milling/simple/simple_shape_leads.h"
#include "plugin/shell/command_failure.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

// An inner circle smaller than this is the spiral's start, not a boss.
constexpr double kBossRadius = 0.1;
// Narrower than this a ring leaves lead moves no room.
constexpr double kLeastLeadRoom = 0.1;

bool RunFits(const CSimpleRadialDlg& dlg, const SimpleRadialShape& shape) {
  const RadialRing ring = CompensatedRadialRing(shape);
  if (!(ring.outer > 0.0) || (shape.pathShape == kRadialLines && !(ring.width() > 0.0))) {
    RefuseSimpleCycleRun(MsgRadialNoRing);
    return false;
  }
  double size = 1.0;
  switch (shape.pathShape) {
    case kRadialSpiral:
      size = RadialSpiralPointEstimate(shape);
      break;
    case kRadialLines: {
      const int lines = RadialLineCount(ring, shape.stepover);
      if (lines <= 0) {
        CString text;
        text.Format(MsgRadialNoLines.GetString(), shape.stepover, 2.0 * ring.outer);
        RefuseSimpleCycleRun(text);
        return false;
      }
      size = lines;
      break;
    }
    default:
      size = RadialRingCount(ring, shape.stepover);
      break;
  }
  return SimpleCycleRunFits(dlg, 1, size);
}

// At the outer circle the leads turn into the ring, not into its wall, and
// stay short of its far side; at an inner circle round a boss there is no
// room for them at all.
void FitLeadsToTheRing(CSimpleRadialDlg& dlg, const SimpleRadialShape& shape, CLeadInOutDlg& lead) {
  const RadialRing ring = CompensatedRadialRing(shape);
  const bool clockwise = (shape.pathShape == kRadialSpiral) == shape.startOutside;
  dlg.m_Lead.m_Side = clockwise ? 1 : 0;
  const bool boss = ring.inner > kBossRadius;
  const double room = boss ? ring.width() : ring.outer;
  FitLeadMovesInside(dlg.m_Lead, room, lead);
  if (room < kLeastLeadRoom) lead.m_EntryOn = lead.m_ExitOn = 0;
  if (boss) (shape.startOutside ? lead.m_ExitOn : lead.m_EntryOn) = 0;
}

// One polyline for the circles or the spiral.
bool AddContinuousPath(CSimpleRadialDlg& dlg, const SimpleRadialShape& shape, AcDbObjectIdArray& cuts) {
  const std::vector<PolylineVertex> path =
      shape.pathShape == kRadialSpiral ? RadialSpiralPath(shape) : RadialCirclePath(shape);
  // A ring too small for a single chord.
  if (path.size() < 2) return false;
  const AcDbObjectId id = AddPolylineOfVertices(path, dlg.m_Z, false);
  if (id.isNull()) return false;
  cuts.append(id);
  // The circles are made from the outside in, the spiral from the inside out.
  const bool reverse = (shape.pathShape == kRadialSpiral) == shape.startOutside;
  if (reverse && !ReversePolyline(id)) return false;
  CLeadInOutDlg lead;
  FitLeadsToTheRing(dlg, shape, lead);
  return AddLeadMoves(lead, id);
}

bool AddLines(const CSimpleRadialDlg& dlg, const SimpleRadialShape& shape, AcDbObjectIdArray& cuts) {
  // A lead made along a line runs on past its ends: kept inside the ring, the
  // lines go in and out straight.
  CLeadInOutDlg lead;
  ScaleLeadMoves(dlg.m_Lead, 1.0, lead);
  if (shape.compensation == kRadialInside) lead.m_EntryOn = lead.m_ExitOn = 0;
  for (const auto& [from, to] : RadialLines(shape)) {
    const AcDbObjectId id = AddTwoPointPolyline(from, to, dlg.m_Z);
    if (id.isNull()) return false;
    cuts.append(id);
    if (!AddLeadMoves(lead, id)) return false;
  }
  return true;
}

}  // namespace

void CreateSimpleRadialToolpath(CSimpleRadialDlg& dlg) {
  const SimpleRadialShape shape = SimpleRadialShapeOf(dlg);
  if (!RunFits(dlg, shape)) return;
  dlg.m_Lead.m_DefaultFeed = dlg.m_Feed;
  SimpleCycleEntities cuts;
  const bool made =
      shape.pathShape == kRadialLines ? AddLines(dlg, shape, cuts.ids()) : AddContinuousPath(dlg, shape, cuts.ids());
  if (!made) {
    ReportToolpathNotStored(dlg.m_ToolpathName);
    return;
  }
  AcDbObjectIdArray moves;
  if (!LinkSimpleCycleCuts(cuts.ids(), dlg.m_Lead, dlg, moves)) {
    ReportToolpathNotStored(dlg.m_ToolpathName);
    return;
  }
  StoreSimpleCycleToolpath(dlg, moves);
}
