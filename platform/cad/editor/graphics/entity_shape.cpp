#include "platform/cad/editor/graphics/entity_shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/db/entities/db_text.h"

namespace cadeditor {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr int kSamplesPerTurn = 72;

AcGePoint2d Flat(const AcGePoint3d& p) { return {p.x, p.y}; }

// A circular arc in space: centre, the radius vectors to its start and a quarter
// turn further, and its counter-clockwise sweep.
struct SpaceArc {
  AcGePoint3d center;
  AcGeVector3d u;
  AcGeVector3d v;
  double sweep;
};

SpaceArc ArcInPlane(const AcGeVector3d& normal, const AcGePoint3d& center, double radius, double start, double sweep) {
  const AcGeMatrix3d plane = AcGeMatrix3d::planeToWorld(normal);
  const AcGeVector3d u = plane * AcGeVector3d(std::cos(start), std::sin(start), 0.0) * radius;
  const AcGeVector3d v = plane * AcGeVector3d(-std::sin(start), std::cos(start), 0.0) * radius;
  return {center, u, v, sweep};
}

// Exact when the arc stays a circular arc in the UCS plane; sampled otherwise.
void AddSpaceArc(Shape2d& shape, const SpaceArc& arc, const AcGeMatrix3d& toUcs) {
  const AcGePoint3d center = toUcs * arc.center;
  const AcGeVector3d u = toUcs * arc.u;
  const AcGeVector3d v = toUcs * arc.v;
  const double radius = u.length();
  const double tolerance = 1e-9 * std::max(1.0, radius);
  const bool circular = std::abs(u.z) <= tolerance && std::abs(v.z) <= tolerance &&
                        std::abs(v.length() - radius) <= tolerance && std::abs(u.dotProduct(v)) <= tolerance * radius;
  if (circular && radius > 0.0) {
    const bool counter_clockwise = u.x * v.y - u.y * v.x > 0.0;
    double start = std::atan2(u.y, u.x);
    if (!counter_clockwise) start -= arc.sweep;  // the same points, walked the other way
    shape.addArc({Flat(center), radius, start, arc.sweep});
    return;
  }
  const int samples = std::max(8, static_cast<int>(std::ceil(arc.sweep / kTwoPi * kSamplesPerTurn)));
  std::vector<AcGePoint2d> points;
  for (int i = 0; i <= samples; ++i) {
    const double t = arc.sweep * i / samples;
    points.push_back(Flat(center + u * std::cos(t) + v * std::sin(t)));
  }
  shape.addPolyline(points);
}

void AddSpaceSegment(Shape2d& shape, const AcGePoint3d& a, const AcGePoint3d& b, const AcGeMatrix3d& toUcs) {
  shape.addSegment(Flat(toUcs * a), Flat(toUcs * b));
}

// A bulged segment of a lightweight polyline as an arc in its plane.
SpaceArc BulgeArc(const AcDbPolyline& pline, const AcGePoint2d& p0, const AcGePoint2d& p1, double bulge) {
  const curve::Arc2 arc = curve::ArcOfBulge(p0, p1, bulge);
  // Counter-clockwise always: a clockwise arc starts at its far end.
  const double start = arc.sweep > 0.0 ? arc.startAngle : arc.startAngle + arc.sweep;
  const AcGeVector3d normal = pline.normal();
  const AcGePoint3d center3d =
      AcGeMatrix3d::planeToWorld(normal) * AcGePoint3d(arc.center.x, arc.center.y, pline.elevation());
  return ArcInPlane(normal, center3d, arc.radius, start, std::fabs(arc.sweep));
}

void AddPolyline(Shape2d& shape, const AcDbPolyline& pline, const AcGeMatrix3d& toUcs) {
  const unsigned int count = pline.numVerts();
  if (count == 0) return;
  const unsigned int segments = pline.isClosed() ? count : count - 1;
  if (segments == 0) {
    AcGePoint3d only;
    pline.getPointAt(0u, only);
    shape.addPoint(Flat(toUcs * only));
  }
  for (unsigned int i = 0; i < segments; ++i) {
    const unsigned int next = (i + 1) % count;
    AcGePoint2d a2, b2;
    AcGePoint3d a3, b3;
    double bulge = 0.0;
    pline.getPointAt(i, a2);
    pline.getPointAt(next, b2);
    pline.getPointAt(i, a3);
    pline.getPointAt(next, b3);
    pline.getBulgeAt(i, bulge);
    if (std::abs(bulge) < 1e-12 || a2.distanceTo(b2) == 0.0) {
      AddSpaceSegment(shape, a3, b3, toUcs);
    } else {
      AddSpaceArc(shape, BulgeArc(pline, a2, b2, bulge), toUcs);
    }
  }
}

// Points at the given parameters of a curve, joined.
void AddCurveSamples(Shape2d& shape, const AcDbCurve& curve, int samples, bool integerParams,
                     const AcGeMatrix3d& toUcs) {
  double start = 0.0, end = 0.0;
  if (curve.getStartParam(start) != Acad::eOk || curve.getEndParam(end) != Acad::eOk) return;
  if (integerParams) samples = static_cast<int>(std::lround(end - start));
  std::vector<AcGePoint2d> points;
  for (int i = 0; i <= std::max(samples, 0); ++i) {
    const double param = samples > 0 ? start + (end - start) * i / samples : start;
    AcGePoint3d point;
    if (curve.getPointAtParam(param, point) != Acad::eOk) return;
    points.push_back(Flat(toUcs * point));
  }
  shape.addPolyline(points);
}

void AddExtents(Shape2d& shape, const AcDbEntity& entity, const AcGeMatrix3d& toUcs) {
  AcDbExtents extents;
  if (entity.getGeomExtents(extents) != Acad::eOk || !extents.isValid()) return;
  const AcGePoint3d& lo = extents.minPoint();
  const AcGePoint3d& hi = extents.maxPoint();
  Box2d box;
  for (int corner = 0; corner < 8; ++corner) {
    const AcGePoint3d p((corner & 1) ? hi.x : lo.x, (corner & 2) ? hi.y : lo.y, (corner & 4) ? hi.z : lo.z);
    box.add(Flat(toUcs * p));
  }
  if (box.xmin == box.xmax && box.ymin == box.ymax) {
    shape.addPoint(AcGePoint2d(box.xmin, box.ymin));
  } else {
    shape.addBox(box);
  }
}

}  // namespace

Shape2d EntityShape(const AcDbEntity& entity, const AcGeMatrix3d& toUcs) {
  Shape2d shape;
  if (const AcDbLine* line = AcDbLine::cast(&entity)) {
    AddSpaceSegment(shape, line->startPoint(), line->endPoint(), toUcs);
  } else if (const AcDbArc* arc = AcDbArc::cast(&entity)) {
    double sweep = arc->totalAngle();
    if (sweep <= 0.0) sweep = kTwoPi;
    AddSpaceArc(shape, ArcInPlane(arc->normal(), arc->center(), arc->radius(), arc->startAngle(), sweep), toUcs);
  } else if (const AcDbCircle* circle = AcDbCircle::cast(&entity)) {
    AddSpaceArc(shape, ArcInPlane(circle->normal(), circle->center(), circle->radius(), 0.0, kTwoPi), toUcs);
  } else if (const AcDbPolyline* pline = AcDbPolyline::cast(&entity)) {
    AddPolyline(shape, *pline, toUcs);
  } else if (const AcDb3dPolyline* poly3d = AcDb3dPolyline::cast(&entity)) {
    AddCurveSamples(shape, *poly3d, 0, true, toUcs);
  } else if (const AcDbEllipse* ellipse = AcDbEllipse::cast(&entity)) {
    AddCurveSamples(shape, *ellipse, kSamplesPerTurn, false, toUcs);
  } else if (const AcDbSpline* spline = AcDbSpline::cast(&entity)) {
    AddCurveSamples(shape, *spline, std::clamp(16 * spline->numControlPoints(), 64, 1024), false, toUcs);
  } else if (const AcDbPoint* point = AcDbPoint::cast(&entity)) {
    shape.addPoint(Flat(toUcs * point->position()));
  } else if (const AcDbText* text = AcDbText::cast(&entity)) {
    shape.addPoint(Flat(toUcs * text->position()));
  } else if (const AcDbCurve* curve = AcDbCurve::cast(&entity)) {
    AddCurveSamples(shape, *curve, 64, false, toUcs);
  }
  if (shape.isEmpty()) AddExtents(shape, entity, toUcs);
  return shape;
}

}  // namespace cadeditor
