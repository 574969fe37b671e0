#include "plugin/shell/toolpaths/toolpath_entities.h"

#include <cstdint>

#include "platform/cad/db/db.h"
#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/editor/input/aced_input.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"
#include "plugin/shell/toolpaths/tool_path_info.h"

bool ToolpathMoveEncoding::WidthToFeed(double width, int& feed) {
  if (!(width > 0.0)) return false;
  // A width no int feed fits (1e8 scales to 1e15) carries no feed.
  const double scaled = width * kReadScale + 0.5;
  if (!(scaled < static_cast<double>(INT32_MAX))) return false;
  feed = static_cast<std::int32_t>(scaled);
  return true;
}

bool IsMarkerType(int type) {
  switch (type) {
    case 1:
    case 2:
    case 3:
    case 5:
    case 6:
    case 7:
    case 9:
    case 14:
      return true;
    default:
      return false;
  }
}

bool MarkerTypeHasValue(int type) { return type == 2 || type == 3 || type == 5 || type == 9; }

namespace {

// Classes that live in the modeler are known here by name only, so that the
// shell does not need the modeler loaded.
bool IsKindOfNamed(const AcDbObject* object, const char* className) {
  for (AcRxClass* rxClass = object->isA(); rxClass != nullptr; rxClass = rxClass->myParent()) {
    if (std::string(rxClass->name()) == className) return true;
  }
  return false;
}

AcDbDatabase* WorkingDrawing() { return acdbHostApplicationServices()->workingDatabase(); }

// The one way into model space. The entity is left open for write; the result
// tells which step failed, with the append's own status in appended.
ModelSpaceAccess AppendLeavingOpen(AcDbEntity* entity, AcDbObjectId& id, Acad::ErrorStatus& appended) {
  id.setNull();
  appended = Acad::eNullEntityPointer;
  OpenedObject<AcDbBlockTableRecord> space;
  const ModelSpaceAccess access = OpenModelSpace(space);
  if (access == ModelSpaceAccess::kOpen && entity != nullptr) appended = space->appendAcDbEntity(id, entity);
  return access;
}

// Appends a new entity and closes it; deletes it when it could not join the drawing.
AcDbObjectId AppendOrDelete(AcDbEntity* entity) {
  AcDbObjectId id;
  if (AppendToModelSpace(entity, id) != Acad::eOk) {
    delete entity;
    return AcDbObjectId::kNull;
  }
  return id;
}

AcDbObjectId IdOfName(const ads_name name) {
  AcDbObjectId id;
  if (acdbGetObjectId(id, name) != Acad::eOk) return AcDbObjectId::kNull;
  return id;
}

void SetHighlight(AcDbObjectId id, bool on) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return;
  if (on) {
    entity->highlight(kNullSubent);
  } else {
    entity->unhighlight(kNullSubent);
  }
}

}  // namespace

int EntityKindCodeOf(const AcDbObject* object) {
  if (object == nullptr) return kEntityOther;
  if (object->isKindOf(AcDbPoint::desc())) return kEntityPoint;
  if (object->isKindOf(AcDbLine::desc())) return kEntityLine;
  if (object->isKindOf(AcDbArc::desc())) return kEntityArc;
  if (object->isKindOf(AcDbCircle::desc())) return kEntityCircle;
  if (object->isKindOf(AcDbPolyline::desc())) return kEntityPolyline;
  if (object->isKindOf(AcDb3dPolyline::desc())) return kEntity3dPolyline;
  if (object->isKindOf(AcDbEllipse::desc())) return kEntityEllipse;
  if (object->isKindOf(AcDbSpline::desc())) return kEntitySpline;
  if (IsKindOfNamed(object, "AcDbRegion")) return kEntityRegion;
  if (IsKindOfNamed(object, "AcDb3dSolid")) return kEntity3dSolid;
  if (IsKindOfNamed(object, "AcDbFace")) return kEntityFace;
  if (IsKindOfNamed(object, "AcDbBody")) return kEntityBody;
  if (object->isKindOf(AcDbGroup::desc())) return kEntityGroup;
  return kEntityOther;
}

AcDbObjectId AddLine(const AcGePoint3d& from, const AcGePoint3d& to) { return AppendOrDelete(new AcDbLine(from, to)); }

AcDbObjectId AddMoveLine(const AcGePoint3d& from, const AcGePoint3d& to, int moveKind) {
  const AcDbObjectId id = AddLine(from, to);
  if (!id.isNull()) SetRapidStyle(id, moveKind);
  return id;
}

AcDbObjectId AddMoveLineWithFeed(const AcGePoint3d& from, const AcGePoint3d& to, int moveKind, int feed) {
  const AcDbObjectId id = AddMoveLine(from, to, moveKind);
  if (!id.isNull()) SetCurveThickness(id, ToolpathMoveEncoding::FeedToThickness(feed));
  return id;
}

AcDbObjectId AddCircle(const AcGePoint3d& center, double radius) {
  return AppendOrDelete(new AcDbCircle(center, AcGeVector3d::kZAxis, radius));
}

AcDbObjectId AddTwoPointPolyline(const AcGePoint2d& first, const AcGePoint2d& second, double elevation) {
  auto* polyline = new AcDbPolyline();
  polyline->addVertexAt(0, first);
  polyline->addVertexAt(1, second);
  polyline->setElevation(elevation);
  return AppendOrDelete(polyline);
}

bool AddMarkerPoint(int type, AcDbObjectId& pointId, double value, AcDbObjectId markedId) {
  pointId.setNull();
  if (!IsMarkerType(type)) return false;
  AcGePoint3d start, end;
  GetCurveEndPoints(markedId, start, end);
  auto* point = new AcDbPoint(start);
  point->setColorIndex(static_cast<Adesk::UInt16>(type));
  point->setThickness(ToolpathMoveEncoding::FeedToThickness(value));
  point->setVisibility(AcDb::kInvisible);
  pointId = AppendOrDelete(point);
  return !pointId.isNull();
}

ModelSpaceAccess OpenModelSpace(OpenedObject<AcDbBlockTableRecord>& space) {
  AcDbDatabase* db = WorkingDrawing();
  if (db == nullptr) return ModelSpaceAccess::kNoDrawing;
  OpenedObject<AcDbBlockTable> table(db->blockTableId(), AcDb::kForRead);
  if (table.openStatus() != Acad::eOk) return ModelSpaceAccess::kNoBlockTable;
  AcDbObjectId spaceId;
  if (table->getAt(ACDB_MODEL_SPACE, spaceId) != Acad::eOk || space.open(spaceId, AcDb::kForWrite) != Acad::eOk) {
    return ModelSpaceAccess::kNoModelSpace;
  }
  return ModelSpaceAccess::kOpen;
}

Acad::ErrorStatus AppendToModelSpace(AcDbEntity* entity, AcDbObjectId& id) {
  id.setNull();
  if (entity == nullptr) return Acad::eNullEntityPointer;
  Acad::ErrorStatus appended = Acad::eOk;
  switch (AppendLeavingOpen(entity, id, appended)) {
    case ModelSpaceAccess::kOpen:
      break;
    case ModelSpaceAccess::kNoDrawing:
      return Acad::eNoDatabase;
    default:
      return Acad::eNotOpenForWrite;
  }
  if (appended != Acad::eOk) return appended;
  OpenedObject<AcDbEntity> added;
  added.acquire(entity);  // the drawing owns it now; the guard only closes it
  return Acad::eOk;
}

void AppendEntitiesToModelSpace(AcDbObjectIdArray& ids, AcDbVoidPtrArray& entities) {
  ids.setLogicalLength(0);
  for (int i = 0; i < entities.length(); ++i) {
    auto* object = static_cast<AcRxObject*>(entities[i]);
    AcDbEntity* entity = AcDbEntity::cast(object);
    AcDbObjectId id;
    if (AppendToModelSpace(entity, id) == Acad::eOk) {
      ids.append(id);
    } else {
      // The array was the only owner: nothing else would ever free it.
      delete object;
    }
  }
  entities = AcDbVoidPtrArray();
}

int AddEntityToModelSpace(AcDbEntity* entity, AcDbObjectId& id) {
  Acad::ErrorStatus appended = Acad::eOk;
  switch (AppendLeavingOpen(entity, id, appended)) {
    case ModelSpaceAccess::kOpen:
      break;
    case ModelSpaceAccess::kNoDrawing:
      acedAlert("No database!");
      return 0;
    case ModelSpaceAccess::kNoBlockTable:
      acedAlert("Failed to get block table!");
      return 0;
    case ModelSpaceAccess::kNoModelSpace:
      acedAlert("Failed to get block table record!");
      return 0;
  }
  if (appended != Acad::eOk) {
    acedAlert("Failed to append entity!");
    return 0;
  }
  return 1;
}

bool SetRapidStyle(AcDbObjectId id, int moveKind) {
  Acad::ErrorStatus es = Acad::eOk;
  {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForWrite);
    if (entity.openStatus() != Acad::eOk) return false;
    if (moveKind != ToolpathMoveEncoding::kRapidMoveKind) return true;
    es = entity->setLinetype(kRapidLinetype);
    if (es != Acad::eOk) {
      LoadRapidLinetype();
      es = entity->setLinetype(kRapidLinetype);
    }
    if (es == Acad::eOk) entity->setColorIndex(ToolpathMoveEncoding::kRapidColorIndex);
  }
  if (es != Acad::eOk) {
    // A red continuous line would pass for a rapid on screen but not to the post.
    acutPrintf("\nLinetype %s could not be set on a rapid move (%s).", kRapidLinetype, acadErrorStatusText(es));
    return false;
  }
  return true;
}

bool SetCurveThickness(AcDbObjectId id, double value) {
  if (value == 0.0) return true;
  OpenedObject<AcDbEntity> entity(id, AcDb::kForWrite);
  if (entity.openStatus() != Acad::eOk) return false;
  if (auto* line = AcDbLine::cast(entity)) {
    line->setThickness(value);
  } else if (auto* polyline = AcDbPolyline::cast(entity)) {
    polyline->setThickness(value);
  } else if (auto* arc = AcDbArc::cast(entity)) {
    arc->setThickness(value);
  }
  return true;
}

bool GetCurveThickness(AcDbObjectId id, double& value) {
  value = 0.0;
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return false;
  if (auto* line = AcDbLine::cast(entity)) {
    value = line->thickness();
  } else if (auto* polyline = AcDbPolyline::cast(entity)) {
    value = polyline->thickness();
  } else if (auto* arc = AcDbArc::cast(entity)) {
    value = arc->thickness();
  }
  return true;
}

int ReadMarkerPoint(AcDbObjectId pointId, double& value) {
  value = 0.0;
  int type = 0;
  double thickness = 0.0;
  {
    OpenedObject<AcDbPoint> point(pointId, AcDb::kForRead, true);
    if (point.openStatus() != Acad::eOk) return 0;
    type = point->colorIndex();
    thickness = point->thickness();
  }
  if (!IsMarkerType(type)) return 0;
  if (MarkerTypeHasValue(type)) value = ToolpathMoveEncoding::ThicknessToValue(thickness);
  return type;
}

bool AppendPathPiece(AcDbObjectIdArray& path, AcDbObjectIdArray& piece, int moveKind) {
  if (!path.isEmpty() && !piece.isEmpty()) {
    AcGePoint3d unused, pathEnd, pieceStart;
    GetCurveEndPoints(path.last(), unused, pathEnd);
    GetCurveEndPoints(piece.first(), pieceStart, unused);
    const AcDbObjectId link = AddMoveLine(pathEnd, pieceStart, moveKind);
    if (!link.isNull()) path.append(link);
  }
  path.append(piece);
  piece = AcDbObjectIdArray();
  return true;
}

int CurveEndPointsOf(const AcDbObject* object, AcGePoint3d& start, AcGePoint3d& end) {
  if (auto* point = AcDbPoint::cast(object)) {
    start = end = point->position();
    return kEntityPoint;
  }
  auto* curve = AcDbCurve::cast(object);
  if (curve == nullptr) return kEntityOther;
  curve->getStartPoint(start);
  curve->getEndPoint(end);
  if (curve->isKindOf(AcDbLine::desc())) return kEntityLine;
  if (curve->isKindOf(AcDbArc::desc())) return kEntityArc;
  if (curve->isKindOf(AcDbCircle::desc())) return kEntityCircle;
  if (curve->isKindOf(AcDbPolyline::desc())) return kEntityPolyline;
  if (curve->isKindOf(AcDbEllipse::desc())) return kEntityEllipse;
  if (curve->isKindOf(AcDbSpline::desc())) return kEntitySpline;
  if (curve->isKindOf(AcDb3dPolyline::desc())) return kEntity3dPolyline;
  return kEntityOtherCurve;
}

int GetCurveEndPoints(AcDbObjectId id, AcGePoint3d& start, AcGePoint3d& end) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return kEntityOther;
  return CurveEndPointsOf(entity, start, end);
}

int GetCurveEndPointsOfName(const ads_name name, AcGePoint3d& start, AcGePoint3d& end) {
  return GetCurveEndPoints(IdOfName(name), start, end);
}

void HighlightEntity(AcDbObjectId id) { SetHighlight(id, true); }
void UnhighlightEntity(AcDbObjectId id) { SetHighlight(id, false); }
void HighlightEntityOfName(const ads_name name) { SetHighlight(IdOfName(name), true); }
void UnhighlightEntityOfName(const ads_name name) { SetHighlight(IdOfName(name), false); }

void HighlightEntities(AcDbObjectIdArray& ids) {
  for (int i = 0; i < ids.length(); ++i) SetHighlight(ids[i], true);
  ids = AcDbObjectIdArray();
}

void UnhighlightEntities(AcDbObjectIdArray& ids) {
  for (int i = 0; i < ids.length(); ++i) SetHighlight(ids[i], false);
  ids = AcDbObjectIdArray();
}

bool EraseObject(AcDbObjectId id) {
  // Entities and plain objects open alike, so one open serves both.
  OpenedObject<AcDbObject> object(id, AcDb::kForWrite);
  if (object.openStatus() != Acad::eOk) return false;
  object->erase();
  return true;
}

bool EraseEntityArray(AcDbObjectIdArray& ids) {
  // Information filed for a point would outlive it.
  EraseToolPathInfos(ids);
  for (int i = 0; i < ids.length(); ++i) EraseObject(ids[i]);
  ids.setLogicalLength(0);
  return true;
}
