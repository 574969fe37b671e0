#include "platform/cad/modeler/db_region.h"

#include <cmath>

#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/modeler/modeler_test_support_test.h"

using namespace modeler_test;

namespace {

constexpr double kPi = 3.141592653589793;

double areaOf(const AcDbRegion& region) {
  double area = 0.0;
  EXPECT_EQ(region.getArea(area), Acad::eOk);
  return area;
}

}  // namespace

TEST(RegionFromCurves, LoopsOfEveryCurveKind) {
  // Four lines in scrambled order and directions close one loop.
  AcDbLine a(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  AcDbLine c(AcGePoint3d(10, 5, 0), AcGePoint3d(0, 5, 0));
  AcDbLine b(AcGePoint3d(10, 5, 0), AcGePoint3d(10, 0, 0));
  AcDbLine d(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 5, 0));
  AcDbVoidPtrArray curves;
  for (AcDbLine* line : {&a, &c, &b, &d}) curves.append(line);
  OwnedEntities regions;
  ASSERT_EQ(AcDbRegion::createFromCurves(curves, regions.array), Acad::eOk);
  ASSERT_EQ(regions.size(), 1);
  EXPECT_NEAR(areaOf(*regions.at<AcDbRegion>(0)), 50.0, 1e-9);
  AcGeVector3d normal;
  ASSERT_EQ(regions.at<AcDbRegion>(0)->getNormal(normal), Acad::eOk);
  EXPECT_NEAR(normal.z, 1.0, 1e-12);
  double perimeter = 0.0;
  regions.at<AcDbRegion>(0)->getPerimeter(perimeter);
  EXPECT_NEAR(perimeter, 30.0, 1e-9);

  // A polyline with a half-circle bulge: a 10 x 10 square with a semicircle on top.
  AcDbPolyline rounded;
  rounded.addVertexAt(0, AcGePoint2d(0, 0));
  rounded.addVertexAt(1, AcGePoint2d(10, 0));
  rounded.addVertexAt(2, AcGePoint2d(10, 10), 1.0);
  rounded.addVertexAt(3, AcGePoint2d(0, 10));
  rounded.setClosed(true);
  EXPECT_NEAR(areaOf(*regionOf(rounded)), 100.0 + kPi * 25.0 / 2.0, 1e-6);

  AcDbCircle circle(AcGePoint3d(5, 5, 2), AcGeVector3d::kZAxis, 3.0);
  EXPECT_NEAR(areaOf(*regionOf(circle)), kPi * 9.0, 1e-9);

  AcDbEllipse ellipse(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, AcGeVector3d(4, 0, 0), 0.5);
  EXPECT_NEAR(areaOf(*regionOf(ellipse)), kPi * 4.0 * 2.0, 1e-6);

  // An arc closed by its chord: a half disc.
  AcDbArc arc(AcGePoint3d(0, 0, 0), 2.0, 0.0, kPi);
  AcDbLine chord(AcGePoint3d(-2, 0, 0), AcGePoint3d(2, 0, 0));
  AcDbVoidPtrArray halfDisc;
  halfDisc.append(&arc);
  halfDisc.append(&chord);
  OwnedEntities half;
  ASSERT_EQ(AcDbRegion::createFromCurves(halfDisc, half.array), Acad::eOk);
  EXPECT_NEAR(areaOf(*half.at<AcDbRegion>(0)), kPi * 2.0, 1e-9);

  // A closed spline through points on a circle encloses about its area.
  AcGePoint3dArray fit;
  for (int i = 0; i < 16; ++i) fit.append(AcGePoint3d(5 * std::cos(i * kPi / 8), 5 * std::sin(i * kPi / 8), 0));
  fit.append(fit[0]);
  AcDbSpline spline(fit);
  EXPECT_NEAR(areaOf(*regionOf(spline)), kPi * 25.0, 0.5);
}

TEST(RegionFromCurves, NestedLoopsMakeSeparateRegionsAndOpenCurvesFail) {
  auto outer = rectangle(0, 0, 20, 20);
  AcDbCircle inner(AcGePoint3d(10, 10, 0), AcGeVector3d::kZAxis, 4.0);
  AcDbLine stray(AcGePoint3d(30, 0, 0), AcGePoint3d(40, 0, 0));
  AcDbVoidPtrArray curves;
  curves.append(outer.get());
  curves.append(&inner);
  curves.append(&stray);
  OwnedEntities regions;
  ASSERT_EQ(AcDbRegion::createFromCurves(curves, regions.array), Acad::eOk);
  ASSERT_EQ(regions.size(), 2);
  EXPECT_NEAR(areaOf(*regions.at<AcDbRegion>(0)), 400.0, 1e-9);
  EXPECT_NEAR(areaOf(*regions.at<AcDbRegion>(1)), kPi * 16.0, 1e-9);

  AcDbLine first(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  AcDbLine second(AcGePoint3d(10, 0, 0), AcGePoint3d(10, 10, 0));
  AcDbVoidPtrArray open;
  open.append(&first);
  open.append(&second);
  OwnedEntities none;
  EXPECT_EQ(AcDbRegion::createFromCurves(open, none.array), Acad::eInvalidInput);
  EXPECT_EQ(none.size(), 0);

  AcDbVoidPtrArray notCurves;
  auto solid = box(1, 1, 1);
  notCurves.append(solid.get());
  EXPECT_EQ(AcDbRegion::createFromCurves(notCurves, none.array), Acad::eInvalidInput);
}

TEST(RegionBoolean, SubtractingAnIslandKeepsItsArcs) {
  auto outer = regionOf(*rectangle(0, 0, 20, 20));
  AcDbCircle hole(AcGePoint3d(10, 10, 0), AcGeVector3d::kZAxis, 4.0);
  auto island = regionOf(hole);
  ASSERT_EQ(outer->booleanOper(AcDb::kBoolSubtract, island.get()), Acad::eOk);
  EXPECT_TRUE(island->isNull());
  EXPECT_NEAR(areaOf(*outer), 400.0 - kPi * 16.0, 1e-6);

  OwnedEntities pieces;
  ASSERT_EQ(outer->explode(pieces.array), Acad::eOk);
  EXPECT_EQ(pieces.count<AcDbLine>(), 4);
  // The hole comes back as circular curves of radius 4, not as a polygon.
  double holeLength = 0.0;
  for (int i = 0; i < pieces.size(); ++i) {
    if (auto* circle = pieces.at<AcDbCircle>(i)) {
      EXPECT_NEAR(circle->radius(), 4.0, 1e-9);
      holeLength += circle->circumference();
    } else if (auto* arc = pieces.at<AcDbArc>(i)) {
      EXPECT_NEAR(arc->radius(), 4.0, 1e-9);
      holeLength += arc->length();
    }
  }
  EXPECT_NEAR(holeLength, 2 * kPi * 4.0, 1e-6);
  EXPECT_EQ(pieces.count<AcDbLine>() + pieces.count<AcDbCircle>() + pieces.count<AcDbArc>(), pieces.size());
}

TEST(RegionBoolean, UniteIntersectAndEmptyResults) {
  auto same = regionOf(*rectangle(0, 0, 10, 10));
  auto copy = regionOf(*rectangle(0, 0, 10, 10));
  ASSERT_EQ(same->booleanOper(AcDb::kBoolIntersect, copy.get()), Acad::eOk);
  EXPECT_NEAR(areaOf(*same), 100.0, 1e-9);
  EXPECT_TRUE(copy->isNull());

  // Overlapping squares unite into one face with one outline of eight lines.
  auto left = regionOf(*rectangle(0, 0, 10, 10));
  auto right = regionOf(*rectangle(5, 5, 15, 15));
  ASSERT_EQ(left->booleanOper(AcDb::kBoolUnite, right.get()), Acad::eOk);
  EXPECT_NEAR(areaOf(*left), 175.0, 1e-9);
  EXPECT_EQ(left->numFaces(), 1);
  OwnedEntities outline;
  ASSERT_EQ(left->explode(outline.array), Acad::eOk);
  EXPECT_EQ(outline.count<AcDbLine>(), 8);

  // Apart squares: the intersection is empty, a null region and no error.
  auto one = regionOf(*rectangle(0, 0, 1, 1));
  auto other = regionOf(*rectangle(5, 5, 6, 6));
  ASSERT_EQ(one->booleanOper(AcDb::kBoolIntersect, other.get()), Acad::eOk);
  EXPECT_TRUE(one->isNull());
  EXPECT_TRUE(other->isNull());

  // A cut through the middle leaves two faces, which explode into two regions.
  auto wide = regionOf(*rectangle(0, 0, 30, 10));
  auto bar = regionOf(*rectangle(10, -5, 20, 15));
  ASSERT_EQ(wide->booleanOper(AcDb::kBoolSubtract, bar.get()), Acad::eOk);
  OwnedEntities parts;
  ASSERT_EQ(wide->explode(parts.array), Acad::eOk);
  ASSERT_EQ(parts.count<AcDbRegion>(), 2);
  EXPECT_NEAR(areaOf(*parts.at<AcDbRegion>(0)) + areaOf(*parts.at<AcDbRegion>(1)), 200.0, 1e-9);

  // Regions in different planes are refused and left as they were.
  auto low = regionOf(*rectangle(0, 0, 10, 10));
  auto high = regionOf(*rectangle(0, 0, 10, 10, 5.0));
  EXPECT_EQ(low->booleanOper(AcDb::kBoolUnite, high.get()), Acad::eNonCoplanarGeometry);
  EXPECT_NEAR(areaOf(*low), 100.0, 1e-9);
  EXPECT_FALSE(high->isNull());
}

TEST(Region, TransformExtentsCloneAndPlane) {
  auto region = regionOf(*rectangle(0, 0, 10, 4));
  ASSERT_EQ(region->transformBy(moved(1, 2, 3)), Acad::eOk);
  AcDbExtents extents;
  ASSERT_EQ(region->getGeomExtents(extents), Acad::eOk);
  EXPECT_POINT_NEAR(extents.minPoint(), AcGePoint3d(1, 2, 3), 1e-9);
  EXPECT_POINT_NEAR(extents.maxPoint(), AcGePoint3d(11, 6, 3), 1e-9);
  AcGePlane plane;
  AcDb::Planarity planarity;
  ASSERT_EQ(region->getPlane(plane, planarity), Acad::eOk);
  EXPECT_NEAR(plane.distanceTo(AcGePoint3d(0, 0, 3)), 0.0, 1e-9);

  std::unique_ptr<AcDbRegion> copy(AcDbRegion::cast(region->clone()));
  ASSERT_NE(copy, nullptr);
  EXPECT_NEAR(areaOf(*copy), 40.0, 1e-9);

  AcDbEntity* moved = nullptr;
  ASSERT_EQ(region->getTransformedCopy(AcGeMatrix3d::scaling(2.0), moved), Acad::eOk);
  std::unique_ptr<AcDbEntity> owned(moved);
  EXPECT_NEAR(areaOf(*AcDbRegion::cast(moved)), 160.0, 1e-9);
  EXPECT_NEAR(areaOf(*region), 40.0, 1e-9);

  AcGeMatrix3d shear;
  shear(0, 1) = 0.5;
  EXPECT_EQ(region->transformBy(shear), Acad::eCannotScaleNonUniformly);
}

// A groove's region and its copy moved along its open top: they share the top
// and bottom edges over most of their length, and the walls of one lie inside
// the other.
TEST(RegionBoolean, CopiesSharingEdgesIntersectToTheirOverlap) {
  const auto groove = [](double dx) {
    auto polyline = std::make_unique<AcDbPolyline>();
    const double points[][2] = {{0, 30}, {0, 20}, {10, 20}, {10, 12}, {30, 12}, {30, 20}, {40, 20}, {40, 30}};
    for (const auto& p : points) polyline->addVertexAt(polyline->numVerts(), AcGePoint2d(p[0] + dx, p[1]));
    polyline->setClosed(true);
    return polyline;
  };
  for (double dx : {0.0, 3.2, 25.0}) {
    auto moved = regionOf(*groove(-dx));
    auto kept = regionOf(*groove(0.0));
    ASSERT_EQ(moved->booleanOper(AcDb::kBoolIntersect, kept.get()), Acad::eOk) << dx;
    const double top = (40 - dx) * 10;
    const double pit = std::max(0.0, 20 - dx) * 8;
    EXPECT_NEAR(areaOf(*moved), top + pit, 1e-9) << dx;
    EXPECT_EQ(moved->numFaces(), 1) << dx;
  }
}
