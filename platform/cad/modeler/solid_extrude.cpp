#include <BRepAdaptor_Surface.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepOffsetAPI_DraftAngle.hxx>
#include <BRepOffsetAPI_MakeOffset.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepTools.hxx>
#include <LocOpe_DPrism.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

#include <cmath>

#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/brep/loop_faces.h"
#include "platform/cad/modeler/modeler_operations.h"

namespace brep {
namespace {

constexpr double kHalfPi = 1.5707963267948966;

// The drafted prism rises along its face's plane axis, measuring its height along
// the slope: it is made that way and mirrored across the face when it went the
// wrong way.
TopoDS_Shape draftedPrism(const TopoDS_Face& face, const gp_Dir& direction, const gp_Pnt& origin, double height,
                          double taperAngle) {
  LocOpe_DPrism prism(face, height / std::cos(taperAngle), taperAngle);
  if (!prism.IsDone()) return TopoDS_Shape();
  const TopoDS_Shape made = solidsCompound(prism.Shape());
  if (made.IsNull()) return made;
  const Bnd_Box box = tightBox(made);
  const gp_Pnt middle((box.CornerMin().XYZ() + box.CornerMax().XYZ()) * 0.5);
  if (gp_Vec(origin, middle).Dot(gp_Vec(direction)) >= 0.0) return made;
  gp_Trsf mirror;
  mirror.SetMirror(gp_Ax2(origin, direction));
  return BRepBuilderAPI_Transform(made, mirror, Standard_True).Shape();
}

// A face of its own for one loop of a face, facing the normal.
TopoDS_Face loopFace(const TopoDS_Wire& loop, const gp_Pln& plane) {
  TopoDS_Wire wire = loop;
  if (signedArea(wire, plane) < 0.0) wire.Reverse();
  return BRepBuilderAPI_MakeFace(plane, wire, Standard_True).Face();
}

// One loop swept with its sides leaning in (positive angle) or out. Leaning out is
// made as the loop grown (sharp corners) at the far end, leaning in back towards
// the start.
TopoDS_Shape taperedLoop(const TopoDS_Face& loop, const gp_Dir& direction, const gp_Pnt& origin, double height,
                         double angle) {
  if (angle > 0.0) return draftedPrism(loop, direction, origin, height, angle);
  BRepOffsetAPI_MakeOffset grow(loop, GeomAbs_Intersection);
  grow.Perform(height * std::tan(-angle));
  if (!grow.IsDone()) return TopoDS_Shape();
  TopExp_Explorer grown(grow.Shape(), TopAbs_WIRE);
  if (!grown.More()) return TopoDS_Shape();
  const gp_Vec lift = gp_Vec(direction) * height;
  gp_Trsf move;
  move.SetTranslation(lift);
  const TopoDS_Wire far = TopoDS::Wire(BRepBuilderAPI_Transform(grown.Current(), move, Standard_True).Shape());
  const gp_Pnt farOrigin = origin.Translated(lift);
  const TopoDS_Face farLoop = loopFace(far, gp_Pln(farOrigin, direction));
  return draftedPrism(farLoop, direction.Reversed(), farOrigin, height, -angle);
}

TopoDS_Shape extrudeFace(const TopoDS_Face& face, double height, double taperAngle) {
  gp_Dir normal;
  gp_Pnt origin;
  if (!faceNormal(face, normal, origin)) return TopoDS_Shape();
  if (taperAngle == 0.0) return BRepPrimAPI_MakePrism(face, gp_Vec(normal) * height).Shape();
  const gp_Dir direction = height > 0.0 ? normal : normal.Reversed();
  // Each loop is swept on its own; holes lean the other way and are cut out.
  const gp_Pln plane(origin, direction);
  const TopoDS_Wire outer = BRepTools::OuterWire(face);
  TopoDS_Shape solid = taperedLoop(loopFace(outer, plane), direction, origin, std::fabs(height), taperAngle);
  for (TopExp_Explorer it(face, TopAbs_WIRE); it.More() && !solid.IsNull(); it.Next()) {
    if (it.Current().IsSame(outer)) continue;
    const TopoDS_Shape hole =
        taperedLoop(loopFace(TopoDS::Wire(it.Current()), plane), direction, origin, std::fabs(height), -taperAngle);
    if (hole.IsNull()) return hole;
    BRepAlgoAPI_Cut cut(solid, hole);
    if (!cut.IsDone() || cut.HasErrors()) return TopoDS_Shape();
    solid = solidsCompound(unified(cut.Shape()));
  }
  return solid;
}

}  // namespace

bool faceNormal(const TopoDS_Shape& shape, gp_Dir& normal, gp_Pnt& origin) {
  if (shape.IsNull() || shape.ShapeType() != TopAbs_FACE) return false;
  BRepAdaptor_Surface surface(TopoDS::Face(shape));
  if (surface.GetType() != GeomAbs_Plane) return false;
  const gp_Pln plane = surface.Plane();
  normal = plane.Axis().Direction();
  // The surface faces along X cross Y, which is against the axis on left-handed axes.
  if (!plane.Position().Direct()) normal.Reverse();
  if (shape.Orientation() == TopAbs_REVERSED) normal.Reverse();
  origin = plane.Location();
  return true;
}

Acad::ErrorStatus extrusionOf(const TopoDS_Shape& faces, double height, double taperAngle, TopoDS_Shape& result) {
  if (!hasFaces(faces) || !std::isfinite(height) || height == 0.0 || !std::isfinite(taperAngle) ||
      std::fabs(taperAngle) >= kHalfPi) {
    return Acad::eInvalidInput;
  }
  try {
    TopoDS_Shape total;
    for (TopExp_Explorer it(faces, TopAbs_FACE); it.More(); it.Next()) {
      const TopoDS_Shape piece = extrudeFace(TopoDS::Face(it.Current()), height, taperAngle);
      if (piece.IsNull() || !isValid(piece) || volumeOf(piece) <= 0.0) return Acad::eGeneralModelingFailure;
      if (total.IsNull()) {
        total = piece;
        continue;
      }
      BRepAlgoAPI_Fuse fuse(total, piece);
      if (!fuse.IsDone() || fuse.HasErrors()) return Acad::eGeneralModelingFailure;
      total = solidsCompound(unified(fuse.Shape()));
    }
    if (total.IsNull()) return Acad::eGeneralModelingFailure;
    result = total;
    return Acad::eOk;
  } catch (const Standard_Failure&) {
    return Acad::eGeneralModelingFailure;
  }
}

Acad::ErrorStatus taperOf(const TopoDS_Shape& solid, const std::vector<int>& faces, const gp_Pnt& basePoint,
                          const gp_Dir& draftDirection, double angle, TopoDS_Shape& result) {
  if (!hasSolids(solid) || faces.empty() || !std::isfinite(angle) || std::fabs(angle) >= kHalfPi) {
    return Acad::eInvalidInput;
  }
  const TopTools_IndexedMapOfShape map = faceMap(solid);
  try {
    BRepOffsetAPI_DraftAngle draft(solid);
    const gp_Pln neutral(basePoint, draftDirection);
    for (int index : faces) {
      if (index < 1 || index > map.Extent()) return Acad::eInvalidInput;
      draft.Add(TopoDS::Face(map(index)), draftDirection, angle, neutral);
      if (!draft.AddDone()) return Acad::eGeneralModelingFailure;
    }
    draft.Build();
    if (!draft.IsDone()) return Acad::eGeneralModelingFailure;
    const TopoDS_Shape made = solidsCompound(draft.Shape());
    if (made.IsNull() || !isValid(made) || volumeOf(made) <= 0.0) return Acad::eGeneralModelingFailure;
    result = made;
    return Acad::eOk;
  } catch (const Standard_Failure&) {
    return Acad::eGeneralModelingFailure;
  }
}

}  // namespace brep
