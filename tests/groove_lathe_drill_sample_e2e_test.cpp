// Grooving and lathe drilling run by script through cadhost, as the demo does:
// the grooves measured from the outside (ezdxf reads the saved drawing,
// shapely sweeps the blade along every plunge against the part), the lathe
// drilling posted and read by LinuxCNC's interpreter.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// argv: drawing, blade width, nose radius, allowance, outer (1) or inner (0).
// Prints "plunges N", "radial K", "cut AREA" (the blade's sweep into the part
// short of the allowance) and "contours C".
constexpr const char* kSweep = R"py(import sys, ezdxf
from ezdxf import path as ezpath
from shapely.geometry import LineString, Polygon, box
from shapely.ops import unary_union
from shapely.affinity import translate

doc = ezdxf.readfile(sys.argv[1])
W, r, allowance, outer = float(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4]), sys.argv[5] == "1"
w = W - 2 * r
polylines = [e for e in doc.modelspace() if e.dxftype() == "LWPOLYLINE"]
profile = polylines[0]
points = [(p.x, p.y) for p in ezpath.make_path(profile).flattening(0.001)]
edge = 0.0 if outer else 2 * max(y for x, y in points)
part = Polygon(points + [(points[-1][0], edge), (points[0][0], edge)]).buffer(0)
plunges = [e for e in doc.modelspace() if e.dxftype() == "LINE" and abs(e.dxf.start.x - e.dxf.end.x) < 1e-9
           and abs(e.dxf.start.y - e.dxf.end.y) > 1e-9]
radial = sum(1 for e in plunges if (e.dxf.start.y > e.dxf.end.y) == outer)
far = 1000.0 if outer else -1000.0
blades = []
for e in plunges:
    x, top, bottom = e.dxf.start.x, e.dxf.start.y, e.dxf.end.y
    line = LineString([(x, top), (x, bottom)])
    blades += [line.buffer(r), translate(line, w, 0).buffer(r),
               box(x, min(bottom, far), x + w, max(bottom, far)),
               box(x - r, min(bottom, far), x + w + r, max(bottom, far))]
    # the blade between its noses, from the nose centres away from the part
    blades.append(box(x, bottom - r, x + w, bottom + r))
cut = unary_union(blades).intersection(part.buffer(allowance - 1e-3)).area if blades else 0.0
print("plunges", len(plunges))
print("radial", radial)
print("cut %.9f" % cut)
print("contours", len(polylines) - 1)
)py";

struct Groove {
  const char* name;
  const char* pline;  // the groove, right to left
  const char* window;
  bool outer;
};

// A family of grooves in a shaft of radius 20 (and one in a bore of radius 20).
const Groove kGrooves[] = {
    {"square", "84,20\n80,20\n80,12\n64,12\n60,16\n60,20\n56,20\n", "55,5\n85,21\n", true},
    {"vee", "76,20\n70,20\n65,10\n60,20\n54,20\n", "53,5\n77,21\n", true},
    {"round", "80,20\n74,20\na\n66,20\nl\n60,20\n", "59,5\n81,21\n", true},
    {"bore", "84,20\n80,20\n80,28\n64,28\n64,20\n60,20\n", "59,19\n85,35\n", false},
};

class GrooveLatheDrillSampleTest : public CadHostTest {
 protected:
  HostRun RunPlugin(const std::vector<std::string>& args) const {
    std::vector<std::string> all = {"--plugin", OSTRIVO_PATH};
    all.insert(all.end(), args.begin(), args.end());
    return Run(all);
  }
  HostRun RunSample(const std::string& script, const std::string& drawing) const {
    return RunPlugin({"-s", std::string(HOST_SAMPLES) + "/scripts/" + script, drawing});
  }
};

TEST_F(GrooveLatheDrillSampleTest, GroovesByScriptKeepTheAllowanceAndSurviveSaveAndOpen) {
  if (!EzdxfAvailable() || std::system("/usr/bin/python3 -c 'import shapely' >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "python3-ezdxf or python3-shapely is not installed";
  }
  std::ofstream(Path("sweep.py")) << kSweep;
  for (const Groove& groove : kGrooves) {
    SCOPED_TRACE(groove.name);
    const std::string drawing = std::string(groove.name) + ".dxf";
    const std::string script = std::string("PLINE\n") + groove.pline + "\nGroove\nclick 271\nset 429 4\nset 430 0.4\nok\n" +
                               "set 4014 0.2\nset 4016 1.5\nset 4015 5\n" + (groove.outer ? "" : "uncheck 442\n") +
                               "click 393\nclick 359\n" + groove.window + "\nok\nSAVEAS\n" + drawing + "\nOPEN\n" +
                               drawing + "\nSVG\n" + groove.name + ".svg\nQUIT\n";
    const HostRun run = RunPlugin({"-s", WriteScript("groove.scr", script)});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    std::system(("cd " + Quoted(folder_) + " && /usr/bin/python3 sweep.py " + Quoted(drawing) + " 4 0.4 0.2 " +
                 (groove.outer ? "1" : "0") + " >sweep.txt 2>&1")
                    .c_str());
    const std::string measured = ReadFile(Path("sweep.txt"));
    int plunges = -1, radial = -1, contours = -1;
    double cut = -1;
    std::sscanf(measured.c_str(), "plunges %d\nradial %d\ncut %lf\ncontours %d", &plunges, &radial, &cut, &contours);
    EXPECT_GT(plunges, 3) << measured;
    EXPECT_EQ(radial, plunges) << "every plunge runs into the groove";
    EXPECT_LT(cut, 1e-6) << measured;
    EXPECT_EQ(contours, 1) << measured;
  }
}

TEST_F(GrooveLatheDrillSampleTest, TheGrooveSampleRunsAsTheDemoRunsIt) {
  const HostRun run = RunSample("groove.scr", std::string(HOST_SAMPLES) + "/drawings/groove_shaft.dxf");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::unique_ptr<AcDbDatabase> grooved = Load("grooved.dxf");
  ASSERT_NE(grooved, nullptr);
  int lines = 0, polylines = 0;
  for (const std::string& type : ModelSpaceTypes(*grooved)) {
    lines += type == "LINE";
    polylines += type == "LWPOLYLINE";
  }
  EXPECT_EQ(polylines, 2) << "the groove and its contour, the chained copy gone";
  EXPECT_GT(lines, 3 + 10) << "the shaft's lines and the plunges";
  EXPECT_TRUE(fs::exists(Path("grooved.svg")));
}

TEST_F(GrooveLatheDrillSampleTest, LatheDrillingIsStoredPostedAndReadByLinuxCnc) {
  if (std::system("command -v rs274 >/dev/null 2>&1") != 0) GTEST_SKIP() << "linuxcnc-uspace is not installed";
  fs::copy_file(std::string(HOST_SAMPLES) + "/posts/iso_lathe.ppr", Path("iso_lathe.ppr"));
  const HostRun drilled = RunSample("lathe_drill.scr", std::string(HOST_SAMPLES) + "/drawings/shaft.dxf");
  ASSERT_EQ(drilled.status, 0) << drilled.out << drilled.err;
  EXPECT_EQ(Count(drilled.out, "LatheDrill_1  (7 entities): Ostrivo_ToolPath 1 13 1"), 2u)
      << "listed before the save and after the opening\n" << drilled.out;
  const HostRun posted = RunSample("post_lathe_drill.scr", Path("lathe_drilled.dxf"));
  ASSERT_EQ(posted.status, 0) << posted.out << posted.err;

  const auto interpret = [&](const std::string& nc) {
    const std::string command =
        "cd " + Quoted(folder_) + " && HOME=. rs274 -g " + Quoted(nc) + " >canon.txt 2>&1 </dev/null";
    const int raw = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << ReadFile(Path("canon.txt"));
    return ReadFile(Path("canon.txt"));
  };
  // Tip of a 118 degree drill of 10 below X 80; pecks of 5 from the safety level 115.
  const std::string program = ReadFile(Path("lathe_drill.nc"));
  EXPECT_NE(program.find("G98G83Z76.996R115.Q5.F20"), std::string::npos) << program;
  std::string canon = interpret("lathe_drill.nc");
  EXPECT_NE(canon.find("STRAIGHT_FEED(0.0000, 0.0000, 76.9960"), std::string::npos) << canon;
  EXPECT_NE(canon.find("STRAIGHT_FEED(0.0000, 0.0000, 110.0000"), std::string::npos) << "the first peck of 5\n" << canon;
  EXPECT_EQ(canon.find("unknown"), std::string::npos) << canon;

  // The quick post's lathe program: its cycle block read on its own.
  const std::string quick = ReadFile(Path("lathe_drill_iso.nc"));
  const std::size_t from = quick.find("G17"), to = quick.find("G18", from);
  ASSERT_NE(from, std::string::npos) << quick;
  ASSERT_NE(to, std::string::npos) << quick;
  EXPECT_NE(quick.find("G98G83X0.000Z76.996R115.000Q5.000F20"), std::string::npos) << quick;
  std::ofstream(Path("cycle.nc")) << "G18 G21 G90\nS200 M03\nG00 X0 Z160\n" << quick.substr(from, to + 3 - from)
                                  << "\nM2\n";
  canon = interpret("cycle.nc");
  EXPECT_NE(canon.find("STRAIGHT_FEED(0.0000, 0.0000, 76.9960"), std::string::npos) << canon;
}

}  // namespace
}  // namespace e2e
