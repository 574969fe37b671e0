// Simple cycles seen from outside. Pockets: cadhost makes a family of them (rectangles
// long either way and square, rounded corners rounder and sharper than the
// tool, circles entered off centre, a start point outside, allowances, shapes typed in by minimum and
// maximum, single and multiple tapers), saves the drawing and opens it again;
// ezdxf reads every stored move and GEOS (through shapely) sweeps it with the
// tool. No move below the top leaves the pocket's wall at its depth (less the
// allowance), and, where the walls stand upright, every layer clears all of
// the pocket that the tool can reach. Faces: no move dips below the start
// height; on the outline and outside it the tool sweeps the whole rectangle,
// inside it the tool stays within the rectangle less the allowance.
#include <fstream>
#include <string>
#include <vector>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

// Arguments: drawing, then one case per argument:
// "name shape cx cy w h corner single xMinus xPlus yMinus yPlus top allowance diameter coverage".
// Prints one line per fault, then "checked N".
constexpr const char* kSweep = R"py(from shapely.geometry import LineString, Point, box
from shapely.ops import unary_union

SLACK = 0.01

def wall(shape, cx, cy, w, h, corner, single, sides, depth):
    t = depth * math.tan(math.radians(single))
    if shape == 'circle':
        return Point(cx, cy).buffer(w - t, resolution=256)
    xm, xp, ym, yp = [depth * math.tan(math.radians(a)) for a in sides]
    if shape == 'rounded':
        return box(cx - w / 2 + corner, cy - h / 2 + corner, cx + w / 2 - corner, cy + h / 2 - corner) \
            .buffer(corner, resolution=256).buffer(-t, resolution=256)
    return box(cx - w / 2 + t + xm, cy - h / 2 + t + ym, cx + w / 2 - t - xp, cy + h / 2 - t - yp)

def runs(e):
    t = e.dxftype()
    if t == 'LINE':
        return [[tuple(e.dxf.start), tuple(e.dxf.end)]]
    if t == 'LWPOLYLINE':
        v = list(e.get_points('xyb'))
        pts = []
        for i in range(len(v) - 1):
            pts += segment(v[i][:2], v[i + 1][:2], v[i][2], 1 if v[i][2] == 0 else 256)
        return [[(p[0], p[1], e.dxf.elevation) for p in pts]]
    if t == 'POLYLINE':
        return [[tuple(p) for p in e.points()]]
    return []

doc = ezdxf.readfile(sys.argv[1])
groups = dict(doc.groups)
checked = 0
for spec in sys.argv[2:]:
    f = spec.split()
    name, shape = f[0], f[1]
    cx, cy, w, h, corner, single, xm, xp, ym, yp, top, allowance, diameter = map(float, f[2:15])
    coverage = f[15] == '1'
    r = diameter / 2
    if name not in groups:
        print(name, 'not stored')
        continue
    layers = {}
    for e in groups[name]:
        for run in runs(e):
            below = [p for p in run if p[2] < top + 1e-6]
            if not below:
                continue
            z = min(p[2] for p in below)
            plan = [p[:2] for p in below]
            swept = (LineString(plan) if len(set(plan)) > 1 else Point(plan[0])).buffer(r, resolution=64)
            limit = wall(shape, cx, cy, w, h, corner, single, (xm, xp, ym, yp), top - z).buffer(SLACK - allowance)
            if not limit.contains(swept):
                out = swept.difference(limit)
                print(name, 'leaves the wall at z %.3f by %.4f near %s' % (z, out.area, out.centroid.wkt))
            if e.dxftype() == 'LWPOLYLINE':
                layers.setdefault(round(e.dxf.elevation, 6), []).append(swept)
    if not layers:
        print(name, 'has no layer')
    for z, parts in sorted(layers.items()):
        if not coverage:
            continue
        reach = wall(shape, cx, cy, w, h, corner, single, (xm, xp, ym, yp), top - z) \
            .buffer(-allowance - r, resolution=256).buffer(r, resolution=256)
        left = reach.difference(unary_union(parts))
        if left.area > 0.05 + 1e-5 * reach.area:
            print(name, 'leaves %.4f uncut at z %.3f near %s' % (left.area, z, left.centroid.wkt))
    checked += 1
print('checked', checked)
)py";

// Arguments: drawing, then "name cx cy w h compensation allowance diameter top"
// per face (compensation 1 on, 2 outside, 3 inside). Prints faults, then "checked N".
constexpr const char* kFaceSweep = R"py(from shapely.geometry import LineString, Point, box
from shapely.ops import unary_union

doc = ezdxf.readfile(sys.argv[1])
groups = dict(doc.groups)
checked = 0
for spec in sys.argv[2:]:
    f = spec.split()
    name = f[0]
    cx, cy, w, h, comp, allowance, diameter, top = map(float, f[1:9])
    r = diameter / 2
    if name not in groups:
        print(name, 'not stored')
        continue
    cuts = []
    for e in groups[name]:
        if e.dxftype() == 'LINE':
            low = min(e.dxf.start[2], e.dxf.end[2])
            if low < top - 1e-6:
                print(name, 'goes down to %.3f' % low)
        elif e.dxftype() == 'LWPOLYLINE':
            if abs(e.dxf.elevation - top) > 1e-6:
                print(name, 'cuts at %.3f' % e.dxf.elevation)
            pts = [p[:2] for p in e.get_points('xy')]
            cuts.append(LineString(pts).buffer(r, resolution=64))
    swept = unary_union(cuts)
    rect = box(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2)
    if comp == 3:
        limit = rect.buffer(-allowance, join_style=2)
        if not limit.buffer(0.01, join_style=2).contains(swept):
            print(name, 'leaves the rectangle by %.4f' % swept.difference(limit).area)
        # The pass ends leave scallops along their edges: the tool centre's own rectangle at least.
        target = limit.buffer(-r, join_style=2)
    else:
        target = rect
    left = target.difference(swept)
    if left.area > 0.05:
        print(name, 'leaves %.4f uncut near %s' % (left.area, left.centroid.wkt))
    checked += 1
print('checked', checked)
)py";

struct PocketCase {
  std::string name;
  std::string dialog;  // the dialog's lines after the type radio
  std::string shape;   // as the sweep takes it, from the shape on
};

// Every case starts from the dialog's defaults: the dialog keeps the last
// values, so each sets all it relies on.
const std::vector<PocketCase>& Cases() {
  static const std::vector<PocketCase> cases = {
      {"Wide", "click 463\nclick 466\nset 476 -20\nset 480 10\nset 488 10\n", "rect 0 0 200 160 0 0 0 0 0 0 0 0 20 1"},
      {"Square", "click 463\nset 429 30\nset 430 -40\nset 469 60\nset 473 60\nset 488 5\nset 476 -6\n",
       "rect 30 -40 60 60 0 0 0 0 0 0 0 0 20 1"},
      {"Tall", "click 463\nset 429 0\nset 430 0\nset 469 50\nset 473 90\nset 481 0.5\nset 488 7\nset 476 -3\n",
       "rect 0 0 50 90 0 0 0 0 0 0 0 0.5 20 1"},
      {"Round", "click 464\nset 469 120\nset 473 80\nset 477 25\nset 481 0\nset 488 8\nset 476 -4\n",
       "rounded 0 0 120 80 25 0 0 0 0 0 0 0 20 1"},
      {"Sharp", "click 464\nset 469 100\nset 473 60\nset 477 3\nset 481 1\nset 488 6\n",
       "rounded 0 0 100 60 3 0 0 0 0 0 0 1 20 1"},
      {"MinMax", "click 463\nclick 468\nset 470 10\nset 474 20\nset 471 95\nset 475 61\nset 481 0\nset 488 9\n",
       "rect 52.5 40.5 85 41 0 0 0 0 0 0 0 0 20 1"},
      {"Circle",
       "click 465\nset 429 50\nset 430 -20\nset 478 30\nset 488 4\nclick 305\n55,-20\nset 476 -8\nset 480 4\n",
       "circle 50 -20 30 0 0 0 0 0 0 0 0 0 20 1"},
      // The start point of the circle, far outside this one: entered at its centre.
      {"Outside", "click 463\nset 429 200\nset 430 0\nset 469 40\nset 473 30\nset 476 -4\nset 488 5\n",
       "rect 200 0 40 30 0 0 0 0 0 0 0 0 20 1"},
      {"Cone",
       "click 305\nclick 465\nset 429 0\nset 430 0\nset 478 45\nset 482 20\nset 488 10\nset 476 -40\nset 480 8\n",
       "circle 0 0 45 0 0 20 0 0 0 0 0 0 20 0"},
      {"Leaning", "click 463\nclick 466\nset 469 100\nset 473 80\nset 482 10\nset 488 10\nset 476 -20\nset 480 5\n",
       "rect 0 0 100 80 0 10 0 0 0 0 0 0 20 0"},
      {"Sides", "click 463\nclick 487\nset 484 5\nset 483 0\nset 486 0\nset 485 15\nset 476 -20\nset 480 5\n",
       "rect 0 0 100 80 0 0 5 0 0 15 0 0 20 0"},
      {"RoundLeaning", "click 464\nclick 487\nset 482 8\nset 469 90\nset 473 70\nset 477 20\nset 476 -12\nset 480 4\n",
       "rounded 0 0 90 70 20 8 0 0 0 0 0 0 20 0"},
  };
  return cases;
}

class SimpleCycleSweepTest : public CadHostTest {
 protected:
  void SetUp() override {
    CadHostTest::SetUp();
    const std::string missing = MissingMeasurePeers();
    if (!missing.empty()) GTEST_SKIP() << missing;
    std::ofstream(Path("sweep.py")) << kPlanSegmentPython << kSweep;
  }
};

TEST_F(SimpleCycleSweepTest, EveryPocketStaysInsideItsWallAndClearsWhatTheToolReaches) {
  std::string script;
  for (const PocketCase& c : Cases()) script += "SimpPock\n" + c.dialog + "set 200 " + c.name + "\nok\n";
  script += "SAVEAS\npockets.dxf\nOPEN\npockets.dxf\nGROUPS\nQUIT\n";
  const HostRun made = Run({"--plugin", OSTRIVO_PATH, "-s", WriteScript("pockets.scr", script)});
  ASSERT_EQ(made.status, 0) << made.out << made.err;
  for (const PocketCase& c : Cases()) {
    EXPECT_NE(made.out.find(c.name + "  ("), std::string::npos) << c.name << " after OPEN\n" << made.out;
  }
  std::string command = "/usr/bin/python3 " + Quoted(Path("sweep.py")) + " " + Quoted(Path("pockets.dxf"));
  for (const PocketCase& c : Cases()) command += " " + Quoted(c.name + " " + c.shape);
  std::system((command + " >" + Quoted(Path("sweep.txt")) + " 2>&1").c_str());
  EXPECT_EQ(ReadFile(Path("sweep.txt")), "checked " + std::to_string(Cases().size()) + "\n");
}

TEST_F(SimpleCycleSweepTest, EveryFaceStaysAtItsHeightAndSweepsItsRectangle) {
  std::ofstream(Path("faces.py")) << kPlanSegmentPython << kFaceSweep;
  const std::vector<std::pair<std::string, std::string>> faces = {
      {"SimpFace\nset 200 On\nok\n", "On 0 0 200 160 1 0 20 0"},
      {"SimpFace\nset 200 Outside\nclick 523\nclick 546\nset 481 1\nset 536 -2\nset 532 18\nok\n",
       "Outside 0 0 200 160 2 1 20 -2"},
      {"SimpFace\nset 200 Inside\nclick 525\nclick 547\nset 481 0.5\nclick 548\nset 429 40\nset 430 -10\n"
       "set 529 90\nset 533 50\nset 532 7\nok\n",
       "Inside 40 -10 90 50 3 0.5 20 -2"},
      {"SimpFace\nset 200 MinMax\nclick 524\nclick 545\nclick 528\nset 530 -30\nset 534 5\nset 531 45\n"
       "set 535 70\nset 532 19\nclick 548\nok\n",
       "MinMax 7.5 37.5 75 65 1 0 20 -2"},
  };
  std::string script;
  for (const auto& [dialog, shape] : faces) script += dialog;
  script += "SAVEAS\nfaces.dxf\nQUIT\n";
  const HostRun made = Run({"--plugin", OSTRIVO_PATH, "-s", WriteScript("faces.scr", script)});
  ASSERT_EQ(made.status, 0) << made.out << made.err;
  std::string command = "/usr/bin/python3 " + Quoted(Path("faces.py")) + " " + Quoted(Path("faces.dxf"));
  for (const auto& [dialog, shape] : faces) command += " " + Quoted(shape);
  std::system((command + " >" + Quoted(Path("faces.txt")) + " 2>&1").c_str());
  EXPECT_EQ(ReadFile(Path("faces.txt")), "checked " + std::to_string(faces.size()) + "\n");
}

}  // namespace
}  // namespace e2e
