// Folder enumeration: FindFirstFile/FindNextFile/FindClose over a pattern such
// as "c:\Ostrivo\Post\*.ppr". '*' and '?' match without case; "*.*" matches
// every name, and "name.*" also "name". "." and ".." are listed like any entry.
#pragma once

#include <string_view>

#include "platform/wintypes/windows_types.h"

struct WIN32_FIND_DATA {
  DWORD dwFileAttributes = 0;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh = 0;
  DWORD nFileSizeLow = 0;
  DWORD dwReserved0 = 0;
  DWORD dwReserved1 = 0;
  CHAR cFileName[MAX_PATH] = {};
  CHAR cAlternateFileName[14] = {};
};
using LPWIN32_FIND_DATA = WIN32_FIND_DATA*;

// INVALID_HANDLE_VALUE when nothing matches (ERROR_FILE_NOT_FOUND) or the folder is missing.
HANDLE FindFirstFile(LPCSTR pattern, LPWIN32_FIND_DATA data);
// FALSE with ERROR_NO_MORE_FILES after the last entry.
BOOL FindNextFile(HANDLE search, LPWIN32_FIND_DATA data);
BOOL FindClose(HANDLE search);

namespace win {
bool MatchesFindPattern(std::string_view pattern, std::string_view name);
}  // namespace win
