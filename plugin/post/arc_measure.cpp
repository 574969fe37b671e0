#include "plugin/post/arc_measure.h"

#include <cmath>

#include "plugin/post/post_move_record.h"
#include "plugin/post/post_values.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}

void PlaneCoordinates(const AcGePoint3d& p, int plane, double& a, double& b, double& along) {
  if (plane == kPlaneZX) {
    a = p.z, b = p.x, along = p.y;
  } else if (plane == kPlaneYZ) {
    a = p.y, b = p.z, along = p.x;
  } else {
    a = p.x, b = p.y, along = p.z;
  }
}

double ArcSweep(const AcGePoint3d& from, const AcGePoint3d& end, const AcGePoint3d& centre, int plane, int type) {
  double fa, fb, fz, ea, eb, ez, ca, cb, cz;
  PlaneCoordinates(from, plane, fa, fb, fz);
  PlaneCoordinates(end, plane, ea, eb, ez);
  PlaneCoordinates(centre, plane, ca, cb, cz);
  const double ua = fa - ca, ub = fb - cb, va = ea - ca, vb = eb - cb;
  double sweep = std::atan2(ua * vb - ub * va, ua * va + ub * vb);
  if (type == kMoveCwArc) sweep = -sweep;
  if (sweep <= 0.0) sweep += 2.0 * kPi;
  return sweep;
}

double ArcLength(const AcGePoint3d& from, const AcGePoint3d& end, const AcGePoint3d& centre, int plane, int type) {
  double fa, fb, fz, ea, eb, ez, ca, cb, cz;
  PlaneCoordinates(from, plane, fa, fb, fz);
  PlaneCoordinates(end, plane, ea, eb, ez);
  PlaneCoordinates(centre, plane, ca, cb, cz);
  const double planar = std::hypot(fa - ca, fb - cb) * ArcSweep(from, end, centre, plane, type);
  return std::hypot(planar, ez - fz);
}
