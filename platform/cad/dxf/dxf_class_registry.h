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

// What a record name stands for in a DXF file.
struct DxfRecordKind {
  AcRxClass* rxClass = nullptr;  // null for a name no class has
  bool frame = false;            // SECTION, ENDSEC, TABLE ... (see isFrameRecord)
  bool part = false;             // VERTEX, ATTRIB, SEQEND: a part of a complex entity
  bool polyline = false;         // POLYLINE
  bool entity = false;           // may stand among the entities
  bool object = false;           // may stand among the objects
  bool lowerCase = false;        // a known name in other letters than its own ("vERTEX")
};

// The kinds of the record names met while reading one file: the class dictionary and
// the lists of names are searched once for each name, not once for each record.
class DxfClassLookup {
 public:
  const DxfRecordKind& kindOf(std::string_view dxfName);
  // Null for a name no class has.
  AcRxClass* find(std::string_view dxfName) { return kindOf(dxfName).rxClass; }
  // A new entity for a record of that DXF name; an unknown kind gives a kept entity.
  AcDbEntity* createEntity(std::string_view dxfName);
  // The subclass markers (group code 100) a new object of the class writes, in order;
  // null when such an object cannot be written.
  const std::vector<std::string>* subclassMarkers(AcRxClass* rxClass);

 private:
  std::unordered_map<std::string, DxfRecordKind> known_;
  std::unordered_map<AcRxClass*, std::optional<std::vector<std::string>>> markers_;
  std::string lastName_;
  const DxfRecordKind* lastKind_ = nullptr;
};
