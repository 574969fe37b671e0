#include "platform/win/registry/registry.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/registry/registry_store.h"
#include "platform/win/registry/registry_tree.h"

namespace {

using win::registry::Key;
using win::registry::Tree;
using win::registry::Value;

struct OpenKey {
  std::string path;
  REGSAM access = 0;
};

class HandleTable {
 public:
  HKEY Add(OpenKey key) {
    std::lock_guard lock(mutex_);
    next_id_ += 8;
    keys_.emplace(next_id_, std::move(key));
    return reinterpret_cast<HKEY>(next_id_);
  }
  bool Remove(HKEY key) {
    std::lock_guard lock(mutex_);
    return keys_.erase(reinterpret_cast<std::uintptr_t>(key)) == 1;
  }
  std::optional<OpenKey> Find(HKEY key) const {
    std::lock_guard lock(mutex_);
    auto found = keys_.find(reinterpret_cast<std::uintptr_t>(key));
    if (found == keys_.end()) return std::nullopt;
    return found->second;
  }

 private:
  mutable std::mutex mutex_;
  std::map<std::uintptr_t, OpenKey> keys_;
  std::uintptr_t next_id_ = 0x10000;
};

HandleTable& Handles() {
  static HandleTable table;
  return table;
}

const char* PredefinedRootName(HKEY key) {
  if (key == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
  if (key == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
  if (key == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
  if (key == HKEY_USERS) return "HKEY_USERS";
  return nullptr;
}

LONG Resolve(HKEY key, REGSAM needed_access, OpenKey& open) {
  if (const char* root = PredefinedRootName(key)) {
    open = {root, KEY_ALL_ACCESS};
    return ERROR_SUCCESS;
  }
  std::optional<OpenKey> found = Handles().Find(key);
  if (!found) return ERROR_INVALID_HANDLE;
  if ((found->access & needed_access) != needed_access) return ERROR_ACCESS_DENIED;
  open = std::move(*found);
  return ERROR_SUCCESS;
}

// Names are separated by '\'; one trailing '\' is allowed. Line breaks and other
// control characters cannot stand in the store's [key] lines. Keys deeper than
// the platform allows are refused.
LONG JoinSubKey(const std::string& base, LPCSTR sub_key, std::string& path) {
  path = base;
  if (!sub_key || !*sub_key) return ERROR_SUCCESS;
  std::string_view sub(sub_key);
  if (sub.ends_with('\\')) sub.remove_suffix(1);
  std::size_t name_length = 0;
  for (std::size_t i = 0; i <= sub.size(); ++i) {
    if (i == sub.size() || sub[i] == '\\') {
      if (name_length == 0) return ERROR_BAD_PATHNAME;
      name_length = 0;
    } else if (static_cast<unsigned char>(sub[i]) < 0x20) {
      return ERROR_INVALID_PARAMETER;
    } else if (++name_length > 255) {
      return ERROR_INVALID_PARAMETER;
    }
  }
  path += '\\';
  path += sub;
  return win::registry::KeyDepth(path) > win::registry::kMaxKeyDepth ? ERROR_BADKEY : ERROR_SUCCESS;
}

// Loads the store and finds the key behind an open handle. `key` stays null
// for a root that holds nothing yet.
LONG ReadKey(HKEY handle, REGSAM needed_access, win::registry::SharedTree& tree, std::string& path, const Key*& key) {
  OpenKey open;
  if (LONG status = Resolve(handle, needed_access, open); status != ERROR_SUCCESS) return status;
  if (LONG status = win::registry::LoadStore(tree); status != ERROR_SUCCESS) return status;
  if (!tree->Exists(open.path)) return ERROR_KEY_DELETED;
  path = open.path;
  key = tree->Find(open.path);
  return ERROR_SUCCESS;
}

LONG ModifyKey(HKEY handle, REGSAM needed_access, const std::function<LONG(Key&)>& change) {
  OpenKey open;
  if (LONG status = Resolve(handle, needed_access, open); status != ERROR_SUCCESS) return status;
  return win::registry::UpdateStore([&](Tree& tree) {
    if (!tree.Exists(open.path)) return ERROR_KEY_DELETED;
    return change(tree.Create(open.path));
  });
}

std::vector<BYTE> StoredBytes(const Value& value) {
  std::vector<BYTE> bytes = value.data;
  if (value.type == REG_SZ) bytes.push_back(0);
  return bytes;
}

LONG CopyData(const std::vector<BYTE>& bytes, LPBYTE data, LPDWORD data_size) {
  if (!data_size) return ERROR_SUCCESS;
  DWORD needed = static_cast<DWORD>(bytes.size());
  if (!data) {
    *data_size = needed;
    return ERROR_SUCCESS;
  }
  if (*data_size < needed) {
    *data_size = needed;
    return ERROR_MORE_DATA;
  }
  if (needed > 0) std::memcpy(data, bytes.data(), needed);
  *data_size = needed;
  return ERROR_SUCCESS;
}

LONG CopyName(const std::string& name, LPSTR buffer, LPDWORD size) {
  if (!buffer || !size) return ERROR_INVALID_PARAMETER;
  if (*size <= name.size()) return ERROR_MORE_DATA;
  std::memcpy(buffer, name.c_str(), name.size() + 1);
  *size = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

}  // namespace

LONG RegOpenKeyEx(HKEY key, LPCSTR sub_key, DWORD /*options*/, REGSAM access, PHKEY result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  OpenKey base;
  if (LONG status = Resolve(key, 0, base); status != ERROR_SUCCESS) return status;
  std::string path;
  if (LONG status = JoinSubKey(base.path, sub_key, path); status != ERROR_SUCCESS) return status;
  win::registry::SharedTree tree;
  if (LONG status = win::registry::LoadStore(tree); status != ERROR_SUCCESS) return status;
  if (!tree->Exists(path)) return ERROR_FILE_NOT_FOUND;
  *result = Handles().Add({path, access});
  return ERROR_SUCCESS;
}

LONG RegOpenKey(HKEY key, LPCSTR sub_key, PHKEY result) {
  return RegOpenKeyEx(key, sub_key, 0, KEY_ALL_ACCESS, result);
}

LONG RegCreateKeyEx(HKEY key, LPCSTR sub_key, DWORD /*reserved*/, LPSTR /*class_name*/, DWORD /*options*/,
                    REGSAM access, LPSECURITY_ATTRIBUTES /*security*/, PHKEY result, LPDWORD disposition) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  OpenKey base;
  if (LONG status = Resolve(key, KEY_CREATE_SUB_KEY, base); status != ERROR_SUCCESS) return status;
  std::string path;
  if (LONG status = JoinSubKey(base.path, sub_key, path); status != ERROR_SUCCESS) return status;
  bool created = false;
  LONG status = win::registry::UpdateStore([&](Tree& tree) {
    if (!tree.Exists(base.path)) return ERROR_KEY_DELETED;
    created = !tree.Exists(path);
    tree.Create(path);
    return ERROR_SUCCESS;
  });
  if (status != ERROR_SUCCESS) return status;
  if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *result = Handles().Add({path, access});
  return ERROR_SUCCESS;
}

LONG RegCreateKey(HKEY key, LPCSTR sub_key, PHKEY result) {
  return RegCreateKeyEx(key, sub_key, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, result, nullptr);
}

LONG RegCloseKey(HKEY key) {
  if (PredefinedRootName(key)) return ERROR_SUCCESS;
  return Handles().Remove(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegQueryValueEx(HKEY handle, LPCSTR value_name, LPDWORD /*reserved*/, LPDWORD type, LPBYTE data,
                     LPDWORD data_size) {
  if (data && !data_size) return ERROR_INVALID_PARAMETER;
  win::registry::SharedTree tree;
  std::string path;
  const Key* key = nullptr;
  if (LONG status = ReadKey(handle, KEY_QUERY_VALUE, tree, path, key); status != ERROR_SUCCESS) {
    return status;
  }
  const Value* value = key ? key->FindValue(value_name ? value_name : "") : nullptr;
  if (!value) return ERROR_FILE_NOT_FOUND;
  if (type) *type = value->type;
  return CopyData(StoredBytes(*value), data, data_size);
}

LONG RegSetValueEx(HKEY handle, LPCSTR value_name, DWORD /*reserved*/, DWORD type, const BYTE* data, DWORD data_size) {
  if (data_size > 0 && !data) return ERROR_INVALID_PARAMETER;
  if (type == REG_DWORD && data_size != sizeof(DWORD)) return ERROR_INVALID_PARAMETER;
  Value value{value_name ? value_name : "", type, {}};
  if (data_size > 0) value.data.assign(data, data + data_size);
  if (type == REG_SZ) {
    // Stored as text: up to its terminating zero, whether or not the size counted it.
    auto zero = std::find(value.data.begin(), value.data.end(), BYTE{0});
    value.data.erase(zero, value.data.end());
  }
  return ModifyKey(handle, KEY_SET_VALUE, [&](Key& key) {
    key.SetValue(std::move(value));
    return ERROR_SUCCESS;
  });
}

LONG RegDeleteValue(HKEY handle, LPCSTR value_name) {
  std::string name = value_name ? value_name : "";
  return ModifyKey(handle, KEY_SET_VALUE,
                   [&](Key& key) { return key.DeleteValue(name) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND; });
}

LONG RegDeleteKey(HKEY handle, LPCSTR sub_key) {
  if (!sub_key) return ERROR_INVALID_PARAMETER;
  OpenKey base;
  if (LONG status = Resolve(handle, 0, base); status != ERROR_SUCCESS) return status;
  std::string path;
  if (LONG status = JoinSubKey(base.path, sub_key, path); status != ERROR_SUCCESS) return status;
  if (path.find('\\') == std::string::npos) return ERROR_ACCESS_DENIED;  // a root
  return win::registry::UpdateStore([&](Tree& tree) {
    if (!tree.Find(path)) return ERROR_FILE_NOT_FOUND;
    if (!tree.SubkeyNames(path).empty()) return ERROR_ACCESS_DENIED;
    tree.Remove(path);
    return ERROR_SUCCESS;
  });
}

LONG RegEnumValue(HKEY handle, DWORD index, LPSTR name, LPDWORD name_size, LPDWORD /*reserved*/, LPDWORD type,
                  LPBYTE data, LPDWORD data_size) {
  if (data && !data_size) return ERROR_INVALID_PARAMETER;
  win::registry::SharedTree tree;
  std::string path;
  const Key* key = nullptr;
  if (LONG status = ReadKey(handle, KEY_QUERY_VALUE, tree, path, key); status != ERROR_SUCCESS) {
    return status;
  }
  if (!key || index >= key->values.size()) return ERROR_NO_MORE_ITEMS;
  const Value& value = key->values[index];
  if (LONG status = CopyName(value.name, name, name_size); status != ERROR_SUCCESS) return status;
  if (type) *type = value.type;
  return CopyData(StoredBytes(value), data, data_size);
}

LONG RegEnumKeyEx(HKEY handle, DWORD index, LPSTR name, LPDWORD name_size, LPDWORD /*reserved*/, LPSTR class_name,
                  LPDWORD class_size, LPFILETIME last_write) {
  win::registry::SharedTree tree;
  std::string path;
  const Key* key = nullptr;
  if (LONG status = ReadKey(handle, KEY_ENUMERATE_SUB_KEYS, tree, path, key); status != ERROR_SUCCESS) {
    return status;
  }
  std::vector<std::string> names = tree->SubkeyNames(path);
  if (index >= names.size()) return ERROR_NO_MORE_ITEMS;
  if (LONG status = CopyName(names[index], name, name_size); status != ERROR_SUCCESS) return status;
  if (class_name && class_size && *class_size > 0) *class_name = '\0';
  if (class_size) *class_size = 0;
  if (last_write) *last_write = FILETIME{};
  return ERROR_SUCCESS;
}
