// The sample toolpaths posted with the ISO milling definition, as the demo
// does, and the NC read by LinuxCNC's interpreter: it must take the program
// without an error, and its feed moves must pass, in order, through every end
// point of the toolpath's cutting moves (which ezdxf reads from the saved
// drawing), the last of them last.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// Prints "ends N", "matched K", "last toolpath x y z", "last canon x y z".
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

ends = []
group = [g for name, g in doc.groups if name == sys.argv[3]][0]
started = False
for e in members(group.dxf.handle):
    t = e.dxftype()
    started = started or t == "POINT"
    if not started:
        continue
    if t == "LINE":
        if e.dxf.color == 1 and e.dxf.linetype == "ACAD_ISO03W100":
            continue
        ends.append(tuple(e.dxf.end))
    elif t == "ARC":
        ends.append(tuple(e.end_point))
    elif t == "LWPOLYLINE":
        v = list(e.get_points("xyb"))
        z = e.dxf.elevation
        for i in range(len(v) if e.closed else len(v) - 1):
            q = v[(i + 1) % len(v)]
            ends.append((q[0], q[1], z))
    elif t == "POLYLINE":
        ends += [tuple(p.dxf.location) for p in e.vertices]

canon = []
for row in open(sys.argv[2], encoding="utf-8", errors="replace"):
    m = re.search(r"(STRAIGHT_FEED|ARC_FEED)\(([^)]*)\)", row)
    if not m:
        continue
    n = [float(x) for x in m.group(2).split(",")[:6]]
    canon.append((n[0], n[1], n[2]) if m.group(1) == "STRAIGHT_FEED" else (n[0], n[1], n[5]))

def same(a, b):
    return all(abs(x - y) <= 0.001 for x, y in zip(a, b))
def squeeze(points):
    out = []
    for p in points:
        if not out or not same(out[-1], p):
            out.append(p)
    return out
ends, canon = squeeze(ends), squeeze(canon)
k = 0
matched = 0
for p in ends:
    while k < len(canon) and not same(canon[k], p):
        k += 1
    if k == len(canon):
        break
    matched += 1
print("ends", len(ends))
print("matched", matched)
print("last toolpath %.3f %.3f %.3f" % ends[-1])
print("last canon %.3f %.3f %.3f" % canon[-1])
)py";

// The rectangle pocket of the tests: a closed polyline pocketed 6 deep.
constexpr const char* kRectanglePocket =
    "PLINE\n0,0\n100,0\n100,60\n0,60\nc\n"
    "Pocket\nset 279 -6\nset 4002 3\nclick 359\n50,0\n\nok\n"
    "SAVEAS\npocketed.dxf\nQUIT\n";

class PostSampleTest : public CadHostTest {
 protected:
  void SetUp() override {
    CadHostTest::SetUp();
    if (std::system("command -v rs274 >/dev/null 2>&1") != 0) GTEST_SKIP() << "linuxcnc-uspace is not installed";
    if (!EzdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is not installed";
    fs::copy_file(std::string(HOST_SAMPLES) + "/posts/iso_mill.ppr", Path("iso_mill.ppr"));
    std::ofstream(Path("compare.py")) << kCompare;
    std::ofstream table(Path("tools.tbl"));
    for (int t = 1; t <= 20; ++t) table << "T" << t << " P" << t << " D10 Z0\n";
  }

  HostRun RunPlugin(const std::vector<std::string>& args) const {
    std::vector<std::string> all = {"--plugin", OSTRIVO_PATH};
    all.insert(all.end(), args.begin(), args.end());
    return Run(all);
  }

  // Posts the drawing's first toolpath into nc with the ISO definition.
  HostRun Post(const std::string& drawing, const std::string& nc) const {
    return RunPlugin(
        {"-s",
         WriteScript("post.scr", "post\n" + nc + "\nclick 417\niso_mill.ppr\nselect 313 0\nclick 314\nok\nQUIT\n"),
         Path(drawing)});
  }

  // Quick-posts the drawing's first toolpath into nc in ISO milling format.
  HostRun QuickPost(const std::string& drawing, const std::string& nc) const {
    return RunPlugin({"-s",
                      WriteScript("qpost.scr", "qpost\n" + nc + "\nuncheck 214\nselect 313 0\nclick 314\nok\nQUIT\n"),
                      Path(drawing)});
  }

  // The interpreter's exit status and output.
  HostRun Interpret(const std::string& nc) const {
    HostRun run;
    const std::string command =
        "cd " + Quoted(folder_) + " && HOME=. rs274 -t tools.tbl -g " + Quoted(nc) + " >canon.txt 2>&1 </dev/null";
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(Path("canon.txt"));
    return run;
  }

  std::string Compare(const std::string& drawing, const std::string& group) const {
    std::system(("/usr/bin/python3 " + Quoted(Path("compare.py")) + " " + Quoted(Path(drawing)) + " " +
                 Quoted(Path("canon.txt")) + " " + Quoted(group) + " >" + Quoted(Path("compare.txt")) + " 2>&1")
                    .c_str());
    return ReadFile(Path("compare.txt"));
  }

  // Posts (with the definition, or quick), interprets and compares; the NC text is returned.
  std::string PostAndCheck(const std::string& drawing, const std::string& group, const std::string& nc,
                           bool quick = false) {
    const HostRun posted = quick ? QuickPost(drawing, nc) : Post(drawing, nc);
    EXPECT_EQ(posted.status, 0) << posted.out << posted.err;
    const std::string program = ReadFile(Path(nc));
    EXPECT_FALSE(program.empty()) << posted.out;
    const HostRun read = Interpret(nc);
    EXPECT_EQ(read.status, 0) << read.out << "\n" << program;
    const std::string compared = Compare(drawing, group);
    const auto value = [&](const std::string& key) {
      const size_t at = compared.find(key + " ");
      return at == std::string::npos
                 ? std::string()
                 : compared.substr(at + key.size() + 1, compared.find('\n', at) - at - key.size() - 1);
    };
    EXPECT_FALSE(value("ends").empty()) << compared;
    EXPECT_EQ(value("matched"), value("ends")) << compared << "\n" << program;
    EXPECT_EQ(value("last toolpath"), value("last canon")) << compared;
    return program;
  }
};

TEST_F(PostSampleTest, TheProfileSampleRunsInTheInterpreterAlongItsToolpath) {
  fs::copy_file(std::string(HOST_SAMPLES) + "/drawings/profile_part.dxf", Path("part.dxf"));
  const HostRun made = RunPlugin({"-s", std::string(HOST_SAMPLES) + "/scripts/profile.scr", Path("part.dxf")});
  ASSERT_EQ(made.status, 0) << made.out << made.err;
  const std::string program = PostAndCheck("profiled.dxf", "Profile_1", "profile.nc");
  EXPECT_NE(program.find("G03"), std::string::npos) << program;
}

TEST_F(PostSampleTest, TheDrillSampleWritesOneCycleAndItsHolesThenCancelsIt) {
  fs::copy_file(std::string(HOST_SAMPLES) + "/drawings/hole_plate.dxf", Path("plate.dxf"));
  const HostRun made = RunPlugin({"-s", std::string(HOST_SAMPLES) + "/scripts/drill.scr", Path("plate.dxf")});
  ASSERT_EQ(made.status, 0) << made.out << made.err;
  const std::string program = PostAndCheck("drilled.dxf", "Holes", "drill.nc");
  EXPECT_EQ(Count(program, "G98G83"), 1u) << program;
  EXPECT_EQ(Count(program, "G80\r\n"), 1u) << program;
  EXPECT_NE(program.find("G98G83Z-12.R2.Q4.F100\r\nX40.\r\nX60.\r\nX80.\r\nX20.Y60.\r\n"), std::string::npos)
      << program;
}

TEST_F(PostSampleTest, APocketRunsInTheInterpreterAlongItsToolpath) {
  const HostRun made = RunPlugin({"-s", WriteScript("pocket.scr", kRectanglePocket)});
  ASSERT_EQ(made.status, 0) << made.out << made.err;
  PostAndCheck("pocketed.dxf", "Pocket_1", "pocket.nc");
}

TEST_F(PostSampleTest, TheQuickPostWritesEverySampleSoThatTheInterpreterRunsAlongItsToolpath) {
  fs::copy_file(std::string(HOST_SAMPLES) + "/drawings/profile_part.dxf", Path("part.dxf"));
  fs::copy_file(std::string(HOST_SAMPLES) + "/drawings/hole_plate.dxf", Path("plate.dxf"));
  for (const auto& [script, drawing] :
       {std::pair<std::string, std::string>{"profile.scr", "part.dxf"}, {"drill.scr", "plate.dxf"}}) {
    const HostRun made = RunPlugin({"-s", std::string(HOST_SAMPLES) + "/scripts/" + script, Path(drawing)});
    ASSERT_EQ(made.status, 0) << made.out << made.err;
  }
  const HostRun pocketed = RunPlugin({"-s", WriteScript("pocket.scr", kRectanglePocket)});
  ASSERT_EQ(pocketed.status, 0) << pocketed.out << pocketed.err;

  const std::string profile = PostAndCheck("profiled.dxf", "Profile_1", "profile.nc", true);
  EXPECT_NE(profile.find("R10.000"), std::string::npos) << profile;
  const std::string drill = PostAndCheck("drilled.dxf", "Holes", "drill.nc", true);
  EXPECT_EQ(Count(drill, "G98G83"), 1u) << drill;
  EXPECT_EQ(Count(drill, "G80\r\n"), 1u) << drill;
  PostAndCheck("pocketed.dxf", "Pocket_1", "pocket.nc", true);
}

// Where, among the interpreter's canonical calls, the first tool change, the
// first spindle start, the first move across (X or Y changing) and the first
// feed move stand; -1 for none.
struct CanonOrder {
  int tool = -1, spindle = -1, across = -1, feed = -1;
};

CanonOrder OrderOf(const std::string& canon) {
  CanonOrder order;
  std::istringstream rows(canon);
  double x = 0.0, y = 0.0;
  int index = 0;
  for (std::string row; std::getline(rows, row); ++index) {
    const auto first = [&](int& at) {
      if (at < 0) at = index;
    };
    if (row.find("CHANGE_TOOL(") != std::string::npos) first(order.tool);
    if (row.find("START_SPINDLE_") != std::string::npos) first(order.spindle);
    const bool feed = row.find("STRAIGHT_FEED(") != std::string::npos || row.find("ARC_FEED(") != std::string::npos;
    if (feed) first(order.feed);
    const std::size_t open = row.find('(');
    if (!feed && row.find("STRAIGHT_TRAVERSE(") == std::string::npos) continue;
    double nx = 0.0, ny = 0.0;
    if (std::sscanf(row.c_str() + open + 1, "%lf, %lf", &nx, &ny) != 2) continue;
    if (std::abs(nx - x) > 1e-6 || std::abs(ny - y) > 1e-6) first(order.across);
    x = nx, y = ny;
  }
  return order;
}

// The cutting length a post's summary line gives.
double CutLengthOf(const std::string& transcript) {
  const std::size_t at = transcript.find(": 절삭 ");
  return at == std::string::npos ? -1.0 : std::atof(transcript.c_str() + at + std::string(": 절삭 ").size());
}

// Both posts change the tool and start the spindle before the toolpath moves,
// and count a drilled depth alike in the cutting length.
TEST_F(PostSampleTest, TheToolAndSpindleComeBeforeAnyMoveAndDrillingCountsAlikeInBothPosts) {
  fs::copy_file(std::string(HOST_SAMPLES) + "/drawings/hole_plate.dxf", Path("plate.dxf"));
  ASSERT_EQ(RunPlugin({"-s", std::string(HOST_SAMPLES) + "/scripts/drill.scr", Path("plate.dxf")}).status, 0);
  ASSERT_EQ(RunPlugin({"-s", WriteScript("pocket.scr", kRectanglePocket)}).status, 0);
  for (const bool quick : {false, true}) {
    for (const auto& [drawing, group] : {std::pair<std::string, std::string>{"pocketed.dxf", "Pocket_1"},
                                         {"drilled.dxf", "Holes"}}) {
      const std::string nc = std::string(quick ? "q_" : "p_") + group + ".nc";
      PostAndCheck(drawing, group, nc, quick);
      const CanonOrder order = OrderOf(Interpret(nc).out);
      const std::string shown = nc + "\n" + ReadFile(Path(nc));
      ASSERT_GE(order.tool, 0) << shown;
      ASSERT_GE(order.spindle, 0) << shown;
      ASSERT_GE(order.across, 0) << shown;
      EXPECT_LT(order.tool, order.across) << shown;
      EXPECT_LT(order.spindle, order.across) << shown;
      if (order.feed >= 0) {
        EXPECT_LT(order.spindle, order.feed) << shown;
      }
    }
  }
  const double posted = CutLengthOf(Post("drilled.dxf", "holes.nc").out);
  const double quick = CutLengthOf(QuickPost("drilled.dxf", "holes_q.nc").out);
  EXPECT_GT(posted, 0.0);
  EXPECT_NEAR(posted, quick, 1e-3);
}

// The simple cycles' toolpaths carry no record values into the posts: both
// write them from their moves, and the interpreter runs along them.
TEST_F(PostSampleTest, TheSimpleCycleSamplesRunInTheInterpreterAlongTheirToolpaths) {
  ASSERT_EQ(RunPlugin({"-s", std::string(HOST_SAMPLES) + "/scripts/simple_face.scr"}).status, 0);
  ASSERT_EQ(RunPlugin({"-s", std::string(HOST_SAMPLES) + "/scripts/simple_pocket.scr"}).status, 0);
  for (const bool quick : {false, true}) {
    const std::string prefix = quick ? "q_" : "p_";
    const std::string face = PostAndCheck("simple_faced.dxf", "SimpFace_1", prefix + "face.nc", quick);
    EXPECT_NE(face.find("X128.5"), std::string::npos) << face;
    const std::string pocket = PostAndCheck("simple_pocketed.dxf", "SimpPock_1", prefix + "pocket.nc", quick);
    EXPECT_NE(pocket.find("Z-12."), std::string::npos) << pocket;
  }
}

}  // namespace
}  // namespace e2e
