#include "plugin/post/toolpath_snapshot.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/ucs_helpers.h"

namespace {

AcGePoint3d Moved(AcGePoint3d point, const AcGeMatrix3d& matrix) { return point.transformBy(matrix); }
AcGeVector3d Turned(AcGeVector3d vector, const AcGeMatrix3d& matrix) { return vector.transformBy(matrix); }

bool HasRapidStyle(const AcDbEntity& entity) {
  if (entity.colorIndex() != ToolpathMoveEncoding::kRapidColorIndex) return false;
  char* name = entity.linetype();
  const bool rapid = name != nullptr && std::strcmp(name, kRapidLinetype) == 0;
  std::free(name);
  return rapid;
}

void ReadLine(const AcDbLine& line, const AcGeMatrix3d& m, EntitySnapshot& s) {
  s.thickness = line.thickness();
  s.start = Moved(line.startPoint(), m);
  s.end = Moved(line.endPoint(), m);
}

void ReadArc(const AcDbArc& arc, const AcGeMatrix3d& m, EntitySnapshot& s) {
  s.thickness = arc.thickness();
  AcGePoint3d start, end;
  arc.getStartPoint(start);
  arc.getEndPoint(end);
  s.start = Moved(start, m);
  s.end = Moved(end, m);
  s.arc.centre = Moved(arc.center(), m);
  s.arc.axis = Turned(arc.normal(), m);
}

void ReadPolyline(const AcDbPolyline& polyline, const AcGeMatrix3d& m, EntitySnapshot& s) {
  s.thickness = polyline.thickness();
  const unsigned int count = polyline.numVerts();
  const unsigned int segments = polyline.isClosed() ? count : (count > 0 ? count - 1 : 0);
  s.segments.reserve(segments);
  for (unsigned int i = 0; i < segments; ++i) {
    PolylineSegmentSnapshot segment;
    const AcDbPolyline::SegType type = polyline.segType(i);
    AcGePoint3d start, end;
    polyline.getPointAt(i, start);
    polyline.getPointAt((i + 1) % count, end);
    segment.start = Moved(start, m);
    segment.end = Moved(end, m);
    double startWidth = 0.0, endWidth = 0.0;
    polyline.getWidthsAt(i, startWidth, endWidth);
    segment.width = startWidth;
    if (!ToolpathMoveEncoding::WidthToFeed(startWidth, segment.widthFeed)) segment.widthFeed = 0;
    if (type == AcDbPolyline::kArc) {
      AcGeCircArc3d arc;
      double bulge = 0.0;
      polyline.getArcSegAt(i, arc);
      polyline.getBulgeAt(i, bulge);
      segment.isArc = true;
      segment.arc.centre = Moved(arc.center(), m);
      // A positive bulge turns counter-clockwise about the polyline's normal.
      segment.arc.axis = Turned(bulge < 0.0 ? -polyline.normal() : polyline.normal(), m);
    } else if (type != AcDbPolyline::kLine) {
      segment.isEmpty = true;
    }
    s.segments.push_back(segment);
  }
}

void Read3dPolyline(const AcDb3dPolyline& polyline, const AcGeMatrix3d& m, EntitySnapshot& s) {
  double endParam = -1.0;
  if (polyline.getEndParam(endParam) != Acad::eOk || endParam < 0.0) return;
  for (int k = 0; k <= static_cast<int>(endParam); ++k) {
    AcGePoint3d point;
    if (polyline.getPointAtParam(k, point) == Acad::eOk) s.vertices.push_back(Moved(point, m));
  }
}

void ReadInfo(AcDbObjectId pointId, EntitySnapshot& s) {
  OpenedObject<CToolPathInfo> info;
  if (OpenToolPathInfo(pointId, info) != Acad::eOk) return;
  s.hasInfo = true;
  s.info.kind = info->kind();
  s.info.value = info->value();
  s.info.toolType = info->toolType();
  s.info.toolNumber = info->firstNumber();
  s.info.offsetNumber = info->secondNumber();
  s.info.diameter = info->diameter();
  s.info.cornerRadius = info->cornerRadius();
  s.info.length = info->length();
}

void ReadPoint(const AcDbPoint& point, const AcGeMatrix3d& m, EntitySnapshot& s) {
  s.thickness = point.thickness();
  s.start = s.end = Moved(point.position(), m);
  const int type = point.colorIndex();
  if (!IsMarkerType(type)) return;
  s.markerType = type;
  if (MarkerTypeHasValue(type)) s.markerValue = StoredValueOf(point.thickness());
}

}  // namespace

int StoredValueOf(double thickness) {
  const double value = thickness * ToolpathMoveEncoding::kReadScale;
  if (!(value > -2e9 && value < 2e9)) return 0;
  return static_cast<int>(std::floor(value + 0.5));
}

bool ReadEntitySnapshot(AcDbObjectId id, const AcGeMatrix3d& toUcs, EntitySnapshot& snapshot) {
  snapshot = EntitySnapshot();
  {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) return false;
    snapshot.kind = EntityKindCodeOf(entity.object());
    snapshot.rapidStyle = HasRapidStyle(*entity);
    if (const auto* line = AcDbLine::cast(entity.object())) {
      ReadLine(*line, toUcs, snapshot);
    } else if (const auto* arc = AcDbArc::cast(entity.object())) {
      ReadArc(*arc, toUcs, snapshot);
    } else if (const auto* polyline = AcDbPolyline::cast(entity.object())) {
      ReadPolyline(*polyline, toUcs, snapshot);
    } else if (const auto* polyline3d = AcDb3dPolyline::cast(entity.object())) {
      Read3dPolyline(*polyline3d, toUcs, snapshot);
    } else if (const auto* point = AcDbPoint::cast(entity.object())) {
      ReadPoint(*point, toUcs, snapshot);
    }
  }
  if (snapshot.kind == kEntityPoint) ReadInfo(id, snapshot);
  return true;
}

AcGeMatrix3d WorldToCurrentUcs() {
  AcGeMatrix3d ucsToWorld;
  GetUcsMatrix(ucsToWorld, acdbHostApplicationServices()->workingDatabase());
  return ucsToWorld.inverse();
}
