#include <gtest/gtest.h>

#include <cmath>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_entity_test_support_test.h"
#include "platform/cad/ge/ge_plane.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

double deg(double d) { return d * kPi / 180.0; }

AcGePoint3d startOf(const AcDbCurve& c) {
  AcGePoint3d p;
  EXPECT_EQ(c.getStartPoint(p), Acad::eOk);
  return p;
}

AcGePoint3d endOf(const AcDbCurve& c) {
  AcGePoint3d p;
  EXPECT_EQ(c.getEndPoint(p), Acad::eOk);
  return p;
}

AcGePoint3d midOf(const AcDbCurve& c) {
  double s = 0.0;
  double e = 0.0;
  c.getStartParam(s);
  c.getEndParam(e);
  AcGePoint3d p;
  EXPECT_EQ(c.getPointAtParam(0.5 * (s + e), p), Acad::eOk);
  return p;
}

TEST(Arc, ExtentsTakeTheQuadrantPointsInsideTheSweep) {
  AcDbExtents ext;
  AcDbArc(AcGePoint3d(10, 20, 0), 2.0, deg(80), deg(190)).getGeomExtents(ext);
  EXPECT_POINT_NEAR(ext.minPoint(), AcGePoint3d(8, 20 + 2 * std::sin(deg(190)), 0), 1e-12);
  EXPECT_POINT_NEAR(ext.maxPoint(), AcGePoint3d(10 + 2 * std::cos(deg(80)), 22, 0), 1e-12);

  // Across angle 0.
  AcDbArc(AcGePoint3d::kOrigin, 1.0, deg(350), deg(10)).getGeomExtents(ext);
  EXPECT_NEAR(ext.maxPoint().x, 1.0, 1e-15);
  EXPECT_NEAR(ext.minPoint().x, std::cos(deg(10)), 1e-12);
  EXPECT_NEAR(ext.maxPoint().y, std::sin(deg(10)), 1e-12);

  // A clockwise-looking arc (normal -Z) from 0 to 90 lies in the world's second quadrant.
  AcDbArc flipped(AcGePoint3d::kOrigin, AcGeVector3d(0, 0, -1), 1.0, 0.0, deg(90));
  flipped.setThickness(3.0);
  flipped.getGeomExtents(ext);
  EXPECT_POINT_NEAR(ext.minPoint(), AcGePoint3d(-1, 0, -3), 1e-12);
  EXPECT_POINT_NEAR(ext.maxPoint(), AcGePoint3d(0, 1, 0), 1e-12);

  // Tilted: the exact box of a circle in the plane x = z.
  AcDbCircle tilted(AcGePoint3d::kOrigin, AcGeVector3d(1, 0, -1), 1.0);
  tilted.getGeomExtents(ext);
  EXPECT_NEAR(ext.maxPoint().x, std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(ext.maxPoint().y, 1.0, 1e-12);
  EXPECT_NEAR(ext.maxPoint().z, std::sqrt(0.5), 1e-12);
}

TEST(Arc, NegativeNormalRunsClockwiseSeenFromAbove) {
  AcDbArc arc(AcGePoint3d(1, 1, 2), AcGeVector3d(0, 0, -1), 1.0, 0.0, deg(90));
  EXPECT_POINT_NEAR(startOf(arc), AcGePoint3d(0, 1, 2), 1e-12);  // ECS X is world -X
  EXPECT_POINT_NEAR(endOf(arc), AcGePoint3d(1, 2, 2), 1e-12);
  EXPECT_POINT_NEAR(midOf(arc), AcGePoint3d(1 - std::sqrt(0.5), 1 + std::sqrt(0.5), 2), 1e-12);
}

TEST(Arc, ParameterDistanceAndPointRoundTrip) {
  AcDbArc arc(AcGePoint3d(3, 4, 5), AcGeVector3d(1, 2, 3), 2.5, deg(300), deg(60));
  double start = 0.0;
  double end = 0.0;
  arc.getStartParam(start);
  arc.getEndParam(end);
  EXPECT_NEAR(end - start, deg(120), 1e-12);
  for (double f : {0.0, 0.3, 0.5, 1.0}) {
    const double param = start + f * (end - start);
    AcGePoint3d p;
    ASSERT_EQ(arc.getPointAtParam(param, p), Acad::eOk);
    double back = 0.0;
    ASSERT_EQ(arc.getParamAtPoint(p, back), Acad::eOk);
    EXPECT_NEAR(back, param, 1e-9);
    double dist = 0.0;
    arc.getDistAtParam(param, dist);
    EXPECT_NEAR(dist, 2.5 * f * deg(120), 1e-12);
    AcGePoint3d atDist;
    arc.getPointAtDist(dist, atDist);
    EXPECT_POINT_NEAR(atDist, p, 1e-12);
  }
  double param = 0.0;
  AcGePoint3d outside;
  arc.getPointAtParam(start, outside);
  outside = AcGePoint3d(3, 4, 5) + (AcGePoint3d(3, 4, 5) - outside);  // the opposite point, off the sweep
  EXPECT_EQ(arc.getParamAtPoint(outside, param), Acad::eInvalidInput);
}

TEST(Arc, MirrorKeepsAnArcThatRunsTheOtherWay) {
  AcDbArc arc(AcGePoint3d(2, 0, 0), 1.0, 0.0, deg(90));
  arc.setThickness(kThicknessFeed);
  const AcGePoint3d s = startOf(arc);
  const AcGePoint3d e = endOf(arc);
  const AcGePoint3d m = midOf(arc);
  const AcGeMatrix3d mirror = AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis));
  ASSERT_EQ(arc.transformBy(mirror), Acad::eOk);
  EXPECT_NEAR(arc.normal().z, 1.0, 1e-15);
  EXPECT_NEAR(arc.startAngle(), deg(90), 1e-12);
  EXPECT_NEAR(arc.endAngle(), deg(180), 1e-12);
  EXPECT_POINT_NEAR(startOf(arc), mirror * e, 1e-12);
  EXPECT_POINT_NEAR(endOf(arc), mirror * s, 1e-12);
  EXPECT_POINT_NEAR(midOf(arc), mirror * m, 1e-12);
  EXPECT_EQ(arc.thickness(), kThicknessFeed);
}

TEST(Arc, TransformsKeepTheWorldGeometryOfANegativeNormalArc) {
  AcDbArc arc(AcGePoint3d(1, 2, 3), AcGeVector3d(0, 0, -1), 2.0, deg(20), deg(250));
  const AcGeMatrix3d moves[] = {
      AcGeMatrix3d::translation(AcGeVector3d(5, -1, 2)),
      AcGeMatrix3d::rotation(deg(33), AcGeVector3d::kZAxis, AcGePoint3d(1, 1, 0)),
      AcGeMatrix3d::rotation(deg(71), AcGeVector3d(1, 1, 0)),
      AcGeMatrix3d::scaling(2.5, AcGePoint3d(-1, 0, 0)),
      AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(0, 0, 1), AcGeVector3d::kZAxis)),
  };
  for (const AcGeMatrix3d& m : moves) {
    AcDbArc moved(AcGePoint3d(1, 2, 3), AcGeVector3d(0, 0, -1), 2.0, deg(20), deg(250));
    ASSERT_EQ(moved.transformBy(m), Acad::eOk);
    const bool mirrored = m.det() < 0;
    EXPECT_POINT_NEAR(startOf(moved), m * (mirrored ? endOf(arc) : startOf(arc)), 1e-12);
    EXPECT_POINT_NEAR(endOf(moved), m * (mirrored ? startOf(arc) : endOf(arc)), 1e-12);
    EXPECT_POINT_NEAR(midOf(moved), m * midOf(arc), 1e-12);
  }
}

TEST(Arc, NonUniformScaleIsRefused) {
  AcGeMatrix3d stretch;
  stretch(1, 1) = 3.0;
  AcDbArc arc(AcGePoint3d::kOrigin, 1.0, 0.0, 1.0);
  EXPECT_EQ(arc.transformBy(stretch), Acad::eCannotScaleNonUniformly);
  EXPECT_EQ(arc.radius(), 1.0);
  AcDbCircle circle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, 1.0);
  EXPECT_EQ(circle.transformBy(stretch), Acad::eCannotScaleNonUniformly);
  ASSERT_EQ(circle.transformBy(AcGeMatrix3d::scaling(2.0)), Acad::eOk);
  EXPECT_DOUBLE_EQ(circle.radius(), 2.0);
}

TEST(Arc, ReverseMatchesTheThreePiRule) {
  // 0..90 about +Z becomes 90..180 about -Z (3pi - end, 3pi - start).
  AcDbArc arc(AcGePoint3d::kOrigin, 1.0, 0.0, deg(90));
  const AcGePoint3d s = startOf(arc);
  const AcGePoint3d e = endOf(arc);
  ASSERT_EQ(arc.reverseCurve(), Acad::eOk);
  EXPECT_EQ(arc.normal().z, -1.0);
  EXPECT_NEAR(arc.startAngle(), deg(90), 1e-12);
  EXPECT_NEAR(arc.endAngle(), deg(180), 1e-12);
  EXPECT_POINT_NEAR(startOf(arc), e, 1e-12);
  EXPECT_POINT_NEAR(endOf(arc), s, 1e-12);
}

TEST(Arc, AreaAndSplit) {
  AcDbArc half(AcGePoint3d::kOrigin, 2.0, 0.0, kPi);
  double area = 0.0;
  half.getArea(area);
  EXPECT_NEAR(area, 2 * kPi, 1e-12);
  AcGeDoubleArray params;
  params.append(kPi / 2);
  AcDbVoidPtrArray pieces;
  ASSERT_EQ(half.getSplitCurves(params, pieces), Acad::eOk);
  ASSERT_EQ(pieces.length(), 2);
  std::unique_ptr<AcDbArc> a(static_cast<AcDbArc*>(pieces[0]));
  std::unique_ptr<AcDbArc> b(static_cast<AcDbArc*>(pieces[1]));
  EXPECT_NEAR(a->endAngle(), kPi / 2, 1e-15);
  EXPECT_NEAR(b->startAngle(), kPi / 2, 1e-15);
}

TEST(Arc, FilingKeepsExactValuesAndTheObjectCoordinates) {
  AcDbDatabase db;
  AcDbArc arc(AcGePoint3d(1.0 / 3.0, -7.25, 0.1), AcGeVector3d(0, 0, -1), 0.7, deg(10), deg(200));
  arc.setThickness(kThicknessFeed);
  for (const auto& copy : {dwgCopy(arc), dxfCopy(arc, &db)}) {
    EXPECT_EQ(copy->thickness(), kThicknessFeed);
    EXPECT_POINT_NEAR(copy->center(), arc.center(), 0.0);
    EXPECT_EQ(copy->radius(), arc.radius());
    EXPECT_NEAR(copy->startAngle(), arc.startAngle(), 1e-15);
    EXPECT_NEAR(copy->endAngle(), arc.endAngle(), 1e-15);
    EXPECT_EQ(copy->normal().z, -1.0);
  }
  // DXF: the centre in object coordinates, angles in degrees, both subclasses.
  const std::vector<DxfItem> items = dxfItemsOf(arc, &db);
  const DxfItem* center = findItem(items, 10);
  ASSERT_NE(center, nullptr);
  EXPECT_EQ(center->reals[0], -1.0 / 3.0);
  EXPECT_EQ(center->reals[2], -0.1);
  EXPECT_NEAR(findItem(items, 50)->reals[0], 10.0, 1e-12);
  EXPECT_NEAR(findItem(items, 51)->reals[0], 200.0, 1e-12);
  int subclasses = 0;
  for (const DxfItem& item : items)
    if (item.code == 100 && (item.text == "AcDbCircle" || item.text == "AcDbArc")) ++subclasses;
  EXPECT_EQ(subclasses, 2);
}

TEST(Circle, CurveInterfaceAndFiling) {
  AcDbDatabase db;
  AcDbCircle circle(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, 2.0);
  double end = 0.0;
  circle.getEndParam(end);
  EXPECT_NEAR(end, 2 * kPi, 1e-15);
  EXPECT_TRUE(circle.isClosed());
  AcGePoint3d p;
  circle.getPointAtParam(kPi / 2, p);
  EXPECT_POINT_NEAR(p, AcGePoint3d(1, 3, 0), 1e-12);
  double dist = 0.0;
  circle.getDistAtPoint(p, dist);
  EXPECT_NEAR(dist, kPi, 1e-12);
  double area = 0.0;
  circle.getArea(area);
  EXPECT_NEAR(area, 4 * kPi, 1e-12);
  circle.setThickness(kThicknessFeed);
  EXPECT_EQ(dxfCopy(circle, &db)->thickness(), kThicknessFeed);
  EXPECT_EQ(dwgCopy(circle)->radius(), 2.0);
}

}  // namespace
