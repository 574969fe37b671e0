#include "platform/cad/editor/selection/selection_filter.h"

#include <cstdlib>
#include <memory>

#include "platform/cad/db/runtime/rx_class.h"

namespace cadeditor {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// One pattern without commas.
bool MatchOne(std::string_view pattern, std::string_view text) {
  if (pattern.empty()) return text.empty();
  const char p = pattern.front();
  if (p == '*') {
    for (std::size_t skip = 0; skip <= text.size(); ++skip) {
      if (MatchOne(pattern.substr(1), text.substr(skip))) return true;
    }
    return false;
  }
  if (text.empty()) return false;
  if (p == '?') {
    const std::size_t length = std::min(Utf8Length(static_cast<unsigned char>(text.front())), text.size());
    return MatchOne(pattern.substr(1), text.substr(length));
  }
  if (p == '#') return IsDigit(text.front()) && MatchOne(pattern.substr(1), text.substr(1));
  if (p == '@') return IsLetter(text.front()) && MatchOne(pattern.substr(1), text.substr(1));
  if (p == '`' && pattern.size() > 1) {
    return Lower(pattern[1]) == Lower(text.front()) && MatchOne(pattern.substr(2), text.substr(1));
  }
  return Lower(p) == Lower(text.front()) && MatchOne(pattern.substr(1), text.substr(1));
}

std::string EntityTypeName(const AcDbEntity& entity) {
  const AcRxClass* type = entity.isA();
  if (type == nullptr) return {};
  return *type->dxfName() != '\0' ? type->dxfName() : type->name();
}

}  // namespace

bool WildcardMatch(std::string_view patterns, std::string_view text) {
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = start;
    while (comma < patterns.size() && patterns[comma] != ',') comma += (patterns[comma] == '`') ? 2 : 1;
    comma = std::min(comma, patterns.size());
    std::string_view pattern = patterns.substr(start, comma - start);
    const bool negated = !pattern.empty() && pattern.front() == '~';
    if (negated) pattern.remove_prefix(1);
    if (MatchOne(pattern, text) != negated) return true;
    if (comma >= patterns.size()) return false;
    start = comma + 1;
  }
}

SelectionFilter::SelectionFilter(const resbuf* chain) {
  for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
    const bool text = rb->restype == 0 || rb->restype == 8;
    if (text) {
      if (rb->resval.rstring == nullptr) {
        valid_ = false;
        continue;
      }
      (rb->restype == 0 ? types_ : layers_).emplace_back(rb->resval.rstring);
    } else if (rb->restype == 62) {
      colors_.push_back(rb->resval.rint);
    } else {
      valid_ = false;
    }
  }
}

bool SelectionFilter::accepts(const AcDbEntity& entity) const {
  if (!valid_) return false;
  if (!types_.empty()) {
    const std::string type = EntityTypeName(entity);
    for (const std::string& pattern : types_) {
      if (!WildcardMatch(pattern, type)) return false;
    }
  }
  if (!layers_.empty()) {
    const std::unique_ptr<char, decltype(&std::free)> layer(entity.layer(), &std::free);
    const std::string_view name = layer != nullptr ? std::string_view(layer.get()) : std::string_view();
    for (const std::string& pattern : layers_) {
      if (!WildcardMatch(pattern, name)) return false;
    }
  }
  for (const int color : colors_) {
    if (entity.colorIndex() != color) return false;
  }
  return true;
}

}  // namespace cadeditor
