#include "plugin/geometry/polyline/polyline_properties.h"

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

bool SetPolylineClosed(AcDbObjectId id, bool closed) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForWrite);
  if (polyline.openStatus() != Acad::eOk) return false;
  polyline->setClosed(closed);
  return true;
}

bool SetPolylineElevation(AcDbObjectId id, double elevation) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForWrite);
  if (polyline.openStatus() != Acad::eOk) return false;
  polyline->setElevation(elevation);
  return true;
}

bool GetPolylineElevation(AcDbObjectId id, double& elevation) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return false;
  elevation = polyline->elevation();
  return true;
}

bool ClonePolylineAtElevation(AcDbObjectId id, AcDbObjectId& copyId, double elevation) {
  copyId.setNull();
  OpenedObject<AcDbPolyline> copy;  // deleted unless the drawing takes it
  {
    OpenedObject<AcDbPolyline> source(id, AcDb::kForRead);
    if (source.openStatus() != Acad::eOk) return false;
    AcDbPolyline* clone = AcDbPolyline::cast(source->clone());
    if (copy.acquire(clone) != Acad::eOk) return false;
  }
  copy->setElevation(elevation);
  if (AddEntityToModelSpace(copy, copyId) != 1) {
    copyId.setNull();
    return false;
  }
  return true;
}

bool IsCurveClosed(AcDbObjectId id) {
  OpenedObject<AcDbCurve> curve(id, AcDb::kForRead);
  if (curve.openStatus() != Acad::eOk) return false;
  return curve->isClosed();
}

int GetPolylineVertexCount(AcDbObjectId id) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  if (polyline.openStatus() != Acad::eOk) return 0;
  return static_cast<int>(polyline->numVerts());
}

void AppendPolylineVertex(AcDbPolyline* polyline, const AcGePoint2d& point, double bulge) {
  polyline->addVertexAt(polyline->numVerts(), point, bulge, -1.0, -1.0);
}

bool GetVertexFeed(const AcDbPolyline* polyline, int vertexIndex, int& feed) {
  double startWidth = 0.0;
  if (vertexIndex < 0 || polyline->getStartWidthAt(static_cast<unsigned int>(vertexIndex), startWidth) != Acad::eOk) {
    return false;
  }
  return ToolpathMoveEncoding::WidthToFeed(startWidth, feed);
}
