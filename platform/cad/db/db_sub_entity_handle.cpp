#include "platform/cad/db/db_sub_entity_handle.h"

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/filing/db_dwg_filer.h"

void SubEntityHandle::setRead(const AcDbHandle& handle) {
  handle_ = handle;
  held_ = false;
}

void SubEntityHandle::takeNew(AcDbDatabase* database) {
  AcDbObjectId id;
  const AcDbHandle seed = database->handseed();
  if (database->getAcDbObjectId(id, true, seed) == Acad::eOk) {
    handle_ = seed;
    held_ = true;
  }
}

void SubEntityHandle::hold(AcDbDatabase* database, bool giveNew) {
  if (database == nullptr) return;
  AcDbObjectId id;
  if (held_) {
    // A later record with the same handle took the id over.
    if (database->getAcDbObjectId(id, false, handle_) == Acad::eOk && peekObject(id) == nullptr) return;
    takeNew(database);
    return;
  }
  if (handle_.isNull()) {
    if (giveNew) takeNew(database);
    return;
  }
  if (database->getAcDbObjectId(id, false, handle_) != Acad::eOk &&
      database->getAcDbObjectId(id, true, handle_) == Acad::eOk) {
    held_ = true;
    return;
  }
  takeNew(database);
}

void SubEntityHandle::dwgOut(AcDbDwgFiler* filer) const {
  filer->writeAcDbHandle(handle_);
  filer->writeBool(held_);
}

void SubEntityHandle::dwgIn(AcDbDwgFiler* filer) {
  AcDbHandle handle;
  bool held = false;
  filer->readAcDbHandle(&handle);
  filer->readBool(&held);
  if (filer->filerType() == AcDb::kCopyFiler || filer->filerType() == AcDb::kDeepCloneFiler) {
    handle = AcDbHandle();
    held = false;
  }
  handle_ = handle;
  held_ = held;
}
