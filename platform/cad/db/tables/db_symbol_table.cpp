#include "platform/cad/db/tables/db_symbol_table.h"

#include <strings.h>
#include <cstdlib>
#include <cstring>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"

CADDB_DEFINE_BUILTIN_ABSTRACT_MEMBERS(AcDbSymbolTableRecord, AcDbObject)
CADDB_DEFINE_BUILTIN_ABSTRACT_MEMBERS(AcDbSymbolTable, AcDbObject)

namespace {

char* mallocCopy(const std::string& text) {
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

}  // namespace

// Records.

AcDbSymbolTableRecord::AcDbSymbolTableRecord() = default;

AcDbSymbolTableRecord::~AcDbSymbolTableRecord() = default;

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const char*& pName) const {
  assertReadEnabled();
  pName = name_.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(char*& pName) const {
  assertReadEnabled();
  pName = mallocCopy(name_);
  return pName != nullptr ? Acad::eOk : Acad::eOutOfMemory;
}

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const char* pName) {
  if (pName == nullptr || *pName == '\0') return Acad::eInvalidInput;
  const auto* table = AcDbSymbolTable::cast(peekObject(ownerId()));
  if (table != nullptr && table->findRecord(pName, false, objectId()) != nullptr) return Acad::eDuplicateRecordName;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  name_ = pName;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::writeDxfNameAndFlags(AcDbDxfFiler* filer) const {
  filer->writeString(AcDb::kDxfSymbolTableName, name_.c_str());
  filer->writeInt16(AcDb::kDxfInt16, dxfFlags());
  return filer->filerStatus();
}

bool AcDbSymbolTableRecord::readDxfNameOrFlags(const resbuf& item) {
  if (item.restype == AcDb::kDxfSymbolTableName) {
    name_ = item.resval.rstring != nullptr ? item.resval.rstring : "";
    return true;
  }
  if (item.restype == AcDb::kDxfInt16) {
    setDxfFlags(item.resval.rint);
    return true;
  }
  return false;
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(name_.c_str());
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  std::string name;
  if (filer->readString(&name) == Acad::eOk) name_ = name;
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbSymbolTableRecord");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  filer->atSubclassData("AcDbSymbolTableRecord");
  return filer->filerStatus();
}

// Tables.

AcDbSymbolTable::AcDbSymbolTable() = default;

AcDbSymbolTable::~AcDbSymbolTable() = default;

AcRxClass* AcDbSymbolTable::recordClass() const { return AcDbSymbolTableRecord::desc(); }

AcDbSymbolTableRecord* AcDbSymbolTable::findRecord(const char* name, bool includeErased, AcDbObjectId except) const {
  if (name == nullptr) return nullptr;
  for (const AcDbObjectId& id : records_) {
    if (id == except || (!includeErased && id.isErased())) continue;
    auto* record = AcDbSymbolTableRecord::cast(peekObject(id));
    if (record != nullptr && strcasecmp(record->name(), name) == 0) return record;
  }
  return nullptr;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const char* entryName, AcDbObjectId& recordId, bool getErasedRecord) const {
  recordId.setNull();
  assertReadEnabled();
  // A live record wins over an erased one of the same name.
  AcDbSymbolTableRecord* record = findRecord(entryName, false, AcDbObjectId());
  if (record == nullptr && getErasedRecord) record = findRecord(entryName, true, AcDbObjectId());
  if (record == nullptr) return Acad::eKeyNotFound;
  recordId = record->objectId();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const char* entryName, AcDbSymbolTableRecord*& pRec, AcDb::OpenMode openMode,
                                         bool openErasedRec) const {
  pRec = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getAt(entryName, id, openErasedRec);
  if (es != Acad::eOk) return es;
  return acdbOpenObject(pRec, id, openMode, openErasedRec);
}

AcDbObjectId AcDbSymbolTable::findRecordId(const char* name) const {
  AcDbSymbolTableRecord* record = findRecord(name, false, AcDbObjectId());
  return record != nullptr ? record->objectId() : AcDbObjectId();
}

bool AcDbSymbolTable::has(const char* name) const { return findRecord(name, false, AcDbObjectId()) != nullptr; }

bool AcDbSymbolTable::has(AcDbObjectId id) const {
  if (id.isNull() || id.isErased()) return false;
  for (const AcDbObjectId& record : records_) {
    if (record == id) return true;
  }
  return false;
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbSymbolTableRecord* pRecord) {
  AcDbObjectId id;
  return add(id, pRecord);
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbObjectId& recordId, AcDbSymbolTableRecord* pRecord) {
  recordId.setNull();
  if (pRecord == nullptr) return Acad::eNullObjectPointer;
  if (database() == nullptr) return Acad::eNoDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (!pRecord->isKindOf(recordClass())) return Acad::eWrongObjectType;
  if (*pRecord->name() == '\0') return Acad::eInvalidInput;
  if (findRecord(pRecord->name(), false, pRecord->objectId()) != nullptr) return Acad::eDuplicateRecordName;
  if (pRecord->database() != nullptr) {
    if (pRecord->database() != database()) return Acad::eWrongDatabase;
    if (!pRecord->ownerId().isNull()) return Acad::eAlreadyInDb;
  } else {
    Acad::ErrorStatus es = database()->addAcDbObject(pRecord);
    if (es != Acad::eOk) return es;
  }
  const std::size_t before = records_.size();
  assertWriteEnabledForAppend([this, before] { records_.resize(before); });
  pRecord->setOwnerId(objectId());
  records_.push_back(pRecord->objectId());
  recordId = pRecord->objectId();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::newIterator(AcDbSymbolTableIterator*& pIterator, bool atBeginning,
                                               bool skipDeleted) const {
  assertReadEnabled();
  pIterator = new AcDbSymbolTableIterator(records_, atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt32(static_cast<Adesk::Int32>(records_.size()));
  for (const AcDbObjectId& id : records_) filer->writeHardOwnershipId(id);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTable::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int32 count = 0;
  if (filer->readInt32(&count) != Acad::eOk || count < 0) return filer->filerStatus();
  std::vector<AcDbObjectId> records;
  for (Adesk::Int32 i = 0; i < count; ++i) {
    AcDbHardOwnershipId id;
    if (filer->readHardOwnershipId(&id) != Acad::eOk) return filer->filerStatus();
    records.push_back(id);
  }
  // A deep clone refills the list as the cloned records are added.
  if (filer->filerType() != AcDb::kDeepCloneFiler) records_ = std::move(records);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbSymbolTable");
  Adesk::Int16 count = 0;
  for (const AcDbObjectId& id : records_) {
    if (!id.isErased()) ++count;
  }
  filer->writeInt16(AcDb::kDxfInt16, count);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTable::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbSymbolTable")) return filer->filerStatus();
  resbuf rb;
  if (filer->readItem(&rb) == Acad::eOk && rb.restype != AcDb::kDxfInt16) filer->pushBackItem();
  return filer->filerStatus();
}

// Iterators.

AcDbSymbolTableIterator::AcDbSymbolTableIterator(std::vector<AcDbObjectId> records, bool atBeginning, bool skipDeleted)
    : records_(std::move(records)) {
  start(atBeginning, skipDeleted);
}

void AcDbSymbolTableIterator::start(bool atBeginning, bool skipDeleted) {
  index_ = atBeginning ? 0 : static_cast<long>(records_.size()) - 1;
  if (skipDeleted) skipErased(atBeginning);
}

bool AcDbSymbolTableIterator::done() const { return index_ < 0 || index_ >= static_cast<long>(records_.size()); }

void AcDbSymbolTableIterator::step(bool forward, bool skipDeleted) {
  if (done()) return;
  index_ += forward ? 1 : -1;
  if (skipDeleted) skipErased(forward);
}

void AcDbSymbolTableIterator::skipErased(bool forward) {
  while (!done() && records_[static_cast<std::size_t>(index_)].isErased()) index_ += forward ? 1 : -1;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecordId(AcDbObjectId& id) const {
  id.setNull();
  if (done()) return Acad::eInvalidIndex;
  id = records_[static_cast<std::size_t>(index_)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecord(AcDbSymbolTableRecord*& pRecord, AcDb::OpenMode openMode,
                                                     bool openErasedRec) const {
  return getRecordAs(pRecord, openMode, openErasedRec);
}

Acad::ErrorStatus AcDbSymbolTableIterator::seek(AcDbObjectId id) {
  for (std::size_t i = 0; i < records_.size(); ++i) {
    if (records_[i] == id) {
      index_ = static_cast<long>(i);
      return Acad::eOk;
    }
  }
  return Acad::eInvalidInput;
}
