#include "platform/cad/db/tables/db_block_table.h"

#include <strings.h>
#include <cstdlib>
#include <cstring>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbBlockTableRecord, AcDbSymbolTableRecord, "BLOCK_RECORD")
CADDB_DEFINE_BUILTIN_MEMBERS(AcDbBlockTable, AcDbSymbolTable, nullptr)

namespace {

char* mallocCopy(const std::string& text) {
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

bool startsWithNoCase(const char* text, const char* prefix) {
  return strncasecmp(text, prefix, std::strlen(prefix)) == 0;
}

}  // namespace

AcDbBlockTableRecord::AcDbBlockTableRecord() = default;

AcDbBlockTableRecord::~AcDbBlockTableRecord() = default;

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* pEntity) {
  AcDbObjectId id;
  return appendAcDbEntity(id, pEntity);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& pOutputId, AcDbEntity* pEntity) {
  pOutputId.setNull();
  if (pEntity == nullptr) return Acad::eNullEntityPointer;
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (pEntity->database() != nullptr) {
    if (pEntity->database() != db) return Acad::eWrongDatabase;
    if (!pEntity->ownerId().isNull()) return Acad::eAlreadyInDb;
  } else {
    Acad::ErrorStatus es = db->addAcDbObject(pEntity);
    if (es != Acad::eOk) return es;
  }
  const std::size_t before = entities_.size();
  assertWriteEnabledForAppend([this, before] { entities_.resize(before); });
  pEntity->applyMissingDefaults(db);
  pEntity->setOwnerId(objectId());
  entities_.push_back(pEntity->objectId());
  pOutputId = pEntity->objectId();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& pIterator, bool atBeginning,
                                                    bool skipDeleted) const {
  assertReadEnabled();
  pIterator = new AcDbBlockTableRecordIterator(objectId(), entities_, atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::comments(char*& pString) const {
  assertReadEnabled();
  pString = mallocCopy(comments_);
  return pString != nullptr ? Acad::eOk : Acad::eOutOfMemory;
}

Acad::ErrorStatus AcDbBlockTableRecord::comments(const char*& pString) const {
  assertReadEnabled();
  pString = comments_.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setComments(const char* pString) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  comments_ = pString != nullptr ? pString : "";
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::pathName(char*& pPath) const {
  assertReadEnabled();
  pPath = mallocCopy(pathName_);
  return pPath != nullptr ? Acad::eOk : Acad::eOutOfMemory;
}

Acad::ErrorStatus AcDbBlockTableRecord::pathName(const char*& pPath) const {
  assertReadEnabled();
  pPath = pathName_.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setPathName(const char* pathStr) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  pathName_ = pathStr != nullptr ? pathStr : "";
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setOrigin(const AcGePoint3d& pt) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  origin_ = pt;
  return Acad::eOk;
}

bool AcDbBlockTableRecord::isLayout() const {
  return startsWithNoCase(name(), ACDB_MODEL_SPACE) || startsWithNoCase(name(), ACDB_PAPER_SPACE);
}

bool AcDbBlockTableRecord::isAnonymous() const { return name()[0] == '*' && !isLayout(); }

bool AcDbBlockTableRecord::hasAttributeDefinitions() const {
  const AcRxClass* definitionClass = rx_detail::lookUpClass("AcDbAttributeDefinition");
  if (definitionClass == nullptr) return false;
  for (const AcDbObjectId& id : entities_) {
    const AcDbObject* entity = peekObject(id);
    if (entity != nullptr && !id.isErased() && entity->isKindOf(definitionClass)) return true;
  }
  return false;
}

Adesk::Int16 AcDbBlockTableRecord::dxfFlags() const {
  Adesk::Int16 flags = 0;
  if (isAnonymous()) flags |= 1;
  if (hasAttributeDefinitions()) flags |= 2;
  return flags;
}

Acad::ErrorStatus AcDbBlockTableRecord::subErase(Adesk::Boolean erasing) {
  for (const AcDbObjectId& id : entities_) eraseOwnedObject(id, erasing);
  return AcDbSymbolTableRecord::subErase(erasing);
}

Acad::ErrorStatus AcDbBlockTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(comments_.c_str());
  filer->writeString(pathName_.c_str());
  filer->writePoint3d(origin_);
  filer->writeInt32(static_cast<Adesk::Int32>(entities_.size()));
  for (const AcDbObjectId& id : entities_) filer->writeHardOwnershipId(id);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  std::string comments;
  std::string pathName;
  AcGePoint3d origin;
  Adesk::Int32 count = 0;
  filer->readString(&comments);
  filer->readString(&pathName);
  filer->readPoint3d(&origin);
  if (filer->readInt32(&count) != Acad::eOk || count < 0) return filer->filerStatus();
  std::vector<AcDbObjectId> entities;
  for (Adesk::Int32 i = 0; i < count; ++i) {
    AcDbHardOwnershipId id;
    if (filer->readHardOwnershipId(&id) != Acad::eOk) return filer->filerStatus();
    entities.push_back(id);
  }
  comments_ = comments;
  pathName_ = pathName;
  origin_ = origin;
  // A deep clone refills the list as the cloned entities are appended.
  if (filer->filerType() != AcDb::kDeepCloneFiler) entities_ = std::move(entities);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbBlockTableRecord");
  filer->writeString(AcDb::kDxfSymbolTableName, name());
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbBlockTableRecord")) {
    return filer->setError(Acad::eBadDxfSequence, "\nError: expected subclass marker AcDbBlockTableRecord");
  }
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    if (readDxfNameOrFlags(rb)) continue;
    if (rb.restype == AcDb::kDxfSubclass || rb.restype == AcDb::kDxfStart) {
      filer->pushBackItem();
      break;
    }
    // Layout link, units and scaling flags are not kept.
  }
  return filer->filerStatus();
}

AcDbBlockTable::AcDbBlockTable() = default;

AcDbBlockTable::~AcDbBlockTable() = default;

AcRxClass* AcDbBlockTable::recordClass() const { return AcDbBlockTableRecord::desc(); }

Acad::ErrorStatus AcDbBlockTable::getAt(const char* entryName, AcDbBlockTableRecord*& pRec, AcDb::OpenMode openMode,
                                        bool openErasedRec) const {
  pRec = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = AcDbSymbolTable::getAt(entryName, id, openErasedRec);
  if (es != Acad::eOk) return es;
  return acdbOpenObject(pRec, id, openMode, openErasedRec);
}

Acad::ErrorStatus AcDbBlockTable::newIterator(AcDbBlockTableIterator*& pIterator, bool atBeginning,
                                              bool skipDeleted) const {
  assertReadEnabled();
  pIterator = new AcDbBlockTableIterator(recordIds(), atBeginning, skipDeleted);
  return Acad::eOk;
}

AcDbBlockTableRecordIterator::AcDbBlockTableRecordIterator(AcDbObjectId record, std::vector<AcDbObjectId> entities,
                                                           bool atBeginning, bool skipDeleted)
    : record_(record), entities_(std::move(entities)) {
  start(atBeginning, skipDeleted);
}

void AcDbBlockTableRecordIterator::start(bool atBeginning, bool skipDeleted) {
  index_ = atBeginning ? 0 : static_cast<long>(entities_.size()) - 1;
  if (skipDeleted) skipErased(atBeginning);
}

bool AcDbBlockTableRecordIterator::done() const { return index_ < 0 || index_ >= static_cast<long>(entities_.size()); }

void AcDbBlockTableRecordIterator::step(bool forward, bool skipDeleted) {
  if (done()) return;
  index_ += forward ? 1 : -1;
  if (skipDeleted) skipErased(forward);
}

void AcDbBlockTableRecordIterator::skipErased(bool forward) {
  while (!done() && entities_[static_cast<std::size_t>(index_)].isErased()) index_ += forward ? 1 : -1;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& entityId) const {
  entityId.setNull();
  if (done()) return Acad::eInvalidIndex;
  entityId = entities_[static_cast<std::size_t>(index_)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& pEntity, AcDb::OpenMode openMode,
                                                          bool openErasedEntity) const {
  pEntity = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getEntityId(id);
  if (es != Acad::eOk) return es;
  return acdbOpenAcDbEntity(pEntity, id, openMode, openErasedEntity);
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::seek(AcDbObjectId id) {
  for (std::size_t i = 0; i < entities_.size(); ++i) {
    if (entities_[i] == id) {
      index_ = static_cast<long>(i);
      return Acad::eOk;
    }
  }
  return Acad::eInvalidInput;
}
