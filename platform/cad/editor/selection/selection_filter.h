// The entity filter of acedSSGet: a resbuf chain of DXF items that all must
// match. Known codes: 0 entity type (DXF name), 8 layer, 62 colour index. Texts
// are wildcard patterns: comma lists, '*', '?', '#' (digit), '@' (letter), a
// leading '~' (not) and '`' (escape), compared without regard to case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/filing/resbuf.h"

namespace cadeditor {

bool WildcardMatch(std::string_view patterns, std::string_view text);

class SelectionFilter {
 public:
  SelectionFilter() = default;
  // A chain with codes not listed above, or of the wrong value types, is invalid.
  explicit SelectionFilter(const resbuf* chain);

  bool isValid() const { return valid_; }
  bool accepts(const AcDbEntity& entity) const;

 private:
  bool valid_ = true;
  std::vector<std::string> types_;
  std::vector<std::string> layers_;
  std::vector<int> colors_;
};

}  // namespace cadeditor
