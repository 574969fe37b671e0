#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "platform/cad/db/db_subent.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/solid/ost_custom_world_draw.h"

namespace {

double TriangleArea(const FacetShell& shell, std::size_t at) {
  const AcGePoint3d& a = shell.vertices[static_cast<std::size_t>(shell.faceList[at + 1])];
  const AcGePoint3d& b = shell.vertices[static_cast<std::size_t>(shell.faceList[at + 2])];
  const AcGePoint3d& c = shell.vertices[static_cast<std::size_t>(shell.faceList[at + 3])];
  return 0.5 * (b - a).crossProduct(c - a).length();
}

double ShellArea(const FacetShell& shell) {
  double area = 0.0;
  for (std::size_t at = 0; at < shell.faceList.size(); at += 4) {
    EXPECT_EQ(shell.faceList[at], 3);
    area += TriangleArea(shell, at);
  }
  return area;
}

// The face of the solid under the marker, as the face picker posts it.
std::unique_ptr<AcDbEntity> FaceOf(const AcDb3dSolid& solid, Adesk::GsMarker marker) {
  int count = 0;
  AcDbFullSubentPath* paths = nullptr;
  EXPECT_EQ(solid.getSubentPathsAtGsMarker(AcDb::kFaceSubentType, marker, AcGePoint3d::kOrigin, AcGeMatrix3d::kIdentity,
                                           count, paths),
            Acad::eOk);
  std::unique_ptr<AcDbFullSubentPath[]> owned(paths);
  if (count < 1) return nullptr;
  return std::unique_ptr<AcDbEntity>(solid.subentPtr(paths[0]));
}

FacetShell Capture(AcDbEntity& entity, double deviation, short color = 1) {
  OstCustomWorldDraw capture(deviation, color);
  entity.worldDraw(&capture);
  return capture.takeShell();
}

// The cylinder's curved face: the one face that is no region.
std::unique_ptr<AcDbEntity> CylinderSide(const AcDb3dSolid& cylinder) {
  for (Adesk::GsMarker marker = 1; marker <= cylinder.numFaces(); ++marker) {
    std::unique_ptr<AcDbEntity> face = FaceOf(cylinder, marker);
    if (face != nullptr && AcDbRegion::cast(face.get()) == nullptr) return face;
  }
  return nullptr;
}

TEST(FacetCapture, TheTrianglesOfABoxFaceCoverTheFaceExactly) {
  ShellSession session;
  AcDb3dSolid box;
  ASSERT_EQ(box.createBox(40.0, 20.0, 10.0), Acad::eOk);
  for (Adesk::GsMarker marker = 1; marker <= box.numFaces(); ++marker) {
    std::unique_ptr<AcDbEntity> face = FaceOf(box, marker);
    auto* region = AcDbRegion::cast(face.get());
    ASSERT_NE(region, nullptr) << marker;
    double area = 0.0;
    ASSERT_EQ(region->getArea(area), Acad::eOk);
    const FacetShell shell = Capture(*region, 0.1);
    ASSERT_FALSE(shell.IsEmpty());
    EXPECT_NEAR(ShellArea(shell), area, area * 1e-6) << marker;
    EXPECT_TRUE(IsConsistent(shell));
  }
  EXPECT_NE(session.transcript().find("CustomWorldGeometry::shell"), std::string::npos);
  EXPECT_NE(session.transcript().find("CustomWorldDraw::deviation"), std::string::npos);
}

TEST(FacetCapture, AFinerDeviationGivesMoreTrianglesAndEveryOneStaysWithinItOfTheCylinder) {
  ShellSession session;
  constexpr double kRadius = 5.0, kHeight = 10.0;
  AcDb3dSolid cylinder;
  ASSERT_EQ(cylinder.createFrustum(kHeight, kRadius, kRadius, kRadius), Acad::eOk);
  std::unique_ptr<AcDbEntity> side = CylinderSide(cylinder);
  ASSERT_NE(side, nullptr);
  int previousFaces = 0;
  for (const double deviation : {0.1, 0.01}) {
    const FacetShell shell = Capture(*side, deviation);
    ASSERT_FALSE(shell.IsEmpty());
    EXPECT_GT(shell.FaceCount(), previousFaces) << deviation;
    previousFaces = shell.FaceCount();
    for (const AcGePoint3d& v : shell.vertices) {
      EXPECT_NEAR(std::hypot(v.x, v.y), kRadius, deviation);
      EXPECT_LE(std::fabs(v.z), kHeight / 2 + 1e-9);
    }
    // The chords between the vertices stay within the deviation of the surface too.
    for (std::size_t at = 0; at < shell.faceList.size(); at += 4) {
      const AcGePoint3d& a = shell.vertices[static_cast<std::size_t>(shell.faceList[at + 1])];
      const AcGePoint3d& b = shell.vertices[static_cast<std::size_t>(shell.faceList[at + 2])];
      const AcGePoint3d& c = shell.vertices[static_cast<std::size_t>(shell.faceList[at + 3])];
      const AcGePoint3d centre((a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3);
      EXPECT_LE(kRadius - std::hypot(centre.x, centre.y), deviation * (1 + 1e-6));
    }
  }
  // Asked coarser again, the capture is coarse again: no finer mesh is left over.
  EXPECT_LT(Capture(*side, 0.1).FaceCount(), previousFaces);
}

TEST(FacetCapture, EveryShellOfAMultiFaceEntityIsAppendedWithItsIndexesMoved) {
  ShellSession session;
  AcDb3dSolid box;
  ASSERT_EQ(box.createBox(40.0, 20.0, 10.0), Acad::eOk);
  const FacetShell shell = Capture(box, 0.1, 5);
  // Six faces of two triangles each: the last face alone would be two.
  EXPECT_EQ(shell.FaceCount(), 12);
  EXPECT_TRUE(IsConsistent(shell));
  EXPECT_NEAR(ShellArea(shell), 2 * (40.0 * 20 + 40 * 10 + 20 * 10), 1e-6);
  for (short color : shell.faceColors) EXPECT_EQ(color, 5);
}

TEST(FacetShell, AShellThatDoesNotHoldTogetherIsLeftOut) {
  const AcGePoint3d points[] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}};
  const Adesk::Int32 triangle[] = {3, 0, 1, 2};
  const Adesk::Int32 quad[] = {4, 0, 1, 3, 2};
  FacetShell shell;
  ASSERT_TRUE(shell.Append(4, points, 4, triangle, nullptr, 2));
  ASSERT_TRUE(shell.Append(4, points, 5, quad, nullptr, 3));
  EXPECT_EQ(shell.faceList, (std::vector<Adesk::Int32>{3, 0, 1, 2, 4, 4, 5, 7, 6}));
  EXPECT_EQ(shell.faceColors, (std::vector<short>{2, 3}));
  const Adesk::Int32 outOfRange[] = {3, 0, 1, 4};
  const Adesk::Int32 tooLong[] = {4, 0, 1, 2};
  const Adesk::Int32 tooFew[] = {2, 0, 1};
  EXPECT_FALSE(shell.Append(4, points, 4, outOfRange, nullptr, 1));
  EXPECT_FALSE(shell.Append(4, points, 4, tooLong, nullptr, 1));
  EXPECT_FALSE(shell.Append(4, points, 3, tooFew, nullptr, 1));
  EXPECT_EQ(shell.FaceCount(), 2);
  EXPECT_EQ(shell.vertices.size(), 8u);
}

}  // namespace
