// AcDbDictionary: a database object that owns objects under text keys. Keys are
// compared without regard to case and kept as given. An erased entry counts as absent.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/cad/db/db_object.h"

class AcDbDictionaryIterator;

class AcDbDictionary : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDictionary);

  AcDbDictionary();
  ~AcDbDictionary() override;

  // eKeyNotFound when absent.
  Acad::ErrorStatus getAt(const char* entryName, AcDbObject*& entryObj, AcDb::OpenMode mode) const;
  Acad::ErrorStatus getAt(const char* entryName, AcDbObjectId& entryId) const;
  // The key of an entry: a malloc'ed copy (free it with free() or acutDelString).
  Acad::ErrorStatus nameAt(AcDbObjectId objId, char*& name) const;
  Acad::ErrorStatus nameAt(AcDbObjectId objId, std::string& name) const;
  bool has(const char* entryName) const;
  bool has(AcDbObjectId objId) const;
  Adesk::UInt32 numEntries() const;

  // Files the object under the key; the dictionary must be open for write and in a
  // drawing. A new object joins the drawing (open for write; the caller closes it).
  // An object already under the key is erased and replaced. eInvalidKey for an empty key.
  Acad::ErrorStatus setAt(const char* srchKey, AcDbObject* newValue, AcDbObjectId& retObjId);
  // Takes the entry out (eKeyNotFound when absent); the object stays in the drawing
  // without an owner. An entry whose object was erased can be removed as well.
  Acad::ErrorStatus remove(const char* key);
  Acad::ErrorStatus remove(const char* key, AcDbObjectId& returnId);
  Acad::ErrorStatus remove(AcDbObjectId objId);
  // False when oldName is absent or newName is taken.
  bool setName(const char* oldName, const char* newName);

  bool isTreatElementsAsHard() const { return hardOwner_; }
  void setTreatElementsAsHard(bool doIt);

  // Sorted: by key; collated: in the order of filing. The caller deletes the iterator.
  AcDbDictionaryIterator* newIterator(AcRx::DictIterType type = AcRx::kDictSorted) const;

  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  friend class AcDbGroup;  // renames its own entry
  struct Entry {
    std::string key;
    AcDbObjectId id;
  };
  bool renameEntry(const char* oldName, const char* newName);
  // Index of the live (or, with includeErased, any) entry under the key; -1 when none.
  int findKey(const char* key, bool includeErased) const;
  int findId(AcDbObjectId id) const;
  // The first entry under the key, through the index; -1 when none.
  int firstUnderKey(const char* key) const;
  void buildKeyIndex() const;
  // Appends keep the index; any other change of the list drops it until next asked.
  void dropKeyIndex() const { keyIndexBuilt_ = false; }
  void appendEntry(Entry entry);
  // Moves an object to another key, or replaces the object under a key.
  void refileEntry(const char* key, AcDbObjectId id);
  bool checkWritable(Acad::ErrorStatus& es);

  std::vector<Entry> entries_;  // order of filing
  bool hardOwner_ = false;
  mutable std::unordered_map<std::string, std::size_t> keyIndex_;  // folded key -> first entry
  mutable bool keyIndexBuilt_ = false;
  mutable bool keysRepeat_ = false;  // a read file may hold a key twice: then the list is searched
};

class AcDbDictionaryIterator {
 public:
  const char* name() const;
  Acad::ErrorStatus getObject(AcDbObject*& pObject, AcDb::OpenMode mode);
  AcDbObjectId objectId() const;
  bool done() const { return index_ >= entries_.size(); }
  bool next() {
    if (!done()) ++index_;
    return !done();
  }
  bool setPosition(AcDbObjectId objId);

 private:
  friend class AcDbDictionary;
  struct Entry {
    std::string key;
    AcDbObjectId id;
  };
  explicit AcDbDictionaryIterator(std::vector<Entry> entries) : entries_(std::move(entries)) {}

  std::vector<Entry> entries_;  // a snapshot: changing the dictionary during the walk is safe
  std::size_t index_ = 0;
};
