// The facet and solid extrude samples as the demo runs them: the captured faces
// survive saving and opening, ezdxf reads the drawings as another CAD program
// would (the facet entities kept as proxies), and each drawing keeps its own
// facet settings.
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAudit = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("errors", len(auditor.errors))
kinds = {}
for e in doc.modelspace():
    kinds[e.dxftype()] = kinds.get(e.dxftype(), 0) + 1
print(" ".join("%s:%d" % item for item in sorted(kinds.items())))
print("classes", " ".join(sorted(c.dxf.name for c in doc.classes)))
)";

class FacetSampleTest : public CadHostTest {
 protected:
  void SetUp() override {
    CadHostTest::SetUp();
    fs::copy_file(std::string(HOST_SAMPLES) + "/drawings/block.step", Path("block.step"));
    std::ofstream(Path("audit.py")) << kAudit;
  }

  HostRun RunSample(const std::string& name) const {
    return Run({"--plugin", OSTRIVO_PATH, "-s", std::string(HOST_SAMPLES) + "/scripts/" + name});
  }
};

TEST_F(FacetSampleTest, FacetsOfTheStepBlockAndTheSpheresSurviveSavingAndOpenInEzdxf) {
  const HostRun run = RunSample("facets.scr");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(fs::exists(Path("facets.svg")));
  const std::vector<std::string> listed = ListedEntities(run.out);
  std::size_t facets = 0;
  for (const std::string& block : listed) facets += block.rfind("OST_CUSTOM_DRAW_ENTITY", 0) == 0;
  EXPECT_EQ(facets, 8u) << run.out;  // four captured, listed before and after opening
  EXPECT_EQ(Count(run.out, "REGION"), 0u) << "the posted faces are erased";
  // The block's side at X 110 and its top at Z 5, in blue in the SVG; the spheres in red and green.
  EXPECT_NE(run.out.find("  faces: 2 on 4 vertices\n  face color: 5 (blue)\n"
                         "  extents: 110.0000,0.0000,0.0000 to 110.0000,20.0000,5.0000"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("  faces: 2 on 4 vertices\n  face color: 5 (blue)\n"
                         "  extents: 100.0000,0.0000,5.0000 to 110.0000,20.0000,5.0000"),
            std::string::npos)
      << run.out;
  const std::string svg = ReadFile(Path("facets.svg"));
  for (const char* color : {"#ff0000", "#00ff00", "#0000ff"}) EXPECT_NE(svg.find(color), std::string::npos) << color;
  const auto drawing = Load("facets.dxf");
  ASSERT_NE(drawing, nullptr);
  EXPECT_EQ(Count(ReadFile(Path("facets.dxf")), "OST_CUSTOM_DRAW_ENTITY"), 5u);  // four records and the class
  if (!EzdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is missing";
  EXPECT_EQ(RunPython("audit.py", "facets.dxf"),
            "errors 0\n3DSOLID:3 OST_CUSTOM_DRAW_ENTITY:4\nclasses OST_CUSTOM_DRAW_ENTITY\n");
}

TEST_F(FacetSampleTest, TheFineSphereHasMoreTrianglesThanTheCoarseOne) {
  const HostRun run = RunSample("facets.scr");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  // Each facet record: the subclass marker, then the vertex count.
  const std::string text = ReadFile(Path("facets.dxf"));
  std::vector<long> vertexCounts;
  const std::string marker = "100\nOstCustomDrawEntity\n";
  for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1)) {
    std::istringstream fields(text.substr(at + marker.size(), 40));
    std::string code, count;
    fields >> code >> count;
    vertexCounts.push_back(std::stol(count));
  }
  ASSERT_EQ(vertexCounts.size(), 4u);
  EXPECT_GT(vertexCounts[1], 2 * vertexCounts[0]);
  EXPECT_EQ(vertexCounts[2], 4);
  EXPECT_EQ(vertexCounts[3], 4);
}

TEST_F(FacetSampleTest, ANewDrawingHasItsOwnFacetSettings) {
  const HostRun run =
      Run({"--plugin", OSTRIVO_PATH, "-s",
           WriteScript("settings.scr",
                       "SETCOLORINDEX\n5\nSETDEVIATION\n0.02\nSETCOLORINDEX\n\n"
                       "NEW\nSETCOLORINDEX\n\nSETDEVIATION\n\nSETCOLORINDEX\n300\n"
                       "SETCOLORINDEX\n9\nOPEN\n" +
                           std::string(HOST_SAMPLES) + "/drawings/bracket.dxf\nSETCOLORINDEX\n\nQUIT\n")});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(Count(run.out, "Enter color index[5]: "), 1u) << run.out;
  // The first drawing, then the new one three times and the opened one: each starts from the defaults.
  EXPECT_EQ(Count(run.out, "Enter color index[1]: "), 5u) << run.out;
  EXPECT_EQ(Count(run.out, "Enter color index[9]: "), 0u) << run.out;
  EXPECT_EQ(Count(run.out, "Enter facet deviation[0.100000]: "), 2u) << run.out;
  EXPECT_EQ(Count(run.out, "Color index must be between 1-256"), 1u) << run.out;
}

TEST_F(FacetSampleTest, SolExtMakesTheTaperedPlateAndErasesItsProfiles) {
  const HostRun run = RunSample("sol_ext.scr");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::vector<std::string> listed = ListedEntities(run.out);
  ASSERT_EQ(listed.size(), 1u) << run.out;
  // 8000 - 600 tan5 x 10 + 4/3 tan^2 5 x 1000 - 785.398 (the hole)
  EXPECT_NE(listed[0].find("volume: 6699.8755"), std::string::npos) << listed[0];
  EXPECT_TRUE(fs::exists(Path("sol_ext.svg")));
  if (!EzdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is missing";
  EXPECT_EQ(RunPython("audit.py", "sol_ext.dxf"), "errors 0\n3DSOLID:1\nclasses \n");
}

TEST_F(FacetSampleTest, SolExtOnAProfileThatMakesNoRegionEndsTheScriptRun) {
  const HostRun run = Run({"--plugin", OSTRIVO_PATH, "-s",
                           WriteScript("bow_tie.scr",
                                       "PLINE\n0,0\n20,20\n20,0\n0,20\nC\n"
                                       "SolExt\nclick 599\n0,5\ncheck 458\nok\nLIST\nALL\n\n")});
  EXPECT_EQ(run.status, 1) << run.out << run.err;
  EXPECT_NE(run.out.find("script line 11: The command SolExt failed: Solid를 만들 수 없습니다."), std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find("Command: LIST"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace e2e
