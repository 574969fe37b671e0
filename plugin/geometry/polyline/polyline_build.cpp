#include "plugin/geometry/polyline/polyline_build.h"

#include <memory>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

using Vertices = std::vector<PolylineVertex>;

PolylineVertex VertexAt(const AcGePoint3d& point) {
  PolylineVertex vertex;
  vertex.point = AcGePoint2d(point.x, point.y);
  return vertex;
}

class PolylineJoiner {
 public:
  PolylineJoiner(double gap, AcDbObjectIdArray& out) : gap_(gap), out_(out) {}

  void addLine(const AcDbLine* line) {
    const AcGePoint3d start = line->startPoint();
    startElevation(start.z);
    beginUnlessNear(AcGePoint2d(start.x, start.y));
    if (current_.empty()) current_.push_back(VertexAt(start));
    current_.push_back(VertexAt(line->endPoint()));
  }

  void addPolyline(const AcDbPolyline* polyline) {
    const Vertices vertices = ReadPolylineVertices(polyline);
    if (vertices.empty()) return;
    startElevation(polyline->elevation());
    beginUnlessNear(vertices.front().point);
    std::size_t from = 0;
    if (!current_.empty()) {
      // The first vertex sits on the running end; its segment leaves from there.
      current_.back().bulge = vertices.front().bulge;
      from = 1;
    }
    for (std::size_t i = from; i < vertices.size(); ++i) current_.push_back(vertices[i]);
  }

  void finish() { flush(); }

 private:
  void startElevation(double elevation) {
    if (!elevationSet_) elevation_ = elevation;
    elevationSet_ = true;
  }

  void beginUnlessNear(const AcGePoint2d& start) {
    if (!current_.empty() && current_.back().point.distanceTo(start) > gap_) flush();
  }

  void flush() {
    if (current_.size() > 1) {
      auto polyline = std::make_unique<AcDbPolyline>();
      polyline->setElevation(elevation_);
      WritePolylineVertices(polyline.get(), current_);
      AcDbObjectId id;
      if (AppendToModelSpace(polyline.get(), id) == Acad::eOk) {
        polyline.release();
        out_.append(id);
      }
    }
    current_.clear();
  }

  double gap_;
  AcDbObjectIdArray& out_;
  Vertices current_;
  double elevation_ = 0.0;
  bool elevationSet_ = false;
};

}  // namespace

bool JoinLinesIntoPolyline(const AcDbObjectIdArray& ids, double gap, AcDbObjectIdArray& polylines) {
  PolylineJoiner joiner(gap, polylines);
  for (int i = 0; i < ids.length(); ++i) {
    OpenedObject<AcDbEntity> entity(ids[i], AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) {
      joiner.finish();
      return false;
    }
    if (const AcDbLine* line = AcDbLine::cast(entity)) {
      joiner.addLine(line);
    } else if (const AcDbPolyline* polyline = AcDbPolyline::cast(entity)) {
      joiner.addPolyline(polyline);
    } else {
      joiner.finish();
      return false;
    }
  }
  joiner.finish();
  return true;
}

bool MakeTwoPointPolylines(AcDbObjectIdArray& ids) {
  bool everyOne = true;
  for (int i = 0; i < ids.length(); ++i) {
    AcGePoint3d start, end;
    if (GetCurveEndPoints(ids[i], start, end) == 0) {
      everyOne = false;
      continue;
    }
    const AcDbObjectId made = AddTwoPointPolyline(AcGePoint2d(start.x, start.y), AcGePoint2d(end.x, end.y), start.z);
    if (made.isNull()) {
      everyOne = false;
      continue;
    }
    EraseObject(ids[i]);
    ids[i] = made;
  }
  return everyOne;
}
