// DxfFileReader: builds a new drawing from the text of a DXF file. Objects read their
// own fields (dxfInFields, found by DXF name in the class dictionary, so classes a
// plug-in registered are read too); the reader walks the sections, keeps handles, puts
// entities into their blocks and keeps what it has no class for. Damage stops it with
// "line N: ..." and no drawing.
#pragma once

#include <memory>
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
  AcDbEntity* readEntityRecord(const Record& record, std::vector<DxfItem>& items);
  bool readObject(Record& record);
  bool readInto(AcDbObject* object, const Record& record, std::vector<DxfItem> items);
  bool readInto(AcDbObject* object, const Record& record, std::vector<DxfItem>& items, bool report);
  bool addObject(AcDbObject* object, const Record& record, AcDbObjectId* id = nullptr);
  bool keep(DxfUnknownObject* kept, const Record& record, std::vector<DxfItem> items);

  bool ensureCoreTables();
  bool finish();
  bool fail(long line, const std::string& what);
  bool failFromReader();
  bool failAt(const DxfGroup& group, const std::string& what) { return fail(group.line, what); }

  DxfGroupReader reader_;
  DxfClassLookup classLookup_;
  std::vector<DxfItem> entityItems_;  // reused from entity to entity
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
