#include "platform/cad/modeler/section/section_surface_cuts.h"

#include <BRepAdaptor_Surface.hxx>
#include <ElCLib.hxx>
#include <ElSLib.hxx>
#include <IntAna_QuadQuadGeo.hxx>
#include <Precision.hxx>

namespace brep {

ElementarySurface ElementarySurface::of(const TopoDS_Face& face) {
  ElementarySurface surface;
  BRepAdaptor_Surface adaptor(face, Standard_False);
  surface.type = adaptor.GetType();
  switch (surface.type) {
    case GeomAbs_Plane:
      surface.plane = adaptor.Plane();
      break;
    case GeomAbs_Cylinder:
      surface.cylinder = adaptor.Cylinder();
      break;
    case GeomAbs_Cone:
      surface.cone = adaptor.Cone();
      break;
    case GeomAbs_Sphere:
      surface.sphere = adaptor.Sphere();
      break;
    case GeomAbs_Torus:
      surface.torus = adaptor.Torus();
      break;
    default:
      break;
  }
  return surface;
}

namespace {

template <typename Surface>
gp_Vec normalOn(const Surface& surface, const gp_Pnt& point) {
  double u = 0.0, v = 0.0;
  ElSLib::Parameters(surface, point, u, v);
  gp_Pnt at;
  gp_Vec du, dv;
  ElSLib::D1(u, v, surface, at, du, dv);
  return du.Crossed(dv);
}

}  // namespace

gp_Vec ElementarySurface::normalAt(const gp_Pnt& point) const {
  switch (type) {
    case GeomAbs_Plane:
      return normalOn(plane, point);
    case GeomAbs_Cylinder:
      return normalOn(cylinder, point);
    case GeomAbs_Cone:
      return normalOn(cone, point);
    case GeomAbs_Sphere:
      return normalOn(sphere, point);
    case GeomAbs_Torus:
      return normalOn(torus, point);
    default:
      return gp_Vec();
  }
}

double CutCurve::parameterOf(const gp_Pnt& point) const {
  switch (kind) {
    case CutKind::kLine:
      return ElCLib::Parameter(line, point);
    case CutKind::kCircle:
      return ElCLib::Parameter(circle, point);
    case CutKind::kEllipse:
      return ElCLib::Parameter(ellipse, point);
  }
  return 0.0;
}

gp_Pnt CutCurve::value(double t) const {
  switch (kind) {
    case CutKind::kLine:
      return ElCLib::Value(t, line);
    case CutKind::kCircle:
      return ElCLib::Value(t, circle);
    case CutKind::kEllipse:
      return ElCLib::Value(t, ellipse);
  }
  return gp_Pnt();
}

gp_Vec CutCurve::tangent(double t) const {
  gp_Pnt point;
  gp_Vec along;
  switch (kind) {
    case CutKind::kLine:
      return gp_Vec(line.Direction());
    case CutKind::kCircle:
      ElCLib::D1(t, circle, point, along);
      break;
    case CutKind::kEllipse:
      ElCLib::D1(t, ellipse, point, along);
      break;
  }
  return along;
}

std::optional<std::vector<CutCurve>> cutCurves(const ElementarySurface& surface, const gp_Pln& plane) {
  constexpr double kAngular = 1e-12;
  // Closer to tangent than this, a cut is taken for a touch.
  constexpr double kGrazing = 1e-6;
  const double tolerance = Precision::Confusion();
  IntAna_QuadQuadGeo meeting;
  switch (surface.type) {
    case GeomAbs_Plane:
      meeting.Perform(plane, surface.plane, kAngular, tolerance);
      break;
    case GeomAbs_Cylinder:
      meeting.Perform(plane, surface.cylinder, kAngular, tolerance);
      break;
    case GeomAbs_Cone:
      meeting.Perform(plane, surface.cone, kAngular, tolerance);
      break;
    case GeomAbs_Sphere:
      meeting.Perform(plane, surface.sphere);
      break;
    case GeomAbs_Torus:
      meeting.Perform(plane, surface.torus, tolerance);
      break;
    default:
      return std::nullopt;
  }
  if (!meeting.IsDone()) return std::nullopt;
  std::vector<CutCurve> curves;
  const int count = meeting.NbSolutions();
  switch (meeting.TypeInter()) {
    case IntAna_Empty:
      return curves;
    case IntAna_Line:
      // One line across a plane, two along a cylinder (one: where the plane touches it).
      if (count != (surface.type == GeomAbs_Plane ? 1 : surface.type == GeomAbs_Cylinder ? 2 : 0)) {
        return std::nullopt;
      }
      for (int i = 1; i <= count; ++i) curves.push_back(CutCurve{CutKind::kLine, meeting.Line(i), {}, {}});
      break;
    case IntAna_Circle:
      for (int i = 1; i <= count; ++i) {
        if (meeting.Circle(i).Radius() <= tolerance) return std::nullopt;
        curves.push_back(CutCurve{CutKind::kCircle, {}, meeting.Circle(i), {}});
      }
      break;
    case IntAna_Ellipse:
      for (int i = 1; i <= count; ++i) curves.push_back(CutCurve{CutKind::kEllipse, {}, {}, meeting.Ellipse(i)});
      break;
    default:
      return std::nullopt;
  }
  // Where the surface lies flat on the plane along a curve, the plane touches it there.
  const gp_Vec planeNormal(plane.Axis().Direction());
  for (const CutCurve& curve : curves) {
    const gp_Vec normal = surface.normalAt(curve.value(0.0));
    if (normal.Magnitude() < tolerance || normal.Normalized().Crossed(planeNormal).Magnitude() < kGrazing) {
      return std::nullopt;
    }
  }
  return curves;
}

}  // namespace brep
