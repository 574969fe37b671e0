#include "plugin/geometry/polyline/polyline_segments.h"

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/ge/curves/ge_circ_arc.h"
#include "platform/cad/ge/curves/ge_line.h"

int PolylineSegmentCount(const AcDbPolyline* polyline) {
  if (polyline == nullptr) return 0;
  const int vertices = static_cast<int>(polyline->numVerts());
  const int count = polyline->isClosed() ? vertices : vertices - 1;
  return count > 0 ? count : 0;
}

namespace {

AcGeCurve2d* CopySegment(const AcDbPolyline* polyline, unsigned int index) {
  switch (polyline->segType(index)) {
    case AcDbPolyline::kLine: {
      auto* line = new AcGeLineSeg2d();
      if (polyline->getLineSegAt(index, *line) == Acad::eOk) return line;
      delete line;
      return nullptr;
    }
    case AcDbPolyline::kArc: {
      auto* arc = new AcGeCircArc2d();
      if (polyline->getArcSegAt(index, *arc) == Acad::eOk) return arc;
      delete arc;
      return nullptr;
    }
    default:
      return nullptr;
  }
}

}  // namespace

void GetPolylineSegments2d(const AcDbPolyline* polyline, PolylineSegments2d& segments) {
  const int count = PolylineSegmentCount(polyline);
  for (int i = 0; i < count; ++i) {
    if (AcGeCurve2d* segment = CopySegment(polyline, static_cast<unsigned int>(i))) segments.append(segment);
  }
}

void DeletePolylineSegments2d(PolylineSegments2d& segments) {
  for (int i = 0; i < segments.length(); ++i) delete static_cast<AcGeCurve2d*>(segments[i]);
  segments.setLogicalLength(0);
}
