#include "plugin/shell/settings/registry_text.h"

#include <cstring>

namespace {

// Closes a key on the way out.
class OpenKey {
 public:
  OpenKey() = default;
  ~OpenKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  PHKEY out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

constexpr DWORD kReadBufferSize = 1024;

}  // namespace

int WriteRegistryString(HKEY root, const char* keyPath, const char* valueName, const char* text) {
  if (keyPath == nullptr || valueName == nullptr || text == nullptr) return 0;
  const std::size_t length = std::strlen(text);
  if (length > kMaxRegistryText || std::strlen(valueName) > kMaxRegistryValueName) return 0;
  OpenKey key;
  if (RegOpenKeyEx(root, keyPath, 0, KEY_ALL_ACCESS, key.out()) != ERROR_SUCCESS) {
    OpenKey created;
    if (RegCreateKeyEx(root, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, created.out(),
                       nullptr) != ERROR_SUCCESS) {
      return 0;
    }
    if (RegOpenKeyEx(root, keyPath, 0, KEY_ALL_ACCESS, key.out()) != ERROR_SUCCESS) return 0;
  }
  const LONG status = RegSetValueEx(key.get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                    static_cast<DWORD>(length + 1));
  return status == ERROR_SUCCESS ? 1 : 0;
}

int ReadRegistryString(HKEY root, const char* keyPath, const char* valueName, CString& text) {
  if (keyPath == nullptr || valueName == nullptr) return 0;
  OpenKey key;
  if (RegOpenKeyEx(root, keyPath, 0, KEY_READ, key.out()) != ERROR_SUCCESS) return 0;
  char buffer[kReadBufferSize] = {};
  DWORD type = REG_NONE;
  DWORD size = kReadBufferSize;
  if (RegQueryValueEx(key.get(), valueName, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size) != ERROR_SUCCESS) {
    return 0;
  }
  if (type != REG_SZ || size > kReadBufferSize) return 0;
  // The data may lack its terminating zero: take no more than was stored.
  const void* zero = std::memchr(buffer, '\0', size);
  const std::size_t length = zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer) : size;
  text = CString(buffer, static_cast<int>(length));
  return 1;
}
