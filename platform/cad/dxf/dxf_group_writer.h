// DxfGroupWriter: builds the text of a DXF file in memory, group by group. Codes are
// right-aligned in three columns as DXF writers customarily do; strings are caret
// escaped; reals get the fewest digits that read back exactly.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/cad/db/db_handle.h"

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

  const std::string& text() const { return text_; }
  std::string takeText() { return std::move(text_); }
  void reserve(std::size_t bytes) { text_.reserve(bytes); }

 private:
  void code(int code);

  std::string text_;
};
