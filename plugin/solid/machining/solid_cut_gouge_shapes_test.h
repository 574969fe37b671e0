// Exact distances to the test solids, worked out from their shapes alone (never
// through the modeler), and the points of a stored toolpath's moves.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/ge/ge_point3d.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/slices/mould_solids_test.h"

namespace exact {

inline double Clamp(double v, double lo, double hi) { return std::min(std::max(v, lo), hi); }
inline double Outside(double v, double lo, double hi) { return v < lo ? lo - v : v > hi ? v - hi : 0.0; }

// mould::Block: 120 x 80 x 30 less a round pocket and a spherical bowl.
struct Mould {
  using S = mould::Shape;
  static double RhoPocket(const AcGePoint3d& p) { return std::hypot(p.x - S::kPocketX, p.y - S::kPocketY); }
  static double RhoBowl(const AcGePoint3d& p) { return std::hypot(p.x - S::kBowlX, p.y - S::kBowlY); }

  static bool Inside(const AcGePoint3d& p) {
    const bool inBox = p.x > 0 && p.x < 120 && p.y > 0 && p.y < 80 && p.z > 0 && p.z < S::kTop;
    const bool inPocket = RhoPocket(p) < S::kPocketRadius && p.z > S::kPocketFloor;
    const double toBowl = std::hypot(RhoBowl(p), p.z - S::kTop);
    return inBox && !inPocket && toBowl > S::kBowlRadius;
  }

  // Distance to the boundary, face by face.
  static double ToBoundary(const AcGePoint3d& p) {
    double d = 1e300;
    const double rp = RhoPocket(p), rb = RhoBowl(p);
    // Top face, where no opening is.
    if (p.x >= 0 && p.x <= 120 && p.y >= 0 && p.y <= 80 && rp >= S::kPocketRadius && rb >= S::kBowlRadius) {
      d = std::min(d, std::fabs(p.z - S::kTop));
    }
    // Rims of the openings.
    d = std::min(d, std::hypot(rp - S::kPocketRadius, p.z - S::kTop));
    d = std::min(d, std::hypot(rb - S::kBowlRadius, p.z - S::kTop));
    // Sides and bottom.
    const double ox = Outside(p.x, 0, 120), oy = Outside(p.y, 0, 80), oz = Outside(p.z, 0, S::kTop);
    d = std::min(d, std::sqrt(p.x * p.x + oy * oy + oz * oz));
    d = std::min(d, std::sqrt((p.x - 120) * (p.x - 120) + oy * oy + oz * oz));
    d = std::min(d, std::sqrt(p.y * p.y + ox * ox + oz * oz));
    d = std::min(d, std::sqrt((p.y - 80) * (p.y - 80) + ox * ox + oz * oz));
    d = std::min(d, std::sqrt(p.z * p.z + ox * ox + oy * oy));
    // Pocket wall and floor.
    d = std::min(d, std::hypot(rp - S::kPocketRadius, Outside(p.z, S::kPocketFloor, S::kTop)));
    d = std::min(d, std::hypot(std::max(0.0, rp - S::kPocketRadius), p.z - S::kPocketFloor));
    // The bowl below the top.
    if (p.z <= S::kTop) d = std::min(d, std::fabs(std::hypot(rb, p.z - S::kTop) - S::kBowlRadius));
    return d;
  }

  static double Signed(const AcGePoint3d& p) { return Inside(p) ? -ToBoundary(p) : ToBoundary(p); }
};

// A hemisphere of radius 20 on the XY plane, centred on the origin.
struct Dome {
  static constexpr double kRadius = 20.0;
  static double Signed(const AcGePoint3d& p) {
    const double r = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
    const double rho = std::hypot(p.x, p.y);
    if (p.z >= 0 && r <= kRadius) return -std::min(kRadius - r, p.z);
    if (p.z >= 0) return r - kRadius;
    return rho <= kRadius ? -p.z : std::hypot(rho - kRadius, p.z);
  }
};

inline AcDbObjectId DomeSolid(ShellSession& session) {
  const AcDbObjectId sphere = mould::Sphere(session, AcGePoint3d(0, 0, 0), Dome::kRadius);
  mould::Subtract(sphere, mould::Box(session, AcGePoint3d(-30, -30, -30), AcGePoint3d(30, 30, 0)));
  return sphere;
}

// Points along every curve of the toolpath (markers and copies of the sources
// left out), no farther apart than step.
inline std::vector<AcGePoint3d> MovePoints(const char* toolpathName, double step, bool passesOnly = false) {
  std::vector<AcGePoint3d> points;
  AcDbObjectIdArray ids;
  GetToolpathEntityIds(toolpathName, ids);
  for (const AcDbObjectId& id : ids) {
    OpenedObject<AcDbCurve> curve(id, AcDb::kForRead);
    if (curve.openStatus() != Acad::eOk || curve->visibility() != AcDb::kVisible) continue;
    if (passesOnly && AcDbPolyline::cast(curve.object()) == nullptr) continue;
    double start = 0.0, end = 0.0, length = 0.0;
    if (curve->getStartParam(start) != Acad::eOk || curve->getEndParam(end) != Acad::eOk) continue;
    curve->getDistAtParam(end, length);
    const int count = std::max(1, static_cast<int>(std::ceil(length / step)));
    for (int i = 0; i <= count; ++i) {
      AcGePoint3d point;
      if (curve->getPointAtDist(length * i / count, point) == Acad::eOk) points.push_back(point);
    }
  }
  return points;
}

}  // namespace exact
