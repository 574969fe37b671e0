#include "platform/cad/dxf/reading/dxf_file_reader.h"

#include <algorithm>
#include <unordered_map>

#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/db/tables/db_dictionary.h"
#include "platform/cad/db/tables/db_layer_table.h"
#include "platform/cad/db/tables/db_linetype_table.h"
#include "platform/cad/dxf/dxf_class_registry.h"
#include "platform/cad/dxf/dxf_number_text.h"
#include "platform/cad/dxf/dxf_sub_entities.h"
#include "platform/cad/dxf/dxf_xdata.h"
#include "platform/cad/dxf/reading/dxf_drawing_completion.h"
#include "platform/cad/dxf/reading/dxf_group_items.h"
#include "platform/cad/dxf/reading/dxf_kept_records.h"
#include "platform/cad/dxf/reading/dxf_structure.h"

namespace {

// Deletes an object that never joined the drawing.
struct ObjectDeleter {
  void operator()(AcDbObject* object) const { delete object; }
};
using NewObject = std::unique_ptr<AcDbObject, ObjectDeleter>;

std::string filerDetail(const AcDbDxfFiler& filer) {
  std::string detail = filer.errorMessage();
  while (!detail.empty() && (detail.front() == '\n' || detail.front() == ' ')) detail.erase(0, 1);
  if (detail.rfind("Error: ", 0) == 0) detail.erase(0, 7);
  return detail;
}

std::string errorText(Acad::ErrorStatus es, const AcDbDxfFiler& filer) {
  std::string text = acadErrorStatusText(es);
  const std::string detail = filerDetail(filer);
  if (!detail.empty()) text += " (" + detail + ")";
  return text;
}

const DxfItem* findItem(const std::vector<DxfItem>& items, int code) {
  for (const DxfItem& item : items) {
    if (item.code == code) return &item;
  }
  return nullptr;
}

bool isSymbolClass(const AcRxClass* rxClass) {
  return rxClass->isDerivedFrom(AcDbSymbolTable::desc()) || rxClass->isDerivedFrom(AcDbSymbolTableRecord::desc());
}

}  // namespace

// The block records that entities are being appended to, kept open for write while a
// section lasts: opening one anew for each entity would be slow.
class DxfFileReader::OpenBlock {
 public:
  ~OpenBlock() { close(); }
  AcDbBlockTableRecord* open(AcDbObjectId id) {
    auto found = records_.find(id);
    if (found != records_.end()) return found->second;
    AcDbBlockTableRecord* record = nullptr;
    if (acdbOpenObject(record, id, AcDb::kForWrite) != Acad::eOk) return nullptr;
    records_.emplace(id, record);
    return record;
  }
  void close() {
    for (auto& [id, record] : records_) record->close();
    records_.clear();
  }

 private:
  std::unordered_map<AcDbObjectId, AcDbBlockTableRecord*> records_;
};

DxfFileReader::DxfFileReader(std::string_view text) : reader_(text) {}

DxfFileReader::~DxfFileReader() = default;

bool DxfFileReader::failFromReader() {
  if (message_.empty()) message_ = reader_.error();
  return false;
}

bool DxfFileReader::fail(long line, const std::string& what) {
  if (message_.empty()) message_ = "line " + std::to_string(line) + ": " + what;
  return false;
}

std::unique_ptr<AcDbDatabase> DxfFileReader::read(std::string& message) {
  registerDxfClasses();
  db_ = std::make_unique<AcDbDatabase>(false, true);
  openBlock_ = std::make_unique<OpenBlock>();
  bool ok = true;
  bool sawEof = false;
  DxfGroup group;
  while (ok && reader_.next(group)) {
    if (group.code == 0 && group.value == "EOF") {
      sawEof = true;
      break;
    }
    if (group.code == 999) continue;
    if (group.code != 0 || group.value != "SECTION") {
      ok = failAt(group, "expected a SECTION, found group " + std::to_string(group.code) + " '" +
                             std::string(group.value.substr(0, 40)) + "'");
      break;
    }
    DxfGroup name;
    if (!reader_.next(name)) break;
    if (name.code != 2) {
      ok = failAt(name, "a SECTION needs its name (group code 2)");
      break;
    }
    ok = readSection(std::string(name.value));
  }
  if (ok && reader_.failed()) ok = failFromReader();
  if (ok && !sawEof) ok = fail(reader_.lastLine(), "the file ends early: no EOF (is it truncated?)");
  openBlock_->close();
  if (ok) ok = finish();
  if (!ok) {
    message = !message_.empty() ? message_ : reader_.error();
    openBlock_.reset();
    db_.reset();
    return nullptr;
  }
  if (unusableCount_ > warnings_.size()) {
    warnings_.push_back("... and " + std::to_string(unusableCount_ - warnings_.size()) +
                        " more records kept as they came but not usable");
  }
  return std::move(db_);
}

bool DxfFileReader::readSection(const std::string& name) {
  if (name == "HEADER") return readHeader();
  if (name == "CLASSES") return readClasses();
  if (name == "TABLES") return readTables();
  if (name == "BLOCKS") return readBlocks();
  if (name == "ENTITIES") return readEntities();
  if (name == "OBJECTS") return readObjects();
  return skipSection();
}

bool DxfFileReader::nextRecord(Record& record) {
  record.groups.clear();
  if (!reader_.next(record.start)) {
    if (reader_.failed()) return failFromReader();
    return fail(reader_.lastLine(), "the file ends inside a section (is it truncated?)");
  }
  if (record.start.code != 0) {
    return failAt(record.start,
                  "expected a record (group code 0), found group code " + std::to_string(record.start.code));
  }
  DxfGroup group;
  while (reader_.next(group)) {
    if (group.code == 0) {
      reader_.pushBack();
      return true;
    }
    record.groups.push_back(group);
  }
  if (reader_.failed()) return failFromReader();
  // A record is always followed by another one, at least the ENDSEC of its section.
  return fail(reader_.lastLine(), "the file ends inside a section (is it truncated?)");
}

bool DxfFileReader::itemsOf(const Record& record, std::vector<DxfItem>& items, std::size_t firstGroup) {
  items.clear();
  items.reserve(record.groups.size());
  if (firstGroup > record.groups.size()) firstGroup = record.groups.size();
  std::string error;
  if (!appendDxfItems(record.groups.data() + firstGroup, record.groups.data() + record.groups.size(), items, error)) {
    message_ = error;
    return false;
  }
  return true;
}

bool DxfFileReader::skipSection() {
  DxfGroup group;
  while (reader_.next(group)) {
    if (group.code == 0 && group.value == "ENDSEC") return true;
  }
  if (reader_.failed()) return failFromReader();
  return fail(reader_.lastLine(), "the file ends inside a section (is it truncated?)");
}

// Header variables: "9 $NAME" and the value groups after it.
bool DxfFileReader::readHeader() {
  DxfGroup group;
  std::vector<DxfGroup> groups;
  while (reader_.next(group)) {
    if (group.code == 0) {
      if (group.value != "ENDSEC") return failAt(group, "expected ENDSEC to close the HEADER");
      std::string error;
      std::vector<DxfItem> items;
      std::vector<long> lines;
      if (!appendDxfItems(groups.data(), groups.data() + groups.size(), items, error, &lines)) {
        message_ = error;
        return false;
      }
      if (!checkHeader(items, lines)) return false;
      headerItems_.insert(headerItems_.end(), std::make_move_iterator(items.begin()),
                          std::make_move_iterator(items.end()));
      for (std::size_t i = 0; i + 1 < headerItems_.size(); ++i) {
        if (headerItems_[i].code == 9 && headerItems_[i].text == "$HANDSEED") {
          fileHandseed_ = AcDbHandle(headerItems_[i + 1].text.c_str());
        }
      }
      // Objects the reader adds itself must not take a handle the file still uses.
      if (!fileHandseed_.isNull() && fileHandseed_ > db_->handseed()) db_->setHandseed(fileHandseed_);
      return true;
    }
    groups.push_back(group);
  }
  if (reader_.failed()) return failFromReader();
  return fail(reader_.lastLine(), "the file ends inside the HEADER (is it truncated?)");
}

bool DxfFileReader::checkHeader(const std::vector<DxfItem>& items, const std::vector<long>& lines) {
  for (std::size_t i = 0; i + 1 < items.size(); ++i) {
    if (items[i].code == 9 && items[i].text == "$ACADVER" && isPreR13Version(items[i + 1].text)) {
      return fail(lines[i + 1], "DXF R12 and older are not supported (this file is " + items[i + 1].text + ")");
    }
  }
  std::size_t bad = 0;
  std::string problem;
  if (!checkHeaderShape(items, bad, problem)) return fail(lines[bad], problem);
  return true;
}

bool DxfFileReader::readClasses() {
  Record record;
  std::vector<DxfItem> items;
  for (;;) {
    if (!nextRecord(record)) return false;
    if (record.start.value == "ENDSEC") return true;
    if (record.start.value != "CLASS") return failAt(record.start, "expected a CLASS record");
    // A CLASS holds its names, numbers and flags, nothing else.
    for (const DxfGroup& group : record.groups) {
      const int code = group.code;
      if (code != 1 && code != 2 && code != 3 && code != 90 && code != 91 && code != 280 && code != 281) {
        return failAt(group, "group code " + std::to_string(code) + " in a CLASS record");
      }
    }
    if (!itemsOf(record, items)) return false;
    const DxfItem* name = findItem(items, 1);
    // A class registered here needs no record of its own; the writer makes one.
    if (name != nullptr && acrxFindClassByDxfName(name->text.c_str()) != nullptr) continue;
    classItems_.push_back(DxfItem::makeText(0, "CLASS"));
    for (DxfItem& item : items) classItems_.push_back(std::move(item));
  }
}

bool DxfFileReader::readTables() {
  Record record;
  for (;;) {
    if (!nextRecord(record)) return false;
    if (record.start.value == "ENDSEC") return ensureCoreTables();
    if (record.start.value != "TABLE") return failAt(record.start, "expected a TABLE");
    if (!readTable(record)) return false;
  }
}

bool DxfFileReader::readTable(Record& head) {
  if (head.groups.empty() || head.groups.front().code != 2) {
    return failAt(head.start, "a TABLE needs its name (group code 2) first");
  }
  if (!checkHandle(head, "TABLE", 1)) return false;
  const std::string tableName(head.groups.front().value);
  std::vector<DxfItem> items;
  if (!itemsOf(head, items, 1)) return false;

  AcDbSymbolTable* coreTable = nullptr;
  DxfUnknownObject* keptTable = nullptr;
  AcDbObjectId tableId;
  if (tableName == "LTYPE" || tableName == "LAYER" || tableName == "BLOCK_RECORD") {
    AcDbObjectId existing = tableName == "LTYPE"   ? db_->linetypeTableId()
                            : tableName == "LAYER" ? db_->layerTableId()
                                                   : db_->blockTableId();
    if (existing.isNull()) {
      NewObject table(tableName == "LTYPE"   ? static_cast<AcDbObject*>(new AcDbLinetypeTable())
                      : tableName == "LAYER" ? static_cast<AcDbObject*>(new AcDbLayerTable())
                                             : static_cast<AcDbObject*>(new AcDbBlockTable()));
      if (!readInto(table.get(), head, std::move(items))) return false;
      if (!addObject(table.get(), head, &tableId)) return false;
      coreTable = AcDbSymbolTable::cast(table.release());
      if (tableName == "LTYPE") db_->setLinetypeTableId(tableId);
      if (tableName == "LAYER") db_->setLayerTableId(tableId);
      if (tableName == "BLOCK_RECORD") db_->setBlockTableId(tableId);
    } else if (acdbOpenObject(coreTable, existing, AcDb::kForWrite) != Acad::eOk) {
      return failAt(head.start, "cannot open the " + tableName + " table");
    }
  } else {
    if (!isDxfTableName(tableName)) return failAt(head.start, "unknown table '" + tableName.substr(0, 40) + "'");
    if (!keptTableNames_.insert(tableName).second) return failAt(head.start, "a second " + tableName + " table");
    auto* kept = new DxfUnknownObject();
    kept->setRole(DxfKeptGroups::kTable);
    kept->setDxfName("TABLE");
    kept->setTableName(tableName);
    if (!keep(kept, head, std::move(items))) return false;
    keptTable = kept;
  }
  // Closes the table however the records end.
  struct CloseTable {
    AcDbObject* table;
    ~CloseTable() { table->close(); }
  } closeTable{coreTable != nullptr ? static_cast<AcDbObject*>(coreTable) : keptTable};

  Record record;
  for (;;) {
    if (!nextRecord(record)) return false;
    const std::string_view type = record.start.value;
    if (type == "ENDTAB") return true;
    if (type == "ENDSEC" || type == "TABLE") return failAt(record.start, "the " + tableName + " table has no ENDTAB");
    if (!checkRecordFrame(record, tableName != "DIMSTYLE")) return false;
    if (keptTable != nullptr) {
      if (!checkTableRecordFrame(record, tableName)) return false;
      // DIMSTYLE records carry their handle as 105.
      for (DxfGroup& group : record.groups) {
        if (group.code == 105 && tableName == "DIMSTYLE") group.code = 5;
      }
      if (!itemsOf(record, items)) return false;
      NewObject owned(new DxfUnknownObject());
      auto* kept = static_cast<DxfUnknownObject*>(owned.get());
      kept->setRole(DxfKeptGroups::kTableRecord);
      kept->setDxfName(std::string(type));
      if (!readInto(kept, record, std::move(items))) return false;
      kept->setOwnerId(keptTable->objectId());  // the table it stands in, whatever it names
      if (!addObject(kept, record)) return false;
      owned.release()->close();
      continue;
    }
    if (!itemsOf(record, items)) return false;
    AcRxClass* recordClass = tableName == "LTYPE"   ? AcDbLinetypeTableRecord::desc()
                             : tableName == "LAYER" ? AcDbLayerTableRecord::desc()
                                                    : AcDbBlockTableRecord::desc();
    NewObject created(AcDbObject::cast(recordClass->create()));
    auto* symbolRecord = AcDbSymbolTableRecord::cast(created.get());
    if (symbolRecord == nullptr) return failAt(record.start, "cannot make a " + std::string(type) + " record");
    if (!readInto(symbolRecord, record, std::move(items))) return false;
    const Acad::ErrorStatus es = coreTable->add(symbolRecord);
    if (es == Acad::eHandleExists) return failAt(record.start, "the handle of this " + tableName + " record is taken");
    if (es != Acad::eOk) {
      return failAt(record.start,
                    "cannot add " + tableName + " record '" + symbolRecord->name() + "': " + acadErrorStatusText(es));
    }
    created.release()->close();
  }
}

bool DxfFileReader::readBlocks() {
  if (!ensureCoreTables()) return false;
  Record record;
  for (;;) {
    if (!nextRecord(record)) return false;
    if (record.start.value == "ENDSEC") return true;
    if (record.start.value != "BLOCK") return failAt(record.start, "expected a BLOCK");
    if (!readBlock(record)) return false;
  }
}

bool DxfFileReader::readBlock(Record& begin) {
  std::vector<DxfItem> items;
  if (!itemsOf(begin, items)) return false;
  const DxfItem* name = findItem(items, 2);
  if (name == nullptr || name->text.empty()) return failAt(begin.start, "a BLOCK needs its name (group code 2)");
  AcDbObjectId blockId = findSymbolRecord(db_->blockTableId(), name->text.c_str());
  openBlock_->close();
  if (blockId.isNull()) {
    // A block without a BLOCK_RECORD entry (older writers): the record is made here.
    AcDbBlockTable* table = nullptr;
    if (acdbOpenObject(table, db_->blockTableId(), AcDb::kForWrite) != Acad::eOk) {
      return failAt(begin.start, "cannot open the block table");
    }
    auto* record = new AcDbBlockTableRecord();
    Acad::ErrorStatus es = record->setName(name->text.c_str());
    if (es == Acad::eOk) es = table->add(blockId, record);
    table->close();
    if (es != Acad::eOk) {
      delete record;
      return failAt(begin.start, "cannot add block '" + name->text + "': " + acadErrorStatusText(es));
    }
    record->close();
  }
  AcDbBlockTableRecord* record = openBlock_->open(blockId);
  if (record == nullptr) return failAt(begin.start, "cannot open block '" + name->text + "'");
  if (const DxfItem* origin = findItem(items, 10)) {
    record->setOrigin(AcGePoint3d(origin->reals[0], origin->reals[1], origin->reals[2]));
  }
  if (const DxfItem* comments = findItem(items, 4)) record->setComments(comments->text.c_str());
  if (const DxfItem* path = findItem(items, 1); path != nullptr && !path->text.empty()) {
    record->setPathName(path->text.c_str());
  }
  auto keepBoundary = [&](const Record& boundary, const std::vector<DxfItem>& boundaryItems, DxfKeptGroups::Role role) {
    const DxfItem* handle = findItem(boundaryItems, 5);
    if (handle == nullptr || handle->text.empty()) return true;
    NewObject owned(new DxfUnknownObject());
    auto* kept = static_cast<DxfUnknownObject*>(owned.get());
    kept->setRole(role);
    kept->setDxfName(role == DxfKeptGroups::kBlockBegin ? "BLOCK" : "ENDBLK");
    kept->setPendingHandle(AcDbHandle(handle->text.c_str()));
    kept->setOwnerId(blockId);
    if (!addObject(kept, boundary)) return false;
    owned.release()->close();
    return true;
  };
  if (!keepBoundary(begin, items, DxfKeptGroups::kBlockBegin)) return false;

  Record record2;
  for (;;) {
    if (!nextRecord(record2)) return false;
    if (record2.start.value == "ENDBLK") {
      if (!sequenceClosed(record2.start)) return false;
      if (!itemsOf(record2, items)) return false;
      return keepBoundary(record2, items, DxfKeptGroups::kBlockEnd);
    }
    if (record2.start.value == "ENDSEC" || record2.start.value == "BLOCK") {
      return failAt(record2.start, "block '" + name->text + "' has no ENDBLK");
    }
    if (!readEntity(record2, blockId)) return false;
  }
}

bool DxfFileReader::readEntities() {
  if (!ensureCoreTables()) return false;
  Record record;
  for (;;) {
    if (!nextRecord(record)) return false;
    if (record.start.value == "ENDSEC") {
      openBlock_->close();
      return sequenceClosed(record.start);
    }
    if (!readEntity(record, AcDbObjectId())) return false;
  }
}

// Reads one entity and appends it to blockId, or (when null) to the block it names as
// its owner, else to model space (paper space for entities marked 67 = 1).
bool DxfFileReader::readEntity(Record& record, AcDbObjectId blockId) {
  const std::string_view name = record.start.value;
  if (!checkRecordFrame(record)) return false;
  const DxfRecordKind& kind = classLookup_.kindOf(name);
  const bool part = kind.part;
  if (keptSequence_ && !part) {
    return failAt(record.start, "the VERTEX or ATTRIB records before this " + std::string(name) + " have no SEQEND");
  }
  if (!keptSequence_ && part) {
    return failAt(record.start, "a " + std::string(name) + " outside the POLYLINE or INSERT it belongs to");
  }
  if (!part && !kind.entity) return failAt(record.start, "a " + std::string(name) + " among the entities");
  if (keptSequence_ && equalsIgnoringCase(name, "SEQEND")) keptSequence_ = false;
  std::vector<DxfItem>& items = entityItems_;
  if (!itemsOf(record, items)) return false;
  NewObject created(readEntityRecord(record, items, part));
  if (created == nullptr) return false;
  auto* entity = AcDbEntity::cast(created.get());
  AcDbObjectId target = blockId;
  if (target.isNull()) {
    const AcDbObjectId owner = entity->ownerId();
    if (const auto* ownerBlock = AcDbBlockTableRecord::cast(peekObject(owner))) {
      // The ENTITIES section holds model and paper space only: an owner of another
      // name is a space renamed, whose entities would vanish from the drawing.
      if (!ownerBlock->isLayout()) {
        return failAt(record.start, "this " + std::string(name) + " of the ENTITIES section belongs to block \"" +
                                        ownerBlock->name() + "\", which is neither *Model_Space nor *Paper_Space");
      }
      target = owner;
    } else {
      AcDbBlockTable* table = AcDbBlockTable::cast(peekObject(db_->blockTableId()));
      const bool paper = [&] {
        for (const DxfGroup& group : record.groups) {
          if (group.code == 67) return group.value.find('1') != std::string_view::npos;
        }
        return false;
      }();
      if (table != nullptr) target = findSymbolRecord(db_->blockTableId(), paper ? ACDB_PAPER_SPACE : ACDB_MODEL_SPACE);
    }
  }
  AcDbBlockTableRecord* block = openBlock_->open(target);
  if (block == nullptr) return failAt(record.start, "no block to put this " + std::string(name) + " into");
  AcDbObjectId entityId;
  const Acad::ErrorStatus es = block->appendAcDbEntity(entityId, entity);
  if (es == Acad::eHandleExists)
    return failAt(record.start, "the handle of this " + std::string(name) + " is taken by another object");
  if (es != Acad::eOk) {
    return failAt(record.start, "cannot add this " + std::string(name) + ": " + acadErrorStatusText(es));
  }
  created.release();
  ++entityCount_;
  const bool partsFollow = std::any_of(record.groups.begin(), record.groups.end(), [](const DxfGroup& group) {
    return group.code == 66 && group.value.find('1') != std::string_view::npos;
  });
  // The parts of a complex entity kept as it came follow it as kept records, up to
  // their SEQEND; a POLYLINE always has them.
  const bool ownsParts = takesSubEntities(entity);
  if (!ownsParts && (partsFollow || kind.polyline) && !part) {
    if (!partsFollow) {
      entity->close();
      return failAt(record.start, "a POLYLINE without its vertices (group code 66 must be 1)");
    }
    keptSequence_ = true;
  }
  const bool ok = !partsFollow || !ownsParts || readSubEntities(entity);
  entity->close();
  return ok;
}

// A record of the frame or without a name cannot be kept, nor one with the handles of
// two records (the start of the second one lost) or with groups out of their place:
// written back it would break the file.
bool DxfFileReader::checkRecordFrame(const Record& record, bool oneHandle) {
  const DxfGroup& start = record.start;
  if (start.value.empty()) return failAt(start, "a record without a name (group code 0 with no value)");
  const std::string name(start.value.substr(0, 40));
  if (std::any_of(start.value.begin(), start.value.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; })) {
    return failAt(start, "a record name with a control character");
  }
  if (classLookup_.kindOf(start.value).lowerCase) {
    return failAt(start, "a " + name + ": the names of records are written in capitals");
  }
  if (classLookup_.kindOf(start.value).frame) {
    return failAt(start, "a " + name + " cannot stand here (is the record that ends the part before it missing?)");
  }
  if (record.groups.empty() && !equalsIgnoringCase(start.value, "SEQEND")) {
    return failAt(start, "a " + name + " with no groups (is the rest of it missing?)");
  }
  // Extended data ends a record: from the first application name (1001) on, only its groups.
  const auto xdata = std::find_if(record.groups.begin(), record.groups.end(),
                                  [](const DxfGroup& group) { return group.code == AcDb::kDxfRegAppName; });
  const auto stray = std::find_if(xdata, record.groups.end(), [](const DxfGroup& group) { return group.code < 1000; });
  if (stray != record.groups.end()) {
    return failAt(*stray, "group code " + std::to_string(stray->code) + " after the extended data of this " + name);
  }
  if (!checkBraces(record, name)) return false;
  return !oneHandle || checkHandle(record, name, 0);
}

// One handle at the most, as group `at` (the first after what names the record).
bool DxfFileReader::checkHandle(const Record& record, const std::string& name, std::size_t at) {
  const auto handles =
      std::count_if(record.groups.begin(), record.groups.end(), [](const DxfGroup& group) { return group.code == 5; });
  if (handles > 1) {
    return failAt(record.start,
                  "this " + name + " has two handles (group code 5): is the start of the record after it missing?");
  }
  if (handles == 1 && (record.groups.size() <= at || record.groups[at].code != 5)) {
    return failAt(record.start, "the handle (group code 5) of this " + name + " is not in its place, group " +
                                    std::to_string(at + 1) + " of the record");
  }
  return true;
}

// Groups in braces: "102 {NAME", its groups, "102 }".
bool DxfFileReader::checkBraces(const Record& record, const std::string& name) {
  bool open = false;
  for (const DxfGroup& group : record.groups) {
    if (group.code != 102) continue;
    const std::string_view brace = trimDxfBlanks(group.value);
    if (brace.size() > 1 && brace.front() == '{' && !open) {
      open = true;
    } else if (brace == "}" && open) {
      open = false;
    } else {
      return failAt(record.start, "this " + name + " has a stray group code 102 '" + std::string(brace.substr(0, 40)) +
                                      "' (groups in braces open with '{NAME' and close with '}')");
    }
  }
  if (open) return failAt(record.start, "a group in braces (code 102) of this " + name + " is not closed");
  return true;
}

// A record of a kept table: the parts AcDbSymbolTableRecord and the table's own, its
// name (group code 2) in the second.
bool DxfFileReader::checkTableRecordFrame(const Record& record, const std::string& tableName) {
  const std::vector<std::string_view> expected = {"AcDbSymbolTableRecord", tableRecordSubclass(tableName)};
  std::vector<std::string_view> parts;
  bool named = false;
  for (const DxfGroup& group : record.groups) {
    if (group.code == AcDb::kDxfSubclass) parts.push_back(group.value);
    if (group.code == 2 && parts.size() == 2 && !trimDxfBlanks(group.value).empty()) named = true;
  }
  if (parts != expected) {
    return failAt(record.start, "this " + tableName + " record lacks its parts " + std::string(expected[0]) + " and " +
                                    std::string(expected[1]) + " (group code 100), or has others");
  }
  if (!named) return failAt(record.start, "a " + tableName + " record without its name (group code 2)");
  return true;
}

bool DxfFileReader::sequenceClosed(const DxfGroup& end) {
  if (!keptSequence_) return true;
  return failAt(end, "a run of VERTEX or ATTRIB records has no SEQEND");
}

// The parts that follow a complex entity (open for write), up to their SEQEND.
bool DxfFileReader::readSubEntities(AcDbEntity* owner) {
  Record record;
  for (;;) {
    if (!nextRecord(record)) return false;
    const std::string name(record.start.value);
    if (name == "SEQEND") {
      std::vector<DxfItem> items;
      if (!itemsOf(record, items)) return false;
      if (const DxfItem* handle = findItem(items, 5); handle != nullptr && !handle->text.empty()) {
        setSequenceEndHandle(owner, AcDbHandle(handle->text.c_str()));
      }
      return true;
    }
    if (name == "ENDSEC" || name == "ENDBLK")
      return failAt(record.start, "a run of VERTEX or ATTRIB records has no SEQEND");
    std::vector<DxfItem> items;
    if (!itemsOf(record, items)) return false;
    NewObject created(readEntityRecord(record, items));
    if (created == nullptr) return false;
    const Acad::ErrorStatus es = appendSubEntity(owner, AcDbEntity::cast(created.get()));
    if (es != Acad::eOk) {
      return failAt(record.start, "a " + name + " cannot belong to the entity before it: " + acadErrorStatusText(es));
    }
    created.release();  // the owner has it
  }
}

bool DxfFileReader::readObjects() {
  if (!ensureCoreTables()) return false;
  Record record;
  for (;;) {
    if (!nextRecord(record)) return false;
    if (record.start.value == "ENDSEC") return true;
    if (!checkRecordFrame(record)) return false;
    if (!classLookup_.kindOf(record.start.value).object) {
      return failAt(record.start, "a " + std::string(record.start.value) + " among the objects");
    }
    if (!readObject(record)) return false;
  }
}

bool DxfFileReader::readObject(Record& record) {
  std::vector<DxfItem> items;
  if (!itemsOf(record, items)) return false;
  const std::string name(record.start.value);
  AcRxClass* rxClass = classLookup_.find(name);
  NewObject created;
  if (rxClass != nullptr && !isSymbolClass(rxClass) && !rxClass->isDerivedFrom(AcDbEntity::desc())) {
    created.reset(AcDbObject::cast(rxClass->create()));
  }
  // Another program's object, or one that does not read as its kind: kept as it came.
  if (created == nullptr || !readInto(created.get(), record, items, false)) {
    NewObject kept(new DxfUnknownObject());
    static_cast<DxfUnknownObject*>(kept.get())->setDxfName(name);
    if (!readInto(kept.get(), record, items, true)) return false;
    if (created != nullptr) {
      if (!checkKeptParts(record, kept.get(), rxClass)) return false;
      noteUnusable(record, items);
    }
    if (!addObject(kept.get(), record)) return false;
    kept.release()->close();
    return true;
  }
  AcDbObjectId id;
  if (!addObject(created.get(), record, &id)) return false;
  AcDbObject* object = created.release();
  // The first dictionary that nothing owns is the drawing's root.
  if (db_->namedObjectsDictionaryId().isNull() && AcDbDictionary::cast(object) != nullptr &&
      object->ownerId().isNull()) {
    db_->setNamedObjectsDictionaryId(id);
  }
  object->close();
  return true;
}

bool DxfFileReader::readInto(AcDbObject* object, const Record& record, std::vector<DxfItem> items) {
  return readInto(object, record, items, true);
}

bool DxfFileReader::readInto(AcDbObject* object, const Record& record, std::vector<DxfItem>& items, bool report) {
  if (object == nullptr) return failAt(record.start, "cannot make a " + std::string(record.start.value));
  // Extended data trails the fields: a known class reads the fields only, and a kept
  // record keeps it among its groups.
  auto* kept = const_cast<DxfKeptGroups*>(keptGroupsOf(object));
  std::vector<DxfItem> xdata;
  if (kept == nullptr) {
    const auto start = items.begin() + static_cast<long>(xDataStart(items));
    xdata.assign(std::make_move_iterator(start), std::make_move_iterator(items.end()));
    items.erase(start, items.end());
  }
  const std::size_t itemCount = items.size();
  DxfItemFiler filer(std::move(items), db_.get());
  Acad::ErrorStatus es = object->dxfIn(&filer);
  std::string problem;
  if (es == Acad::eOk && !applyXData(object, xdata.data(), xdata.data() + xdata.size(), problem)) {
    es = Acad::eInvalidInput;
  }
  if (es != Acad::eOk) {
    if (!report) {
      unreadReason_ = !problem.empty()              ? problem
                      : !filerDetail(filer).empty() ? filerDetail(filer)
                                                    : acadErrorStatusText(es);
      items = filer.takeItems();
      items.insert(items.end(), std::make_move_iterator(xdata.begin()), std::make_move_iterator(xdata.end()));
      return false;
    }
    const std::string reason = problem.empty() ? errorText(es, filer) : problem;
    return failAt(record.start, "cannot read this " + std::string(record.start.value) + ": " + reason);
  }
  // What a kept record did not take as common fields is kept exactly as it came.
  if (kept != nullptr) {
    const std::size_t taken = itemCount - kept->items().size();
    kept->setItems(std::vector<DxfItem>(filer.items().begin() + static_cast<long>(taken), filer.items().end()));
  }
  items = filer.takeItems();  // the memory serves the next record
  return true;
}

// An entity of a known kind, or a kept one when the record does not read as that kind
// (another program's variant, such as a 2D POLYLINE): nothing of the file is lost.
AcDbEntity* DxfFileReader::readEntityRecord(const Record& record, std::vector<DxfItem>& items, bool asItCame) {
  NewObject created;
  AcRxClass* unreadKind = nullptr;  // the known kind the record did not read as
  if (!asItCame) {
    created.reset(classLookup_.createEntity(record.start.value));
    if (keptGroupsOf(created.get()) == nullptr) {
      if (readInto(created.get(), record, items, false)) return AcDbEntity::cast(created.release());
      unreadKind = created->isA();
      created.reset();
    }
  }
  if (created == nullptr) {
    auto* kept = new DxfUnknownEntity();
    kept->setDxfName(std::string(record.start.value));
    created.reset(kept);
  }
  if (!readInto(created.get(), record, items, true)) return nullptr;
  if (!checkKeptParts(record, created.get(), unreadKind)) return nullptr;
  if (unreadKind != nullptr) noteUnusable(record, items);
  return AcDbEntity::cast(created.release());
}

// A record is kept as it came only with the parts (group code 100) its kind has, as the
// writer will write it: other parts mean the frame of the records is broken (a record
// start lost, two records run together, fields out of their place), which no reader of
// the saved file could take. A known kind has the parts it writes itself (the 2D, 3D and
// mesh forms of a POLYLINE differ); any other entity has AcDbEntity and one of its own,
// except a SEQEND.
bool DxfFileReader::checkKeptParts(const Record& record, const AcDbObject* kept, AcRxClass* kind) {
  const std::vector<std::string>* known = kind != nullptr && !classLookup_.kindOf(record.start.value).polyline
                                              ? classLookup_.subclassMarkers(kind)
                                              : nullptr;
  const bool entity = AcDbEntity::cast(kept) != nullptr;
  if (known == nullptr && !entity) return true;
  DxfItemFiler written(db_.get());
  std::vector<std::string> found;
  if (kept->dxfOut(&written) == Acad::eOk) {
    for (const DxfItem& item : written.items()) {
      if (item.code == AcDb::kDxfSubclass) found.push_back(item.text);
    }
  }
  // A SEQEND has no part of its own.
  const std::size_t least = equalsIgnoringCase(record.start.value, "SEQEND") ? 1 : 2;
  if (known != nullptr ? found == *known : found.size() >= least && found.front() == "AcDbEntity") return true;
  auto list = [](const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name.substr(0, 40);
    return text.empty() ? std::string("none") : text;
  };
  const std::string name(record.start.value.substr(0, 40));
  return failAt(record.start, "this " + name + " has the parts " + list(found) + " (group code 100), " +
                                  (known != nullptr ? "not those of a " + name + " (" + list(*known) + ")"
                                                    : "not AcDbEntity and one of its own"));
}

void DxfFileReader::noteUnusable(const Record& record, const std::vector<DxfItem>& items) {
  ++unusableCount_;
  if (warnings_.size() >= kWarningsShown) return;
  const DxfItem* handle = findItem(items, 5);
  std::string text = std::string(record.start.value.substr(0, 40));
  text += handle != nullptr && !handle->text.empty() ? " " + handle->text : " without a handle";
  warnings_.push_back(text + " (line " + std::to_string(record.start.line) +
                      ") is kept as it came but cannot be used: " + unreadReason_);
}

bool DxfFileReader::addObject(AcDbObject* object, const Record& record, AcDbObjectId* id) {
  AcDbObjectId added;
  const Acad::ErrorStatus es = db_->addAcDbObject(added, object);
  if (es == Acad::eHandleExists) {
    return failAt(record.start,
                  "the handle of this " + std::string(record.start.value) + " is taken by another object");
  }
  if (es != Acad::eOk)
    return failAt(record.start, "cannot add this " + std::string(record.start.value) + ": " + acadErrorStatusText(es));
  if (id != nullptr) *id = added;
  return true;
}

bool DxfFileReader::keep(DxfUnknownObject* kept, const Record& record, std::vector<DxfItem> items) {
  NewObject owned(kept);
  if (!readInto(kept, record, std::move(items))) return false;
  if (!addObject(kept, record)) return false;
  owned.release();
  return true;
}

bool DxfFileReader::ensureCoreTables() {
  openBlock_->close();
  std::string problem;
  if (!ensureStandardRecords(*db_, problem)) return fail(reader_.line(), problem);
  return true;
}

bool DxfFileReader::finish() {
  openBlock_->close();
  // Objects made from here on take handles above every handle of the file.
  if (!fileHandseed_.isNull() && fileHandseed_ > db_->handseed()) db_->setHandseed(fileHandseed_);
  std::string problem;
  if (!completeDrawing(*db_, headerItems_, classItems_, problem)) return fail(reader_.lastLine(), problem);
  return true;
}
