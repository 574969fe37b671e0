// The modeling commands of cadhost run from scripts: what LIST shows of the
// regions and solids they make, the drawings they leave, and their plan view.
#include "platform/cad/modeler/modeler_classes.h"
#include "tests/cadhost_run.h"

namespace e2e {
namespace {

using Types = std::vector<std::string>;

std::string Sample(const std::string& name) { return std::string(HOST_SAMPLES) + "/drawings/" + name; }

// The LIST blocks of the entities of one type, in order.
std::vector<std::string> Listed(const std::string& transcript, const std::string& type) {
  std::vector<std::string> kept;
  for (const std::string& block : ListedEntities(transcript)) {
    if (block.rfind(type + "  Handle = ", 0) == 0) kept.push_back(block);
  }
  return kept;
}

// Saved drawings read here as cadhost reads them: regions and solids as such.
class CadHostModelTest : public CadHostTest {
 protected:
  void SetUp() override {
    acmodelerRegisterClasses();
    CadHostTest::SetUp();
  }
};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const char* const kRectangleAndCircle = "PLINE\n0,0\n30,0\n30,20\n0,20\nC\nCIRCLE\n15,10\n5\n";

TEST_F(CadHostModelTest, SectionsOfABoxFollowItsOutline) {
  const HostRun run = RunScript(
      "BOX\n0,0\n10,20\n5\n"
      "SECTION\nALL\n\nXY\n0,0,2\n"            // across, at Z 2
      "SECTION\nALL\n\n4,0,0\n4,1,0\n4,0,1\n"  // the plane X = 4 by three points; the region is passed over
      "SECTION\n#C\n\nZX\n0,50,0\n"            // misses the box
      "LIST\nALL\n\n" +
      std::string(kQuitWithoutSaving));
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(Has(run.out, "1 was filtered out.")) << run.out;
  EXPECT_TRUE(Has(run.out, "The plane cuts none of the solids.")) << run.out;
  const std::vector<std::string> regions = Listed(run.out, "REGION");
  ASSERT_EQ(regions.size(), 2u) << run.out;
  EXPECT_TRUE(Has(regions[0], "  area: 200.0000\n  perimeter: 60.0000\n")) << regions[0];
  EXPECT_TRUE(Has(regions[0], "extents: 0.0000,0.0000,2.0000 to 10.0000,20.0000,2.0000")) << regions[0];
  EXPECT_TRUE(Has(regions[1], "  area: 100.0000\n  perimeter: 50.0000\n  normal: 1.0000,0.0000,0.0000\n"))
      << regions[1];
  const std::vector<std::string> solids = Listed(run.out, "3DSOLID");
  ASSERT_EQ(solids.size(), 1u);
  EXPECT_TRUE(Has(solids[0], "  volume: 1000.0000\n  extents: 0.0000,0.0000,0.0000 to 10.0000,20.0000,5.0000\n"))
      << solids[0];
}

TEST_F(CadHostModelTest, RegionsFromCurvesAreCombined) {
  const HostRun run = RunScript(std::string(kRectangleAndCircle) +
                                "REGION\nALL\n\n"
                                "SUBTRACT\n30,5\n\n20,10\n\n"  // the circle out of the rectangle
                                "LIST\nALL\n\nSAVEAS\nholed.dxf\n"
                                "BOX\n0,0\n10,10\n10\nBOX\n5,5\n15,15\n10\n"
                                "BOX\n100,100\n101,101\n1\nBOX\n200,200\n201,201\n1\n"
                                "INTERSECT\nC 4,4 16,16\n\n"  // the two boxes; the region has no partner
                                "INTERSECT\n#12\n#13\n\n"     // apart: nothing is left
                                "LIST\nALL\n\n" +
                                kQuitWithoutSaving);
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(Has(run.out, "\n2 loops extracted.\n2 Regions created.\n")) << run.out;
  EXPECT_TRUE(Has(run.out, "Null solid created - deleted.")) << run.out;
  std::unique_ptr<AcDbDatabase> holed = Load("holed.dxf");
  ASSERT_NE(holed, nullptr);
  EXPECT_EQ(ModelSpaceTypes(*holed), (Types{"REGION"})) << "the curves and the subtracted region are gone";
  const std::vector<std::string> regions = Listed(run.out, "REGION");
  ASSERT_GE(regions.size(), 1u);
  EXPECT_TRUE(Has(regions[0], "  area: 521.4602\n  perimeter: 131.4159\n")) << regions[0];  // 600 - 25 pi
  const std::vector<std::string> solids = Listed(run.out, "3DSOLID");
  ASSERT_EQ(solids.size(), 1u) << run.out;
  EXPECT_TRUE(Has(solids[0], "  volume: 250.0000\n  extents: 5.0000,5.0000,0.0000 to 10.0000,10.0000,10.0000\n"))
      << solids[0];
}

TEST_F(CadHostModelTest, UnionCombinesOnlyRegionsOfOnePlane) {
  const HostRun run = RunScript(
      "CIRCLE\n0,0\n5\nCIRCLE\n6,0\n5\nREGION\nALL\n\n"
      "BOX\n20,0\n30,10\n10\nSECTION\nL\n\nYZ\n25,0,0\n"  // a square standing in the plane X = 25
      "UNION\nALL\n\nLIST\nALL\n\n" +
      std::string(kQuitWithoutSaving));
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::vector<std::string> regions = Listed(run.out, "REGION");
  ASSERT_EQ(regions.size(), 2u) << run.out;
  // Two discs of 25 pi less the lens they share.
  EXPECT_TRUE(Has(regions[0], "  area: 134.7149\n")) << regions[0];
  EXPECT_TRUE(Has(regions[1], "  area: 100.0000\n")) << regions[1];
  EXPECT_EQ(Listed(run.out, "3DSOLID").size(), 1u) << "a solid alone stays";
}

TEST_F(CadHostModelTest, RegionOfLinesEndToEndLeavesStrayLines) {
  // The sample's three lines close a triangle; a fourth hangs off a corner.
  const HostRun run =
      RunScript("LINE\n40,20\n60,20\n\nREGION\nALL\n\nSAVEAS\nout.dxf\n", false, Sample("rapid_move.dxf"));
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(Has(run.out, "\n1 loop extracted.\n1 Region created.\n")) << run.out;
  std::unique_ptr<AcDbDatabase> saved = Load("out.dxf");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(ModelSpaceTypes(*saved), (Types{"LINE", "REGION"}));
}

TEST_F(CadHostModelTest, ExtrusionsLeanByTheTaper) {
  const HostRun run = RunScript(
      "PLINE\n0,0\n10,0\n10,10\n0,10\nC\nEXTRUDE\nL\n\n2\n45\n"     // a frustum, top 6 x 6
      "CIRCLE\n50,0\n5\nEXTRUDE\nL\n\n-4\n\n"                       // a cylinder downwards
      "PLINE\n20,0\n30,0\n30,10\n20,10\nC\nEXTRUDE\nL\n\n10\n60\n"  // closes at 2.89: refused
      "LIST\nALL\n\n" +
      std::string(kQuitWithoutSaving));
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(Has(run.out, "Cannot extrude the profile")) << run.out;
  const std::vector<std::string> solids = Listed(run.out, "3DSOLID");
  ASSERT_EQ(solids.size(), 2u) << run.out;
  EXPECT_TRUE(Has(solids[0], "  volume: 130.6667\n")) << solids[0];  // 2/3 (100 + 36 + 60)
  EXPECT_TRUE(Has(solids[1], "  volume: 314.1593\n")) << solids[1];
  EXPECT_TRUE(Has(solids[1], "to 55.0000,5.0000,0.0000")) << solids[1];
  EXPECT_TRUE(Listed(run.out, "CIRCLE").empty()) << "extruded curves go";
  const std::vector<std::string> kept = Listed(run.out, "LWPOLYLINE");
  ASSERT_EQ(kept.size(), 1u) << "the refused profile stays";
  EXPECT_TRUE(Has(kept[0], "vertex 0: 20.0000,0.0000")) << kept[0];
}

TEST_F(CadHostModelTest, ImportReadsStepSolidsAndRefusesOtherFiles) {
  std::ofstream(Path("damaged.step")) << "ISO-10303-21;\nHEADER;\nnonsense(\n";
  const HostRun run = RunScript(
      "IMPORT\nmissing.step\nIMPORT\ndamaged.step\nIMPORT\nrun.scr\nIMPORT\ncancel\n"
      "IMPORT\n" +
      Sample("block.step") + "\nLIST\nALL\n\nSAVEAS\nin.dxf\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(Has(run.out, "Nothing imported: cannot find the file \"missing.step\".")) << run.out;
  EXPECT_TRUE(Has(run.out, "Nothing imported: \"damaged.step\" is damaged")) << run.out;
  EXPECT_TRUE(Has(run.out, "Nothing imported: \"run.scr\" is not a STEP file.")) << run.out;
  EXPECT_FALSE(Has(run.out + run.err, "ERR")) << "the reader's own console output stays out";
  EXPECT_TRUE(Has(run.out, "\n1 object imported.\n")) << run.out;
  const std::vector<std::string> solids = Listed(run.out, "3DSOLID");
  ASSERT_EQ(solids.size(), 1u) << run.out;
  EXPECT_TRUE(Has(solids[0], "volume: 1000.0000\n  extents: 100.0000,0.0000,0.0000 to 110.0000,20.0000,5.0000\n"))
      << solids[0];
}

TEST_F(CadHostModelTest, OffsetGoesToTheSidePointedAt) {
  const HostRun run = RunScript(
      "SETVAR\nPICKBOX\n1\n"  // picks near the outline find it alone
      "PLINE\n0,30\n30,30\n30,50\n0,50\nC\n"
      "OFFSET\n2\n30,40\n40,40\n30,40\n20,40\n\n"  // out, then in
      "OFFSET\n1\n#E\n0,20\n"                      // the red rapid move, to its upper left
      "70,70\n"                                    // nothing there: asked again
      "20,0\n20,-5\n\n"                            // the first line, downwards
      "LIST\nALL\n\n" +
          std::string(kQuitWithoutSaving),
      false, Sample("rapid_move.dxf"));
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(Count(run.out, "No object found."), 1u) << run.out;
  const std::vector<std::string> outlines = Listed(run.out, "LWPOLYLINE");
  ASSERT_EQ(outlines.size(), 3u) << run.out;
  EXPECT_TRUE(Has(outlines[1], "  area: 812.5664\n")) << outlines[1];  // rounded corners outside
  EXPECT_TRUE(Has(outlines[2], "  vertex 0: 2.0000,32.0000\n")) << outlines[2];
  EXPECT_TRUE(Has(outlines[2], "  area: 416.0000\n")) << outlines[2];
  const std::vector<std::string> lines = Listed(run.out, "LINE");
  ASSERT_EQ(lines.size(), 5u) << run.out;
  // Right of the rapid move's travel, with its colour and linetype.
  EXPECT_TRUE(Has(lines[3], "  color: 1 (red)\n  linetype: \"ACAD_ISO03W100\"\n")) << lines[3];
  EXPECT_TRUE(Has(lines[3], "  from point: 39.5528,20.8944,0.0000\n")) << lines[3];
  EXPECT_TRUE(Has(lines[4], "  from point: 0.0000,-1.0000,0.0000\n  to point: 40.0000,-1.0000,0.0000\n")) << lines[4];
}

TEST_F(CadHostModelTest, SolidsAndRegionsSurviveSavingAndAreDrawn) {
  const HostRun drawn = RunScript(
      "BOX\n0,0\n10,20\n5\nCYLINDER\n40,0\n5\n10\nSPHERE\n80,0,0\nD\n10\n"
      "CIRCLE\n0,-30\n4\nREGION\nL\n\n"
      "SAVEAS\nmodel.dxf\nLIST\nALL\n\nSVG\nmodel.svg\n");
  ASSERT_EQ(drawn.status, 0) << drawn.out << drawn.err;
  const HostRun reopened = RunScript("LIST\nALL\n\n", false, "model.dxf");
  ASSERT_EQ(reopened.status, 0) << reopened.out << reopened.err;
  const std::vector<std::string> before = ListedEntities(drawn.out);
  ASSERT_EQ(before.size(), 4u) << drawn.out;
  EXPECT_EQ(ListedEntities(reopened.out), before);
  EXPECT_TRUE(Has(before[1], "  volume: 785.3982\n")) << before[1];  // 25 pi 10
  EXPECT_TRUE(Has(before[2], "extents: 75.0000,-5.0000,-5.0000 to 85.0000,5.0000,5.0000")) << before[2];
  EXPECT_TRUE(Has(before[3], "  area: 50.2655\n  perimeter: 25.1327\n")) << before[3];

  const std::string svg = ReadFile(Path("model.svg"));
  EXPECT_FALSE(Has(svg, "not drawn")) << svg;
  EXPECT_TRUE(Has(svg, "10 -20")) << "the box's far corner" << svg;
  EXPECT_TRUE(Has(svg, "A4 4")) << "the region's circle" << svg;
  if (std::system("/usr/bin/python3 -c 'import xml.etree.ElementTree' >/dev/null 2>&1") != 0) return;
  const std::string command =
      "/usr/bin/python3 -c \"import sys, xml.etree.ElementTree as t; "
      "r = t.parse(sys.argv[1]).getroot(); "
      "print(len(r.findall('.//{http://www.w3.org/2000/svg}path')))\" " +
      Quoted(Path("model.svg")) + " >" + Quoted(Path("paths.txt")) + " 2>&1";
  std::system(command.c_str());
  EXPECT_EQ(ReadFile(Path("paths.txt")), "4\n") << "one path for each entity, in a well-formed document";
}

}  // namespace
}  // namespace e2e
