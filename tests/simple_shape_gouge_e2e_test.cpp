// Simple profiles and spheres measured from the outside: over a family of
// shapes typed in as numbers, ezdxf reads the stored passes and GEOS (through
// shapely) checks that every profile pass runs on the offset of the outline
// that its pass number asks for, and that no move of an inside or outside
// profile, lead moves included, brings the tool into the shape from the wrong
// side; a ring kept inside its diameters never leaves them, leads
// included; every ball position of a sphere lies at the sphere's radius plus or
// minus the tool radius and allowance, its leads on the free side.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

// Prints one line per fault, then "checked N".
constexpr const char* kMeasure = R"py(from shapely.geometry import LineString, Point, Polygon, box
SLACK = 0.01

def groups(path, doc):
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

def points(e):
    v = list(e.get_points('xyb'))
    out = []
    for i in range(len(v) if e.closed else len(v) - 1):
        out += segment(v[i][:2], v[(i + 1) % len(v)][:2], v[i][2], 24 if v[i][2] else 4)
    return out

def num(rec, line):
    return [float(x) for x in rec[line].split()]

def profile_shape(rec):
    kind_line = rec[0].split()
    ptype, itype = int(kind_line[3]), int(kind_line[4])
    xmax, xmin, xsize = num(rec, 2)
    ymax, ymin, ysize = num(rec, 3)
    corner = num(rec, 4)[1]
    circle = num(rec, 5)[0]
    a, cx, cy = num(rec, 6)
    if ptype == 3:
        return Point(cx, cy).buffer(circle, resolution=256)
    if itype == 2:
        cx, cy = xmin + xsize / 2, ymin + ysize / 2
    elif itype == 3:
        xsize, ysize = xmax - xmin, ymax - ymin
        cx, cy = xmin + xsize / 2, ymin + ysize / 2
    r = corner if ptype == 2 else 0.0
    core = box(cx - xsize / 2 + r, cy - ysize / 2 + r, cx + xsize / 2 - r, cy + ysize / 2 - r)
    return core.buffer(r, resolution=256) if r > 0 else core

def check_profile(name, rec, members, faults):
    shape = profile_shape(rec)
    d = num(rec, 1)[1]
    zstep, _, depth = num(rec, 4)
    _, start, stepover, _ = num(rec, 5)
    a = num(rec, 6)[0]
    side, count = [int(x) for x in rec[16].split()]
    total = start - depth
    n = 0
    if total > 0:
        n = int(total / zstep)
        if total > n * zstep:
            n += 1
    layers = n + 1
    passes = [e for e in members if e.dxftype() == 'LWPOLYLINE']
    expected = layers * (1 if side == 1 else count)
    if len(passes) != expected:
        faults.append("%s has %d passes, not %d" % (name, len(passes), expected))
    for k, e in enumerate(passes):
        i = k // layers
        o = 0.0 if side == 1 else d / 2 + a + i * stepover
        target = shape if o == 0 else shape.buffer(o if side == 3 else -o, resolution=256)
        ring = target.exterior
        pts = points(e)
        on = [p for p in pts if ring.distance(Point(p)) <= SLACK]
        # The loop is whole: its points run round the full offset outline.
        covered = LineString(on).length if len(on) > 1 else 0.0
        if covered < ring.length - 0.5:
            faults.append("%s pass %d covers %.2f of the offset %.2f (length %.2f)" % (name, k, covered, o, ring.length))
        if side == 1:
            continue
        # Off the loop, only on the free side: inside it for inside passes, outside for outside ones.
        for p in pts:
            q = Point(p)
            if ring.distance(q) <= SLACK:
                continue
            if (side == 2) != target.contains(q):
                faults.append("%s pass %d leaves its offset on the wall side at %.2f,%.2f" % (name, k, p[0], p[1]))
                break
    # Nothing the tool does below the top enters the wall.
    if side == 1:
        return
    room = shape.buffer(-(d / 2 + a) + SLACK, resolution=256) if side == 2 else shape.buffer(d / 2 + a - SLACK, resolution=256)
    for e in members:
        if e.dxftype() == 'LWPOLYLINE':
            below = e.dxf.elevation < start - 1e-6
            run = points(e)
        elif e.dxftype() == 'LINE' and e.dxf.linetype.upper() != 'ACAD_ISO03W100':
            below = min(e.dxf.start[2], e.dxf.end[2]) < start - 1e-6
            run = [tuple(e.dxf.start)[:2], tuple(e.dxf.end)[:2]]
        else:
            continue
        if not below:
            continue
        for p in run:
            inside = room.contains(Point(p))
            if (side == 2 and not inside) or (side == 3 and inside):
                faults.append("%s: the tool enters the wall at %.2f,%.2f" % (name, p[0], p[1]))
                break

def check_sphere(name, rec, members, faults):
    form = int(rec[0].split()[3])
    cx, cy, cz = num(rec, 1)
    radius = num(rec, 2)[0]
    tool = num(rec, 3)
    a = num(rec, 6)[1]
    r = tool[1] / 2
    want = radius + r + a if form == 0 else radius - r - a
    for e in [e for e in members if e.dxftype() == 'LWPOLYLINE']:
        z = e.dxf.elevation + r
        dist = [math.sqrt((p[0] - cx) ** 2 + (p[1] - cy) ** 2 + (z - cz) ** 2) for p in points(e)]
        on = sum(1 for x in dist if abs(x - want) <= SLACK)
        if on < 0.6 * len(dist):
            faults.append("%s: only %d of %d ball positions at %.3f from the centre" % (name, on, len(dist), want))
        worst = min(dist) if form == 0 else max(dist)
        if (form == 0 and worst < want - SLACK) or (form == 1 and worst > want + SLACK):
            faults.append("%s: a ball position %.3f from the centre, wanted %.3f" % (name, worst, want))

def check_ring(name, rec, members, faults):
    comp = int(rec[0].split()[4])
    d = num(rec, 1)[1]
    inner, outer, a, cx, cy, z = num(rec, 2)
    if comp != 3:
        return
    lo = (inner + 2 * a + d) / 2
    hi = max(lo, max(0.0, outer - 2 * a - d) / 2)
    for e in members:
        if e.dxftype() == 'LWPOLYLINE':
            run = points(e) if e.dxf.elevation < z + 1e-6 else []
        elif e.dxftype() == 'LINE' and e.dxf.linetype.upper() != 'ACAD_ISO03W100':
            run = [tuple(p)[:2] for p in (e.dxf.start, e.dxf.end) if p[2] < z + 1e-6]
        else:
            continue
        for p in run:
            r = math.hypot(p[0] - cx, p[1] - cy)
            if r < lo - SLACK or r > hi + SLACK:
                faults.append("%s: the tool centre at radius %.3f, outside %.3f to %.3f at %.2f,%.2f" % (name, r, lo, hi, p[0], p[1]))
                return

doc = ezdxf.readfile(sys.argv[1])
faults, checked = [], 0
for name, description, members in sorted(groups(sys.argv[1], doc)):
    rec = description.split("^J")
    kind = int(rec[0].split()[2])
    if kind == 7:
        check_profile(name, rec, members, faults)
    elif kind == 8:
        check_sphere(name, rec, members, faults)
    elif kind == 10:
        check_ring(name, rec, members, faults)
    else:
        continue
    checked += 1
for f in faults:
    print(f)
print("checked", checked)
)py";

std::string Leads(int button, bool line, bool arc) {
  auto box = [](bool on, int id) { return std::string(on ? "check " : "uncheck ") + std::to_string(id); };
  return "click " + std::to_string(button) + "\ncheck 286\ncheck 294\n" + box(line, 287) + "\n" + box(line, 301) +
         "\n" + box(arc, 377) + "\n" + box(arc, 378) + "\nset 288 8\nset 298 8\nset 290 6\nset 296 6\nok\n";
}

class SimpleShapeGougeTest : public CadHostTest {
 protected:
  void SetUp() override {
    CadHostTest::SetUp();
    if (const std::string missing = MissingMeasurePeers(); !missing.empty()) GTEST_SKIP() << missing;
    std::ofstream(Path("measure.py")) << kPlanSegmentPython << kMeasure;
  }
  std::string Measure(const std::string& script, int runs) {
    const HostRun run =
        Run({"--plugin", OSTRIVO_PATH, "-s", WriteScript("family.scr", script + "SAVEAS\nfamily.dxf\nQUIT\n")});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    std::system(("/usr/bin/python3 " + Quoted(Path("measure.py")) + " " + Quoted(Path("family.dxf")) + " >" +
                 Quoted(Path("measure.txt")) + " 2>&1")
                    .c_str());
    const std::string measured = ReadFile(Path("measure.txt"));
    EXPECT_NE(measured.find("checked " + std::to_string(runs) + "\n"), std::string::npos) << measured << run.out;
    return measured;
  }
};

TEST_F(SimpleShapeGougeTest, ProfilePassesRunOnTheirOffsetsAndNeverIntoTheWall) {
  std::ostringstream script;
  int n = 0;
  // Profile type, side, shape input type, allowance, passes, leads.
  for (int type : {1, 2, 3})
    for (int side : {1, 2, 3})
      for (double allowance : {0.0, 0.5})
        for (bool arcOnly : {false, true}) {
          ++n;
          script << "SimpProf\nclick " << 490 + type << "\nclick " << 493 + side << "\nset 200 P" << n << "\n";
          // Small shapes, so that the tool's size and the leads matter; a circle
          // is placed by its centre and radius alone.
          if (type == 3) {
            script << "set 500 " << 10 * n << "\nset 501 5\nset 509 " << 20 + n % 3 * 6 << "\n";
          } else if (n % 2 == 0) {
            script << "click 499\nset 504 " << 10 * n << "\nset 506 " << 10 * n + 60 << "\nset 505 -20\nset 507 25\n";
          } else {
            script << "click 497\nset 500 " << 10 * n << "\nset 501 5\nset 502 70\nset 503 44\n";
          }
          if (type == 2) script << "set 508 12\n";
          if (side != 1) script << "set 516 3\nset 510 4\n";
          script << "set 515 " << allowance << "\nset 513 0\nset 514 -6\nset 511 3\nclick 271\nset 275 8\nok\n"
                 << Leads(308, !arcOnly, true) << "ok\n";
        }
  const std::string measured = Measure(script.str(), n);
  EXPECT_EQ(measured, "checked " + std::to_string(n) + "\n");
}

TEST_F(SimpleShapeGougeTest, BallPositionsOfDomesAndBowlsLieOnTheSphereOffsetByToolAndAllowance) {
  std::ostringstream script;
  int n = 0;
  for (int form : {269, 275})
    for (int direction : {264, 265})
      for (double allowance : {0.0, 0.4})
        for (const char* angles : {"set 432 0\nset 433 90\n", "set 432 20\nset 433 70\n"}) {
          ++n;
          script << "SimpSphere\nclick " << form << "\nclick " << direction << "\nset 200 S" << n
                 << "\nset 429 25\nset 430 " << 80 * n << "\nset 431 -10\nset 434 -5\nset 267 " << allowance
                 << "\nset 268 4\n"
                 << angles << "click 276\nset 275 12\nok\n"
                 << Leads(251, true, true) << "ok\n";
        }
  const std::string measured = Measure(script.str(), n);
  EXPECT_EQ(measured, "checked " + std::to_string(n) + "\n");
}

TEST_F(SimpleShapeGougeTest, RingsKeptInsideTheirDiametersNeverLeaveThem) {
  std::ostringstream script;
  int n = 0;
  for (int shape : {537, 538, 539})
    for (bool outsideFirst : {true, false})
      for (const char* ring : {"set 544 0\nset 543 100\n", "set 544 30\nset 543 100\n", "set 544 40\nset 543 64\n"})
        for (double allowance : {0.0, 0.5}) {
          ++n;
          script << "SimpRadial\nclick " << shape << "\nclick 547\nset 200 R" << n << "\n"
                 << ring << "set 542 7\nset 429 " << 120 * n << "\nset 540 10\nset 541 -3\nset 481 " << allowance
                 << "\n"
                 << (outsideFirst ? "check" : "uncheck") << " 549\nclick 271\nset 275 10\nok\n"
                 << Leads(308, true, true) << "ok\n";
        }
  const std::string measured = Measure(script.str(), n);
  EXPECT_EQ(measured, "checked " + std::to_string(n) + "\n");
}

}  // namespace
}  // namespace e2e
