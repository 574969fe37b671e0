#include "platform/cad/modeler/brep/edge_curves.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRep_Tool.hxx>
#include <GeomConvert.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_TrimmedCurve.hxx>
#include <Standard_Failure.hxx>
#include <gp_Circ.hxx>
#include <gp_Elips.hxx>

#include <cmath>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/modeler/brep/brep_shape.h"

namespace brep {
namespace {

constexpr double kTwoPi = 6.283185307179586;

struct EdgeRun {
  BRepAdaptor_Curve curve;
  double first = 0.0;
  double last = 0.0;
  bool reversed = false;

  explicit EdgeRun(const TopoDS_Edge& edge)
      : curve(edge),
        first(curve.FirstParameter()),
        last(curve.LastParameter()),
        reversed(edge.Orientation() == TopAbs_REVERSED) {}
  AcGePoint3d start() const { return toPoint(curve.Value(reversed ? last : first)); }
  AcGePoint3d end() const { return toPoint(curve.Value(reversed ? first : last)); }
  AcGePoint3d middle() const { return toPoint(curve.Value(0.5 * (first + last))); }
  bool isFull() const { return std::fabs(last - first - kTwoPi) < 1e-9; }
};

// The plane normal when the axis is parallel to it, else the axis.
AcGeVector3d chooseNormal(const gp_Dir& axis, const AcGeVector3d& planeNormal) {
  const AcGeVector3d own = toVector(axis);
  if (planeNormal.isZeroLength()) return own;
  const AcGeVector3d unit = planeNormal.normal();
  return std::fabs(std::fabs(own.dotProduct(unit)) - 1.0) < 1e-9 ? unit : own;
}

double ecsAngle(const AcGePoint3d& center, const AcGePoint3d& point, const AcGeVector3d& normal) {
  const AcGeVector3d d = point - center;
  return std::atan2(d.dotProduct(acgeEcsYAxis(normal)), d.dotProduct(acgeEcsXAxis(normal)));
}

AcDbCurve* circleCurve(const EdgeRun& run, const AcGeVector3d& planeNormal) {
  const gp_Circ circ = run.curve.Circle();
  const AcGeVector3d normal = chooseNormal(circ.Axis().Direction(), planeNormal);
  const AcGePoint3d center = toPoint(circ.Location());
  if (run.isFull()) return new AcDbCircle(center, normal, circ.Radius());
  AcGePoint3d from = run.start(), to = run.end();
  const AcGePoint3d middle = run.middle();
  const bool counterClockwise = (middle - from).crossProduct(to - middle).dotProduct(normal) > 0.0;
  if (!counterClockwise) std::swap(from, to);
  return new AcDbArc(center, normal, circ.Radius(), ecsAngle(center, from, normal), ecsAngle(center, to, normal));
}

AcDbCurve* ellipseCurve(const EdgeRun& run, const AcGeVector3d& planeNormal) {
  const gp_Elips elips = run.curve.Ellipse();
  const AcGeVector3d axis = toVector(elips.Axis().Direction());
  const AcGeVector3d normal = chooseNormal(elips.Axis().Direction(), planeNormal);
  const bool flipped = normal.dotProduct(axis) < 0.0;
  const AcGeVector3d major = toVector(elips.XAxis().Direction()) * elips.MajorRadius();
  auto* ellipse = new AcDbEllipse(toPoint(elips.Location()), normal, major, elips.MinorRadius() / elips.MajorRadius());
  if (!run.isFull()) {
    // About the opposite normal the minor axis flips, and so does the parameter.
    ellipse->setStartParam(flipped ? -run.last : run.first);
    ellipse->setEndParam(flipped ? -run.first : run.last);
  }
  return ellipse;
}

AcDbCurve* splineCurve(const TopoDS_Edge& edge, const EdgeRun& run) {
  double first = 0.0, last = 0.0;
  Handle(Geom_Curve) geom = BRep_Tool::Curve(edge, first, last);
  if (geom.IsNull()) return nullptr;
  Handle(Geom_BSplineCurve) bspline = GeomConvert::CurveToBSplineCurve(new Geom_TrimmedCurve(geom, first, last));
  if (bspline.IsNull()) return nullptr;
  if (run.reversed) bspline->Reverse();
  AcGePoint3dArray points;
  AcGeDoubleArray knots, weights;
  for (int i = 1; i <= bspline->NbPoles(); ++i) {
    points.append(toPoint(bspline->Pole(i)));
    weights.append(bspline->Weight(i));
  }
  for (int i = 1; i <= bspline->NbKnots(); ++i) {
    for (int m = 0; m < bspline->Multiplicity(i); ++m) knots.append(bspline->Knot(i));
  }
  const bool rational = bspline->IsRational();
  if (!rational) weights.setLogicalLength(0);
  return new AcDbSpline(bspline->Degree(), rational, bspline->IsClosed(), false, points, knots, weights);
}

}  // namespace

AcDbCurve* curveOfEdge(const TopoDS_Edge& edge, const AcGeVector3d& planeNormal) {
  if (edge.IsNull() || BRep_Tool::Degenerated(edge)) return nullptr;
  try {
    EdgeRun run(edge);
    switch (run.curve.GetType()) {
      case GeomAbs_Line:
        return new AcDbLine(run.start(), run.end());
      case GeomAbs_Circle:
        return circleCurve(run, planeNormal);
      case GeomAbs_Ellipse:
        return ellipseCurve(run, planeNormal);
      default:
        return splineCurve(edge, run);
    }
  } catch (const Standard_Failure&) {
    return nullptr;
  }
}

}  // namespace brep
