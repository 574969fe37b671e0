#include "editor/textedit/line_ending.h"

namespace line_ending {

bool IsValidStyle(int style) { return style == kCrLf || style == kLfCr || style == kLf; }

std::string_view Bytes(int style) {
  switch (style) {
    case kLfCr:
      return "\n\r";
    case kLf:
      return "\n";
    default:
      return "\r\n";
  }
}

const char* StatusText(int style) {
  switch (style) {
    case kLfCr:
      return "UNIX";
    case kLf:
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

}  // namespace line_ending
