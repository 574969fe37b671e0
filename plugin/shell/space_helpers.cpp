#include "plugin/shell/space_helpers.h"

#include "platform/cad/db/db_host_services.h"
#include "platform/cad/editor/input/aced_input.h"
#include "plugin/shell/opened_object.h"

AcDbBlockTableRecord* OpenCurrentSpace(AcDb::OpenMode mode, AcDbDatabase* db) {
  if (db == nullptr) return nullptr;
  OpenedObject<AcDbBlockTableRecord> space(db->currentSpaceId(), mode);
  AcDbBlockTableRecord* opened = nullptr;
  space.release(opened);
  return opened;
}

Acad::ErrorStatus AppendEntityToSpace(AcDbEntity* entity, AcDbDatabase* db) {
  if (entity == nullptr) return Acad::eNullEntityPointer;
  if (db == nullptr) return Acad::eNoDatabase;
  Acad::ErrorStatus status = Acad::eOk;
  {
    OpenedObject<AcDbBlockTableRecord> space(db->currentSpaceId(), AcDb::kForWrite);
    status = space.openStatus() == Acad::eOk ? space->appendAcDbEntity(entity) : Acad::eInvalidOpenState;
  }
  if (status != Acad::eOk) {
    acutPrintf("\nERROR: could not add entity to current space (%s)", acadErrorStatusText(status));
  }
  return status;
}

Acad::ErrorStatus AppendToCurrentSpace(AcDbEntity* entity) {
  return AppendEntityToSpace(entity, acdbHostApplicationServices()->workingDatabase());
}
