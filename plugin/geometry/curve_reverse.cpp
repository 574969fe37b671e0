#include "plugin/geometry/curve_reverse.h"

#include <vector>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/ge/ge_point2d.h"
#include "plugin/shell/opened_object.h"

namespace {

constexpr double kSamePointTolerance = 0.0001;
constexpr double kClosingTolerance = 0.001;
constexpr double kTwoPi = 6.28318530717958647692;

struct Vertex {
  AcGePoint2d point;
  double bulge = 0.0;
  double startWidth = 0.0;
  double endWidth = 0.0;
};

std::vector<Vertex> VerticesOf(const AcDbPolyline* polyline) {
  std::vector<Vertex> vertices(polyline->numVerts());
  for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
    polyline->getPointAt(i, vertices[i].point);
    polyline->getBulgeAt(i, vertices[i].bulge);
    polyline->getWidthsAt(i, vertices[i].startWidth, vertices[i].endWidth);
  }
  return vertices;
}

// A closing vertex on the first one becomes the closed flag again.
void RemoveClosingVertex(std::vector<Vertex>& vertices, double tolerance) {
  if (vertices.size() > 2 && vertices.back().point.distanceTo(vertices.front().point) <= tolerance) {
    vertices.pop_back();
  }
}

}  // namespace

void ReversePolylineVertices(AcDbPolyline* polyline) {
  std::vector<Vertex> source = VerticesOf(polyline);
  const bool closed = polyline->isClosed();
  if (source.empty()) return;
  if (closed) source.push_back(Vertex{source.front().point, 0.0, source.front().startWidth, source.front().endWidth});

  const std::size_t count = source.size();
  std::vector<Vertex> reversed(count);
  const bool endsApart = source.front().point.distanceTo(source.back().point) > kSamePointTolerance;
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t from = count - 1 - k;
    reversed[k].point = source[from].point;
    // The segment that ended at this vertex now starts from it, run the other way.
    if (from > 0) {
      reversed[k].bulge = -source[from - 1].bulge;
    } else {
      reversed[k].bulge = endsApart ? -source[count - 1].bulge : 0.0;
    }
    // Widths swap ends along with the direction.
    if (from > 0) {
      reversed[k].startWidth = source[from - 1].endWidth;
      reversed[k].endWidth = source[from - 1].startWidth;
    }
  }
  if (closed) RemoveClosingVertex(reversed, kClosingTolerance);

  polyline->reset(false, 0);
  for (std::size_t i = 0; i < reversed.size(); ++i) {
    polyline->addVertexAt(static_cast<unsigned int>(i), reversed[i].point, reversed[i].bulge, reversed[i].startWidth,
                          reversed[i].endWidth);
  }
  polyline->setClosed(closed);
}

bool ReversePolyline(AcDbObjectId id) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForWrite);
  if (polyline.openStatus() != Acad::eOk) return false;
  ReversePolylineVertices(polyline);
  return true;
}

bool ReverseCurve(AcDbObjectId id) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForWrite);
  if (entity.openStatus() != Acad::eOk) return false;
  bool reversed = true;
  if (auto* line = AcDbLine::cast(entity)) {
    const AcGePoint3d start = line->startPoint();
    line->setStartPoint(line->endPoint());
    line->setEndPoint(start);
  } else if (auto* arc = AcDbArc::cast(entity)) {
    // Mirroring the angles through the flipped plane keeps every point in place.
    const double start = arc->startAngle();
    const double end = arc->endAngle();
    arc->setNormal(-arc->normal());
    arc->setStartAngle(1.5 * kTwoPi - end);
    arc->setEndAngle(1.5 * kTwoPi - start);
  } else if (auto* circle = AcDbCircle::cast(entity)) {
    circle->setNormal(-circle->normal());
  } else if (auto* polyline = AcDbPolyline::cast(entity)) {
    ReversePolylineVertices(polyline);
  } else {
    reversed = false;
  }
  return reversed;
}
