#include <BRepAlgoAPI_Common.hxx>
#include <BRepAlgoAPI_Section.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <ElSLib.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/modeler_operations.h"
#include "platform/cad/modeler/section/section_loops.h"
#include "platform/cad/modeler/section/section_slicer.h"

namespace brep {
namespace {

// A rectangle of the plane that covers the box's shadow on it, when the plane
// crosses the box.
std::optional<TopoDS_Face> planePatch(const gp_Pln& plane, const Bnd_Box& box) {
  const gp_Pnt low = box.CornerMin(), high = box.CornerMax();
  double uMin = 1e300, uMax = -1e300, vMin = 1e300, vMax = -1e300;
  double below = 1e300, above = -1e300;
  const gp_Dir normal = plane.Axis().Direction();
  for (int corner = 0; corner < 8; ++corner) {
    const gp_Pnt p(corner & 1 ? high.X() : low.X(), corner & 2 ? high.Y() : low.Y(), corner & 4 ? high.Z() : low.Z());
    double u = 0.0, v = 0.0;
    ElSLib::Parameters(plane, p, u, v);
    uMin = std::min(uMin, u), uMax = std::max(uMax, u);
    vMin = std::min(vMin, v), vMax = std::max(vMax, v);
    const double side = gp_Vec(plane.Location(), p).Dot(gp_Vec(normal));
    below = std::min(below, side), above = std::max(above, side);
  }
  constexpr double kTouch = 1e-9;
  if (below > kTouch || above < -kTouch) return std::nullopt;
  const double margin = 1.0 + 0.1 * low.Distance(high);
  return BRepBuilderAPI_MakeFace(plane, uMin - margin, uMax + margin, vMin - margin, vMax + margin).Face();
}

// The section the general way: a boolean section of the whole solid, its edges
// closed into faces; a null shape when they make none.
TopoDS_Shape facesFromBooleanSection(const TopoDS_Shape& solid, const gp_Pln& plane) {
  BRepAlgoAPI_Section section(solid, plane, Standard_False);
  section.Approximation(Standard_True);
  section.Build();
  if (!section.IsDone() || section.HasErrors()) return TopoDS_Shape();
  std::vector<TopoDS_Edge> edges;
  for (TopExp_Explorer it(section.Shape(), TopAbs_EDGE); it.More(); it.Next())
    edges.push_back(TopoDS::Edge(it.Current()));
  return facesFromSectionEdges(edges, plane);
}

// Sections come in runs on one solid (one per machining level): the solid stays
// prepared until another is cut.
const SolidSlicer& slicerFor(const TopoDS_Shape& solid) {
  thread_local std::unique_ptr<SolidSlicer> last;
  if (last == nullptr || !last->solid().IsEqual(solid)) {
    last.reset();
    last = std::make_unique<SolidSlicer>(solid);
  }
  return *last;
}

}  // namespace

Acad::ErrorStatus sectionOf(const TopoDS_Shape& solid, const gp_Pln& plane, TopoDS_Shape& faces) {
  faces.Nullify();
  if (!hasSolids(solid)) return Acad::eInvalidInput;
  try {
    const SolidSlicer& slicer = slicerFor(solid);
    const std::optional<TopoDS_Face> patch = planePatch(plane, slicer.box());
    if (!patch) return Acad::eOk;
    if (const std::optional<std::vector<TopoDS_Edge>> edges = slicer.sectionEdges(plane)) {
      if (edges->empty()) return Acad::eOk;
      faces = facesFromSectionEdges(*edges, plane);
      if (!faces.IsNull()) return Acad::eOk;
    }
    faces = facesFromBooleanSection(solid, plane);
    if (!faces.IsNull()) return Acad::eOk;
    // Cutting a plane patch by the solid is slower, but sure where the edges do not close.
    BRepAlgoAPI_Common common(solid, *patch);
    if (!common.IsDone() || common.HasErrors()) return Acad::eGeneralModelingFailure;
    faces = facesCompound(common.Shape());
    return Acad::eOk;
  } catch (const Standard_Failure&) {
    return Acad::eGeneralModelingFailure;
  }
}

}  // namespace brep
