// Offsets of the curve entities. Lines, arcs and circles stay what they are; every
// other plane curve comes back as lightweight polylines of lines and arcs (ellipses
// and splines through their arc approximation).
#include <cmath>

#include "platform/cad/curve/offset/path_offset.h"
#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/curves/db_curve_geometry.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"

namespace {

constexpr double kRadiusTol = 1e-10;

template <class T>
T* copyOf(const T* source) {
  return T::cast(source->clone());
}

Acad::ErrorStatus offsetLine(const AcDbLine* line, const AcGeVector3d& normal, double dist, AcDbVoidPtrArray& out) {
  const AcGeVector3d dir = line->endPoint() - line->startPoint();
  if (dir.isZeroLength()) return Acad::eDegenerateGeometry;
  const AcGeVector3d right = dir.crossProduct(normal);
  if (right.isZeroLength()) return Acad::eInvalidInput;
  const AcGeVector3d move = right.normal() * dist;
  AcDbLine* copy = copyOf(line);
  if (copy == nullptr) return Acad::eOutOfMemory;
  copy->setStartPoint(line->startPoint() + move);
  copy->setEndPoint(line->endPoint() + move);
  out.append(copy);
  return Acad::eOk;
}

// Arcs and circles run counter-clockwise about their normal: right of travel is outward.
template <class T>
Acad::ErrorStatus offsetRound(const T* source, double dist, AcDbVoidPtrArray& out) {
  const double radius = source->radius() + dist;
  if (!(radius > kRadiusTol * std::max(1.0, source->radius()))) return Acad::eInvalidInput;
  T* copy = copyOf(source);
  if (copy == nullptr) return Acad::eOutOfMemory;
  copy->setRadius(radius);
  out.append(copy);
  return Acad::eOk;
}

AcDbPolyline* polylineFor(const AcDbCurve* source, const db_curve::PlanePath& plane) {
  if (const AcDbPolyline* pl = AcDbPolyline::cast(source)) {
    if (pl->normal().isCodirectionalTo(plane.normal)) {
      AcDbPolyline* copy = copyOf(pl);
      if (copy != nullptr) copy->reset(false, 0);
      return copy;
    }
  }
  auto* pl = new AcDbPolyline();
  pl->setPropertiesFrom(source);
  pl->setNormal(plane.normal);
  pl->setElevation(plane.elevation);
  return pl;
}

Acad::ErrorStatus offsetPlanePath(const AcDbCurve* curve, const AcGeVector3d& normal, double dist,
                                  AcDbVoidPtrArray& out) {
  db_curve::PlanePath plane;
  Acad::ErrorStatus es = db_curve::planePathOf(curve, normal, plane);
  if (es != Acad::eOk) return es;
  std::vector<curve::BulgePath> results;
  switch (curve::offsetPath(plane.path, -dist, results)) {
    case curve::OffsetStatus::kOk:
      break;
    case curve::OffsetStatus::kInvalidInput:
    case curve::OffsetStatus::kSelfCrossing:
      return Acad::eInvalidInput;
    case curve::OffsetStatus::kFailed:
      return Acad::eGeneralModelingFailure;
  }
  for (const curve::BulgePath& r : results) {
    AcDbPolyline* pl = polylineFor(curve, plane);
    if (pl == nullptr) return Acad::eOutOfMemory;
    for (const curve::BulgeVertex& v : r.vertices) pl->addVertexAt(pl->numVerts(), v.point, v.bulge);
    pl->setClosed(r.closed);
    out.append(pl);
  }
  return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus AcDbCurve::getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const {
  if (!std::isfinite(offsetDist)) return Acad::eInvalidInput;
  if (const AcDbLine* line = AcDbLine::cast(this)) return offsetLine(line, line->normal(), offsetDist, offsetCurves);
  if (const AcDbArc* arc = AcDbArc::cast(this)) return offsetRound(arc, offsetDist, offsetCurves);
  if (const AcDbCircle* circle = AcDbCircle::cast(this)) return offsetRound(circle, offsetDist, offsetCurves);
  AcGeVector3d normal;
  if (!db_curve::curveNormal(this, normal)) return Acad::eNonCoplanarGeometry;
  return offsetPlanePath(this, normal, offsetDist, offsetCurves);
}

Acad::ErrorStatus AcDbCurve::getOffsetCurvesGivenPlaneNormal(const AcGeVector3d& normal, double offsetDist,
                                                             AcDbVoidPtrArray& offsetCurves) const {
  if (!std::isfinite(offsetDist) || normal.isZeroLength()) return Acad::eInvalidInput;
  const AcGeVector3d unit = normal.normal();
  if (const AcDbLine* line = AcDbLine::cast(this)) return offsetLine(line, unit, offsetDist, offsetCurves);
  AcGeVector3d own;
  if ((AcDbArc::cast(this) != nullptr || AcDbCircle::cast(this) != nullptr) && db_curve::curveNormal(this, own)) {
    if (!own.isParallelTo(unit)) return Acad::eNonCoplanarGeometry;
    // Seen from the other side the curve turns the other way.
    const double dist = own.dotProduct(unit) > 0 ? offsetDist : -offsetDist;
    if (const AcDbArc* arc = AcDbArc::cast(this)) return offsetRound(arc, dist, offsetCurves);
    return offsetRound(AcDbCircle::cast(this), dist, offsetCurves);
  }
  return offsetPlanePath(this, unit, offsetDist, offsetCurves);
}
