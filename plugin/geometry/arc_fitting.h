// Arcs fitted through points sampled along a curve, so that ellipses and
// splines become polylines of few arcs instead of many chords.
#pragma once

class AcDbCurve;
class AcDbEllipse;
class AcDbPolyline;
class AcDbSpline;

// Appends vertices with bulges to the polyline; every sample between an arc's ends
// lies within the tolerance (raised to 0.001) of that arc's circle. Only the
// polyline's plane vertices are written. True when it holds at least 3 vertices.
bool FitArcsToCurve(const AcDbCurve* curve, AcDbPolyline* polyline, double tolerance);
// The same with samples up to 1.0 apart in place of 0.5.
bool FitArcsToSpline(const AcDbSpline* spline, AcDbPolyline* polyline, double tolerance);
bool FitArcsToEllipse(const AcDbEllipse* ellipse, AcDbPolyline* polyline, double tolerance);
