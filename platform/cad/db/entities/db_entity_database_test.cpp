// Entities living in a drawing, and transforms in space of the plane entities.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "platform/cad/db/db_object_iterator.h"
#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_entity_test_support_test.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/ge_plane.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

AcDbObjectId appendToModelSpace(AcDbDatabase& db, AcDbEntity* entity) {
  AcDbObjectId id;
  AcDbBlockTableRecord* space = nullptr;
  EXPECT_EQ(acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
  entity->close();
  space->close();
  return id;
}

std::unique_ptr<AcDbPolyline> leadInPolyline() {
  auto pline = std::make_unique<AcDbPolyline>();
  pline->addVertexAt(0, AcGePoint2d(0, 0), 0.0, kWidthFeed, kWidthFeed);
  pline->addVertexAt(1, AcGePoint2d(3, 0), -0.6, 0.0, 0.0);
  pline->addVertexAt(2, AcGePoint2d(5, 2), 0.3);
  pline->addVertexAt(3, AcGePoint2d(4, 4));
  pline->setElevation(-1.5);
  pline->setThickness(kThicknessFeed);
  return pline;
}

std::vector<AcGePoint3d> samples(const AcDbCurve& curve) {
  double start = 0.0;
  double end = 0.0;
  curve.getStartParam(start);
  curve.getEndParam(end);
  std::vector<AcGePoint3d> points;
  for (int i = 0; i <= 24; ++i) {
    AcGePoint3d p;
    EXPECT_EQ(curve.getPointAtParam(start + (end - start) * i / 24.0, p), Acad::eOk);
    points.push_back(p);
  }
  return points;
}

TEST(EntityInDrawing, CancelRestoresEveryVertexAndWidth) {
  AcDbDatabase db;
  const AcDbObjectId id = appendToModelSpace(db, leadInPolyline().release());
  AcDbPolyline* pline = nullptr;
  ASSERT_EQ(acdbOpenObject(pline, id, AcDb::kForWrite), Acad::eOk);
  pline->setWidthsAt(0, 0.0, 0.0);
  pline->removeVertexAt(2);
  pline->setClosed(true);
  ASSERT_EQ(pline->cancel(), Acad::eOk);
  ASSERT_EQ(acdbOpenObject(pline, id, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(pline->numVerts(), 4u);
  EXPECT_FALSE(pline->isClosed());
  double sw = 0.0, ew = 0.0, bulge = 0.0;
  pline->getWidthsAt(0, sw, ew);
  pline->getBulgeAt(2, bulge);
  EXPECT_EQ(sw, kWidthFeed);
  EXPECT_EQ(bulge, 0.3);
  EXPECT_EQ(pline->setElevation(1.0), Acad::eNotOpenForWrite);
  pline->close();
}

TEST(EntityInDrawing, ThreeDPolylineJoinsModelSpaceWithItsVertices) {
  AcDbDatabase db;
  AcGePoint3dArray points;
  for (int i = 0; i < 8; ++i) points.append(AcGePoint3d(std::cos(i * kPi / 4), std::sin(i * kPi / 4), -0.1 * i));
  const AcDbObjectId id = appendToModelSpace(db, new AcDb3dPolyline(AcDb::k3dSimplePoly, points));
  AcDbCurve* curve = nullptr;
  ASSERT_EQ(acdbOpenObject(curve, id, AcDb::kForRead), Acad::eOk);
  double end = 0.0;
  curve->getEndParam(end);
  EXPECT_EQ(end, 7.0);
  AcGePoint3d p;
  curve->getPointAtParam(7.0, p);
  EXPECT_POINT_NEAR(p, points[7], 0.0);
  auto* pline = AcDb3dPolyline::cast(curve);
  ASSERT_NE(pline, nullptr);
  std::unique_ptr<AcDbObjectIterator> it(pline->newIterator());
  int n = 0;
  for (it->start(); !it->done(); it->step()) ++n;
  EXPECT_EQ(n, 8);
  curve->close();
}

TEST(EntityInDrawing, PolylineFollowsRotationsInSpace) {
  const AcGeMatrix3d moves[] = {
      AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kXAxis, AcGePoint3d(1, 2, 3)),
      AcGeMatrix3d::rotation(2.0, AcGeVector3d(1, -2, 0.5)) * AcGeMatrix3d::scaling(1.5),
      AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(0, 0, 2), AcGeVector3d(0.3, 0.4, 1))),
      AcGeMatrix3d::rotation(kPi, AcGeVector3d::kYAxis),  // turns the normal over
  };
  for (const AcGeMatrix3d& m : moves) {
    auto pline = leadInPolyline();
    const std::vector<AcGePoint3d> before = samples(*pline);
    double areaBefore = 0.0;
    pline->getArea(areaBefore);
    ASSERT_EQ(pline->transformBy(m), Acad::eOk);
    const std::vector<AcGePoint3d> after = samples(*pline);
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_POINT_NEAR(after[i], m * before[i], 1e-9);
    const double scale = (m * AcGeVector3d::kZAxis).length();
    EXPECT_NEAR(std::fabs(pline->thickness()), kThicknessFeed * scale, 1e-18);
    double area = 0.0;
    pline->getArea(area);
    EXPECT_NEAR(area, areaBefore * scale * scale, 1e-9);
    double sw = 0.0, ew = 0.0;
    pline->getWidthsAt(0, sw, ew);
    EXPECT_NEAR(sw, kWidthFeed * scale, 1e-18);
  }
}

TEST(EntityInDrawing, ExplodeOfATiltedPolylineKeepsTheWorldPoints) {
  auto pline = leadInPolyline();
  pline->setNormal(AcGeVector3d(0, -1, 1));
  AcDbVoidPtrArray pieces;
  ASSERT_EQ(pline->explode(pieces), Acad::eOk);
  ASSERT_EQ(pieces.length(), 3);
  for (int i = 0; i < pieces.length(); ++i) {
    std::unique_ptr<AcDbCurve> piece(static_cast<AcDbCurve*>(pieces[i]));
    AcGePoint3d a, b, s, e;
    pline->getPointAt(static_cast<unsigned int>(i), a);
    pline->getPointAt(static_cast<unsigned int>(i + 1), b);
    piece->getStartPoint(s);
    piece->getEndPoint(e);
    // Arcs run counter-clockwise about the normal, so a clockwise segment comes reversed.
    double bulge = 0.0;
    pline->getBulgeAt(static_cast<unsigned int>(i), bulge);
    EXPECT_POINT_NEAR(s, bulge < 0 ? b : a, 1e-12);
    EXPECT_POINT_NEAR(e, bulge < 0 ? a : b, 1e-12);
    AcGePoint3d mid;
    pline->getPointAtParam(i + 0.5, mid);
    double param = 0.0;
    EXPECT_EQ(piece->getParamAtPoint(mid, param), Acad::eOk) << i;
  }
}

TEST(EntityInDrawing, ClosedPolylineSplitsThroughItsStart) {
  AcDbPolyline square;
  square.addVertexAt(0, AcGePoint2d(0, 0));
  square.addVertexAt(1, AcGePoint2d(1, 0));
  square.addVertexAt(2, AcGePoint2d(1, 1), 1.0);
  square.addVertexAt(3, AcGePoint2d(0, 1));
  square.setClosed(true);
  AcGeDoubleArray params;
  params.append(2.5);
  params.append(0.5);
  AcDbVoidPtrArray pieces;
  ASSERT_EQ(square.getSplitCurves(params, pieces), Acad::eOk);
  ASSERT_EQ(pieces.length(), 2);
  std::unique_ptr<AcDbPolyline> first(static_cast<AcDbPolyline*>(pieces[0]));
  std::unique_ptr<AcDbPolyline> wrap(static_cast<AcDbPolyline*>(pieces[1]));
  double total = 0.0, a = 0.0, b = 0.0, end = 0.0;
  square.getDistAtParam(4.0, total);
  first->getEndParam(end);
  first->getDistAtParam(end, a);
  wrap->getEndParam(end);
  wrap->getDistAtParam(end, b);
  EXPECT_NEAR(a + b, total, 1e-12);
  AcGePoint3d p;
  wrap->getStartPoint(p);
  AcGePoint3d expected;
  square.getPointAtParam(2.5, expected);
  EXPECT_POINT_NEAR(p, expected, 1e-12);
  wrap->getEndPoint(p);
  EXPECT_POINT_NEAR(p, AcGePoint3d(0.5, 0, 0), 1e-12);
  EXPECT_FALSE(wrap->isClosed());
}

TEST(EntityInDrawing, ClosestPointsOnArcsAndAcrossThePlane) {
  auto pline = leadInPolyline();
  AcGeCircArc3d arc;
  ASSERT_EQ(pline->getArcSegAt(1, arc), Acad::eOk);
  AcGePoint3d mid;
  pline->getPointAtParam(1.5, mid);
  // A point off the arc along its radius, and raised off the plane.
  const AcGePoint3d probe = mid + (mid - arc.center()) * 0.5 + AcGeVector3d(0, 0, 7);
  AcGePoint3d nearest;
  ASSERT_EQ(pline->getClosestPointTo(probe, nearest), Acad::eOk);
  EXPECT_POINT_NEAR(nearest, mid, 1e-9);

  AcDbArc full(AcGePoint3d::kOrigin, 1.0, 0.0, kPi / 2);
  full.getClosestPointTo(AcGePoint3d(-3, -0.1, 0), nearest);
  EXPECT_POINT_NEAR(nearest, AcGePoint3d(0, 1, 0), 1e-12);  // the nearer end, off the sweep
  full.getClosestPointTo(AcGePoint3d(-3, -0.1, 0), nearest, true);
  EXPECT_NEAR(nearest.x, -3 / std::sqrt(9.01), 1e-12);
}

}  // namespace
