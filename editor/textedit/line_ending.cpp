#include "editor/textedit/line_ending.h"

namespace line_ending {

bool IsValidStyle(int style) { return style == kCrLf || style == kLfCr || style == kLf || style == kCr; }

std::string_view Bytes(int style) {
  switch (style) {
    case kLfCr:
      return "\n\r";
    case kLf:
      return "\n";
    case kCr:
      return "\r";
    default:
      return "\r\n";
  }
}

const char* StatusText(int style) {
  switch (style) {
    case kLfCr:
      return "LF CR";
    case kLf:
      return "UNIX";
    case kCr:
      return "MAC";
    default:
      return "DOS";
  }
}

int StyleAroundFirstLf(int byte_before, int byte_after) {
  if (byte_before == '\r') return kCrLf;
  if (byte_after == '\r') return kLfCr;
  return kLf;
}

int StyleWithoutLf(bool has_cr) { return has_cr ? kCr : kCrLf; }

}  // namespace line_ending
