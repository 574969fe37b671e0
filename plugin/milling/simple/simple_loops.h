// Simple cycles: the closed loops their passes are made of, as plain vertex
// lists, and the polyline that carries one into the drawing.
#pragma once

#include <vector>

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point2d.h"
#include "plugin/geometry/polyline/polyline_vertices.h"

// Bulge of a quarter arc, tan(22.5 degrees); negative turns clockwise.
inline constexpr double kQuarterArcBulge = 0.41421356237309503;

// A full circle of four quarter arcs from (centre X + radius, centre Y). With
// endAtStart the start vertex is repeated at the end (for rings joined in one
// polyline); otherwise the loop closes through the polyline's closed flag.
void AppendCircleLoop(std::vector<PolylineVertex>& vertices, const AcGePoint2d& centre, double radius,
                      bool clockwise = false, bool endAtStart = false);

// A counter-clockwise rectangle of half sizes hx, hy with corner arcs of
// radius cornerRadius (sharp at 0 or below; never larger than a half size). It
// starts at the middle of the long side's positive half: (cx, cy + hy) heading
// toward -X when hx > hy, else (cx + hx, cy) heading up. endAtStart as for the circle.
void AppendRectangleLoop(std::vector<PolylineVertex>& vertices, const AcGePoint2d& centre, double hx, double hy,
                         double cornerRadius, bool endAtStart = false);

// A new lightweight polyline in model space; null when it could not be added.
AcDbObjectId AddVertexPolyline(const std::vector<PolylineVertex>& vertices, double elevation, bool closed);

class CLeadInOutDlg;

// The lead moves of a pass inside a small loop stay inside it: when the
// largest lead arc and line together pass 0.75 x the loop's least half size,
// capped takes the lead's settings with all its sizes scaled down to fit.
void FitLeadMovesInside(const CLeadInOutDlg& lead, double leastHalfSize, CLeadInOutDlg& capped);
