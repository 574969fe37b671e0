#include "platform/win/system_info.h"

#include <chrono>
#include <cstdlib>
#include <string_view>

#include "platform/ui/ui_driver.h"

LANGID GetSystemDefaultLangID() {
  const char* lang = std::getenv("LANG");
  std::string_view name = lang ? lang : "";
  if (name.starts_with("ko")) return kLangKorean;
  if (name.starts_with("ja")) return kLangJapanese;
  return kLangEnglishUs;
}

LANGID GetUserDefaultLangID() { return GetSystemDefaultLangID(); }

void Sleep(DWORD milliseconds) { ui::Ui().Pause(milliseconds); }

DWORD GetTickCount() {
  auto since_start = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(since_start).count());
}
