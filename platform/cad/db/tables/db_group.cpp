#include "platform/cad/db/tables/db_group.h"

#include <strings.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>

#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/db/tables/db_dictionary.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbGroup, AcDbObject, "GROUP")

AcDbGroup::AcDbGroup() = default;

AcDbGroup::AcDbGroup(const char* grpDesc, bool selectable)
    : description_(grpDesc != nullptr ? grpDesc : ""), selectable_(selectable) {}

AcDbGroup::~AcDbGroup() = default;

const char* AcDbGroup::name() const {
  nameCache_.clear();
  const auto* dictionary = AcDbDictionary::cast(peekObject(ownerId()));
  if (dictionary != nullptr && objectId() != AcDbObjectId()) dictionary->nameAt(objectId(), nameCache_);
  return nameCache_.c_str();
}

Acad::ErrorStatus AcDbGroup::getName(char*& name) const {
  const char* current = this->name();
  name = static_cast<char*>(std::malloc(std::strlen(current) + 1));
  if (name == nullptr) return Acad::eOutOfMemory;
  std::strcpy(name, current);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::setName(const char* newName) {
  if (newName == nullptr || *newName == '\0') return Acad::eInvalidInput;
  auto* dictionary = AcDbDictionary::cast(peekObject(ownerId()));
  const std::string oldName = name();
  if (dictionary == nullptr || oldName.empty()) return Acad::eNotInDatabase;
  if (strcasecmp(oldName.c_str(), newName) != 0 && dictionary->has(newName)) return Acad::eDuplicateKey;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  // The dictionary holds the group's own name; renaming it needs no open of the dictionary.
  return dictionary->renameEntry(oldName.c_str(), newName) ? Acad::eOk : Acad::eDuplicateKey;
}

Acad::ErrorStatus AcDbGroup::setDescription(const char* grpDesc) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  description_ = grpDesc != nullptr ? grpDesc : "";
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::setSelectable(bool selectable) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  selectable_ = selectable;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::setAnonymous() {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  anonymous_ = true;
  return Acad::eOk;
}

std::vector<AcDbObjectId> AcDbGroup::liveMembers() const {
  std::vector<AcDbObjectId> live;
  for (const AcDbObjectId& id : members_) {
    if (!id.isErased()) live.push_back(id);
  }
  return live;
}

Acad::ErrorStatus AcDbGroup::checkMember(AcDbObjectId id) const {
  if (id.isNull()) return Acad::eNullObjectId;
  if (database() != nullptr && id.database() != database()) return Acad::eWrongDatabase;
  const AcDbObject* object = peekObject(id);
  if (object == nullptr) return Acad::eUnknownHandle;
  if (AcDbEntity::cast(object) == nullptr) return Acad::eNotAnEntity;
  if (isMember(id)) return Acad::eAlreadyInGroup;
  return Acad::eOk;
}

bool AcDbGroup::isMember(AcDbObjectId id) const {
  if (!memberIndexBuilt_) {
    memberIndex_.clear();
    memberIndex_.insert(members_.begin(), members_.end());
    memberIndexBuilt_ = true;
  }
  return memberIndex_.contains(id);
}

Acad::ErrorStatus AcDbGroup::insertMembers(std::size_t at, const AcDbObjectIdArray& ids) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  std::set<AcDbObjectId> seen;
  for (const AcDbObjectId& id : ids) {
    Acad::ErrorStatus es = checkMember(id);
    if (es != Acad::eOk) return es;
    if (!seen.insert(id).second) return Acad::eAlreadyInGroup;
  }
  at = std::min(at, members_.size());
  if (at == members_.size()) {
    const std::size_t before = members_.size();
    assertWriteEnabledForAppend([this, before] {
      members_.resize(before);
      dropMemberIndex();
    });
  } else {
    assertWriteEnabled();
  }
  members_.insert(members_.begin() + static_cast<long>(at), ids.begin(), ids.end());
  if (memberIndexBuilt_) memberIndex_.insert(ids.begin(), ids.end());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::append(AcDbObjectId id) {
  AcDbObjectIdArray ids;
  ids.append(id);
  return insertMembers(members_.size(), ids);
}

Acad::ErrorStatus AcDbGroup::append(const AcDbObjectIdArray& ids) { return insertMembers(members_.size(), ids); }

Acad::ErrorStatus AcDbGroup::prepend(AcDbObjectId id) {
  AcDbObjectIdArray ids;
  ids.append(id);
  return insertMembers(0, ids);
}

Acad::ErrorStatus AcDbGroup::prepend(const AcDbObjectIdArray& ids) { return insertMembers(0, ids); }

Acad::ErrorStatus AcDbGroup::insertAt(Adesk::UInt32 idx, AcDbObjectId id) {
  // idx counts live members; erased ones stay where they were.
  std::size_t position = 0;
  Adesk::UInt32 live = 0;
  while (position < members_.size() && live < idx) {
    if (!members_[position].isErased()) ++live;
    ++position;
  }
  if (live < idx) return Acad::eInvalidIndex;
  AcDbObjectIdArray ids;
  ids.append(id);
  return insertMembers(position, ids);
}

Acad::ErrorStatus AcDbGroup::remove(AcDbObjectId id) {
  auto found = std::find(members_.begin(), members_.end(), id);
  if (found == members_.end()) return Acad::eNotInGroup;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  members_.erase(found);
  dropMemberIndex();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::remove(const AcDbObjectIdArray& ids) {
  for (const AcDbObjectId& id : ids) {
    if (!isMember(id)) return Acad::eNotInGroup;
  }
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  for (const AcDbObjectId& id : ids) std::erase(members_, id);
  dropMemberIndex();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::removeAt(Adesk::UInt32 idx) {
  const std::vector<AcDbObjectId> live = liveMembers();
  if (idx >= live.size()) return Acad::eInvalidIndex;
  return remove(live[idx]);
}

Acad::ErrorStatus AcDbGroup::replace(AcDbObjectId oldId, AcDbObjectId newId) {
  auto found = std::find(members_.begin(), members_.end(), oldId);
  if (found == members_.end()) return Acad::eNotInGroup;
  Acad::ErrorStatus es = checkMember(newId);
  if (es != Acad::eOk) return es;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  *found = newId;
  dropMemberIndex();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::reverse() {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  std::reverse(members_.begin(), members_.end());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::clear() {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  members_.clear();
  dropMemberIndex();
  return Acad::eOk;
}

Adesk::UInt32 AcDbGroup::numEntities() const { return static_cast<Adesk::UInt32>(liveMembers().size()); }

Adesk::UInt32 AcDbGroup::allEntityIds(AcDbObjectIdArray& ids) const {
  assertReadEnabled();
  ids.removeAll();
  for (const AcDbObjectId& id : liveMembers()) ids.append(id);
  return static_cast<Adesk::UInt32>(ids.length());
}

bool AcDbGroup::has(const AcDbEntity* pEntity) const { return pEntity != nullptr && has(pEntity->objectId()); }

bool AcDbGroup::has(AcDbObjectId id) const { return !id.isNull() && !id.isErased() && isMember(id); }

Acad::ErrorStatus AcDbGroup::getIndex(AcDbObjectId id, Adesk::UInt32& idx) const {
  const std::vector<AcDbObjectId> live = liveMembers();
  auto found = std::find(live.begin(), live.end(), id);
  if (found == live.end()) return Acad::eNotInGroup;
  idx = static_cast<Adesk::UInt32>(found - live.begin());
  return Acad::eOk;
}

AcDbGroupIterator* AcDbGroup::newIterator() const { return new AcDbGroupIterator(liveMembers()); }

namespace {

// Runs the change on every member opened for write; the first failure is the result.
template <class Change>
Acad::ErrorStatus changeMembers(const std::vector<AcDbObjectId>& members, Change change) {
  Acad::ErrorStatus result = Acad::eOk;
  for (const AcDbObjectId& id : members) {
    AcDbEntity* entity = nullptr;
    Acad::ErrorStatus es = acdbOpenAcDbEntity(entity, id, AcDb::kForWrite);
    if (es == Acad::eOk) {
      es = change(entity);
      entity->close();
    }
    if (es != Acad::eOk && result == Acad::eOk) result = es;
  }
  return result;
}

}  // namespace

Acad::ErrorStatus AcDbGroup::setColorIndex(Adesk::UInt16 color) {
  return changeMembers(liveMembers(), [&](AcDbEntity* entity) { return entity->setColorIndex(color); });
}

Acad::ErrorStatus AcDbGroup::setLayer(const char* newVal) {
  return changeMembers(liveMembers(), [&](AcDbEntity* entity) { return entity->setLayer(newVal); });
}

Acad::ErrorStatus AcDbGroup::setLinetype(const char* newVal) {
  return changeMembers(liveMembers(), [&](AcDbEntity* entity) { return entity->setLinetype(newVal); });
}

Acad::ErrorStatus AcDbGroup::setVisibility(AcDb::Visibility newVal) {
  return changeMembers(liveMembers(), [&](AcDbEntity* entity) { return entity->setVisibility(newVal); });
}

Acad::ErrorStatus AcDbGroup::setHighlight(bool newVal) {
  Acad::ErrorStatus result = Acad::eOk;
  for (const AcDbObjectId& id : liveMembers()) {
    AcDbEntity* entity = nullptr;
    Acad::ErrorStatus es = acdbOpenAcDbEntity(entity, id, AcDb::kForRead);
    if (es == Acad::eOk) {
      es = newVal ? entity->highlight() : entity->unhighlight();
      entity->close();
    }
    if (es != Acad::eOk && result == Acad::eOk) result = es;
  }
  return result;
}

Acad::ErrorStatus AcDbGroup::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(description_.c_str());
  filer->writeBool(selectable_);
  filer->writeBool(anonymous_);
  filer->writeInt32(static_cast<Adesk::Int32>(members_.size()));
  for (const AcDbObjectId& id : members_) filer->writeHardPointerId(id);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbGroup::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  std::string description;
  bool selectable = true;
  bool anonymous = false;
  Adesk::Int32 count = 0;
  filer->readString(&description);
  filer->readBool(&selectable);
  filer->readBool(&anonymous);
  if (filer->readInt32(&count) != Acad::eOk || count < 0) return filer->filerStatus();
  std::vector<AcDbObjectId> members;
  for (Adesk::Int32 i = 0; i < count; ++i) {
    AcDbHardPointerId id;
    if (filer->readHardPointerId(&id) != Acad::eOk) return filer->filerStatus();
    members.push_back(id);
  }
  description_ = std::move(description);
  selectable_ = selectable;
  anonymous_ = anonymous;
  members_ = std::move(members);
  dropMemberIndex();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbGroup");
  filer->writeString(AcDb::kDxfXTextString, description_.c_str());
  filer->writeInt16(AcDb::kDxfInt16, anonymous_ ? 1 : 0);
  filer->writeInt16(AcDb::kDxfRegAppFlags, selectable_ ? 1 : 0);
  for (const AcDbObjectId& id : liveMembers()) filer->writeObjectId(AcDb::kDxfHardPointerId, id);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbGroup::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbGroup")) {
    return filer->setError(Acad::eBadDxfSequence, "\nError: expected subclass marker AcDbGroup");
  }
  members_.clear();
  dropMemberIndex();
  std::unordered_set<AcDbObjectId> seen;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    if (rb.restype == AcDb::kDxfXTextString) {
      description_ = rb.resval.rstring;
    } else if (rb.restype == AcDb::kDxfInt16) {
      anonymous_ = rb.resval.rint != 0;
    } else if (rb.restype == AcDb::kDxfRegAppFlags) {
      selectable_ = rb.resval.rint != 0;
    } else if (rb.restype == AcDb::kDxfHardPointerId) {
      AcDbObjectId id;
      acdbGetObjectId(id, rb.resval.rlname);
      if (!id.isNull() && seen.insert(id).second) members_.push_back(id);
    } else {
      filer->pushBackItem();
      break;
    }
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbGroupIterator::getObject(AcDbObject*& pObject, AcDb::OpenMode mode) {
  pObject = nullptr;
  if (done()) return Acad::eInvalidIndex;
  return acdbOpenAcDbObject(pObject, ids_[index_], mode);
}

AcDbObjectId AcDbGroupIterator::objectId() const { return done() ? AcDbObjectId() : ids_[index_]; }
