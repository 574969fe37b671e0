#include <gtest/gtest.h>

#include <memory>

#include "platform/cad/db/db_object_iterator.h"
#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_entity_test_support_test.h"
#include "platform/cad/db/entities/db_line.h"

namespace {

std::unique_ptr<AcDb3dPolyline> helixStart() {
  auto pline = std::make_unique<AcDb3dPolyline>();
  pline->appendVertex(new AcDb3dPolylineVertex(AcGePoint3d(0, 0, 5)));
  pline->appendVertex(new AcDb3dPolylineVertex(AcGePoint3d(1, 0, 4)));
  pline->appendVertex(new AcDb3dPolylineVertex(AcGePoint3d(1, 1, 3)));
  return pline;
}

TEST(Polyline3d, VerticesWalkInOrderAndAreTheParameters) {
  auto pline = helixStart();
  std::unique_ptr<AcDbObjectIterator> it(pline->newIterator());
  int count = 0;
  for (it->start(); !it->done(); it->step()) {
    auto* vertex = AcDb3dPolylineVertex::cast(it->entity());
    ASSERT_NE(vertex, nullptr);
    AcGePoint3d p;
    pline->getPointAtParam(count, p);
    EXPECT_POINT_NEAR(vertex->position(), p, 0.0);
    ++count;
  }
  EXPECT_EQ(count, 3);
  double end = 0.0;
  pline->getEndParam(end);
  EXPECT_EQ(end, 2.0);
  pline->makeClosed();
  pline->getEndParam(end);
  EXPECT_EQ(end, 3.0);
  AcGePoint3d p;
  pline->getPointAtParam(3.0, p);  // back at the first vertex
  EXPECT_POINT_NEAR(p, AcGePoint3d(0, 0, 5), 0.0);
  double param = 0.0;
  ASSERT_EQ(pline->getParamAtPoint(AcGePoint3d(1, 0.5, 3.5), param), Acad::eOk);
  EXPECT_NEAR(param, 1.5, 1e-12);
  EXPECT_EQ(pline->appendVertex(nullptr), Acad::eNullObjectPointer);
}

TEST(Polyline3d, CopiesCarryTheVerticesAndExplodeGivesLines) {
  auto pline = helixStart();
  pline->setColorIndex(4);
  auto copy = dwgCopy(*pline);
  ASSERT_EQ(copy->transformBy(AcGeMatrix3d::translation(AcGeVector3d(0, 0, -1))), Acad::eOk);
  AcGePoint3d p;
  copy->getEndPoint(p);
  EXPECT_POINT_NEAR(p, AcGePoint3d(1, 1, 2), 0.0);
  pline->getEndPoint(p);
  EXPECT_POINT_NEAR(p, AcGePoint3d(1, 1, 3), 0.0);  // the original kept its vertices

  AcDbVoidPtrArray lines;
  ASSERT_EQ(copy->explode(lines), Acad::eOk);
  ASSERT_EQ(lines.length(), 2);
  for (void* piece : lines) {
    std::unique_ptr<AcDbLine> line(static_cast<AcDbLine*>(piece));
    EXPECT_EQ(line->colorIndex(), 4);
  }
}

}  // namespace
