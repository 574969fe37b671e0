#include "platform/cad/db/runtime/rx_dictionary.h"

#include <algorithm>
#include <cctype>

#include "platform/cad/db/runtime/rx_class.h"

CADDB_DEFINE_BUILTIN_ABSTRACT_MEMBERS(AcRxDictionary, AcRxObject)

AcRxDictionary::AcRxDictionary(bool ignoreCase, bool deleteObjects)
    : ignoreCase_(ignoreCase), deleteObjects_(deleteObjects) {}

AcRxDictionary::~AcRxDictionary() {
  if (!deleteObjects_) return;
  for (auto& [folded, entry] : entries_) delete entry.object;
}

std::string AcRxDictionary::foldKey(const char* key) const {
  std::string folded = key != nullptr ? key : "";
  if (ignoreCase_) {
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  }
  return folded;
}

const AcRxDictionary::Entry* AcRxDictionary::find(const char* key) const {
  if (key == nullptr) return nullptr;
  auto it = entries_.find(foldKey(key));
  return it == entries_.end() ? nullptr : &it->second;
}

const AcRxDictionary::Entry* AcRxDictionary::findId(Adesk::UInt32 id) const {
  for (const auto& [folded, entry] : entries_) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

AcRxObject* AcRxDictionary::at(const char* key) const {
  const Entry* entry = find(key);
  return entry != nullptr ? entry->object : nullptr;
}

AcRxObject* AcRxDictionary::at(Adesk::UInt32 id) const {
  const Entry* entry = findId(id);
  return entry != nullptr ? entry->object : nullptr;
}

AcRxObject* AcRxDictionary::atPut(const char* key, AcRxObject* object) {
  Adesk::UInt32 id = 0;
  return atPut(key, object, id);
}

AcRxObject* AcRxDictionary::atPut(const char* key, AcRxObject* object, Adesk::UInt32& retId) {
  if (key == nullptr) return nullptr;
  std::string folded = foldKey(key);
  auto it = entries_.find(folded);
  if (it != entries_.end()) {
    AcRxObject* previous = it->second.object;
    it->second.object = object;
    retId = it->second.id;
    return previous;
  }
  retId = nextId_++;
  entries_.emplace(std::move(folded), Entry{key, object, retId});
  return nullptr;
}

AcRxObject* AcRxDictionary::remove(const char* key) {
  if (key == nullptr) return nullptr;
  auto it = entries_.find(foldKey(key));
  if (it == entries_.end()) return nullptr;
  AcRxObject* object = it->second.object;
  entries_.erase(it);
  return object;
}

AcRxObject* AcRxDictionary::remove(Adesk::UInt32 id) {
  const Entry* entry = findId(id);
  if (entry == nullptr) return nullptr;
  std::string key = entry->key;
  return remove(key.c_str());
}

bool AcRxDictionary::has(const char* key) const { return find(key) != nullptr; }

bool AcRxDictionary::has(Adesk::UInt32 id) const { return findId(id) != nullptr; }

Adesk::UInt32 AcRxDictionary::idAt(const char* key) const {
  const Entry* entry = find(key);
  return entry != nullptr ? entry->id : static_cast<Adesk::UInt32>(-1);
}

const char* AcRxDictionary::keyAt(Adesk::UInt32 id) const {
  const Entry* entry = findId(id);
  return entry != nullptr ? entry->key.c_str() : nullptr;
}

AcRxDictionaryIterator* AcRxDictionary::newIterator(AcRx::DictIterType type) const {
  std::vector<const Entry*> order;
  for (const auto& [folded, entry] : entries_) order.push_back(&entry);
  if (type == AcRx::kDictCollated) {
    std::sort(order.begin(), order.end(), [](const Entry* a, const Entry* b) { return a->id < b->id; });
  }
  std::vector<std::string> keys;
  std::vector<AcRxObject*> objects;
  std::vector<Adesk::UInt32> ids;
  for (const Entry* entry : order) {
    keys.push_back(entry->key);
    objects.push_back(entry->object);
    ids.push_back(entry->id);
  }
  return new AcRxDictionaryIterator(std::move(keys), std::move(objects), std::move(ids));
}

AcRxDictionaryIterator::AcRxDictionaryIterator(std::vector<std::string> keys, std::vector<AcRxObject*> objects,
                                               std::vector<Adesk::UInt32> ids)
    : keys_(std::move(keys)), objects_(std::move(objects)), ids_(std::move(ids)) {}
