#include "platform/cad/editor/input/keyword_list.h"

#include <cctype>
#include <sstream>

#include "platform/cad/editor/input/answer_text.h"

namespace cadeditor {

namespace {

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
// Leading digits count with the capitals: "3point" is answered by "3".
bool IsAbbreviationMark(char c) { return IsUpper(c) || (c >= '0' && c <= '9'); }

std::vector<std::string> Words(std::string_view text) {
  std::istringstream stream{std::string(text)};
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

}  // namespace

KeywordList::KeywordList(std::string_view text) {
  std::vector<std::string> words = Words(text);
  std::size_t underscore = 0;
  while (underscore < words.size() && words[underscore] != "_") ++underscore;
  local_.assign(words.begin(), words.begin() + static_cast<long>(underscore));
  if (underscore < words.size()) {
    global_.assign(words.begin() + static_cast<long>(underscore) + 1, words.end());
  }
  // Missing global names default to the local ones; extra ones are ignored.
  global_.resize(local_.size());
  for (std::size_t i = 0; i < local_.size(); ++i) {
    if (global_[i].empty()) global_[i] = local_[i];
  }
}

bool KeywordList::IsAbbreviationOf(std::string_view answer, const std::string& keyword) {
  std::size_t leading_capitals = 0;
  while (leading_capitals < keyword.size() && IsAbbreviationMark(keyword[leading_capitals])) ++leading_capitals;
  if (leading_capitals > 0 && leading_capitals < keyword.size()) {
    return answer.size() >= leading_capitals && StartsWithNoCase(keyword, answer);
  }
  // Capitals inside the word ("eXit"): they alone, or the word up to the last of them.
  std::string capitals;
  std::size_t last_capital = 0;
  for (std::size_t i = 0; i < keyword.size(); ++i) {
    if (IsUpper(keyword[i])) {
      capitals += keyword[i];
      last_capital = i + 1;
    }
  }
  if (capitals.empty() || leading_capitals == keyword.size()) return false;
  return EqualsNoCase(answer, capitals) || (answer.size() >= last_capital && StartsWithNoCase(keyword, answer));
}

std::optional<std::string> KeywordList::Match(std::string_view answer) const {
  answer = TrimmedText(answer);
  if (answer.empty()) return std::nullopt;
  const bool global_form = answer.size() > 1 && answer.front() == '_';
  const std::vector<std::string>& names = global_form ? global_ : local_;
  if (global_form) answer.remove_prefix(1);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (EqualsNoCase(answer, names[i])) return global_[i];
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (IsAbbreviationOf(answer, names[i])) return global_[i];
  }
  return std::nullopt;
}

}  // namespace cadeditor
