// Lightweight polylines to plane curves of the geometry library and back. Nothing
// here touches the drawing: the caller owns what comes back.
#pragma once

class AcDbPolyline;
class AcGeCircArc2d;
class AcGeCurve2d;

// The polyline's segments as one curve: a lone segment comes back as itself (a line
// segment or an arc), anything else as an AcGeCompositeCurve2d, empty when the
// polyline has no segment with length. The caller deletes the curve.
void PolylineToCompositeCurve(const AcDbPolyline* polyline, AcGeCurve2d*& curve);

// A new polyline, not in any drawing, through the pieces of the curve (line
// segments, circular arcs, 2D polylines). The polyline is handed out before any
// piece is read, so the caller deletes or appends it whatever the result. False on
// the first piece of another kind (the vertices so far stay) and for a curve
// without pieces. Elevation, normal and closed flag are left for the caller; a
// closed curve ends on a vertex on top of its first one.
bool CompositeCurveToPolyline(const AcGeCurve2d* curve, AcDbPolyline*& polyline);

// tan of a quarter of the sweep: positive counter-clockwise, negative clockwise.
double BulgeOfArc2d(const AcGeCircArc2d& arc);
