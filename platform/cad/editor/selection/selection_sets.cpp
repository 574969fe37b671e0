#include "platform/cad/editor/selection/selection_sets.h"

#include <map>

#include "platform/cad/editor/selection/aced_selection.h"

namespace cadeditor {

namespace {

// Entity names carry 0 in their second word; set names carry this tag.
constexpr std::int64_t kSetTag = 0x5353455453;

struct Store {
  std::map<std::int64_t, SelectionSet> sets;
  std::int64_t next_serial = 1;
  std::vector<AcDbObjectId> previous;
};

Store& TheStore() {
  static Store store;
  return store;
}

}  // namespace

namespace {
std::size_t LowBit(std::size_t n) { return n & (~n + 1); }
}  // namespace

long SelectionSet::aliveBefore(std::size_t n) const {
  long sum = 0;
  for (; n > 0; n -= LowBit(n)) sum += alive_[n];
  return sum;
}

bool SelectionSet::add(const SelectionEntry& entry) {
  if (entry.id.isNull() || contains(entry.id)) return false;
  index_.emplace(entry.id, entries_.size());
  entries_.push_back(entry);
  if (alive_.empty()) alive_.push_back(0);
  const std::size_t n = entries_.size();
  alive_.push_back(1 + aliveBefore(n - 1) - aliveBefore(n - LowBit(n)));
  return true;
}

bool SelectionSet::remove(AcDbObjectId id) {
  const auto found = index_.find(id);
  if (found == index_.end()) return false;
  entries_[found->second].id.setNull();
  for (std::size_t n = found->second + 1; n < alive_.size(); n += LowBit(n)) --alive_[n];
  index_.erase(found);
  return true;
}

const SelectionEntry* SelectionSet::at(long i) {
  if (i < 0 || i >= length()) return nullptr;
  // The slot where the count of members reaches i + 1.
  std::size_t position = 0;
  long remaining = i + 1;
  std::size_t step = 1;
  while (step * 2 < alive_.size()) step *= 2;
  for (; step > 0; step /= 2) {
    if (position + step < alive_.size() && alive_[position + step] < remaining) {
      position += step;
      remaining -= alive_[position];
    }
  }
  return &entries_[position];  // slot position + 1, 1-based
}

std::vector<AcDbObjectId> SelectionSet::ids() const {
  std::vector<AcDbObjectId> result;
  result.reserve(index_.size());
  for (const SelectionEntry& entry : entries_) {
    if (!entry.id.isNull()) result.push_back(entry.id);
  }
  return result;
}

void StoreSelectionSet(SelectionSet set, ads_name name) {
  Store& store = TheStore();
  const std::int64_t serial = store.next_serial++;
  store.sets.emplace(serial, std::move(set));
  name[0] = serial;
  name[1] = kSetTag;
}

SelectionSet* FindSelectionSet(const ads_name name) {
  if (!LooksLikeSelectionSetName(name)) return nullptr;
  const auto found = TheStore().sets.find(name[0]);
  return found != TheStore().sets.end() ? &found->second : nullptr;
}

bool FreeSelectionSet(const ads_name name) {
  return LooksLikeSelectionSetName(name) && TheStore().sets.erase(name[0]) == 1;
}

bool LooksLikeSelectionSetName(const ads_name name) { return name != nullptr && name[1] == kSetTag; }

void SetPreviousSelection(std::vector<AcDbObjectId> ids) { TheStore().previous = std::move(ids); }

const std::vector<AcDbObjectId>& PreviousSelection() { return TheStore().previous; }

void ForgetSelectionSets() {
  TheStore().sets.clear();
  TheStore().previous.clear();
}

long OpenSelectionSetCount() { return static_cast<long>(TheStore().sets.size()); }

}  // namespace cadeditor
