#include "platform/cad/dxf/dxf_drawing_completion.h"

#include <strings.h>

#include <functional>

#include "platform/cad/db/db_block_table.h"
#include "platform/cad/db/db_dictionary.h"
#include "platform/cad/db/db_layer_table.h"
#include "platform/cad/db/db_linetype_table.h"
#include "platform/cad/db/db_stub.h"
#include "platform/cad/dxf/dxf_kept_records.h"

namespace {

template <class Table>
AcDbObjectId ensureTable(AcDbDatabase& db, AcDbObjectId existing) {
  if (!existing.isNull()) return existing;
  auto* table = new Table();
  AcDbObjectId id;
  if (db.addAcDbObject(id, table) != Acad::eOk) {
    delete table;
    return id;
  }
  table->close();
  return id;
}

// The record of that name, added when the table lacks it.
template <class Record>
AcDbObjectId ensureRecord(AcDbObjectId tableId, const char* name, const std::function<void(Record&)>& setUp) {
  AcDbObjectId id = findSymbolRecord(tableId, name);
  if (!id.isNull()) return id;
  AcDbSymbolTable* table = nullptr;
  if (acdbOpenObject(table, tableId, AcDb::kForWrite) != Acad::eOk) return id;
  auto* record = new Record();
  record->setName(name);
  setUp(*record);
  if (table->add(id, record) == Acad::eOk) {
    record->close();
  } else {
    delete record;
  }
  table->close();
  return id;
}

AcGePoint3d pointOf(const DxfItem& item) { return AcGePoint3d(item.reals[0], item.reals[1], item.reals[2]); }
AcGeVector3d vectorOf(const DxfItem& item) { return AcGeVector3d(item.reals[0], item.reals[1], item.reals[2]); }

}  // namespace

bool isDrawingHeaderVariable(const std::string& name) {
  static const char* const kVariables[] = {"$ACADVER", "$ACADMAINTVER", "$DWGCODEPAGE", "$INSBASE", "$EXTMIN",
                                           "$EXTMAX",  "$LTSCALE",      "$PDMODE",      "$PDSIZE",  "$CLAYER",
                                           "$CELTYPE", "$HANDSEED",     "$UCSORG",      "$UCSXDIR", "$UCSYDIR"};
  for (const char* variable : kVariables) {
    if (name == variable) return true;
  }
  return false;
}

AcDbObjectId findSymbolRecord(AcDbObjectId tableId, const char* name) {
  const auto* table = AcDbSymbolTable::cast(peekObject(tableId));
  if (table != nullptr) {
    for (const AcDbObjectId& recordId : table->recordIds()) {
      const auto* record = AcDbSymbolTableRecord::cast(peekObject(recordId));
      if (record != nullptr && !recordId.isErased() && strcasecmp(record->name(), name) == 0) return recordId;
    }
  }
  return AcDbObjectId();
}

bool ensureStandardRecords(AcDbDatabase& db, std::string& problem) {
  db.setLinetypeTableId(ensureTable<AcDbLinetypeTable>(db, db.linetypeTableId()));
  db.setLayerTableId(ensureTable<AcDbLayerTable>(db, db.layerTableId()));
  db.setBlockTableId(ensureTable<AcDbBlockTable>(db, db.blockTableId()));
  if (db.linetypeTableId().isNull() || db.layerTableId().isNull() || db.blockTableId().isNull()) {
    problem = "cannot make the drawing's tables";
    return false;
  }
  auto noSetUp = [](auto&) {};
  db.setByBlockLinetype(ensureRecord<AcDbLinetypeTableRecord>(db.linetypeTableId(), "ByBlock", noSetUp));
  db.setByLayerLinetype(ensureRecord<AcDbLinetypeTableRecord>(db.linetypeTableId(), "ByLayer", noSetUp));
  db.setContinuousLinetype(ensureRecord<AcDbLinetypeTableRecord>(
      db.linetypeTableId(), "Continuous", [](AcDbLinetypeTableRecord& record) { record.setComments("Solid line"); }));
  const AcDbObjectId continuous = db.continuousLinetype();
  ensureRecord<AcDbLayerTableRecord>(db.layerTableId(), "0", [continuous](AcDbLayerTableRecord& layer) {
    AcCmColor white;
    white.setColorIndex(7);
    layer.setColor(white);
    layer.setLinetypeObjectId(continuous);
  });
  ensureRecord<AcDbBlockTableRecord>(db.blockTableId(), ACDB_MODEL_SPACE, noSetUp);
  ensureRecord<AcDbBlockTableRecord>(db.blockTableId(), ACDB_PAPER_SPACE, noSetUp);
  return true;
}

bool completeDrawing(AcDbDatabase& db, std::vector<DxfItem>& headerItems, std::vector<DxfItem>& classItems,
                     std::string& problem) {
  if (!ensureStandardRecords(db, problem)) return false;

  if (db.namedObjectsDictionaryId().isNull()) {
    auto* root = new AcDbDictionary();
    AcDbObjectId id;
    if (db.addAcDbObject(id, root) != Acad::eOk) {
      delete root;
      problem = "cannot make the named-objects dictionary";
      return false;
    }
    root->close();
    db.setNamedObjectsDictionaryId(id);
  }
  AcDbDictionary* root = nullptr;
  if (acdbOpenObject(root, db.namedObjectsDictionaryId(), AcDb::kForWrite) != Acad::eOk) {
    problem = "cannot open the named-objects dictionary";
    return false;
  }
  AcDbObjectId groups;
  if (root->getAt(ACDB_GROUP_DICTIONARY, groups) != Acad::eOk || AcDbDictionary::cast(peekObject(groups)) == nullptr) {
    // An entry that names another kind of object (a damaged file) is dropped, not the
    // object: setAt would erase what it replaces, perhaps a table of the drawing.
    if (!groups.isNull()) root->remove(ACDB_GROUP_DICTIONARY);
    auto* dictionary = new AcDbDictionary();
    if (root->setAt(ACDB_GROUP_DICTIONARY, dictionary, groups) == Acad::eOk) {
      dictionary->close();
    } else {
      delete dictionary;
      groups = AcDbObjectId();
    }
  }
  root->close();
  db.setGroupDictionaryId(groups);
  db.setCurrentSpaceId(findSymbolRecord(db.blockTableId(), ACDB_MODEL_SPACE));

  // Header variables.
  bool keepsOthers = false;
  for (std::size_t i = 0; i < headerItems.size(); ++i) {
    if (headerItems[i].code != 9) continue;
    const std::string& name = headerItems[i].text;
    if (!isDrawingHeaderVariable(name)) {
      keepsOthers = true;
      continue;
    }
    if (i + 1 >= headerItems.size() || headerItems[i + 1].code == 9) continue;
    const DxfItem& value = headerItems[i + 1];
    const bool isPoint = value.kind == AcDb::kDxfValuePoint;
    if (name == "$INSBASE" && isPoint) db.setInsbase(pointOf(value));
    if (name == "$EXTMIN" && isPoint) db.setExtmin(pointOf(value));
    if (name == "$EXTMAX" && isPoint) db.setExtmax(pointOf(value));
    if (name == "$LTSCALE" && value.kind == AcDb::kDxfValueReal && value.reals[0] > 0.0) db.setLtscale(value.reals[0]);
    if (name == "$PDMODE" && value.kind == AcDb::kDxfValueInt16) db.setPdmode(static_cast<Adesk::Int16>(value.integer));
    if (name == "$PDSIZE" && value.kind == AcDb::kDxfValueReal) db.setPdsize(value.reals[0]);
    if (name == "$CLAYER") {
      const AcDbObjectId layer = findSymbolRecord(db.layerTableId(), value.text.c_str());
      if (!layer.isNull()) db.setClayer(layer);
    }
    if (name == "$CELTYPE") {
      const AcDbObjectId linetype = findSymbolRecord(db.linetypeTableId(), value.text.c_str());
      if (!linetype.isNull()) db.setCeltype(linetype);
    }
  }
  const DxfItem* origin = nullptr;
  const DxfItem* xDir = nullptr;
  const DxfItem* yDir = nullptr;
  for (std::size_t i = 0; i + 1 < headerItems.size(); ++i) {
    if (headerItems[i].code != 9 || headerItems[i + 1].kind != AcDb::kDxfValuePoint) continue;
    if (headerItems[i].text == "$UCSORG") origin = &headerItems[i + 1];
    if (headerItems[i].text == "$UCSXDIR") xDir = &headerItems[i + 1];
    if (headerItems[i].text == "$UCSYDIR") yDir = &headerItems[i + 1];
  }
  if (origin != nullptr && xDir != nullptr && yDir != nullptr) {
    db.setUcs(pointOf(*origin), vectorOf(*xDir), vectorOf(*yDir));
  }

  // What the drawing does not model goes into kept records for the next save.
  auto keepItems = [&](DxfKeptGroups::Role role, const char* name, std::vector<DxfItem>& items) {
    auto* kept = new DxfUnknownObject();
    kept->setRole(role);
    kept->setDxfName(name);
    kept->setItems(std::move(items));
    if (db.addAcDbObject(kept) != Acad::eOk) {
      delete kept;
      return false;
    }
    kept->close();
    return true;
  };
  if (keepsOthers && !keepItems(DxfKeptGroups::kHeader, "HEADER", headerItems)) {
    problem = "cannot keep the header variables";
    return false;
  }
  if (!classItems.empty() && !keepItems(DxfKeptGroups::kClasses, "CLASSES", classItems)) {
    problem = "cannot keep the classes";
    return false;
  }
  return true;
}
