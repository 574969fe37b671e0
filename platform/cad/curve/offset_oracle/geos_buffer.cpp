#include "platform/cad/curve/offset_oracle/geos_buffer.h"

#include <geos_c.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace curve::oracle {

namespace {

class GeosContext {
 public:
  GeosContext() : handle_(GEOS_init_r()) {}
  ~GeosContext() { GEOS_finish_r(handle_); }
  GeosContext(const GeosContext&) = delete;
  GeosContext& operator=(const GeosContext&) = delete;
  GEOSContextHandle_t get() const { return handle_; }

 private:
  GEOSContextHandle_t handle_;
};

struct GeometryDeleter {
  GEOSContextHandle_t context;
  void operator()(GEOSGeometry* g) const { GEOSGeom_destroy_r(context, g); }
};
using Geometry = std::unique_ptr<GEOSGeometry, GeometryDeleter>;

Geometry polygonOf(GEOSContextHandle_t ctx, const std::vector<AcGePoint2d>& points) {
  GEOSCoordSequence* seq = GEOSCoordSeq_create_r(ctx, static_cast<unsigned>(points.size() + 1), 2);
  for (size_t i = 0; i <= points.size(); ++i) {
    const AcGePoint2d& p = points[i % points.size()];
    GEOSCoordSeq_setXY_r(ctx, seq, static_cast<unsigned>(i), p.x, p.y);
  }
  GEOSGeometry* ring = GEOSGeom_createLinearRing_r(ctx, seq);
  return Geometry(GEOSGeom_createPolygon_r(ctx, ring, nullptr, 0), GeometryDeleter{ctx});
}

int ringsOf(GEOSContextHandle_t ctx, const GEOSGeometry* g) {
  if (GEOSisEmpty_r(ctx, g)) return 0;
  const int type = GEOSGeomTypeId_r(ctx, g);
  if (type == GEOS_POLYGON) return 1 + GEOSGetNumInteriorRings_r(ctx, g);
  int rings = 0;
  for (int i = 0; i < GEOSGetNumGeometries_r(ctx, g); ++i) rings += ringsOf(ctx, GEOSGetGeometryN_r(ctx, g, i));
  return rings;
}

}  // namespace

std::vector<AcGePoint2d> chorded(const BulgePath& path, double chordError) {
  std::vector<AcGePoint2d> points;
  for (const BulgeSeg& s : path.segments()) {
    points.push_back(s.start);
    if (!s.isArc()) continue;
    const Arc2 a = s.arc();
    const double step = 2.0 * std::acos(std::max(0.0, 1.0 - chordError / a.radius));
    const int n = std::max(1, static_cast<int>(std::ceil(std::fabs(a.sweep) / std::max(step, 1e-6))));
    for (int k = 1; k < n; ++k) points.push_back(a.pointAt(static_cast<double>(k) / n));
  }
  return points;
}

namespace {

// Segments per quarter circle so that the round joins stray at most chordError.
int quadrantSegmentsFor(double d, double chordError) {
  const double step = 2.0 * std::acos(std::max(0.0, 1.0 - chordError / std::max(d, chordError)));
  return std::clamp(static_cast<int>(std::ceil(kPi / 2 / std::max(step, 1e-6))), 8, 64);
}

// The whole ring buffered at once, which GEOS simplifies first.
Geometry ringBuffer(GEOSContextHandle_t ctx, const GEOSGeometry* polygon, const std::vector<AcGePoint2d>&, double grow,
                    int quadrantSegments) {
  return Geometry(GEOSBuffer_r(ctx, polygon, grow, quadrantSegments), GeometryDeleter{ctx});
}

// Each chord's own buffer, unioned, then taken from or added to the polygon.
Geometry chordBuffers(GEOSContextHandle_t ctx, const GEOSGeometry* polygon, const std::vector<AcGePoint2d>& points,
                      double grow, int quadrantSegments) {
  std::vector<GEOSGeometry*> bands;
  for (size_t i = 0; i < points.size(); ++i) {
    GEOSCoordSequence* seq = GEOSCoordSeq_create_r(ctx, 2, 2);
    const AcGePoint2d &a = points[i], &b = points[(i + 1) % points.size()];
    GEOSCoordSeq_setXY_r(ctx, seq, 0, a.x, a.y);
    GEOSCoordSeq_setXY_r(ctx, seq, 1, b.x, b.y);
    const Geometry chord(GEOSGeom_createLineString_r(ctx, seq), GeometryDeleter{ctx});
    if (GEOSGeometry* band = chord ? GEOSBuffer_r(ctx, chord.get(), std::fabs(grow), quadrantSegments) : nullptr)
      bands.push_back(band);
  }
  // The collection takes the bands over.
  const Geometry all(
      GEOSGeom_createCollection_r(ctx, GEOS_GEOMETRYCOLLECTION, bands.data(), static_cast<unsigned>(bands.size())),
      GeometryDeleter{ctx});
  if (!all) {
    for (GEOSGeometry* band : bands) GEOSGeom_destroy_r(ctx, band);
    return Geometry(nullptr, GeometryDeleter{ctx});
  }
  const Geometry band(GEOSUnaryUnion_r(ctx, all.get()), GeometryDeleter{ctx});
  if (!band) return Geometry(nullptr, GeometryDeleter{ctx});
  return Geometry(grow < 0 ? GEOSDifference_r(ctx, polygon, band.get()) : GEOSUnion_r(ctx, polygon, band.get()),
                  GeometryDeleter{ctx});
}

using Buffering = Geometry (*)(GEOSContextHandle_t, const GEOSGeometry*, const std::vector<AcGePoint2d>&, double, int);

BufferMeasure measure(const BulgePath& path, double grow, double chordError, Buffering buffering) {
  BufferMeasure out;
  const std::vector<AcGePoint2d> points = chorded(path, chordError);
  if (points.size() < 3) return out;
  const GeosContext context;
  GEOSContextHandle_t ctx = context.get();
  const Geometry polygon = polygonOf(ctx, points);
  if (!polygon || GEOSisValid_r(ctx, polygon.get()) != 1) return out;
  const double d = std::fabs(grow);
  const int quadrantSegments = quadrantSegmentsFor(d, chordError);
  const Geometry region = buffering(ctx, polygon.get(), points, grow, quadrantSegments);
  if (!region) return out;
  out.valid = true;
  out.joinError = d * (1.0 - std::cos(kPi / 4 / quadrantSegments));
  out.loops = ringsOf(ctx, region.get());
  GEOSArea_r(ctx, region.get(), &out.area);
  return out;
}

}  // namespace

BufferMeasure geosBuffer(const BulgePath& path, double grow, double chordError) {
  return measure(path, grow, chordError, ringBuffer);
}

BufferMeasure geosBufferByChords(const BulgePath& path, double grow, double chordError) {
  return measure(path, grow, chordError, chordBuffers);
}

bool geosFindsSelfCrossing(const BulgePath& path, double chordError) {
  const std::vector<AcGePoint2d> points = chorded(path, chordError);
  if (points.size() < 3) return false;
  const GeosContext context;
  GEOSContextHandle_t ctx = context.get();
  const Geometry polygon = polygonOf(ctx, points);
  if (!polygon || GEOSisValid_r(ctx, polygon.get()) == 1) return false;
  // GEOS's region of a ring that only touches itself is what its signed area says; where
  // the ring crosses itself, parts wound the other way or twice make them differ.
  const Geometry region(GEOSMakeValid_r(ctx, polygon.get()), GeometryDeleter{ctx});
  double regionArea = 0.0;
  if (!region || GEOSArea_r(ctx, region.get(), &regionArea) != 1) return false;
  double twiceSigned = 0.0;
  for (size_t i = 0; i < points.size(); ++i) {
    const AcGePoint2d &a = points[i], &b = points[(i + 1) % points.size()];
    twiceSigned += a.x * b.y - b.x * a.y;
  }
  return std::fabs(std::fabs(twiceSigned / 2.0) - regionArea) > 1e-9 * std::max(1.0, regionArea);
}

}  // namespace curve::oracle
