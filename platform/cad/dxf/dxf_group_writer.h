// DxfGroupWriter: builds the text of a DXF file in memory, group by group. Codes are
// right-aligned in three columns as DXF writers customarily do; strings are caret
// escaped; reals get the fewest digits that read back exactly. Groups gather in a
// small string that stays in the cache and goes to the file's buffer in chunks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/cad/db/db_handle.h"
#include "platform/cad/dxf/dxf_text_buffer.h"

struct DxfItem;

class DxfGroupWriter {
 public:
  DxfGroupWriter() = default;

  void string(int code, std::string_view value);
  // A value written as it is (names and keywords known to be plain).
  void plain(int code, std::string_view value);
  void real(int code, double value);
  void integer(int code, std::int64_t value);
  void point(int code, double x, double y, double z);
  void point2d(int code, double x, double y);
  void handle(int code, const AcDbHandle& handle);
  // Any item as an object's filer made it.
  void item(const DxfItem& item);

  // The text written so far.
  std::string_view text() {
    flush();
    return text_.view();
  }
  DxfTextBuffer takeText() {
    flush();
    return std::move(text_);
  }
  void reserve(std::size_t bytes) { text_.reserve(bytes); }
  // The code of the first real written that was not finite (no reader takes "nan"), or 0;
  // asking clears it.
  int takeNonFiniteCode() { return std::exchange(nonFiniteCode_, 0); }

 private:
  void code(int code);
  void flush();

  std::string pending_;
  DxfTextBuffer text_;
  int nonFiniteCode_ = 0;
};
