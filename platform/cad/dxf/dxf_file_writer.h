// DxfFileWriter: the text of a DXF R2000 (AC1015) file for a drawing. Every object
// writes its own fields (dxfOutFields); the writer lays out the sections around them,
// adds owner reactors, and fills in the table records and block boundaries the
// drawing does not hold, with handles above the drawing's handle seed.
#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/dxf_item_filer.h"
#include "platform/cad/dxf/dxf_group_writer.h"

class AcRxClass;
class DxfKeptGroups;

class DxfFileWriter {
 public:
  explicit DxfFileWriter(AcDbDatabase& database);

  // The whole file; false with a message when an object cannot be written.
  bool write(DxfTextBuffer& text, std::string& message);
  // Entities written (the benchmark's measure).
  long entityCount() const { return entityCount_; }

 private:
  struct RecordOptions {
    const char* name = nullptr;   // the DXF name; by default the class's
    bool ownerZero = false;       // writes "330 0" when the object has no owner
    bool dimStyleHandle = false;  // the handle goes as 105 (DIMSTYLE records)
    AcDbHandle handle;            // for an object without one (parts of complex entities)
    AcDbHandle owner;             // likewise its owner; for a kept part of a complex entity, its owner instead
    AcDbHandle layout;            // a block record's kept layout (340)
  };

  void survey();
  void noteLayout(const DxfKeptGroups& kept, AcDbObjectId layoutId);
  void writeHeader(DxfGroupWriter& out);
  void writeClasses(DxfGroupWriter& out);
  bool writeTables(DxfGroupWriter& out);
  bool writeBlocks(DxfGroupWriter& out);
  bool writeEntities(DxfGroupWriter& out);
  bool writeObjects(DxfGroupWriter& out);

  bool writeCoreTable(DxfGroupWriter& out, const char* tableName, AcDbObjectId tableId);
  bool writeKeptTable(DxfGroupWriter& out, AcDbObjectId tableId);
  void writeDefaultTable(DxfGroupWriter& out, const std::string& tableName);
  bool writeBlock(DxfGroupWriter& out, AcDbObjectId recordId, bool withEntities);
  bool writeBlockEntities(DxfGroupWriter& out, AcDbObjectId recordId);
  bool writeRecord(DxfGroupWriter& out, AcDbObjectId id, const RecordOptions& options);
  bool writeObjectRecord(DxfGroupWriter& out, const AcDbObject* object, AcDbObjectId id, const RecordOptions& options);
  bool writeSubEntities(DxfGroupWriter& out, AcDbObjectId ownerId);
  void writeItems(DxfGroupWriter& out, const std::vector<DxfItem>& items, AcDbObjectId id,
                  const RecordOptions& options);

  // Extended data goes last in a record.
  void writeXData(DxfGroupWriter& out, const AcDbObject* object);
  void noteXDataApps(const AcDbObject* object);
  std::vector<std::string> missingAppIds(const std::vector<std::string>& registered) const;
  void writeAppIdRecords(DxfGroupWriter& out, const std::vector<std::string>& names, const AcDbHandle& tableHandle);

  AcDbHandle newHandle();
  bool fail(const std::string& what);

  AcDbDatabase& db_;
  AcDbHandle nextHandle_;
  std::string message_;
  long entityCount_ = 0;

  std::map<std::string, AcDbObjectId> keptTables_;                           // by table name
  std::unordered_map<AcDbObjectId, std::vector<AcDbObjectId>> keptRecords_;  // by table
  std::unordered_map<AcDbObjectId, AcDbHandle> blockBegins_, blockEnds_;     // by block record
  std::unordered_map<AcDbObjectId, AcDbHandle> layouts_;                     // kept LAYOUT by block record
  std::vector<AcDbObjectId> classHolders_;
  AcDbObjectId headerHolder_;
  std::vector<AcDbObjectId> objects_;
  std::vector<std::string> xdataApps_;                                    // may repeat
  std::map<std::string, AcRxClass*> classes_;                             // by DXF name
  std::unordered_map<AcDbObjectId, std::vector<AcDbObjectId>> reactors_;  // object -> its reactor owners
  std::vector<DxfItem> recordItems_;                                      // the items of the record being written
};
