// AcRxDictionary: the host's run-time keyed store of objects (the system registry,
// the class dictionary, and whatever a program files there). Entries are not owned
// unless the dictionary was made with deleteObjects.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/cad/db/adesk.h"
#include "platform/cad/db/db_enums.h"
#include "platform/cad/db/runtime/rx_object.h"

class AcRxDictionaryIterator;

class AcRxDictionary : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxDictionary);

  explicit AcRxDictionary(bool ignoreCase = false, bool deleteObjects = false);
  ~AcRxDictionary() override;
  AcRxDictionary(const AcRxDictionary&) = delete;
  AcRxDictionary& operator=(const AcRxDictionary&) = delete;

  AcRxObject* at(const char* key) const;
  AcRxObject* at(Adesk::UInt32 id) const;
  // Files the object under the key and returns what the key held before (null if nothing).
  AcRxObject* atPut(const char* key, AcRxObject* object);
  AcRxObject* atPut(const char* key, AcRxObject* object, Adesk::UInt32& retId);
  // Takes the entry out and returns its object (null when the key is absent).
  AcRxObject* remove(const char* key);
  AcRxObject* remove(Adesk::UInt32 id);
  bool has(const char* key) const;
  bool has(Adesk::UInt32 id) const;
  Adesk::UInt32 idAt(const char* key) const;  // (Adesk::UInt32)-1 when absent
  const char* keyAt(Adesk::UInt32 id) const;  // null when absent
  Adesk::UInt32 numEntries() const { return static_cast<Adesk::UInt32>(entries_.size()); }
  bool deletesObjects() const { return deleteObjects_; }
  bool isCaseSensitive() const { return !ignoreCase_; }
  bool isSorted() const { return true; }

  // Sorted: by key; collated: in the order of filing. The caller deletes the iterator.
  AcRxDictionaryIterator* newIterator(AcRx::DictIterType type = AcRx::kDictSorted) const;

 private:
  struct Entry {
    std::string key;
    AcRxObject* object;
    Adesk::UInt32 id;
  };
  std::string foldKey(const char* key) const;
  const Entry* find(const char* key) const;
  const Entry* findId(Adesk::UInt32 id) const;

  bool ignoreCase_;
  bool deleteObjects_;
  Adesk::UInt32 nextId_ = 0;
  std::map<std::string, Entry> entries_;  // by folded key
};

class AcRxDictionaryIterator {
 public:
  AcRxDictionaryIterator(std::vector<std::string> keys, std::vector<AcRxObject*> objects,
                         std::vector<Adesk::UInt32> ids);
  bool done() const { return index_ >= keys_.size(); }
  bool next() {
    if (!done()) ++index_;
    return !done();
  }
  const char* key() const { return done() ? nullptr : keys_[index_].c_str(); }
  AcRxObject* object() const { return done() ? nullptr : objects_[index_]; }
  Adesk::UInt32 id() const { return done() ? 0 : ids_[index_]; }

 private:
  std::vector<std::string> keys_;
  std::vector<AcRxObject*> objects_;
  std::vector<Adesk::UInt32> ids_;
  std::size_t index_ = 0;
};

#define ACRX_CLASS_DICTIONARY "ClassDictionary"
#define ACRX_COMMAND_DOCK "ACAD_REGISTERED_COMMANDS"
#define ACRX_DYNAMIC_LINKER "DynamicLinker"
#define ACRX_SERVICE_DICTIONARY "ServiceDictionary"

// The process's system registry; it holds the class dictionary under "ClassDictionary".
AcRxDictionary* acrxSysRegistry();
#define acrxClassDictionary AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY))
