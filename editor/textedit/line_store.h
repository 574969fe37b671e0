// The lines of a text buffer. A loaded file stays in one block, its line
// endings squeezed out, and each line points into it; a line gets a block of
// its own only when it is changed or flagged, so that opening a big file
// costs little more than its size.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "editor/textedit/line_record.h"
#include "editor/textedit/owned_line.h"
#include "platform/wintypes/windows_types.h"

class TextLineStore {
 public:
  struct FreeBytes {
    void operator()(char* bytes) const { std::free(bytes); }
  };
  // A block from malloc, so that its unused end can be given back.
  using FileBlock = std::unique_ptr<char, FreeBytes>;

  // Longest line kept; longer ones are refused, never cut.
  static constexpr int kMaxLength = 0x7FFFFF00;

  // Takes size bytes of a file in block and cuts them at every occurrence of
  // ending (one or two distinct bytes) into at least one line. False, keeping
  // the lines held before, when a line is longer than kMaxLength.
  bool Load(FileBlock block, size_t size, std::string_view ending);
  void Clear();

  // Line indices must be valid.
  int Count() const { return static_cast<int>(records_.size()); }
  const char* Text(int line) const {
    const TextLineRecord record = Record(line);
    return record.IsShared() ? file_.get() + record.Offset() : Owned(record).text.get();
  }
  int Length(int line) const {
    const TextLineRecord record = Record(line);
    return record.IsShared() ? static_cast<int>(record.Length()) : Owned(record).length;
  }
  std::string_view View(int line) const { return {Text(line), static_cast<size_t>(Length(line))}; }
  DWORD Flags(int line) const {
    const TextLineRecord record = Record(line);
    return record.IsShared() ? 0 : Owned(record).flags;
  }

  void SetFlags(int line, DWORD flags);
  // New lines from the pieces, the first at index.
  void Insert(int index, const std::vector<std::string_view>& pieces);
  // Removes the lines from first up to (not including) end.
  void Erase(int first, int end);
  void Truncate(int line, int length);
  // bytes may lie in any line of the store.
  void Append(int line, const char* bytes, int count);
  void EraseInLine(int line, int from, int to);

 private:
  const TextLineRecord& Record(int line) const { return records_[static_cast<size_t>(line)]; }
  TextOwnedLine& Owned(TextLineRecord record) { return owned_[record.Slot()]; }
  const TextOwnedLine& Owned(TextLineRecord record) const { return owned_[record.Slot()]; }
  // The line's own block, copied out of the file's block on first use.
  TextOwnedLine& Own(int line);
  TextLineRecord Keep(TextOwnedLine line);
  void Release(TextLineRecord record);

  FileBlock file_;
  std::vector<TextLineRecord> records_;
  std::vector<TextOwnedLine> owned_;
  std::vector<uint32_t> free_slots_;
};
