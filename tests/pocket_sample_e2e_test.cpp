// The pocket sample as the demo runs it: ezdxf reads the drawing the script
// saves as another CAD program would, GEOS (through shapely) measures the
// stored passes against the plate's walls, and the SVG is checked for them.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// Audit errors; per group its record's first line, how many members it has
// and whether each is in the drawing; the moves of each feed (stored in the
// thickness), level by level, with their least distance from the walls (the
// hidden boundary less the hidden islands) and how many leave the part; what
// the roughing feed's tool of diameter 10 leaves of what it can reach with 0.5
// left on; and the heights of the rapid moves that go somewhere in plan.
constexpr const char* kMeasure = R"(from shapely.geometry import LineString, Polygon, Point
from shapely.ops import unary_union

def plan(e):
    if e.dxftype() == 'LINE':
        return [tuple(e.dxf.start)[:2], tuple(e.dxf.end)[:2]]
    v = list(e.get_points('xyb'))
    out = []
    for i in range(len(v) if e.closed else len(v) - 1):
        out += segment(v[i][:2], v[(i + 1) % len(v)][:2], v[i][2], 200)
    return out

def shape(points):
    points = [p for i, p in enumerate(points) if i == 0 or p != points[i - 1]]
    return Point(points[0]) if len(points) == 1 else LineString(points)

doc = ezdxf.readfile(sys.argv[1])
print("errors", len(doc.audit().errors))
drawn = set(e.dxf.handle for e in doc.modelspace())
for name, group in doc.groups:
    members = list(group)
    print("group", name, group.dxf.description.split("^J")[0], len(members),
          "all drawn" if all(e.dxf.handle in drawn for e in members) else "some not drawn")
    outlines = sorted((Polygon(plan(e)) for e in members if e.dxftype() == 'LWPOLYLINE' and e.dxf.invisible),
                      key=lambda p: p.area, reverse=True)
    part = outlines[0]
    for island in outlines[1:]:
        part = part.difference(island)
    feeds = {}
    rapids = set()
    for e in members:
        if e.dxftype() not in ('LINE', 'LWPOLYLINE') or e.dxf.invisible:
            continue
        if e.dxftype() == 'LINE' and e.dxf.linetype.upper() != 'BYLAYER':
            if plan(e)[0] != plan(e)[1]:
                rapids.add("%.2f" % min(e.dxf.start[2], e.dxf.end[2]))
            continue
        z = e.dxf.elevation if e.dxftype() == 'LWPOLYLINE' else min(e.dxf.start[2], e.dxf.end[2])
        feeds.setdefault(round(e.dxf.thickness * 1e7), []).append((round(z, 6), shape(plan(e))))
    for feed in sorted(feeds):
        moves = feeds[feed]
        print("feed %d at %s: %.3f off the walls, %d outside" % (
            feed, " ".join("%.2f" % z for z in sorted(set(z for z, _ in moves), reverse=True)),
            min(part.boundary.distance(m) for _, m in moves),
            sum(1 for _, m in moves if not part.buffer(1e-6).contains(m))))
    rough = feeds[min(feeds)]
    reach = part.buffer(-5.5).buffer(5.0)
    for z in sorted(set(z for z, _ in rough), reverse=True):
        swept = unary_union([m.buffer(5.0) for lz, m in rough if lz == z])
        print("uncut at %.2f: %.2f" % (z, reach.difference(swept).buffer(-0.05).area))
    print("rapids across at", " ".join(sorted(rapids)))
)";

// Every entity of the model space with all its values, and every group with
// its description and members: equal dumps are equal drawings.
constexpr const char* kDump = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
for e in doc.modelspace():
    vertices = list(e.get_points('xyseb')) if e.dxftype() == 'LWPOLYLINE' else []
    print(e.dxftype(), sorted((k, str(v)) for k, v in e.dxf.all_existing_dxf_attribs().items()), vertices)
for name, group in doc.groups:
    print("group", name, group.dxf.description, sorted(e.dxf.handle for e in group))
)";

class PocketSampleTest : public CadHostTest {
 protected:
  void SetUp() override {
    CadHostTest::SetUp();
    if (const std::string missing = MissingMeasurePeers(); !missing.empty()) GTEST_SKIP() << missing;
    fs::copy_file(std::string(HOST_SAMPLES) + "/drawings/pocket_plate.dxf", Path("plate.dxf"));
    std::ofstream(Path("measure.py")) << kPlanSegmentPython << kMeasure;
    std::ofstream(Path("dump.py")) << kDump;
  }

  static std::string SampleScript() { return ReadFile(std::string(HOST_SAMPLES) + "/scripts/pocket.scr"); }
};

int Occurrences(const std::string& text, const std::regex& pattern) {
  return static_cast<int>(
      std::distance(std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()));
}

TEST_F(PocketSampleTest, TheScriptPocketsThePlateAndTheToolpathSurvivesSavingAndOpening) {
  EXPECT_EQ(RunPython("measure.py", "plate.dxf"), "errors 0\n");
  const HostRun run =
      Run({"--plugin", OSTRIVO_PATH, "-s", std::string(HOST_SAMPLES) + "/scripts/pocket.scr", Path("plate.dxf")});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(Count(run.out, " 포켓가공이 완료되었습니다.."), 1u) << run.out;
  EXPECT_EQ(Count(run.out, "포켓 공구경로를 생성할 수 없습니다"), 0u) << run.out;

  // Listed alike before the drawing is saved and after it is opened again.
  std::smatch listed;
  ASSERT_TRUE(std::regex_search(run.out, listed, std::regex("Pocket_1  \\((\\d+) entities\\): (.*)\n"))) << run.out;
  EXPECT_EQ(Count(run.out, listed[0]), 2u) << run.out;
  const std::string members = listed[1];

  // The second Pocket shows what the first one was given.
  for (const char* shown :
       {"279 edit \"Z 깊이\" = \"-12\"", "4002 edit \"황삭 Z Step\" = \"5\"", "464 button \"F10.0-0.0-50.0\"",
        "260 edit \"가공여유\" = \"0.5\"", "261 edit \"황삭 Stepover\" = \"5\"", "266 check \"정삭가공\" = 1",
        "276 button \"F10.0-0.0-50.0\""}) {
    EXPECT_EQ(Count(run.out, shown), 1u) << shown << "\n" << run.out;
  }

  // Roughing at feed 100 keeps radius and allowance off the walls and clears
  // what the tool reaches on every level; finishing at 300 comes to the radius.
  EXPECT_EQ(RunPython("measure.py", "pocketed.dxf"),
            "errors 0\n"
            "group Pocket_1 Ostrivo_ToolPath 4 1 0 0 " +
                members +
                " all drawn\n"
                "feed 100 at -4.00 -8.00 -12.00: 5.500 off the walls, 0 outside\n"
                "feed 300 at -4.00 -8.00 -12.00: 5.000 off the walls, 0 outside\n"
                "uncut at -4.00: 0.00\n"
                "uncut at -8.00: 0.00\n"
                "uncut at -12.00: 0.00\n"
                "rapids across at 100.00\n");

  // The picture draws every shown curve of the opened drawing, rapids dashed.
  const std::string svg = ReadFile(Path("pocketed.svg"));
  const std::string shown = RunPython("dump.py", "pocketed.dxf");
  const int curves = Occurrences(
      shown, std::regex("^(LINE|ARC|CIRCLE|LWPOLYLINE) (?!.*'invisible', '1')", std::regex_constants::multiline));
  const int rapids =
      Occurrences(shown, std::regex("^LINE .*'linetype', 'ACAD_ISO03W100'", std::regex_constants::multiline));
  EXPECT_GT(rapids, 0) << shown;
  EXPECT_EQ(Count(svg, "<path "), static_cast<std::size_t>(curves)) << shown;
  EXPECT_EQ(Count(svg, "stroke-dasharray"), static_cast<std::size_t>(rapids)) << svg;
}

TEST_F(PocketSampleTest, CancellingTheSecondPocketChangesNothing) {
  // The sample with the drawing saved just before its second Pocket.
  std::string script = SampleScript();
  const std::size_t second = script.find("\nPocket\n", script.find("\nPocket\n") + 1);
  ASSERT_NE(second, std::string::npos) << script;
  script.insert(second + 1, "SAVEAS\nbefore.dxf\n");
  const HostRun run = Run({"--plugin", OSTRIVO_PATH, "-s", WriteScript("cancel.scr", script), Path("plate.dxf")});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::string before = RunPython("dump.py", "before.dxf");
  EXPECT_NE(before.find("group Pocket_1 "), std::string::npos) << before;
  EXPECT_EQ(RunPython("dump.py", "pocketed.dxf"), before);
}

}  // namespace
}  // namespace e2e
