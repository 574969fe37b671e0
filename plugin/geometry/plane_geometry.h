// Plain-number geometry on 3D points: direction angles in degrees, circles through
// points, arc angles and circle intersections, in one of three axis planes.
#pragma once

#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_point3d.h"

struct Xyz {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// From Q to P: the components and the length.
struct XyzDifference {
  double dx = 0.0;
  double dy = 0.0;
  double dz = 0.0;
  double length = 0.0;
};

// pi / 180, shared by every conversion between radians and degrees.
extern const double kDegreeFactor;

// Plane codes: the plane in which a circle is taken.
constexpr char kPlaneXY = '[';   // Z must agree
constexpr char kPlaneZX = '\\';  // Y must agree; angles from +Z towards +X
constexpr char kPlaneYZ = ']';   // X must agree; angles from +Y towards +Z

// Arc sense codes.
constexpr int kArcSenseNone = 0;
constexpr int kArcSenseCounterClockwise = 6;
constexpr int kArcSenseClockwise = 8;

// Angle in degrees, 0 to below 360, of the vector with component b along the first
// axis and a along the second; 0 for a vector shorter than 0.0001.
double GetDirectionAngle(double a, double b);
// The same for the difference's first two components (dx along the first axis).
double GetDirectionAngle(const XyzDifference& vector);

// P - Q with its length; 0 when the length is exactly 0 (the unit vector is then
// left as it was), else 1.
int GetVectorBetweenPoints(const Xyz& p, const Xyz& q, XyzDifference& difference, Xyz& unit);
int GetVectorBetweenPoints(AcGePoint3d p, AcGePoint3d q, XyzDifference& difference, Xyz& unit);
// Z taken as 0.
int GetVectorBetweenPoints2d(AcGePoint2d p, AcGePoint2d q, XyzDifference& difference, Xyz& unit);

// The circle through three points in the plane of the code; the points must agree in
// the plane's third axis within the tolerance. 1 with radius, sense and centre, or
// 0 (the outputs untouched) for points off the plane, coincident or in a line.
int CircleThrough3Points(const Xyz& p1, const Xyz& p2, const Xyz& p3, double tolerance, char plane, double& radius,
                         int& sense, Xyz& center);
int CircleThrough3Points(AcGePoint3d p1, AcGePoint3d p2, AcGePoint3d p3, double tolerance, char plane, double& radius,
                         int& sense, AcGePoint3d& center);

// Angles in degrees of an arc's ends about the centre, in the plane of the code (any
// unknown code is the XY plane), run the way of the sense (8 clockwise, anything else
// counter-clockwise). The sweep lies in (0, 360]: equal ends make a full circle.
// Always 1.
int GetArcAngles(const Xyz& start, const Xyz& end, const Xyz& center, int sense, char plane, double& startAngle,
                 double& endAngle, double& sweep, double& radius, double& length);
int GetArcAngles(AcGePoint3d start, AcGePoint3d end, AcGePoint3d center, int sense, char plane, double& startAngle,
                 double& endAngle, double& sweep, double& radius, double& length);

// 6 when P2 lies on the counter-clockwise way from P1 to P3 about C (in XY), 8 when
// not, 0 when the three lie in one direction from C.
int GetArcSense(const Xyz& p1, const Xyz& p2, const Xyz& p3, const Xyz& c);

// Crossings of two circles in the XY plane at the Z of C1 (C2 takes that Z): P left
// of C1 -> C2, Q right of it. 2, 1 for circles that touch exactly, 0 (P and Q
// untouched) for circles apart, one inside the other, or concentric.
int IntersectCircles(const Xyz& c1, double r1, Xyz& c2, double r2, Xyz& p, Xyz& q);
