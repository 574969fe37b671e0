#include "platform/cad/modeler/db_3d_solid.h"

#include <cmath>

#include "platform/cad/modeler/db_body.h"
#include "platform/cad/modeler/modeler_test_support_test.h"

using namespace modeler_test;

namespace {

constexpr double kPi = 3.141592653589793;

AcDbExtents extentsOf(const AcDbEntity& entity) {
  AcDbExtents extents;
  EXPECT_EQ(entity.getGeomExtents(extents), Acad::eOk);
  return extents;
}

// Lengths of the straight sides of the curves.
std::vector<double> lineLengths(const OwnedEntities& curves) {
  std::vector<double> lengths;
  for (int i = 0; i < curves.size(); ++i) {
    if (auto* line = curves.at<AcDbLine>(i)) lengths.push_back(line->startPoint().distanceTo(line->endPoint()));
  }
  std::sort(lengths.begin(), lengths.end());
  return lengths;
}

}  // namespace

TEST(SolidPrimitives, SizesVolumesAndTightExtents) {
  auto block = box(10, 20, 30);
  EXPECT_NEAR(block->volume(), 6000.0, 1e-6);
  EXPECT_POINT_NEAR(extentsOf(*block).minPoint(), AcGePoint3d(-5, -10, -15), 1e-9);

  AcDb3dSolid wedge;
  ASSERT_EQ(wedge.createWedge(10, 4, 6), Acad::eOk);
  EXPECT_NEAR(wedge.volume(), 10 * 4 * 6 / 2.0, 1e-6);
  // The high side stands at -X.
  AcDbRegion* top = nullptr;
  ASSERT_EQ(wedge.getSection(AcGePlane(AcGePoint3d(0, 0, 2.9), AcGeVector3d::kZAxis), top), Acad::eOk);
  std::unique_ptr<AcDbRegion> topOwned(top);
  EXPECT_LT(extentsOf(*top).maxPoint().x, 0.0);

  AcDb3dSolid cylinder, cone, ellipticCylinder;
  ASSERT_EQ(cylinder.createFrustum(10, 2, 2, 2), Acad::eOk);
  EXPECT_NEAR(cylinder.volume(), kPi * 4 * 10, 1e-6);
  EXPECT_POINT_NEAR(extentsOf(cylinder).maxPoint(), AcGePoint3d(2, 2, 5), 1e-9);
  ASSERT_EQ(cone.createFrustum(9, 3, 3, 0), Acad::eOk);
  EXPECT_NEAR(cone.volume(), kPi * 9 * 9 / 3.0, 1e-6);
  ASSERT_EQ(ellipticCylinder.createFrustum(10, 4, 2, 4), Acad::eOk);
  EXPECT_NEAR(ellipticCylinder.volume(), kPi * 8 * 10, 1e-3);

  // A sphere's extents are its own, not the box around its surface's poles.
  AcDb3dSolid ball;
  ASSERT_EQ(ball.createSphere(5), Acad::eOk);
  EXPECT_POINT_NEAR(extentsOf(ball).minPoint(), AcGePoint3d(-5, -5, -5), 1e-6);
  ball.transformBy(AcGeMatrix3d::rotation(0.3, AcGeVector3d(1, 1, 0).normal()));
  EXPECT_POINT_NEAR(extentsOf(ball).maxPoint(), AcGePoint3d(5, 5, 5), 1e-6);

  AcDb3dSolid ring, apple;
  ASSERT_EQ(ring.createTorus(10, 2), Acad::eOk);
  EXPECT_NEAR(ring.volume(), 2 * kPi * kPi * 10 * 4, 1e-3);
  // A torus whose tube crosses its axis is still a closed solid.
  ASSERT_EQ(apple.createTorus(2, 3), Acad::eOk);
  EXPECT_GT(apple.volume(), 0.0);
  EXPECT_POINT_NEAR(extentsOf(apple).maxPoint(), AcGePoint3d(5, 5, 3), 1e-6);

  AcDb3dSolid bad;
  EXPECT_EQ(bad.createBox(0, 1, 1), Acad::eInvalidInput);
  EXPECT_EQ(bad.createSphere(-1), Acad::eInvalidInput);
  EXPECT_TRUE(bad.isNull());
}

TEST(SolidSection, BoxGivesItsRectangleAndMissesGiveNothing) {
  auto block = box(40, 20, 30);
  block->transformBy(moved(20, 10, 15));
  OwnedEntities curves;
  sectionCurves(*block, 12.0, curves);
  ASSERT_EQ(curves.size(), 4);
  EXPECT_EQ(lineLengths(curves), (std::vector<double>{20, 20, 40, 40}));
  for (int i = 0; i < curves.size(); ++i) {
    AcGePoint3d start;
    curves.at<AcDbCurve>(i)->getStartPoint(start);
    EXPECT_NEAR(start.z, 12.0, 1e-9);
  }
  AcDbRegion* none = nullptr;
  EXPECT_EQ(block->getSection(AcGePlane(AcGePoint3d(0, 0, 31), AcGeVector3d::kZAxis), none), Acad::eInvalidInput);
  EXPECT_EQ(none, nullptr);
}

TEST(SolidOffset, RoundsConvexEdgesAndFailsCleanly) {
  auto block = box(40, 20, 30);
  block->transformBy(moved(0, 0, 15));
  ASSERT_EQ(block->offsetBody(5.0), Acad::eOk);
  AcDbExtents extents = extentsOf(*block);
  EXPECT_POINT_NEAR(extents.minPoint(), AcGePoint3d(-25, -15, -5), 1e-6);
  EXPECT_POINT_NEAR(extents.maxPoint(), AcGePoint3d(25, 15, 35), 1e-6);

  // Its section at mid height is the box outline offset by 5 with quarter arcs.
  OwnedEntities curves;
  sectionCurves(*block, 15.0, curves);
  EXPECT_EQ(lineLengths(curves), (std::vector<double>{20, 20, 40, 40}));
  ASSERT_EQ(curves.count<AcDbArc>(), 4);
  for (int i = 0; i < curves.size(); ++i) {
    if (auto* arc = curves.at<AcDbArc>(i)) {
      EXPECT_NEAR(arc->radius(), 5.0, 1e-6);
      EXPECT_NEAR(arc->totalAngle(), kPi / 2, 1e-6);
    }
  }

  // Too far in: an error, and the solid as it was.
  auto small = box(10, 10, 10);
  const double before = small->volume();
  EXPECT_EQ(small->offsetBody(-6.0), Acad::eGeneralModelingFailure);
  EXPECT_NEAR(small->volume(), before, 1e-9);
  ASSERT_EQ(small->offsetBody(-2.0), Acad::eOk);
  EXPECT_NEAR(small->volume(), 216.0, 1e-6);
}

TEST(SolidExtrude, TaperNarrowsAndNegativeHeightGoesDown) {
  auto square = regionOf(*rectangle(0, 0, 100, 100));
  AcDb3dSolid tapered;
  ASSERT_EQ(tapered.extrude(square.get(), 50.0, 10.0 * kPi / 180.0), Acad::eOk);
  OwnedEntities top;
  sectionCurves(tapered, 50.0 - 1e-7, top);
  const std::vector<double> sides = lineLengths(top);
  ASSERT_EQ(sides.size(), 4u);
  for (double side : sides) EXPECT_NEAR(side, 100.0 - 2 * 50 * std::tan(10 * kPi / 180), 1e-4);
  EXPECT_NEAR(sides[0], 82.37, 0.005);

  AcDb3dSolid widening;
  ASSERT_EQ(widening.extrude(square.get(), -50.0, -10.0 * kPi / 180.0), Acad::eOk);
  const AcDbExtents down = extentsOf(widening);
  EXPECT_NEAR(down.minPoint().z, -50.0, 1e-6);
  EXPECT_NEAR(down.maxPoint().x - down.minPoint().x, 117.63, 0.005);

  // A hole in the profile widens as the outside narrows.
  auto ring = regionOf(*rectangle(0, 0, 100, 100));
  auto hole = regionOf(*rectangle(40, 40, 60, 60));
  ring->booleanOper(AcDb::kBoolSubtract, hole.get());
  AcDb3dSolid frame;
  ASSERT_EQ(frame.extrude(ring.get(), 10.0, 0.1), Acad::eOk);
  OwnedEntities frameTop;
  sectionCurves(frame, 10.0 - 1e-7, frameTop);
  const std::vector<double> frameSides = lineLengths(frameTop);
  ASSERT_EQ(frameSides.size(), 8u);
  EXPECT_NEAR(frameSides.front(), 20 + 2 * 10 * std::tan(0.1), 1e-4);

  AcDb3dSolid straight;
  ASSERT_EQ(straight.extrude(square.get(), 20.0), Acad::eOk);
  EXPECT_NEAR(straight.volume(), 200000.0, 1e-3);
  EXPECT_EQ(straight.extrude(square.get(), 20.0, 2.0), Acad::eInvalidInput);
  EXPECT_NEAR(straight.volume(), 200000.0, 1e-3);
}

TEST(SolidBoolean, SubtractUniteAndTaperFaces) {
  auto block = box(20, 20, 20);
  AcDb3dSolid drill;
  drill.createFrustum(40, 5, 5, 5);
  ASSERT_EQ(block->booleanOper(AcDb::kBoolSubtract, &drill), Acad::eOk);
  EXPECT_TRUE(drill.isNull());
  EXPECT_NEAR(block->volume(), 8000 - kPi * 25 * 20, 1e-3);
  // Its section is one face with the hole in it.
  OwnedEntities drilled;
  sectionCurves(*block, 1.0, drilled);
  EXPECT_EQ(drilled.count<AcDbLine>(), 4);
  EXPECT_EQ(drilled.count<AcDbRegion>(), 0);
  EXPECT_GE(drilled.count<AcDbCircle>() + drilled.count<AcDbArc>(), 1);

  auto a = box(10, 10, 10);
  auto b = box(10, 10, 10);
  b->transformBy(moved(5, 0, 0));
  ASSERT_EQ(a->booleanOper(AcDb::kBoolUnite, b.get()), Acad::eOk);
  EXPECT_NEAR(a->volume(), 1500.0, 1e-6);
  EXPECT_EQ(a->numFaces(), 6);

  auto c = box(10, 10, 10);
  auto far = box(1, 1, 1);
  far->transformBy(moved(50, 0, 0));
  ASSERT_EQ(c->booleanOper(AcDb::kBoolIntersect, far.get()), Acad::eOk);
  EXPECT_TRUE(c->isNull());

  // The +X side leans in going up: the top shrinks in X, the bottom stays.
  auto tapered = box(20, 20, 20);
  AcGeMatrix3d view;
  int side = 0;
  for (Adesk::GsMarker marker = 1; marker <= tapered->numFaces(); ++marker) {
    AcDbFullSubentPath path(AcDb::kFaceSubentType, marker);
    std::unique_ptr<AcDbEntity> face(tapered->subentPtr(path));
    AcDbExtents extents = extentsOf(*face);
    if (extents.minPoint().x > 9.9) side = static_cast<int>(marker);
  }
  ASSERT_NE(side, 0);
  AcDbSubentId sideId(AcDb::kFaceSubentType, side);
  AcArray<AcDbSubentId*> faces;
  faces.append(&sideId);
  ASSERT_EQ(tapered->taperFaces(faces, AcGePoint3d(0, 0, -10), AcGeVector3d::kZAxis, 0.1), Acad::eOk);
  EXPECT_NEAR(tapered->volume(), 8000 - 0.5 * 20 * 20 * std::tan(0.1) * 20, 1e-3);
  OwnedEntities top;
  sectionCurves(*tapered, 10 - 1e-7, top);
  AcDbExtents topExtents;
  for (int i = 0; i < top.size(); ++i) topExtents.addExt(extentsOf(*top.at(i)));
  EXPECT_NEAR(topExtents.maxPoint().x, 10 - 20 * std::tan(0.1), 1e-6);
}

TEST(SolidSubentities, MarkersPathsPicksAndDrawing) {
  auto block = box(10, 10, 10);
  ASSERT_EQ(block->numFaces(), 6);
  ASSERT_EQ(block->numEdges(), 12);

  // The top face under a pick from above.
  Adesk::GsMarker marker = 0;
  ASSERT_EQ(block->pickFaceMarker(AcGePoint3d(1, 1, 100), AcGeVector3d(0, 0, -1), 0.0, marker), Acad::eOk);
  int numPaths = 0;
  AcDbFullSubentPath* paths = nullptr;
  ASSERT_EQ(
      block->getSubentPathsAtGsMarker(AcDb::kFaceSubentType, marker, AcGePoint3d(), AcGeMatrix3d(), numPaths, paths),
      Acad::eOk);
  ASSERT_EQ(numPaths, 1);
  std::unique_ptr<AcDbEntity> topFace(block->subentPtr(paths[0]));
  AcDbGsMarkerArray markers;
  ASSERT_EQ(block->getGsMarkersAtSubentPath(paths[0], markers), Acad::eOk);
  EXPECT_EQ(markers.length(), 1);
  EXPECT_EQ(markers[0], marker);
  block->highlight(paths[0]);
  EXPECT_EQ(block->highlightedSubents().size(), 1u);
  block->unhighlight(paths[0]);
  EXPECT_TRUE(block->highlightedSubents().empty());
  delete[] paths;
  auto* region = AcDbRegion::cast(topFace.get());
  ASSERT_NE(region, nullptr);
  EXPECT_NEAR(extentsOf(*region).minPoint().z, 5.0, 1e-9);

  // Beside the box the pick misses, unless the aperture reaches a face.
  EXPECT_EQ(block->pickFaceMarker(AcGePoint3d(5.5, 0, 100), AcGeVector3d(0, 0, -1), 0.0, marker), Acad::eInvalidInput);
  EXPECT_EQ(block->pickFaceMarker(AcGePoint3d(5.5, 0, 100), AcGeVector3d(0, 0, -1), 1.0, marker), Acad::eOk);

  // An edge marker names its two faces; a face names its four edges.
  const Adesk::GsMarker edgeMarker = 6 + 1;
  ASSERT_EQ(block->getSubentPathsAtGsMarker(AcDb::kFaceSubentType, edgeMarker, AcGePoint3d(), AcGeMatrix3d(), numPaths,
                                            paths),
            Acad::eOk);
  EXPECT_EQ(numPaths, 2);
  delete[] paths;
  ASSERT_EQ(block->getSubentPathsAtGsMarker(AcDb::kEdgeSubentType, 1, AcGePoint3d(), AcGeMatrix3d(), numPaths, paths),
            Acad::eOk);
  EXPECT_EQ(numPaths, 4);
  std::unique_ptr<AcDbEntity> edge(block->subentPtr(paths[0]));
  delete[] paths;
  ASSERT_NE(AcDbLine::cast(edge.get()), nullptr);
  EXPECT_NEAR(AcDbLine::cast(edge.get())->startPoint().distanceTo(AcDbLine::cast(edge.get())->endPoint()), 10.0, 1e-9);
  EXPECT_EQ(block->getSubentPathsAtGsMarker(AcDb::kFaceSubentType, 99, AcGePoint3d(), AcGeMatrix3d(), numPaths, paths),
            Acad::eInvalidInput);

  // A curved face comes out as a body.
  AcDb3dSolid ball;
  ball.createSphere(3);
  std::unique_ptr<AcDbEntity> curved(ball.subentPtr(AcDbFullSubentPath(AcDb::kFaceSubentType, 1)));
  EXPECT_NE(AcDbBody::cast(curved.get()), nullptr);

  // Shaded: one shell per face with its marker; the facets stay within the deviation.
  RecordingDraw shaded(kAcGiHideOrShadeCommand, 0.01);
  ball.worldDraw(&shaded);
  ASSERT_EQ(shaded.shells.size(), 1u);
  EXPECT_EQ(shaded.shells[0].marker, 1);
  double worst = 0.0;
  const auto& shell = shaded.shells[0];
  for (std::size_t i = 0; i + 3 < shell.faces.size(); i += 4) {
    ASSERT_EQ(shell.faces[i], 3);
    const AcGePoint3d& p = shell.points[static_cast<std::size_t>(shell.faces[i + 1])];
    const AcGePoint3d& q = shell.points[static_cast<std::size_t>(shell.faces[i + 2])];
    const AcGePoint3d& r = shell.points[static_cast<std::size_t>(shell.faces[i + 3])];
    const AcGePoint3d centre((p.x + q.x + r.x) / 3, (p.y + q.y + r.y) / 3, (p.z + q.z + r.z) / 3);
    worst = std::max(worst, 3.0 - centre.distanceTo(AcGePoint3d::kOrigin));
  }
  EXPECT_LE(worst, 0.0101);
  RecordingDraw wires(kAcGiStandardDisplay);
  block->worldDraw(&wires);
  ASSERT_EQ(wires.wires.size(), 12u);
  EXPECT_EQ(wires.wires.front().marker, 7);
}

TEST(Solid, CloneAndMirrorKeepTheSolid) {
  auto block = box(4, 6, 8);
  std::unique_ptr<AcDb3dSolid> copy(AcDb3dSolid::cast(block->clone()));
  ASSERT_NE(copy, nullptr);
  EXPECT_NEAR(copy->volume(), 192.0, 1e-9);
  ASSERT_EQ(copy->transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(10, 0, 0), AcGeVector3d::kXAxis))),
            Acad::eOk);
  EXPECT_NEAR(copy->volume(), 192.0, 1e-9);
  EXPECT_POINT_NEAR(extentsOf(*copy).minPoint(), AcGePoint3d(18, -3, -4), 1e-9);
}
