// A keyword list of acedInitGet: words separated by blanks, optionally followed
// by "_" and the global names of the same keywords in the same order. Capital
// letters mark the abbreviation a user may type ("Chain" takes "c", "ch", ...).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cadeditor {

class KeywordList {
 public:
  KeywordList() = default;
  explicit KeywordList(std::string_view text);

  bool empty() const { return local_.empty(); }
  // The global name of the keyword the answer stands for: an exact match (without
  // regard to case) first, then an abbreviation; "_name" matches a global name.
  std::optional<std::string> Match(std::string_view answer) const;

 private:
  static bool IsAbbreviationOf(std::string_view answer, const std::string& keyword);

  std::vector<std::string> local_;
  std::vector<std::string> global_;  // same length as local_
};

}  // namespace cadeditor
