// What the simple-cycle tests read back from a stored toolpath: its entities in
// order, the vertices of its polylines, and its record.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

struct TestVertex {
  double x, y, bulge;
};

struct TestPolyline {
  double elevation = 0.0;
  double thickness = 0.0;
  std::vector<TestVertex> vertices;
};

inline TestPolyline ReadTestPolyline(AcDbObjectId id) {
  TestPolyline result;
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return result;
  result.elevation = polyline->elevation();
  result.thickness = polyline->thickness();
  for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
    AcGePoint2d point;
    double bulge = 0.0;
    polyline->getPointAt(i, point);
    polyline->getBulgeAt(i, bulge);
    result.vertices.push_back({point.x, point.y, bulge});
  }
  return result;
}

inline AcDbObjectIdArray StoredIds(const char* name) {
  AcDbObjectIdArray ids;
  GetToolpathEntityIds(name, ids);
  return ids;
}

// The lightweight polylines of the toolpath, in order.
inline std::vector<TestPolyline> StoredPolylines(const char* name) {
  std::vector<TestPolyline> result;
  for (const AcDbObjectId& id : StoredIds(name)) {
    if (IsPolylineEntity(id)) result.push_back(ReadTestPolyline(id));
  }
  return result;
}

inline std::string StoredRecord(const char* name) {
  AcDbObjectId id;
  CString record;
  if (!FindToolpathByName(name, id)) return std::string();
  ReadToolpathTypeCode(id, record);
  return record.str();
}
