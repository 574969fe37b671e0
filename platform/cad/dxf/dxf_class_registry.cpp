#include "platform/cad/dxf/dxf_class_registry.h"

#include "platform/cad/db/db_builtin_classes.h"
#include "platform/cad/db/db_entity.h"
#include "platform/cad/db/rx_class.h"
#include "platform/cad/dxf/dxf_kept_records.h"

void registerDxfClasses() {
  acdbRegisterBuiltinClasses();
  DxfUnknownEntity::desc();
  DxfUnknownObject::desc();
}

AcDbEntity* createEntityFor(const std::string& dxfName) {
  AcRxClass* rxClass = acrxFindClassByDxfName(dxfName.c_str());
  if (rxClass != nullptr && rxClass->isDerivedFrom(AcDbEntity::desc())) {
    AcRxObject* created = rxClass->create();
    if (auto* entity = AcDbEntity::cast(created)) return entity;
    delete created;
  }
  auto* kept = new DxfUnknownEntity();
  kept->setDxfName(dxfName);
  return kept;
}
