#include "platform/win/registry/reg_format.h"

#include <cstdio>
#include <optional>

namespace win::registry {
namespace {

std::string_view Trim(std::string_view text) {
  const char* blanks = " \t\r";
  std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

std::optional<DWORD> ParseHexNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  DWORD number = 0;
  for (char ch : digits) {
    int digit = HexDigit(ch);
    if (digit < 0) return std::nullopt;
    number = number * 16 + static_cast<DWORD>(digit);
  }
  return number;
}

// Reads a quoted string at the start of text; on success text is left after the closing quote.
std::optional<std::string> TakeQuoted(std::string_view& text) {
  if (text.empty() || text[0] != '"') return std::nullopt;
  std::string result;
  for (std::size_t i = 1; i < text.size(); ++i) {
    char ch = text[i];
    if (ch == '"') {
      text.remove_prefix(i + 1);
      return result;
    }
    if (ch != '\\') {
      result += ch;
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\':
        result += '\\';
        break;
      case '"':
        result += '"';
        break;
      case 'n':
        result += '\n';
        break;
      case 'r':
        result += '\r';
        break;
      default:
        return std::nullopt;
    }
  }
  return std::nullopt;
}

std::optional<std::vector<BYTE>> ParseHexBytes(std::string_view list) {
  std::vector<BYTE> bytes;
  list = Trim(list);
  while (!list.empty()) {
    std::size_t comma = list.find(',');
    std::string_view item = Trim(list.substr(0, comma));
    std::optional<DWORD> byte = ParseHexNumber(item);
    if (item.size() != 2 || !byte) return std::nullopt;
    bytes.push_back(static_cast<BYTE>(*byte));
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
    if (Trim(list).empty()) return std::nullopt;  // a trailing comma
  }
  return bytes;
}

// "dword:..", "hex:..", "hex(N):.." or a quoted text.
std::optional<Value> ParseData(std::string_view data) {
  Value value;
  if (data.starts_with('"')) {
    std::optional<std::string> text = TakeQuoted(data);
    if (!text || !Trim(data).empty()) return std::nullopt;
    value.type = kTypeString;
    value.data.assign(text->begin(), text->end());
    return value;
  }
  if (data.starts_with("dword:")) {
    std::optional<DWORD> number = ParseHexNumber(data.substr(6));
    if (!number) return std::nullopt;
    value.type = kTypeDword;
    for (int shift = 0; shift < 32; shift += 8) value.data.push_back(static_cast<BYTE>(*number >> shift));
    return value;
  }
  std::size_t colon = data.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  std::string_view kind = data.substr(0, colon);
  if (kind == "hex") {
    value.type = kTypeBinary;
  } else if (kind.starts_with("hex(") && kind.ends_with(')')) {
    std::optional<DWORD> type = ParseHexNumber(kind.substr(4, kind.size() - 5));
    if (!type) return std::nullopt;
    value.type = *type;
  } else {
    return std::nullopt;
  }
  std::optional<std::vector<BYTE>> bytes = ParseHexBytes(data.substr(colon + 1));
  if (!bytes) return std::nullopt;
  value.data = std::move(*bytes);
  return value;
}

bool IsValidKeyPath(std::string_view path) {
  if (!Tree::IsRootName(RootOf(path))) return false;
  for (std::size_t start = 0;;) {
    std::size_t slash = path.find('\\', start);
    if (slash == start) return false;  // an empty name
    if (slash == std::string_view::npos) return start < path.size();
    start = slash + 1;
  }
}

// Splits text into lines, joining hex lines continued with a trailing '\'.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  bool Next(std::string& line, int& number) {
    if (position_ >= text_.size()) return false;
    number = ++line_number_;
    line = std::string(Trim(TakeLine()));
    while (line.ends_with('\\') && line.find("=hex") != std::string::npos && position_ < text_.size()) {
      line.pop_back();
      ++line_number_;
      line += Trim(TakeLine());
    }
    return true;
  }

 private:
  std::string_view TakeLine() {
    std::size_t end = text_.find('\n', position_);
    if (end == std::string_view::npos) end = text_.size();
    std::string_view line = text_.substr(position_, end - position_);
    position_ = end + 1;
    return line;
  }
  std::string_view text_;
  std::size_t position_ = 0;
  int line_number_ = 0;
};

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  // Runs without anything to escape go in whole: a store may hold values of megabytes.
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t special = std::min(text.find_first_of("\\\"\n\r", at), text.size());
    out.append(text.substr(at, special - at));
    if (special == text.size()) break;
    const char ch = text[special];
    at = special + 1;
    switch (ch) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out += "\\r";
    }
  }
  out += '"';
}

void AppendData(std::string& out, const Value& value) {
  char buffer[32];
  if (value.type == kTypeString) {
    AppendQuoted(out, std::string_view(reinterpret_cast<const char*>(value.data.data()), value.data.size()));
    return;
  }
  if (value.type == kTypeDword && value.data.size() == 4) {
    DWORD number = 0;
    for (int i = 3; i >= 0; --i) number = number << 8 | value.data[i];
    std::snprintf(buffer, sizeof buffer, "dword:%08x", number);
    out += buffer;
    return;
  }
  if (value.type == kTypeBinary) {
    out += "hex:";
  } else {
    std::snprintf(buffer, sizeof buffer, "hex(%x):", value.type);
    out += buffer;
  }
  for (std::size_t i = 0; i < value.data.size(); ++i) {
    std::snprintf(buffer, sizeof buffer, i == 0 ? "%02x" : ",%02x", value.data[i]);
    out += buffer;
  }
}

}  // namespace

bool ParseRegText(std::string_view text, Tree& tree, std::string& error) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  LineReader reader(text);
  std::string line;
  int number = 0;
  bool header_seen = false;
  Key* key = nullptr;
  auto fail = [&](const std::string& why) {
    error = "line " + std::to_string(number) + ": " + why;
    return false;
  };
  while (reader.Next(line, number)) {
    if (line.empty() || line.starts_with(';')) continue;
    if (!header_seen) {
      if (line != kRegHeader) return fail("the first line is not \"" + std::string(kRegHeader) + "\"");
      header_seen = true;
      continue;
    }
    if (line.starts_with('[')) {
      std::string_view path = std::string_view(line).substr(1);
      if (!path.ends_with(']')) return fail("a key section without its closing ']'");
      path.remove_suffix(1);
      if (KeyDepth(path) > kMaxKeyDepth) return fail("a key deeper than " + std::to_string(kMaxKeyDepth) + " levels");
      if (!IsValidKeyPath(path)) return fail("\"" + std::string(path) + "\" is not a key path");
      key = &tree.Create(path);
      continue;
    }
    if (!key) return fail("a value outside any [key] section");
    std::string_view rest = line;
    std::string name;
    if (rest.starts_with('@')) {
      rest.remove_prefix(1);
    } else if (std::optional<std::string> quoted = TakeQuoted(rest)) {
      name = std::move(*quoted);
    } else {
      return fail("neither a [key] section nor a \"name\"=value line");
    }
    rest = Trim(rest);
    if (!rest.starts_with('=')) return fail("a value name without '='");
    std::optional<Value> value = ParseData(Trim(rest.substr(1)));
    if (!value) return fail("the data of value \"" + name + "\" cannot be read");
    value->name = std::move(name);
    key->SetValue(std::move(*value));
  }
  return true;
}

std::string FormatRegText(const Tree& tree) {
  std::string out(kRegHeader);
  out += "\n";
  for (const auto& [folded, key] : tree.keys()) {
    // Reading a subkey's section makes its ancestors again.
    if (key.values.empty() && tree.HasSubkeys(key.path)) continue;
    out += "\n[" + key.path + "]\n";
    for (const Value& value : key.values) {
      if (value.name.empty()) {
        out += '@';
      } else {
        AppendQuoted(out, value.name);
      }
      out += '=';
      AppendData(out, value);
      out += '\n';
    }
  }
  return out;
}

}  // namespace win::registry
