#include "plugin/shell/copy_helpers.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

// What toolpath entities carry besides their geometry: a feed or marker value in
// the thickness, lead feeds in polyline vertex widths.
struct FeedCarriers {
  bool hasThickness = false;
  double thickness = 0.0;
  std::vector<std::pair<double, double>> widths;
};

template <class T>
bool ReadThickness(AcDbEntity* entity, FeedCarriers& carriers) {
  T* typed = T::cast(entity);
  if (typed == nullptr) return false;
  carriers.hasThickness = true;
  carriers.thickness = typed->thickness();
  return true;
}

template <class T>
bool WriteThickness(AcDbEntity* entity, double thickness) {
  T* typed = T::cast(entity);
  if (typed == nullptr) return false;
  typed->setThickness(thickness);
  return true;
}

FeedCarriers ReadFeedCarriers(AcDbEntity* entity) {
  FeedCarriers carriers;
  ReadThickness<AcDbLine>(entity, carriers) || ReadThickness<AcDbArc>(entity, carriers) ||
      ReadThickness<AcDbCircle>(entity, carriers) || ReadThickness<AcDbPolyline>(entity, carriers) ||
      ReadThickness<AcDbPoint>(entity, carriers);
  if (const AcDbPolyline* polyline = AcDbPolyline::cast(entity)) {
    for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
      double startWidth = 0.0;
      double endWidth = 0.0;
      polyline->getWidthsAt(i, startWidth, endWidth);
      carriers.widths.emplace_back(startWidth, endWidth);
    }
  }
  return carriers;
}

void RestoreFeedCarriers(AcDbEntity* entity, const FeedCarriers& carriers) {
  if (carriers.hasThickness) {
    WriteThickness<AcDbLine>(entity, carriers.thickness) || WriteThickness<AcDbArc>(entity, carriers.thickness) ||
        WriteThickness<AcDbCircle>(entity, carriers.thickness) ||
        WriteThickness<AcDbPolyline>(entity, carriers.thickness) ||
        WriteThickness<AcDbPoint>(entity, carriers.thickness);
  }
  if (AcDbPolyline* polyline = AcDbPolyline::cast(entity)) {
    for (unsigned int i = 0; i < polyline->numVerts() && i < carriers.widths.size(); ++i) {
      polyline->setWidthsAt(i, carriers.widths[i].first, carriers.widths[i].second);
    }
  }
}

// The filed position of an info point follows the point.
void MoveFiledInfoPoint(AcDbObjectId pointId, const AcGePoint3d& position) {
  OpenedObject<CToolPathInfo> info;
  if (OpenToolPathInfo(pointId, info) != Acad::eOk) return;
  if (info->upgradeOpen() == Acad::eOk) info->setPoint(position);
}

// Files a copy of the original's information under the copy's handle; nothing
// when the original has none.
void CopyFiledInfo(AcDbObjectId originalId, AcDbObjectId copyId) {
  auto copy = std::make_unique<CToolPathInfo>();
  {
    OpenedObject<CToolPathInfo> info;
    if (OpenToolPathInfo(originalId, info) != Acad::eOk) return;
    if (info->kind() == CToolPathInfo::kToolInformation) {
      copy->setTool(info->toolType(), info->firstNumber(), info->secondNumber(), info->diameter(), info->cornerRadius(),
                    info->length());
    } else {
      copy->setValue(info->kind(), info->value());
    }
    copy->setPoint(info->point());
  }
  CToolPathInfo* filed = copy.get();
  if (AddToInfoDictionary(filed, copyId) == Acad::eOk) copy.release();
}

}  // namespace

bool TransformEntity(AcDbObjectId id, const AcGeMatrix3d& matrix) {
  bool isPoint = false;
  AcGePoint3d position;
  {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForWrite);
    if (entity.openStatus() != Acad::eOk) return false;
    const FeedCarriers carriers = ReadFeedCarriers(entity);
    if (entity->transformBy(matrix) != Acad::eOk) return false;
    RestoreFeedCarriers(entity, carriers);
    if (const AcDbPoint* point = AcDbPoint::cast(entity)) {
      isPoint = true;
      position = point->position();
    }
  }
  if (isPoint) MoveFiledInfoPoint(id, position);
  return true;
}

bool TransformEntities(AcDbObjectIdArray& ids, const AcGeMatrix3d& matrix) {
  bool all = true;
  for (int i = 0; i < ids.length(); ++i) all = TransformEntity(ids[i], matrix) && all;
  ids.setPhysicalLength(0);
  return all;
}

bool CloneEntityWithInfo(AcDbObjectId id, AcDbObjectId& copyId) {
  copyId = AcDbObjectId::kNull;
  std::unique_ptr<AcDbEntity> copy;
  {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) return false;
    AcRxObject* cloned = entity->clone();
    copy.reset(AcDbEntity::cast(cloned));
    if (copy == nullptr) {
      delete cloned;
      return false;
    }
  }
  if (AppendToModelSpace(copy.get(), copyId) != Acad::eOk) {
    copyId = AcDbObjectId::kNull;
    return false;
  }
  copy.release();  // the drawing owns it now
  CopyFiledInfo(id, copyId);
  return true;
}

bool CopyEntitiesWithInfo(const AcDbObjectIdArray& ids, AcDbObjectIdArray& copies) {
  copies.setLogicalLength(0);
  bool all = true;
  for (int i = 0; i < ids.length(); ++i) {
    AcDbObjectId copyId;
    if (CloneEntityWithInfo(ids[i], copyId)) {
      copies.append(copyId);
    } else {
      all = false;
    }
  }
  return all;
}

bool CopyAndTransformEntities(AcDbObjectIdArray& ids, const AcGeMatrix3d& matrix, AcDbObjectIdArray& copies) {
  bool all = CopyEntitiesWithInfo(ids, copies);
  for (int i = 0; i < copies.length(); ++i) all = TransformEntity(copies[i], matrix) && all;
  ids.setPhysicalLength(0);
  return all;
}

double GetCurveEndZ(AcDbObjectId id) {
  AcGePoint3d start;
  AcGePoint3d end;
  if (GetCurveEndPoints(id, start, end) == 0) return 0.0;
  return end.z;
}

bool GetArcRadius(AcDbObjectId id, double& radius) {
  OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() != Acad::eOk) return false;
  if (const AcDbArc* arc = AcDbArc::cast(entity)) {
    radius = arc->radius();
    return true;
  }
  if (const AcDbCircle* circle = AcDbCircle::cast(entity)) {
    radius = circle->radius();
    return true;
  }
  return false;
}

double SegmentAngleDegrees(const AcGePoint2d& first, const AcGePoint2d& second) {
  double degrees = std::atan2(second.y - first.y, second.x - first.x) * 180.0 / std::numbers::pi;
  if (degrees < 0.0) degrees += 360.0;
  if (degrees >= 360.0) degrees = 0.0;
  return degrees;
}
