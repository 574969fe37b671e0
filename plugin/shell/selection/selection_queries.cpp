#include "plugin/shell/selection/selection_queries.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/tables/db_layer_table.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "platform/classlib/collections/cstring_array.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

constexpr double kFlatTolerance = 1e-8;
constexpr double kShortestLine = 1e-6;
constexpr double kTagFactor = 1.000001e-7;

AcDbObjectId IdOfName(const ads_name name) {
  AcDbObjectId id;
  if (name == nullptr || acdbGetObjectId(id, name) != Acad::eOk) return AcDbObjectId::kNull;
  return id;
}

void FreeIds(AcDbObjectIdArray& ids) { ids.setPhysicalLength(0); }

long SetLength(const ads_name set) {
  long length = 0;
  if (acedSSLength(set, &length) != RTNORM) return 0;
  return length;
}

// The set's members as names, in set order; deleting from the set leaves them valid.
std::vector<std::array<std::int64_t, 2>> SetMembers(const ads_name set) {
  std::vector<std::array<std::int64_t, 2>> members;
  const long length = SetLength(set);
  members.reserve(static_cast<size_t>(length));
  for (long i = 0; i < length; ++i) {
    ads_name name = {0, 0};
    if (acedSSName(set, i, name) == RTNORM) members.push_back({name[0], name[1]});
  }
  return members;
}

AcDbObjectId IdOfMember(const std::array<std::int64_t, 2>& member) {
  ads_name name = {member[0], member[1]};
  return IdOfName(name);
}

void DeleteMember(const std::array<std::int64_t, 2>& member, ads_name set) {
  ads_name name = {member[0], member[1]};
  acedSSDel(name, set);
}

bool ShouldFilterOut(AcDbObjectId id) {
  if (!IsEntityShown(id)) return true;
  const int kind = GetEntityKind(id);
  if (kind == kEntityOther) return true;
  return kind == kEntityLine && LineLength(id) < kShortestLine;
}

}  // namespace

bool IsEntityShown(AcDbObjectId id) {
  CString layer;
  {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) return false;
    if (entity->visibility() != AcDb::kVisible) return false;
    char* name = entity->layer();
    layer = name != nullptr ? name : "";
    std::free(name);  // the host hands out malloc'ed copies
  }
  return IsLayerOn(layer, id.database());
}

bool IsEntityShownOfName(const ads_name name) { return IsEntityShown(IdOfName(name)); }

bool IsLayerOn(const char* layerName, AcDbDatabase* db) {
  if (db == nullptr) db = acdbHostApplicationServices()->workingDatabase();
  if (db == nullptr || layerName == nullptr) return true;
  OpenedObject<AcDbLayerTable> table(db->layerTableId(), AcDb::kForRead);
  if (table.openStatus() != Acad::eOk) return true;
  AcDbLayerTableIterator* iterator = nullptr;
  if (table->newIterator(iterator) != Acad::eOk) return true;
  const std::unique_ptr<AcDbLayerTableIterator> iteratorGuard(iterator);
  const CString wanted(layerName);
  for (; !iterator->done(); iterator->step()) {
    AcDbObjectId recordId;
    if (iterator->getRecordId(recordId) != Acad::eOk) continue;
    OpenedObject<AcDbLayerTableRecord> record(recordId, AcDb::kForRead);
    const char* name = nullptr;
    if (record.openStatus() != Acad::eOk || record->getName(name) != Acad::eOk || name == nullptr) continue;
    if (wanted.CompareNoCase(name) == 0) return !record->isOff();
  }
  return true;
}

bool GetEntityLayer(AcDbObjectId id, CString& layerName) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return false;
  char* name = entity->layer();
  if (name == nullptr) return false;
  layerName = name;
  std::free(name);
  return true;
}

bool SetEntityLayer(AcDbObjectId id, const char* layerName) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForWrite);
  if (entity.openStatus() != Acad::eOk) return false;
  return entity->setLayer(layerName) == Acad::eOk;
}

bool SetEntityVisibility(AcDbObjectId id, int flag) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForWrite);
  if (entity.openStatus() != Acad::eOk) return false;
  return entity->setVisibility(flag == 1 ? AcDb::kVisible : AcDb::kInvisible) == Acad::eOk;
}

void SetEntitiesVisibility(AcDbObjectIdArray& ids, int flag) {
  for (int i = 0; i < ids.length(); ++i) SetEntityVisibility(ids[i], flag);
  FreeIds(ids);
}

void SetEntitiesLayer(AcDbObjectIdArray& ids, const char* layerName) {
  for (int i = 0; i < ids.length(); ++i) SetEntityLayer(ids[i], layerName);
  FreeIds(ids);
}

bool SetToolpathLayer(const char* toolpathName, const char* layerName) {
  AcDbObjectIdArray ids;
  if (!GetToolpathEntityIds(toolpathName, ids)) return false;
  SetEntitiesLayer(ids, layerName);
  return true;
}

int GetEntityKind(AcDbObjectId id) {
  OpenedObject<AcDbObject> object(id, AcDb::kForRead);
  if (object.openStatus() != Acad::eOk) return kEntityOther;
  return EntityKindCodeOf(object);
}

int GetEntityKindOfName(const ads_name name) { return GetEntityKind(IdOfName(name)); }

bool IsPointEntity(AcDbObjectId id) { return GetEntityKind(id) == kEntityPoint; }
bool IsPolylineEntity(AcDbObjectId id) { return GetEntityKind(id) == kEntityPolyline; }

bool IsFlatCurve(AcDbObjectId id) {
  AcGePoint3d start;
  AcGePoint3d end;
  if (GetCurveEndPoints(id, start, end) == 0) return false;
  return std::fabs(start.z - end.z) <= kFlatTolerance;
}

bool IsFlatCurveOfName(const ads_name name) { return IsFlatCurve(IdOfName(name)); }

bool IsClosedCurve(AcDbObjectId id) {
  OpenedObject<AcDbCurve> curve(id, AcDb::kForRead);
  return curve.openStatus() == Acad::eOk && curve->isClosed();
}

bool IsClosedCurveOfName(const ads_name name) { return IsClosedCurve(IdOfName(name)); }

double LineLength(AcDbObjectId id) {
  OpenedObject<AcDbLine> line(id, AcDb::kForRead);
  if (line.openStatus() != Acad::eOk) return 0.0;
  return line->startPoint().distanceTo(line->endPoint());
}

double LineLengthOfName(const ads_name name) { return LineLength(IdOfName(name)); }

bool GetCircleCenter(AcDbObjectId id, AcGePoint3d& center) {
  double radius = 0.0;
  return GetCircleCenterRadius(id, center, radius);
}

bool GetCircleCenterRadius(AcDbObjectId id, AcGePoint3d& center, double& radius) {
  OpenedObject<AcDbCircle> circle(id, AcDb::kForRead);
  if (circle.openStatus() != Acad::eOk) return false;
  center = circle->center();
  radius = circle->radius();
  return true;
}

bool GetCircleCenterRadiusOfName(const ads_name name, AcGePoint3d& center, double& radius) {
  return GetCircleCenterRadius(IdOfName(name), center, radius);
}

bool GetArcGeometry(AcDbObjectId id, AcGePoint3d& start, AcGePoint3d& end, AcGePoint3d& center, double& radius,
                    AcGeVector3d& normal) {
  OpenedObject<AcDbArc> arc(id, AcDb::kForRead);
  if (arc.openStatus() != Acad::eOk) return false;
  if (arc->getStartPoint(start) != Acad::eOk || arc->getEndPoint(end) != Acad::eOk) return false;
  center = arc->center();
  radius = arc->radius();
  normal = arc->normal();
  return true;
}

bool SetCurveTagNumber(AcDbObjectId id, int n) { return SetCurveThickness(id, n * kTagFactor); }

void SetCurvesTagNumber(AcDbObjectIdArray& ids, int n) {
  for (int i = 0; i < ids.length(); ++i) SetCurveTagNumber(ids[i], n);
  FreeIds(ids);
}

bool PointsTouch(const AcGePoint3d& a, const AcGePoint3d& b) {
  return a.distanceTo(b) < ConfigurationSettings().JoinToler;
}

int ClassifyPointToCurveEnds(const AcGePoint3d& point, AcDbObjectId id) {
  AcGePoint3d start;
  AcGePoint3d end;
  if (GetCurveEndPoints(id, start, end) == 0) return 0;
  if (PointsTouch(point, start)) return 1;
  if (PointsTouch(point, end)) return 2;
  return 0;
}

int ClassifyPointToCurveEnds(const AcGePoint3d& point, const ads_name name) {
  return ClassifyPointToCurveEnds(point, IdOfName(name));
}

int CountEndpointsNear(const ads_name set, const AcGePoint3d& point, double tolerance) {
  int count = 0;
  for (const auto& member : SetMembers(set)) {
    AcGePoint3d start;
    AcGePoint3d end;
    if (GetCurveEndPoints(IdOfMember(member), start, end) == 0) continue;
    if (point.distanceTo(start) < tolerance || point.distanceTo(end) < tolerance) ++count;
  }
  return count;
}

int CountPointPairsNear(const AcGePoint3dArray& starts, const AcGePoint3dArray& ends, int count,
                        const AcGePoint3d& point, double tolerance) {
  const int usable = std::min({count, starts.length(), ends.length()});
  int near = 0;
  for (int i = 0; i < usable; ++i) {
    if (point.distanceTo(starts[i]) < tolerance || point.distanceTo(ends[i]) < tolerance) ++near;
  }
  return near;
}

void FilterSelectionToVisibleCurves(ads_name set) {
  for (const auto& member : SetMembers(set)) {
    if (ShouldFilterOut(IdOfMember(member))) DeleteMember(member, set);
  }
  RemoveToolpathEntities(set);
}

void RemoveToolpathEntities(ads_name set) {
  CStringArray names;
  int count = 0;
  if (!ListToolpathNames(names, count)) return;
  AcDbObjectIdArray toolpathIds;
  for (INT_PTR i = 0; i < names.GetSize(); ++i) {
    AcDbObjectIdArray ids;
    if (GetToolpathEntityIds(names[i], ids)) toolpathIds.append(ids);
  }
  if (toolpathIds.isEmpty()) return;
  for (const auto& member : SetMembers(set)) {
    if (toolpathIds.contains(IdOfMember(member))) DeleteMember(member, set);
  }
}
