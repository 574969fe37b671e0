#include "host/drawing_space.h"

#include <strings.h>

#include <string>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/editor/aced_ucs.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "platform/ui/ui_driver.h"

namespace host {

AcDbObjectId AppendToCurrentSpace(AcDbDatabase& database, AcDbEntity* entity) {
  AcDbObjectPointer<AcDbEntity> held;
  if (held.acquire(entity) != Acad::eOk) return AcDbObjectId::kNull;
  AcDbObjectId space_id = database.currentSpaceId();
  if (space_id.isNull()) {
    AcDbSymbolTablePointer<AcDbBlockTable> table(&database, AcDb::kForRead);
    if (table.openStatus() == Acad::eOk) table->getAt(ACDB_MODEL_SPACE, space_id);
  }
  AcDbObjectPointer<AcDbBlockTableRecord> space(space_id, AcDb::kForWrite);
  if (space.openStatus() != Acad::eOk) {
    ui::Ui().Print(std::string("\nCannot open the current space: ") + acadErrorStatusText(space.openStatus()) + "\n");
    return AcDbObjectId::kNull;
  }
  held->setDatabaseDefaults(&database);
  AcDbObjectId id;
  const Acad::ErrorStatus status = space->appendAcDbEntity(id, held.object());
  if (status != Acad::eOk) {
    ui::Ui().Print(std::string("\nCannot add the entity: ") + acadErrorStatusText(status) + "\n");
    return AcDbObjectId::kNull;
  }
  return id;
}

void EraseEntity(AcDbObjectId id) {
  AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForWrite);
  if (entity.openStatus() == Acad::eOk) entity->erase();
}

UcsFrame::UcsFrame() { acedGetCurrentUCS(to_world_); }

AcGePoint3d UcsFrame::ToWorld(const ads_point point) const {
  return ToWorld(AcGePoint3d(point[0], point[1], point[2]));
}

AcGePoint3d UcsFrame::ToWorld(const AcGePoint3d& point) const { return to_world_ * point; }

AcGeVector3d UcsFrame::Normal() const {
  AcGePoint3d origin;
  AcGeVector3d x_axis, y_axis, z_axis;
  to_world_.getCoordSystem(origin, x_axis, y_axis, z_axis);
  return z_axis.normal();
}

bool SelectEntities(std::vector<AcDbObjectId>& ids) {
  ids.clear();
  ads_name set = {0, 0};
  if (acedSSGet(nullptr, nullptr, nullptr, nullptr, set) != RTNORM) return false;
  long length = 0;
  acedSSLength(set, &length);
  for (long i = 0; i < length; ++i) {
    ads_name name = {0, 0};
    AcDbObjectId id;
    if (acedSSName(set, i, name) == RTNORM && acdbGetObjectId(id, name) == Acad::eOk) ids.push_back(id);
  }
  acedSSFree(set);
  return !ids.empty();
}

std::string LastKeyword() {
  char keyword[512] = {};
  if (acedGetInput(keyword) != RTNORM) return {};
  return keyword;
}

bool IsKeyword(const std::string& answer, const char* keyword) { return strcasecmp(answer.c_str(), keyword) == 0; }

}  // namespace host
