#include "platform/cad/modeler/brep/brep_draw.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRepTools.hxx>
#include <BRep_Tool.hxx>
#include <GCPnts_QuasiUniformDeflection.hxx>
#include <Poly_Triangulation.hxx>
#include <Standard_Failure.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <gp_Circ.hxx>

#include <cmath>
#include <vector>

#include "platform/cad/db/graphics/gi_world_draw.h"
#include "platform/cad/modeler/brep/brep_shape.h"

namespace brep {
namespace {

constexpr double kAngularDeflection = 0.5;

double sizeOf(const TopoDS_Shape& shape, gp_Pnt& center) {
  const Bnd_Box box = tightBox(shape);
  if (box.IsVoid()) return 1.0;
  const gp_Pnt low = box.CornerMin(), high = box.CornerMax();
  center = gp_Pnt((low.XYZ() + high.XYZ()) * 0.5);
  return std::max(low.Distance(high), 1e-6);
}

double deviationFor(const TopoDS_Shape& shape, AcGiWorldDraw& mode, AcGiDeviationType type) {
  gp_Pnt center;
  const double size = sizeOf(shape, center);
  const double asked = mode.deviation(type, toPoint(center));
  return asked > 0.0 ? asked : size * 1e-3;
}

// False when the draw was aborted.
bool drawFace(const TopoDS_Face& face, Adesk::GsMarker marker, AcGiWorldDraw& mode) {
  TopLoc_Location location;
  const Handle(Poly_Triangulation)& mesh = BRep_Tool::Triangulation(face, location);
  if (mesh.IsNull() || mesh->NbTriangles() == 0) return true;
  const gp_Trsf& trsf = location.Transformation();
  std::vector<AcGePoint3d> points;
  points.reserve(static_cast<std::size_t>(mesh->NbNodes()));
  for (int i = 1; i <= mesh->NbNodes(); ++i) points.push_back(toPoint(mesh->Node(i).Transformed(trsf)));
  const bool reversed = face.Orientation() == TopAbs_REVERSED;
  std::vector<Adesk::Int32> faceList;
  faceList.reserve(static_cast<std::size_t>(mesh->NbTriangles()) * 4);
  for (int i = 1; i <= mesh->NbTriangles(); ++i) {
    int a = 0, b = 0, c = 0;
    mesh->Triangle(i).Get(a, b, c);
    if (reversed) std::swap(b, c);
    faceList.insert(faceList.end(), {3, a - 1, b - 1, c - 1});
  }
  mode.subEntityTraits().setSelectionMarker(marker);
  return !mode.geometry().shell(static_cast<Adesk::UInt32>(points.size()), points.data(),
                                static_cast<Adesk::UInt32>(faceList.size()), faceList.data());
}

bool drawEdge(const TopoDS_Edge& edge, Adesk::GsMarker marker, double deviation, AcGiWorldDraw& mode) {
  if (BRep_Tool::Degenerated(edge)) return true;
  BRepAdaptor_Curve curve(edge);
  mode.subEntityTraits().setSelectionMarker(marker);
  const double first = curve.FirstParameter(), last = curve.LastParameter();
  if (curve.GetType() == GeomAbs_Circle) {
    const gp_Circ circ = curve.Circle();
    const AcGePoint3d center = toPoint(circ.Location());
    const AcGeVector3d normal = toVector(circ.Axis().Direction());
    if (std::fabs(last - first - 2 * M_PI) < 1e-9) return !mode.geometry().circle(center, circ.Radius(), normal);
    const AcGeVector3d startVector = toPoint(curve.Value(first)) - center;
    return !mode.geometry().circularArc(center, circ.Radius(), normal, startVector, last - first);
  }
  std::vector<AcGePoint3d> points;
  if (curve.GetType() == GeomAbs_Line) {
    points = {toPoint(curve.Value(first)), toPoint(curve.Value(last))};
  } else {
    GCPnts_QuasiUniformDeflection sampler(curve, deviation, first, last);
    if (!sampler.IsDone()) return true;
    for (int i = 1; i <= sampler.NbPoints(); ++i) points.push_back(toPoint(sampler.Value(i)));
  }
  if (points.size() < 2) return true;
  return !mode.geometry().polyline(static_cast<Adesk::UInt32>(points.size()), points.data());
}

bool wantsFaces(AcGiRegenType regen) { return regen == kAcGiHideOrShadeCommand || regen == kAcGiRenderCommand; }

}  // namespace

void drawShape(const TopoDS_Shape& shape, AcGiWorldDraw& mode) {
  if (shape.IsNull()) return;
  try {
    const TopTools_IndexedMapOfShape faces = faceMap(shape);
    if (wantsFaces(mode.regenType())) {
      const double deviation = deviationFor(shape, mode, kAcGiMaxDevForFacet);
      // A finer mesh left from an earlier draw would stay: each draw gets the deviation it asks for.
      BRepTools::Clean(shape);
      BRepMesh_IncrementalMesh(shape, deviation, Standard_False, kAngularDeflection, Standard_False);
      for (int i = 1; i <= faces.Extent(); ++i) {
        if (mode.regenAbort() || !drawFace(TopoDS::Face(faces(i)), i, mode)) return;
      }
      return;
    }
    const double deviation = deviationFor(shape, mode, kAcGiMaxDevForCurve);
    const TopTools_IndexedMapOfShape edges = edgeMap(shape);
    for (int i = 1; i <= edges.Extent(); ++i) {
      if (mode.regenAbort() || !drawEdge(TopoDS::Edge(edges(i)), faces.Extent() + i, deviation, mode)) return;
    }
  } catch (const Standard_Failure&) {
    // A shape that cannot be drawn draws nothing more.
  }
}

}  // namespace brep
