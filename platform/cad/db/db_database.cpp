#include "platform/cad/db/db_database.h"

#include <strings.h>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/db_id_mapping.h"
#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/filing/dwg_memory_filer.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/db/tables/db_dictionary.h"
#include "platform/cad/db/tables/db_layer_table.h"
#include "platform/cad/db/tables/db_linetype_table.h"

namespace {

// Adds a new object and closes it; the id comes back.
template <class T>
AcDbObjectId addAndClose(AcDbDatabase& db, T* object) {
  AcDbObjectId id;
  if (db.addAcDbObject(id, object) != Acad::eOk) {
    delete object;
    return id;
  }
  object->close();
  return id;
}

template <class Table, class Record>
AcDbObjectId addRecord(AcDbObjectId tableId, Record* record) {
  Table* table = nullptr;
  AcDbObjectId id;
  if (acdbOpenObject(table, tableId, AcDb::kForWrite) != Acad::eOk) {
    delete record;
    return id;
  }
  if (table->add(id, record) == Acad::eOk) {
    record->close();
  } else {
    delete record;
  }
  table->close();
  return id;
}

AcDbLinetypeTableRecord* newLinetype(const char* name, const char* description) {
  auto* record = new AcDbLinetypeTableRecord();
  record->setName(name);
  record->setComments(description);
  return record;
}

bool readWholeFile(const char* path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  text = content.str();
  return true;
}

// The host's own linetype files are ours built in when no such file is found.
bool isBuiltinLinetypeFile(const char* fileName) {
  std::string name = fileName;
  std::size_t slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name = name.substr(slash + 1);
  return strcasecmp(name.c_str(), "acad.lin") == 0 || strcasecmp(name.c_str(), "acadiso.lin") == 0;
}

}  // namespace

AcDbDatabase::AcDbDatabase(bool buildDefaultDrawing, bool /*noDocument*/) {
  if (buildDefaultDrawing) this->buildDefaultDrawing();
}

AcDbDatabase::~AcDbDatabase() {
  // Objects first, stubs after: an object's destructor may still ask its id.
  for (auto& stub : stubs_) {
    std::unique_ptr<AcDbObject> object = std::move(stub->object_);
    if (object != nullptr) object->stub_ = nullptr;
  }
}

void AcDbDatabase::buildDefaultDrawing() {
  linetypeTableId_ = addAndClose(*this, new AcDbLinetypeTable());
  layerTableId_ = addAndClose(*this, new AcDbLayerTable());
  blockTableId_ = addAndClose(*this, new AcDbBlockTable());

  byBlockLinetype_ = addRecord<AcDbLinetypeTable>(linetypeTableId_, newLinetype("ByBlock", ""));
  byLayerLinetype_ = addRecord<AcDbLinetypeTable>(linetypeTableId_, newLinetype("ByLayer", ""));
  continuousLinetype_ = addRecord<AcDbLinetypeTable>(linetypeTableId_, newLinetype("Continuous", "Solid line"));

  auto* layerZero = new AcDbLayerTableRecord();
  layerZero->setName("0");
  AcCmColor white;
  white.setColorIndex(7);
  layerZero->setColor(white);
  layerZero->setLinetypeObjectId(continuousLinetype_);
  clayer_ = addRecord<AcDbLayerTable>(layerTableId_, layerZero);
  celtype_ = byLayerLinetype_;

  auto* modelSpace = new AcDbBlockTableRecord();
  modelSpace->setName(ACDB_MODEL_SPACE);
  currentSpaceId_ = addRecord<AcDbBlockTable>(blockTableId_, modelSpace);
  auto* paperSpace = new AcDbBlockTableRecord();
  paperSpace->setName(ACDB_PAPER_SPACE);
  addRecord<AcDbBlockTable>(blockTableId_, paperSpace);

  auto* namedObjects = new AcDbDictionary();
  namedObjects->setTreatElementsAsHard(true);
  AcDbObjectId namedObjectsId;
  if (addAcDbObject(namedObjectsId, namedObjects) != Acad::eOk) {
    delete namedObjects;
    return;
  }
  namedObjectsDictionaryId_ = namedObjectsId;
  auto* groups = new AcDbDictionary();
  if (namedObjects->setAt(ACDB_GROUP_DICTIONARY, groups, groupDictionaryId_) == Acad::eOk) {
    groups->close();
  } else {
    delete groups;
  }
  namedObjects->close();
}

AcDbStub* AcDbDatabase::newStub(const AcDbHandle& handle) {
  AcDbStub* result = stubs_.emplace_back(std::make_unique<AcDbStub>(this, handle)).get();
  byHandle_[handle.value()] = result;
  if (handle >= handseed_) handseed_ = AcDbHandle(handle.value() + 1);
  if (handle > maxHandleInUse_) maxHandleInUse_ = handle;
  return result;
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObject* pObject) {
  AcDbObjectId id;
  return addAcDbObject(id, pObject);
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& objId, AcDbObject* pObject) {
  objId.setNull();
  if (pObject == nullptr) return Acad::eNullObjectPointer;
  if (pObject->stub_ != nullptr) return pObject->stub_->database() == this ? Acad::eAlreadyInDb : Acad::eWrongDatabase;
  AcDbStub* stub = nullptr;
  const AcDbHandle wanted = pObject->pendingHandle_;
  if (!wanted.isNull()) {
    auto found = byHandle_.find(wanted.value());
    if (found == byHandle_.end()) {
      stub = newStub(wanted);
    } else if (found->second->object() == nullptr) {
      stub = found->second;  // a forward reference waiting for this object
    } else {
      return Acad::eHandleExists;
    }
  } else {
    stub = newStub(handseed_);
  }
  stub->object_.reset(pObject);
  pObject->stub_ = stub;
  pObject->pendingHandle_.setNull();
  pObject->isNew_ = true;
  stub->writer_ = true;
  objId = stub;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& retId, bool createIfNotFound, const AcDbHandle& objHandle,
                                                Adesk::UInt32 /*xRefId*/) {
  retId.setNull();
  if (objHandle.isNull()) return Acad::eNullHandle;
  auto found = byHandle_.find(objHandle.value());
  if (found != byHandle_.end()) {
    retId = found->second;
    return Acad::eOk;
  }
  if (!createIfNotFound) return Acad::eUnknownHandle;
  retId = newStub(objHandle);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setHandseed(const AcDbHandle& seed) {
  if (seed.isNull() || seed <= maxHandleInUse_) return Acad::eInvalidInput;
  handseed_ = seed;
  return Acad::eOk;
}

void AcDbDatabase::getAllObjectIds(AcDbObjectIdArray& ids) const {
  ids.removeAll();
  for (const auto& stub : stubs_) ids.append(AcDbObjectId(stub.get()));
}

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& pTable, AcDb::OpenMode mode) {
  return acdbOpenObject(pTable, blockTableId_, mode);
}

Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& pTable, AcDb::OpenMode mode) {
  return acdbOpenObject(pTable, layerTableId_, mode);
}

Acad::ErrorStatus AcDbDatabase::getLinetypeTable(AcDbLinetypeTable*& pTable, AcDb::OpenMode mode) {
  return acdbOpenObject(pTable, linetypeTableId_, mode);
}

Acad::ErrorStatus AcDbDatabase::getNamedObjectsDictionary(AcDbDictionary*& pDict, AcDb::OpenMode mode) {
  return acdbOpenObject(pDict, namedObjectsDictionaryId_, mode);
}

Acad::ErrorStatus AcDbDatabase::getGroupDictionary(AcDbDictionary*& pDict, AcDb::OpenMode mode) {
  return acdbOpenObject(pDict, groupDictionaryId_, mode);
}

Acad::ErrorStatus AcDbDatabase::loadLineTypeFile(const char* ltName, const char* fileName) {
  if (ltName == nullptr || *ltName == '\0' || fileName == nullptr || *fileName == '\0') {
    return Acad::eInvalidInput;
  }
  std::string text;
  char found[4096];
  const bool readFromFile = acdbHostApplicationServices()->findFile(found, sizeof found, fileName, this) == Acad::eOk &&
                            readWholeFile(found, text);
  if (!readFromFile) {
    if (!isBuiltinLinetypeFile(fileName)) return Acad::eFileNotFound;
    text = builtinLinetypeText();
  }

  const bool all = std::string(ltName) == "*";
  std::vector<LinetypeDefinition> wanted;
  for (LinetypeDefinition& definition : parseLinetypeText(text)) {
    if (all || strcasecmp(definition.name.c_str(), ltName) == 0) wanted.push_back(std::move(definition));
  }
  if (wanted.empty()) return Acad::eUndefinedLineType;

  AcDbLinetypeTable* table = nullptr;
  Acad::ErrorStatus es = getLinetypeTable(table, AcDb::kForWrite);
  if (es != Acad::eOk) return es;
  for (const LinetypeDefinition& definition : wanted) {
    if (table->has(definition.name.c_str())) {
      if (all) continue;
      es = Acad::eDuplicateRecordName;
      break;
    }
    AcDbLinetypeTableRecord* record = newLinetype(definition.name.c_str(), definition.description.c_str());
    record->setNumDashes(static_cast<int>(definition.dashes.size()));
    double length = 0.0;
    for (std::size_t i = 0; i < definition.dashes.size(); ++i) {
      record->setDashLengthAt(static_cast<int>(i), definition.dashes[i]);
      length += definition.dashes[i] < 0 ? -definition.dashes[i] : definition.dashes[i];
    }
    record->setPatternLength(length);
    es = table->add(record);
    if (es != Acad::eOk) {
      delete record;
      break;
    }
    record->close();
  }
  table->close();
  return es;
}

Acad::ErrorStatus AcDbDatabase::deepCloneObjects(AcDbObjectIdArray& objectIds, AcDbObjectId& owner,
                                                 AcDbIdMapping& idMap, bool deferXlation) {
  if (owner.database() != this) return owner.isNull() ? Acad::eNullObjectId : Acad::eWrongDatabase;
  for (const AcDbObjectId& id : objectIds) {
    if (id.database() != this) return id.isNull() ? Acad::eNullObjectId : Acad::eWrongDatabase;
  }
  idMap.destDb_ = this;
  idMap.origDb_ = this;

  // The owner may already be open for write by the caller; otherwise it is opened here.
  AcDbObject* ownerObject = peekObject(owner);
  if (ownerObject == nullptr) return Acad::eUnknownHandle;
  if (owner.isErased()) return Acad::eWasErased;
  const bool openedHere = !ownerObject->isWriteEnabled();
  if (openedHere) {
    Acad::ErrorStatus es = acdbOpenAcDbObject(ownerObject, owner, AcDb::kForWrite);
    if (es != Acad::eOk) return es;
  }

  Acad::ErrorStatus result = Acad::eOk;
  for (const AcDbObjectId& id : objectIds) {
    ScopedReadAccess access(id);
    const AcDbObject* source = access.get();
    if (source == nullptr || id.isErased()) {
      if (result == Acad::eOk) result = source == nullptr ? Acad::eUnknownHandle : Acad::eWasErased;
      continue;
    }
    AcDbObject* clone = nullptr;
    Acad::ErrorStatus es = source->deepClone(ownerObject, clone, idMap, true);
    if (clone != nullptr) clone->close();
    if (es != Acad::eOk && result == Acad::eOk) result = es;
  }
  if (openedHere) ownerObject->close();
  if (!deferXlation) translateClonedReferences(idMap);
  return result;
}

void AcDbDatabase::translateClonedReferences(const AcDbIdMapping& idMap) {
  const std::vector<AcDbIdPair> pairs = idMap.pairs();
  for (const AcDbIdPair& pair : pairs) {
    if (!pair.isCloned()) continue;
    AcDbObject* clone = nullptr;
    if (acdbOpenAcDbObject(clone, pair.value(), AcDb::kForWrite, true) != Acad::eOk) continue;
    DwgMemoryFiler filer(AcDb::kIdXlateFiler, this);
    if (clone->dwgOutFields(&filer) == Acad::eOk) {
      filer.rewind();
      filer.setIdTranslation(&idMap);
      clone->dwgInFields(&filer);
    }
    clone->close();
  }
}

Acad::ErrorStatus AcDbDatabase::setClayer(AcDbObjectId layerId) {
  if (layerId.database() != this || AcDbLayerTableRecord::cast(peekObject(layerId)) == nullptr) {
    return Acad::eInvalidInput;
  }
  setHeader(clayer_, layerId);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setCeltype(AcDbObjectId linetypeId) {
  if (linetypeId.database() != this || AcDbLinetypeTableRecord::cast(peekObject(linetypeId)) == nullptr) {
    return Acad::eInvalidInput;
  }
  setHeader(celtype_, linetypeId);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setUcs(const AcGePoint3d& origin, const AcGeVector3d& xDir, const AcGeVector3d& yDir) {
  if (xDir.isZeroLength() || yDir.isZeroLength() || !xDir.isPerpendicularTo(yDir)) return Acad::eInvalidInput;
  setHeader(ucsOrigin_, origin);
  setHeader(ucsXDir_, xDir.normal());
  setHeader(ucsYDir_, yDir.normal());
  return Acad::eOk;
}

bool AcDbDatabase::isUcsWorld() const {
  return ucsOrigin_ == AcGePoint3d::kOrigin && ucsXDir_ == AcGeVector3d::kXAxis && ucsYDir_ == AcGeVector3d::kYAxis;
}
