// One line of a text buffer in eight bytes, for files of millions of lines:
// either a run of the file's bytes as loaded (offset and length), or the slot
// of a line with a block of its own. A loaded line has no flags.
#pragma once

#include <cstddef>
#include <cstdint>

class TextLineRecord {
 public:
  static constexpr size_t kMaxSharedOffset = (uint64_t{1} << 38) - 1;
  static constexpr size_t kMaxSharedLength = (uint64_t{1} << 25) - 1;

  static bool FitsShared(size_t offset, size_t length) {
    return offset <= kMaxSharedOffset && length <= kMaxSharedLength;
  }
  // FitsShared(offset, length) must hold.
  static TextLineRecord Shared(size_t offset, size_t length) {
    return TextLineRecord(uint64_t{1} | uint64_t{offset} << 1 | uint64_t{length} << 39);
  }
  static TextLineRecord Owned(uint32_t slot) { return TextLineRecord(uint64_t{slot} << 1); }

  bool IsShared() const { return (word_ & 1) != 0; }
  size_t Offset() const { return static_cast<size_t>((word_ >> 1) & kMaxSharedOffset); }
  size_t Length() const { return static_cast<size_t>(word_ >> 39); }
  uint32_t Slot() const { return static_cast<uint32_t>(word_ >> 1); }

 private:
  explicit TextLineRecord(uint64_t word) : word_(word) {}

  uint64_t word_;
};

static_assert(sizeof(TextLineRecord) == 8);
