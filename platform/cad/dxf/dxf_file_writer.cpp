#include "platform/cad/dxf/dxf_file_writer.h"

#include <strings.h>

#include <algorithm>
#include <cstring>

#include "platform/cad/db/db_block_table.h"
#include "platform/cad/db/db_dictionary.h"
#include "platform/cad/db/db_entity.h"
#include "platform/cad/db/db_group.h"
#include "platform/cad/db/db_layer_table.h"
#include "platform/cad/db/db_linetype_table.h"
#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/rx_class.h"
#include "platform/cad/dxf/dxf_default_tables.h"
#include "platform/cad/dxf/dxf_drawing_completion.h"
#include "platform/cad/dxf/dxf_kept_records.h"
#include "platform/cad/dxf/dxf_structure.h"
#include "platform/cad/dxf/dxf_sub_entities.h"
#include "platform/cad/dxf/dxf_xdata.h"

namespace {

const char* const kTableOrder[] = {"VPORT", "LTYPE", "LAYER",    "STYLE",       "VIEW",
                                   "UCS",   "APPID", "DIMSTYLE", "BLOCK_RECORD"};

const char* recordName(AcDbObjectId id) {
  const auto* record = AcDbSymbolTableRecord::cast(peekObject(id));
  return record != nullptr ? record->name() : nullptr;
}

bool isLiveObject(AcDbObjectId id) { return !id.isNull() && peekObject(id) != nullptr && !id.isErased(); }

// True when an owner up the chain is erased: the object goes with it (an erased
// entity's extension dictionary, say) and is not saved.
bool hasErasedOwner(const AcDbObject* object) {
  for (int depth = 0; object != nullptr && depth < 64; ++depth) {
    const AcDbObjectId owner = object->ownerId();
    if (owner.isNull()) return false;
    if (!isLiveObject(owner)) return true;
    object = peekObject(owner);
  }
  return false;
}

// Classes whose records need a CLASS entry: those a program registered with its application.
bool needsClassEntry(const AcRxClass* rxClass) {
  return rxClass != nullptr && rxClass->dxfName()[0] != '\0' && rxClass->appName()[0] != '\0';
}

// Opens an object for read for the time of one write.
class ReadOpen {
 public:
  explicit ReadOpen(AcDbObjectId id) { status_ = acdbOpenObject(object_, id, AcDb::kForRead); }
  ~ReadOpen() {
    if (object_ != nullptr) object_->close();
  }
  ReadOpen(const ReadOpen&) = delete;
  ReadOpen& operator=(const ReadOpen&) = delete;
  AcDbObject* get() const { return object_; }
  Acad::ErrorStatus status() const { return status_; }

 private:
  AcDbObject* object_ = nullptr;
  Acad::ErrorStatus status_;
};

std::string handleText(AcDbObjectId id) {
  char text[AcDbHandle::kStrSiz];
  id.handle().getIntoAsciiBuffer(text);
  return text;
}

}  // namespace

DxfFileWriter::DxfFileWriter(AcDbDatabase& database) : db_(database), nextHandle_(database.handseed()) {}

AcDbHandle DxfFileWriter::newHandle() { return nextHandle_++; }

bool DxfFileWriter::fail(const std::string& what) {
  if (message_.empty()) message_ = what;
  return false;
}

// A LAYOUT kept from the file names its block record (330 in its AcDbLayout part); the
// record points back at it (340), as readers of the file expect.
void DxfFileWriter::noteLayout(const DxfKeptGroups& kept, AcDbObjectId layoutId) {
  if (kept.dxfName() != "LAYOUT") return;
  bool inLayout = false;
  for (const DxfItem& item : kept.items()) {
    if (item.code == 100) inLayout = item.text == "AcDbLayout";
    if (inLayout && item.code == 330) {
      AcDbObjectId record;
      if (db_.getAcDbObjectId(record, false, AcDbHandle(item.text.c_str())) == Acad::eOk) {
        layouts_[record] = layoutId.handle();
      }
      return;
    }
  }
}

void DxfFileWriter::survey() {
  AcDbObjectIdArray ids;
  db_.getAllObjectIds(ids);
  for (int i = 0; i < ids.length(); ++i) {
    const AcDbObjectId id = ids[i];
    if (!isLiveObject(id)) continue;
    AcDbObject* object = peekObject(id);
    holdSubEntityHandles(object);
    AcRxClass* rxClass = object->isA();
    noteXDataApps(object);
    if (const auto* entity = AcDbEntity::cast(object)) {
      std::vector<const AcDbEntity*> parts;
      if (subEntitiesOf(entity, parts)) {
        for (const AcDbEntity* part : parts) noteXDataApps(part);
      }
    }
    if (const DxfKeptGroups* kept = keptGroupsOf(object)) {
      switch (kept->role()) {
        case DxfKeptGroups::kTable:
          keptTables_.emplace(kept->tableName(), id);
          break;
        case DxfKeptGroups::kTableRecord:
          keptRecords_[object->ownerId()].push_back(id);
          break;
        case DxfKeptGroups::kBlockBegin:
          blockBegins_[object->ownerId()] = id.handle();
          break;
        case DxfKeptGroups::kBlockEnd:
          blockEnds_[object->ownerId()] = id.handle();
          break;
        case DxfKeptGroups::kClasses:
          classHolders_.push_back(id);
          break;
        case DxfKeptGroups::kHeader:
          headerHolder_ = id;
          break;
        case DxfKeptGroups::kRecord:
          noteLayout(*kept, id);
          if (AcDbEntity::cast(object) == nullptr && !hasErasedOwner(object)) {
            objects_.push_back(id);
            if (!object->ownerId().isNull()) reactors_[id].push_back(object->ownerId());
          }
          break;
      }
      continue;
    }
    if (needsClassEntry(rxClass)) classes_.emplace(rxClass->dxfName(), rxClass);
    if (AcDbEntity::cast(object) != nullptr || AcDbSymbolTable::cast(object) != nullptr ||
        AcDbSymbolTableRecord::cast(object) != nullptr || hasErasedOwner(object)) {
      continue;
    }
    objects_.push_back(id);
    if (AcDbGroup::cast(object) != nullptr) {
      ReadOpen group(id);
      AcDbObjectIdArray members;
      if (group.get() != nullptr) AcDbGroup::cast(group.get())->allEntityIds(members);
      for (int m = 0; m < members.length(); ++m) reactors_[members[m]].push_back(id);
    }
    // Objects name their owner (a dictionary, or the object of an extension dictionary)
    // as a reactor, as other readers expect.
    if (!object->ownerId().isNull()) reactors_[id].push_back(object->ownerId());
  }
  nextHandle_ = db_.handseed();  // above the handles just given to parts
}

bool DxfFileWriter::write(DxfTextBuffer& text, std::string& message) {
  survey();
  DxfGroupWriter body;
  body.reserve(static_cast<std::size_t>(db_.approxNumObjects()) * 200 + 65536);
  const bool ok = [&] {
    writeClasses(body);
    return writeTables(body) && writeBlocks(body) && writeEntities(body) && writeObjects(body);
  }();
  if (!ok) {
    message = message_;
    return false;
  }
  body.plain(0, "EOF");
  // The header names the handle seed, known only now.
  DxfGroupWriter header;
  writeHeader(header);
  const int headerCode = header.takeNonFiniteCode();
  const int bodyCode = body.takeNonFiniteCode();
  if (headerCode != 0 || bodyCode != 0) {
    message = "cannot write the drawing: it holds a number that is not finite (group code " +
              std::to_string(headerCode != 0 ? headerCode : bodyCode) + ")";
    return false;
  }
  text = body.takeText();
  text.prepend(header.text());
  if (text.failed()) {
    message = "not enough memory for the text of the drawing";
    return false;
  }
  return true;
}

void DxfFileWriter::writeHeader(DxfGroupWriter& out) {
  out.plain(0, "SECTION");
  out.plain(2, "HEADER");
  out.plain(9, "$ACADVER");
  out.plain(1, "AC1015");
  out.plain(9, "$ACADMAINTVER");
  out.integer(70, 6);
  out.plain(9, "$DWGCODEPAGE");
  out.plain(3, "ANSI_1252");
  const AcGePoint3d insbase = db_.insbase(), extmin = db_.extmin(), extmax = db_.extmax();
  out.plain(9, "$INSBASE");
  out.point(10, insbase.x, insbase.y, insbase.z);
  out.plain(9, "$EXTMIN");
  out.point(10, extmin.x, extmin.y, extmin.z);
  out.plain(9, "$EXTMAX");
  out.point(10, extmax.x, extmax.y, extmax.z);
  out.plain(9, "$LTSCALE");
  out.real(40, db_.ltscale());
  out.plain(9, "$PDMODE");
  out.integer(70, db_.pdmode());
  out.plain(9, "$PDSIZE");
  out.real(40, db_.pdsize());
  const char* layer = recordName(db_.clayer());
  out.plain(9, "$CLAYER");
  out.string(8, layer != nullptr ? layer : "0");
  const char* linetype = recordName(db_.celtype());
  out.plain(9, "$CELTYPE");
  out.string(6, linetype != nullptr ? linetype : "ByLayer");
  out.plain(9, "$HANDSEED");
  out.handle(5, nextHandle_ > db_.handseed() ? nextHandle_ : db_.handseed());
  const AcGePoint3d org = db_.ucsorg();
  const AcGeVector3d xdir = db_.ucsxdir(), ydir = db_.ucsydir();
  out.plain(9, "$UCSORG");
  out.point(10, org.x, org.y, org.z);
  out.plain(9, "$UCSXDIR");
  out.point(10, xdir.x, xdir.y, xdir.z);
  out.plain(9, "$UCSYDIR");
  out.point(10, ydir.x, ydir.y, ydir.z);
  if (const DxfKeptGroups* kept = keptGroupsOf(peekObject(headerHolder_))) {
    bool keep = false;
    for (const DxfItem& item : kept->items()) {
      if (item.code == 9) keep = !isDrawingHeaderVariable(item.text);
      if (keep) out.item(item);
    }
  }
  out.plain(0, "ENDSEC");
}

void DxfFileWriter::writeClasses(DxfGroupWriter& out) {
  out.plain(0, "SECTION");
  out.plain(2, "CLASSES");
  for (const auto& [dxfName, rxClass] : classes_) {
    out.plain(0, "CLASS");
    out.string(1, dxfName);
    out.string(2, rxClass->name());
    out.string(3, rxClass->appName());
    out.integer(90, rxClass->proxyFlags());
    out.integer(280, 0);
    out.integer(281, rxClass->isDerivedFrom(AcDbEntity::desc()) ? 1 : 0);
  }
  // Classes of other programs read from the file, unless registered here meanwhile.
  for (AcDbObjectId holder : classHolders_) {
    const DxfKeptGroups* kept = keptGroupsOf(peekObject(holder));
    const std::vector<DxfItem>& items = kept->items();
    for (std::size_t i = 0; i < items.size();) {
      std::size_t end = i + 1;
      while (end < items.size() && items[end].code != 0) ++end;
      std::string name;
      for (std::size_t k = i; k < end; ++k) {
        if (items[k].code == 1) name = items[k].text;
      }
      if (!name.empty() && classes_.count(name) == 0) {
        for (std::size_t k = i; k < end; ++k) out.item(items[k]);
      }
      i = end;
    }
  }
  out.plain(0, "ENDSEC");
}

bool DxfFileWriter::writeTables(DxfGroupWriter& out) {
  out.plain(0, "SECTION");
  out.plain(2, "TABLES");
  for (const char* name : kTableOrder) {
    const std::string tableName(name);
    bool ok = true;
    if (tableName == "LTYPE") {
      ok = writeCoreTable(out, name, db_.linetypeTableId());
    } else if (tableName == "LAYER") {
      ok = writeCoreTable(out, name, db_.layerTableId());
    } else if (tableName == "BLOCK_RECORD") {
      ok = writeCoreTable(out, name, db_.blockTableId());
    } else if (keptTables_.count(tableName) != 0) {
      ok = writeKeptTable(out, keptTables_[tableName]);
    } else {
      writeDefaultTable(out, tableName);
    }
    if (!ok) return false;
  }
  for (const auto& [tableName, id] : keptTables_) {
    const bool known = std::find_if(std::begin(kTableOrder), std::end(kTableOrder),
                                    [&](const char* name) { return tableName == name; }) != std::end(kTableOrder);
    if (!known && !writeKeptTable(out, id)) return false;
  }
  out.plain(0, "ENDSEC");
  return true;
}

bool DxfFileWriter::writeCoreTable(DxfGroupWriter& out, const char* tableName, AcDbObjectId tableId) {
  ReadOpen table(tableId);
  auto* symbolTable = AcDbSymbolTable::cast(table.get());
  if (symbolTable == nullptr) return fail(std::string("the drawing has no ") + tableName + " table");
  out.plain(0, "TABLE");
  out.plain(2, tableName);
  RecordOptions head;
  head.name = "";
  head.ownerZero = true;
  DxfItemFiler filer(&db_);
  if (symbolTable->dxfOut(&filer) != Acad::eOk) return fail(std::string("cannot write the ") + tableName + " table");
  writeItems(out, filer.items(), tableId, head);
  writeXData(out, symbolTable);
  RecordOptions record;
  record.name = tableName;  // LTYPE, LAYER and BLOCK_RECORD records are named as their tables
  for (const AcDbObjectId& id : symbolTable->recordIds()) {
    if (!isLiveObject(id)) continue;
    const auto layout = layouts_.find(id);
    record.layout = layout != layouts_.end() ? layout->second : AcDbHandle();
    if (!writeRecord(out, id, record)) return false;
  }
  out.plain(0, "ENDTAB");
  return true;
}

bool DxfFileWriter::writeKeptTable(DxfGroupWriter& out, AcDbObjectId tableId) {
  const DxfKeptGroups* kept = keptGroupsOf(peekObject(tableId));
  out.plain(0, "TABLE");
  out.string(2, kept->tableName());
  RecordOptions head;
  head.name = "";
  head.ownerZero = true;
  if (!writeRecord(out, tableId, head)) return false;
  RecordOptions record;
  record.dimStyleHandle = kept->tableName() == "DIMSTYLE";
  std::vector<std::string> registered;
  for (AcDbObjectId id : keptRecords_[tableId]) {
    if (!writeRecord(out, id, record)) return false;
    if (const DxfKeptGroups* keptRecord = keptGroupsOf(peekObject(id))) {
      for (const DxfItem& item : keptRecord->items()) {
        if (item.code == 2) registered.push_back(item.text);
      }
    }
  }
  if (kept->tableName() == "APPID") writeAppIdRecords(out, missingAppIds(registered), tableId.handle());
  out.plain(0, "ENDTAB");
  return true;
}

void DxfFileWriter::writeDefaultTable(DxfGroupWriter& out, const std::string& tableName) {
  const AcDbHandle tableHandle = newHandle();
  std::vector<std::string> appIds;
  if (tableName == "APPID") appIds = missingAppIds({"ACAD"});
  writeDefaultTableText(
      out, tableName, tableHandle, [this] { return newHandle(); }, db_,
      [&] { writeAppIdRecords(out, appIds, tableHandle); });
}

bool DxfFileWriter::writeBlocks(DxfGroupWriter& out) {
  out.plain(0, "SECTION");
  out.plain(2, "BLOCKS");
  ReadOpen table(db_.blockTableId());
  auto* blockTable = AcDbBlockTable::cast(table.get());
  if (blockTable == nullptr) return fail("the drawing has no block table");
  for (const AcDbObjectId& id : blockTable->recordIds()) {
    if (!isLiveObject(id)) continue;
    const char* name = recordName(id);
    // The two spaces keep their entities in the ENTITIES section.
    const bool isSpace = strcasecmp(name, ACDB_MODEL_SPACE) == 0 || strcasecmp(name, ACDB_PAPER_SPACE) == 0;
    if (!writeBlock(out, id, !isSpace)) return false;
  }
  out.plain(0, "ENDSEC");
  return true;
}

bool DxfFileWriter::writeBlock(DxfGroupWriter& out, AcDbObjectId recordId, bool withEntities) {
  ReadOpen open(recordId);
  auto* record = AcDbBlockTableRecord::cast(open.get());
  if (record == nullptr) return fail("cannot open block " + handleText(recordId));
  const bool paper = strncasecmp(record->name(), ACDB_PAPER_SPACE, std::strlen(ACDB_PAPER_SPACE)) == 0;
  const auto begin = blockBegins_.find(recordId);
  out.plain(0, "BLOCK");
  out.handle(5, begin != blockBegins_.end() ? begin->second : newHandle());
  out.handle(330, recordId.handle());
  out.plain(100, "AcDbEntity");
  if (paper) out.integer(67, 1);
  out.plain(8, "0");
  out.plain(100, "AcDbBlockBegin");
  out.string(2, record->name());
  int flags = 0;
  if (record->isAnonymous()) flags |= 1;
  if (record->hasAttributeDefinitions()) flags |= 2;
  out.integer(70, flags);
  const AcGePoint3d origin = record->origin();
  out.point(10, origin.x, origin.y, origin.z);
  out.string(3, record->name());
  const char* path = "";
  record->pathName(path);
  out.string(1, path != nullptr ? path : "");
  const char* comments = "";
  record->comments(comments);
  if (comments != nullptr && comments[0] != '\0') out.string(4, comments);
  if (withEntities && !writeBlockEntities(out, recordId)) return false;
  const auto end = blockEnds_.find(recordId);
  out.plain(0, "ENDBLK");
  out.handle(5, end != blockEnds_.end() ? end->second : newHandle());
  out.handle(330, recordId.handle());
  out.plain(100, "AcDbEntity");
  if (paper) out.integer(67, 1);
  out.plain(8, "0");
  out.plain(100, "AcDbBlockEnd");
  return true;
}

bool DxfFileWriter::writeBlockEntities(DxfGroupWriter& out, AcDbObjectId recordId) {
  const auto* record = AcDbBlockTableRecord::cast(peekObject(recordId));
  if (record == nullptr) return true;
  // The parts of a complex entity kept as it came follow it in the block and name it
  // as their owner, as they did in the file.
  AcDbHandle whole;
  for (const AcDbObjectId& id : record->entityIds()) {
    if (!isLiveObject(id)) continue;
    const DxfKeptGroups* kept = keptGroupsOf(peekObject(id));
    const bool part = kept != nullptr && isSequencePart(kept->dxfName());
    RecordOptions options;
    if (part) options.owner = whole;
    if (!part) whole = id.handle();
    if (!writeRecord(out, id, options) || !writeSubEntities(out, id)) return false;
    ++entityCount_;
  }
  return true;
}

// The parts of a complex entity and the SEQEND that closes them.
bool DxfFileWriter::writeSubEntities(DxfGroupWriter& out, AcDbObjectId ownerId) {
  std::vector<const AcDbEntity*> parts;
  const auto* owner = AcDbEntity::cast(peekObject(ownerId));
  if (owner == nullptr || !subEntitiesOf(owner, parts)) return true;
  RecordOptions options;
  options.owner = ownerId.handle();
  for (const AcDbEntity* part : parts) {
    options.handle = subEntityHandle(part);
    if (options.handle.isNull()) options.handle = newHandle();
    if (!writeObjectRecord(out, part, AcDbObjectId(), options)) return false;
  }
  const char* layer = recordName(owner->layerId());
  out.plain(0, "SEQEND");
  const AcDbHandle sequenceEnd = sequenceEndHandle(owner);
  out.handle(5, sequenceEnd.isNull() ? newHandle() : sequenceEnd);
  out.handle(330, ownerId.handle());
  out.plain(100, "AcDbEntity");
  if (AcDbBlockTableRecord::cast(peekObject(owner->ownerId())) != nullptr &&
      strcasecmp(recordName(owner->ownerId()), ACDB_PAPER_SPACE) == 0) {
    out.integer(67, 1);
  }
  out.string(8, layer != nullptr ? layer : "0");
  return true;
}

bool DxfFileWriter::writeEntities(DxfGroupWriter& out) {
  out.plain(0, "SECTION");
  out.plain(2, "ENTITIES");
  ReadOpen table(db_.blockTableId());
  auto* blockTable = AcDbBlockTable::cast(table.get());
  if (blockTable == nullptr) return fail("the drawing has no block table");
  for (const char* space : {ACDB_MODEL_SPACE, ACDB_PAPER_SPACE}) {
    AcDbObjectId id;
    if (blockTable->getAt(space, id) == Acad::eOk && !writeBlockEntities(out, id)) return false;
  }
  out.plain(0, "ENDSEC");
  return true;
}

bool DxfFileWriter::writeObjects(DxfGroupWriter& out) {
  out.plain(0, "SECTION");
  out.plain(2, "OBJECTS");
  const AcDbObjectId root = db_.namedObjectsDictionaryId();
  RecordOptions rootOptions;
  rootOptions.ownerZero = true;
  if (isLiveObject(root) && !writeRecord(out, root, rootOptions)) return false;
  RecordOptions options;
  for (AcDbObjectId id : objects_) {
    if (id == root) continue;
    if (!writeRecord(out, id, options)) return false;
  }
  out.plain(0, "ENDSEC");
  return true;
}

bool DxfFileWriter::writeRecord(DxfGroupWriter& out, AcDbObjectId id, const RecordOptions& options) {
  ReadOpen open(id);
  if (open.get() == nullptr) {
    return fail("cannot open object " + handleText(id) + " for saving (" + acadErrorStatusText(open.status()) + ")");
  }
  return writeObjectRecord(out, open.get(), id, options);
}

bool DxfFileWriter::writeObjectRecord(DxfGroupWriter& out, const AcDbObject* object, AcDbObjectId id,
                                      const RecordOptions& options) {
  std::string name;
  if (options.name != nullptr) {
    name = options.name;
  } else if (const DxfKeptGroups* kept = keptGroupsOf(object)) {
    name = kept->dxfName();
  } else {
    name = object->isA()->dxfName();
  }
  if (name.empty() && options.name == nullptr) {
    return fail(std::string("object ") + handleText(id) + " of class " + object->isA()->name() + " has no DXF name");
  }
  recordItems_.clear();  // keeps its memory from record to record
  DxfItemFiler filer(std::move(recordItems_), &db_);
  const Acad::ErrorStatus es = object->dxfOut(&filer);
  recordItems_ = filer.takeItems();
  if (es != Acad::eOk) {
    std::string what = "cannot write " + name + " " + handleText(id) + ": " + acadErrorStatusText(es);
    if (filer.errorMessage()[0] != '\0') what += std::string(" (") + filer.errorMessage() + ")";
    return fail(what);
  }
  out.takeNonFiniteCode();
  if (!name.empty()) out.plain(0, name);
  writeItems(out, recordItems_, id, options);
  writeXData(out, object);
  if (const int code = out.takeNonFiniteCode()) {
    char handle[AcDbHandle::kStrSiz];
    (id.isNull() ? options.handle : id.handle()).getIntoAsciiBuffer(handle);
    return fail("cannot write " + name + " " + handle + ": it holds a number that is not finite (group code " +
                std::to_string(code) + ")");
  }
  return true;
}

void DxfFileWriter::writeXData(DxfGroupWriter& out, const AcDbObject* object) {
  std::vector<DxfItem> xdata;
  appendXDataItems(object, xdata);
  for (const DxfItem& item : xdata) out.item(item);
}

// Every application named by extended data, so that the APPID table can register it.
void DxfFileWriter::noteXDataApps(const AcDbObject* object) {
  for (std::string& name : object->xDataAppNames()) xdataApps_.push_back(std::move(name));
  if (const DxfKeptGroups* kept = keptGroupsOf(object)) {
    for (const DxfItem& item : kept->items()) {
      if (item.code == AcDb::kDxfRegAppName) xdataApps_.push_back(item.text);
    }
  }
}

// The names of xdataApps_ not among the given APPID records, each once.
std::vector<std::string> DxfFileWriter::missingAppIds(const std::vector<std::string>& registered) const {
  std::vector<std::string> missing;
  auto among = [](const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& other) { return strcasecmp(other.c_str(), name.c_str()) == 0; });
  };
  for (const std::string& name : xdataApps_) {
    if (!name.empty() && !among(registered, name) && !among(missing, name)) missing.push_back(name);
  }
  return missing;
}

void DxfFileWriter::writeAppIdRecords(DxfGroupWriter& out, const std::vector<std::string>& names,
                                      const AcDbHandle& tableHandle) {
  for (const std::string& name : names) {
    out.plain(0, "APPID");
    out.handle(5, newHandle());
    out.handle(330, tableHandle);
    out.plain(100, "AcDbSymbolTableRecord");
    out.plain(100, "AcDbRegAppTableRecord");
    out.string(2, name);
    out.integer(70, 0);
  }
}

void DxfFileWriter::writeItems(DxfGroupWriter& out, const std::vector<DxfItem>& items, AcDbObjectId id,
                               const RecordOptions& options) {
  std::size_t i = 0;
  if (i < items.size() && items[i].code == 5) {
    out.plain(options.dimStyleHandle ? 105 : 5, items[i].text);
    ++i;
  } else if (!options.handle.isNull()) {
    out.handle(5, options.handle);
  }
  const auto reactors = reactors_.find(id);
  if (reactors != reactors_.end()) {
    out.plain(102, "{ACAD_REACTORS");
    for (AcDbObjectId owner : reactors->second) out.handle(330, owner.handle());
    out.plain(102, "}");
  }
  // The extension dictionary group stays before the owner.
  while (i < items.size() && items[i].code == 102) {
    const bool closing = items[i].text == "}";
    out.item(items[i++]);
    while (!closing && i < items.size()) {
      const bool last = items[i].code == 102;
      out.item(items[i++]);
      if (last) break;
    }
  }
  if (i < items.size() && items[i].code == 330 && !options.owner.isNull()) ++i;  // replaced by options.owner
  if (i >= items.size() || items[i].code != 330) {
    if (!options.owner.isNull()) {
      out.handle(330, options.owner);
    } else if (options.ownerZero) {
      out.plain(330, "0");
    }
  }
  for (; i < items.size(); ++i) out.item(items[i]);
  if (!options.layout.isNull()) out.handle(340, options.layout);
}
