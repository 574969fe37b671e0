// The system's language, time and pauses.
#pragma once

#include "platform/wintypes/windows_types.h"

constexpr LANGID kLangKorean = 1042;
constexpr LANGID kLangJapanese = 1041;
constexpr LANGID kLangEnglishUs = 1033;

// From $LANG: "ko..." is Korean, "ja..." Japanese, anything else US English.
LANGID GetSystemDefaultLangID();
LANGID GetUserDefaultLangID();

void Sleep(DWORD milliseconds);

// Milliseconds since the system started; wraps after about 49.7 days.
DWORD GetTickCount();
