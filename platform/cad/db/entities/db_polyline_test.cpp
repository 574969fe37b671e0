#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_entity_test_support_test.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_line.h"
#include "platform/cad/ge/ge_plane.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// (0,0) -> (2,0) with the given bulge, then straight up to (2,2).
std::unique_ptr<AcDbPolyline> arcThenLine(double bulge) {
  auto pline = std::make_unique<AcDbPolyline>();
  pline->addVertexAt(0, AcGePoint2d(0, 0), bulge);
  pline->addVertexAt(1, AcGePoint2d(2, 0));
  pline->addVertexAt(2, AcGePoint2d(2, 2));
  return pline;
}

AcGePoint3d pointAt(const AcDbCurve& curve, double param) {
  AcGePoint3d p;
  EXPECT_EQ(curve.getPointAtParam(param, p), Acad::eOk) << param;
  return p;
}

TEST(Polyline, BulgeSignDecidesTheSideOfTheArc) {
  // A positive bulge turns counter-clockwise, so the half circle dips below the chord.
  EXPECT_POINT_NEAR(pointAt(*arcThenLine(1.0), 0.5), AcGePoint3d(1, -1, 0), 1e-12);
  EXPECT_POINT_NEAR(pointAt(*arcThenLine(-1.0), 0.5), AcGePoint3d(1, 1, 0), 1e-12);
  // A quarter arc (bulge tan 22.5 degrees) at a quarter of its sweep.
  auto quarter = arcThenLine(std::tan(kPi / 8));
  const double a = -kPi / 2 - kPi / 4 + kPi / 8;  // start angle about the centre (1,1) plus a quarter sweep
  const double r = std::sqrt(2.0);
  EXPECT_POINT_NEAR(pointAt(*quarter, 0.25), AcGePoint3d(1 + r * std::cos(a), 1 + r * std::sin(a), 0), 1e-12);
}

TEST(Polyline, ArcSegmentsKeepTheDirectionOfTravel) {
  for (double bulge : {0.5, -0.5}) {
    auto pline = arcThenLine(bulge);
    AcGeCircArc2d arc2d;
    ASSERT_EQ(pline->getArcSegAt(0, arc2d), Acad::eOk);
    EXPECT_EQ(arc2d.isClockWise(), bulge < 0);
    EXPECT_TRUE(arc2d.startPoint().isEqualTo(AcGePoint2d(0, 0), AcGeTol()));
    EXPECT_TRUE(arc2d.endPoint().isEqualTo(AcGePoint2d(2, 0), AcGeTol()));
    // radius = chord (1 + b^2) / 4|b|
    EXPECT_NEAR(arc2d.radius(), 2 * (1 + 0.25) / 2, 1e-12);

    AcGeCircArc3d arc3d;
    ASSERT_EQ(pline->getArcSegAt(0, arc3d), Acad::eOk);
    EXPECT_POINT_NEAR(arc3d.startPoint(), AcGePoint3d(0, 0, 0), 1e-12);
    EXPECT_POINT_NEAR(arc3d.endPoint(), AcGePoint3d(2, 0, 0), 1e-12);
    EXPECT_NEAR(arc3d.normal().z, bulge > 0 ? 1.0 : -1.0, 1e-12);
    // The sweep is 4 atan |b|.
    EXPECT_NEAR(arc3d.endAng() - arc3d.startAng(), 4 * std::atan(0.5), 1e-12);

    AcGeLineSeg2d line;
    EXPECT_EQ(pline->getLineSegAt(0, line), Acad::eNotApplicable);
    EXPECT_EQ(pline->getArcSegAt(1, arc2d), Acad::eNotApplicable);
    EXPECT_EQ(pline->getLineSegAt(1, line), Acad::eOk);
    EXPECT_EQ(pline->getLineSegAt(2, line), Acad::eInvalidIndex);
  }
}

TEST(Polyline, SegmentTypes) {
  AcDbPolyline pline;
  EXPECT_EQ(pline.segType(0), AcDbPolyline::kEmpty);
  pline.addVertexAt(0, AcGePoint2d(0, 0), 1.0);
  EXPECT_EQ(pline.segType(0), AcDbPolyline::kPoint);
  pline.addVertexAt(1, AcGePoint2d(1, 0));
  pline.addVertexAt(2, AcGePoint2d(1, 0));
  EXPECT_EQ(pline.segType(0), AcDbPolyline::kArc);
  EXPECT_EQ(pline.segType(1), AcDbPolyline::kCoincident);
  EXPECT_EQ(pline.segType(2), AcDbPolyline::kPoint);  // the end of an open polyline
  EXPECT_EQ(pline.segType(3), AcDbPolyline::kEmpty);
  pline.setClosed(true);
  EXPECT_EQ(pline.segType(2), AcDbPolyline::kLine);  // the closing segment
  EXPECT_FALSE(pline.isOnlyLines());
  pline.setBulgeAt(0, 0.0);
  EXPECT_TRUE(pline.isOnlyLines());
}

TEST(Polyline, AreaCountsArcsOnTheirSide) {
  auto square = [](double bulge) {
    auto p = std::make_unique<AcDbPolyline>();
    p->addVertexAt(0, AcGePoint2d(0, 0), bulge);  // bottom edge, bulged
    p->addVertexAt(1, AcGePoint2d(2, 0));
    p->addVertexAt(2, AcGePoint2d(2, 2));
    p->addVertexAt(3, AcGePoint2d(0, 2));
    p->setClosed(true);
    return p;
  };
  double area = 0.0;
  ASSERT_EQ(square(1.0)->getArea(area), Acad::eOk);  // half disc outside the square
  EXPECT_NEAR(area, 4 + kPi / 2, 1e-12);
  square(-1.0)->getArea(area);  // half disc cut out
  EXPECT_NEAR(area, 4 - kPi / 2, 1e-12);

  AcDbPolyline circle;  // two half circles of radius 3, clockwise
  circle.addVertexAt(0, AcGePoint2d(3, 0), -1.0);
  circle.addVertexAt(1, AcGePoint2d(-3, 0), -1.0);
  circle.setClosed(true);
  circle.getArea(area);
  EXPECT_NEAR(area, 9 * kPi, 1e-12);
  double dist = 0.0;
  ASSERT_EQ(circle.getDistAtParam(2.0, dist), Acad::eOk);
  EXPECT_NEAR(dist, 6 * kPi, 1e-12);
}

TEST(Polyline, ParameterDistanceAndPointRoundTrip) {
  auto pline = arcThenLine(-0.7);
  pline->setElevation(5.0);
  pline->setClosed(true);
  double end = 0.0;
  ASSERT_EQ(pline->getEndParam(end), Acad::eOk);
  EXPECT_EQ(end, 3.0);
  for (double param : {0.0, 0.2, 0.5, 0.999, 1.0, 1.25, 2.5, 3.0}) {
    const AcGePoint3d p = pointAt(*pline, param);
    EXPECT_NEAR(p.z, 5.0, 1e-12);
    double back = -1.0;
    ASSERT_EQ(pline->getParamAtPoint(p, back), Acad::eOk) << param;
    // The closing vertex is also the start: either parameter names it.
    if (param == 3.0) {
      EXPECT_TRUE(back == 0.0 || std::fabs(back - 3.0) < 1e-9);
    } else {
      EXPECT_NEAR(back, param, 1e-9);
    }
    double dist = 0.0;
    ASSERT_EQ(pline->getDistAtParam(param, dist), Acad::eOk);
    double fromDist = -1.0;
    ASSERT_EQ(pline->getParamAtDist(dist, fromDist), Acad::eOk);
    EXPECT_NEAR(fromDist, param, 1e-9);
  }
  // An arc's parameter is a share of its sweep, so of its length.
  double d1 = 0.0;
  double d2 = 0.0;
  pline->getDistAtParam(0.25, d1);
  pline->getDistAtParam(1.0, d2);
  EXPECT_NEAR(d1, d2 / 4, 1e-12);

  double param = 0.0;
  EXPECT_EQ(pline->getParamAtPoint(AcGePoint3d(1, 0, 5), param), Acad::eInvalidInput);  // on the chord, off the arc
  EXPECT_EQ(pline->getParamAtPoint(AcGePoint3d(2, 1, 4), param), Acad::eInvalidInput);  // below the plane
  AcGePoint3d p;
  EXPECT_EQ(pline->getPointAtParam(3.5, p), Acad::eInvalidInput);
}

TEST(Polyline, DerivativesFollowTheParameter) {
  auto pline = arcThenLine(1.0);  // half circle of radius 1: sweep pi
  AcGeVector3d d1;
  ASSERT_EQ(pline->getFirstDeriv(0.5, d1), Acad::eOk);
  EXPECT_NEAR(d1.x, kPi, 1e-12);  // moving +X at the bottom, |d| = r * sweep
  EXPECT_NEAR(d1.y, 0.0, 1e-12);
  ASSERT_EQ(pline->getFirstDeriv(1.5, d1), Acad::eOk);
  EXPECT_NEAR(d1.y, 2.0, 1e-12);  // the straight segment's vector
}

TEST(Polyline, NegativeNormalMirrorsTheWorldPoints) {
  AcDbPolyline pline;
  pline.addVertexAt(0, AcGePoint2d(1, 2));
  pline.setNormal(AcGeVector3d(0, 0, -1));
  pline.setElevation(3.0);
  AcGePoint3d p;
  ASSERT_EQ(pline.getPointAt(0, p), Acad::eOk);
  EXPECT_POINT_NEAR(p, AcGePoint3d(-1, 2, -3), 1e-15);
}

TEST(Polyline, ExtentsIncludeTheArcsBulge) {
  auto pline = arcThenLine(1.0);
  pline->setThickness(0.5);
  AcDbExtents ext;
  ASSERT_EQ(pline->getGeomExtents(ext), Acad::eOk);
  EXPECT_POINT_NEAR(ext.minPoint(), AcGePoint3d(0, -1, 0), 1e-12);
  EXPECT_POINT_NEAR(ext.maxPoint(), AcGePoint3d(2, 2, 0.5), 1e-12);
  arcThenLine(-1.0)->getGeomExtents(ext);
  EXPECT_NEAR(ext.minPoint().y, 0.0, 1e-12);
  EXPECT_NEAR(ext.maxPoint().y, 2.0, 1e-12);
}

TEST(Polyline, ExplodeGivesLinesAndArcsWithTheProperties) {
  AcDbPolyline pline;
  pline.addVertexAt(0, AcGePoint2d(0, 0), -1.0);  // clockwise half circle
  pline.addVertexAt(1, AcGePoint2d(2, 0));
  pline.addVertexAt(2, AcGePoint2d(2, 0));       // zero-length segment
  pline.addVertexAt(3, AcGePoint2d(2, 2), 1.0);  // counter-clockwise closing arc
  pline.setClosed(true);
  pline.setThickness(kThicknessFeed);
  pline.setColorIndex(3);
  pline.setElevation(1.0);

  AcDbVoidPtrArray pieces;
  ASSERT_EQ(pline.explode(pieces), Acad::eOk);
  ASSERT_EQ(pieces.length(), 3);
  std::unique_ptr<AcDbArc> first(AcDbArc::cast(static_cast<AcRxObject*>(pieces[0])));
  std::unique_ptr<AcDbLine> line(AcDbLine::cast(static_cast<AcRxObject*>(pieces[1])));
  std::unique_ptr<AcDbArc> closing(AcDbArc::cast(static_cast<AcRxObject*>(pieces[2])));
  ASSERT_TRUE(first && line && closing);

  EXPECT_EQ(first->thickness(), kThicknessFeed);
  EXPECT_EQ(line->thickness(), kThicknessFeed);
  EXPECT_EQ(first->colorIndex(), 3);
  EXPECT_EQ(line->colorIndex(), 3);
  // The clockwise segment becomes the counter-clockwise arc over the same points.
  EXPECT_NEAR(first->normal().z, 1.0, 1e-15);
  AcGePoint3d p;
  first->getStartPoint(p);
  EXPECT_POINT_NEAR(p, AcGePoint3d(2, 0, 1), 1e-12);
  first->getEndPoint(p);
  EXPECT_POINT_NEAR(p, AcGePoint3d(0, 0, 1), 1e-12);
  first->getPointAtParam(first->startAngle() + kPi / 2, p);
  EXPECT_POINT_NEAR(p, AcGePoint3d(1, 1, 1), 1e-12);
  EXPECT_POINT_NEAR(line->startPoint(), AcGePoint3d(2, 0, 1), 0.0);
  EXPECT_POINT_NEAR(line->endPoint(), AcGePoint3d(2, 2, 1), 0.0);
  closing->getStartPoint(p);
  EXPECT_POINT_NEAR(p, AcGePoint3d(2, 2, 1), 1e-12);
  EXPECT_NEAR(closing->radius(), std::sqrt(2.0), 1e-12);
}

TEST(Polyline, MirrorKeepsTheNormalAndTurnsTheBulges) {
  auto pline = arcThenLine(0.4);
  const AcGePoint3d midBefore = pointAt(*pline, 0.5);
  const AcGeMatrix3d mirror = AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis));
  ASSERT_EQ(pline->transformBy(mirror), Acad::eOk);
  EXPECT_NEAR(pline->normal().z, 1.0, 1e-15);
  double bulge = 0.0;
  pline->getBulgeAt(0, bulge);
  EXPECT_DOUBLE_EQ(bulge, -0.4);
  EXPECT_POINT_NEAR(pointAt(*pline, 0.5), AcGePoint3d(-midBefore.x, midBefore.y, 0), 1e-12);
  EXPECT_POINT_NEAR(pointAt(*pline, 2.0), AcGePoint3d(-2, 2, 0), 1e-12);
}

TEST(Polyline, NonUniformScaleOnlyWithoutArcs) {
  const AcGeMatrix3d stretch = [] {
    AcGeMatrix3d m;
    m(0, 0) = 2.0;
    return m;
  }();
  auto withArc = arcThenLine(0.3);
  EXPECT_EQ(withArc->transformBy(stretch), Acad::eCannotScaleNonUniformly);
  EXPECT_POINT_NEAR(pointAt(*withArc, 2.0), AcGePoint3d(2, 2, 0), 0.0);  // untouched

  auto lines = arcThenLine(0.0);
  lines->setElevation(1.0);
  lines->setThickness(2.0);
  ASSERT_EQ(lines->transformBy(stretch), Acad::eOk);
  EXPECT_POINT_NEAR(pointAt(*lines, 2.0), AcGePoint3d(4, 2, 1), 1e-12);
  EXPECT_DOUBLE_EQ(lines->thickness(), 2.0);
}

TEST(Polyline, ReverseRunsTheSamePathBackwards) {
  AcDbPolyline pline;
  pline.addVertexAt(0, AcGePoint2d(0, 0), 0.5, kWidthFeed, 2 * kWidthFeed);
  pline.addVertexAt(1, AcGePoint2d(2, 0), 0.0, 3 * kWidthFeed, 4 * kWidthFeed);
  pline.addVertexAt(2, AcGePoint2d(2, 2), -0.25, 5 * kWidthFeed, 6 * kWidthFeed);
  for (bool closed : {false, true}) {
    std::unique_ptr<AcDbPolyline> reversed = dwgCopy(pline);
    reversed->setClosed(closed);
    std::unique_ptr<AcDbPolyline> original = dwgCopy(*reversed);
    ASSERT_EQ(reversed->reverseCurve(), Acad::eOk);
    double end = 0.0;
    original->getEndParam(end);
    for (double t = 0.0; t <= end; t += 0.25) {
      SCOPED_TRACE(t);
      EXPECT_POINT_NEAR(pointAt(*reversed, t), pointAt(*original, end - t), 1e-12);
    }
    double bulge = 0.0;
    double sw = 0.0;
    double ew = 0.0;
    // The old first segment, backwards.
    const unsigned int index = closed ? 2 : 1;
    reversed->getBulgeAt(index, bulge);
    reversed->getWidthsAt(index, sw, ew);
    EXPECT_DOUBLE_EQ(bulge, -0.5);
    EXPECT_EQ(sw, 2 * kWidthFeed);
    EXPECT_EQ(ew, kWidthFeed);
  }
}

TEST(Polyline, SplitKeepsTheShareOfEachArc) {
  auto pline = arcThenLine(1.0);
  AcDbVoidPtrArray pieces;
  AcGeDoubleArray params;
  params.append(0.5);
  ASSERT_EQ(pline->getSplitCurves(params, pieces), Acad::eOk);
  ASSERT_EQ(pieces.length(), 2);
  std::unique_ptr<AcDbPolyline> a(static_cast<AcDbPolyline*>(pieces[0]));
  std::unique_ptr<AcDbPolyline> b(static_cast<AcDbPolyline*>(pieces[1]));
  ASSERT_EQ(a->numVerts(), 2u);
  ASSERT_EQ(b->numVerts(), 3u);
  double bulge = 0.0;
  a->getBulgeAt(0, bulge);
  EXPECT_NEAR(bulge, std::tan(kPi / 8), 1e-12);  // a quarter circle
  EXPECT_POINT_NEAR(pointAt(*a, 1.0), AcGePoint3d(1, -1, 0), 1e-12);
  EXPECT_POINT_NEAR(pointAt(*b, 0.5), pointAt(*pline, 0.75), 1e-12);
  EXPECT_POINT_NEAR(pointAt(*b, 2.0), AcGePoint3d(2, 2, 0), 1e-12);
}

TEST(Polyline, FilingKeepsFeedsExactly) {
  AcDbDatabase db;
  AcDbPolyline pline;
  pline.addVertexAt(0, AcGePoint2d(0.1, 0.2), 0.0, kWidthFeed, kWidthFeed);
  pline.addVertexAt(1, AcGePoint2d(10.0 / 3.0, 0.7), -0.414213562373095);
  pline.addVertexAt(2, AcGePoint2d(5, 1e-9), 0.0, 0.0, 1234.5 * 1e-7);
  pline.setThickness(kThicknessFeed);
  pline.setElevation(-2.5);
  pline.setClosed(true);
  pline.setNormal(AcGeVector3d(0, 0, -1));

  auto check = [&](const AcDbPolyline& copy) {
    ASSERT_EQ(copy.numVerts(), 3u);
    EXPECT_EQ(copy.thickness(), kThicknessFeed);
    EXPECT_EQ(copy.elevation(), -2.5);
    EXPECT_TRUE(copy.isClosed());
    EXPECT_EQ(copy.normal().z, -1.0);
    for (unsigned int i = 0; i < 3; ++i) {
      AcGePoint2d p1, p2;
      double b1 = 0, b2 = 0, s1 = 0, s2 = 0, e1 = 0, e2 = 0;
      pline.getPointAt(i, p1);
      copy.getPointAt(i, p2);
      pline.getBulgeAt(i, b1);
      copy.getBulgeAt(i, b2);
      pline.getWidthsAt(i, s1, e1);
      copy.getWidthsAt(i, s2, e2);
      EXPECT_EQ(p1.x, p2.x);
      EXPECT_EQ(p1.y, p2.y);
      EXPECT_EQ(b1, b2);
      EXPECT_EQ(s1, s2);
      EXPECT_EQ(e1, e2);
    }
  };
  check(*dwgCopy(pline));
  check(*dxfCopy(pline, &db));

  const std::vector<DxfItem> items = dxfItemsOf(pline, &db);
  ASSERT_NE(findItem(items, 90), nullptr);
  EXPECT_EQ(findItem(items, 90)->integer, 3);
  EXPECT_EQ(findItem(items, 70)->integer, 1);
  ASSERT_NE(findItem(items, 39), nullptr);
  EXPECT_EQ(findItem(items, 39)->reals[0], kThicknessFeed);
  EXPECT_NE(findItem(items, 40), nullptr);  // varying widths go per vertex
}

TEST(Polyline, DxfWithConstantWidthAndBadVertexData) {
  AcDbDatabase db;
  AcDbPolyline pline;
  pline.addVertexAt(0, AcGePoint2d(0, 0));
  pline.addVertexAt(1, AcGePoint2d(1, 0));
  pline.setConstantWidth(0.25);
  const std::vector<DxfItem> items = dxfItemsOf(pline, &db);
  EXPECT_EQ(findItem(items, 43)->reals[0], 0.25);
  EXPECT_EQ(findItem(items, 40), nullptr);
  auto copy = dxfCopy(pline, &db);
  double width = 0.0;
  EXPECT_EQ(copy->getConstantWidth(width), Acad::eOk);
  EXPECT_EQ(width, 0.25);

  // A vertex count that does not match is refused with a message.
  std::vector<DxfItem> wrong = items;
  for (DxfItem& item : wrong)
    if (item.code == 90) item.integer = 5;
  DxfItemFiler in(wrong, &db);
  AcDbPolyline bad;
  EXPECT_EQ(bad.dxfIn(&in), Acad::eBadDxfSequence);
  EXPECT_NE(std::string(in.errorMessage()).find("5 vertices"), std::string::npos);
}

TEST(Polyline, VertexEditing) {
  AcDbPolyline pline;
  pline.setConstantWidth(0.5);
  pline.addVertexAt(0, AcGePoint2d(0, 0));
  pline.addVertexAt(99, AcGePoint2d(2, 0));  // beyond the end appends
  pline.addVertexAt(1, AcGePoint2d(1, 1), 0.0, 0.1, 0.2);
  ASSERT_EQ(pline.numVerts(), 3u);
  AcGePoint2d p;
  pline.getPointAt(2, p);
  EXPECT_EQ(p.x, 2.0);
  double sw = 0.0, ew = 0.0;
  pline.getWidthsAt(0, sw, ew);  // -1 took the constant width
  EXPECT_EQ(sw, 0.5);
  EXPECT_EQ(pline.getConstantWidth(sw), Acad::eNotApplicable);
  EXPECT_EQ(pline.removeVertexAt(3), Acad::eInvalidIndex);
  EXPECT_EQ(pline.removeVertexAt(1), Acad::eOk);
  EXPECT_EQ(pline.setPointAt(2, AcGePoint2d()), Acad::eInvalidIndex);
  double param = 0.0;
  EXPECT_TRUE(pline.onSegAt(0, AcGePoint2d(1.5, 0), param));
  EXPECT_NEAR(param, 0.75, 1e-15);
  EXPECT_FALSE(pline.onSegAt(0, AcGePoint2d(1.5, 0.1), param));
}

}  // namespace
