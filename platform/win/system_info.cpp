#include "platform/win/system_info.h"

#include <chrono>
#include <cstdlib>
#include <string_view>
#include <thread>

LANGID GetSystemDefaultLangID() {
  const char* lang = std::getenv("LANG");
  std::string_view name = lang ? lang : "";
  if (name.starts_with("ko")) return kLangKorean;
  if (name.starts_with("ja")) return kLangJapanese;
  return kLangEnglishUs;
}

LANGID GetUserDefaultLangID() { return GetSystemDefaultLangID(); }

void Sleep(DWORD milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

DWORD GetTickCount() {
  auto since_start = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(since_start).count());
}
