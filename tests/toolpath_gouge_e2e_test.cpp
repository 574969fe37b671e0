// Nothing a milling toolpath cuts enters the part: over a family of drawings
// (rectangles started at corners and mid-edges, both ways round, arcs at the
// start, round islands, islands touching each other and the boundary, a grid
// of islands), with allowance 0 and above, every pocket pattern and profile
// side, and every lead kind, ezdxf reads the stored passes and GEOS (through
// shapely) sweeps each with its tool: no move comes nearer the part or an
// island than the tool radius and allowance, beyond 0.01, and the roughing
// clears all that its tool reaches on every level.
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

// Prints one line per move that enters the part and per level that leaves
// material, then "checked".
constexpr const char* kSweep = R"py(from shapely.geometry import LineString, LinearRing, Polygon, Point, box
from shapely.ops import unary_union
from shapely.prepared import prep

# What a move may come nearer the part than the tool radius (and allowance),
# and the sliver of uncut area that counts as none.
SLACK = 0.01
Q = 64

# Chords of arcs stray from them by no more than this: a wall's chords lie
# inside its arcs, nearer to a tool running within them.
CHORD = 1e-4

def steps(a, b, bulge, least):
    if bulge == 0:
        return least
    half = math.hypot(b[0] - a[0], b[1] - a[1]) / 2
    sweep = 4 * abs(math.atan(bulge))
    r = half / max(math.sin(sweep / 2), 1e-12)
    if r <= CHORD:
        return least
    return max(least, int(math.ceil(sweep / (2 * math.acos(1 - CHORD / r)))))

def outline(e):
    v = list(e.get_points('xyb'))
    out = []
    for i in range(len(v) if e.closed else len(v) - 1):
        a, b = v[i][:2], v[(i + 1) % len(v)][:2]
        out += segment(a, b, v[i][2], steps(a, b, v[i][2], 64))[:-1]
    return out

def runs(e):
    """The tool centre's way through the entity, as runs of 3D points."""
    t = e.dxftype()
    if t == 'LINE':
        return [[tuple(e.dxf.start), tuple(e.dxf.end)]]
    if t == 'LWPOLYLINE':
        v = list(e.get_points('xyb'))
        pts = []
        for i in range(len(v) if e.closed else len(v) - 1):
            a, b = v[i][:2], v[(i + 1) % len(v)][:2]
            pts += segment(a, b, v[i][2], steps(a, b, v[i][2], 128))
        return [[(p[0], p[1], e.dxf.elevation) for p in pts]]
    if t == 'POLYLINE':
        return [[tuple(p) for p in e.points()]]
    return []

def below(run, top):
    """Plan shapes of the stretches of a run below the top of the part."""
    out, cur = [], []
    for p in run + [(0, 0, top + 1)]:
        if p[2] < top - 1e-6:
            cur.append(p[:2])
        elif cur:
            out.append(LineString(cur) if len(set(cur)) > 1 else Point(cur[0]))
            cur = []
    return out

def intrusion(free, k, shape, kept={}):
    """How much nearer than k to the part the shape comes, and where."""
    # Where the shape may go, made once per part and distance; most shapes lie
    # well inside it and are let through without a difference.
    key = (id(free), k)
    if key not in kept:
        inner = free.buffer(-(k - SLACK), resolution=Q)
        kept[key] = (inner, prep(inner), free)
    inner, quick = kept[key][:2]
    if quick.contains(shape):
        return (0.0, None)
    bad = shape.difference(inner)
    worst = (0.0, None)
    for g in getattr(bad, 'geoms', [bad]):
        for p in ([] if g.is_empty else g.coords):
            q = Point(p)
            d = free.boundary.distance(q) * (1 if free.contains(q) else -1)
            worst = max(worst, (k - d, p))
    return worst

def groups(path, doc):
    """Name, description and members in their stored order, read from the file."""
    raw = open(path, encoding='utf-8').read().split('\n')
    names = {g.dxf.handle: name for name, g in doc.groups}
    found, cur = {}, None
    for i in range(0, len(raw) - 1, 2):
        code, value = raw[i].strip(), raw[i + 1].rstrip('\r')
        if code == '0':
            cur = {'handles': []} if value == 'GROUP' else None
        elif cur is not None:
            if code == '5':
                found[value] = cur
            elif code == '300':
                cur['description'] = value
            elif code == '340':
                cur['handles'].append(value)
    for handle, g in found.items():
        if handle in names:
            yield names[handle], g['description'], [doc.entitydb[h] for h in g['handles'] if h in doc.entitydb]

def fields(rec, line):
    return rec[line].split()

doc = ezdxf.readfile(sys.argv[1])
for name, description, members in sorted(groups(sys.argv[1], doc)):
    rec = description.split("^J")
    kind = int(fields(rec, 0)[2])
    sources = [e for e in members if e.dxftype() == 'LWPOLYLINE' and e.dxf.invisible]
    polys = sorted((Polygon(outline(e)) for e in sources), key=lambda p: p.area, reverse=True)
    points = [p for e in members if not e.dxf.invisible for r in runs(e) for p in r]
    world = box(min(p[0] for p in points) - 100, min(p[1] for p in points) - 100,
                max(p[0] for p in points) + 100, max(p[1] for p in points) + 100).union(polys[0].buffer(100))
    if kind == 1:
        z = fields(rec, 3)
        top = float(z[4]) + (0 if int(z[0]) else sources[0].dxf.elevation)
        free = polys[0]
        for island in polys[1:]:
            free = free.difference(island)
        tools = {1: (float(fields(rec, 2)[1]) / 2, float(fields(rec, 4)[7])),
                 2: (float(fields(rec, 11)[1]) / 2, float(fields(rec, 12)[6])),
                 3: (float(fields(rec, 19)[1]) / 2, float(fields(rec, 20)[4]))}
    elif kind == 2:
        side = int(fields(rec, 0)[3])
        if side == 0 or len(polys) != 1:
            continue
        z = fields(rec, 3)
        top = float(z[2]) if int(z[0]) else sources[0].dxf.elevation
        inside = (side == 1) == LinearRing(outline(sources[0])).is_ccw
        free = polys[0] if inside else world.difference(polys[0])
        tools = {0: (float(fields(rec, 2)[1]) / 2, float(fields(rec, 4)[4]))}
    else:
        continue
    # A pass-kind marker (colour 9, its kind in the thickness) starts each pocket pass.
    current = 1 if kind == 1 else 0
    worst, swept = {}, {}
    for e in members:
        if e.dxftype() == 'POINT':
            if e.dxf.color == 9 and kind == 1:
                current = int(round(e.dxf.thickness / 1.000001e-7))
            continue
        if e.dxf.invisible:
            continue
        rapid = e.dxftype() == 'LINE' and e.dxf.linetype.upper() == 'ACAD_ISO03W100'
        r, a = tools[current]
        for run in runs(e):
            level = all(abs(p[2] - run[0][2]) < 1e-6 for p in run)
            for shape in below(run, top):
                depth, at = intrusion(free, r + max(a, 0.0), shape)
                key = (current, 'rapid' if rapid else e.dxftype())
                if depth > SLACK and depth > worst.get(key, (0,))[0]:
                    worst[key] = (depth, at)
                if level and not rapid:
                    swept.setdefault((current, round(run[0][2], 4)), []).append(shape.buffer(r, resolution=Q))
    for (p, what), (depth, at) in sorted(worst.items()):
        print("%s pass %d %s enters %.3f at %.2f,%.2f" % (name, p, what, depth, at[0], at[1]))
    # What the first pass's tool can reach must be cut on every level; of a
    # profile, the band along the wall.
    first = 1 if kind == 1 else 0
    r, a = tools[first][0], max(tools[first][1], 0.0)
    reach = free.buffer(-(r + a), resolution=Q).buffer(r, resolution=Q)
    if kind == 2:
        reach = reach.intersection(world.difference(free).buffer(a + r * 0.5, resolution=Q))
    for (p, level), shapes in sorted(swept.items()):
        if p != first:
            continue
        left = reach.difference(unary_union(shapes)).buffer(-0.05)
        if left.area > 0.01:
            c = left.representative_point()
            print("%s pass %d at %.2f leaves %.3f uncut near %.2f,%.2f" % (name, p, level, left.area, c.x, c.y))
print("checked")
)py";

struct Point {
  double x = 0, y = 0;
};

// A PLINE input: points and the arc and line keywords; closed at the end.
using Outline = std::vector<std::string>;

std::string At(double x, double y) {
  std::ostringstream out;
  out << x << "," << y;
  return out.str();
}

Outline Rectangle(double w, double h, bool midEdgeStart, bool clockwise, double x = 0, double y = 0) {
  std::vector<Point> corners = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
  if (midEdgeStart) corners = {{x + w / 2, y}, {x + w, y}, {x + w, y + h}, {x, y + h}, {x, y}};
  Outline outline;
  if (clockwise) {
    outline.push_back(At(corners[0].x, corners[0].y));
    for (std::size_t i = corners.size() - 1; i > 0; --i) outline.push_back(At(corners[i].x, corners[i].y));
  } else {
    for (const Point& p : corners) outline.push_back(At(p.x, p.y));
  }
  return outline;
}

// Corners of radius 10, the first element an arc (a first arc leaves eastwards).
Outline Rounded(double w, double h, bool clockwise) {
  if (!clockwise)
    return {At(w - 10, 0), "a", At(w, 10),     "l", At(w, h - 10), "a", At(w - 10, h), "l", At(10, h),
            "a",           At(0, h - 10), "l", At(0, 10),     "a", At(10, 0),     "l"};
  return {At(w - 10, h), "a", At(w, h - 10), "l", At(w, 10), "a", At(w - 10, 0), "l", At(10, 0),
          "a",           At(0, 10),     "l", At(0, h - 10), "a", At(10, h), "l"};
}

struct Island {
  Outline outline;  // empty for a circle
  Point centre{};
  double radius = 0;
};

Island Circle(double x, double y, double r) { return {{}, {x, y}, r}; }
Island Square(double x, double y, double side) { return {Rectangle(side, side, false, true, x, y), {}, 0}; }

enum class Lead { kLineAndArc, kArc, kLine };

// The operations of one drawing, each on its own copy of its outlines.
class Family {
 public:
  void Profile(const std::string& name, const Outline& outline, Point pick, bool right, double allowance, Lead lead,
               bool middleStart) {
    const Point at = Place();
    Draw(outline, at);
    Open("Profile");
    Add({right ? "click 4008" : "click 4007", "set 4014 " + Number(allowance), "click 271", "set 275 10", "ok"});
    Leads(lead, 308);
    Add({std::string(middleStart ? "check" : "uncheck") + " 594", "set 4003 -2", "set 4002 0", "set 200 " + name,
         "click 359", At(pick.x + at.x, pick.y + at.y), "", "ok"});
  }

  // The settings lines run after the usual ones, before the pick.
  void Pocket(const std::string& name, const Outline& outline, const std::vector<Island>& islands,
              const std::vector<Point>& picks, int pattern, double allowance, double stepover, Lead finishLead,
              const std::vector<std::string>& settings = {}) {
    const Point at = Place();
    Draw(outline, at);
    for (const Island& island : islands) {
      if (island.outline.empty()) {
        Add({"CIRCLE", At(island.centre.x + at.x, island.centre.y + at.y), Number(island.radius)});
      } else {
        Draw(island.outline, at);
      }
    }
    Open("Pocket");
    Add({"click 464", "set 275 6", "ok", "check 257", "set 260 " + Number(allowance), "set 261 " + Number(stepover),
         "set 279 -1", "set 4002 0", "select 258 " + std::to_string(pattern), "set 200 " + name, "check 266",
         "click 276", "set 275 6", "ok", "set 267 0", "set 272 1"});
    Leads(finishLead, 251);
    Add(settings);
    Add({"click 359"});
    for (const Point& p : picks) Add({At(p.x + at.x, p.y + at.y)});
    Add({"", "ok"});
  }

  std::string Script(const std::string& drawing) const { return lines_ + "SAVEAS\n" + drawing + "\nQUIT\n"; }

 private:
  static std::string Number(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
  }

  Point Place() {
    ++slot_;
    return {(slot_ % 6) * 300.0, (slot_ / 6) * 300.0};
  }

  void Add(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) lines_ += line + "\n";
  }

  void Draw(const Outline& outline, Point at) {
    Add({"PLINE"});
    for (const std::string& entry : outline) {
      const std::size_t comma = entry.find(',');
      Add({comma == std::string::npos
               ? entry
               : At(std::stod(entry.substr(0, comma)) + at.x, std::stod(entry.substr(comma + 1)) + at.y)});
    }
    Add({"c"});
  }

  // The dialog keeps the last run's picks and asks whether to use them.
  void Open(const std::string& command) {
    Add({command});
    if (!opened_.insert(command).second) Add({"cancel"});
  }

  void Leads(Lead lead, int button) {
    const bool line = lead != Lead::kArc, arc = lead != Lead::kLine;
    auto box = [](bool on, int id) { return std::string(on ? "check " : "uncheck ") + std::to_string(id); };
    Add({"click " + std::to_string(button), "check 286", "check 294", box(line, 287), box(line, 301), box(arc, 377),
         box(arc, 378), "set 288 5", "set 298 5", "set 290 5", "set 296 5", "ok"});
  }

  std::string lines_;
  std::set<std::string> opened_;
  int slot_ = 0;
};

class ToolpathGougeTest : public CadHostTest {
 protected:
  void SetUp() override {
    CadHostTest::SetUp();
    if (const std::string missing = MissingMeasurePeers(); !missing.empty()) GTEST_SKIP() << missing;
    std::ofstream(Path("sweep.py")) << kPlanSegmentPython << kSweep;
  }

  // Runs the family; the transcript, for what it told the user.
  std::string RunFamily(const Family& family, const std::string& drawing) {
    const HostRun run =
        Run({"--plugin", OSTRIVO_PATH, "-s", WriteScript("family.scr", family.Script(drawing))});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    return run.out;
  }
};

TEST_F(ToolpathGougeTest, ProfileLeadsAndPassesStayOnTheFreeSideOfTheWall) {
  Family family;
  int n = 0;
  for (bool midEdge : {false, true})
    for (bool clockwise : {false, true})
      for (bool right : {false, true})
        for (Lead lead : {Lead::kLineAndArc, Lead::kArc, Lead::kLine})
          for (double allowance : {0.0, 0.5})
            family.Profile("P" + std::to_string(++n), Rectangle(200, 150, midEdge, clockwise), {60, 0}, right,
                           allowance, lead, false);
  for (bool clockwise : {false, true})
    for (bool right : {false, true})
      for (bool middleStart : {false, true})
        family.Profile("P" + std::to_string(++n), Rounded(200, 150, clockwise), {60, 0}, right, 0.5,
                       Lead::kLineAndArc, middleStart);
  const std::string transcript = RunFamily(family, "profiles.dxf");
  EXPECT_EQ(Count(transcript, "공구경로를 생성할 수 없습니다"), 0u) << transcript;
  EXPECT_EQ(RunPython("sweep.py", "profiles.dxf"), "checked\n");
}

// Three quarters of a circle, in the middle of the outline and at its start.
TEST_F(ToolpathGougeTest, ProfilesOfOutlinesWithThreeQuarterArcsKeepTheirCorners) {
  const std::vector<std::pair<Outline, Point>> outlines = {
      {{At(0, 0), At(100, 0), "a", At(90, 10), "l", At(0, 50)}, {50, 0}},
      {{At(0, 0), "a", At(-10, 10), "l", At(-60, 10), At(-60, -40), At(0, -40)}, {-30, -40}},
      {{At(0, 50), At(0, 0), At(100, 0), "a", At(90, 10), "l"}, {50, 0}},
      {{At(0, 0), At(100, 0), "a", At(70, 30), "l", At(0, 80)}, {50, 0}},
      {{At(0, 0), "a", At(-30, 30), "l", At(-100, 80), At(-100, 0)}, {-50, 0}},
  };
  Family family;
  int n = 0;
  for (const auto& [outline, pick] : outlines)
    for (bool right : {false, true})
      for (bool middleStart : {false, true})
        family.Profile("A" + std::to_string(++n), outline, pick, right, middleStart ? 0.5 : 0.0, Lead::kLineAndArc,
                       middleStart);
  const std::string transcript = RunFamily(family, "arcs.dxf");
  EXPECT_EQ(Count(transcript, "공구경로를 생성할 수 없습니다"), 0u) << transcript;
  EXPECT_EQ(RunPython("sweep.py", "arcs.dxf"), "checked\n");
}

// Pockets of every drawing with the patterns given, allowance 0 and 0.5,
// stepovers of a third of the tool and near its diameter.
Family PocketFamily(const std::vector<int>& patterns, int& n) {
  struct Drawing {
    Outline outline;
    std::vector<Island> islands;
    std::vector<Point> picks;
  };
  std::vector<Drawing> drawings = {
      // Rings that meet the island ring exactly tangent at allowance 0.
      {Rectangle(60, 40, false, false), {Circle(30, 20, 6)}, {{20, 0}, {36, 20}}},
      {Rectangle(100, 60, false, false), {Square(20, 20, 20), Square(40, 20, 20)}, {{50, 0}, {20, 25}, {60, 25}}},
      {Rectangle(100, 60, true, true), {Square(20, 20, 20), Circle(70, 30, 10)}, {{70, 0}, {20, 25}, {80, 30}}},
      {Rounded(100, 60, false), {Circle(30, 30, 8), Circle(62, 30, 8)}, {{50, 0}, {38, 30}, {70, 30}}},
  };
  // A grid of islands, whose rings meet midway between them.
  Drawing grid{Rectangle(80, 60, false, false), {}, {{50, 0}}};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 3; ++j) {
      grid.islands.push_back(Circle(15 + 20 * i, 15 + 20 * j, 4));
      grid.picks.push_back({19.0 + 20 * i, 15.0 + 20 * j});
    }
  Family family;
  n = 0;
  for (int pattern : patterns)
    for (double stepover : {3.0, 5.5})
      family.Pocket("G" + std::to_string(++n), grid.outline, grid.islands, grid.picks, pattern, 0.0, stepover,
                    Lead::kLineAndArc);
  for (const Drawing& d : drawings)
    for (int pattern : patterns)
      for (double allowance : {0.0, 0.5})
        for (double stepover : {2.0, 5.5}) {
          ++n;
          family.Pocket("K" + std::to_string(n), d.outline, d.islands, d.picks, pattern, allowance, stepover,
                        n % 3 == 0 ? Lead::kArc : n % 3 == 1 ? Lead::kLine : Lead::kLineAndArc);
        }
  return family;
}

TEST_F(ToolpathGougeTest, ContourPocketsKeepClearOfWallsAndIslandsAndClearWhatTheToolReaches) {
  int n = 0;
  const std::string transcript = RunFamily(PocketFamily({0, 1}, n), "contour.dxf");
  EXPECT_EQ(Count(transcript, " 포켓가공이 완료되었습니다.."), static_cast<std::size_t>(n)) << transcript;
  EXPECT_EQ(Count(transcript, "진입부를 생성할 수 없는"), 0u) << transcript;
  EXPECT_EQ(RunPython("sweep.py", "contour.dxf"), "checked\n");
}

TEST_F(ToolpathGougeTest, LinearPocketsKeepClearOfWallsAndIslandsAndClearWhatTheToolReaches) {
  int n = 0;
  const std::string transcript = RunFamily(PocketFamily({2, 3}, n), "linear.dxf");
  EXPECT_EQ(Count(transcript, " 포켓가공이 완료되었습니다.."), static_cast<std::size_t>(n)) << transcript;
  EXPECT_EQ(Count(transcript, "진입부를 생성할 수 없는"), 0u) << transcript;
  EXPECT_EQ(RunPython("sweep.py", "linear.dxf"), "checked\n");
}

TEST_F(ToolpathGougeTest, PlungesLinksAndRestPassesOfEveryKindKeepClearOfWallsAndIslands) {
  // Climb with the plunge at the pass feed, retracting between levels, no rest pass.
  const std::vector<std::string> usual = {"click 264", "check 343", "uncheck 463", "click 259", "click 232",
                                          "click 235", "ok",        "set 272 2",   "set 268 1"};
  const std::vector<std::vector<std::string>> kinds = {
      {"click 265"},                                                    // conventional
      {"click 259", "click 233", "ok"},                                 // helix
      {"click 259", "click 234", "ok"},                                 // slot
      {"click 259", "click 237", "set 238 10", "ok"},                   // ramp
      {"uncheck 343", "set 4002 0.4"},                                  // levels without retracts
      {"check 463", "click 286", "set 275 3", "ok", "set 271 0", "uncheck 462"},  // rest after roughing
  };
  const Outline outline = Rectangle(100, 60, false, false);
  const std::vector<Island> islands = {Square(20, 20, 20), Square(40, 20, 20)};
  Family family;
  int n = 0;
  for (int pattern = 0; pattern < 4; ++pattern)
    for (const std::vector<std::string>& kind : kinds) {
      std::vector<std::string> settings = usual;
      settings.insert(settings.end(), kind.begin(), kind.end());
      family.Pocket("X" + std::to_string(++n), outline, islands, {{50, 0}, {20, 25}, {60, 25}}, pattern, 0.0, 4.0,
                    Lead::kLineAndArc, settings);
    }
  const std::string transcript = RunFamily(family, "plunges.dxf");
  EXPECT_EQ(Count(transcript, " 포켓가공이 완료되었습니다.."), static_cast<std::size_t>(n)) << transcript;
  // Every finishing ring has room for its leads somewhere along it, whatever ran before.
  EXPECT_EQ(Count(transcript, "진입부를 생성할 수 없는"), 0u) << transcript;
  EXPECT_EQ(RunPython("sweep.py", "plunges.dxf"), "checked\n");
}

TEST_F(ToolpathGougeTest, AStepoverWiderThanTheToolIsRefusedWithItsReason) {
  // The dialog's own range stops an absurd stepover; one within it but wider than the tool is refused at OK.
  const std::string script =
      "PLINE\n0,0\n60,0\n60,40\n0,40\nc\nPocket\nclick 464\nset 275 6\nok\nset 261 1e9\nset 279 -1\n"
      "click 359\n30,0\n\nok\nok\nset 261 7\nok\nok\ncancel\nGROUPS\n" +
      std::string(kQuitWithoutSaving);
  const HostRun run = Run({"--plugin", OSTRIVO_PATH, "-s", WriteScript("wide.scr", script)});
  EXPECT_NE(run.out.find("Please enter a number between 0.01 and 1000."), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("황삭 Stepover(7.000)가 공구 직경(6.000)보다 클 수 없습니다.!!"), std::string::npos) << run.out;
  EXPECT_EQ(Count(run.out, "포켓가공이 완료되었습니다"), 0u) << run.out;
  EXPECT_EQ(Count(run.out, "Pocket_"), 0u) << run.out;
}

}  // namespace
}  // namespace e2e
