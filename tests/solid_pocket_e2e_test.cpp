// The 3D pocket from the outside: the mould block of samples/scripts/mould.scr
// (a box with a round pocket and a spherical bowl, whose distances are known
// exactly) is pocketed through cadhost; ezdxf reads the saved passes, every
// point along them carries its tool (a flat cylinder standing on it, a ball
// centred its radius above it, a corner-radius torus) and the analytic
// distance of the tool's surface into the block must not pass 0.01. GEOS
// (shapely) measures that the roughing clears what its tool reaches on every
// level, and LinuxCNC's rs274 reads the posted programs.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMeasure = R"py(import numpy as np
from shapely.geometry import LineString, Point
from shapely.ops import unary_union

path, kind, D, r, allowance, step = sys.argv[1], int(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4]), float(sys.argv[5]), float(sys.argv[6])
boss = len(sys.argv) > 7 and sys.argv[7] == '1'
BOSS_R, BOSS_TOP = 5.0, 25.0
R = D / 2
TOP = 30.0
POCKET, POCKET_R, POCKET_FLOOR = np.array([35.0, 40.0]), 15.0, 10.0
BOWL, BOWL_R = np.array([85.0, 40.0, 30.0]), 18.0

def depth(P):
    """How deep each point lies inside the block's material (negative: outside)."""
    x, y, z = P[..., 0], P[..., 1], P[..., 2]
    block = np.minimum.reduce([x, 120 - x, y, 80 - y, z, TOP - z])
    dx = np.hypot(x - POCKET[0], y - POCKET[1]) - POCKET_R
    dz = POCKET_FLOOR - z
    pocket = np.hypot(np.maximum(dx, 0), np.maximum(dz, 0)) + np.minimum(np.maximum(dx, dz), 0)
    bowl = np.linalg.norm(P - BOWL, axis=-1) - BOWL_R
    material = np.minimum.reduce([block, pocket, bowl])
    if boss:
        # A post standing on the round pocket's floor, up to BOSS_TOP.
        side = BOSS_R - np.hypot(x - POCKET[0], y - POCKET[1])
        inside = np.minimum.reduce([side, BOSS_TOP - z, z - POCKET_FLOOR + 1])
        material = np.maximum(material, inside)
    return material

def tool_surface():
    phi = np.linspace(0, 2 * np.pi, 120, endpoint=False)
    ring = np.stack([np.cos(phi), np.sin(phi)], axis=1)
    pts = []
    if kind == 1:
        for k in range(5):
            pts += [(R * k / 4 * c, R * k / 4 * s, 0.0) for c, s in ring]
        for h in np.arange(0.0, 32.0, 2.0):
            pts += [(R * c, R * s, h) for c, s in ring]
    elif kind == 2:
        for t in np.linspace(0, np.pi, 31):
            pts += [(R * np.sin(t) * c, R * np.sin(t) * s, R - R * np.cos(t)) for c, s in ring]
    else:
        a = R - r
        for k in range(5):
            pts += [(a * k / 4 * c, a * k / 4 * s, 0.0) for c, s in ring]
        for t in np.linspace(0, np.pi, 31):
            pts += [((a + r * np.sin(t)) * c, (a + r * np.sin(t)) * s, r - r * np.cos(t)) for c, s in ring]
    return np.array(pts)

def runs(e):
    t = e.dxftype()
    if t == 'LINE':
        a, b = np.array(e.dxf.start), np.array(e.dxf.end)
        n = max(1, int(np.ceil(np.linalg.norm(b - a) / 0.25)))
        return [[tuple(a + (b - a) * k / n) for k in range(n + 1)]]
    if t == 'LWPOLYLINE':
        v = list(e.get_points('xyb'))
        pts = []
        for i in range(len(v) if e.closed else len(v) - 1):
            a, b = v[i][:2], v[(i + 1) % len(v)][:2]
            n = max(2, int(np.ceil(math.hypot(b[0] - a[0], b[1] - a[1]) / 0.25)))
            pts += segment(a, b, v[i][2], n)
        return [[(p[0], p[1], e.dxf.elevation) for p in pts]]
    if t == 'ARC':
        c, rad = e.dxf.center, e.dxf.radius
        a0, a1 = math.radians(e.dxf.start_angle), math.radians(e.dxf.end_angle)
        if a1 < a0:
            a1 += 2 * math.pi
        n = max(4, int(np.ceil(rad * (a1 - a0) / 0.25)))
        return [[(c.x + rad * math.cos(a0 + (a1 - a0) * k / n), c.y + rad * math.sin(a0 + (a1 - a0) * k / n), c.z)
                 for k in range(n + 1)]]
    return []

doc = ezdxf.readfile(path)
all_runs = [run for e in doc.modelspace() for run in runs(e)]
points = np.array([p for run in all_runs for p in run])
surface = tool_surface()
worst, where = 0.0, None
for i in range(0, len(points), 200):
    chunk = points[i:i + 200]
    d = depth(chunk[:, None, :] + surface[None, :, :]).max(axis=1)
    k = int(d.argmax())
    if d[k] > worst:
        worst, where = float(d[k]), chunk[k]
print("points %d" % len(points))
print("overlap %.4f at %s" % (worst, where))

worst_clear = 1.0
if kind == 1 and step > 0:
    n = int(math.ceil(TOP / step - 1e-6))
    for i in range(1, n + 1):
        z = TOP - i * TOP / n
        openings = []
        if POCKET_FLOOR - 1e-9 <= z < TOP:
            openings.append((POCKET, POCKET_R))
        if TOP - BOWL_R < z < TOP:
            openings.append((BOWL[:2], math.sqrt(BOWL_R ** 2 - (z - TOP) ** 2)))
        free = unary_union([Point(c).buffer(rad, 256) for c, rad in openings]) if openings else None
        if free is not None and boss and z < BOSS_TOP:
            free = free.difference(Point(POCKET).buffer(BOSS_R, 256))
        reach = free.buffer(-(R + allowance), 256).buffer(R, 256) if free is not None else None
        if reach is None or reach.area < 1e-3:
            continue
        flat = []
        for run in all_runs:
            cur = []
            for p in run + [(0, 0, 1e9)]:
                if abs(p[2] - z) < 1e-6:
                    cur.append(p[:2])
                elif cur:
                    flat.append(LineString(cur).buffer(R, 64) if len(cur) > 1 else Point(cur[0]).buffer(R, 64))
                    cur = []
        cleared = unary_union(flat) if flat else Point(0, 0).buffer(0)
        ratio = cleared.intersection(reach).area / reach.area
        print("level %.3f cleared %.4f" % (z, ratio))
        worst_clear = min(worst_clear, ratio)
print("worst_clear %.4f" % worst_clear)
)py";

double ValueAfter(const std::string& text, const std::string& key) {
  const std::size_t at = text.find(key + " ");
  if (at == std::string::npos) return -1.0;
  return std::stod(text.substr(at + key.size() + 1));
}

class SolidPocketTest : public CadHostTest {
 protected:
  void SetUp() override {
    CadHostTest::SetUp();
    if (const std::string missing = MissingMeasurePeers(); !missing.empty()) GTEST_SKIP() << missing;
    if (std::system("/usr/bin/python3 -c 'import numpy' >/dev/null 2>&1") != 0) GTEST_SKIP() << "no numpy";
    std::ofstream(Path("measure.py")) << kPlanSegmentPython << kMeasure;
    const HostRun made = Run({"-s", std::string(HOST_SAMPLES) + "/scripts/mould.scr"});
    ASSERT_EQ(made.status, 0) << made.out << made.err;
    ASSERT_TRUE(fs::exists(Path("mould.dxf")));
  }

  HostRun RunPlugin(const std::string& script, const std::string& drawing) const {
    return Run({"--plugin", OSTRIVO_PATH, "-s", WriteScript("run.scr", script), Path(drawing)});
  }

  // SolidPocket on the mould with the roughing tool given by its dialog
  // answers, cavity, saved as out.dxf.
  HostRun Pocket(const std::string& tool, const std::string& values, const std::string& drawing = "mould.dxf") const {
    fs::remove(Path("out.dxf"));
    return RunPlugin("SolidPocket\nset 200 Mould\nclick 275\nclick 464\n" + tool + "ok\n" + values +
                         "click 448\n0,0\nok\nGROUPS\nSAVEAS\nout.dxf\nQUIT\n",
                     drawing);
  }

  std::string Measure(int kind, double diameter, double corner, double allowance, double step,
                      bool boss = false) const {
    std::ostringstream args;
    args << " " << kind << " " << diameter << " " << corner << " " << allowance << " " << step << " " << boss;
    std::system(("/usr/bin/python3 " + Quoted(Path("measure.py")) + " " + Quoted(Path("out.dxf")) + args.str() + " >" +
                 Quoted(Path("measure.txt")) + " 2>&1")
                    .c_str());
    return ReadFile(Path("measure.txt"));
  }
};

TEST_F(SolidPocketTest, AFlatToolClearsEveryLevelOfBothOpeningsWithoutEnteringTheBlock) {
  for (const char* allowance : {"0", "0.5"}) {
    const HostRun run = Pocket("set 275 10\n", std::string("set 4002 5\nset 261 5\nset 260 ") + allowance + "\n");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    ASSERT_NE(run.out.find("Mould  ("), std::string::npos) << run.out;
    // The bowl's last level is too narrow for the tool: told once, not per level.
    EXPECT_LE(Count(run.out, "포켓 공구경로를 생성할 수 없습니다"), 1u) << run.out;
    const std::string measured = Measure(1, 10, 0, std::stod(allowance), 5);
    EXPECT_GT(ValueAfter(measured, "points"), 1000) << measured;
    EXPECT_LE(ValueAfter(measured, "overlap"), 0.01) << measured;
    EXPECT_GE(ValueAfter(measured, "worst_clear"), 0.99) << measured;
    // Each opening is its own pocket: no pass on any level crosses the block between them.
    EXPECT_NE(measured.find("level 10.000"), std::string::npos) << measured;
  }
}

TEST_F(SolidPocketTest, APostInTheRoundPocketIsLeftStandingAndTheRingAroundItCleared) {
  const HostRun made =
      RunPlugin("CYLINDER\n35,40,10\n5\n15\nUNION\n0,0\n40,40\n\nSAVEAS\nboss.dxf\nQUIT\n", "mould.dxf");
  ASSERT_EQ(made.status, 0) << made.out << made.err;
  const HostRun run = Pocket("set 275 6\n", "set 4002 5\nset 261 3\nset 260 0.2\n", "boss.dxf");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  ASSERT_NE(run.out.find("Mould  ("), std::string::npos) << run.out;
  const std::string measured = Measure(1, 6, 0, 0.2, 5, true);
  EXPECT_LE(ValueAfter(measured, "overlap"), 0.01) << measured;
  EXPECT_GE(ValueAfter(measured, "worst_clear"), 0.99) << measured;
  // Measured as if there were no post, the passes leave its place uncut.
  EXPECT_LT(ValueAfter(Measure(1, 6, 0, 0.2, 5, false), "worst_clear"), 0.95);
}

TEST_F(SolidPocketTest, CoreMachiningTakesTheStockDownToTheBlockWithoutEnteringIt) {
  fs::remove(Path("out.dxf"));
  const HostRun run = RunPlugin(
      "BOX\n-10,-10,0\n130,90\n40\nSolidPocket\nset 200 Core\nclick 269\nclick 464\nset 275 10\nok\n"
      "set 4002 5\nset 261 5\nset 260 0.3\nclick 448\n0,0\n-10,-10\nok\n"
      "GROUPS\nSAVEAS\nout.dxf\nQUIT\n",
      "mould.dxf");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  ASSERT_NE(run.out.find("Core  ("), std::string::npos) << run.out;
  const std::string measured = Measure(1, 10, 0, 0.3, 0);
  EXPECT_GT(ValueAfter(measured, "points"), 1000) << measured;
  EXPECT_LE(ValueAfter(measured, "overlap"), 0.01) << measured;
}

TEST_F(SolidPocketTest, BallAndCornerRadiusToolsStayOutOfTheBlock) {
  struct Case {
    const char* tool;
    int kind;
    double diameter, corner;
  };
  for (const Case& c : {Case{"click 273\nset 275 6\n", 2, 6, 0}, Case{"click 274\nset 275 8\nset 277 2\n", 3, 8, 2}}) {
    const HostRun run = Pocket(c.tool, "set 4002 3\nset 261 2\nset 260 0\n");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    ASSERT_NE(run.out.find("Mould  ("), std::string::npos) << run.out;
    const std::string measured = Measure(c.kind, c.diameter, c.corner, 0, 3);
    EXPECT_GT(ValueAfter(measured, "points"), 1000) << measured;
    EXPECT_LE(ValueAfter(measured, "overlap"), 0.01) << c.kind << "\n" << measured;
  }
}

TEST_F(SolidPocketTest, FinishingAndRestPassesStayOutOfTheBlock) {
  const HostRun run = Pocket("set 275 12\n",
                             "set 4002 5\nset 261 6\nset 260 0.5\nclick 266\nclick 276\nset 275 8\nok\n"
                             "set 267 0.3\nclick 463\nclick 286\nset 275 4\nok\nset 271 0.3\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  ASSERT_NE(run.out.find("Mould  ("), std::string::npos) << run.out;
  // The smallest tool is the one that may come nearest.
  const std::string measured = Measure(1, 4, 0, 0, 0);
  EXPECT_LE(ValueAfter(measured, "overlap"), 0.01) << measured;
}

TEST_F(SolidPocketTest, TheSampleSurvivesSaveAndOpenAndItsProgramsReadInRs274) {
  std::ifstream sample(std::string(HOST_SAMPLES) + "/scripts/solid_pocket.scr");
  std::stringstream text;
  text << sample.rdbuf();
  const HostRun run = RunPlugin(text.str(), "mould.dxf");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::size_t first = run.out.find("MouldPocket  (");
  ASSERT_NE(first, std::string::npos) << run.out;
  const std::size_t second = run.out.find("MouldPocket  (", first + 1);
  ASSERT_NE(second, std::string::npos) << run.out;
  EXPECT_EQ(run.out.substr(first, run.out.find('\n', first) - first),
            run.out.substr(second, run.out.find('\n', second) - second));
  auto database = Load("solid_pocketed.dxf");
  ASSERT_NE(database, nullptr);

  if (std::system("command -v rs274 >/dev/null 2>&1") != 0) GTEST_SKIP() << "linuxcnc-uspace is not installed";
  fs::copy_file(std::string(HOST_SAMPLES) + "/posts/iso_mill.ppr", Path("iso_mill.ppr"));
  std::ofstream table(Path("tools.tbl"));
  for (int t = 1; t <= 20; ++t) table << "T" << t << " P" << t << " D10 Z0\n";
  table.close();
  const HostRun posted =
      Run({"--plugin", OSTRIVO_PATH, "-s", std::string(HOST_SAMPLES) + "/scripts/solid_pocket_post.scr",
           Path("solid_pocketed.dxf")});
  ASSERT_EQ(posted.status, 0) << posted.out << posted.err;
  for (const char* nc : {"solid_pocket.nc", "solid_pocket_iso.nc"}) {
    const std::string program = ReadFile(Path(nc));
    ASSERT_FALSE(program.empty()) << nc << posted.out;
    EXPECT_NE(program.find("G1"), std::string::npos) << program;
    const std::string command =
        "cd " + Quoted(folder_) + " && HOME=. rs274 -t tools.tbl -g " + nc + " >canon.txt 2>&1 </dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << ReadFile(Path("canon.txt")) << "\n" << program;
    EXPECT_EQ(ReadFile(Path("canon.txt")).find("error"), std::string::npos) << ReadFile(Path("canon.txt"));
  }
}

TEST_F(SolidPocketTest, TheManagerRegeneratesFromTheStoredModelAndLeavesNoSolidBehind) {
  ASSERT_EQ(Pocket("set 275 10\n", "set 4002 10\nset 261 5\n").status, 0);
  const HostRun run = RunPlugin(
      "Job\nselect 383 0\nclick 388\nset 261 4\nok\nok\nok\nGROUPS\nSAVEAS\nregenerated.dxf\nQUIT\n", "out.dxf");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("재생성이 완료"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(" 1 100 0 100 1 500 0.00 3.00 4.00"), std::string::npos) << run.out;
  // The block and the toolpath's hidden clone of it: the reloaded copy went.
  EXPECT_EQ(Count(ReadFile(Path("regenerated.dxf")), "\n3DSOLID\n"), 2u) << run.out;
}

TEST_F(SolidPocketTest, OkWaitsForAStockInCoreAndForARestToolSmallerThanTheOneBefore) {
  const HostRun run = RunPlugin(
      "SolidPocket\nset 200 Refused\nclick 269\nclick 448\n0,0\n\nok\nok\n"
      "click 275\nclick 463\nclick 286\nset 275 30\nok\nok\nok\ncancel\nGROUPS\n" +
          std::string(kQuitWithoutSaving),
      "mould.dxf");
  EXPECT_NE(run.out.find("가공 모델이 선택되지 않았습니다"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("잔삭 공구가 정삭 공구보다 크거나 같으면"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Refused  ("), std::string::npos) << run.out;
}

TEST_F(SolidPocketTest, OnlyASolidIsTakenAsTheModel) {
  const HostRun run = RunPlugin(
      "LINE\n200,0\n260,0\n\nSolidPocket\nset 200 Wrong\nclick 275\nclick 448\n260,0\nok\nok\ncancel\nGROUPS\n" +
          std::string(kQuitWithoutSaving),
      "mould.dxf");
  EXPECT_NE(run.out.find("3D 솔리드만"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Wrong  ("), std::string::npos) << run.out;
}

}  // namespace
}  // namespace e2e
