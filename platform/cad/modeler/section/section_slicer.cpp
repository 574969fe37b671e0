#include "platform/cad/modeler/section/section_slicer.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepBndLib.hxx>
#include <BRepClass_FaceClassifier.hxx>
#include <BRepLib_MakeEdge.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <ElCLib.hxx>
#include <Geom_Circle.hxx>
#include <Geom_Ellipse.hxx>
#include <Precision.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Vertex.hxx>
#include <gp_Circ.hxx>
#include <gp_Elips.hxx>
#include <gp_Lin.hxx>

#include <algorithm>
#include <cmath>

#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/section/section_surface_cuts.h"

namespace brep {

namespace {

constexpr double kTwoPi = 2.0 * M_PI;
// Closer than this many tolerances to the plane counts as touching it.
constexpr double kNearFactor = 10.0;
// A crossing this close to tangent is left to the general way.
constexpr double kGrazingCosine = 1e-6;

struct EdgeGeometry {
  TopoDS_Edge edge;
  GeomAbs_CurveType type = GeomAbs_OtherCurve;
  gp_Lin line;
  gp_Circ circle;
  gp_Elips ellipse;
  double first = 0.0, last = 0.0;
  double tolerance = 0.0;
  Bnd_Box box;
};

// An edge as a face's boundary runs it.
struct EdgeUse {
  int edge = 0;
  bool reversed = false;
};

struct FaceGeometry {
  TopoDS_Face face;  // forward
  ElementarySurface surface;
  double tolerance = 0.0;
  Bnd_Box box;
  std::vector<EdgeUse> edges;  // without seams and degenerated edges
  bool cuttable = true;        // false when the boundary holds edges we cannot follow
};

struct VertexPoint {
  gp_Pnt point;
  double tolerance = 0.0;
};

double nearDistance(double tolerance) { return kNearFactor * std::max(tolerance, Precision::Confusion()); }

// Where an edge of the solid crosses the plane: a vertex of the section.
struct Crossing {
  double parameter = 0.0;
  gp_Pnt point;
  TopoDS_Vertex vertex;
};

// Where a cut curve passes a face's boundary, and whether it goes into the face there.
struct Passage {
  double parameter = 0.0;
  bool entering = false;
  TopoDS_Vertex vertex;
};

// A curve where the plane cuts a face, with the points where it passes the face's boundary.
struct CurveOnFace {
  CutCurve curve;
  std::vector<Passage> passages;
};

gp_Vec edgeTangent(const EdgeGeometry& edge, double t) {
  gp_Pnt p;
  gp_Vec v;
  switch (edge.type) {
    case GeomAbs_Line:
      return gp_Vec(edge.line.Direction());
    case GeomAbs_Circle:
      ElCLib::D1(t, edge.circle, p, v);
      return v;
    case GeomAbs_Ellipse:
      ElCLib::D1(t, edge.ellipse, p, v);
      return v;
    default:
      return v;
  }
}

// One plane's cut through a prepared solid. Any case it cannot settle makes it fail.
class PlaneCut {
 public:
  PlaneCut(const SolidSlicer::Prepared& prepared, const gp_Pln& plane);
  std::optional<std::vector<TopoDS_Edge>> run();

 private:
  double distance(const gp_Pnt& p) const { return gp_Vec(origin_, p).Dot(normal_); }
  bool touchesAVertex() const;
  const std::vector<Crossing>* crossingsOf(int edge);
  bool crossLine(const EdgeGeometry& edge, std::vector<Crossing>& crossings) const;
  bool crossConic(const EdgeGeometry& edge, const gp_Ax2& position, double xRadius, double yRadius,
                  std::vector<Crossing>& crossings) const;
  bool addPassages(const FaceGeometry& face, std::vector<CurveOnFace>& curves);
  bool addEdges(const FaceGeometry& face, CurveOnFace& cut);
  bool addSegment(const CutCurve& curve, const Passage& from, const Passage& to);
  bool cutFace(const FaceGeometry& face);

  const SolidSlicer::Prepared& prepared_;
  gp_Pln plane_;
  gp_Pnt origin_;
  gp_Vec normal_;
  std::vector<std::optional<std::vector<Crossing>>> crossings_;
  std::vector<TopoDS_Edge> edges_;
};

}  // namespace

struct SolidSlicer::Prepared {
  std::vector<FaceGeometry> faces;
  std::vector<EdgeGeometry> edges;
  std::vector<VertexPoint> vertices;
};

namespace {

EdgeGeometry edgeGeometry(const TopoDS_Edge& edge) {
  EdgeGeometry geometry;
  geometry.edge = edge;
  geometry.tolerance = BRep_Tool::Tolerance(edge);
  if (BRep_Tool::Degenerated(edge)) return geometry;
  BRepAdaptor_Curve curve(edge);
  geometry.type = curve.GetType();
  geometry.first = curve.FirstParameter();
  geometry.last = curve.LastParameter();
  if (geometry.type == GeomAbs_Line) geometry.line = curve.Line();
  if (geometry.type == GeomAbs_Circle) geometry.circle = curve.Circle();
  if (geometry.type == GeomAbs_Ellipse) geometry.ellipse = curve.Ellipse();
  BRepBndLib::Add(edge, geometry.box, Standard_False);
  return geometry;
}

FaceGeometry faceGeometry(const TopoDS_Face& face, const TopTools_IndexedMapOfShape& edgeIndex) {
  FaceGeometry geometry;
  geometry.face = TopoDS::Face(face.Oriented(TopAbs_FORWARD));
  geometry.tolerance = BRep_Tool::Tolerance(face);
  geometry.surface = ElementarySurface::of(geometry.face);
  BRepBndLib::Add(geometry.face, geometry.box, Standard_False);
  for (TopExp_Explorer it(geometry.face, TopAbs_EDGE); it.More(); it.Next()) {
    const TopoDS_Edge& edge = TopoDS::Edge(it.Current());
    if (BRep_Tool::Degenerated(edge) || BRep_Tool::IsClosed(edge, geometry.face)) continue;
    const TopAbs_Orientation orientation = edge.Orientation();
    if (orientation != TopAbs_FORWARD && orientation != TopAbs_REVERSED) {
      geometry.cuttable = false;
      continue;
    }
    geometry.edges.push_back(EdgeUse{edgeIndex.FindIndex(edge) - 1, orientation == TopAbs_REVERSED});
  }
  return geometry;
}

PlaneCut::PlaneCut(const SolidSlicer::Prepared& prepared, const gp_Pln& plane)
    : prepared_(prepared),
      plane_(plane),
      origin_(plane.Location()),
      normal_(plane.Axis().Direction()),
      crossings_(prepared.edges.size()) {}

bool PlaneCut::touchesAVertex() const {
  return std::any_of(prepared_.vertices.begin(), prepared_.vertices.end(), [this](const VertexPoint& v) {
    return std::fabs(distance(v.point)) <= nearDistance(v.tolerance);
  });
}

TopoDS_Vertex vertexAt(const gp_Pnt& point, double tolerance) {
  TopoDS_Vertex vertex;
  BRep_Builder().MakeVertex(vertex, point, std::max(tolerance, Precision::Confusion()));
  return vertex;
}

bool PlaneCut::crossLine(const EdgeGeometry& edge, std::vector<Crossing>& crossings) const {
  const gp_Pnt start = ElCLib::Value(edge.first, edge.line), end = ElCLib::Value(edge.last, edge.line);
  const double startSide = distance(start), endSide = distance(end);
  if ((startSide > 0.0) == (endSide > 0.0)) return true;
  const double share = startSide / (startSide - endSide);
  const double t = edge.first + share * (edge.last - edge.first);
  const gp_Pnt point = ElCLib::Value(t, edge.line);
  crossings.push_back(Crossing{t, point, vertexAt(point, edge.tolerance)});
  return true;
}

// A circle or ellipse: its distance from the plane is c + a cos t + b sin t.
bool PlaneCut::crossConic(const EdgeGeometry& edge, const gp_Ax2& position, double xRadius, double yRadius,
                          std::vector<Crossing>& crossings) const {
  const double c = distance(position.Location());
  const double a = xRadius * gp_Vec(position.XDirection()).Dot(normal_);
  const double b = yRadius * gp_Vec(position.YDirection()).Dot(normal_);
  const double reach = std::hypot(a, b);
  if (std::fabs(reach - std::fabs(c)) <= nearDistance(edge.tolerance)) return false;
  if (std::fabs(c) > reach) return true;
  const double phase = std::atan2(b, a), spread = std::acos(std::clamp(-c / reach, -1.0, 1.0));
  for (double root : {phase - spread, phase + spread}) {
    double t = edge.first + std::fmod(root - edge.first, kTwoPi);
    if (t < edge.first) t += kTwoPi;
    if (t > edge.last) continue;
    const gp_Pnt point = edge.type == GeomAbs_Circle ? ElCLib::Value(t, edge.circle) : ElCLib::Value(t, edge.ellipse);
    crossings.push_back(Crossing{t, point, vertexAt(point, edge.tolerance)});
  }
  return true;
}

const std::vector<Crossing>* PlaneCut::crossingsOf(int index) {
  std::optional<std::vector<Crossing>>& known = crossings_[static_cast<std::size_t>(index)];
  if (known) return &*known;
  const EdgeGeometry& edge = prepared_.edges[static_cast<std::size_t>(index)];
  std::vector<Crossing> found;
  bool settled = true;
  switch (edge.type) {
    case GeomAbs_Line:
      settled = crossLine(edge, found);
      break;
    case GeomAbs_Circle:
      settled = crossConic(edge, edge.circle.Position(), edge.circle.Radius(), edge.circle.Radius(), found);
      break;
    case GeomAbs_Ellipse:
      settled =
          crossConic(edge, edge.ellipse.Position(), edge.ellipse.MajorRadius(), edge.ellipse.MinorRadius(), found);
      break;
    default:
      settled = edge.box.IsVoid() || edge.box.IsOut(plane_);
      break;
  }
  if (!settled) return nullptr;
  known = std::move(found);
  return &*known;
}

// Sorts the boundary crossings onto the cut curves, each marked going into the face or out.
bool PlaneCut::addPassages(const FaceGeometry& face, std::vector<CurveOnFace>& curves) {
  const double onCurve = 100.0 * std::max(face.tolerance, Precision::Confusion());
  for (const EdgeUse& use : face.edges) {
    const std::vector<Crossing>* crossings = crossingsOf(use.edge);
    if (crossings == nullptr) return false;
    const EdgeGeometry& edge = prepared_.edges[static_cast<std::size_t>(use.edge)];
    for (const Crossing& crossing : *crossings) {
      CurveOnFace* nearest = nullptr;
      double best = onCurve + std::max(edge.tolerance, 0.0), bestParameter = 0.0;
      for (CurveOnFace& cut : curves) {
        const double t = cut.curve.parameterOf(crossing.point);
        const double gap = cut.curve.value(t).Distance(crossing.point);
        if (gap <= best) nearest = &cut, best = gap, bestParameter = t;
      }
      if (nearest == nullptr) return false;
      // The face lies to the left of its boundary, seen from the surface's normal side.
      gp_Vec along = edgeTangent(edge, crossing.parameter);
      if (use.reversed) along.Reverse();
      const gp_Vec inward = face.surface.normalAt(crossing.point).Crossed(along);
      const gp_Vec forward = nearest->curve.tangent(bestParameter);
      if (inward.Magnitude() < Precision::Confusion() || forward.Magnitude() < Precision::Confusion()) return false;
      const double cosine = inward.Normalized().Dot(forward.Normalized());
      if (std::fabs(cosine) < kGrazingCosine) return false;
      nearest->passages.push_back(Passage{bestParameter, cosine > 0.0, crossing.vertex});
    }
  }
  return true;
}

bool PlaneCut::addSegment(const CutCurve& curve, const Passage& from, const Passage& to) {
  if (from.vertex.IsSame(to.vertex)) return false;
  BRepLib_MakeEdge maker;
  switch (curve.kind) {
    case CutKind::kLine:
      maker = BRepLib_MakeEdge(from.vertex, to.vertex);
      break;
    case CutKind::kCircle: {
      const double end = to.parameter > from.parameter ? to.parameter : to.parameter + kTwoPi;
      maker = BRepLib_MakeEdge(new Geom_Circle(curve.circle), from.vertex, to.vertex, from.parameter, end);
      break;
    }
    case CutKind::kEllipse: {
      const double end = to.parameter > from.parameter ? to.parameter : to.parameter + kTwoPi;
      maker = BRepLib_MakeEdge(new Geom_Ellipse(curve.ellipse), from.vertex, to.vertex, from.parameter, end);
      break;
    }
  }
  if (!maker.IsDone()) return false;
  edges_.push_back(maker.Edge());
  return true;
}

// The pieces of the curve inside the face: from each entry to the next exit.
bool PlaneCut::addEdges(const FaceGeometry& face, CurveOnFace& cut) {
  const CutCurve& curve = cut.curve;
  std::vector<Passage>& passages = cut.passages;
  if (passages.empty()) {
    if (!curve.closed()) return true;
    // A whole circle or ellipse, or none of it.
    BRepClass_FaceClassifier classifier(face.face, curve.value(0.0), std::max(face.tolerance, Precision::Confusion()));
    if (classifier.State() == TopAbs_OUT) return true;
    if (classifier.State() != TopAbs_IN) return false;
    BRepLib_MakeEdge maker =
        curve.kind == CutKind::kCircle ? BRepLib_MakeEdge(curve.circle) : BRepLib_MakeEdge(curve.ellipse);
    if (!maker.IsDone()) return false;
    edges_.push_back(maker.Edge());
    return true;
  }
  if (passages.size() % 2 != 0) return false;
  std::sort(passages.begin(), passages.end(),
            [](const Passage& a, const Passage& b) { return a.parameter < b.parameter; });
  const std::size_t count = passages.size();
  if (!curve.closed() && !passages.front().entering) return false;
  for (std::size_t i = 0; i < count; ++i) {
    if (passages[i].entering == passages[(i + 1) % count].entering) return false;
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (passages[i].entering && !addSegment(curve, passages[i], passages[(i + 1) % count])) return false;
  }
  return true;
}

bool PlaneCut::cutFace(const FaceGeometry& face) {
  if (face.box.IsOut(plane_)) return true;
  if (!face.cuttable) return false;
  const std::optional<std::vector<CutCurve>> found = cutCurves(face.surface, plane_);
  if (!found) return false;
  if (found->empty()) return true;
  std::vector<CurveOnFace> curves;
  for (const CutCurve& curve : *found) curves.push_back(CurveOnFace{curve, {}});
  if (!addPassages(face, curves)) return false;
  for (CurveOnFace& cut : curves) {
    if (!addEdges(face, cut)) return false;
  }
  return true;
}

std::optional<std::vector<TopoDS_Edge>> PlaneCut::run() {
  if (touchesAVertex()) return std::nullopt;
  for (const FaceGeometry& face : prepared_.faces) {
    if (!cutFace(face)) return std::nullopt;
  }
  return std::move(edges_);
}

}  // namespace

SolidSlicer::SolidSlicer(const TopoDS_Shape& solid) : solid_(solid), box_(tightBox(solid)) {
  auto prepared = std::make_unique<Prepared>();
  const TopTools_IndexedMapOfShape edges = edgeMap(solid);
  for (int i = 1; i <= edges.Extent(); ++i) prepared->edges.push_back(edgeGeometry(TopoDS::Edge(edges(i))));
  const TopTools_IndexedMapOfShape faces = faceMap(solid);
  for (int i = 1; i <= faces.Extent(); ++i) prepared->faces.push_back(faceGeometry(TopoDS::Face(faces(i)), edges));
  TopTools_IndexedMapOfShape vertices;
  TopExp::MapShapes(solid, TopAbs_VERTEX, vertices);
  for (int i = 1; i <= vertices.Extent(); ++i) {
    const TopoDS_Vertex& vertex = TopoDS::Vertex(vertices(i));
    prepared->vertices.push_back(VertexPoint{BRep_Tool::Pnt(vertex), BRep_Tool::Tolerance(vertex)});
  }
  prepared_ = std::move(prepared);
}

SolidSlicer::~SolidSlicer() = default;

std::optional<std::vector<TopoDS_Edge>> SolidSlicer::sectionEdges(const gp_Pln& plane) const {
  return PlaneCut(*prepared_, plane).run();
}

}  // namespace brep
