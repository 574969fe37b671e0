// The registry's keys and values in memory: keys by their full path
// ("HKEY_LOCAL_MACHINE\SOFTWARE\Velmora"), names compared without case.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/wintypes/windows_types.h"

namespace win::registry {

constexpr DWORD kTypeString = 1;  // REG_SZ
constexpr DWORD kTypeDword = 4;   // REG_DWORD
constexpr DWORD kTypeBinary = 3;  // REG_BINARY

// Names below the root; the platform allows no deeper keys.
constexpr std::size_t kMaxKeyDepth = 512;

struct Value {
  std::string name;  // "" is the key's default value
  DWORD type = 0;
  // REG_SZ: the text without its terminating zero; other types: the bytes as given.
  std::vector<BYTE> data;

  bool operator==(const Value&) const = default;
};

struct Key {
  std::string path;
  std::vector<Value> values;  // in the order they were first set

  const Value* FindValue(std::string_view name) const;
  void SetValue(Value value);
  bool DeleteValue(std::string_view name);

  bool operator==(const Key&) const = default;
};

class Tree {
 public:
  static bool IsRootName(std::string_view name);

  // Roots exist always, other keys once created.
  bool Exists(std::string_view path) const;
  const Key* Find(std::string_view path) const;
  Key* Find(std::string_view path);
  // Creates the key with its missing ancestors; returns it.
  Key& Create(std::string_view path);
  bool HasSubkeys(std::string_view path) const;
  // Removes one key (its subkeys stay, as the caller checked there are none).
  void Remove(std::string_view path);
  // Paths of the direct subkeys, ordered by name without case.
  std::vector<std::string> SubkeyNames(std::string_view path) const;

  const std::map<std::string, Key>& keys() const { return keys_; }

  bool operator==(const Tree&) const = default;

 private:
  std::map<std::string, Key> keys_;  // by folded path
};

// The first component of a key path.
std::string_view RootOf(std::string_view path);
// The number of names below the root.
std::size_t KeyDepth(std::string_view path);

}  // namespace win::registry
