#include "platform/cad/modeler/brep/loop_faces.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepLib_FindSurface.hxx>
#include <BRepTools_WireExplorer.hxx>
#include <BRep_Tool.hxx>
#include <ElSLib.hxx>
#include <Geom_Plane.hxx>
#include <ShapeExtend_WireData.hxx>
#include <ShapeFix_Wire.hxx>
#include <Standard_Failure.hxx>
#include <TopExp.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Vertex.hxx>

#include <cmath>

#include "platform/cad/modeler/brep/brep_shape.h"

namespace brep {
namespace {

constexpr double kJoinTolerance = 1e-6;

struct EdgeEnds {
  TopoDS_Edge edge;
  gp_Pnt start;
  gp_Pnt end;
  bool closed = false;
  bool used = false;
};

EdgeEnds endsOf(const TopoDS_Edge& edge) {
  EdgeEnds ends;
  ends.edge = edge;
  BRepAdaptor_Curve curve(edge);
  ends.start = curve.Value(curve.FirstParameter());
  ends.end = curve.Value(curve.LastParameter());
  ends.closed = ends.start.Distance(ends.end) < kJoinTolerance;
  return ends;
}

bool meets(const gp_Pnt& a, const gp_Pnt& b) { return a.Distance(b) < kJoinTolerance; }

// The loop that starts with edge first, or an empty list when it does not close.
std::vector<TopoDS_Edge> chainFrom(std::vector<EdgeEnds>& ends, std::size_t first) {
  std::vector<TopoDS_Edge> loop{ends[first].edge};
  ends[first].used = true;
  const gp_Pnt loopStart = ends[first].start;
  gp_Pnt openEnd = ends[first].end;
  for (;;) {
    if (loop.size() > 1 && meets(openEnd, loopStart)) return loop;
    bool extended = false;
    for (EdgeEnds& next : ends) {
      if (next.used || next.closed) continue;
      if (meets(next.start, openEnd)) {
        loop.push_back(next.edge);
        openEnd = next.end;
      } else if (meets(next.end, openEnd)) {
        loop.push_back(TopoDS::Edge(next.edge.Reversed()));
        openEnd = next.start;
      } else {
        continue;
      }
      next.used = true;
      extended = true;
      break;
    }
    if (!extended) return {};
  }
}

TopoDS_Wire wireOf(const std::vector<TopoDS_Edge>& loop) {
  Handle(ShapeExtend_WireData) data = new ShapeExtend_WireData();
  for (const TopoDS_Edge& edge : loop) data->Add(edge);
  ShapeFix_Wire fix;
  fix.Load(data);
  fix.SetPrecision(kJoinTolerance);
  fix.SetMaxTolerance(10 * kJoinTolerance);
  fix.ClosedWireMode() = Standard_True;
  fix.FixConnected(kJoinTolerance);
  return fix.WireAPIMake();
}

gp_Dir towardsPositive(const gp_Dir& normal) {
  const double components[3] = {normal.Z(), normal.Y(), normal.X()};
  for (double c : components) {
    if (std::fabs(c) > 1e-9) return c > 0.0 ? normal : normal.Reversed();
  }
  return normal;
}

std::optional<TopoDS_Face> faceOf(const TopoDS_Wire& wire, const std::optional<AcGeVector3d>& preferredNormal) {
  BRepLib_FindSurface finder(wire, 1e-6, Standard_True);
  if (!finder.Found()) return std::nullopt;
  Handle(Geom_Plane) found = Handle(Geom_Plane)::DownCast(finder.Surface());
  if (found.IsNull()) return std::nullopt;
  gp_Pln plane = found->Pln();
  gp_Dir normal = towardsPositive(plane.Axis().Direction());
  if (preferredNormal && !preferredNormal->isZeroLength()) {
    const gp_Dir preferred = toDir(*preferredNormal);
    if (preferred.IsParallel(normal, 1e-6)) normal = preferred;
  }
  plane = gp_Pln(plane.Location(), normal);
  TopoDS_Wire outer = wire;
  if (signedArea(wire, plane) < 0.0) outer.Reverse();
  BRepBuilderAPI_MakeFace maker(plane, outer, Standard_True);
  if (!maker.IsDone()) return std::nullopt;
  return maker.Face();
}

}  // namespace

double signedArea(const TopoDS_Wire& wire, const gp_Pln& plane) {
  constexpr int kSamples = 64;
  double twiceArea = 0.0;
  bool havePrevious = false;
  double previousU = 0.0, previousV = 0.0;
  double firstU = 0.0, firstV = 0.0;
  auto add = [&](const gp_Pnt& point) {
    double u = 0.0, v = 0.0;
    ElSLib::Parameters(plane, point, u, v);
    if (havePrevious) {
      twiceArea += previousU * v - u * previousV;
    } else {
      firstU = u;
      firstV = v;
      havePrevious = true;
    }
    previousU = u;
    previousV = v;
  };
  for (BRepTools_WireExplorer it(wire); it.More(); it.Next()) {
    const TopoDS_Edge& edge = it.Current();
    if (BRep_Tool::Degenerated(edge)) continue;
    BRepAdaptor_Curve curve(edge);
    const double first = curve.FirstParameter(), last = curve.LastParameter();
    const bool reversed = edge.Orientation() == TopAbs_REVERSED;
    for (int i = 0; i < kSamples; ++i) {
      const double t = static_cast<double>(i) / kSamples;
      add(curve.Value(reversed ? last - t * (last - first) : first + t * (last - first)));
    }
  }
  if (havePrevious) twiceArea += previousU * firstV - firstU * previousV;
  return twiceArea;
}

std::vector<TopoDS_Face> facesFromLoops(const std::vector<TopoDS_Edge>& edges,
                                        const std::optional<AcGeVector3d>& preferredNormal) {
  std::vector<EdgeEnds> ends;
  for (const TopoDS_Edge& edge : edges) ends.push_back(endsOf(edge));
  std::vector<TopoDS_Face> faces;
  for (std::size_t i = 0; i < ends.size(); ++i) {
    if (ends[i].used) continue;
    std::vector<TopoDS_Edge> loop;
    if (ends[i].closed) {
      ends[i].used = true;
      loop.push_back(ends[i].edge);
    } else {
      loop = chainFrom(ends, i);
    }
    if (loop.empty()) continue;
    try {
      const TopoDS_Wire wire = wireOf(loop);
      if (wire.IsNull()) continue;
      if (std::optional<TopoDS_Face> face = faceOf(wire, preferredNormal)) faces.push_back(*face);
    } catch (const Standard_Failure&) {
      continue;
    }
  }
  return faces;
}

}  // namespace brep
