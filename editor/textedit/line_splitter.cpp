#include "editor/textedit/line_splitter.h"

#include <cstring>

namespace {
// A long line's scratch space is given back rather than kept for the rest of the load.
constexpr size_t kKeepPendingCapacity = 1 << 20;
}  // namespace

LineSplitter::LineSplitter(std::string_view ending, std::vector<TextLineRecord>& lines)
    : ending_(ending), lines_(lines) {}

bool LineSplitter::Feed(const char* data, size_t size) {
  const char last = ending_.back();
  const bool two_bytes = ending_.size() == 2;
  size_t line_start = 0;
  size_t search = 0;
  while (search < size) {
    const void* hit = std::memchr(data + search, last, size - search);
    if (hit == nullptr) break;
    const size_t at = static_cast<size_t>(static_cast<const char*>(hit) - data);
    search = at + 1;
    if (!two_bytes) {
      if (!EmitLine(data + line_start, at - line_start)) return false;
      line_start = search;
      continue;
    }
    // The ending's first byte may be the last one of the previous chunk.
    const bool starts_here = at > 0;
    const char before = starts_here ? data[at - 1] : (pending_.empty() ? '\0' : pending_.back());
    if (before != ending_[0] || (!starts_here && pending_.empty())) continue;
    if (at > line_start) {
      if (!EmitLine(data + line_start, at - 1 - line_start)) return false;
    } else {
      pending_.pop_back();
      if (!EmitLine(data, 0)) return false;
    }
    line_start = search;
  }
  const size_t rest = size - line_start;
  if (pending_.size() + rest > static_cast<size_t>(TextLineRecord::kMaxLength)) return false;
  pending_.append(data + line_start, rest);
  return true;
}

bool LineSplitter::Finish() { return EmitLine(nullptr, 0); }

bool LineSplitter::EmitLine(const char* data, size_t size) {
  if (pending_.empty()) {
    if (size > static_cast<size_t>(TextLineRecord::kMaxLength)) return false;
    lines_.push_back(TextLineRecord::Make(data, static_cast<int>(size)));
    return true;
  }
  if (pending_.size() + size > static_cast<size_t>(TextLineRecord::kMaxLength)) return false;
  pending_.append(data, size);
  lines_.push_back(TextLineRecord::Make(pending_.data(), static_cast<int>(pending_.size())));
  pending_.clear();
  if (pending_.capacity() > kKeepPendingCapacity) pending_.shrink_to_fit();
  return true;
}
