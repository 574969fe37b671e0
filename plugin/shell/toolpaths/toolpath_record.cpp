#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

const char* SkipSpace(const char* p) {
  while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p))) ++p;
  return p;
}

// One decimal integer after optional white space, as "%d" reads it, but
// refusing values that do not fit.
bool ReadInteger(const char*& p, int& value) {
  char* end = nullptr;
  errno = 0;
  const long read = std::strtol(p, &end, 10);
  if (end == p || errno == ERANGE || read < INT_MIN || read > INT_MAX) return false;
  value = static_cast<int>(read);
  p = end;
  return true;
}

}  // namespace

const char* ToolpathKindName(int kind) {
  switch (kind) {
    case kToolpathPocket:
      return "POCKET";
    case kToolpathProfile:
      return "PROFILE";
    case kToolpathDrillCycle:
      return "CYCLE";
    case kToolpathLathe:
      return "LATHE";
    case kToolpathSolidPocket:
      return "SOLID_POCKET";
    case kToolpathSolidCut:
      return "SOLMILL";
    case kToolpathZLevelContour:
      return "ZPROFILE";
    default:
      return "";
  }
}

bool IsToolpathRecordText(const char* text) {
  return text != nullptr && std::strncmp(text, kToolpathRecordTag, std::strlen(kToolpathRecordTag)) == 0;
}

int ParseToolpathRecordKind(const char* text, int* version) {
  if (text == nullptr) return -1;
  const char* p = SkipSpace(text);
  if (!IsToolpathRecordText(p)) return -1;
  // The first token is the tag, whatever may be glued to it.
  while (*p != '\0' && !std::isspace(static_cast<unsigned char>(*p))) ++p;
  int readVersion = 0;
  int kind = 0;
  if (!ReadInteger(p, readVersion) || !ReadInteger(p, kind)) return -1;
  if (version != nullptr) *version = readVersion;
  return kind;
}

CString FormatToolpathRecordHeader(int version, int kind) {
  CString header;
  header.Format("%s %d %d", kToolpathRecordTag, version, kind);
  return header;
}
