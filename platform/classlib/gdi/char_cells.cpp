#include "platform/classlib/gdi/char_cells.h"

#include <string>

namespace afx {

char32_t DecodeUtf8(std::string_view text, size_t at, size_t* length) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  size_t count = 1;
  char32_t code = lead;
  if (lead >= 0xC2 && lead <= 0xDF) {
    count = 2, code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    count = 3, code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    count = 4, code = lead & 0x07;
  }
  if (count > 1) {
    if (at + count > text.size()) {
      count = 1, code = lead;
    } else {
      for (size_t i = 1; i < count; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
          *length = 1;
          return lead;
        }
        code = (code << 6) | (byte(at + i) & 0x3F);
      }
    }
  }
  *length = count;
  return code;
}

size_t Utf8Length(std::string_view text, size_t at) {
  size_t length = 1;
  DecodeUtf8(text, at, &length);
  return length;
}

int CharCells(char32_t c) {
  const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
                    (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
                    (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
                    (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
  return wide ? 2 : 1;
}

int TextCells(std::string_view text) {
  int cells = 0;
  for (size_t at = 0; at < text.size();) {
    size_t length = 1;
    cells += CharCells(DecodeUtf8(text, at, &length));
    at += length;
  }
  return cells;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace afx
