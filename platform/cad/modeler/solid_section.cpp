#include <BOPAlgo_Tools.hxx>
#include <BRepAlgoAPI_Common.hxx>
#include <BRepAlgoAPI_Section.hxx>
#include <BRep_Builder.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS_Compound.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <ElSLib.hxx>
#include <TopoDS_Face.hxx>
#include <Standard_Failure.hxx>

#include <algorithm>
#include <vector>
#include <optional>

#include "platform/cad/modeler/brep_shape.h"
#include "platform/cad/modeler/modeler_operations.h"

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

bool encloses(const Bnd_Box& outer, const Bnd_Box& inner) {
  const gp_XYZ low = outer.CornerMin().XYZ(), high = outer.CornerMax().XYZ();
  const gp_XYZ innerLow = inner.CornerMin().XYZ(), innerHigh = inner.CornerMax().XYZ();
  constexpr double kSlack = 1e-7;
  for (int axis = 1; axis <= 3; ++axis) {
    if (innerLow.Coord(axis) < low.Coord(axis) - kSlack || innerHigh.Coord(axis) > high.Coord(axis) + kSlack) {
      return false;
    }
  }
  return true;
}

// The section's edges closed into faces, each turned to face the plane's normal; a
// null shape when they make none.
TopoDS_Shape facesFromSection(const TopoDS_Shape& solid, const gp_Pln& plane) {
  BRepAlgoAPI_Section section(solid, plane, Standard_False);
  section.Approximation(Standard_False);
  section.Build();
  if (!section.IsDone() || section.HasErrors()) return TopoDS_Shape();
  TopoDS_Compound edges;
  BRep_Builder builder;
  builder.MakeCompound(edges);
  bool any = false;
  for (TopExp_Explorer it(section.Shape(), TopAbs_EDGE); it.More(); it.Next(), any = true) builder.Add(edges, it.Current());
  if (!any) return TopoDS_Shape();
  TopoDS_Shape wires, faces;
  if (BOPAlgo_Tools::EdgesToWires(edges, wires, Standard_True) != 0) return TopoDS_Shape();
  if (!BOPAlgo_Tools::WiresToFaces(wires, faces)) return TopoDS_Shape();
  // Loops inside loops (islands, holes) come out as faces of their own here: those
  // sections take the slower way.
  std::vector<Bnd_Box> boxes;
  for (TopExp_Explorer it(faces, TopAbs_FACE); it.More(); it.Next()) boxes.push_back(tightBox(it.Current()));
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    for (std::size_t j = 0; j < boxes.size(); ++j) {
      if (i != j && encloses(boxes[i], boxes[j])) return TopoDS_Shape();
    }
  }
  TopoDS_Compound turned;
  builder.MakeCompound(turned);
  const gp_Dir normal = plane.Axis().Direction();
  for (TopExp_Explorer it(faces, TopAbs_FACE); it.More(); it.Next()) {
    gp_Dir faceDir;
    gp_Pnt origin;
    if (!faceNormal(it.Current(), faceDir, origin)) return TopoDS_Shape();
    builder.Add(turned, faceDir.Dot(normal) > 0.0 ? it.Current() : it.Current().Reversed());
  }
  const TopoDS_Shape result = facesCompound(turned);
  return !result.IsNull() && areaOf(result) > 0.0 ? result : TopoDS_Shape();
}

}  // namespace

Acad::ErrorStatus sectionOf(const TopoDS_Shape& solid, const gp_Pln& plane, TopoDS_Shape& faces) {
  faces.Nullify();
  if (!hasSolids(solid)) return Acad::eInvalidInput;
  try {
    const std::optional<TopoDS_Face> patch = planePatch(plane, tightBox(solid));
    if (!patch) return Acad::eOk;
    faces = facesFromSection(solid, plane);
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
