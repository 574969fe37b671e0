// What the traversal reads of one toolpath entity: its moves and markers,
// copied out of the drawing and carried into the current user coordinate
// system. Reading opens the entity for read only; nothing in the drawing
// moves or is added.
#pragma once

#include <vector>

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

// An arc as the NC sees it: where it turns about and which way.
struct ArcSnapshot {
  AcGePoint3d centre;
  // The arc runs counter-clockwise about this axis from its start to its end.
  AcGeVector3d axis = AcGeVector3d::kZAxis;
};

struct PolylineSegmentSnapshot {
  AcGePoint3d start, end;
  bool isArc = false;
  bool isEmpty = false;  // coincident points
  ArcSnapshot arc;
  int widthFeed = 0;   // the feed kept in the vertex widths, 0 when none
  double width = 0.0;  // the start width itself, so that a width no feed fits is seen
};

struct ToolInfoSnapshot {
  int kind = 0;  // 12 for a tool
  double value = 0.0;
  int toolType = 0;
  int toolNumber = 0;
  int offsetNumber = 0;
  double diameter = 0.0, cornerRadius = 0.0, length = 0.0;
};

struct EntitySnapshot {
  int kind = 0;  // EntityKindCode; 0 when it could not be read
  double thickness = 0.0;
  bool rapidStyle = false;  // rapid linetype in colour 1
  AcGePoint3d start, end;   // lines, arcs; a point's position
  ArcSnapshot arc;
  std::vector<PolylineSegmentSnapshot> segments;  // lightweight polylines
  std::vector<AcGePoint3d> vertices;              // 3D polylines, by parameter 0, 1, ... end
  int markerType = 0;                             // points: colour as marker type, 0 when none
  double markerValue = 0.0;
  bool hasInfo = false;
  ToolInfoSnapshot info;
};

// The stored value (a feed or marker value) of a thickness: round(t x 1e7).
int StoredValueOf(double thickness);

// Reads the entity as seen through the matrix. False (kind 0) when it cannot be opened.
bool ReadEntitySnapshot(AcDbObjectId id, const AcGeMatrix3d& toUcs, EntitySnapshot& snapshot);

// World to the current user coordinate system of the working drawing.
AcGeMatrix3d WorldToCurrentUcs();
