#include "plugin/geometry/polyline/polyline_reshape.h"

#include <cmath>

#include "platform/cad/db/entities/db_line.h"
#include "plugin/geometry/polyline/polyline_build.h"
#include "plugin/geometry/polyline/polyline_fixture_test.h"
#include "plugin/geometry/polyline/polyline_measure.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
const double kEighthBulge = std::tan(kPi / 8.0);

class PolylineReshape : public PolylineFixture {};

TEST_F(PolylineReshape, SemicircleOfRadiusTenTakesThirtySixChords) {
  const AcDbObjectId id = addPolyline({{-10, 0, 1.0}, {10, 0}}, false, 4.0);
  AcDbObjectId copy;
  ASSERT_TRUE(LinearizePolylineArcs(id, 0.01, copy));
  const auto v = vertices(copy);
  ASSERT_EQ(v.size(), 37u);
  EXPECT_NEAR(pointAtParam(copy, 0).z, 4.0, 1e-12);  // the copy stays at the source's height

  AcDbObjectId fine, finest;
  ASSERT_TRUE(LinearizePolylineArcs(id, 0.001, fine));
  ASSERT_TRUE(LinearizePolylineArcs(id, 0.00001, finest));
  EXPECT_EQ(vertices(fine).size(), vertices(finest).size());
}

TEST_F(PolylineReshape, NewStartOnAWholeVertexOrInsideAnArc) {
  const AcDbObjectId square = addPolyline({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, true);
  ASSERT_TRUE(SetPolylineStartVertex(square, 1.0, 0));
  const auto v = vertices(square);
  ASSERT_EQ(v.size(), 4u);
  EXPECT_EQ(v[0].point, AcGePoint2d(1, 0));

  const AcDbObjectId rounded = addPolyline({{0, 0}, {10, 0, 1.0}, {10, 10}, {0, 10}}, true);
  const double length = GetPolylineLength(rounded);
  ASSERT_TRUE(SetPolylineStartVertex(rounded, 1.5, 0));
  const auto r = vertices(rounded);
  ASSERT_EQ(r.size(), 5u);
  EXPECT_LT(r[0].point.distanceTo(AcGePoint2d(15, 5)), 1e-9);
  EXPECT_NEAR(r[0].bulge, kEighthBulge, 1e-12);
  EXPECT_NEAR(r[4].bulge, kEighthBulge, 1e-12);
  EXPECT_NEAR(GetPolylineLength(rounded), length, 1e-9);
}

TEST_F(PolylineReshape, StartRefusedOffThePolylineOrOnAnOpenOne) {
  const AcDbObjectId square = addPolyline({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, true);
  EXPECT_FALSE(SetPolylineStartVertex(square, 4.0, 0));
  const AcDbObjectId allArcs = addPolyline({{0, 0, 1.0}, {10, 0, 1.0}}, true);
  EXPECT_FALSE(SetPolylineStartVertex(allArcs, 0.0, 1));
  const AcDbObjectId open = addPolyline({{0, 0}, {1, 0}, {1, 1}}, false);
  EXPECT_FALSE(SetPolylineStartVertex(open, 1.0, 0));
  bool closed = true;
  EXPECT_EQ(vertices(open, &closed).size(), 3u);
  EXPECT_FALSE(closed);
  EXPECT_EQ(vertices(allArcs)[0].point, AcGePoint2d(0, 0));
}

TEST_F(PolylineReshape, MidpointsHalveArcsOnTheirOwnCircle) {
  const AcDbObjectId circle = addPolyline({{0, 0, 1.0}, {10, 0, 1.0}}, true);
  ASSERT_TRUE(SplitSegmentsAtMidpoints(circle));
  const auto v = vertices(circle);
  ASSERT_EQ(v.size(), 4u);
  EXPECT_LT(v[1].point.distanceTo(AcGePoint2d(5, -5)), 1e-9);
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(v[static_cast<std::size_t>(i)].bulge, kEighthBulge, 1e-12);
    EXPECT_NEAR(pointAtParam(circle, i + 0.5).distanceTo(AcGePoint3d(5, 0, 0)), 5.0, 1e-9);
  }
  const AcDbObjectId open = addPolyline({{0, 0}, {10, 0}}, false);
  ASSERT_TRUE(SplitSegmentsAtMidpoints(open));
  bool closed = true;
  EXPECT_EQ(vertices(open, &closed).size(), 3u);
  EXPECT_FALSE(closed);
}

TEST_F(PolylineReshape, PiecesRunBetweenPointsInTheirOrderAlongThePolyline) {
  auto* source = new AcDbPolyline();
  source->addVertexAt(0, AcGePoint2d(0, 0));
  source->addVertexAt(1, AcGePoint2d(10, 0), 1.0);
  source->addVertexAt(2, AcGePoint2d(20, 0));
  source->setElevation(2.0);
  AcGePoint3dArray points;
  points.append(AcGePoint3d(15, -5, 2));
  points.append(AcGePoint3d(100, 100, 2));  // not on the polyline
  points.append(AcGePoint3d(5, 0, 2));
  AcDbVoidPtrArray pieces;
  ASSERT_TRUE(SplitPolylineAtPoints(source, points, pieces));
  delete source;
  ASSERT_EQ(pieces.length(), 1);
  auto* piece = static_cast<AcDbPolyline*>(pieces[0]);
  const auto v = ReadPolylineVertices(piece);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(v[0].point, AcGePoint2d(5, 0));
  EXPECT_NEAR(v[1].bulge, kEighthBulge, 1e-12);
  EXPECT_LT(v[2].point.distanceTo(AcGePoint2d(15, -5)), 1e-9);
  EXPECT_EQ(piece->elevation(), 2.0);
  delete piece;
}

TEST_F(PolylineReshape, AClosedOutlineKeepsThePieceOverItsStartVertex) {
  // Rounded right side, so that the wrapped piece also carries an arc.
  auto* source = new AcDbPolyline();
  source->addVertexAt(0, AcGePoint2d(0, 0));
  source->addVertexAt(1, AcGePoint2d(10, 0), 1.0);
  source->addVertexAt(2, AcGePoint2d(10, 10));
  source->addVertexAt(3, AcGePoint2d(0, 10));
  source->setClosed(true);
  AcGePoint3dArray points;
  points.append(AcGePoint3d(15, 5, 0));  // on the arc
  points.append(AcGePoint3d(0, 5, 0));   // on the closing segment
  AcDbVoidPtrArray pieces;
  ASSERT_TRUE(SplitPolylineAtPoints(source, points, pieces));
  ASSERT_EQ(pieces.length(), 2);
  double length = 0.0;
  for (int i = 0; i < pieces.length(); ++i) {
    auto* piece = static_cast<AcDbPolyline*>(pieces[i]);
    double end = 0.0, part = 0.0;
    piece->getEndParam(end);
    piece->getDistAtParam(end, part);
    length += part;
    EXPECT_FALSE(piece->isClosed());
  }
  double whole = 0.0, end = 0.0;
  source->getEndParam(end);
  source->getDistAtParam(end, whole);
  EXPECT_NEAR(length, whole, 1e-9);  // nothing of the outline lost
  auto* wrapped = static_cast<AcDbPolyline*>(pieces[1]);
  const auto w = ReadPolylineVertices(wrapped);
  ASSERT_EQ(w.size(), 4u);
  EXPECT_LT(w[0].point.distanceTo(AcGePoint2d(0, 5)), 1e-9);
  EXPECT_EQ(w[1].point, AcGePoint2d(0, 0));
  EXPECT_NEAR(w[2].bulge, kEighthBulge, 1e-12);
  EXPECT_LT(w[3].point.distanceTo(AcGePoint2d(15, 5)), 1e-9);
  for (int i = 0; i < pieces.length(); ++i) delete static_cast<AcDbPolyline*>(pieces[i]);
  pieces.setLogicalLength(0);

  // A point on the start vertex counts once, and one point alone opens the loop there.
  points.setLogicalLength(0);
  points.append(AcGePoint3d(0, 0, 0));
  ASSERT_TRUE(SplitPolylineAtPoints(source, points, pieces));
  ASSERT_EQ(pieces.length(), 1);
  const auto opened = ReadPolylineVertices(static_cast<AcDbPolyline*>(pieces[0]));
  ASSERT_EQ(opened.size(), 5u);
  EXPECT_EQ(opened.front().point, AcGePoint2d(0, 0));
  EXPECT_EQ(opened.back().point, AcGePoint2d(0, 0));
  delete static_cast<AcDbPolyline*>(pieces[0]);
  delete source;
}

TEST_F(PolylineReshape, JoiningLinesStartsAFreshPolylineAtAGap) {
  AcDbObjectIdArray ids;
  ids.append(add(new AcDbLine(AcGePoint3d(0, 0, 1), AcGePoint3d(10, 0, 1))));
  ids.append(addPolyline({{10, 0, 0.5}, {10, 10}}, false));
  ids.append(add(new AcDbLine(AcGePoint3d(20, 20, 1), AcGePoint3d(30, 20, 1))));
  AcDbObjectIdArray made;
  ASSERT_TRUE(JoinLinesIntoPolyline(ids, 0.01, made));
  ASSERT_EQ(made.length(), 2);
  const auto first = vertices(made[0]);
  ASSERT_EQ(first.size(), 3u);
  EXPECT_EQ(first[1].bulge, 0.5);
  EXPECT_EQ(vertices(made[1]).size(), 2u);
}

TEST_F(PolylineReshape, TwoPointPolylinesReplaceTheirCurves) {
  const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 3), AcGePoint3d(4, 0, 3)));
  AcDbObjectIdArray ids;
  ids.append(line);
  ids.append(addPolyline({{0, 0, 1.0}, {10, 0}, {10, 5}}, false));
  ASSERT_TRUE(MakeTwoPointPolylines(ids));
  ASSERT_EQ(ids.length(), 2);
  EXPECT_NE(ids[0], line);
  EXPECT_EQ(pointAtParam(ids[0], 1).x, 4.0);
  const auto v = vertices(ids[1]);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_EQ(v[1].point, AcGePoint2d(10, 5));
  AcDbLine* erased = nullptr;
  EXPECT_NE(acdbOpenObject(erased, line, AcDb::kForRead), Acad::eOk);
}

}  // namespace
