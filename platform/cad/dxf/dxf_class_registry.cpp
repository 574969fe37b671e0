#include "platform/cad/dxf/dxf_class_registry.h"

#include <algorithm>

#include "platform/cad/db/db_builtin_classes.h"
#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_entity.h"
#include "platform/cad/db/dxf_item_filer.h"
#include "platform/cad/db/rx_class.h"
#include "platform/cad/dxf/dxf_kept_records.h"
#include "platform/cad/dxf/dxf_structure.h"

void registerDxfClasses() {
  acdbRegisterBuiltinClasses();
  DxfUnknownEntity::desc();
  DxfUnknownObject::desc();
}

const DxfRecordKind& DxfClassLookup::kindOf(std::string_view dxfName) {
  if (lastKind_ != nullptr && dxfName == lastName_) return *lastKind_;
  std::string name(dxfName);
  auto found = known_.find(name);
  if (found == known_.end()) {
    DxfRecordKind kind;
    kind.rxClass = acrxFindClassByDxfName(name.c_str());
    kind.frame = isFrameRecord(name);
    kind.part = isSequencePart(name);
    kind.polyline = isPolylineRecord(name);
    const bool entityClass = kind.rxClass != nullptr && kind.rxClass->isDerivedFrom(AcDbEntity::desc());
    const bool table = isDxfTableName(name);
    kind.entity = !table && !isDxfObjectName(name) && (kind.rxClass == nullptr || entityClass);
    kind.object = !table && !isDxfEntityName(name) && (kind.rxClass == nullptr || !entityClass);
    // Names of DXF are written in capitals, those of classes as their class has them.
    const bool listed = kind.frame || kind.part || isDxfEntityName(name) || isDxfObjectName(name);
    kind.lowerCase = (listed && std::any_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; })) ||
                     (kind.rxClass != nullptr && name != kind.rxClass->dxfName());
    found = known_.emplace(name, kind).first;
  }
  lastName_ = std::move(name);
  lastKind_ = &found->second;  // elements of an unordered_map stay where they are
  return *lastKind_;
}

AcDbEntity* DxfClassLookup::createEntity(std::string_view dxfName) {
  AcRxClass* rxClass = find(dxfName);
  if (rxClass != nullptr && rxClass->isDerivedFrom(AcDbEntity::desc())) {
    AcRxObject* created = rxClass->create();
    if (auto* entity = AcDbEntity::cast(created)) return entity;
    delete created;
  }
  auto* kept = new DxfUnknownEntity();
  kept->setDxfName(std::string(dxfName));
  return kept;
}

const std::vector<std::string>* DxfClassLookup::subclassMarkers(AcRxClass* rxClass) {
  auto found = markers_.find(rxClass);
  if (found == markers_.end()) {
    std::optional<std::vector<std::string>> markers;
    AcRxObject* created = rxClass != nullptr ? rxClass->create() : nullptr;
    if (auto* object = AcDbObject::cast(created)) {
      AcDbDatabase scratch;  // where the names an object writes (its layer ...) resolve
      DxfItemFiler filer(&scratch);
      if (object->dxfOut(&filer) == Acad::eOk) {
        markers.emplace();
        for (const DxfItem& item : filer.items()) {
          if (item.code == AcDb::kDxfSubclass) markers->push_back(item.text);
        }
      }
    }
    delete created;
    found = markers_.emplace(rxClass, std::move(markers)).first;
  }
  return found->second ? &*found->second : nullptr;
}
