#include "plugin/shell/manager/toolpath_simulation.h"

#include <vector>

#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/polyline/polyline_reshape.h"
#include "plugin/shell/manager/manager_boxes.h"
#include "plugin/shell/manager/tool_playback.h"
#include "plugin/shell/manager/tool_solid_block.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr const char* kCannotSimulateText = "모의 동작을 할 수 없습니다.!!";

// The tool of the name, its block made when missing.
bool PrepareTool(const SimulatedTool& tool, AcDbObjectId& reference) {
  if (!ToolpathNameExists(tool.name) && !MakeToolSolidBlock(tool.name, tool.category, tool.shapeType, tool.diameter,
                                                            tool.secondSize, tool.thirdSize, tool.length)) {
    return false;
  }
  return GetToolReference(tool.name, reference);
}

// Where the tool goes for the entity, in order; empty for points and others.
std::vector<AcGePoint3d> StepPoints(const AcDbEntity* entity) {
  std::vector<AcGePoint3d> points;
  AcGePoint3d point;
  if (const AcDbLine* line = AcDbLine::cast(entity)) {
    points.push_back(line->endPoint());
  } else if (const AcDbArc* arc = AcDbArc::cast(entity)) {
    if (arc->getEndPoint(point) == Acad::eOk) points.push_back(point);
  } else if (const AcDbCircle* circle = AcDbCircle::cast(entity)) {
    if (circle->getStartPoint(point) == Acad::eOk) points.push_back(point);
  } else if (const AcDbPolyline* polyline = AcDbPolyline::cast(entity)) {
    const unsigned int vertices = polyline->numVerts();
    const unsigned int segments = polyline->isClosed() ? vertices : (vertices > 0 ? vertices - 1 : 0);
    for (unsigned int i = 1; i <= segments; ++i) {
      if (polyline->getPointAt(i % vertices, point) == Acad::eOk) points.push_back(point);
    }
  } else if (const AcDb3dPolyline* polyline3d = AcDb3dPolyline::cast(entity)) {
    double start = 0.0, end = 0.0;
    polyline3d->getStartParam(start);
    polyline3d->getEndParam(end);
    for (double param = start; param <= end + 1e-9; param += 1.0) {
      if (polyline3d->getPointAtParam(param, point) == Acad::eOk) points.push_back(point);
    }
  }
  return points;
}

// A pocket's or 3D pocket's pass marker: the tool of that pass takes over.
void SwitchPassTool(ToolPlayback& playback, AcDbObjectId pointId) {
  double value = 0.0;
  if ((playback.kind != kToolpathPocket && playback.kind != kToolpathSolidPocket) ||
      ReadMarkerPoint(pointId, value) != kMarkerPassKind) {
    return;
  }
  SimulatedTool tool;
  AcDbObjectId reference;
  if (playback.operation == nullptr || !playback.operation->ToolOf(static_cast<int>(value + 0.5), tool) ||
      !PrepareTool(tool, reference)) {
    return;
  }
  if (reference != playback.tool) SetEntityVisibility(playback.tool, 0);
  SetEntityVisibility(reference, 1);
  playback.tool = reference;
}

int FirstPointIndex(const AcDbObjectIdArray& ids) {
  for (int i = 0; i < ids.length(); ++i) {
    if (GetEntityKind(ids[i]) == kEntityPoint) return i;
  }
  return ids.length();
}

// A solid-cut polyline is walked along chords of its arcs.
bool WalkEntity(ToolPlayback& playback, AcDbObjectId id) {
  AcDbObjectId chords;
  if (playback.kind != kToolpathSolidCut || GetEntityKind(id) != kEntityPolyline ||
      !LinearizePolylineArcs(id, ConfigurationSettings().ConvArcTol, chords)) {
    return WalkToolpathEntity(playback, id);
  }
  const bool goesOn = WalkToolpathEntity(playback, chords);
  EraseObject(chords);
  return goesOn;
}

}  // namespace

bool WalkToolpathEntity(ToolPlayback& playback, AcDbObjectId entityId) {
  std::vector<AcGePoint3d> points;
  bool isPoint = false;
  {
    OpenedObject<AcDbEntity> entity(entityId, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) return true;
    isPoint = AcDbPoint::cast(entity.object()) != nullptr;
    points = StepPoints(entity.object());
  }
  if (isPoint) SwitchPassTool(playback, entityId);
  for (const AcGePoint3d& point : points) {
    if (!ShowToolAt(playback.tool, point.x, point.y, point.z, playback.mode)) return false;
  }
  return true;
}

bool CheckToolLayerOn(const char* toolName, const char* toolpathName) {
  AcDbObjectId reference;
  if (!GetToolReference(toolName, reference)) return true;
  SetEntityVisibility(reference, 1);
  int kind = 0;
  CString layer;
  bool shown = true;
  if (!GetToolpathDisplayInfo(toolpathName, kind, layer, shown) || shown) return true;
  CString toolLayer;
  bool toolShown = false;
  GetToolpathDisplayInfo(toolName, kind, toolLayer, toolShown);
  if (toolShown) {
    SetEntityLayer(reference, layer);
    return true;
  }
  CString question;
  question.Format("공구와 공구경로가 속한 레이어(%s)가 off 되어 있습니다.!!! \n\n 모의 동작을 중단하겠습니다까?",
                  layer.GetString());
  if (::MessageBox(nullptr, question, "Message", MB_YESNO | MB_ICONQUESTION) != IDYES) return true;
  SetEntityVisibility(reference, 0);
  return false;
}

void SimulateToolpath(const char* toolpathName, ToolpathOperations& operations) {
  AcDbObjectId id;
  CString record;
  const int kind = FindToolpathByName(toolpathName, id) ? ReadToolpathTypeCode(id, record) : 0;
  if (kind <= 0) {
    ShowManagerBox(kCannotSimulateText);
    return;
  }
  ToolPlayback playback;
  playback.kind = kind;
  ToolpathOperation* operation = operations.For(kind);
  if (operation == nullptr) {
    ShowKindNotAvailable(toolpathName, kind);
    return;
  }
  playback.operation = operation;
  SimulatedTool tool;
  if (!operation->ReadRecord(record, toolpathName) || !operation->ToolOf(0, tool) ||
      !PrepareTool(tool, playback.tool)) {
    ShowManagerBox(kCannotSimulateText);
    return;
  }
  if (kind != kToolpathPocket && kind != kToolpathSolidPocket && !CheckToolLayerOn(tool.name, toolpathName)) return;

  AcDbObjectIdArray ids;
  GetToolpathEntityIds(toolpathName, ids);
  for (int i = FirstPointIndex(ids); i < ids.length(); ++i) {
    if (!WalkEntity(playback, ids[i])) break;
  }
  SetEntityVisibility(playback.tool, 0);
}
