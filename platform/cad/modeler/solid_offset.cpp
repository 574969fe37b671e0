#include <BRepOffsetAPI_MakeOffsetShape.hxx>
#include <Standard_Failure.hxx>

#include <cmath>

#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/modeler_operations.h"

namespace brep {
namespace {

// The true offset of a shape has the box of the shape grown by the distance
// (outwards), or lies inside the box shrunk by it (inwards): a result that does
// not is a failed offset, however valid it looks.
bool boxFitsOffset(const Bnd_Box& before, const Bnd_Box& after, double distance) {
  if (after.IsVoid()) return false;
  const double tolerance = 1e-3 * std::fabs(distance) + 1e-6;
  const gp_XYZ low = before.CornerMin().XYZ(), high = before.CornerMax().XYZ();
  const gp_XYZ newLow = after.CornerMin().XYZ(), newHigh = after.CornerMax().XYZ();
  for (int axis = 1; axis <= 3; ++axis) {
    const double expectLow = low.Coord(axis) - distance, expectHigh = high.Coord(axis) + distance;
    if (distance > 0.0) {
      if (std::fabs(newLow.Coord(axis) - expectLow) > tolerance) return false;
      if (std::fabs(newHigh.Coord(axis) - expectHigh) > tolerance) return false;
    } else {
      if (newLow.Coord(axis) < expectLow - tolerance || newHigh.Coord(axis) > expectHigh + tolerance) return false;
    }
  }
  return true;
}

bool shrinksAway(const Bnd_Box& box, double distance) {
  if (distance >= 0.0) return false;
  const gp_XYZ size = box.CornerMax().XYZ() - box.CornerMin().XYZ();
  return size.X() <= -2 * distance || size.Y() <= -2 * distance || size.Z() <= -2 * distance;
}

}  // namespace

Acad::ErrorStatus offsetOf(const TopoDS_Shape& solid, double distance, TopoDS_Shape& result) {
  if (!hasSolids(solid) || !std::isfinite(distance)) return Acad::eInvalidInput;
  if (distance == 0.0) {
    result = solid;
    return Acad::eOk;
  }
  const Bnd_Box before = tightBox(solid);
  if (shrinksAway(before, distance)) return Acad::eGeneralModelingFailure;
  try {
    BRepOffsetAPI_MakeOffsetShape maker;
    maker.PerformByJoin(solid, distance, 1e-7, BRepOffset_Skin, Standard_False, Standard_False, GeomAbs_Arc);
    if (!maker.IsDone()) return Acad::eGeneralModelingFailure;
    const TopoDS_Shape made = solidsCompound(maker.Shape());
    if (made.IsNull() || !isValid(made)) return Acad::eGeneralModelingFailure;
    const double volumeBefore = volumeOf(solid), volumeAfter = volumeOf(made);
    if (volumeAfter <= 0.0 || (distance > 0.0) != (volumeAfter > volumeBefore)) return Acad::eGeneralModelingFailure;
    if (!boxFitsOffset(before, tightBox(made), distance)) return Acad::eGeneralModelingFailure;
    result = made;
    return Acad::eOk;
  } catch (const Standard_Failure&) {
    return Acad::eGeneralModelingFailure;
  }
}

}  // namespace brep
