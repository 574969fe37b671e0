#include "platform/cad/db/tables/db_dictionary.h"

#include <strings.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbDictionary, AcDbObject, "DICTIONARY")

AcDbDictionary::AcDbDictionary() = default;

AcDbDictionary::~AcDbDictionary() = default;

namespace {

// Equal for two keys exactly when strcasecmp finds them equal.
std::string foldedKey(const char* key) {
  std::string folded(key);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

}  // namespace

void AcDbDictionary::buildKeyIndex() const {
  keyIndex_.clear();
  keysRepeat_ = false;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (!keyIndex_.emplace(foldedKey(entries_[i].key.c_str()), i).second) keysRepeat_ = true;
  }
  keyIndexBuilt_ = true;
}

int AcDbDictionary::firstUnderKey(const char* key) const {
  if (!keyIndexBuilt_) buildKeyIndex();
  auto found = keyIndex_.find(foldedKey(key));
  return found != keyIndex_.end() ? static_cast<int>(found->second) : -1;
}

void AcDbDictionary::appendEntry(Entry entry) {
  if (keyIndexBuilt_ && !keyIndex_.emplace(foldedKey(entry.key.c_str()), entries_.size()).second) keysRepeat_ = true;
  entries_.push_back(std::move(entry));
}

int AcDbDictionary::findKey(const char* key, bool includeErased) const {
  if (key == nullptr) return -1;
  const int first = firstUnderKey(key);
  if (first < 0) return -1;
  if (!keysRepeat_) {
    if (!entries_[static_cast<std::size_t>(first)].id.isErased()) return first;
    return includeErased ? first : -1;
  }
  int erasedMatch = -1;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (strcasecmp(entries_[i].key.c_str(), key) != 0) continue;
    if (!entries_[i].id.isErased()) return static_cast<int>(i);
    if (erasedMatch < 0) erasedMatch = static_cast<int>(i);
  }
  return includeErased ? erasedMatch : -1;
}

int AcDbDictionary::findId(AcDbObjectId id) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

Acad::ErrorStatus AcDbDictionary::getAt(const char* entryName, AcDbObject*& entryObj, AcDb::OpenMode mode) const {
  entryObj = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getAt(entryName, id);
  if (es != Acad::eOk) return es;
  return acdbOpenAcDbObject(entryObj, id, mode);
}

Acad::ErrorStatus AcDbDictionary::getAt(const char* entryName, AcDbObjectId& entryId) const {
  entryId.setNull();
  assertReadEnabled();
  const int index = findKey(entryName, false);
  if (index < 0) return Acad::eKeyNotFound;
  entryId = entries_[static_cast<std::size_t>(index)].id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId objId, std::string& name) const {
  const int index = findId(objId);
  if (index < 0 || objId.isErased()) return Acad::eKeyNotFound;
  name = entries_[static_cast<std::size_t>(index)].key;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId objId, char*& name) const {
  name = nullptr;
  std::string key;
  Acad::ErrorStatus es = nameAt(objId, key);
  if (es != Acad::eOk) return es;
  name = static_cast<char*>(std::malloc(key.size() + 1));
  if (name == nullptr) return Acad::eOutOfMemory;
  std::memcpy(name, key.c_str(), key.size() + 1);
  return Acad::eOk;
}

bool AcDbDictionary::has(const char* entryName) const { return findKey(entryName, false) >= 0; }

bool AcDbDictionary::has(AcDbObjectId objId) const { return !objId.isErased() && findId(objId) >= 0; }

Adesk::UInt32 AcDbDictionary::numEntries() const {
  return static_cast<Adesk::UInt32>(
      std::count_if(entries_.begin(), entries_.end(), [](const Entry& entry) { return !entry.id.isErased(); }));
}

bool AcDbDictionary::checkWritable(Acad::ErrorStatus& es) {
  if (!isWriteEnabled()) {
    es = Acad::eNotOpenForWrite;
    return false;
  }
  assertWriteEnabled();
  return true;
}

Acad::ErrorStatus AcDbDictionary::setAt(const char* srchKey, AcDbObject* newValue, AcDbObjectId& retObjId) {
  retObjId.setNull();
  if (srchKey == nullptr || *srchKey == '\0') return Acad::eInvalidKey;
  if (newValue == nullptr) return Acad::eNullObjectPointer;
  if (newValue == this) return Acad::eSelfReference;
  if (database() == nullptr) return Acad::eNoDatabase;
  if (newValue->database() != nullptr && newValue->database() != database()) return Acad::eWrongDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  // A new key for an object under no key yet (a new object never is) only appends.
  const bool appends =
      findKey(srchKey, true) < 0 && (newValue->database() == nullptr || findId(newValue->objectId()) < 0);
  if (appends) {
    const std::size_t before = entries_.size();
    assertWriteEnabledForAppend([this, before] {
      entries_.resize(before);
      dropKeyIndex();
    });
  } else {
    assertWriteEnabled();
  }
  if (newValue->database() == nullptr) {
    Acad::ErrorStatus es = database()->addAcDbObject(newValue);
    if (es != Acad::eOk) return es;
  }
  const AcDbObjectId newId = newValue->objectId();
  if (appends) {
    appendEntry(Entry{srchKey, newId});
  } else {
    refileEntry(srchKey, newId);
  }
  newValue->setOwnerId(objectId());
  retObjId = newId;
  return Acad::eOk;
}

void AcDbDictionary::refileEntry(const char* key, AcDbObjectId id) {
  // An object filed under another key of this dictionary moves to the new key.
  const int previousIndex = findId(id);
  if (previousIndex >= 0 && strcasecmp(entries_[static_cast<std::size_t>(previousIndex)].key.c_str(), key) != 0) {
    entries_.erase(entries_.begin() + previousIndex);
    dropKeyIndex();
  }
  const int index = findKey(key, true);
  if (index >= 0) {
    const AcDbObjectId replaced = entries_[static_cast<std::size_t>(index)].id;
    if (replaced != id && !replaced.isErased()) eraseOwnedAlong(replaced, true);
    entries_[static_cast<std::size_t>(index)] = Entry{key, id};  // same key up to case: the index holds
  } else {
    appendEntry(Entry{key, id});
  }
}

Acad::ErrorStatus AcDbDictionary::remove(const char* key) {
  AcDbObjectId id;
  return remove(key, id);
}

Acad::ErrorStatus AcDbDictionary::remove(const char* key, AcDbObjectId& returnId) {
  returnId.setNull();
  const int index = findKey(key, true);
  if (index < 0) return Acad::eKeyNotFound;
  Acad::ErrorStatus es = Acad::eOk;
  if (!checkWritable(es)) return es;
  returnId = entries_[static_cast<std::size_t>(index)].id;
  entries_.erase(entries_.begin() + index);
  dropKeyIndex();
  AcDbObject* object = peekObject(returnId);
  if (object != nullptr && object->ownerId() == objectId()) object->setOwnerId(AcDbObjectId());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(AcDbObjectId objId) {
  const int index = findId(objId);
  if (index < 0) return Acad::eKeyNotFound;
  const std::string key = entries_[static_cast<std::size_t>(index)].key;
  AcDbObjectId removed;
  return remove(key.c_str(), removed);
}

bool AcDbDictionary::setName(const char* oldName, const char* newName) {
  if (!isWriteEnabled()) return false;
  assertWriteEnabled();
  return renameEntry(oldName, newName);
}

bool AcDbDictionary::renameEntry(const char* oldName, const char* newName) {
  if (newName == nullptr || *newName == '\0') return false;
  const int index = findKey(oldName, false);
  if (index < 0) return false;
  const int taken = findKey(newName, false);
  if (taken >= 0 && taken != index) return false;
  entries_[static_cast<std::size_t>(index)].key = newName;
  dropKeyIndex();
  // A dead entry under the new name goes, so the name has one entry.
  const AcDbObjectId renamed = entries_[static_cast<std::size_t>(index)].id;
  std::erase_if(entries_, [&](const Entry& entry) {
    return entry.id != renamed && entry.id.isErased() && strcasecmp(entry.key.c_str(), newName) == 0;
  });
  return true;
}

void AcDbDictionary::setTreatElementsAsHard(bool doIt) {
  if (assertWriteEnabled()) hardOwner_ = doIt;
}

AcDbDictionaryIterator* AcDbDictionary::newIterator(AcRx::DictIterType type) const {
  assertReadEnabled();
  std::vector<AcDbDictionaryIterator::Entry> live;
  for (const Entry& entry : entries_) {
    if (!entry.id.isErased()) live.push_back({entry.key, entry.id});
  }
  if (type == AcRx::kDictSorted) {
    std::stable_sort(live.begin(), live.end(),
                     [](const auto& a, const auto& b) { return strcasecmp(a.key.c_str(), b.key.c_str()) < 0; });
  }
  return new AcDbDictionaryIterator(std::move(live));
}

Acad::ErrorStatus AcDbDictionary::subErase(Adesk::Boolean erasing) {
  for (const Entry& entry : entries_) eraseOwnedObject(entry.id, erasing);
  return AcDbObject::subErase(erasing);
}

Acad::ErrorStatus AcDbDictionary::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeBool(hardOwner_);
  filer->writeInt32(static_cast<Adesk::Int32>(entries_.size()));
  for (const Entry& entry : entries_) {
    filer->writeString(entry.key.c_str());
    if (hardOwner_) {
      filer->writeHardOwnershipId(entry.id);
    } else {
      filer->writeSoftOwnershipId(entry.id);
    }
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDictionary::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  bool hardOwner = false;
  Adesk::Int32 count = 0;
  filer->readBool(&hardOwner);
  if (filer->readInt32(&count) != Acad::eOk || count < 0) return filer->filerStatus();
  std::vector<Entry> entries;
  for (Adesk::Int32 i = 0; i < count; ++i) {
    Entry entry;
    filer->readString(&entry.key);
    if (hardOwner) {
      AcDbHardOwnershipId id;
      filer->readHardOwnershipId(&id);
      entry.id = id;
    } else {
      AcDbSoftOwnershipId id;
      filer->readSoftOwnershipId(&id);
      entry.id = id;
    }
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    // A deep clone leaves erased entries behind: they are not cloned along.
    if (filer->filerType() == AcDb::kDeepCloneFiler && entry.id.isErased()) continue;
    entries.push_back(std::move(entry));
  }
  hardOwner_ = hardOwner;
  entries_ = std::move(entries);
  dropKeyIndex();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbDictionary");
  if (hardOwner_) filer->writeInt16(AcDb::kDxfInt8, 1);
  filer->writeInt16(AcDb::kDxfRenderMode, 1);
  for (const Entry& entry : entries_) {
    if (entry.id.isErased()) continue;
    filer->writeString(AcDb::kDxfDescription, entry.key.c_str());
    filer->writeObjectId(hardOwner_ ? AcDb::kDxfHardOwnershipId : AcDb::kDxfSoftOwnershipId, entry.id);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDictionary::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbDictionary")) {
    return filer->setError(Acad::eBadDxfSequence, "\nError: expected subclass marker AcDbDictionary");
  }
  entries_.clear();
  dropKeyIndex();
  std::string key;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    if (rb.restype == AcDb::kDxfInt8) {
      hardOwner_ = rb.resval.rint != 0;
    } else if (rb.restype == AcDb::kDxfRenderMode) {
      continue;  // merge style
    } else if (rb.restype == AcDb::kDxfDescription) {
      key = rb.resval.rstring;
    } else if (rb.restype == AcDb::kDxfSoftOwnershipId || rb.restype == AcDb::kDxfHardOwnershipId) {
      AcDbObjectId id;
      acdbGetObjectId(id, rb.resval.rlname);
      if (!key.empty() && !id.isNull()) entries_.push_back(Entry{key, id});
      key.clear();
    } else {
      filer->pushBackItem();
      break;
    }
  }
  return filer->filerStatus();
}

const char* AcDbDictionaryIterator::name() const { return done() ? nullptr : entries_[index_].key.c_str(); }

AcDbObjectId AcDbDictionaryIterator::objectId() const { return done() ? AcDbObjectId() : entries_[index_].id; }

Acad::ErrorStatus AcDbDictionaryIterator::getObject(AcDbObject*& pObject, AcDb::OpenMode mode) {
  pObject = nullptr;
  if (done()) return Acad::eInvalidIndex;
  return acdbOpenAcDbObject(pObject, entries_[index_].id, mode);
}

bool AcDbDictionaryIterator::setPosition(AcDbObjectId objId) {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].id == objId) {
      index_ = i;
      return true;
    }
  }
  return false;
}
