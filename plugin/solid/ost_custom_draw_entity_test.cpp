#include "plugin/solid/ost_custom_draw_entity.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/cad/db/filing/dwg_memory_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/dxf/dxf_file.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/solid/ost_custom_world_draw.h"

namespace {

// Two faces, a triangle and a quad, in colours of their own.
FacetShell TriangleAndQuad() {
  FacetShell shell;
  const AcGePoint3d points[] = {{0, 0, 0}, {10, 0, 0}, {10, 5, 1.25}, {0, 5, 1.0 / 3}, {-3, 2, 0.1}};
  const Adesk::Int32 faces[] = {4, 0, 1, 2, 3, 3, 0, 3, 4};
  const short colors[] = {3, 250};
  shell.Append(5, points, 9, faces, colors, 1);
  return shell;
}

void ExpectSameShell(const FacetShell& read, const FacetShell& written) {
  ASSERT_EQ(read.vertices.size(), written.vertices.size());
  for (std::size_t i = 0; i < read.vertices.size(); ++i) {
    EXPECT_EQ(read.vertices[i].x, written.vertices[i].x);
    EXPECT_EQ(read.vertices[i].y, written.vertices[i].y);
    EXPECT_EQ(read.vertices[i].z, written.vertices[i].z);
  }
  EXPECT_EQ(read.faceList, written.faceList);
  EXPECT_EQ(read.faceColors, written.faceColors);
}

class FacetEntityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OstCustomDrawEntity::rxInit();
    acrxBuildClassHierarchy();
  }

  AcDbObjectId AddEntity(const FacetShell& shell) {
    auto* entity = new OstCustomDrawEntity();
    EXPECT_EQ(entity->setShell(shell), Acad::eOk);
    return session_.add(entity);
  }

  std::string Saved(const std::string& name) {
    const std::string path = session_.folder() / name;
    std::string message;
    EXPECT_EQ(WriteDxfFile(session_.db(), path.c_str(), message), Acad::eOk) << message;
    return path;
  }

  ShellSession session_;
};

std::string FileText(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST_F(FacetEntityTest, TheShellIsFiledInDxfAndReadBackIdentical) {
  const FacetShell shell = TriangleAndQuad();
  const AcDbObjectId id = AddEntity(shell);
  const std::string path = Saved("facets.dxf");
  const std::string text = FileText(path);
  EXPECT_NE(text.find("OST_CUSTOM_DRAW_ENTITY"), std::string::npos);
  EXPECT_NE(text.find("Ostfacet"), std::string::npos);

  std::unique_ptr<AcDbDatabase> read;
  std::string message;
  std::vector<std::string> warnings;
  ASSERT_EQ(ReadDxfFile(path.c_str(), read, message, warnings), Acad::eOk) << message;
  EXPECT_TRUE(warnings.empty());
  AcDbObjectId readId;
  ASSERT_EQ(read->getAcDbObjectId(readId, false, id.handle()), Acad::eOk);
  OpenedObject<OstCustomDrawEntity> entity(readId, AcDb::kForRead);
  ASSERT_EQ(entity.openStatus(), Acad::eOk);
  ExpectSameShell(entity->shell(), shell);
}

TEST_F(FacetEntityTest, ADamagedRecordIsKeptAsItCameAndNamedByItsHandle) {
  const AcDbObjectId id = AddEntity(TriangleAndQuad());
  const std::string text = FileText(Saved("facets.dxf"));
  char handle[32] = {};
  id.handle().getIntoAsciiBuffer(handle);
  // The vertex count says 9 where 5 points follow; an index past the vertices; a colour past 256.
  for (const auto& [from, to] :
       {std::pair<std::string, std::string>{"OstCustomDrawEntity\n 90\n5\n", "OstCustomDrawEntity\n 90\n9\n"},
        {" 90\n9\n 90\n4\n 90\n0\n", " 90\n9\n 90\n4\n 90\n7\n"},
        {" 70\n250\n", " 70\n999\n"}}) {
    const std::string damaged = Replaced(text, from, to);
    ASSERT_NE(damaged, text) << from;
    const std::string path = session_.folder() / "damaged.dxf";
    std::ofstream(path) << damaged;
    std::unique_ptr<AcDbDatabase> read;
    std::string message;
    std::vector<std::string> warnings;
    ASSERT_EQ(ReadDxfFile(path.c_str(), read, message, warnings), Acad::eOk) << message;
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find(std::string("OST_CUSTOM_DRAW_ENTITY ") + handle), std::string::npos) << warnings[0];
    // Kept as it came: saved again, the record is still there to mend.
    std::string again;
    const std::string copy = session_.folder() / "copy.dxf";
    ASSERT_EQ(WriteDxfFile(*read, copy.c_str(), again), Acad::eOk) << again;
    EXPECT_NE(FileText(copy).find(to), std::string::npos);
  }
}

TEST_F(FacetEntityTest, DrawingFilingCopiesTheShellAndRefusesCountsThatDoNotMatchTheData) {
  OstCustomDrawEntity written;
  ASSERT_EQ(written.setShell(TriangleAndQuad()), Acad::eOk);
  DwgMemoryFiler filer;
  ASSERT_EQ(written.dwgOutFields(&filer), Acad::eOk);
  filer.rewind();
  OstCustomDrawEntity copy;
  ASSERT_EQ(copy.dwgInFields(&filer), Acad::eOk);
  ExpectSameShell(copy.shell(), written.shell());

  // A vertex count far beyond the data: the read stops at the end, nothing changes.
  DwgMemoryFiler damaged;
  ASSERT_EQ(static_cast<const AcDbEntity&>(written).AcDbEntity::dwgOutFields(&damaged), Acad::eOk);
  damaged.writeItem(static_cast<Adesk::Int32>(1 << 30));
  damaged.writeItem(AcGePoint3d(1, 2, 3));
  damaged.rewind();
  EXPECT_NE(copy.dwgInFields(&damaged), Acad::eOk);
  ExpectSameShell(copy.shell(), written.shell());

  // Whole data whose face list points past the vertices.
  DwgMemoryFiler outOfRange;
  ASSERT_EQ(static_cast<const AcDbEntity&>(written).AcDbEntity::dwgOutFields(&outOfRange), Acad::eOk);
  outOfRange.writeItem(static_cast<Adesk::Int32>(3));
  for (int i = 0; i < 3; ++i) outOfRange.writeItem(AcGePoint3d(i, 0, 0));
  outOfRange.writeItem(static_cast<Adesk::Int32>(4));
  for (Adesk::Int32 entry : {3, 0, 1, 3}) outOfRange.writeItem(entry);
  outOfRange.writeItem(static_cast<Adesk::Int16>(1));
  outOfRange.rewind();
  EXPECT_EQ(copy.dwgInFields(&outOfRange), Acad::eInvalidInput);
  ExpectSameShell(copy.shell(), written.shell());
}

TEST_F(FacetEntityTest, TheEntityDrawsOneShellInItsFaceColoursAndNothingWithoutData) {
  OstCustomDrawEntity empty;
  OstCustomWorldDraw nothing(0.1, 7);
  EXPECT_TRUE(empty.worldDraw(&nothing));
  EXPECT_TRUE(nothing.shell().IsEmpty());
  EXPECT_EQ(session_.transcript().find("::shell"), std::string::npos);
  AcDbExtents extents;
  EXPECT_EQ(empty.getGeomExtents(extents), Acad::eInvalidExtents);

  // Captured again, the drawn shell is the entity's own, colours and all.
  OstCustomDrawEntity entity;
  ASSERT_EQ(entity.setShell(TriangleAndQuad()), Acad::eOk);
  OstCustomWorldDraw drawn(0.1, 7);
  EXPECT_TRUE(entity.worldDraw(&drawn));
  ExpectSameShell(drawn.shell(), entity.shell());
  const std::string traced = session_.transcript();
  EXPECT_EQ(traced.find("::shell"), traced.rfind("::shell")) << "one shell";
  ASSERT_EQ(entity.getGeomExtents(extents), Acad::eOk);
  EXPECT_EQ(extents.minPoint(), AcGePoint3d(-3, 0, 0));
  EXPECT_EQ(extents.maxPoint(), AcGePoint3d(10, 5, 1.25));
}

}  // namespace
