// Folders: create and remove, the current folder, the temporary folder, and
// the "drives" (the file system root, the home folder that "c:" stands for,
// and the mounts under /media, /mnt and /run/media).
#pragma once

#include <string>
#include <vector>

#include "platform/wintypes/windows_types.h"

BOOL CreateDirectory(LPCSTR path, LPSECURITY_ATTRIBUTES security);
BOOL RemoveDirectory(LPCSTR path);

BOOL SetCurrentDirectory(LPCSTR path);
// The length copied (without the zero); when the buffer is too small, the size it needs.
DWORD GetCurrentDirectory(DWORD buffer_size, LPSTR buffer);
// $TMPDIR or /tmp, ending with '/'; sizes as GetCurrentDirectory.
DWORD GetTempPath(DWORD buffer_size, LPSTR buffer);

// Zero-separated drive roots, each ending with '/', with one more zero at the
// end. Returns the length without that last zero, or the buffer size needed.
DWORD GetLogicalDriveStrings(DWORD buffer_size, LPSTR buffer);

namespace win {
std::vector<std::string> DriveRoots();
}  // namespace win
