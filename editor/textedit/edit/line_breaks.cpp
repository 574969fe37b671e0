#include "editor/textedit/edit/line_breaks.h"

namespace line_breaks {

std::string ToCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '\r') {
      out += "\r\n";
      if (at + 1 < text.size() && text[at + 1] == '\n') ++at;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace line_breaks
