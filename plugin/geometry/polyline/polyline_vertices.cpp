#include "plugin/geometry/polyline/polyline_vertices.h"

#include <cmath>

#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/shell/opened_object.h"

std::vector<PolylineVertex> ReadPolylineVertices(const AcDbPolyline* polyline) {
  std::vector<PolylineVertex> vertices(polyline->numVerts());
  for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
    polyline->getPointAt(i, vertices[i].point);
    polyline->getBulgeAt(i, vertices[i].bulge);
    polyline->getWidthsAt(i, vertices[i].startWidth, vertices[i].endWidth);
  }
  return vertices;
}

void WritePolylineVertices(AcDbPolyline* polyline, const std::vector<PolylineVertex>& vertices) {
  const bool closed = polyline->isClosed();
  polyline->reset(false, 0);
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const PolylineVertex& v = vertices[i];
    polyline->addVertexAt(static_cast<unsigned int>(i), v.point, v.bulge, v.startWidth, v.endWidth);
  }
  polyline->setClosed(closed);
}

curve::BulgeSeg SegmentOf(const std::vector<PolylineVertex>& vertices, std::size_t index) {
  const PolylineVertex& from = vertices[index];
  const PolylineVertex& to = vertices[(index + 1) % vertices.size()];
  return {from.point, to.point, from.bulge};
}

double PartialBulge(double bulge, double fraction) { return std::tan(std::atan(bulge) * fraction); }

bool EditPolylineVertices(AcDbObjectId id, const std::function<void(std::vector<PolylineVertex>&, bool closed)>& edit) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForWrite);
  if (polyline.openStatus() != Acad::eOk) return false;
  std::vector<PolylineVertex> vertices = ReadPolylineVertices(polyline);
  edit(vertices, polyline->isClosed());
  WritePolylineVertices(polyline, vertices);
  return true;
}

double DirectionRadians(const AcGePoint2d& a, const AcGePoint2d& b) {
  return curve::normalizeAngle(std::atan2(b.y - a.y, b.x - a.x));
}
