#include "platform/cad/db/curves/db_curve_geometry.h"

#include <cmath>
#include <memory>

#include "platform/cad/curve/arc_fit.h"
#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_line.h"
#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/ge/ge_plane.h"

namespace db_curve {

namespace {

constexpr double kTwoPi = 6.283185307179586;

curve::Piece3 circlePiece(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle,
                          double sweep) {
  const AcGeVector3d x = acgeEcsXAxis(normal), y = acgeEcsYAxis(normal);
  const AcGePoint3d start = center + (x * std::cos(startAngle) + y * std::sin(startAngle)) * radius;
  return curve::Piece3::arc(center, normal, start, sweep);
}

void polylinePieces(const AcDbPolyline* pl, curve::PiecePath& pieces) {
  const unsigned int n = pl->numVerts();
  const unsigned int segments = pl->isClosed() ? n : (n > 0 ? n - 1 : 0);
  for (unsigned int i = 0; i < segments; ++i) {
    const AcDbPolyline::SegType type = pl->segType(i);
    if (type == AcDbPolyline::kArc) {
      AcGeCircArc3d arc;
      pl->getArcSegAt(i, arc);
      pieces.push_back(curve::Piece3::arc(arc.center(), arc.normal(), arc.startPoint(), arc.endAng() - arc.startAng()));
    } else if (type == AcDbPolyline::kLine) {
      AcGeLineSeg3d line;
      pl->getLineSegAt(i, line);
      pieces.push_back(curve::Piece3::line(line.startPoint(), line.endPoint()));
    }
  }
}

void polyline3dPieces(const AcDb3dPolyline* pl, curve::PiecePath& pieces) {
  double endParam = 0.0;
  if (pl->getEndParam(endParam) != Acad::eOk) return;
  const int segments = static_cast<int>(std::lround(endParam));
  for (int i = 0; i < segments; ++i) {
    AcGePoint3d a, b;
    pl->getPointAtParam(i, a);
    pl->getPointAtParam(i + 1, b);
    if (!a.isEqualTo(b)) pieces.push_back(curve::Piece3::line(a, b));
  }
}

curve::Piece3 ellipsePiece(const AcDbEllipse* e) {
  const AcGePoint3d c = e->center();
  const AcGeVector3d major = e->majorAxis(), minor = e->minorAxis();
  double t0 = 0.0, t1 = 0.0;
  e->getStartParam(t0);
  e->getEndParam(t1);
  return curve::Piece3::smooth([=](double t) { return c + major * std::cos(t) + minor * std::sin(t); },
                               [=](double t) { return minor * std::cos(t) - major * std::sin(t); }, t0, t1, 96);
}

curve::Piece3 splinePiece(const AcDbSpline* s) {
  auto nurb = std::make_shared<AcGeNurbCurve3d>(s->nurbCurve());
  AcGeInterval range;
  nurb->getInterval(range);
  const int chords = std::max(32, 8 * nurb->numControlPoints());
  return curve::Piece3::smooth([nurb](double t) { return nurb->evalPoint(t); },
                               [nurb](double t) {
                                 AcGeVector3dArray d;
                                 nurb->evalPoint(t, 1, d);
                                 return d[0];
                               },
                               range.lowerBound(), range.upperBound(), chords);
}

}  // namespace

bool piecesOf(const AcDbEntity* entity, bool extend, curve::PiecePath& pieces) {
  pieces.clear();
  if (const AcDbLine* line = AcDbLine::cast(entity)) {
    pieces.push_back(curve::Piece3::line(line->startPoint(), line->endPoint()));
    pieces.back().extended = extend && !line->startPoint().isEqualTo(line->endPoint());
  } else if (const AcDbArc* arc = AcDbArc::cast(entity)) {
    pieces.push_back(circlePiece(arc->center(), arc->normal(), arc->radius(), arc->startAngle(), arc->totalAngle()));
    pieces.back().extended = extend;
  } else if (const AcDbCircle* circle = AcDbCircle::cast(entity)) {
    pieces.push_back(circlePiece(circle->center(), circle->normal(), circle->radius(), 0.0, kTwoPi));
  } else if (const AcDbPolyline* pl = AcDbPolyline::cast(entity)) {
    polylinePieces(pl, pieces);
  } else if (const AcDb3dPolyline* pl3 = AcDb3dPolyline::cast(entity)) {
    polyline3dPieces(pl3, pieces);
  } else if (const AcDbEllipse* ellipse = AcDbEllipse::cast(entity)) {
    if (ellipse->isNull()) return false;
    pieces.push_back(ellipsePiece(ellipse));
  } else if (const AcDbSpline* spline = AcDbSpline::cast(entity)) {
    if (spline->isNull()) return false;
    pieces.push_back(splinePiece(spline));
  } else {
    return false;
  }
  return !pieces.empty();
}

bool curveNormal(const AcDbCurve* curve, AcGeVector3d& normal) {
  if (const AcDbPolyline* pl = AcDbPolyline::cast(curve)) {
    normal = pl->normal();
    return true;
  }
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  if (curve->getPlane(plane, planarity) != Acad::eOk || planarity != AcDb::kPlanar) return false;
  normal = plane.normal();
  // A spline's plane has no side of its own: take the one facing +Z, as drawings do.
  if (AcDbSpline::cast(curve) != nullptr && normal.dotProduct(AcGeVector3d::kZAxis) < 0) normal = -normal;
  return true;
}

namespace {

// Points of the curve in the plane's coordinates; false when one leaves the plane.
struct PlaneMap {
  AcGeVector3d normal;
  double elevation = 0.0;
  double tol = 1e-9;
  bool ok = true;
  AcGePoint2d operator()(const AcGePoint3d& p) {
    const AcGePoint3d e = acgeWorldPointToEcs(p, normal);
    if (std::fabs(e.z - elevation) > tol) ok = false;
    return {e.x, e.y};
  }
};

double sizeOf(const AcDbCurve* curve) {
  AcDbExtents ext;
  if (curve->getGeomExtents(ext) != Acad::eOk) return 1.0;
  return std::max(1.0, (ext.maxPoint() - ext.minPoint()).length());
}

}  // namespace

Acad::ErrorStatus planePathOf(const AcDbCurve* curve, const AcGeVector3d& normal, PlanePath& out) {
  out = PlanePath();
  out.normal = normal.normal();
  if (const AcDbPolyline* pl = AcDbPolyline::cast(curve)) {
    // Opposite normals see the same vertices mirrored: go through world points then.
    if (pl->normal().isCodirectionalTo(out.normal)) {
      out.elevation = pl->elevation();
      for (unsigned int i = 0; i < pl->numVerts(); ++i) {
        AcGePoint2d p;
        double bulge = 0.0;
        pl->getPointAt(i, p);
        pl->getBulgeAt(i, bulge);
        out.path.vertices.push_back({p, bulge});
      }
      out.path.closed = pl->isClosed();
      return Acad::eOk;
    }
  }
  double start = 0.0, end = 0.0;
  if (curve->getStartParam(start) != Acad::eOk || curve->getEndParam(end) != Acad::eOk)
    return Acad::eDegenerateGeometry;
  AcGePoint3d first;
  curve->getStartPoint(first);
  PlaneMap map{out.normal, acgeWorldPointToEcs(first, out.normal).z, 1e-8 * sizeOf(curve)};
  out.elevation = map.elevation;
  const double size = sizeOf(curve);
  auto at = [curve](double t) {
    AcGePoint3d p;
    curve->getPointAtParam(t, p);
    return p;
  };
  if (AcDbLine::cast(curve) != nullptr || AcDb3dPolyline::cast(curve) != nullptr) {
    const int steps = static_cast<int>(std::lround(end - start));
    const bool line = AcDbLine::cast(curve) != nullptr;
    for (int i = 0; i <= (line ? 1 : steps); ++i)
      out.path.vertices.push_back({map(at(line ? (i == 0 ? start : end) : start + i)), 0.0});
    out.path.closed = curve->isClosed();
  } else if (AcDbPolyline::cast(curve) != nullptr) {
    const AcDbPolyline* pl = AcDbPolyline::cast(curve);
    // Seen from the other side: same points, bulges turned.
    const double sense = pl->normal().dotProduct(out.normal) < 0 ? -1.0 : 1.0;
    for (unsigned int i = 0; i < pl->numVerts(); ++i) {
      AcGePoint3d p;
      double bulge = 0.0;
      pl->getPointAt(i, p);
      pl->getBulgeAt(i, bulge);
      out.path.vertices.push_back({map(p), bulge * sense});
    }
    out.path.closed = pl->isClosed();
  } else if (AcDbArc::cast(curve) != nullptr || AcDbCircle::cast(curve) != nullptr) {
    // Two or four arcs, each of at most half a turn.
    const bool closed = curve->isClosed();
    const int parts = closed ? 4 : 2;
    for (int i = 0; i <= parts; ++i) {
      const double t = start + (end - start) * i / parts;
      const double tm = start + (end - start) * (i + 0.5) / parts;
      if (i == parts && closed) break;
      const AcGePoint2d p = map(at(t));
      double bulge = 0.0;
      if (i < parts) bulge = curve::bulgeThrough(p, map(at(tm)), map(at(start + (end - start) * (i + 1) / parts)));
      out.path.vertices.push_back({p, bulge});
    }
    out.path.closed = closed;
  } else if (AcDbEllipse::cast(curve) != nullptr || AcDbSpline::cast(curve) != nullptr) {
    const bool closed = curve->isClosed();
    const AcGeMatrix3d toPlane = acgeWorldToEcs(out.normal);
    auto deriv = [&](double t) {
      AcGeVector3d d;
      curve->getFirstDeriv(std::min(std::max(t, start), end), d);
      const AcGeVector3d flat = toPlane * d;
      return AcGeVector2d(flat.x, flat.y);
    };
    out.path = curve::fitArcs([&](double t) { return map(at(std::min(std::max(t, start), end))); }, deriv, start, end,
                              1e-7 * size, 16, closed);
  } else {
    return Acad::eNotApplicable;
  }
  return map.ok ? Acad::eOk : Acad::eNonCoplanarGeometry;
}

}  // namespace db_curve
