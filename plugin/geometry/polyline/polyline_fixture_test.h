// A working drawing for the polyline utilities' tests, with helpers to put
// polylines in and read them back.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "platform/cad/db/db.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/polyline/polyline_vertices.h"

inline AcDbObjectIdArray Ids(std::initializer_list<AcDbObjectId> list) {
  AcDbObjectIdArray ids;
  for (const AcDbObjectId& id : list) ids.append(id);
  return ids;
}

struct V {
  double x;
  double y;
  double bulge = 0.0;
};

class PolylineFixture : public ::testing::Test {
 protected:
  PolylineFixture() { acdbHostApplicationServices()->setWorkingDatabase(&db_); }
  ~PolylineFixture() override { acdbHostApplicationServices()->setWorkingDatabase(nullptr); }

  AcDbObjectId add(AcDbEntity* entity) {
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, db_.currentSpaceId(), AcDb::kForWrite), Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
    entity->close();
    space->close();
    return id;
  }

  AcDbObjectId addPolyline(const std::vector<V>& vertices, bool closed, double elevation = 0.0) {
    auto* polyline = new AcDbPolyline();
    for (const V& v : vertices) polyline->addVertexAt(polyline->numVerts(), AcGePoint2d(v.x, v.y), v.bulge);
    polyline->setClosed(closed);
    polyline->setElevation(elevation);
    return add(polyline);
  }

  std::vector<PolylineVertex> vertices(AcDbObjectId id, bool* closed = nullptr) {
    AcDbPolyline* polyline = nullptr;
    EXPECT_EQ(acdbOpenObject(polyline, id, AcDb::kForRead), Acad::eOk);
    if (polyline == nullptr) return {};
    std::vector<PolylineVertex> out = ReadPolylineVertices(polyline);
    if (closed != nullptr) *closed = polyline->isClosed();
    polyline->close();
    return out;
  }

  AcGePoint3d pointAtParam(AcDbObjectId id, double parameter) {
    AcDbPolyline* polyline = nullptr;
    EXPECT_EQ(acdbOpenObject(polyline, id, AcDb::kForRead), Acad::eOk);
    AcGePoint3d point;
    if (polyline == nullptr) return point;
    EXPECT_EQ(polyline->getPointAtParam(parameter, point), Acad::eOk);
    polyline->close();
    return point;
  }

  // Live entities of model space; only lightweight polylines when asked.
  int entitiesInDrawing(bool polylinesOnly = false) {
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, db_.currentSpaceId(), AcDb::kForRead), Acad::eOk);
    AcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    int count = 0;
    for (; !it->done(); it->step()) {
      AcDbEntity* entity = nullptr;
      if (it->getEntity(entity, AcDb::kForRead) != Acad::eOk) continue;
      if (!polylinesOnly || AcDbPolyline::cast(entity) != nullptr) ++count;
      entity->close();
    }
    delete it;
    space->close();
    return count;
  }

  AcDbDatabase db_;
};
