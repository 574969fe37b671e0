// Measures a toolpath from the outside with GEOS: the cutting moves of a
// stored toolpath as plan line strings, the area a round tool sweeps along
// them, and the part's walls.
#pragma once

#include <geos_c.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/db_3d_polyline.h"
#include "platform/cad/db/db_arc.h"
#include "platform/cad/db/db_line.h"
#include "platform/cad/db/db_point.h"
#include "platform/cad/db/db_polyline.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/rapid_linetype.h"

using PlanPoints = std::vector<AcGePoint2d>;

// One pass of a toolpath as read back: which pass (by the pass-kind marker in
// front of it) and its cutting moves, arcs made into fine chords.
struct CutMoves {
  int passKind = 0;
  std::vector<PlanPoints> moves;
  // Rapid moves that go somewhere in plan: the least Z of their ends.
  std::vector<double> rapidHeights;
};

inline void AddArcChords(PlanPoints& points, const curve::BulgeSeg& segment) {
  if (!segment.isArc()) {
    points.push_back(segment.end);
    return;
  }
  const int n = std::max(8, static_cast<int>(segment.length() / 0.05));
  for (int i = 1; i <= n; ++i) points.push_back(segment.pointAt(static_cast<double>(i) / n));
}

inline PlanPoints PolylinePlan(const AcDbPolyline* polyline) {
  PlanPoints points;
  const int count = static_cast<int>(polyline->numVerts());
  const int segments = polyline->isClosed() ? count : count - 1;
  AcGePoint2d first;
  polyline->getPointAt(0, first);
  points.push_back(first);
  for (int i = 0; i < segments; ++i) {
    AcGePoint2d a, b;
    double bulge = 0.0;
    polyline->getPointAt(static_cast<unsigned>(i), a);
    polyline->getPointAt(static_cast<unsigned>((i + 1) % count), b);
    polyline->getBulgeAt(static_cast<unsigned>(i), bulge);
    if (a.distanceTo(b) > 0.0) AddArcChords(points, curve::BulgeSeg{a, b, bulge});
  }
  return points;
}

inline bool IsRapidLine(const AcDbEntity* entity) {
  const std::unique_ptr<char, decltype(&std::free)> name(entity->linetype(), &std::free);
  return name && std::string(name.get()) == kRapidLinetype && entity->colorIndex() == 1;
}

// The entities of the list in order, split into passes at type-9 markers.
inline std::vector<CutMoves> ReadCutMoves(const AcDbObjectIdArray& ids) {
  std::vector<CutMoves> passes(1);
  for (const AcDbObjectId& id : ids) {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) continue;
    PlanPoints points;
    if (auto* point = AcDbPoint::cast(entity.object())) {
      if (point->colorIndex() == 9) {
        passes.push_back(CutMoves{static_cast<int>(std::lround(point->thickness() * 1e7)), {}, {}});
      }
      continue;
    }
    if (auto* line = AcDbLine::cast(entity.object())) {
      const AcGePoint3d from = line->startPoint(), to = line->endPoint();
      if (IsRapidLine(line)) {
        if (std::hypot(to.x - from.x, to.y - from.y) > 1e-9)
          passes.back().rapidHeights.push_back(std::min(from.z, to.z));
        continue;
      }
      points = {AcGePoint2d(line->startPoint().x, line->startPoint().y),
                AcGePoint2d(line->endPoint().x, line->endPoint().y)};
    } else if (auto* polyline = AcDbPolyline::cast(entity.object())) {
      points = PolylinePlan(polyline);
    } else if (auto* arc = AcDbArc::cast(entity.object())) {
      const AcGePoint3d c = arc->center();
      const double sweep = curve::normalizeAngle(arc->endAngle() - arc->startAngle());
      const curve::Arc2 a{AcGePoint2d(c.x, c.y), arc->radius(), arc->startAngle(), sweep};
      for (int i = 0; i <= 64; ++i) points.push_back(a.pointAt(i / 64.0));
    } else if (auto* polyline3d = AcDb3dPolyline::cast(entity.object())) {
      double endParam = 0.0;
      polyline3d->getEndParam(endParam);
      for (int i = 0; i <= static_cast<int>(std::lround(endParam)); ++i) {
        AcGePoint3d v;
        if (polyline3d->getPointAtParam(i, v) == Acad::eOk) points.emplace_back(v.x, v.y);
      }
    } else {
      continue;
    }
    passes.back().moves.push_back(points);
  }
  return passes;
}

// A GEOS context with owned geometries.
class Geos {
 public:
  using Geometry = std::shared_ptr<GEOSGeometry>;
  Geos() : h_(GEOS_init_r()) {}
  ~Geos() { GEOS_finish_r(h_); }
  Geos(const Geos&) = delete;
  Geos& operator=(const Geos&) = delete;

  Geometry own(GEOSGeometry* g) {
    return Geometry(g, [h = h_](GEOSGeometry* p) {
      if (p != nullptr) GEOSGeom_destroy_r(h, p);
    });
  }

  // A line string, or a point for a move of no plan length.
  Geometry path(const PlanPoints& points) {
    PlanPoints distinct;
    for (const AcGePoint2d& p : points)
      if (distinct.empty() || distinct.back().distanceTo(p) > 1e-9) distinct.push_back(p);
    if (distinct.size() == 1) return own(GEOSGeom_createPointFromXY_r(h_, distinct[0].x, distinct[0].y));
    return own(GEOSGeom_createLineString_r(h_, sequence(distinct)));
  }
  Geometry polygon(const PlanPoints& ring) {
    PlanPoints closed = ring;
    closed.push_back(ring.front());
    return own(GEOSGeom_createPolygon_r(h_, GEOSGeom_createLinearRing_r(h_, sequence(closed)), nullptr, 0));
  }
  Geometry buffer(const Geometry& g, double distance) { return own(GEOSBuffer_r(h_, g.get(), distance, 32)); }
  Geometry difference(const Geometry& a, const Geometry& b) { return own(GEOSDifference_r(h_, a.get(), b.get())); }
  Geometry unite(const std::vector<Geometry>& parts) {
    std::vector<GEOSGeometry*> clones;
    for (const Geometry& part : parts) clones.push_back(GEOSGeom_clone_r(h_, part.get()));
    Geometry collection = own(
        GEOSGeom_createCollection_r(h_, GEOS_GEOMETRYCOLLECTION, clones.data(), static_cast<unsigned>(clones.size())));
    return own(GEOSUnaryUnion_r(h_, collection.get()));
  }
  Geometry boundaryOf(const Geometry& g) { return own(GEOSBoundary_r(h_, g.get())); }
  double area(const Geometry& g) {
    double a = 0.0;
    GEOSArea_r(h_, g.get(), &a);
    return a;
  }
  double distance(const Geometry& a, const Geometry& b) {
    double d = 0.0;
    GEOSDistance_r(h_, a.get(), b.get(), &d);
    return d;
  }
  bool within(const Geometry& a, const Geometry& b) { return GEOSWithin_r(h_, a.get(), b.get()) == 1; }
  bool empty(const Geometry& g) { return GEOSisEmpty_r(h_, g.get()) == 1; }
  // The area the tool sweeps along the moves.
  Geometry swept(const std::vector<PlanPoints>& moves, double radius) {
    std::vector<Geometry> discs;
    for (const PlanPoints& move : moves) discs.push_back(buffer(path(move), radius));
    return unite(discs);
  }

 private:
  GEOSCoordSequence* sequence(const PlanPoints& points) {
    GEOSCoordSequence* s = GEOSCoordSeq_create_r(h_, static_cast<unsigned>(points.size()), 2);
    for (std::size_t i = 0; i < points.size(); ++i)
      GEOSCoordSeq_setXY_r(h_, s, static_cast<unsigned>(i), points[i].x, points[i].y);
    return s;
  }
  GEOSContextHandle_t h_;
};
