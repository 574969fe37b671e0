#include "host/svg/svg_xml.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";

bool isXmlChar(std::uint32_t c) {
  if (c == 0x9 || c == 0xA || c == 0xD) return true;
  if (c < 0x20) return false;
  if (c == 0xFFFE || c == 0xFFFF) return false;
  return c <= 0x10FFFF;
}

const char* markupEntity(std::uint32_t c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    case '\'':
      return "&apos;";
    default:
      return nullptr;
  }
}

// Length of the UTF-8 sequence at text[i] and its code point; 0 when broken.
std::size_t decodeUtf8(std::string_view text, std::size_t i, std::uint32_t& code) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  std::uint32_t minimum = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
    minimum = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF) return 0;  // overlong or out of range
  if (code >= 0xD800 && code <= 0xDFFF) return 0;   // surrogates are not characters
  return length;
}

// The text with what XML cannot carry dropped or replaced, and with markup escaped on request.
std::string xmlText(std::string_view text, bool escapeMarkup) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::uint32_t code = 0;
    const std::size_t length = decodeUtf8(text, i, code);
    if (length == 0) {
      out += kReplacement;
      ++i;
      continue;
    }
    const char* entity = escapeMarkup ? markupEntity(code) : nullptr;
    if (entity != nullptr) {
      out += entity;
    } else if (isXmlChar(code)) {
      out.append(text.substr(i, length));
    }
    i += length;
  }
  return out;
}

}  // namespace

std::string XmlEscape(std::string_view text) { return xmlText(text, true); }

// Markup means nothing in a comment: it stays as it is.
std::string XmlCommentText(std::string_view text) {
  std::string out;
  for (const char c : xmlText(text, false)) {
    if (c == '-' && !out.empty() && out.back() == '-') out += ' ';
    out += c;
  }
  if (!out.empty() && out.back() == '-') out += ' ';
  return out;
}

SvgNumberFormat::SvgNumberFormat(int decimals) : decimals_(std::clamp(decimals, 0, 12)) {}

SvgNumberFormat SvgNumberFormat::forSize(double size) {
  if (!std::isfinite(size) || size <= 0.0) return SvgNumberFormat(6);
  return SvgNumberFormat(6 - static_cast<int>(std::floor(std::log10(size))));
}

std::string SvgNumberFormat::operator()(double value) const {
  if (!std::isfinite(value)) return "0";
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::fixed, decimals_);
  if (result.ec != std::errc()) return "0";
  std::string text(buffer, result.ptr);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}
