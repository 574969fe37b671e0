#include "plugin/shell/space_helpers.h"

#include "platform/cad/db/db_host_services.h"
#include "platform/cad/editor/aced_input.h"

AcDbBlockTableRecord* OpenCurrentSpace(AcDb::OpenMode mode, AcDbDatabase* db) {
  if (db == nullptr) return nullptr;
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db->currentSpaceId(), mode) != Acad::eOk) return nullptr;
  return space;
}

Acad::ErrorStatus AppendEntityToSpace(AcDbEntity* entity, AcDbDatabase* db) {
  if (entity == nullptr) return Acad::eNullEntityPointer;
  if (db == nullptr) return Acad::eNoDatabase;
  AcDbBlockTableRecord* space = OpenCurrentSpace(AcDb::kForWrite, db);
  if (space == nullptr) {
    acutPrintf("\nERROR: could not add entity to current space (%s)", acadErrorStatusText(Acad::eInvalidOpenState));
    return Acad::eInvalidOpenState;
  }
  const Acad::ErrorStatus status = space->appendAcDbEntity(entity);
  space->close();
  if (status != Acad::eOk) {
    acutPrintf("\nERROR: could not add entity to current space (%s)", acadErrorStatusText(status));
  }
  return status;
}

Acad::ErrorStatus AppendToCurrentSpace(AcDbEntity* entity) {
  return AppendEntityToSpace(entity, acdbHostApplicationServices()->workingDatabase());
}
