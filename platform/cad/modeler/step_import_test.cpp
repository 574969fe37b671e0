#include "platform/cad/modeler/step_import.h"

#include <BRepPrimAPI_MakeBox.hxx>
#include <STEPControl_Writer.hxx>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "platform/cad/modeler/modeler_test_support_test.h"

namespace {

// ctest runs the cases side by side: names carry the process id.
std::string tempPath(const char* name) { return ::testing::TempDir() + std::to_string(::getpid()) + "_" + name; }

}  // namespace

TEST(StepImport, ReadsSolidsWithTheirExtents) {
  const std::string path = tempPath("modeler_box.step");
  STEPControl_Writer writer;
  writer.Transfer(BRepPrimAPI_MakeBox(gp_Pnt(1, 2, 3), 10, 20, 30).Shape(), STEPControl_AsIs);
  ASSERT_EQ(writer.Write(path.c_str()), IFSelect_RetDone);

  std::vector<std::unique_ptr<AcDbEntity>> entities;
  std::string message;
  ASSERT_EQ(acmodelerImportStep(path.c_str(), entities, message), Acad::eOk) << message;
  ASSERT_EQ(entities.size(), 1u);
  auto* solid = AcDb3dSolid::cast(entities[0].get());
  ASSERT_NE(solid, nullptr);
  AcDbExtents extents;
  ASSERT_EQ(solid->getGeomExtents(extents), Acad::eOk);
  EXPECT_POINT_NEAR(extents.minPoint(), AcGePoint3d(1, 2, 3), 1e-6);
  EXPECT_POINT_NEAR(extents.maxPoint(), AcGePoint3d(11, 22, 33), 1e-6);
  std::remove(path.c_str());
}

TEST(StepImport, MissingAndDamagedFilesGiveClearErrors) {
  std::vector<std::unique_ptr<AcDbEntity>> entities;
  std::string message;
  EXPECT_EQ(acmodelerImportStep(tempPath("no_such_file.step").c_str(), entities, message), Acad::eFileNotFound);
  EXPECT_NE(message.find("cannot find"), std::string::npos);

  const std::string notStep = tempPath("modeler_not_step.step");
  std::ofstream(notStep) << "hello\n";
  EXPECT_EQ(acmodelerImportStep(notStep.c_str(), entities, message), Acad::eFilerError);
  EXPECT_NE(message.find("not a STEP file"), std::string::npos);

  const std::string truncated = tempPath("modeler_truncated.step");
  std::ofstream(truncated) << "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION(('x'),'2;1');\nDATA;\n#1=CARTESIAN_POINT(";
  EXPECT_NE(acmodelerImportStep(truncated.c_str(), entities, message), Acad::eOk);
  EXPECT_FALSE(message.empty());
  EXPECT_TRUE(entities.empty());
  std::remove(notStep.c_str());
  std::remove(truncated.c_str());
}
