// The profile sample as the demo runs it, and the passes of each side measured
// from the outside: ezdxf reads the saved drawing as another CAD program would,
// GEOS (through shapely) measures how far the cuts run from the curves.
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// Per group: its record's first line and its members; then each cutting pass
// (a polyline with its feed in its thickness), level by level, with the least
// and the most distance of its cutting segments from the curve it follows and
// on which side of a closed curve it runs. Lead moves carry their feed in the
// vertex widths and are left out. Arcs are sampled exactly, not as Beziers.
constexpr const char* kMeasure = R"(from shapely.geometry import LineString, Polygon, Point

def points(e, steps, cut_only):
    v = list(e.get_points('xyseb'))
    out = []
    for i in range(len(v) if e.closed else len(v) - 1):
        if cut_only and v[i][2] > 0:
            continue
        out += segment(v[i][:2], v[(i + 1) % len(v)][:2], v[i][4], steps)
    return out

doc = ezdxf.readfile(sys.argv[1])
print("errors", len(doc.audit().errors))
for name, group in sorted(doc.groups, key=lambda g: g[0]):
    members = list(group)
    kinds = sorted(set(e.dxftype() for e in members))
    print("group", name, group.dxf.description.split("^J")[0], len(members),
          " ".join("%s:%d" % (k, sum(1 for e in members if e.dxftype() == k)) for k in kinds))
    polys = [e for e in members if e.dxftype() == 'LWPOLYLINE']
    shapes = [Polygon(points(s, 2000, False)) if s.closed else LineString(points(s, 2000, False))
              for s in polys if s.dxf.thickness == 0]
    edge = lambda s: s.exterior if s.geom_type == 'Polygon' else s
    rows = []
    for p in [e for e in polys if e.dxf.thickness > 0]:
        pts = [Point(q) for q in points(p, 20, True)]
        owner = min(shapes, key=lambda s: edge(s).distance(pts[0]))
        d = [edge(owner).distance(q) for q in pts]
        if owner.geom_type == 'LineString':
            side = 'open'
        elif min(d) < 0.001:
            side = 'closed on'
        else:
            inside = sum(1 for q in pts if owner.contains(q))
            side = 'closed ' + ('inside' if inside == len(pts) else 'outside' if inside == 0 else 'both')
        rows.append("pass z %.2f %s %.3f to %.3f" % (p.dxf.elevation, side, min(d), max(d)))
    for row in sorted(rows):
        print(row)
)";

class ProfileSampleTest : public CadHostTest {
 protected:
  void SetUp() override {
    CadHostTest::SetUp();
    if (const std::string missing = MissingMeasurePeers(); !missing.empty()) GTEST_SKIP() << missing;
    fs::copy_file(std::string(HOST_SAMPLES) + "/drawings/profile_part.dxf", Path("part.dxf"));
    std::ofstream(Path("measure.py")) << kPlanSegmentPython << kMeasure;
  }

  std::string Measure(const std::string& drawing) const { return RunPython("measure.py", drawing); }
};

TEST_F(ProfileSampleTest, TheScriptProfilesThePartAndTheToolpathSurvivesSavingAndOpening) {
  EXPECT_EQ(Measure("part.dxf"), "errors 0\n");
  const HostRun run =
      Run({"--plugin", OSTRIVO_PATH, "-s", std::string(HOST_SAMPLES) + "/scripts/profile.scr", Path("part.dxf")});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(Count(run.out, "Profile_1  (24 entities): Ostrivo_ToolPath 1 2 2\n"), 2u) << run.out;
  EXPECT_TRUE(fs::exists(Path("profiled.svg")));
  // Both curves right of their way at 4.5 (radius 4 and 0.5 left on), at -5 and -10.
  EXPECT_EQ(Measure("profiled.dxf"),
            "errors 0\n"
            "group Profile_1 Ostrivo_ToolPath 1 2 2 24 LINE:15 LWPOLYLINE:6 POINT:3\n"
            "pass z -10.00 closed outside 4.500 to 4.500\n"
            "pass z -10.00 open 4.500 to 4.500\n"
            "pass z -5.00 closed outside 4.500 to 4.500\n"
            "pass z -5.00 open 4.500 to 4.500\n");
}

// One run after another with the picks kept: each toolpath holds its own two
// curves only, and each side lies where it should.
TEST_F(ProfileSampleTest, EachSideRunsWhereItShouldAndEachRunCutsOnlyItsOwnCurves) {
  const std::string script =
      "Profile\nclick 4008\nset 4014 0.5\nclick 271\nset 275 8\nok\nset 200 Right\n"
      "click 359\n50,0\n20,90\n54.14,95.86\n\nok\n"
      "Profile\nok\nclick 4007\nset 200 Left\nok\n"
      "Profile\nok\nclick 4006\nset 200 On\nok\n"
      "SAVEAS\nsides.dxf\nQUIT\n";
  const HostRun run = Run({"--plugin", OSTRIVO_PATH, "-s", WriteScript("sides.scr", script), Path("part.dxf")});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(Measure("sides.dxf"),
            "errors 0\n"
            "group Left Ostrivo_ToolPath 1 2 1 14 LINE:7 LWPOLYLINE:4 POINT:3\n"
            "pass z 0.00 closed inside 4.500 to 4.500\n"
            "pass z 0.00 open 4.500 to 4.500\n"
            "group On Ostrivo_ToolPath 1 2 0 14 LINE:7 LWPOLYLINE:4 POINT:3\n"
            "pass z 0.00 closed on 0.000 to 0.000\n"
            "pass z 0.00 open 0.000 to 0.000\n"
            "group Right Ostrivo_ToolPath 1 2 2 14 LINE:7 LWPOLYLINE:4 POINT:3\n"
            "pass z 0.00 closed outside 4.500 to 4.500\n"
            "pass z 0.00 open 4.500 to 4.500\n");
}

}  // namespace
}  // namespace e2e
