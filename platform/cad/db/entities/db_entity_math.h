// Geometry shared by the entity classes: angles, entity coordinate systems, the
// uniform-scale rule of circular entities, bulges and exact arc extents.
#pragma once

#include "platform/cad/db/db_extents.h"
#include "platform/cad/db/error_status.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

namespace entity_math {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
// Points closer than this count as one for on-curve tests.
constexpr double kPointTol = 1e-9;

// Into [0, 2pi).
double normalizeAngle(double angle);
// The sweep from start to end counter-clockwise, in (0, 2pi]; equal angles give 2pi.
double sweepOf(double startAngle, double endAngle);
double radiansToDegrees(double radians);
double degreesToRadians(double degrees);

// A unit normal; a zero vector gives +Z.
AcGeVector3d unitNormal(const AcGeVector3d& normal);
// The angle of a world point about a centre, in the coordinate system of the normal.
double ecsAngleOf(const AcGePoint3d& point, const AcGePoint3d& center, const AcGeVector3d& normal);
// The point at an angle on a circle lying in the plane of the normal.
AcGePoint3d pointOnCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double angle);
// The unit tangent there, counter-clockwise about the normal.
AcGeVector3d tangentOnCircle(const AcGeVector3d& normal, double angle);

// How a circular entity (centre, normal, radius, thickness) follows a transform.
// Refuses anything but a uniformly scaled orthogonal matrix; mirrored is set when the
// matrix turns the sense of rotation, so that the caller runs its arc the other way.
struct CircleFrame {
  AcGePoint3d center;
  AcGeVector3d normal;
  double radius = 0.0;
  double thickness = 0.0;
};
Acad::ErrorStatus transformCircleFrame(const AcGeMatrix3d& xform, CircleFrame& frame, bool& mirrored);

// Exact box of a circular arc from startAngle counter-clockwise over sweep.
void addArcExtents(AcDbExtents& extents, const AcGePoint3d& center, const AcGeVector3d& normal, double radius,
                   double startAngle, double sweep);
// The box grown by the same box moved by offset (an extrusion by thickness).
void extrudeExtents(AcDbExtents& extents, const AcGeVector3d& offset);

// A bulged segment of a plane polyline: centre, radius, the start angle of its first
// point about the centre and the signed sweep (negative for clockwise).
struct BulgeArc {
  AcGePoint2d center;
  double radius = 0.0;
  double startAngle = 0.0;
  double sweep = 0.0;
};
// False for bulge 0 or coincident ends.
bool arcFromBulge(const AcGePoint2d& start, const AcGePoint2d& end, double bulge, BulgeArc& arc);
AcGePoint2d pointOnBulgeArc(const BulgeArc& arc, double fraction);

// A circle or arc as its curve functions see it: parameter = ECS angle, from start
// counter-clockwise over sweep (2pi for a circle).
struct CircularArc {
  AcGePoint3d center;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double radius = 0.0;
  double start = 0.0;
  double sweep = kTwoPi;

  AcGePoint3d pointAt(double param) const { return pointOnCircle(center, normal, radius, param); }
  AcGeVector3d firstDerivAt(double param) const { return tangentOnCircle(normal, param) * radius; }
  AcGeVector3d secondDerivAt(double param) const;
  bool containsParam(double param) const { return param >= start - kPointTol && param <= start + sweep + kPointTol; }
  // The parameter of a point on the curve; false when the point is off it.
  bool paramOf(const AcGePoint3d& point, double& param) const;
  // The nearest point; with extend the whole circle counts.
  AcGePoint3d closestPointTo(const AcGePoint3d& point, bool extend) const;
  // Area between the arc and its chord.
  double segmentArea() const;
};

}  // namespace entity_math
