#include "platform/cad/dxf/dxf_group_reader.h"

#include <cstring>

#include "platform/cad/dxf/dxf_number_text.h"

DxfGroupReader::DxfGroupReader(std::string_view text) : text_(text) {
  if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;  // a UTF-8 byte-order mark
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A group code line: blanks, an optional '-', digits, blanks. False for anything else
// and for codes outside -5 .. 1071.
bool parseGroupCode(std::string_view text, int& code) {
  std::size_t i = 0;
  const std::size_t size = text.size();
  while (i < size && isBlank(text[i])) ++i;
  const bool negative = i < size && text[i] == '-';
  if (negative) ++i;
  const std::size_t firstDigit = i;
  int value = 0;
  for (; i < size && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value < 100000) value = value * 10 + (text[i] - '0');
  }
  if (i == firstDigit) return false;
  while (i < size && (isBlank(text[i]) || text[i] == '\r')) ++i;
  if (i != size) return false;
  code = negative ? -value : value;
  return code >= -5 && code <= 1071;
}

}  // namespace

bool DxfGroupReader::readLine(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  const char* begin = text_.data() + pos_;
  const void* newline = std::memchr(begin, '\n', text_.size() - pos_);
  std::size_t length =
      newline != nullptr ? static_cast<std::size_t>(static_cast<const char*>(newline) - begin) : text_.size() - pos_;
  pos_ += length + (newline != nullptr ? 1 : 0);
  if (length > 0 && begin[length - 1] == '\r') --length;
  line = std::string_view(begin, length);
  ++line_;
  return true;
}

void DxfGroupReader::fail(long line, const std::string& what) {
  if (error_.empty()) error_ = "line " + std::to_string(line) + ": " + what;
}

bool DxfGroupReader::next(DxfGroup& group) {
  if (pushedBack_) {
    pushedBack_ = false;
    group = last_;
    return true;
  }
  if (failed()) return false;
  const long codeLine = line_;
  int code = 0;
  if (!readPlainCode(code)) {
    std::string_view codeText;
    if (!readLine(codeText)) return false;
    if (parseGroupCode(codeText, code)) return readValue(code, codeLine, group);
    // The binary form of DXF opens with a sentinel that ends in the bytes 0x1A 0x00.
    if (codeLine == 1 &&
        (codeText.find('\x1a') != std::string_view::npos || text_.substr(0, 32).find('\0') != std::string_view::npos)) {
      fail(codeLine, "this is a binary file; only text DXF files are read");
    } else {
      fail(codeLine, "bad group code '" + std::string(codeText.substr(0, 40)) + "'");
    }
    return false;
  }
  return readValue(code, codeLine, group);
}

// Most code lines are blanks and a few digits: read without a search for the line's end.
bool DxfGroupReader::readPlainCode(int& code) {
  const char* const begin = text_.data() + pos_;
  const char* const end = text_.data() + text_.size();
  const char* p = begin;
  while (p != end && *p == ' ') ++p;
  const char* const digits = p;
  int value = 0;
  while (p != end && p - digits < 4 && *p >= '0' && *p <= '9') value = value * 10 + (*p++ - '0');
  if (p == digits || p == end || value > 1071) return false;
  if (*p == '\r' && p + 1 != end) ++p;
  if (*p != '\n') return false;
  code = value;
  pos_ += static_cast<std::size_t>(p + 1 - begin);
  ++line_;
  return true;
}

bool DxfGroupReader::readValue(int code, long codeLine, DxfGroup& group) {
  std::string_view value;
  if (!readLine(value)) {
    fail(codeLine, "the file ends after group code " + std::to_string(code) + ", without its value");
    return false;
  }
  // Record names carry no meaningful blanks; "ENDSEC " still ends a section.
  if (code == 0) value = trimDxfBlanks(value);
  last_ = DxfGroup{code, value, codeLine};
  group = last_;
  return true;
}
