#include "plugin/milling/simple/simple_loops.h"

#include <algorithm>
#include <memory>

#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/passes/lead_moves.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kSamePoint = 1e-9;

void Append(std::vector<PolylineVertex>& vertices, double x, double y, double bulge) {
  // A zero-length segment would give the lead moves no direction.
  if (!vertices.empty() && vertices.back().point.distanceTo(AcGePoint2d(x, y)) <= kSamePoint) {
    vertices.back().bulge = bulge;
    return;
  }
  PolylineVertex vertex;
  vertex.point = AcGePoint2d(x, y);
  vertex.bulge = bulge;
  vertices.push_back(vertex);
}

void AppendOpenRectangleLoop(std::vector<PolylineVertex>& vertices, const AcGePoint2d& centre, double hx, double hy,
                             double cornerRadius) {
  const double a = std::clamp(cornerRadius, 0.0, std::min(hx, hy));
  const double arc = a > 0.0 ? kQuarterArcBulge : 0.0;
  const double cx = centre.x, cy = centre.y;
  const std::size_t first = vertices.size();
  // Counter-clockwise from the middle of the top edge; rotated below when the start is on the right edge.
  Append(vertices, cx, cy + hy, 0.0);
  Append(vertices, cx - (hx - a), cy + hy, arc);
  Append(vertices, cx - hx, cy + (hy - a), 0.0);
  Append(vertices, cx - hx, cy - (hy - a), arc);
  Append(vertices, cx - (hx - a), cy - hy, 0.0);
  Append(vertices, cx + (hx - a), cy - hy, arc);
  Append(vertices, cx + hx, cy - (hy - a), 0.0);
  if (hx > hy) {
    Append(vertices, cx + hx, cy + (hy - a), arc);
    Append(vertices, cx + (hx - a), cy + hy, 0.0);
    if (vertices.back().point.distanceTo(vertices[first].point) <= kSamePoint) vertices.pop_back();
    return;
  }
  // Start on the right edge: (cx + hx, cy), then up, across the top and round.
  std::vector<PolylineVertex> loop(vertices.begin() + static_cast<std::ptrdiff_t>(first), vertices.end());
  vertices.resize(first);
  Append(vertices, cx + hx, cy, 0.0);
  Append(vertices, cx + hx, cy + (hy - a), arc);
  Append(vertices, cx + (hx - a), cy + hy, 0.0);
  // The top edge's middle vertex is not needed here.
  for (std::size_t i = 1; i < loop.size(); ++i) Append(vertices, loop[i].point.x, loop[i].point.y, loop[i].bulge);
  if (vertices.size() - first > 1 && vertices.back().point.distanceTo(vertices[first].point) <= kSamePoint)
    vertices.pop_back();
}

}  // namespace

void AppendCircleLoop(std::vector<PolylineVertex>& vertices, const AcGePoint2d& centre, double radius, bool clockwise,
                      bool endAtStart) {
  const double turn = clockwise ? -1.0 : 1.0;
  const double bulge = turn * kQuarterArcBulge;
  Append(vertices, centre.x + radius, centre.y, bulge);
  Append(vertices, centre.x, centre.y + turn * radius, bulge);
  Append(vertices, centre.x - radius, centre.y, bulge);
  Append(vertices, centre.x, centre.y - turn * radius, bulge);
  if (endAtStart) Append(vertices, centre.x + radius, centre.y, 0.0);
}

void AppendRectangleLoop(std::vector<PolylineVertex>& vertices, const AcGePoint2d& centre, double hx, double hy,
                         double cornerRadius, bool endAtStart) {
  const std::size_t first = vertices.size();
  AppendOpenRectangleLoop(vertices, centre, hx, hy, cornerRadius);
  if (endAtStart && vertices.size() > first) {
    const AcGePoint2d start = vertices[first].point;
    Append(vertices, start.x, start.y, 0.0);
  }
}

AcDbObjectId AddVertexPolyline(const std::vector<PolylineVertex>& vertices, double elevation, bool closed) {
  auto polyline = std::make_unique<AcDbPolyline>(static_cast<unsigned int>(vertices.size()));
  for (const PolylineVertex& v : vertices)
    polyline->addVertexAt(polyline->numVerts(), v.point, v.bulge, v.startWidth, v.endWidth);
  polyline->setElevation(elevation);
  polyline->setClosed(closed ? Adesk::kTrue : Adesk::kFalse);
  AcDbObjectId id;
  if (AppendToModelSpace(polyline.get(), id) != Acad::eOk) return AcDbObjectId::kNull;
  polyline.release();  // the drawing owns it now
  return id;
}

void FitLeadMovesInside(const CLeadInOutDlg& lead, double leastHalfSize, CLeadInOutDlg& capped) {
  const double arc =
      std::max(lead.m_EntryArcOn ? lead.m_EntryArcRadius : 0.0f, lead.m_ExitArcOn ? lead.m_ExitArcRadius : 0.0f);
  const double line =
      std::max(lead.m_EntryLineOn ? lead.m_EntryLineLength : 0.0f, lead.m_ExitLineOn ? lead.m_ExitLineLength : 0.0f);
  const double room = 0.75 * leastHalfSize;
  const double reach = arc + line;
  ScaleLeadMoves(lead, reach > room && reach > 0.0 ? room / reach : 1.0, capped);
}
