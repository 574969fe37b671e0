// Outside checks with Debian's python3-ezdxf: our files pass its audit, and a file it
// made loads here.
#include <gtest/gtest.h>

#include "platform/cad/db/db_arc.h"
#include "platform/cad/db/db_attribute.h"
#include "platform/cad/db/db_block_reference.h"
#include "platform/cad/db/db_line.h"
#include "platform/cad/db/db_object_iterator.h"
#include "platform/cad/db/db_point.h"
#include "platform/cad/db/db_polyline.h"
#include "platform/cad/db/db_text.h"
#include "platform/cad/dxf/dxf_test_support.h"

using namespace dxf_test;

namespace {

const char* const kMakeScript = R"(
import sys, ezdxf
doc = ezdxf.new("R2000")
doc.layers.add("CUT", color=1)
msp = doc.modelspace()
msp.add_line((0, 0), (10, 5), dxfattribs={"layer": "CUT", "color": 3})
msp.add_arc((5, 5), 2.5, 10, 200)
msp.add_circle((1, 2, 3), 4)
msp.add_lwpolyline([(0, 0, 0.5, 0.75, 0.25), (10, 0, 0, 0, -1), (10, 10, 0, 0, 0)], format="xyseb", close=True)
msp.add_point((7, 8, 9), dxfattribs={"thickness": 1.000001e-7})
msp.add_text("Hello", dxfattribs={"height": 2.5, "insert": (1, 1)})
block = doc.blocks.new("PART")
block.add_circle((0, 0), 1)
block.add_attdef("NAME", (0, -2), dxfattribs={"height": 1})
msp.add_blockref("PART", (20, 20)).add_auto_attribs({"NAME": "bolt"})
group = doc.groups.new("PATH1")
group.set_data(list(msp.query("LINE ARC")))
group.dxf.description = "first path"
doc.saveas(sys.argv[1])
print("made")
)";

class DxfWithEzdxf : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ezdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is not installed";
  }
  std::string path(const char* name) { return ::testing::TempDir() + name; }
};

}  // namespace

TEST_F(DxfWithEzdxf, OurFilesPassItsAudit) {
  AcDbDatabase db;
  auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 0));
  line->setVisibility(AcDb::kInvisible);
  const AcDbObjectId lineId = append(db, line);
  auto* point = new AcDbPoint(AcGePoint3d(1, 2, 3));
  point->setThickness(1.000001e-7);
  append(db, point);
  auto* pline = new AcDbPolyline();
  pline->addVertexAt(0, AcGePoint2d(0, 0), 1.0, 0.5, 0.5);
  pline->addVertexAt(1, AcGePoint2d(5, 0));
  append(db, pline);
  AcDbDictionary* groups = nullptr;
  ASSERT_EQ(db.getGroupDictionary(groups, AcDb::kForWrite), Acad::eOk);
  auto* group = new AcDbGroup("two\nlines");
  AcDbObjectId groupId;
  ASSERT_EQ(groups->setAt("PATH", group, groupId), Acad::eOk);
  group->append(lineId);
  group->close();
  groups->close();

  const std::string file = path("ours.dxf");
  std::string message;
  ASSERT_EQ(WriteDxfFile(db, file.c_str(), message), Acad::eOk) << message;
  const std::string report = runPython(ezdxfAuditScript(), file);
  EXPECT_NE(report.find("errors 0\n"), std::string::npos) << report;
  EXPECT_NE(report.find("entities 3\n"), std::string::npos) << report;
  // ezdxf shows the DXF text of the description: the line break escaped as ^J.
  EXPECT_NE(report.find("group PATH 'two^Jlines' 1\n"), std::string::npos) << report;
}

TEST_F(DxfWithEzdxf, ItsFilesLoadAndSaveAgainCleanly) {
  const std::string file = path("theirs.dxf");
  ASSERT_EQ(runPython(kMakeScript, file), "made\n");
  std::unique_ptr<AcDbDatabase> db;
  std::string message;
  ASSERT_EQ(ReadDxfFile(file.c_str(), db, message), Acad::eOk) << message;

  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db->getBlockTable(table, AcDb::kForRead), Acad::eOk);
  AcDbBlockTableRecord* modelSpace = nullptr;
  ASSERT_EQ(table->getAt(ACDB_MODEL_SPACE, modelSpace, AcDb::kForRead), Acad::eOk);
  AcDbObjectId partId;
  EXPECT_EQ(table->getAt("PART", partId), Acad::eOk);
  table->close();
  std::vector<std::string> kinds;
  for (AcDbObjectId id : modelSpace->entityIds()) {
    Opened<AcDbEntity> entity(id);
    kinds.push_back(entity->isA()->dxfName());
    if (auto* point = AcDbPoint::cast(entity.get())) {
      EXPECT_EQ(point->thickness(), 1.000001e-7);
    }
    if (auto* pline = AcDbPolyline::cast(entity.get())) {
      double bulge = 0, start = 0, end = 0;
      pline->getBulgeAt(0, bulge);
      pline->getWidthsAt(0, start, end);
      EXPECT_EQ(bulge, 0.25);
      EXPECT_EQ(start, 0.5);
      EXPECT_EQ(end, 0.75);
      EXPECT_TRUE(pline->isClosed());
    }
    if (auto* insert = AcDbBlockReference::cast(entity.get())) {
      EXPECT_EQ(insert->blockTableRecord(), partId);
      std::unique_ptr<AcDbObjectIterator> attributes(insert->attributeIterator());
      ASSERT_FALSE(attributes->done());
      EXPECT_STREQ(AcDbAttribute::cast(attributes->entity())->textStringConst(), "bolt");
    }
    if (auto* line = AcDbLine::cast(entity.get())) {
      EXPECT_EQ(line->colorIndex(), 3);
    }
  }
  modelSpace->close();
  EXPECT_EQ(kinds, (std::vector<std::string>{"LINE", "ARC", "CIRCLE", "LWPOLYLINE", "POINT", "TEXT", "INSERT"}));

  AcDbDictionary* groups = nullptr;
  ASSERT_EQ(db->getGroupDictionary(groups, AcDb::kForRead), Acad::eOk);
  AcDbGroup* group = nullptr;
  AcDbObject* object = nullptr;
  ASSERT_EQ(groups->getAt("PATH1", object, AcDb::kForRead), Acad::eOk);
  groups->close();
  group = AcDbGroup::cast(object);
  ASSERT_NE(group, nullptr);
  EXPECT_STREQ(group->description(), "first path");
  EXPECT_EQ(group->numEntities(), 2u);
  group->close();

  const std::string again = path("theirs_again.dxf");
  ASSERT_EQ(WriteDxfFile(*db, again.c_str(), message), Acad::eOk) << message;
  const std::string report = runPython(ezdxfAuditScript(), again);
  EXPECT_NE(report.find("errors 0\n"), std::string::npos) << report;
  EXPECT_NE(report.find("entities 7\n"), std::string::npos) << report;
  EXPECT_NE(report.find("group PATH1 'first path' 2\n"), std::string::npos) << report;
}

TEST_F(DxfWithEzdxf, RecordsKeptAsTheyCamePassItsAudit) {
  // A 2D polyline (not a kind this drawing models) and a polyline that announces more
  // vertices than it holds: both kept, reported if of a known kind, and saved cleanly.
  const char* const script = R"(
import sys, ezdxf
doc = ezdxf.new("R2000")
msp = doc.modelspace()
msp.add_polyline2d([(0, 0), (3, 3), (6, 0)])
msp.add_lwpolyline([(0, 0), (5, 0), (5, 5)])
doc.saveas(sys.argv[1])
text = open(sys.argv[1]).read().replace(" 90\n3\n", " 90\n4\n", 1)
open(sys.argv[1], "w").write(text)
print("made")
)";
  const std::string file = path("kept.dxf");
  ASSERT_EQ(runPython(script, file), "made\n");
  std::unique_ptr<AcDbDatabase> db;
  std::string message;
  std::vector<std::string> warnings;
  ASSERT_EQ(ReadDxfFile(file.c_str(), db, message, warnings), Acad::eOk) << message;
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[0].rfind("POLYLINE ", 0), 0u) << warnings[0];
  EXPECT_NE(warnings[1].find("LWPOLYLINE announces 4 vertices but holds 3"), std::string::npos) << warnings[1];

  const std::string again = path("kept_again.dxf");
  ASSERT_EQ(WriteDxfFile(*db, again.c_str(), message), Acad::eOk) << message;
  const std::string report = runPython(ezdxfAuditScript(), again);
  EXPECT_NE(report.find("errors 0\n"), std::string::npos) << report;
  EXPECT_NE(report.find("entities 2\n"), std::string::npos) << report;
}
