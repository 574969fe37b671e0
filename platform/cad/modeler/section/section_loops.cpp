#include "platform/cad/modeler/section/section_loops.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepClass_FaceClassifier.hxx>
#include <BRep_Builder.hxx>
#include <ElSLib.hxx>
#include <Geom_Plane.hxx>
#include <Precision.hxx>
#include <TopExp.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Vertex.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Ax3.hxx>
#include <gp_Pnt2d.hxx>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <optional>

namespace brep {
namespace {

struct Box2d {
  double uMin = 1e300, vMin = 1e300, uMax = -1e300, vMax = -1e300;

  void add(const gp_Pnt2d& p) {
    uMin = std::min(uMin, p.X()), uMax = std::max(uMax, p.X());
    vMin = std::min(vMin, p.Y()), vMax = std::max(vMax, p.Y());
  }
  bool mayHold(const Box2d& inner, double slack) const {
    return inner.uMin >= uMin - slack && inner.uMax <= uMax + slack && inner.vMin >= vMin - slack &&
           inner.vMax <= vMax + slack;
  }
};

struct Loop {
  TopoDS_Wire wire;  // counter-clockwise about the plane's normal
  std::vector<TopoDS_Edge> edges;
  double area = 0.0;
  Box2d box;
  gp_Pnt2d probe;  // a point on the loop
  TopoDS_Face alone;
  int depth = 0;
  int parent = -1;
};

// Edges chained through their shared vertices into closed loops, each edge turned
// to run on from the one before it.
std::optional<std::vector<std::vector<TopoDS_Edge>>> chains(const std::vector<TopoDS_Edge>& edges) {
  TopTools_IndexedMapOfShape vertices;
  std::vector<std::array<int, 2>> ends;
  for (const TopoDS_Edge& edge : edges) {
    const TopoDS_Vertex first = TopExp::FirstVertex(edge, Standard_True);
    const TopoDS_Vertex last = TopExp::LastVertex(edge, Standard_True);
    if (first.IsNull() || last.IsNull()) return std::nullopt;
    ends.push_back({vertices.Add(first) - 1, vertices.Add(last) - 1});
  }
  std::vector<std::array<int, 2>> at(static_cast<std::size_t>(vertices.Extent()), {-1, -1});
  std::vector<int> degree(at.size(), 0);
  for (std::size_t e = 0; e < ends.size(); ++e) {
    for (int end : ends[e]) {
      const auto v = static_cast<std::size_t>(end);
      if (degree[v] == 2) return std::nullopt;
      at[v][static_cast<std::size_t>(degree[v]++)] = static_cast<int>(e);
    }
  }
  if (std::any_of(degree.begin(), degree.end(), [](int d) { return d != 2; })) return std::nullopt;

  std::vector<bool> used(edges.size(), false);
  std::vector<std::vector<TopoDS_Edge>> loops;
  for (std::size_t first = 0; first < edges.size(); ++first) {
    if (used[first]) continue;
    used[first] = true;
    std::vector<TopoDS_Edge> loop{edges[first]};
    const int start = ends[first][0];
    int current = static_cast<int>(first), reached = ends[first][1];
    while (reached != start) {
      const std::array<int, 2>& pair = at[static_cast<std::size_t>(reached)];
      const int next = pair[0] == current ? pair[1] : pair[0];
      if (used[static_cast<std::size_t>(next)]) return std::nullopt;
      used[static_cast<std::size_t>(next)] = true;
      const std::array<int, 2>& nextEnds = ends[static_cast<std::size_t>(next)];
      const bool forward = nextEnds[0] == reached;
      const TopoDS_Edge& edge = edges[static_cast<std::size_t>(next)];
      loop.push_back(forward ? edge : TopoDS::Edge(edge.Reversed()));
      reached = forward ? nextEnds[1] : nextEnds[0];
      current = next;
    }
    loops.push_back(std::move(loop));
  }
  return loops;
}

// Points along the loop in the plane's parameters: the start of each straight edge,
// and enough points along curved ones for the area and the box.
std::vector<gp_Pnt2d> outline(const std::vector<TopoDS_Edge>& loop, const gp_Pln& plane) {
  std::vector<gp_Pnt2d> points;
  auto add = [&](const gp_Pnt& p) {
    double u = 0.0, v = 0.0;
    ElSLib::Parameters(plane, p, u, v);
    points.emplace_back(u, v);
  };
  for (const TopoDS_Edge& edge : loop) {
    BRepAdaptor_Curve curve(edge);
    const double first = curve.FirstParameter(), last = curve.LastParameter();
    const bool reversed = edge.Orientation() == TopAbs_REVERSED;
    int samples = 1;
    if (curve.GetType() == GeomAbs_Circle || curve.GetType() == GeomAbs_Ellipse) {
      samples = std::max(4, static_cast<int>(std::ceil(64.0 * (last - first) / (2.0 * M_PI))));
    } else if (curve.GetType() != GeomAbs_Line) {
      samples = 32;
    }
    for (int i = 0; i < samples; ++i) {
      const double share = static_cast<double>(i) / samples;
      add(curve.Value(reversed ? last - share * (last - first) : first + share * (last - first)));
    }
  }
  return points;
}

double twiceArea(const std::vector<gp_Pnt2d>& points) {
  double sum = 0.0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const gp_Pnt2d& p = points[i];
    const gp_Pnt2d& q = points[(i + 1) % points.size()];
    sum += p.X() * q.Y() - q.X() * p.Y();
  }
  return sum;
}

TopoDS_Wire wireOf(const std::vector<TopoDS_Edge>& edges, bool reversed) {
  TopoDS_Wire wire;
  BRep_Builder builder;
  builder.MakeWire(wire);
  for (const TopoDS_Edge& edge : edges) builder.Add(wire, edge);
  wire.Closed(Standard_True);
  return reversed ? TopoDS::Wire(wire.Reversed()) : wire;
}

std::optional<Loop> loopOf(std::vector<TopoDS_Edge> edges, const gp_Pln& plane) {
  const std::vector<gp_Pnt2d> points = outline(edges, plane);
  Loop loop;
  loop.area = 0.5 * twiceArea(points);
  for (const gp_Pnt2d& p : points) loop.box.add(p);
  const double size = std::max(loop.box.uMax - loop.box.uMin, loop.box.vMax - loop.box.vMin);
  if (std::fabs(loop.area) <= Precision::Confusion() * size) return std::nullopt;
  loop.wire = wireOf(edges, loop.area < 0.0);
  loop.area = std::fabs(loop.area);
  loop.probe = points.front();
  loop.edges = std::move(edges);
  return loop;
}

class FaceMaker {
 public:
  explicit FaceMaker(const gp_Pln& plane) : surface_(new Geom_Plane(plane)) {}

  TopoDS_Face face(const TopoDS_Wire& outer) const {
    TopoDS_Face face;
    builder_.MakeFace(face, surface_, Precision::Confusion());
    builder_.Add(face, outer);
    return face;
  }
  void addHole(TopoDS_Face& face, const TopoDS_Wire& counterClockwise) const {
    builder_.Add(face, counterClockwise.Reversed());
  }

 private:
  Handle(Geom_Plane) surface_;
  BRep_Builder builder_;
};

enum class Inside { kYes, kNo, kUnsure };

Inside encloses(Loop& outer, const Loop& inner, const FaceMaker& maker) {
  if (outer.alone.IsNull()) outer.alone = maker.face(outer.wire);
  BRepClass_FaceClassifier classifier(outer.alone, inner.probe, Precision::Confusion());
  switch (classifier.State()) {
    case TopAbs_IN:
      return Inside::kYes;
    case TopAbs_OUT:
      return Inside::kNo;
    default:
      return Inside::kUnsure;
  }
}

// Each loop's depth (how many loops hold it) and the smallest loop holding it.
bool nest(std::vector<Loop>& loops, const FaceMaker& maker) {
  std::sort(loops.begin(), loops.end(), [](const Loop& a, const Loop& b) { return a.area > b.area; });
  for (std::size_t i = 0; i < loops.size(); ++i) {
    Loop& inner = loops[i];
    const double slack = 0.01 * std::max(inner.box.uMax - inner.box.uMin, inner.box.vMax - inner.box.vMin);
    for (std::size_t j = 0; j < i; ++j) {
      Loop& outer = loops[j];
      if (!outer.box.mayHold(inner.box, slack + 0.01 * (outer.box.uMax - outer.box.uMin))) continue;
      const Inside inside = encloses(outer, inner, maker);
      if (inside == Inside::kUnsure) return false;
      if (inside == Inside::kNo) continue;
      ++inner.depth;
      inner.parent = static_cast<int>(j);
    }
  }
  return true;
}

}  // namespace

TopoDS_Shape facesFromSectionEdges(const std::vector<TopoDS_Edge>& edges, const gp_Pln& givenPlane) {
  if (edges.empty()) return TopoDS_Shape();
  // On right-handed axes the surface's normal is the plane's axis, however it is asked.
  const gp_Pln plane(gp_Ax3(givenPlane.Location(), givenPlane.Axis().Direction(), givenPlane.XAxis().Direction()));
  std::optional<std::vector<std::vector<TopoDS_Edge>>> chained = chains(edges);
  if (!chained) return TopoDS_Shape();
  std::vector<Loop> loops;
  for (std::vector<TopoDS_Edge>& chain : *chained) {
    std::optional<Loop> loop = loopOf(std::move(chain), plane);
    if (!loop) return TopoDS_Shape();
    loops.push_back(std::move(*loop));
  }
  const FaceMaker maker(plane);
  if (!nest(loops, maker)) return TopoDS_Shape();

  std::vector<TopoDS_Face> faces(loops.size());
  for (std::size_t i = 0; i < loops.size(); ++i) {
    if (loops[i].depth % 2 == 0) faces[i] = maker.face(loops[i].wire);
  }
  for (const Loop& loop : loops) {
    if (loop.depth % 2 == 0) continue;
    const auto parent = static_cast<std::size_t>(loop.parent);
    if (loops[parent].depth != loop.depth - 1) return TopoDS_Shape();
    maker.addHole(faces[parent], loop.wire);
  }
  TopoDS_Compound compound;
  BRep_Builder builder;
  builder.MakeCompound(compound);
  int count = 0;
  TopoDS_Shape single;
  for (const TopoDS_Face& face : faces) {
    if (face.IsNull()) continue;
    single = face;
    builder.Add(compound, single);
    ++count;
  }
  return count == 1 ? single : TopoDS_Shape(compound);
}

}  // namespace brep
