// The open selection sets, named by ads_name, and the previous selection. A set
// keeps its members in the order they joined, finds a member by id at once and
// the i-th member in log time, so that sets of thousands of entities stay quick
// to build and to thin out member by member.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/ge/ge_point3d.h"

namespace cadeditor {

// How an entity came into a set, as acedSSNameX reports it.
enum class SelectionMethod { kNonSpecific = 0, kPick = 1, kWindow = 2, kCrossing = 3 };

struct SelectionEntry {
  AcDbObjectId id;
  SelectionMethod method = SelectionMethod::kNonSpecific;
  AcGePoint3d pickPoint;  // world, for picks
};

class SelectionSet {
 public:
  // False when the entity is a member already.
  bool add(const SelectionEntry& entry);
  bool remove(AcDbObjectId id);
  bool contains(AcDbObjectId id) const { return index_.count(id) != 0; }
  long length() const { return static_cast<long>(index_.size()); }
  // Null when i is out of range.
  const SelectionEntry* at(long i);
  std::vector<AcDbObjectId> ids() const;

 private:
  // Members alive among the first n slots.
  long aliveBefore(std::size_t n) const;

  std::vector<SelectionEntry> entries_;  // a removed member leaves a slot with a null id
  std::vector<long> alive_;              // Fenwick tree over the slots (1-based)
  std::unordered_map<AcDbObjectId, std::size_t> index_;
};

// Files the set and names it in name.
void StoreSelectionSet(SelectionSet set, ads_name name);
// Null for a name that names no open set.
SelectionSet* FindSelectionSet(const ads_name name);
bool FreeSelectionSet(const ads_name name);
// True for a name that has the form of a set's name (and so is no entity name).
bool LooksLikeSelectionSetName(const ads_name name);

void SetPreviousSelection(std::vector<AcDbObjectId> ids);
const std::vector<AcDbObjectId>& PreviousSelection();

}  // namespace cadeditor
