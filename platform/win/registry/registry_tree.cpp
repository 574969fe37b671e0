#include "platform/win/registry/registry_tree.h"

#include <algorithm>

#include "platform/win/win_paths.h"

namespace win::registry {

const Value* Key::FindValue(std::string_view name) const {
  auto found =
      std::find_if(values.begin(), values.end(), [&](const Value& value) { return EqualsNoCase(value.name, name); });
  return found == values.end() ? nullptr : &*found;
}

void Key::SetValue(Value value) {
  for (Value& existing : values) {
    if (EqualsNoCase(existing.name, value.name)) {
      existing.type = value.type;
      existing.data = std::move(value.data);
      return;
    }
  }
  values.push_back(std::move(value));
}

bool Key::DeleteValue(std::string_view name) {
  auto found =
      std::find_if(values.begin(), values.end(), [&](const Value& value) { return EqualsNoCase(value.name, name); });
  if (found == values.end()) return false;
  values.erase(found);
  return true;
}

bool Tree::IsRootName(std::string_view name) {
  for (std::string_view root :
       {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS", "HKEY_CURRENT_CONFIG"}) {
    if (EqualsNoCase(name, root)) return true;
  }
  return false;
}

std::string_view RootOf(std::string_view path) { return path.substr(0, path.find('\\')); }

std::size_t KeyDepth(std::string_view path) {
  return static_cast<std::size_t>(std::count(path.begin(), path.end(), '\\'));
}

bool Tree::Exists(std::string_view path) const {
  return Find(path) != nullptr || (path.find('\\') == std::string_view::npos && IsRootName(path));
}

const Key* Tree::Find(std::string_view path) const {
  auto found = keys_.find(FoldCase(path));
  return found == keys_.end() ? nullptr : &found->second;
}

Key* Tree::Find(std::string_view path) {
  auto found = keys_.find(FoldCase(path));
  return found == keys_.end() ? nullptr : &found->second;
}

// Every key's ancestors exist (keys go only when they have no subkeys), so
// the walk up stops at the first ancestor found: a deep key costs its length.
Key& Tree::Create(std::string_view path) {
  const std::string folded = FoldCase(path);
  auto [created, is_new] = keys_.try_emplace(folded, Key{std::string(path), {}});
  for (std::size_t slash = path.rfind('\\'); is_new && slash != std::string_view::npos && slash > 0;
       slash = path.rfind('\\', slash - 1)) {
    is_new = keys_.try_emplace(folded.substr(0, slash), Key{std::string(path.substr(0, slash)), {}}).second;
  }
  return created->second;
}

bool Tree::HasSubkeys(std::string_view path) const {
  const std::string prefix = FoldCase(path) + '\\';
  auto next = keys_.lower_bound(prefix);
  return next != keys_.end() && next->first.starts_with(prefix);
}

void Tree::Remove(std::string_view path) { keys_.erase(FoldCase(path)); }

std::vector<std::string> Tree::SubkeyNames(std::string_view path) const {
  std::string prefix = FoldCase(path) + '\\';
  std::vector<std::string> names;
  for (auto it = keys_.lower_bound(prefix); it != keys_.end() && it->first.starts_with(prefix); ++it) {
    std::string_view rest = std::string_view(it->second.path).substr(prefix.size());
    if (rest.find('\\') == std::string_view::npos) names.emplace_back(rest);
  }
  return names;
}

}  // namespace win::registry
