#include "platform/cad/dxf/dxf_string_codec.h"

#include <cstdint>

namespace {

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

void appendUtf16Escape(std::string& out, std::uint32_t unit) {
  static const char kDigits[] = "0123456789ABCDEF";
  out += "\\U+";
  for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(unit >> shift) & 15];
}

void appendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i]; its length in bytes, 0 when it is none.
std::size_t decodeUtf8(std::string_view text, std::size_t i, std::uint32_t& cp) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto c = static_cast<unsigned char>(text[i + k]);
    if ((c & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (c & 0x3F);
  }
  if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF))) return 0;
  if (cp >= 0xD800 && cp <= 0xDFFF) return 0;
  return length;
}

// Windows-1252 for the bytes 0x80-0x9F; the rest map to the same code point.
std::uint32_t windows1252(unsigned char c) {
  static const std::uint16_t kHigh[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                          0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
  return (c >= 0x80 && c <= 0x9F) ? kHigh[c - 0x80] : c;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A "\U+XXXX" at value[i]: the UTF-16 unit, or -1.
long unicodeEscapeAt(std::string_view value, std::size_t i) {
  if (i + 7 > value.size() || value[i] != '\\' || (value[i + 1] != 'U' && value[i + 1] != 'u') || value[i + 2] != '+')
    return -1;
  long unit = 0;
  for (std::size_t k = 3; k < 7; ++k) {
    const int digit = hexValue(value[i + k]);
    if (digit < 0) return -1;
    unit = unit * 16 + digit;
  }
  return unit;
}

}  // namespace

void appendDxfString(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '^') {
      out += "^ ";
    } else if (isControl(c)) {
      out += '^';
      out += static_cast<char>(c == 0x7F ? '?' : c + 64);
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      std::uint32_t cp = 0;
      const std::size_t length = decodeUtf8(text, i, cp);
      if (length == 0) {
        cp = c;  // not UTF-8: keep the byte's own character
      } else {
        i += length - 1;
      }
      if (cp >= 0x10000) {
        cp -= 0x10000;
        appendUtf16Escape(out, 0xD800 + (cp >> 10));
        appendUtf16Escape(out, 0xDC00 + (cp & 0x3FF));
      } else {
        appendUtf16Escape(out, cp);
      }
    }
  }
}

std::string encodeDxfString(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  appendDxfString(out, text);
  return out;
}

bool dxfStringNeedsDecoding(std::string_view value) {
  for (char ch : value) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '^' || c == '\\' || c >= 0x80) return true;
  }
  return false;
}

std::string decodeDxfString(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    const auto uc = static_cast<unsigned char>(c);
    if (c == '^' && i + 1 < value.size()) {
      const char next = value[i + 1];
      if (next == ' ') {
        out += '^';
        ++i;
        continue;
      }
      if ((next >= '@' && next <= '_') || next == '?') {
        out += static_cast<char>(next == '?' ? 0x7F : next - 64);
        ++i;
        continue;
      }
      out += c;
    } else if (c == '\\') {
      long unit = unicodeEscapeAt(value, i);
      if (unit < 0) {
        out += c;
        continue;
      }
      i += 6;
      std::uint32_t cp = static_cast<std::uint32_t>(unit);
      if (unit >= 0xD800 && unit <= 0xDBFF) {
        const long low = unicodeEscapeAt(value, i + 1);
        if (low >= 0xDC00 && low <= 0xDFFF) {
          cp = 0x10000 + ((static_cast<std::uint32_t>(unit) - 0xD800) << 10) +
               (static_cast<std::uint32_t>(low) - 0xDC00);
          i += 7;
        } else {
          cp = 0xFFFD;
        }
      } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
        cp = 0xFFFD;
      }
      appendUtf8(out, cp);
    } else if (uc >= 0x80) {
      std::uint32_t cp = 0;
      const std::size_t length = decodeUtf8(value, i, cp);
      if (length == 0) {
        appendUtf8(out, windows1252(uc));
      } else {
        out.append(value.substr(i, length));
        i += length - 1;
      }
    } else {
      out += c;
    }
  }
  return out;
}
