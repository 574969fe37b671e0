#include <BRepAlgoAPI_Common.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepOffsetAPI_ThruSections.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCone.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <BRepPrimAPI_MakeSphere.hxx>
#include <BRepPrimAPI_MakeTorus.hxx>
#include <Standard_Failure.hxx>
#include <gce_MakeCirc.hxx>
#include <gp_Circ.hxx>
#include <gp_Elips.hxx>

#include <cmath>
#include <functional>

#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/modeler_operations.h"

namespace brep {
namespace {

bool positive(double value) { return value > 0.0 && std::isfinite(value); }

Acad::ErrorStatus build(const std::function<TopoDS_Shape()>& make, TopoDS_Shape& result) {
  try {
    TopoDS_Shape made = make();
    if (made.IsNull()) return Acad::eGeneralModelingFailure;
    result = made;
    return Acad::eOk;
  } catch (const Standard_Failure&) {
    return Acad::eGeneralModelingFailure;
  }
}

// Ruled between the base ellipse and the top one (or the apex).
TopoDS_Shape ellipticFrustum(double height, double xRadius, double yRadius, double topXRadius) {
  auto ellipseWire = [&](double z, double scale) {
    const bool alongX = xRadius >= yRadius;
    const gp_Ax2 axes(gp_Pnt(0, 0, z), gp::DZ(), alongX ? gp::DX() : gp::DY());
    const gp_Elips ellipse(axes, std::max(xRadius, yRadius) * scale, std::min(xRadius, yRadius) * scale);
    return BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(ellipse).Edge()).Wire();
  };
  BRepOffsetAPI_ThruSections loft(Standard_True, Standard_True);
  loft.AddWire(ellipseWire(-height / 2, 1.0));
  if (topXRadius > 0.0) {
    loft.AddWire(ellipseWire(height / 2, topXRadius / xRadius));
  } else {
    loft.AddVertex(BRepBuilderAPI_MakeVertex(gp_Pnt(0, 0, height / 2)).Vertex());
  }
  loft.Build();
  return loft.IsDone() ? loft.Shape() : TopoDS_Shape();
}

}  // namespace

Acad::ErrorStatus makeBox(double xLen, double yLen, double zLen, TopoDS_Shape& result) {
  if (!positive(xLen) || !positive(yLen) || !positive(zLen)) return Acad::eInvalidInput;
  return build([&] { return BRepPrimAPI_MakeBox(gp_Pnt(-xLen / 2, -yLen / 2, -zLen / 2), xLen, yLen, zLen).Shape(); },
               result);
}

Acad::ErrorStatus makeWedge(double xLen, double yLen, double zLen, TopoDS_Shape& result) {
  if (!positive(xLen) || !positive(yLen) || !positive(zLen)) return Acad::eInvalidInput;
  return build(
      [&] {
        const double x = xLen / 2, y = yLen / 2, z = zLen / 2;
        BRepBuilderAPI_MakePolygon profile(gp_Pnt(-x, -y, -z), gp_Pnt(x, -y, -z), gp_Pnt(-x, -y, z), Standard_True);
        const TopoDS_Face face = BRepBuilderAPI_MakeFace(profile.Wire(), Standard_True).Face();
        return BRepPrimAPI_MakePrism(face, gp_Vec(0, yLen, 0)).Shape();
      },
      result);
}

Acad::ErrorStatus makeFrustum(double height, double xRadius, double yRadius, double topXRadius, TopoDS_Shape& result) {
  if (!positive(height) || !positive(xRadius) || !positive(yRadius) || topXRadius < 0.0 || !std::isfinite(topXRadius)) {
    return Acad::eInvalidInput;
  }
  return build(
      [&] {
        const gp_Ax2 axis(gp_Pnt(0, 0, -height / 2), gp::DZ());
        if (std::fabs(yRadius - xRadius) < 1e-12) {
          return std::fabs(topXRadius - xRadius) < 1e-12
                     ? BRepPrimAPI_MakeCylinder(axis, xRadius, height).Shape()
                     : BRepPrimAPI_MakeCone(axis, xRadius, topXRadius, height).Shape();
        }
        return ellipticFrustum(height, xRadius, yRadius, topXRadius);
      },
      result);
}

Acad::ErrorStatus makeSphere(double radius, TopoDS_Shape& result) {
  if (!positive(radius)) return Acad::eInvalidInput;
  return build([&] { return BRepPrimAPI_MakeSphere(gp_Pnt(0, 0, 0), radius).Shape(); }, result);
}

Acad::ErrorStatus makeTorus(double majorRadius, double minorRadius, TopoDS_Shape& result) {
  if (!positive(majorRadius) || !positive(minorRadius)) return Acad::eInvalidInput;
  if (majorRadius > minorRadius) {
    return build([&] { return BRepPrimAPI_MakeTorus(gp_Ax2(), majorRadius, minorRadius).Shape(); }, result);
  }
  // The circle crosses the axis: sweep only the part of its disc on one side.
  return build(
      [&] {
        const gp_Circ circle(gp_Ax2(gp_Pnt(majorRadius, 0, 0), gp::DY()), minorRadius);
        const TopoDS_Wire ring = BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(circle).Edge()).Wire();
        const TopoDS_Face disc = BRepBuilderAPI_MakeFace(ring, Standard_True).Face();
        const double reach = majorRadius + minorRadius + 1.0;
        const TopoDS_Face halfPlane =
            BRepBuilderAPI_MakeFace(gp_Pln(gp_Ax3(gp::Origin(), gp::DY(), gp::DX())), 0.0, reach, -reach, reach).Face();
        BRepAlgoAPI_Common common(disc, halfPlane);
        const TopoDS_Shape half = facesCompound(common.Shape());
        if (half.IsNull()) return TopoDS_Shape();
        return BRepPrimAPI_MakeRevol(half, gp::OZ()).Shape();
      },
      result);
}

}  // namespace brep
