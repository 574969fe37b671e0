#include "plugin/milling/simple/simple_pocket_generator.h"

#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/forms/run_size.h"
#include "plugin/geometry/passes/pass_geometry.h"
#include "plugin/geometry/passes/plunge_moves.h"
#include "plugin/milling/simple/simple_cycle_tail.h"
#include "plugin/milling/simple/simple_pocket_dlg.h"
#include "plugin/milling/simple/simple_pocket_rings.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kLinkGap = 0.00001;
constexpr int kFeedMoveKind = 4;

void TellLayer(const CString& format, double z, double first = 0.0, double second = 0.0) {
  CString text;
  text.Format(format.GetString(), z, first, second);
  acutPrintf("\n%s", text.GetString());
}

void AddLayer(CSimplePocketDlg& dlg, const SimplePocketLayer& layer, AcDbObjectIdArray& ids) {
  if (layer.vertices.size() < 2) {
    TellLayer(MsgPocketLayerTooSmall, layer.z, dlg.m_Tool.m_Diameter, dlg.m_Allowance);
    return;
  }
  if (layer.startPointMoved) TellLayer(MsgPocketStartPointOutside, layer.z, dlg.m_StartX, dlg.m_StartY);
  const AcDbObjectId pass = AddPolylineOfVertices(layer.vertices, layer.z, false);
  if (pass.isNull()) return;
  AddSimplePocketEntry(dlg, pass, layer.vertices.front().point, layer.z, ids);
  SetCurveTagNumber(pass, dlg.m_Feed);
  ids.append(pass);
}

}  // namespace

void AddSimplePocketEntry(CSimplePocketDlg& dlg, AcDbObjectId pass, const AcGePoint2d& first, double z,
                          AcDbObjectIdArray& ids) {
  const AcGePoint3d approach(first.x, first.y, dlg.m_ReturnHeight);
  const AcGePoint3d start(first.x, first.y, z);
  if (AddPlungeMove(dlg.m_Plunge, pass, AcDbObjectIdArray(), ids, approach, start)) return;
  TellLayer(MsgPocketPlungeFedDown, z);
  const AcDbObjectId down = AddMoveLineWithFeed(approach, start, kFeedMoveKind, dlg.m_Feed);
  if (!down.isNull()) ids.append(down);
}

void AddSimplePocketRapidLinks(const AcDbObjectIdArray& entities, double returnHeight, AcDbObjectIdArray& linked) {
  for (int i = 0; i < entities.length(); ++i) {
    if (i > 0) {
      AcGePoint3d previousStart, previousEnd, start, end;
      GetCurveEndPoints(entities[i - 1], previousStart, previousEnd);
      GetCurveEndPoints(entities[i], start, end);
      if (previousEnd.distanceTo(start) > kLinkGap) {
        const AcGePoint3d over(previousEnd.x, previousEnd.y, returnHeight);
        const AcDbObjectId up = AddMoveLine(previousEnd, over, ToolpathMoveEncoding::kRapidMoveKind);
        if (!up.isNull()) linked.append(up);
        const AcDbObjectId across = AddMoveLine(over, start, ToolpathMoveEncoding::kRapidMoveKind);
        if (!across.isNull()) linked.append(across);
      }
    }
    linked.append(entities[i]);
  }
}

void CreateSimplePocketToolpath(CSimplePocketDlg& dlg) {
  if (!SimpleCycleRunFits(dlg, SimplePocketLayerCount(dlg), SimplePocketRingCount(dlg))) return;
  dlg.m_Plunge.m_DefaultFeed = dlg.m_Feed;
  SimpleCycleEntities made;
  for (const SimplePocketLayer& layer : MakeSimplePocketLayers(dlg)) AddLayer(dlg, layer, made.ids());
  AcDbObjectIdArray moves;
  SimpleCycleEntities links;
  AddSimplePocketRapidLinks(made.ids(), dlg.m_ReturnHeight, links.ids());
  made.ids().setLogicalLength(0);  // the linked list holds them now
  links.HandTo(moves);
  // Without moves nothing is stored, and the run says so.
  StoreSimpleCycleToolpath(dlg, moves);
}
