#include "platform/win/find_file.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/win/file_info.h"
#include "platform/win/last_error.h"
#include "platform/win/win_paths.h"

namespace {

struct Search {
  std::vector<WIN32_FIND_DATA> entries;
  std::size_t next = 0;
};

class SearchTable {
 public:
  HANDLE Add(Search search) {
    std::lock_guard lock(mutex_);
    next_id_ += 8;
    searches_.emplace(next_id_, std::move(search));
    return reinterpret_cast<HANDLE>(next_id_);
  }
  // The next entry of the search; false at its end or for an unknown handle.
  bool Next(HANDLE handle, WIN32_FIND_DATA& data, DWORD& error) {
    std::lock_guard lock(mutex_);
    auto found = searches_.find(reinterpret_cast<std::uintptr_t>(handle));
    if (found == searches_.end()) {
      error = ERROR_INVALID_HANDLE;
      return false;
    }
    Search& search = found->second;
    if (search.next >= search.entries.size()) {
      error = ERROR_NO_MORE_FILES;
      return false;
    }
    data = search.entries[search.next++];
    return true;
  }
  bool Remove(HANDLE handle) {
    std::lock_guard lock(mutex_);
    return searches_.erase(reinterpret_cast<std::uintptr_t>(handle)) == 1;
  }

 private:
  std::mutex mutex_;
  std::map<std::uintptr_t, Search> searches_;
  std::uintptr_t next_id_ = 0x20000;
};

SearchTable& Searches() {
  static SearchTable table;
  return table;
}

bool MatchWildcard(std::string_view pattern, std::string_view name) {
  std::size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool HasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

bool MakeEntry(const std::string& path, const std::string& name, WIN32_FIND_DATA& entry) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 && lstat(path.c_str(), &info) != 0) return false;
  if (name.size() >= MAX_PATH) return false;
  entry = WIN32_FIND_DATA{};
  entry.dwFileAttributes = win::AttributesOf(path, info);
  entry.ftCreationTime = win::FileTimeOf(info.st_ctim);
  entry.ftLastAccessTime = win::FileTimeOf(info.st_atim);
  entry.ftLastWriteTime = win::FileTimeOf(info.st_mtim);
  auto size = S_ISDIR(info.st_mode) ? 0 : static_cast<std::uint64_t>(info.st_size);
  entry.nFileSizeHigh = static_cast<DWORD>(size >> 32);
  entry.nFileSizeLow = static_cast<DWORD>(size);
  std::memcpy(entry.cFileName, name.c_str(), name.size() + 1);
  return true;
}

// "." and ".." first, then by name without case.
bool ListedBefore(const WIN32_FIND_DATA& a, const WIN32_FIND_DATA& b) {
  auto rank = [](const char* name) { return std::strcmp(name, ".") == 0 ? 0 : std::strcmp(name, "..") == 0 ? 1 : 2; };
  if (rank(a.cFileName) != rank(b.cFileName)) return rank(a.cFileName) < rank(b.cFileName);
  std::string folded_a = win::FoldCase(a.cFileName), folded_b = win::FoldCase(b.cFileName);
  return folded_a != folded_b ? folded_a < folded_b : std::strcmp(a.cFileName, b.cFileName) < 0;
}

DWORD ListFolder(const std::string& folder, std::string_view pattern, std::vector<WIN32_FIND_DATA>& entries) {
  DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
  if (!listing) return ERROR_PATH_NOT_FOUND;
  while (const dirent* item = readdir(listing)) {
    std::string name = item->d_name;
    WIN32_FIND_DATA entry;
    if (win::MatchesFindPattern(pattern, name) && MakeEntry(folder + name, name, entry)) {
      entries.push_back(entry);
    }
  }
  closedir(listing);
  std::sort(entries.begin(), entries.end(), ListedBefore);
  return ERROR_SUCCESS;
}

}  // namespace

namespace win {

bool MatchesFindPattern(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*" || pattern == "*") return true;
  std::string folded_pattern = FoldCase(pattern), folded_name = FoldCase(name);
  if (MatchWildcard(folded_pattern, folded_name)) return true;
  if (folded_name.find('.') != std::string::npos) return false;
  // Names without an extension answer to "name.*" and to "name.".
  std::string_view base = folded_pattern;
  if (base.ends_with(".*"))
    base.remove_suffix(2);
  else if (base.ends_with('.'))
    base.remove_suffix(1);
  else
    return false;
  return MatchWildcard(base, folded_name);
}

}  // namespace win

HANDLE FindFirstFile(LPCSTR pattern, LPWIN32_FIND_DATA data) {
  if (!pattern || !data) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  std::string path = win::ToUnixPath(pattern);
  std::size_t slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  Search search;
  DWORD error = ERROR_SUCCESS;
  if (name.empty()) {
    error = ERROR_FILE_NOT_FOUND;
  } else if (HasWildcard(name)) {
    error = ListFolder(folder, name, search.entries);
  } else if (WIN32_FIND_DATA entry; MakeEntry(path, name, entry)) {
    search.entries.push_back(entry);
  }
  if (error == ERROR_SUCCESS && search.entries.empty()) error = ERROR_FILE_NOT_FOUND;
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
  }
  *data = search.entries.front();
  search.next = 1;
  return Searches().Add(std::move(search));
}

BOOL FindNextFile(HANDLE search, LPWIN32_FIND_DATA data) {
  if (!data) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DWORD error = ERROR_SUCCESS;
  if (Searches().Next(search, *data, error)) return TRUE;
  SetLastError(error);
  return FALSE;
}

BOOL FindClose(HANDLE search) {
  if (Searches().Remove(search)) return TRUE;
  SetLastError(ERROR_INVALID_HANDLE);
  return FALSE;
}
