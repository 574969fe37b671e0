#include "plugin/geometry/polyline_properties.h"

#include "platform/cad/db/db_curve.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/db_polyline.h"
#include "plugin/shell/toolpath_entities.h"

bool SetPolylineClosed(AcDbObjectId id, bool closed) {
  AcDbPolyline* polyline = nullptr;
  if (acdbOpenObject(polyline, id, AcDb::kForWrite) != Acad::eOk) return false;
  ObjectCloser closer(polyline);
  polyline->setClosed(closed);
  return true;
}

bool SetPolylineElevation(AcDbObjectId id, double elevation) {
  AcDbPolyline* polyline = nullptr;
  if (acdbOpenObject(polyline, id, AcDb::kForWrite) != Acad::eOk) return false;
  ObjectCloser closer(polyline);
  polyline->setElevation(elevation);
  return true;
}

bool GetPolylineElevation(AcDbObjectId id, double& elevation) {
  AcDbPolyline* polyline = nullptr;
  if (acdbOpenObject(polyline, id, AcDb::kForRead) != Acad::eOk) return false;
  ObjectCloser closer(polyline);
  elevation = polyline->elevation();
  return true;
}

bool ClonePolylineAtElevation(AcDbObjectId id, AcDbObjectId& copyId, double elevation) {
  copyId.setNull();
  AcDbPolyline* copy = nullptr;
  {
    AcDbPolyline* source = nullptr;
    if (acdbOpenObject(source, id, AcDb::kForRead) != Acad::eOk) return false;
    ObjectCloser closer(source);
    copy = AcDbPolyline::cast(source->clone());
  }
  if (copy == nullptr) return false;
  copy->setElevation(elevation);
  if (AddEntityToModelSpace(copy, copyId) != 1) {
    delete copy;
    copyId.setNull();
    return false;
  }
  CloseOrAbort(copy);
  return true;
}

bool IsCurveClosed(AcDbObjectId id) {
  AcDbCurve* curve = nullptr;
  if (acdbOpenObject(curve, id, AcDb::kForRead) != Acad::eOk) return false;
  ObjectCloser closer(curve);
  return curve->isClosed();
}

int GetPolylineVertexCount(AcDbObjectId id) {
  AcDbPolyline* polyline = nullptr;
  if (acdbOpenObject(polyline, id, AcDb::kForRead) != Acad::eOk) return 0;
  ObjectCloser closer(polyline);
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
