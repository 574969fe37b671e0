// DxfGroupReader: walks the text of a DXF file one group (code line, value line) at
// a time without copying it. Values are views into the text, valid while it lives.
#pragma once

#include <string>
#include <string_view>

struct DxfGroup {
  int code = 0;
  std::string_view value;  // without the line break
  long line = 0;           // the line of the group code, counted from 1
};

class DxfGroupReader {
 public:
  explicit DxfGroupReader(std::string_view text);

  // False at the end of the text, and on damage (then error() says why, with the line).
  bool next(DxfGroup& group);
  // The group just read comes again at the next call (one step back only).
  void pushBack() { pushedBack_ = true; }
  bool atEnd() const { return !pushedBack_ && pos_ >= text_.size(); }
  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }
  // The line the reader stands on (the next one to read).
  long line() const { return line_; }
  // The last line of the text (for "the file ends" messages).
  long lastLine() const { return line_ > 1 ? line_ - 1 : 1; }
  std::size_t offset() const { return pos_; }

 private:
  bool readLine(std::string_view& line);
  bool readPlainCode(int& code);
  bool readValue(int code, long codeLine, DxfGroup& group);
  void fail(long line, const std::string& what);

  std::string_view text_;
  std::size_t pos_ = 0;
  long line_ = 1;
  DxfGroup last_;
  bool pushedBack_ = false;
  std::string error_;
};
