// AcDbGroup: a named, ordered set of entities kept in the group dictionary
// "ACAD_GROUP". The group holds references only: erasing it leaves its entities, and
// erased entities drop out of its lists until they are unerased.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "platform/cad/db/db_object.h"

class AcDbEntity;
class AcDbGroupIterator;

class AcDbGroup : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbGroup);

  AcDbGroup();
  explicit AcDbGroup(const char* grpDesc, bool selectable = true);
  ~AcDbGroup() override;

  // The group's key in its dictionary; "" while it is in none.
  const char* name() const;
  Acad::ErrorStatus getName(char*& name) const;  // malloc'ed copy
  // Renames the dictionary entry: eDuplicateKey when the name is taken, eNotInDatabase
  // while the group is in no dictionary.
  Acad::ErrorStatus setName(const char* newName);
  const char* description() const { return description_.c_str(); }
  Acad::ErrorStatus setDescription(const char* grpDesc);
  bool isSelectable() const { return selectable_; }
  Acad::ErrorStatus setSelectable(bool selectable);
  bool isAnonymous() const { return anonymous_; }
  Acad::ErrorStatus setAnonymous();
  bool isNotAccessible() const { return false; }

  // Membership, all needing an open for write. eAlreadyInGroup for a member, eNotInGroup
  // for a stranger, eNullObjectId, eWrongDatabase, eNotAnEntity, eInvalidIndex.
  Acad::ErrorStatus append(AcDbObjectId id);
  Acad::ErrorStatus append(const AcDbObjectIdArray& ids);
  Acad::ErrorStatus prepend(AcDbObjectId id);
  Acad::ErrorStatus prepend(const AcDbObjectIdArray& ids);
  Acad::ErrorStatus insertAt(Adesk::UInt32 idx, AcDbObjectId id);
  Acad::ErrorStatus remove(AcDbObjectId id);
  Acad::ErrorStatus remove(const AcDbObjectIdArray& ids);
  Acad::ErrorStatus removeAt(Adesk::UInt32 idx);
  Acad::ErrorStatus replace(AcDbObjectId oldId, AcDbObjectId newId);
  Acad::ErrorStatus reverse();
  Acad::ErrorStatus clear();

  // Counting and listing skip erased entities; indexes count the live ones too.
  Adesk::UInt32 numEntities() const;
  Adesk::UInt32 allEntityIds(AcDbObjectIdArray& ids) const;
  bool has(const AcDbEntity* pEntity) const;
  bool has(AcDbObjectId id) const;
  Acad::ErrorStatus getIndex(AcDbObjectId id, Adesk::UInt32& idx) const;
  // The caller deletes the iterator.
  AcDbGroupIterator* newIterator() const;

  // Set the property on every live member (each opened for write on the way).
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 color);
  Acad::ErrorStatus setLayer(const char* newVal);
  Acad::ErrorStatus setLinetype(const char* newVal);
  Acad::ErrorStatus setVisibility(AcDb::Visibility newVal);
  Acad::ErrorStatus setHighlight(bool newVal);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  std::vector<AcDbObjectId> liveMembers() const;
  Acad::ErrorStatus checkMember(AcDbObjectId id) const;
  Acad::ErrorStatus insertMembers(std::size_t at, const AcDbObjectIdArray& ids);

  std::string description_;
  bool selectable_ = true;
  bool anonymous_ = false;
  bool isMember(AcDbObjectId id) const;
  // Additions keep the index; any other change of the list drops it until next asked.
  void dropMemberIndex() const { memberIndexBuilt_ = false; }

  std::vector<AcDbObjectId> members_;  // in order, erased ones kept for unerase
  mutable std::unordered_set<AcDbObjectId> memberIndex_;
  mutable bool memberIndexBuilt_ = false;
  mutable std::string nameCache_;
};

class AcDbGroupIterator {
 public:
  Acad::ErrorStatus getObject(AcDbObject*& pObject, AcDb::OpenMode mode);
  AcDbObjectId objectId() const;
  bool done() const { return index_ >= ids_.size(); }
  bool next() {
    if (!done()) ++index_;
    return !done();
  }

 private:
  friend class AcDbGroup;
  explicit AcDbGroupIterator(std::vector<AcDbObjectId> ids) : ids_(std::move(ids)) {}
  std::vector<AcDbObjectId> ids_;
  std::size_t index_ = 0;
};
