// The calling thread's last error code, and the translation of errno values
// into the system error codes that callers test.
#pragma once

#include "platform/wintypes/windows_types.h"

DWORD GetLastError();
void SetLastError(DWORD error);

namespace win {

// ERROR_* code for an errno value.
DWORD ErrorFromErrno(int errno_value);

// Records ErrorFromErrno(errno) as the last error; returns FALSE for chaining.
BOOL FailWithErrno();

}  // namespace win
