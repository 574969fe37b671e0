// The curves where a plane cuts the elementary surfaces a solid's faces lie on.
#pragma once

#include <GeomAbs_SurfaceType.hxx>
#include <TopoDS_Face.hxx>
#include <gp_Circ.hxx>
#include <gp_Cone.hxx>
#include <gp_Cylinder.hxx>
#include <gp_Elips.hxx>
#include <gp_Lin.hxx>
#include <gp_Pln.hxx>
#include <gp_Sphere.hxx>
#include <gp_Torus.hxx>
#include <gp_Vec.hxx>

#include <optional>
#include <vector>

namespace brep {

// A face's surface, placed: a plane, cylinder, cone, sphere or torus (another type
// is kept as its type alone).
struct ElementarySurface {
  GeomAbs_SurfaceType type = GeomAbs_OtherSurface;
  gp_Pln plane;
  gp_Cylinder cylinder;
  gp_Cone cone;
  gp_Sphere sphere;
  gp_Torus torus;

  static ElementarySurface of(const TopoDS_Face& face);
  // The normal as the surface is parametrised (not as a face on it faces), at a
  // point on it; a zero vector for another type.
  gp_Vec normalAt(const gp_Pnt& point) const;
};

enum class CutKind { kLine, kCircle, kEllipse };

// A line, circle or ellipse where a plane cuts a surface.
struct CutCurve {
  CutKind kind = CutKind::kLine;
  gp_Lin line;
  gp_Circ circle;
  gp_Elips ellipse;

  double parameterOf(const gp_Pnt& point) const;
  gp_Pnt value(double t) const;
  gp_Vec tangent(double t) const;
  bool closed() const { return kind != CutKind::kLine; }
};

// The curves where the plane crosses the surface (none when it misses). Nothing
// where the plane touches the surface, or cuts it in curves of other kinds.
std::optional<std::vector<CutCurve>> cutCurves(const ElementarySurface& surface, const gp_Pln& plane);

}  // namespace brep
