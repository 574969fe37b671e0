// The lathe turning sample run through cadhost as a user would, measured from
// the outside: GEOS (shapely) measures the stored passes against the profile,
// LinuxCNC's interpreter reads the posted program, and the toolpath manager
// makes the toolpath again after the picked curves are gone.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// argv: drawing, group, nose radius, rough allowance, rough stepover, finish
// allowance, finish stepover, finish passes, "outer" or "inner". Prints the
// counts, the roughing levels in cutting order and a FAIL line per fault:
// a roughing pass nearer the part than nose radius + rough allowance, off X,
// beyond the stock or not a stepover from the last; a finishing cut not at
// nose radius + allowance (+ stepovers, farthest first) from the profile on
// the material's side; a rapid move into the part.
constexpr const char* kMeasure = R"py(
from shapely.geometry import LineString, Polygon, Point

doc = ezdxf.readfile(sys.argv[1])
lines = open(sys.argv[1], encoding="utf-8").read().splitlines()
tags = [(lines[i].strip(), lines[i + 1].strip()) for i in range(0, len(lines) - 1, 2)]
def members(handle):
    for i, tag in enumerate(tags):
        if tag == ("0", "GROUP") and tags[i + 1] == ("5", handle):
            found = []
            for code, value in tags[i + 2:]:
                if code == "0":
                    return found
                if code == "340":
                    found.append(doc.entitydb[value])
    return []
group = [g for name, g in doc.groups if name == sys.argv[2]][0]
nose, rough_allow, rough_step, finish_allow, finish_step, finish_passes = map(float, sys.argv[3:9])
outer = sys.argv[9] == "outer"
finish_passes = int(finish_passes)
found = members(group.dxf.handle)
profile, stock = found[0], found[1]
assert profile.dxftype() == "LWPOLYLINE" and stock.dxftype() == "LINE"

def plan(e, steps=64, core_only=False):
    v = list(e.get_points("xyseb"))
    out = []
    n = len(v) if e.closed else len(v) - 1
    for i in range(n):
        a, b = v[i], v[(i + 1) % len(v)]
        if core_only and a[2] > 0:
            continue
        out.append(segment((a[0], a[1]), (b[0], b[1]), a[4], steps))
    return out

prof_points = [p for piece in plan(profile) for p in piece]
prof = LineString(prof_points)
# The part: the profile closed along the axis (outer turning) or far out
# (a bore); the stock lies on the other side.
first, last = prof_points[0], prof_points[-1]
wall = 0.0 if outer else 1000.0
part = Polygon(prof_points + [(last[0], wall), (first[0], wall)])
stock_y = stock.dxf.start[1]
print("profile from %.3f to %.3f" % (first[0], last[0]))

phase = 0
passes = {1: [], 2: []}
rapids = []
for e in found[2:]:
    t = e.dxftype()
    if t == "POINT" and e.dxf.color == 1:
        phase += 1
    elif t == "LWPOLYLINE":
        passes[phase].append(e)
    elif t == "LINE" and e.dxf.color == 1:
        rapids.append(LineString([tuple(e.dxf.start)[:2], tuple(e.dxf.end)[:2]]))

fails = []
tol = 1e-6
rough, finish = passes[1], passes[2]
levels = []
for e in rough:
    whole = LineString([p for piece in plan(e) for p in piece])
    if whole.distance(part) < nose + rough_allow - tol:
        fails.append("roughing pass too close: %.4f" % whole.distance(part))
    core = plan(e, 1, True)
    if len(core) != 1:
        fails.append("roughing pass of %d cutting segments" % len(core))
        continue
    (x0, y0), (x1, y1) = core[0][0], core[0][-1]
    if abs(y0 - y1) > tol or x1 >= x0:
        fails.append("roughing pass not along -X: %s" % (core[0],))
    beyond_stock = y0 > stock_y + tol if outer else y0 < stock_y - tol
    if beyond_stock or part.contains(Point(x0, y0)):
        fails.append("roughing pass outside stock and profile at y %.3f" % y0)
    levels.append(y0)
for a, b in zip(levels, levels[1:]):
    if abs(abs(a - b) - rough_step) > 0.001:
        fails.append("roughing passes %.4f apart" % abs(a - b))
if len(levels) != len(set(round(y, 6) for y in levels)):
    fails.append("two roughing passes on one level")

for k, e in enumerate(finish):
    d = nose + finish_allow + (finish_passes - 1 - k) * finish_step
    whole = LineString([p for piece in plan(e) for p in piece])
    if whole.distance(part) < d - 0.002:
        fails.append("finishing pass %d too close: %.4f < %.4f" % (k, whole.distance(part), d))
    for piece in plan(e, 64, True):
        for p in piece:
            q = Point(p)
            if abs(q.distance(prof) - d) > 0.002 or part.contains(q):
                fails.append("finishing pass %d point %.3f,%.3f at %.4f, not %.4f" % (k, p[0], p[1], q.distance(prof), d))
                break
for r in rapids:
    if r.distance(part) < nose - tol:
        fails.append("rapid move into the part: %s" % (list(r.coords),))
print("roughing %d" % len(rough))
print("finishing %d" % len(finish))
print("levels " + " ".join("%.3f" % y for y in levels))
for f in fails:
    print("FAIL " + f)
)py";

// Machine X is the drawing's Y, machine Z its X. Prints "ends N", "matched K",
// "arcs A", "arcs matched B": every cutting end point, in order, on the
// interpreter's feed moves within 0.002, and every arc about a centre of the
// toolpath, turning its way.
constexpr const char* kCompare = R"py(import sys, math, re, ezdxf
from ezdxf.math import bulge_to_arc

doc = ezdxf.readfile(sys.argv[1])
lines = open(sys.argv[1], encoding="utf-8").read().splitlines()
tags = [(lines[i].strip(), lines[i + 1].strip()) for i in range(0, len(lines) - 1, 2)]
def members(handle):
    for i, tag in enumerate(tags):
        if tag == ("0", "GROUP") and tags[i + 1] == ("5", handle):
            found = []
            for code, value in tags[i + 2:]:
                if code == "0":
                    return found
                if code == "340":
                    found.append(doc.entitydb[value])
    return []

group = [g for name, g in doc.groups if name == sys.argv[3]][0]
ends, centres = [], []
started = False
for e in members(group.dxf.handle):
    t = e.dxftype()
    started = started or t == "POINT"
    if not started or t != "LWPOLYLINE":
        continue
    v = list(e.get_points("xyb"))
    for i in range(len(v) - 1):
        ends.append((v[i + 1][0], v[i + 1][1]))
        if v[i][2] != 0:
            c, a0, a1, r = bulge_to_arc(v[i][:2], v[i + 1][:2], v[i][2])
            centres.append((c.x, c.y, 1 if v[i][2] > 0 else -1))

canon, arcs = [], []
for row in open(sys.argv[2], encoding="utf-8", errors="replace"):
    m = re.search(r"(STRAIGHT_FEED|ARC_FEED)\(([^)]*)\)", row)
    if not m:
        continue
    n = [float(x) for x in m.group(2).split(",")]
    if m.group(1) == "STRAIGHT_FEED":
        canon.append((n[2], n[0]))
    else:
        canon.append((n[0], n[1]))
        arcs.append((n[2], n[3], int(n[4])))

def same(a, b):
    return all(abs(x - y) <= 0.002 for x, y in zip(a, b))
k = matched = 0
for p in ends:
    while k < len(canon) and not same(canon[k], p):
        k += 1
    if k == len(canon):
        break
    matched += 1
print("ends", len(ends))
print("matched", matched)
print("arcs", len(arcs))
print("arcs matched", sum(1 for a in arcs if any(same(a[:2], c[:2]) and a[2] == c[2] for c in centres)))
)py";

// Entities of the sample's profile, by handle, and the stock line's.
constexpr const char* kProfileHandles = "#C\n#D\n#E\n#F\n#10\n#11\n#12\n#13\n";

// A bore: radius 25 for 30 from the face, then 18 to X 70, drilled to 8.
constexpr const char* kBoreDrawing =
    "LINE\n0,25\n30,25\n\nLINE\n30,25\n30,18\n\nLINE\n30,18\n70,18\n\nLINE\n-2,8\n72,8\n\n";

class LatheSampleTest : public CadHostTest {
 protected:
  void SetUp() override {
    CadHostTest::SetUp();
    const std::string missing = MissingMeasurePeers();
    if (!missing.empty()) GTEST_SKIP() << missing;
    fs::copy_file(std::string(HOST_SAMPLES) + "/drawings/shaft.dxf", Path("shaft.dxf"));
    std::ofstream(Path("measure.py")) << kPlanSegmentPython << kMeasure;
    std::ofstream(Path("compare.py")) << kCompare;
  }

  HostRun RunPlugin(const std::string& script, const std::string& drawing = "shaft.dxf") const {
    std::vector<std::string> args = {"--plugin", OSTRIVO_PATH, "-s", WriteScript("turn.scr", script)};
    if (!drawing.empty()) args.push_back(Path(drawing));
    return Run(args);
  }

  std::string Measure(const std::string& drawing, const std::string& values) const {
    std::system(("/usr/bin/python3 " + Quoted(Path("measure.py")) + " " + Quoted(Path(drawing)) + " Lathe_1 " + values +
                 " >" + Quoted(Path("measure.txt")) + " 2>&1")
                    .c_str());
    return ReadFile(Path("measure.txt"));
  }

  static std::string Value(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key + " ");
    if (at == std::string::npos) return "";
    const std::size_t from = at + key.size() + 1;
    return text.substr(from, text.find('\n', from) - from);
  }
};

// Roughing from the stock in steps of 2 with 1 left on, two finishing passes
// 1 apart; the profile picked by chain from the picks, the stock line by its own button.
std::string TurnScript(const std::string& picks, const std::string& saveAs) {
  return "Lathe\nclick 257\nset 272 2\nclick 359\n" + picks + "\nclick 376\n50,35\nok\nGROUPS\nSAVEAS\n" + saveAs +
         "\nOPEN\n" + saveAs + "\nGROUPS\nQUIT\n";
}

constexpr const char* kShaftLevels = "34.000 32.000 30.000 28.000 26.000 24.000 22.000 20.000 18.000 16.000 14.000";

TEST_F(LatheSampleTest, TheShaftIsRoughedFromTheStockAndFinishedAtTheNoseRadiusAndSurvivesSaveAndOpen) {
  const HostRun run =
      Run({"--plugin", OSTRIVO_PATH, "-s", std::string(HOST_SAMPLES) + "/scripts/lathe.scr", Path("shaft.dxf")});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::size_t listed = run.out.find("Lathe_1  (");
  ASSERT_NE(listed, std::string::npos) << run.out;
  const std::string line = run.out.substr(listed, run.out.find('\n', listed) - listed);
  EXPECT_EQ(Count(run.out, line), 2u) << "the same toolpath after OPEN: " << run.out;
  const std::string measured = Measure("lathed.dxf", "1.5 1 2 0 1 2 outer");
  EXPECT_EQ(Count(measured, "FAIL"), 0u) << measured;
  EXPECT_EQ(Value(measured, "roughing"), "11") << measured;
  EXPECT_EQ(Value(measured, "finishing"), "2") << measured;
  EXPECT_EQ(Value(measured, "levels"), kShaftLevels) << measured;
}

TEST_F(LatheSampleTest, AProfilePickedFromItsEndFaceRoughsAlikeAndFinishesOnTheMaterialSide) {
  const HostRun run = RunPlugin(TurnScript("110,6\n109,13\n", "reversed.dxf"));
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::string measured = Measure("reversed.dxf", "1.5 1 2 0 1 2 outer");
  EXPECT_EQ(Value(measured, "profile from"), "110.000 to 0.000") << measured;
  EXPECT_EQ(Count(measured, "FAIL"), 0u) << measured;
  EXPECT_EQ(Value(measured, "levels"), kShaftLevels) << measured;
  EXPECT_EQ(Value(measured, "finishing"), "2") << measured;
}

TEST_F(LatheSampleTest, OtherNoseRadiiAllowancesAndStepsKeepTheirDistances) {
  const HostRun run = RunPlugin(
      "Lathe\nclick 257\nset 374 0.8\nset 260 0.4\nset 261 1.5\nset 267 0.3\nset 268 0.5\nset 272 3\n"
      "click 359\n20,30\n40,26\n\nclick 376\n50,35\nok\nSAVEAS\nother.dxf\nQUIT\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::string measured = Measure("other.dxf", "0.8 0.4 1.5 0.3 0.5 3 outer");
  EXPECT_EQ(Count(measured, "FAIL"), 0u) << measured;
  EXPECT_EQ(Value(measured, "finishing"), "3") << measured;
  EXPECT_GE(std::atoi(Value(measured, "roughing").c_str()), 12) << measured;
}

TEST_F(LatheSampleTest, ABoreIsTurnedFromTheDrilledHoleOutwardBelowItsWall) {
  const HostRun run = RunPlugin(std::string(kBoreDrawing) +
                                    "Lathe\nuncheck 442\nclick 257\nset 4010 4\nset 370 100\nset 371 4\n"
                                    "click 359\n10,25\n30,20\n\nclick 376\n50,8\nok\nSAVEAS\nbore.dxf\nQUIT\n",
                                "");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::string measured = Measure("bore.dxf", "1.5 1 2 0 1 1 inner");
  EXPECT_EQ(Count(measured, "FAIL"), 0u) << measured;
  EXPECT_EQ(Value(measured, "levels"), "10.000 12.000 14.000 16.000 18.000 20.000 22.000") << measured;
  EXPECT_EQ(Value(measured, "finishing"), "1") << measured;
}

TEST_F(LatheSampleTest, ThePostedProgramRunsInTheInterpreterAlongTheToolpath) {
  if (std::system("command -v rs274 >/dev/null 2>&1") != 0) GTEST_SKIP() << "linuxcnc-uspace is not installed";
  fs::copy_file(std::string(HOST_SAMPLES) + "/posts/iso_lathe.ppr", Path("iso_lathe.ppr"));
  const HostRun made =
      Run({"--plugin", OSTRIVO_PATH, "-s", std::string(HOST_SAMPLES) + "/scripts/lathe.scr", Path("shaft.dxf")});
  ASSERT_EQ(made.status, 0) << made.out << made.err;
  const HostRun posted =
      Run({"--plugin", OSTRIVO_PATH, "-s", std::string(HOST_SAMPLES) + "/scripts/post_lathe.scr", Path("lathed.dxf")});
  ASSERT_EQ(posted.status, 0) << posted.out << posted.err;
  const std::string program = ReadFile(Path("lathe.nc"));
  EXPECT_NE(program.find("G18"), std::string::npos) << program;
  std::ofstream(Path("tools.tbl")) << "T1 P1 D3 Z0\n";
  const int status = std::system(
      ("cd " + Quoted(folder_) + " && HOME=. rs274 -t tools.tbl -g lathe.nc >canon.txt 2>&1 </dev/null").c_str());
  ASSERT_EQ(WEXITSTATUS(status), 0) << ReadFile(Path("canon.txt")) << program;
  std::system(("/usr/bin/python3 " + Quoted(Path("compare.py")) + " " + Quoted(Path("lathed.dxf")) + " " +
               Quoted(Path("canon.txt")) + " Lathe_1 >" + Quoted(Path("compare.txt")) + " 2>&1")
                  .c_str());
  const std::string compared = ReadFile(Path("compare.txt"));
  EXPECT_NE(Value(compared, "ends"), "0") << compared;
  EXPECT_EQ(Value(compared, "matched"), Value(compared, "ends")) << compared << program;
  EXPECT_NE(Value(compared, "arcs"), "0") << compared;
  EXPECT_EQ(Value(compared, "arcs matched"), Value(compared, "arcs")) << compared << program;
}

TEST_F(LatheSampleTest, TheManagerTurnsTheShaftAgainOnceThePickedCurvesAreErased) {
  const std::string script = std::string("ERASE\n") + kProfileHandles + "#14\n\n" +
                             "Job\nselect 383 \"Lathe_1\"\nclick 388\nset 261 3\nok\nok\ncancel\n"
                             "SAVEAS\nagain.dxf\nQUIT\n";
  const HostRun made =
      Run({"--plugin", OSTRIVO_PATH, "-s", std::string(HOST_SAMPLES) + "/scripts/lathe.scr", Path("shaft.dxf")});
  ASSERT_EQ(made.status, 0) << made.out << made.err;
  const HostRun again = RunPlugin(script, "lathed.dxf");
  ASSERT_EQ(again.status, 0) << again.out << again.err;
  EXPECT_NE(again.out.find("재생성이 완료 되었습니다"), std::string::npos) << again.out;
  const std::string measured = Measure("again.dxf", "1.5 1 3 0 1 2 outer");
  EXPECT_EQ(Count(measured, "FAIL"), 0u) << measured;
  EXPECT_EQ(Value(measured, "levels"), "33.000 30.000 27.000 24.000 21.000 18.000 15.000") << measured;
  EXPECT_EQ(Value(measured, "finishing"), "2") << measured;
  // Only the toolpath is left: the old one went with its profile and stock copies.
  const auto drawing = Load("again.dxf");
  ASSERT_NE(drawing, nullptr);
  const std::vector<std::string> types = ModelSpaceTypes(*drawing);
  EXPECT_EQ(std::count(types.begin(), types.end(), "ARC"), 0) << "the picked fillet arc was erased";
}

TEST_F(LatheSampleTest, CancelLeavesTheDrawingAsItWas) {
  const HostRun run = RunPlugin(
      "Lathe\nclick 257\nclick 359\n20,30\n40,26\n\nclick 376\n50,35\ncancel\nGROUPS\nSAVEAS\nkept.dxf\nQUIT\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out.find("Lathe_1  ("), std::string::npos) << run.out;
  const auto before = Load("shaft.dxf");
  const auto after = Load("kept.dxf");
  ASSERT_TRUE(before && after);
  EXPECT_EQ(ModelSpaceTypes(*after), ModelSpaceTypes(*before));
}

TEST_F(LatheSampleTest, ATakenNameIsReplacedOnlyAfterConsentAndTheOldToolpathGoes) {
  const HostRun run = RunPlugin(
      "Lathe\nclick 257\nclick 359\n20,30\n40,26\n\nclick 376\n50,35\nok\nSAVEAS\nonce.dxf\n"
      // The kept picks are used again; the name is declined first (the
      // dialog stays), then agreed: the old toolpath is replaced.
      "Lathe\nok\nset 200 Lathe_1\nok\ncancel\nok\nok\nGROUPS\nSAVEAS\ntwice.dxf\nQUIT\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(Count(run.out, "\"Lathe_1\"가 이미 존재합니다. 기존의 공구경로를 삭제하겠습니까?"), 2u) << run.out;
  EXPECT_EQ(Count(run.out, "Lathe_1  ("), 1u) << run.out;
  EXPECT_EQ(run.out.find("Lathe_2"), std::string::npos) << run.out;
  const auto once = Load("once.dxf");
  const auto twice = Load("twice.dxf");
  ASSERT_TRUE(once && twice);
  EXPECT_EQ(ModelSpaceTypes(*twice).size(), ModelSpaceTypes(*once).size()) << "nothing of the first toolpath is left";
  const std::string measured = Measure("twice.dxf", "1.5 1 2 0 1 1 outer");
  EXPECT_EQ(Count(measured, "FAIL"), 0u) << measured;
}

TEST_F(LatheSampleTest, PicksThatMakeNoProfileAMissingStockAndAnAllowanceInsideThePartAreTold) {
  const HostRun run = RunPlugin(
      // The end face and the big step do not meet.
      "Lathe\nclick 391\nclick 359\n110,6\n20,30\n\nok\nok\n"
      // Roughing without a stock line.
      "click 257\nok\nok\n"
      // A finishing allowance that would put the nose inside the part.
      "uncheck 257\nset 267 -2\nok\nok\ncancel\nQUIT\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("선택된 Entity들을 하나의 Profile로 연결할 수 없습니다.!!"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("황삭 형상이 선택되지 않았습니다.!!!"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("가공여유가 공구 노즈반경*-1 보다 작을수 없습니다.!!"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace e2e
