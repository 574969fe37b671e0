// Files by path: attributes, the read-only bit, delete, move, copy and
// temporary names. Paths may use '\' and drive letters (win_paths.h). Failures
// return FALSE (or the documented failure value) and set GetLastError().
#pragma once

#include "platform/wintypes/windows_types.h"

constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
constexpr DWORD MOVEFILE_COPY_ALLOWED = 0x2;

// READONLY when the owner may not write; HIDDEN for dot names; DIRECTORY;
// NORMAL when none applies. INVALID_FILE_ATTRIBUTES on failure.
DWORD GetFileAttributes(LPCSTR path);
// Only the READONLY bit has an effect: it takes away (or gives back) write permission.
BOOL SetFileAttributes(LPCSTR path, DWORD attributes);

// Refuses folders and read-only files (ERROR_ACCESS_DENIED).
BOOL DeleteFile(LPCSTR path);
// Fails with ERROR_ALREADY_EXISTS when the destination exists; moves files across file systems.
BOOL MoveFile(LPCSTR from, LPCSTR to);
BOOL MoveFileEx(LPCSTR from, LPCSTR to, DWORD flags);
BOOL CopyFile(LPCSTR from, LPCSTR to, BOOL fail_if_exists);

// Writes "<folder>/<first 3 of prefix><hex number>.TMP" into name (MAX_PATH
// characters). With unique 0 a free number is chosen and the empty file created;
// otherwise only the name is made. Returns the number used, 0 on failure.
UINT GetTempFileName(LPCSTR folder, LPCSTR prefix, UINT unique, LPSTR name);
