#include "platform/cad/modeler/brep/curve_edges.h"

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_Circle.hxx>
#include <Geom_Ellipse.hxx>
#include <Standard_Failure.hxx>
#include <TColStd_Array1OfInteger.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TColgp_Array1OfPnt.hxx>

#include <cmath>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/modeler/brep/brep_shape.h"

namespace brep {
namespace {

constexpr double kTwoPi = 6.283185307179586;

bool addEdge(BRepBuilderAPI_MakeEdge&& maker, std::vector<TopoDS_Edge>& edges) {
  if (!maker.IsDone()) return false;
  edges.push_back(maker.Edge());
  return true;
}

bool lineEdge(const AcGePoint3d& from, const AcGePoint3d& to, std::vector<TopoDS_Edge>& edges) {
  if (from.distanceTo(to) < 1e-9) return false;
  return addEdge(BRepBuilderAPI_MakeEdge(toPnt(from), toPnt(to)), edges);
}

gp_Ax2 ecsAxes(const AcGePoint3d& center, const AcGeVector3d& normal) {
  return gp_Ax2(toPnt(center), toDir(normal), toDir(acgeEcsXAxis(normal)));
}

bool arcEdges(const AcDbArc* arc, std::vector<TopoDS_Edge>& edges) {
  double start = arc->startAngle(), end = arc->endAngle();
  while (end <= start) end += kTwoPi;
  Handle(Geom_Circle) circle = new Geom_Circle(ecsAxes(arc->center(), arc->normal()), arc->radius());
  return addEdge(BRepBuilderAPI_MakeEdge(circle, start, end), edges);
}

bool circleEdges(const AcDbCircle* circle, std::vector<TopoDS_Edge>& edges) {
  Handle(Geom_Circle) geom = new Geom_Circle(ecsAxes(circle->center(), circle->normal()), circle->radius());
  return addEdge(BRepBuilderAPI_MakeEdge(geom), edges);
}

bool ellipseEdges(const AcDbEllipse* ellipse, std::vector<TopoDS_Edge>& edges) {
  const AcGeVector3d major = ellipse->majorAxis();
  const double majorRadius = major.length();
  const double minorRadius = majorRadius * ellipse->radiusRatio();
  if (majorRadius < 1e-12 || minorRadius < 1e-12) return false;
  gp_Ax2 axes(toPnt(ellipse->center()), toDir(ellipse->normal()), toDir(major));
  Handle(Geom_Ellipse) geom = new Geom_Ellipse(axes, majorRadius, minorRadius);
  double start = 0.0, end = 0.0;
  ellipse->getStartParam(start);
  ellipse->getEndParam(end);
  if (std::fabs(end - start - kTwoPi) < 1e-12) return addEdge(BRepBuilderAPI_MakeEdge(geom), edges);
  return addEdge(BRepBuilderAPI_MakeEdge(geom, start, end), edges);
}

bool polylineEdges(const AcDbPolyline* polyline, std::vector<TopoDS_Edge>& edges) {
  const std::size_t before = edges.size();
  const unsigned int count = polyline->numVerts();
  for (unsigned int i = 0; i < count; ++i) {
    const AcDbPolyline::SegType type = polyline->segType(i);
    if (type != AcDbPolyline::kLine && type != AcDbPolyline::kArc) continue;
    AcGePoint3d from, middle, to;
    polyline->getPointAtParam(i, from);
    polyline->getPointAtParam(i + 0.5, middle);
    polyline->getPointAtParam(i + 1.0, to);
    if (type == AcDbPolyline::kLine) {
      lineEdge(from, to, edges);
      continue;
    }
    GC_MakeArcOfCircle arc(toPnt(from), toPnt(middle), toPnt(to));
    if (arc.IsDone()) addEdge(BRepBuilderAPI_MakeEdge(arc.Value()), edges);
  }
  return edges.size() > before;
}

bool splineEdges(const AcDbSpline* spline, std::vector<TopoDS_Edge>& edges) {
  int degree = 0;
  Adesk::Boolean rational = false, closed = false, periodic = false;
  AcGePoint3dArray points;
  AcGeDoubleArray knots, weights;
  double pointTol = 0.0, knotTol = 0.0;
  if (spline->getNurbsData(degree, rational, closed, periodic, points, knots, weights, pointTol, knotTol) !=
      Acad::eOk) {
    return false;
  }
  if (degree < 1 || points.length() < 2 || knots.length() != points.length() + degree + 1) return false;
  std::vector<double> distinct;
  std::vector<int> multiplicities;
  for (int i = 0; i < knots.length(); ++i) {
    if (!distinct.empty() && std::fabs(knots[i] - distinct.back()) < 1e-12) {
      ++multiplicities.back();
    } else {
      distinct.push_back(knots[i]);
      multiplicities.push_back(1);
    }
  }
  TColgp_Array1OfPnt poles(1, points.length());
  TColStd_Array1OfReal poleWeights(1, points.length());
  for (int i = 0; i < points.length(); ++i) {
    poles.SetValue(i + 1, toPnt(points[i]));
    poleWeights.SetValue(i + 1, rational && i < weights.length() ? weights[i] : 1.0);
  }
  TColStd_Array1OfReal knotValues(1, static_cast<int>(distinct.size()));
  TColStd_Array1OfInteger knotMults(1, static_cast<int>(distinct.size()));
  for (std::size_t i = 0; i < distinct.size(); ++i) {
    knotValues.SetValue(static_cast<int>(i) + 1, distinct[i]);
    knotMults.SetValue(static_cast<int>(i) + 1, std::min(multiplicities[i], degree + 1));
  }
  Handle(Geom_BSplineCurve) curve = rational ? new Geom_BSplineCurve(poles, poleWeights, knotValues, knotMults, degree)
                                             : new Geom_BSplineCurve(poles, knotValues, knotMults, degree);
  return addEdge(BRepBuilderAPI_MakeEdge(curve), edges);
}

}  // namespace

bool appendCurveEdges(const AcDbCurve* curve, std::vector<TopoDS_Edge>& edges) {
  if (curve == nullptr) return false;
  std::vector<TopoDS_Edge> made;
  bool ok = false;
  try {
    if (auto* line = AcDbLine::cast(curve)) {
      ok = lineEdge(line->startPoint(), line->endPoint(), made);
    } else if (auto* arc = AcDbArc::cast(curve)) {
      ok = arcEdges(arc, made);
    } else if (auto* circle = AcDbCircle::cast(curve)) {
      ok = circleEdges(circle, made);
    } else if (auto* ellipse = AcDbEllipse::cast(curve)) {
      ok = ellipseEdges(ellipse, made);
    } else if (auto* polyline = AcDbPolyline::cast(curve)) {
      ok = polylineEdges(polyline, made);
    } else if (auto* spline = AcDbSpline::cast(curve)) {
      ok = splineEdges(spline, made);
    }
  } catch (const Standard_Failure&) {
    ok = false;
  }
  if (!ok) return false;
  edges.insert(edges.end(), made.begin(), made.end());
  return true;
}

std::optional<AcGeVector3d> curveNormal(const AcDbCurve* curve) {
  if (auto* arc = AcDbArc::cast(curve)) return arc->normal();
  if (auto* circle = AcDbCircle::cast(curve)) return circle->normal();
  if (auto* ellipse = AcDbEllipse::cast(curve)) return ellipse->normal();
  if (auto* polyline = AcDbPolyline::cast(curve)) return polyline->normal();
  return std::nullopt;
}

}  // namespace brep
