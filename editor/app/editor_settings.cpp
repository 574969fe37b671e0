#include "editor/app/editor_settings.h"

#include <vector>

#include "platform/win/registry/registry.h"
#include "platform/win/win_paths.h"

CString NcDataFolder;
CString FileFilterPattern;
CString ConfigFolder;

namespace settings {
namespace {

// A key handle that closes itself.
class OpenKey {
 public:
  OpenKey(REGSAM access, bool create) {
    if (create) {
      if (RegCreateKeyEx(HKEY_LOCAL_MACHINE, kEditorKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key_,
                         nullptr) != ERROR_SUCCESS) {
        key_ = nullptr;
      }
    } else if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kEditorKey, 0, access, &key_) != ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  ~OpenKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

std::string Read(const char* name) {
  OpenKey key(KEY_READ, false);
  if (key.get() == nullptr) return "";
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueEx(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0) return "";
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueEx(key.get(), name, nullptr, &type, reinterpret_cast<LPBYTE>(data.data()), &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return "";
  }
  // Stored with or without the terminating zero: the text ends at the first zero.
  return std::string(data.data());
}

std::string NcDataDefault() { return win::FolderUnderHome("c:\\marrel\\ncdata"); }
std::string ConfigDefault() { return win::FolderUnderHome("c:\\marrel"); }
std::string MacroDefault() { return win::FolderUnderHome("C:\\marrel\\Macro"); }

std::string ReadOr(const char* name, const std::string& fallback) {
  std::string value = Read(name);
  return value.empty() ? fallback : value;
}

bool Write(const char* name, const std::string& value, bool with_zero) {
  OpenKey key(KEY_ALL_ACCESS, true);
  if (key.get() == nullptr) return false;
  const DWORD size = static_cast<DWORD>(value.size() + (with_zero ? 1 : 0));
  return RegSetValueEx(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), size) == ERROR_SUCCESS;
}

}  // namespace settings

void LoadFolderStrings() {
  NcDataFolder = settings::ReadOr("ncdatadir", settings::NcDataDefault()).c_str();
  FileFilterPattern = settings::ReadOr("expan", settings::kPatternDefault).c_str();
  ConfigFolder = settings::ReadOr("CfgDir", settings::ConfigDefault()).c_str();
}
