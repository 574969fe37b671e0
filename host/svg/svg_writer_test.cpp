#include "host/svg/svg_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include "platform/cad/db/db.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_attribute.h"
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/db/entities/db_text.h"
#include "platform/cad/dxf/dxf_file.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// An entity the plan view has no shape for.
class SvgTestSolid : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(SvgTestSolid);
};

}  // namespace

ACRX_DXF_DEFINE_MEMBERS(SvgTestSolid, AcDbEntity, AcDb::kDHL_CURRENT, AcDb::kMReleaseCurrent, 0, SVG_TEST_SOLID,
                        SvgTests)

namespace {

class SvgWriterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SvgTestSolid::rxInit(); }

  AcDbObjectId add(AcDbEntity* entity, AcDbObjectId block = AcDbObjectId()) {
    if (block.isNull()) block = modelSpace();
    AcDbObjectPointer<AcDbBlockTableRecord> record(block, AcDb::kForWrite);
    AcDbObjectId id;
    EXPECT_EQ(record->appendAcDbEntity(id, entity), Acad::eOk);
    entity->close();
    return id;
  }
  AcDbObjectId modelSpace() {
    AcDbSymbolTablePointer<AcDbBlockTable> table(&db_, AcDb::kForRead);
    AcDbObjectId id;
    table->getAt("*Model_Space", id);
    return id;
  }
  AcDbObjectId addBlock(const char* name) {
    AcDbSymbolTablePointer<AcDbBlockTable> table(&db_, AcDb::kForWrite);
    auto* record = new AcDbBlockTableRecord();
    record->setName(name);
    AcDbObjectId id;
    EXPECT_EQ(table->add(id, record), Acad::eOk);
    record->close();
    return id;
  }
  AcDbObjectId addLayer(const char* name, int color, bool off = false, bool frozen = false,
                        AcDbObjectId linetype = AcDbObjectId()) {
    AcDbSymbolTablePointer<AcDbLayerTable> table(&db_, AcDb::kForWrite);
    auto* record = new AcDbLayerTableRecord();
    record->setName(name);
    AcCmColor cmColor;
    cmColor.setColorIndex(color);
    record->setColor(cmColor);
    record->setIsOff(off);
    record->setIsFrozen(frozen);
    if (!linetype.isNull()) record->setLinetypeObjectId(linetype);
    AcDbObjectId id;
    EXPECT_EQ(table->add(id, record), Acad::eOk);
    record->close();
    return id;
  }
  AcDbObjectId linetype(const char* name) {
    EXPECT_EQ(db_.loadLineTypeFile(name, "acad.lin"), Acad::eOk);
    AcDbSymbolTablePointer<AcDbLinetypeTable> table(&db_, AcDb::kForRead);
    AcDbObjectId id;
    table->getAt(name, id);
    return id;
  }
  static AcDbLine* line(double x0, double y0, double x1, double y1, int color = 256,
                        AcDbObjectId layer = AcDbObjectId()) {
    auto* entity = new AcDbLine(AcGePoint3d(x0, y0, 0), AcGePoint3d(x1, y1, 0));
    entity->setColorIndex(color);
    if (!layer.isNull()) entity->setLayer(layer);
    return entity;
  }
  std::vector<std::string> paths(const std::string& svg) {
    std::vector<std::string> found;
    const std::regex element("<path [^>]*>");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it) {
      found.push_back(it->str());
    }
    return found;
  }
  static std::vector<double> viewBox(const std::string& svg) {
    std::smatch match;
    EXPECT_TRUE(std::regex_search(svg, match, std::regex("viewBox=\"([^\"]*)\"")));
    std::istringstream numbers(match[1].str());
    std::vector<double> box(4);
    for (double& value : box) numbers >> value;
    return box;
  }
  static void expectWellFormed(const std::string& svg) {
    if (access("/usr/bin/python3", X_OK) != 0) GTEST_SKIP() << "no /usr/bin/python3 to parse the output";
    // ctest runs the cases side by side: one file per process.
    const std::string file = ::testing::TempDir() + "svg_writer_test_" + std::to_string(getpid()) + ".svg";
    std::ofstream(file) << svg;
    const std::string command =
        "/usr/bin/python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' " + file;
    EXPECT_EQ(std::system(command.c_str()), 0) << svg;
    std::remove(file.c_str());
  }

  AcDbDatabase db_;
};

TEST_F(SvgWriterTest, EveryKindMakesAWellFormedDocument) {
  add(line(0, 0, 10, 0));
  add(new AcDbArc(AcGePoint3d(5, 5, 0), 2, 0, kPi));
  add(new AcDbCircle(AcGePoint3d(0, 5, 0), AcGeVector3d::kZAxis, 1));
  add(new AcDbEllipse(AcGePoint3d(8, 8, 0), AcGeVector3d::kZAxis, AcGeVector3d(2, 0, 0), 0.5));
  AcGePoint3dArray fit;
  fit.append(AcGePoint3d(0, 0, 0));
  fit.append(AcGePoint3d(3, 2, 0));
  fit.append(AcGePoint3d(6, 0, 0));
  add(new AcDbSpline(fit));
  add(new AcDbPoint(AcGePoint3d(1, 1, 0)));
  add(new AcDbText(AcGePoint3d(0, -3, 0), "Say \"<&>\" isn't 90%%d", AcDbObjectId::kNull, 1.0, kPi / 6));
  add(new SvgTestSolid());
  add(new SvgTestSolid());

  const std::string svg = DrawingToSvg(db_);
  expectWellFormed(svg);
  EXPECT_EQ(paths(svg).size(), 5u);
  EXPECT_NE(svg.find("<circle "), std::string::npos);
  EXPECT_NE(svg.find(">Say &quot;&lt;&amp;&gt;&quot; isn&apos;t 90\xC2\xB0</text>"), std::string::npos);
  EXPECT_NE(svg.find("<!-- 2 entities not drawn: SVG_TEST_SOLID -->"), std::string::npos);
  EXPECT_EQ(svg, DrawingToSvg(db_));  // deterministic
}

TEST_F(SvgWriterTest, EmptyDrawingGivesASmallValidDocument) {
  const std::string svg = DrawingToSvg(db_);
  expectWellFormed(svg);
  EXPECT_TRUE(paths(svg).empty());
  EXPECT_EQ(viewBox(svg).size(), 4u);
  EXPECT_LT(svg.size(), 400u);
}

TEST_F(SvgWriterTest, RedRapidMoveLineIsDashed) {
  const AcDbObjectId rapid = linetype("ACAD_ISO03W100");
  AcDbLine* rapidLine = line(0, 0, 100, 0, 1);
  rapidLine->setLinetype(rapid);
  add(rapidLine);
  std::vector<std::string> found = paths(DrawingToSvg(db_));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].find("stroke=\"#ff0000\""), std::string::npos) << found[0];
  EXPECT_NE(found[0].find("stroke-dasharray=\"12 18\""), std::string::npos) << found[0];

  db_.setLtscale(0.5);  // the drawing's scale times the entity's
  found = paths(DrawingToSvg(db_));
  EXPECT_NE(found[0].find("stroke-dasharray=\"6 9\""), std::string::npos) << found[0];
}

TEST_F(SvgWriterTest, ByLayerAndByBlockPropertiesAreResolved) {
  const AcDbObjectId dashed = linetype("DASHED");
  const AcDbObjectId cut = addLayer("CUT", 3, false, false, dashed);
  const AcDbObjectId tools = addLayer("TOOLS", 4);
  add(line(0, 0, 1, 0, 256, cut));
  const AcDbObjectId block = addBlock("MARK");
  AcDbLine* byBlock = line(0, 0, 0, 1, 0);
  byBlock->setLinetype(db_.byBlockLinetype());
  add(byBlock, block);
  add(line(0, 0, 1, 1), block);  // layer 0 in a block: the reference's layer
  auto* reference = new AcDbBlockReference(AcGePoint3d(10, 0, 0), block);
  reference->setColorIndex(5);
  reference->setLayer(tools);
  reference->setLinetype(dashed);
  add(reference);

  const std::vector<std::string> found = paths(DrawingToSvg(db_));
  ASSERT_EQ(found.size(), 3u);
  EXPECT_NE(found[0].find("stroke=\"#00ff00\""), std::string::npos) << found[0];
  EXPECT_NE(found[0].find("stroke-dasharray=\"0.6 0.3\""), std::string::npos) << found[0];
  EXPECT_NE(found[1].find("stroke=\"#0000ff\""), std::string::npos) << found[1];
  EXPECT_NE(found[1].find("stroke-dasharray=\"0.6 0.3\""), std::string::npos) << found[1];
  EXPECT_NE(found[1].find("M10 0 L10 -1"), std::string::npos) << found[1];
  EXPECT_NE(found[2].find("stroke=\"#00ffff\""), std::string::npos) << found[2];

  // The same picture from the drawing as a file gives it back.
  std::string dxf, message;
  ASSERT_EQ(WriteDxfText(db_, dxf, message), Acad::eOk) << message;
  std::unique_ptr<AcDbDatabase> read;
  ASSERT_EQ(ReadDxfText(dxf, read, message), Acad::eOk) << message;
  EXPECT_EQ(DrawingToSvg(*read), DrawingToSvg(db_));
}

TEST_F(SvgWriterTest, HiddenEntitiesAreLeftOut) {
  const AcDbObjectId off = addLayer("OFF", 1, true);
  const AcDbObjectId frozen = addLayer("FROZEN", 2, false, true);
  const AcDbObjectId keep = addLayer("KEEP", 3);
  add(line(0, 0, 1, 0));
  add(line(0, 0, 500, 0, 256, off));
  add(line(0, 0, 0, 500, 256, frozen));
  AcDbLine* invisible = line(0, 0, -500, 0);
  invisible->setVisibility(AcDb::kInvisible);
  add(invisible);
  const AcDbObjectId block = addBlock("B");
  add(line(0, 0, 0, 1), block);
  add(line(0, 0, 2, 0, 256, keep), block);
  auto* onOff = new AcDbBlockReference(AcGePoint3d(0, 0, 0), block);
  onOff->setLayer(off);  // its layer-0 line goes, its own-layer line stays
  add(onOff);
  auto* onFrozen = new AcDbBlockReference(AcGePoint3d(0, 0, 0), block);
  onFrozen->setLayer(frozen);  // all of it goes
  add(onFrozen);

  const std::string svg = DrawingToSvg(db_);
  const std::vector<std::string> found = paths(svg);
  ASSERT_EQ(found.size(), 2u) << svg;
  EXPECT_NE(found[1].find("stroke=\"#00ff00\""), std::string::npos);
  EXPECT_LT(viewBox(svg)[2], 3.0);  // hidden lines do not widen the view
}

TEST_F(SvgWriterTest, ArcsRunTheirWayInPlan) {
  add(new AcDbArc(AcGePoint3d(0, 0, 0), 1, 0, kPi / 2));
  add(new AcDbArc(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, -1), 1, 0, kPi / 2));
  const std::vector<std::string> found = paths(DrawingToSvg(db_));
  ASSERT_EQ(found.size(), 2u);
  // Counter-clockwise from (1,0) to (0,1); Y flipped, so SVG's sweep flag is 0.
  EXPECT_NE(found[0].find("d=\"M1 0 A1 1 0 0 0 0 -1\""), std::string::npos) << found[0];
  // Normal -Z: from (-1,0) clockwise to (0,1).
  EXPECT_NE(found[1].find("d=\"M-1 0 A1 1 0 0 1 0 -1\""), std::string::npos) << found[1];
}

TEST_F(SvgWriterTest, PolylineBulgesBecomeArcsAndWidthsStrokes) {
  auto* polyline = new AcDbPolyline();
  polyline->addVertexAt(0, AcGePoint2d(0, 0), 1.0);  // a half circle, counter-clockwise
  polyline->addVertexAt(1, AcGePoint2d(2, 0), -0.5);
  polyline->addVertexAt(2, AcGePoint2d(4, 0));
  polyline->setConstantWidth(0.25);
  add(polyline);
  const std::string svg = DrawingToSvg(db_);
  const std::vector<std::string> found = paths(svg);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].find("d=\"M0 0 A1 1 0 0 0 2 0 A1.25 1.25 0 0 1 4 0\""), std::string::npos) << found[0];
  EXPECT_NE(found[0].find("stroke-width=\"0.25\""), std::string::npos) << found[0];
  EXPECT_EQ(found[0].find("non-scaling-stroke"), std::string::npos);
  // The half circle dips to y = -1, the second arc rises to 0.5: SVG Y from -0.5 to 1.
  const std::vector<double> box = viewBox(svg);
  EXPECT_LT(box[1], -0.5);
  EXPECT_GT(box[1] + box[3], 1.0);
}

TEST_F(SvgWriterTest, ViewBoxCoversTheExtentsWithAMargin) {
  add(line(-10, -5, 30, 0));
  add(new AcDbCircle(AcGePoint3d(30, 20, 0), AcGeVector3d::kZAxis, 5));
  const std::vector<double> box = viewBox(DrawingToSvg(db_));
  // World x -10..35, y -5..25: SVG y -25..5.
  EXPECT_LT(box[0], -10);
  EXPECT_LT(box[1], -25);
  EXPECT_GT(box[0] + box[2], 35);
  EXPECT_GT(box[1] + box[3], 5);
  EXPECT_LT(box[2], 45 * 1.1);
  EXPECT_LT(box[3], 30 * 1.2);
}

TEST_F(SvgWriterTest, BlocksArePlacedAndCyclesStop) {
  const AcDbObjectId block = addBlock("LOOP");
  add(line(0, 0, 1, 0), block);
  auto* inner = new AcDbBlockReference(AcGePoint3d(0, 1, 0), block);
  add(inner, block);  // the block places itself
  auto* outer = new AcDbBlockReference(AcGePoint3d(5, 0, 0), block);
  outer->setRotation(kPi / 2);
  outer->setScaleFactors(AcGeScale3d(2, 2, 2));
  add(outer);
  const std::string svg = DrawingToSvg(db_);
  const std::vector<std::string> found = paths(svg);
  ASSERT_EQ(found.size(), 1u) << svg;
  EXPECT_NE(found[0].find("d=\"M5 0 L5 -2\""), std::string::npos) << found[0];
  EXPECT_NE(svg.find("<!-- block \"LOOP\" contains itself"), std::string::npos) << svg;
}

TEST_F(SvgWriterTest, WritesTheFileWholeOrNotAtAll) {
  add(line(0, 0, 1, 1));
  const std::filesystem::path folder =
      std::filesystem::path(::testing::TempDir()) / ("svg_writer_test_" + std::to_string(getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string target = (folder / "plan.svg").string();
  std::string message;
  ASSERT_TRUE(WriteSvgFile(db_, target, message)) << message;
  std::stringstream written;
  written << std::ifstream(target).rdbuf();
  EXPECT_EQ(written.str(), DrawingToSvg(db_));

  EXPECT_FALSE(WriteSvgFile(db_, (folder / "missing" / "plan.svg").string(), message));
  EXPECT_NE(message.find("missing/plan.svg"), std::string::npos) << message;
  EXPECT_FALSE(WriteSvgFile(db_, folder.string(), message));  // a folder is no file
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
  std::filesystem::remove_all(folder);
}

}  // namespace
