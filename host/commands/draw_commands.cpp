#include "host/commands/draw_commands.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "host/drawing_space.h"
#include "host/host_session.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_ellipse.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_spline.h"
#include "platform/cad/editor/input/aced_input.h"

namespace host {

namespace {

constexpr int kPositive = RSG_NONULL | RSG_NOZERO | RSG_NONEG;

struct UcsPoint {
  std::array<double, 3> xyz{};
  explicit UcsPoint(const ads_point p) : xyz{p[0], p[1], p[2]} {}
  const double* data() const { return xyz.data(); }
};

// An arc about center (world), counter-clockwise about normal from the
// direction of start to the direction of end.
AcDbArc* MakeArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, const AcGePoint3d& start,
                 const AcGePoint3d& end) {
  const AcGeMatrix3d to_plane = AcGeMatrix3d::worldToPlane(normal);
  const AcGePoint3d c = to_plane * center;
  const AcGePoint3d s = to_plane * start;
  const AcGePoint3d e = to_plane * end;
  const double start_angle = std::atan2(s.y - c.y, s.x - c.x);
  const double end_angle = std::atan2(e.y - c.y, e.x - c.x);
  return new AcDbArc(center, normal, radius, start_angle, end_angle);
}

// The arc through three points of the UCS XY plane (at the first point's
// elevation); null, with a message, when they lie on a line.
AcDbArc* ThreePointArc(const UcsFrame& ucs, const ads_point p1, const ads_point p2, const ads_point p3) {
  const double ax = p1[0], ay = p1[1], bx = p2[0], by = p2[1], cx = p3[0], cy = p3[1];
  const double d = 2.0 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
  const double scale = std::max({std::abs(bx - ax), std::abs(by - ay), std::abs(cx - ax), std::abs(cy - ay), 1e-300});
  if (std::abs(d) < 1e-12 * scale * scale) {
    acutPrintf("\nThe three points lie on a line: no arc.\n");
    return nullptr;
  }
  const double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
  const double ux = (a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d;
  const double uy = (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d;
  const double elevation = p1[2];
  const AcGePoint3d center = ucs.ToWorld(AcGePoint3d(ux, uy, elevation));
  const AcGePoint3d start = ucs.ToWorld(AcGePoint3d(ax, ay, elevation));
  const AcGePoint3d end = ucs.ToWorld(AcGePoint3d(cx, cy, elevation));
  const double radius = std::hypot(ax - ux, ay - uy);
  const bool counter_clockwise = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax) > 0.0;
  return counter_clockwise ? MakeArc(center, ucs.Normal(), radius, start, end)
                           : MakeArc(center, ucs.Normal(), radius, end, start);
}

// Start, center, end: counter-clockwise from the start, ending on the ray to the end point.
AcDbArc* CenterArc(const UcsFrame& ucs, const ads_point start, const ads_point center, const ads_point end) {
  const double radius = std::hypot(start[0] - center[0], start[1] - center[1]);
  if (radius < 1e-12) {
    acutPrintf("\nThe start point lies on the center: no arc.\n");
    return nullptr;
  }
  const double elevation = start[2];
  return MakeArc(ucs.ToWorld(AcGePoint3d(center[0], center[1], elevation)), ucs.Normal(), radius,
                 ucs.ToWorld(AcGePoint3d(start[0], start[1], elevation)),
                 ucs.ToWorld(AcGePoint3d(end[0], end[1], elevation)));
}

// Clamped uniform knots for n control points of the degree.
AcGeDoubleArray ClampedKnots(int count, int degree) {
  AcGeDoubleArray knots;
  const int spans = count - degree;
  for (int i = 0; i <= degree; ++i) knots.append(0.0);
  for (int i = 1; i < spans; ++i) knots.append(static_cast<double>(i));
  for (int i = 0; i <= degree; ++i) knots.append(static_cast<double>(spans));
  return knots;
}

AcDbSpline* MakeSpline(const AcGePoint3dArray& points, bool control) {
  if (!control) return new AcDbSpline(points);
  const int degree = std::min(3, static_cast<int>(points.length()) - 1);
  return new AcDbSpline(degree, false, false, false, points, ClampedKnots(points.length(), degree), AcGeDoubleArray());
}

void Append(HostSession& session, AcDbEntity* entity) {
  if (entity != nullptr) AppendToCurrentSpace(*session.CurrentDatabase(), entity);
}

}  // namespace

void LineCommand(HostSession& session) {
  if (session.CurrentDatabase() == nullptr) return;
  const UcsFrame ucs;
  ads_point first;
  if (acedGetPoint(nullptr, "\nSpecify first point: ", first) != RTNORM) return;
  std::vector<UcsPoint> points{UcsPoint(first)};
  std::vector<AcDbObjectId> segments;
  for (;;) {
    const bool can_close = segments.size() >= 2;
    acedInitGet(0, can_close ? "Close Undo" : "Undo");
    ads_point next;
    const int status =
        acedGetPoint(points.back().data(),
                     can_close ? "\nSpecify next point or [Close/Undo]: " : "\nSpecify next point or [Undo]: ", next);
    if (status == RTNORM) {
      segments.push_back(AppendToCurrentSpace(*session.CurrentDatabase(),
                                              new AcDbLine(ucs.ToWorld(points.back().data()), ucs.ToWorld(next))));
      points.emplace_back(next);
    } else if (status == RTKWORD && IsKeyword(LastKeyword(), "Undo")) {
      if (segments.empty()) {
        acutPrintf("\nAll segments already undone.\n");
        continue;
      }
      EraseEntity(segments.back());
      segments.pop_back();
      points.pop_back();
    } else if (status == RTKWORD) {  // Close
      AppendToCurrentSpace(*session.CurrentDatabase(),
                           new AcDbLine(ucs.ToWorld(points.back().data()), ucs.ToWorld(points.front().data())));
      return;
    } else {
      return;
    }
  }
}

void ArcCommand(HostSession& session) {
  if (session.CurrentDatabase() == nullptr) return;
  const UcsFrame ucs;
  ads_point start, second, end;
  if (acedGetPoint(nullptr, "\nSpecify start point of arc: ", start) != RTNORM) return;
  acedInitGet(0, "Center");
  const int status = acedGetPoint(start, "\nSpecify second point of arc or [Center]: ", second);
  if (status == RTNORM) {
    if (acedGetPoint(second, "\nSpecify end point of arc: ", end) != RTNORM) return;
    Append(session, ThreePointArc(ucs, start, second, end));
  } else if (status == RTKWORD) {
    ads_point center;
    if (acedGetPoint(start, "\nSpecify center point of arc: ", center) != RTNORM) return;
    if (acedGetPoint(center, "\nSpecify end point of arc: ", end) != RTNORM) return;
    Append(session, CenterArc(ucs, start, center, end));
  }
}

void CircleCommand(HostSession& session) {
  if (session.CurrentDatabase() == nullptr) return;
  const UcsFrame ucs;
  ads_point center;
  if (acedGetPoint(nullptr, "\nSpecify center point for circle: ", center) != RTNORM) return;
  double radius = 0.0;
  acedInitGet(kPositive, "Diameter");
  int status = acedGetDist(center, "\nSpecify radius of circle or [Diameter]: ", &radius);
  if (status == RTKWORD) {
    double diameter = 0.0;
    acedInitGet(kPositive, nullptr);
    status = acedGetDist(center, "\nSpecify diameter of circle: ", &diameter);
    radius = diameter / 2.0;
  }
  if (status != RTNORM) return;
  Append(session, new AcDbCircle(ucs.ToWorld(center), ucs.Normal(), radius));
}

void PointCommand(HostSession& session) {
  if (session.CurrentDatabase() == nullptr) return;
  const UcsFrame ucs;
  ads_point point;
  if (acedGetPoint(nullptr, "\nSpecify a point: ", point) != RTNORM) return;
  Append(session, new AcDbPoint(ucs.ToWorld(point)));
}

void EllipseCommand(HostSession& session) {
  if (session.CurrentDatabase() == nullptr) return;
  const UcsFrame ucs;
  ads_point center, axis_end;
  if (acedGetPoint(nullptr, "\nSpecify center of ellipse: ", center) != RTNORM) return;
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(center, "\nSpecify endpoint of axis: ", axis_end) != RTNORM) return;
  // The axis lies in the ellipse's plane, at the center's elevation.
  const AcGePoint3d world_center = ucs.ToWorld(center);
  AcGeVector3d axis = ucs.ToWorld(AcGePoint3d(axis_end[0], axis_end[1], center[2])) - world_center;
  if (axis.length() < 1e-12) {
    acutPrintf("\nThe axis endpoint lies on the center: no ellipse.\n");
    return;
  }
  double other = 0.0;
  acedInitGet(kPositive, nullptr);
  if (acedGetDist(center, "\nSpecify distance to other axis: ", &other) != RTNORM) return;
  const AcGeVector3d normal = ucs.Normal();
  double ratio = other / axis.length();
  if (ratio > 1.0) {  // the other axis is the longer one: it becomes the major axis
    axis = normal.crossProduct(axis).normal() * other;
    ratio = 1.0 / ratio;
  }
  AcDbObjectPointer<AcDbEllipse> ellipse;
  ellipse.create();
  const Acad::ErrorStatus status = ellipse->set(world_center, normal, axis, ratio);
  if (status != Acad::eOk) {
    acutPrintf("\nCannot make the ellipse: %s\n", acadErrorStatusText(status));
    return;
  }
  AcDbEllipse* made = nullptr;
  ellipse.release(made);
  Append(session, made);
}

void SplineCommand(HostSession& session) {
  if (session.CurrentDatabase() == nullptr) return;
  const UcsFrame ucs;
  ads_point point;
  acedInitGet(0, "Control");
  int status = acedGetPoint(nullptr, "\nSpecify first point or [Control]: ", point);
  const bool control = status == RTKWORD;
  if (control) status = acedGetPoint(nullptr, "\nSpecify first control point: ", point);
  if (status != RTNORM) return;
  std::vector<UcsPoint> points{UcsPoint(point)};
  for (;;) {
    acedInitGet(0, "Undo");
    status =
        acedGetPoint(points.back().data(),
                     control ? "\nSpecify next control point or [Undo]: " : "\nEnter next point or [Undo]: ", point);
    if (status == RTNORM) {
      points.emplace_back(point);
    } else if (status == RTKWORD) {
      if (points.size() > 1) points.pop_back();
    } else if (status == RTNONE) {
      break;
    } else {
      return;  // cancelled: no spline
    }
  }
  if (points.size() < 2) {
    acutPrintf("\nA spline needs two points at least.\n");
    return;
  }
  AcGePoint3dArray world;
  for (const UcsPoint& p : points) world.append(ucs.ToWorld(p.data()));
  AcDbObjectPointer<AcDbSpline> spline;
  AcDbSpline* made = MakeSpline(world, control);
  spline.acquire(made);
  if (spline->isNull()) {
    acutPrintf("\nThe points give no spline.\n");
    return;
  }
  spline.release(made);
  Append(session, made);
}

}  // namespace host
