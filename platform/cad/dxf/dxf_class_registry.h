// The classes the DXF reader dispatches to by DXF name. The database's own classes
// register on first use, so the reader names each of them once before reading;
// classes of plug-ins are found the same way once their module registered them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class AcDbEntity;
class AcRxClass;

void registerDxfClasses();

// The classes of the DXF names met while reading one file: the class dictionary is
// searched once for each name, not once for each record.
class DxfClassLookup {
 public:
  // Null for a name no class has.
  AcRxClass* find(std::string_view dxfName);
  // A new entity for a record of that DXF name; an unknown kind gives a kept entity.
  AcDbEntity* createEntity(std::string_view dxfName);
  // The subclass markers (group code 100) a new object of the class writes, in order;
  // null when such an object cannot be written.
  const std::vector<std::string>* subclassMarkers(AcRxClass* rxClass);

 private:
  std::unordered_map<std::string, AcRxClass*> known_;
  std::unordered_map<AcRxClass*, std::optional<std::vector<std::string>>> markers_;
  std::string lastName_;
  AcRxClass* lastClass_ = nullptr;
};
