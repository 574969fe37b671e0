#include "editor/textedit/line_store.h"

#include <cstring>

namespace {

// At least the lines there are: one more than the ending's last byte occurs.
size_t MostLines(std::string_view bytes, std::string_view ending) {
  size_t count = 1;
  const char* const end = bytes.data() + bytes.size();
  for (const char* at = bytes.data(); at < end; ++count) {
    at = static_cast<const char*>(std::memchr(at, ending.back(), static_cast<size_t>(end - at)));
    if (at == nullptr) break;
    ++at;
  }
  return count;
}

// The next ending at or after from, or npos. Its bytes are distinct, so the
// search goes from one of its last bytes to the next.
size_t FindEnding(std::string_view bytes, size_t from, std::string_view ending) {
  const size_t skip = ending.size() - 1;
  for (size_t at = from + skip; at < bytes.size();) {
    const void* hit = std::memchr(bytes.data() + at, ending.back(), bytes.size() - at);
    if (hit == nullptr) break;
    const size_t last = static_cast<size_t>(static_cast<const char*>(hit) - bytes.data());
    if (skip == 0 || bytes[last - 1] == ending[0]) return last - skip;
    at = last + 1;
  }
  return std::string_view::npos;
}

}  // namespace

bool TextLineStore::Load(FileBlock block, size_t size, std::string_view ending) {
  TextLineStore loaded;
  if (block == nullptr) block.reset(static_cast<char*>(std::malloc(1)));
  if (block == nullptr) return false;
  char* const bytes = block.get();
  const std::string_view all(bytes, size);
  loaded.records_.reserve(MostLines(all, ending));
  size_t kept = 0;  // bytes of the lines so far, moved down over their endings
  for (size_t start = 0;;) {
    const size_t found = FindEnding(all, start, ending);
    const size_t stop = found == std::string_view::npos ? size : found;
    const size_t length = stop - start;
    if (length > static_cast<size_t>(kMaxLength)) return false;
    if (TextLineRecord::FitsShared(kept, length)) {
      if (kept != start) std::memmove(bytes + kept, bytes + start, length);
      loaded.records_.push_back(TextLineRecord::Shared(kept, length));
      kept += length;
    } else {
      loaded.records_.push_back(loaded.Keep(TextOwnedLine::Make(bytes + start, static_cast<int>(length))));
    }
    if (found == std::string_view::npos) break;
    start = stop + ending.size();
  }
  // The endings' room at the end goes back; a failed shrink keeps the block as it is.
  if (char* smaller = static_cast<char*>(std::realloc(block.get(), kept == 0 ? 1 : kept))) {
    static_cast<void>(block.release());
    block.reset(smaller);
  }
  loaded.file_ = std::move(block);
  *this = std::move(loaded);
  return true;
}

void TextLineStore::Clear() {
  records_.clear();
  records_.shrink_to_fit();
  owned_.clear();
  owned_.shrink_to_fit();
  free_slots_.clear();
  free_slots_.shrink_to_fit();
  file_.reset();
}

void TextLineStore::SetFlags(int line, DWORD flags) {
  if (Record(line).IsShared() && flags == 0) return;
  Own(line).flags = flags;
}

void TextLineStore::Insert(int index, const std::vector<std::string_view>& pieces) {
  std::vector<TextLineRecord> added;
  added.reserve(pieces.size());
  for (const std::string_view piece : pieces) {
    added.push_back(Keep(TextOwnedLine::Make(piece.data(), static_cast<int>(piece.size()))));
  }
  records_.insert(records_.begin() + index, added.begin(), added.end());
}

void TextLineStore::Erase(int first, int end) {
  for (int line = first; line < end; ++line) Release(Record(line));
  records_.erase(records_.begin() + first, records_.begin() + end);
}

void TextLineStore::Truncate(int line, int length) {
  const TextLineRecord record = Record(line);
  if (record.IsShared()) {
    records_[static_cast<size_t>(line)] = TextLineRecord::Shared(record.Offset(), static_cast<size_t>(length));
  } else {
    Owned(record).Truncate(length);
  }
}

void TextLineStore::Append(int line, const char* bytes, int count) {
  if (count <= 0) return;
  Own(line).Append(bytes, count);
}

void TextLineStore::EraseInLine(int line, int from, int to) {
  const TextLineRecord record = Record(line);
  if (record.IsShared() && to == static_cast<int>(record.Length())) {
    Truncate(line, from);
  } else if (record.IsShared() && from == 0) {
    records_[static_cast<size_t>(line)] =
        TextLineRecord::Shared(record.Offset() + static_cast<size_t>(to), record.Length() - static_cast<size_t>(to));
  } else {
    Own(line).Erase(from, to);
  }
}

TextOwnedLine& TextLineStore::Own(int line) {
  const TextLineRecord record = Record(line);
  if (!record.IsShared()) return Owned(record);
  const TextLineRecord owned = Keep(TextOwnedLine::Make(Text(line), Length(line)));
  records_[static_cast<size_t>(line)] = owned;
  return Owned(owned);
}

TextLineRecord TextLineStore::Keep(TextOwnedLine line) {
  if (free_slots_.empty()) {
    owned_.push_back(std::move(line));
    return TextLineRecord::Owned(static_cast<uint32_t>(owned_.size() - 1));
  }
  const uint32_t slot = free_slots_.back();
  free_slots_.pop_back();
  owned_[slot] = std::move(line);
  return TextLineRecord::Owned(slot);
}

void TextLineStore::Release(TextLineRecord record) {
  if (record.IsShared()) return;
  owned_[record.Slot()] = TextOwnedLine{};
  free_slots_.push_back(record.Slot());
}
