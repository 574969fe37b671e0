#include "platform/cad/db/db_id_mapping.h"

Acad::ErrorStatus AcDbIdMapping::assign(const AcDbIdPair& pair) {
  if (pair.key().isNull()) return Acad::eNullObjectId;
  auto found = byKey_.find(pair.key());
  if (found != byKey_.end()) {
    pairs_[found->second] = pair;
  } else {
    byKey_.emplace(pair.key(), pairs_.size());
    pairs_.push_back(pair);
  }
  return Acad::eOk;
}

bool AcDbIdMapping::compute(AcDbIdPair& pair) const {
  auto found = byKey_.find(pair.key());
  if (found == byKey_.end()) return false;
  pair = pairs_[found->second];
  return true;
}

bool AcDbIdMapping::change(const AcDbIdPair& pair) {
  auto found = byKey_.find(pair.key());
  if (found == byKey_.end()) return false;
  pairs_[found->second] = pair;
  return true;
}

bool AcDbIdMapping::del(AcDbObjectId key) {
  auto found = byKey_.find(key);
  if (found == byKey_.end()) return false;
  pairs_.erase(pairs_.begin() + static_cast<long>(found->second));
  byKey_.clear();
  for (std::size_t i = 0; i < pairs_.size(); ++i) byKey_.emplace(pairs_[i].key(), i);
  return true;
}

Acad::ErrorStatus AcDbIdMapping::destDb(AcDbDatabase*& db) const {
  db = destDb_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbIdMapping::setDestDb(AcDbDatabase* db) {
  destDb_ = db;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbIdMapping::origDb(AcDbDatabase*& db) const {
  db = origDb_;
  return Acad::eOk;
}

bool AcDbIdMappingIter::getMap(AcDbIdPair& pair) const {
  if (done()) return false;
  pair = mapping_.pairs()[index_];
  return true;
}
