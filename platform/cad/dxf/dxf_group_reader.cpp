#include "platform/cad/dxf/dxf_group_reader.h"

#include <charconv>
#include <cstring>

#include "platform/cad/dxf/dxf_number_text.h"

DxfGroupReader::DxfGroupReader(std::string_view text) : text_(text) {
  if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;  // a UTF-8 byte-order mark
}

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
  std::string_view codeText;
  if (!readLine(codeText)) return false;
  const std::string_view trimmed = trimDxfBlanks(codeText);
  int code = 0;
  auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), code);
  if (trimmed.empty() || ec != std::errc() || end != trimmed.data() + trimmed.size() || code < -5 || code > 1071) {
    // The binary form of DXF opens with a sentinel that ends in the bytes 0x1A 0x00.
    if (codeLine == 1 &&
        (codeText.find('\x1a') != std::string_view::npos || text_.substr(0, 32).find('\0') != std::string_view::npos)) {
      fail(codeLine, "this is a binary file; only text DXF files are read");
    } else {
      fail(codeLine, "bad group code '" + std::string(codeText.substr(0, 40)) + "'");
    }
    return false;
  }
  std::string_view value;
  if (!readLine(value)) {
    fail(codeLine, "the file ends after group code " + std::to_string(code) + ", without its value");
    return false;
  }
  last_ = DxfGroup{code, value, codeLine};
  group = last_;
  return true;
}
