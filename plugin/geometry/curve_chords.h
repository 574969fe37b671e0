// Straight-chord stand-ins for curves that a polyline cannot hold exactly
// (ellipses, splines, 3D polylines). The chords stay within 0.01 of the curve.
#pragma once

class AcDbCurve;
class AcDbEllipse;
class AcDbPolyline;
class AcDbSpline;

// Appends the chord vertices (bulge 0) to the polyline and gives it the Z of the
// curve's start as elevation. The tolerance is not used: the deviation limit is
// fixed. True when the polyline holds at least 3 vertices.
bool ApproximateCurveByChords(const AcDbCurve* curve, AcDbPolyline* polyline, double tolerance);
bool ApproximateSplineByChords(const AcDbSpline* spline, AcDbPolyline* polyline, double tolerance);
// Steps of 0.1 in the ellipse's parameter before any refinement.
bool ApproximateEllipseByChords(const AcDbEllipse* ellipse, AcDbPolyline* polyline, double tolerance);
