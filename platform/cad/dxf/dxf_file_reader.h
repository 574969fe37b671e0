// DxfFileReader: builds a new drawing from the text of a DXF file. Objects read their
// own fields (dxfInFields, found by DXF name in the class dictionary, so classes a
// plug-in registered are read too); the reader walks the sections, keeps handles, puts
// entities into their blocks and keeps what it has no class for. Damage stops it with
// "line N: ..." and no drawing.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/dxf_item_filer.h"
#include "platform/cad/dxf/dxf_class_registry.h"
#include "platform/cad/dxf/dxf_group_reader.h"

class AcDbBlockTableRecord;
class AcDbEntity;
class AcDbSymbolTable;
class AcRxClass;
class DxfUnknownObject;

class DxfFileReader {
 public:
  explicit DxfFileReader(std::string_view text);
  ~DxfFileReader();
  DxfFileReader(const DxfFileReader&) = delete;
  DxfFileReader& operator=(const DxfFileReader&) = delete;

  // The drawing, or null with the reason in message.
  std::unique_ptr<AcDbDatabase> read(std::string& message);
  long entityCount() const { return entityCount_; }
  // Records of a known kind kept as they came because they do not read as that kind:
  // "LWPOLYLINE 2A (line 120) is kept as it came but cannot be used: ...", one a record
  // up to a limit, then a count of the rest.
  const std::vector<std::string>& warnings() const { return warnings_; }

 private:
  struct Record {
    DxfGroup start;                // the "0 NAME" group
    std::vector<DxfGroup> groups;  // the groups after it
  };
  class OpenBlock;

  bool readSection(const std::string& name);
  bool readHeader();
  bool readClasses();
  bool readTables();
  bool readTable(Record& head);
  bool readBlocks();
  bool readBlock(Record& begin);
  bool readEntities();
  bool readObjects();
  bool skipSection();

  bool nextRecord(Record& record);
  bool itemsOf(const Record& record, std::vector<DxfItem>& items, std::size_t firstGroup = 0);
  bool readEntity(Record& record, AcDbObjectId blockId);
  bool readSubEntities(AcDbEntity* owner);
  // asItCame: kept without trying its class (a part of a complex entity kept as it came).
  AcDbEntity* readEntityRecord(const Record& record, std::vector<DxfItem>& items, bool asItCame = false);
  // A record of a known kind that does not read as that kind, kept as it came.
  void noteUnusable(const Record& record, const std::vector<DxfItem>& items);
  // kind: the known kind the record did not read as, or null.
  bool checkKeptParts(const Record& record, const AcDbObject* kept, AcRxClass* kind);
  bool readObject(Record& record);
  bool readInto(AcDbObject* object, const Record& record, std::vector<DxfItem> items);
  bool readInto(AcDbObject* object, const Record& record, std::vector<DxfItem>& items, bool report);
  bool addObject(AcDbObject* object, const Record& record, AcDbObjectId* id = nullptr);
  bool keep(DxfUnknownObject* kept, const Record& record, std::vector<DxfItem> items);

  bool checkHeader(const std::vector<DxfItem>& items, const std::vector<long>& lines);
  bool checkRecordFrame(const Record& record, bool oneHandle = true);
  bool checkBraces(const Record& record, const std::string& name);
  bool checkHandle(const Record& record, const std::string& name, std::size_t at);
  bool checkTableRecordFrame(const Record& record, const std::string& tableName);
  bool sequenceClosed(const DxfGroup& end);
  bool ensureCoreTables();
  bool finish();
  bool fail(long line, const std::string& what);
  bool failFromReader();
  bool failAt(const DxfGroup& group, const std::string& what) { return fail(group.line, what); }

  DxfGroupReader reader_;
  DxfClassLookup classLookup_;
  std::vector<DxfItem> entityItems_;  // reused from entity to entity
  static constexpr std::size_t kWarningsShown = 20;
  std::vector<std::string> warnings_;
  std::size_t unusableCount_ = 0;
  std::string unreadReason_;   // why the last record did not read as its kind
  bool keptSequence_ = false;  // inside the kept parts of a complex entity kept as it came
  std::set<std::string> keptTableNames_;
  std::unique_ptr<AcDbDatabase> db_;
  std::unique_ptr<OpenBlock> openBlock_;
  std::string message_;
  long entityCount_ = 0;
  AcDbHandle fileHandseed_;
  std::string currentLayer_, currentLinetype_;
  DxfUnknownObject* header_ = nullptr;   // the header variables, kept while reading
  DxfUnknownObject* classes_ = nullptr;  // CLASS records of other programs
  std::vector<DxfItem> headerItems_, classItems_;
};
