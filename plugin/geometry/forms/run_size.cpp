#include "plugin/geometry/forms/run_size.h"

#include <cmath>
#include <limits>

#include "platform/cad/db/entities/db_polyline.h"
#include "platform/win/message_box.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/message_table.h"

namespace {

void ShowTooLarge(const CString& message, double count, double most) {
  CString text;
  text.Format(message.GetString(), static_cast<long long>(std::fmin(count, 9e18)), static_cast<long long>(most));
  ::MessageBox(nullptr, text, "Ostrivo message", MB_OK | MB_ICONINFORMATION);
}

bool IsFinite(const AcGePoint3d& point) {
  return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z);
}

// A box of the host may pass over a NaN; the vertices of a polyline do not.
bool HasFiniteVertices(const AcDbEntity& entity) {
  const auto* polyline = AcDbPolyline::cast(&entity);
  if (polyline == nullptr) return true;
  for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
    AcGePoint3d vertex;
    if (polyline->getPointAt(i, vertex) == Acad::eOk && !IsFinite(vertex)) return false;
  }
  return true;
}

}  // namespace

double GeometryDiagonal(const AcDbObjectIdArray& ids) {
  AcDbExtents all;
  bool any = false;
  for (const AcDbObjectId& id : ids) {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) continue;
    AcDbExtents extents;
    if (!HasFiniteVertices(*entity.object())) return std::numeric_limits<double>::quiet_NaN();
    if (entity->getGeomExtents(extents) != Acad::eOk) continue;
    if (!IsFinite(extents.minPoint()) || !IsFinite(extents.maxPoint())) return std::numeric_limits<double>::quiet_NaN();
    all.addExt(extents);
    any = true;
  }
  return any ? all.minPoint().distanceTo(all.maxPoint()) : 0.0;
}

double LevelCount(double depth, double step) {
  if (!(std::fabs(depth) > 0.0) || !(step > 0.0)) return 1.0;
  return std::ceil(std::fabs(depth) / step);
}

double PassCount(double extent, double stepover) {
  if (!(extent > 0.0) || !(stepover > 0.0)) return 1.0;
  return std::ceil(extent / stepover);
}

bool CheckRunSize(double levels, double passesPerLevel) {
  // A NaN count fits nothing.
  if (!(levels <= kMostLevels)) {
    ShowTooLarge(MsgTooManyLevels, levels, kMostLevels);
    return false;
  }
  const double passes = levels * passesPerLevel;
  if (!(passes <= kMostPasses)) {
    ShowTooLarge(MsgTooManyPasses, passes, kMostPasses);
    return false;
  }
  return true;
}

bool CheckGeometryExtent(double diagonal) {
  if (diagonal <= kLargestExtent) return true;
  CString size;
  size.Format("%g", diagonal);
  CString text;
  text.Format(MsgGeometryOutOfRange.GetString(), size.GetString());
  ::MessageBox(nullptr, text, "Ostrivo message", MB_OK | MB_ICONINFORMATION);
  return false;
}
