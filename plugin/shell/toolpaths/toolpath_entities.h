// How toolpath moves are drawn as plain drawing entities, and the helpers that
// create, style, read and erase those entities in model space.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_point3d.h"
#include "plugin/shell/opened_object.h"

// Rapid moves, feeds and marker values ride on ordinary entity properties so that
// the drawing needs no private format.
struct ToolpathMoveEncoding {
  static constexpr int kRapidMoveKind = 2;
  static constexpr Adesk::UInt16 kRapidColorIndex = 1;
  // Feed (and marker value) into thickness; readers multiply by kReadScale.
  static constexpr double kThicknessFactor = 1.000001e-7;
  // Feed into a lead polyline vertex's widths.
  static constexpr double kWidthFactor = 1e-7;
  static constexpr double kReadScale = 10000000.0;

  static double FeedToThickness(double feed) { return feed * kThicknessFactor; }
  // Thickness x 1e7, not rounded: a feed of 1000 reads as 1000.001.
  static double ThicknessToValue(double thickness) { return thickness * kReadScale; }
  static double FeedToWidth(double feed) { return feed * kWidthFactor; }
  // False (no feed) for a width that is not above 0; else the feed rounded.
  static bool WidthToFeed(double width, int& feed);
};

// Marker types that are made; the others are refused.
bool IsMarkerType(int type);
// Types whose thickness carries a value.
bool MarkerTypeHasValue(int type);

// The kind of an open object; first match wins in the order listed.
enum EntityKindCode {
  kEntityOther = 0,
  kEntityPoint = 1,
  kEntityLine = 2,
  kEntityArc = 3,
  kEntityCircle = 4,
  kEntityPolyline = 5,
  kEntity3dPolyline = 6,
  kEntityEllipse = 12,
  kEntitySpline = 10,
  kEntityRegion = 13,
  kEntityOtherCurve = 14,
  kEntity3dSolid = 30,
  kEntityFace = 32,
  kEntityBody = 33,
  kEntityGroup = 40,
};
int EntityKindCodeOf(const AcDbObject* object);

// Creation. Each appends to "*Model_Space" of the working drawing and returns the
// new id, null when the append failed (the entity is then not in the drawing).
AcDbObjectId AddLine(const AcGePoint3d& from, const AcGePoint3d& to);
AcDbObjectId AddMoveLine(const AcGePoint3d& from, const AcGePoint3d& to, int moveKind);
AcDbObjectId AddMoveLineWithFeed(const AcGePoint3d& from, const AcGePoint3d& to, int moveKind, int feed);
AcDbObjectId AddCircle(const AcGePoint3d& center, double radius);
AcDbObjectId AddTwoPointPolyline(const AcGePoint2d& first, const AcGePoint2d& second, double elevation);
// An invisible point at the marked entity's start: colour = type, thickness = value.
bool AddMarkerPoint(int type, AcDbObjectId& pointId, double value, AcDbObjectId markedId);

// Which step of reaching "*Model_Space" of the working drawing failed, so that
// each caller can word it its own way.
enum class ModelSpaceAccess { kOpen, kNoDrawing, kNoBlockTable, kNoModelSpace };
// Opens model space for write into space.
ModelSpaceAccess OpenModelSpace(OpenedObject<AcDbBlockTableRecord>& space);

// Appends and closes the entity; on failure it stays with the caller.
Acad::ErrorStatus AppendToModelSpace(AcDbEntity* entity, AcDbObjectId& id);
// Empties ids, appends each new entity (objects that are no entities fail) and
// collects the ids in order. The drawing owns what was appended; the rest is
// deleted, and the array is freed.
void AppendEntitiesToModelSpace(AcDbObjectIdArray& ids, AcDbVoidPtrArray& entities);
// Appends with alert boxes and leaves the entity open for the caller to close.
// 1 on success, 0 otherwise (the entity stays with the caller).
int AddEntityToModelSpace(AcDbEntity* entity, AcDbObjectId& id);

// Style and properties.
// Move kind 2: rapid linetype and colour 1; false when the entity cannot be opened
// or the linetype could not be set.
bool SetRapidStyle(AcDbObjectId id, int moveKind);
// 0 leaves the thickness; lines, arcs and lightweight polylines only.
bool SetCurveThickness(AcDbObjectId id, double value);
bool GetCurveThickness(AcDbObjectId id, double& value);
// The marker type (0 for points of other colours), with the value where it has one.
int ReadMarkerPoint(AcDbObjectId pointId, double& value);
// Links the piece to the path with a move line when both have entities, then
// appends the piece's ids and frees the piece.
bool AppendPathPiece(AcDbObjectIdArray& path, AcDbObjectIdArray& piece, int moveKind);

// Queries and housekeeping.
// The kind code by the end-point reader; 0 when the entity cannot be opened or is
// no curve. A point gives its position twice.
int GetCurveEndPoints(AcDbObjectId id, AcGePoint3d& start, AcGePoint3d& end);
int GetCurveEndPointsOfName(const ads_name name, AcGePoint3d& start, AcGePoint3d& end);
int CurveEndPointsOf(const AcDbObject* object, AcGePoint3d& start, AcGePoint3d& end);

void HighlightEntity(AcDbObjectId id);
void UnhighlightEntity(AcDbObjectId id);
void HighlightEntityOfName(const ads_name name);
void UnhighlightEntityOfName(const ads_name name);
// Each in order, then the array is freed.
void HighlightEntities(AcDbObjectIdArray& ids);
void UnhighlightEntities(AcDbObjectIdArray& ids);

// Erases the object as an entity or else as a plain object; true when it opened.
bool EraseObject(AcDbObjectId id);
// Erases each, with the tool information filed for it, and empties the
// array, keeping its capacity.
bool EraseEntityArray(AcDbObjectIdArray& ids);
