// The id map of a deep clone: each source id (key) with its clone (value).
#pragma once

#include <unordered_map>
#include <vector>

#include "platform/cad/db/db_enums.h"
#include "platform/cad/db/db_object_id.h"

class AcDbIdPair {
 public:
  AcDbIdPair() = default;
  AcDbIdPair(AcDbObjectId key, AcDbObjectId value, bool isCloned, bool isPrimary = false, bool isOwnerXlated = true)
      : key_(key), value_(value), cloned_(isCloned), primary_(isPrimary), ownerXlated_(isOwnerXlated) {}

  AcDbObjectId key() const { return key_; }
  AcDbObjectId value() const { return value_; }
  bool isCloned() const { return cloned_; }
  bool isPrimary() const { return primary_; }
  bool isOwnerXlated() const { return ownerXlated_; }
  void setKey(AcDbObjectId key) { key_ = key; }
  void setValue(AcDbObjectId value) { value_ = value; }
  void setIsCloned(bool isCloned) { cloned_ = isCloned; }
  void setIsPrimary(bool isPrimary) { primary_ = isPrimary; }
  void setIsOwnerXlated(bool isOwnerXlated) { ownerXlated_ = isOwnerXlated; }

 private:
  AcDbObjectId key_;
  AcDbObjectId value_;
  bool cloned_ = false;
  bool primary_ = false;
  bool ownerXlated_ = true;
};

class AcDbIdMapping {
 public:
  AcDbIdMapping() = default;

  // Adds the pair, or replaces the pair of the same key.
  Acad::ErrorStatus assign(const AcDbIdPair& pair);
  // Looks the pair's key up and fills the pair; false when the key is absent.
  bool compute(AcDbIdPair& pair) const;
  bool change(const AcDbIdPair& pair);
  bool del(AcDbObjectId key);
  int numPairs() const { return static_cast<int>(pairs_.size()); }

  Acad::ErrorStatus destDb(AcDbDatabase*& db) const;
  Acad::ErrorStatus setDestDb(AcDbDatabase* db);
  Acad::ErrorStatus origDb(AcDbDatabase*& db) const;
  AcDb::DeepCloneType deepCloneContext() const { return context_; }
  void setDeepCloneContext(AcDb::DeepCloneType context) { context_ = context; }

  // Pairs in the order they were assigned.
  const std::vector<AcDbIdPair>& pairs() const { return pairs_; }

 private:
  friend class AcDbDatabase;
  std::vector<AcDbIdPair> pairs_;
  std::unordered_map<AcDbObjectId, std::size_t> byKey_;
  AcDbDatabase* destDb_ = nullptr;
  AcDbDatabase* origDb_ = nullptr;
  AcDb::DeepCloneType context_ = AcDb::kDcCopy;
};

// Walks a map's pairs in assignment order.
class AcDbIdMappingIter {
 public:
  explicit AcDbIdMappingIter(const AcDbIdMapping& mapping) : mapping_(mapping) {}
  Acad::ErrorStatus iterateOn(const AcDbIdMapping&) { return Acad::eOk; }
  void start() { index_ = 0; }
  // False at the end.
  bool getMap(AcDbIdPair& pair) const;
  bool next() {
    if (!done()) ++index_;
    return !done();
  }
  bool done() const { return index_ >= mapping_.pairs().size(); }

 private:
  const AcDbIdMapping& mapping_;
  std::size_t index_ = 0;
};
