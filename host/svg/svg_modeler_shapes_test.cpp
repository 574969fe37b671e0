#include "host/svg/svg_modeler_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/graphics/gi_world_draw.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"

namespace {

std::string DataOf(const SvgPath& path) { return path.data(SvgNumberFormat(4)); }

// A 30 x 20 rectangle of lines with a circular hole of radius 5 at (15, 10).
std::unique_ptr<AcDbRegion> RectangleWithHole() {
  const AcGePoint3d corners[] = {{0, 0, 0}, {30, 0, 0}, {30, 20, 0}, {0, 20, 0}};
  std::vector<std::unique_ptr<AcDbCurve>> curves;
  for (int i = 0; i < 4; ++i) curves.push_back(std::make_unique<AcDbLine>(corners[i], corners[(i + 1) % 4]));
  AcDbCircle hole(AcGePoint3d(15, 10, 0), AcGeVector3d::kZAxis, 5);
  AcDbVoidPtrArray outer, inner, regions;
  for (const auto& curve : curves) outer.append(curve.get());
  inner.append(&hole);
  EXPECT_EQ(AcDbRegion::createFromCurves(outer, regions), Acad::eOk);
  EXPECT_EQ(AcDbRegion::createFromCurves(inner, regions), Acad::eOk);
  EXPECT_EQ(regions.length(), 2);
  std::unique_ptr<AcDbRegion> face(static_cast<AcDbRegion*>(regions[0]));
  std::unique_ptr<AcDbRegion> cut(static_cast<AcDbRegion*>(regions[1]));
  EXPECT_EQ(face->booleanOper(AcDb::kBoolSubtract, cut.get()), Acad::eOk);
  return face;
}

TEST(SvgModelerShapes, RegionLoopsAreDrawnApartWithExactArcs) {
  const std::unique_ptr<AcDbRegion> region = RectangleWithHole();
  SvgPath path;
  ASSERT_TRUE(ModelerEdgePathOf(*region, AcGeMatrix3d::kIdentity, path));
  const std::string data = DataOf(path);
  // Four sides and no line joining the outline to the hole.
  EXPECT_EQ(std::count(data.begin(), data.end(), 'L'), 4) << data;
  EXPECT_NE(data.find("A5 5"), std::string::npos) << data;
  EXPECT_DOUBLE_EQ(path.bounds().minX, 0.0);
  EXPECT_DOUBLE_EQ(path.bounds().maxX, 30.0);
  EXPECT_DOUBLE_EQ(path.bounds().minY, -20.0);  // SVG's Y runs down
}

TEST(SvgModelerShapes, SolidEdgesArePlacedAndSeenFromAbove) {
  AcDb3dSolid cylinder;
  ASSERT_EQ(cylinder.createFrustum(10, 4, 4, 4), Acad::eOk);
  SvgPath path;
  // As a block reference at (100, 50) would place it.
  ASSERT_TRUE(ModelerEdgePathOf(cylinder, AcGeMatrix3d::translation(AcGeVector3d(100, 50, 0)), path));
  const std::string data = DataOf(path);
  EXPECT_NE(data.find("A4 4"), std::string::npos) << data;
  EXPECT_NEAR(path.bounds().minX, 96.0, 1e-9);
  EXPECT_NEAR(path.bounds().maxX, 104.0, 1e-9);
  EXPECT_NEAR(path.bounds().maxY, -46.0, 1e-9);
  EXPECT_TRUE(path.isFinite());
}

TEST(SvgModelerShapes, OtherEntitiesAndEmptyShapes) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  SvgPath path;
  EXPECT_FALSE(ModelerEdgePathOf(line, AcGeMatrix3d::kIdentity, path));
  AcDb3dSolid empty;
  EXPECT_TRUE(ModelerEdgePathOf(empty, AcGeMatrix3d::kIdentity, path));
  EXPECT_TRUE(path.empty());
}

// Draws a unit square as a shell of two triangles, both in colour 3.
class FacetedSquare : public AcDbEntity {
 public:
  Adesk::Boolean worldDraw(AcGiWorldDraw* mode) override {
    static const AcGePoint3d points[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    static const Adesk::Int32 faces[] = {3, 0, 1, 2, 3, 0, 2, 3};
    static const short colors[] = {3, 3};
    AcGiFaceData faceData;
    faceData.setColors(colors);
    mode->geometry().shell(4, points, 8, faces, nullptr, &faceData);
    return true;
  }
};

TEST(SvgModelerShapes, AnEntityThatDrawsFacesShowsEachEdgeOnceInTheFacesColour) {
  FacetedSquare square;
  SvgPath path;
  DrawnFaces faces;
  ASSERT_TRUE(WorldDrawPathOf(square, AcGeMatrix3d::translation(AcGeVector3d(2, 0, 0)), path, faces));
  EXPECT_EQ(DataOf(path), "M2 0 L3 0 M3 0 L3 -1 M3 -1 L2 0 M3 -1 L2 -1 M2 -1 L2 0");
  EXPECT_EQ(faces.faces, 2);
  EXPECT_EQ(faces.vertices, 4);
  EXPECT_EQ(faces.colorIndex, 3);
  // An entity that draws nothing is no shape.
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  SvgPath none;
  DrawnFaces noFaces;
  EXPECT_FALSE(WorldDrawPathOf(line, AcGeMatrix3d::kIdentity, none, noFaces));
  EXPECT_EQ(noFaces.faces, 0);
  EXPECT_EQ(noFaces.colorIndex, -1);
}

}  // namespace
