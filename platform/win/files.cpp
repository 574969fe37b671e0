#include "platform/win/files.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/win/file_info.h"
#include "platform/win/last_error.h"
#include "platform/win/system_info.h"
#include "platform/win/win_paths.h"

namespace {

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

bool IsReadOnly(const struct stat& info) { return (info.st_mode & S_IWUSR) == 0; }

bool CopyRegularFile(const std::string& from, const std::string& to, bool overwrite) {
  std::error_code error;
  auto options = overwrite ? std::filesystem::copy_options::overwrite_existing : std::filesystem::copy_options::none;
  if (std::filesystem::copy_file(from, to, options, error)) return true;
  SetLastError(error.value() == EEXIST ? ERROR_ALREADY_EXISTS : win::ErrorFromErrno(error.value()));
  return false;
}

// rename() that never replaces an existing destination.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  struct stat info {};
  if (lstat(to.c_str(), &info) == 0) {
    errno = EEXIST;
    return -1;
  }
  return rename(from.c_str(), to.c_str());
}

}  // namespace

DWORD GetFileAttributes(LPCSTR path) {
  struct stat info {};
  if (!path) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_FILE_ATTRIBUTES;
  }
  std::string unix_path = win::ToUnixPath(path);
  if (stat(unix_path.c_str(), &info) != 0) {
    win::FailWithErrno();
    return INVALID_FILE_ATTRIBUTES;
  }
  return win::AttributesOf(unix_path, info);
}

BOOL SetFileAttributes(LPCSTR path, DWORD attributes) {
  if (!path) return Fail(ERROR_INVALID_PARAMETER);
  std::string unix_path = win::ToUnixPath(path);
  struct stat info {};
  if (stat(unix_path.c_str(), &info) != 0) return win::FailWithErrno();
  mode_t mode = info.st_mode & 07777;
  mode = (attributes & FILE_ATTRIBUTE_READONLY) ? mode & ~(S_IWUSR | S_IWGRP | S_IWOTH) : mode | S_IWUSR;
  if (chmod(unix_path.c_str(), mode) != 0) return win::FailWithErrno();
  return TRUE;
}

BOOL DeleteFile(LPCSTR path) {
  if (!path) return Fail(ERROR_INVALID_PARAMETER);
  std::string unix_path = win::ToUnixPath(path);
  struct stat info {};
  if (lstat(unix_path.c_str(), &info) != 0) return win::FailWithErrno();
  if (S_ISDIR(info.st_mode)) return Fail(ERROR_ACCESS_DENIED);
  if (S_ISREG(info.st_mode) && IsReadOnly(info)) return Fail(ERROR_ACCESS_DENIED);
  if (unlink(unix_path.c_str()) != 0) return win::FailWithErrno();
  return TRUE;
}

BOOL MoveFile(LPCSTR from, LPCSTR to) { return MoveFileEx(from, to, MOVEFILE_COPY_ALLOWED); }

BOOL MoveFileEx(LPCSTR from, LPCSTR to, DWORD flags) {
  if (!from || !to) return Fail(ERROR_INVALID_PARAMETER);
  std::string source = win::ToUnixPath(from);
  std::string target = win::ToUnixPath(to);
  struct stat source_info {};
  if (lstat(source.c_str(), &source_info) != 0) return win::FailWithErrno();
  bool replace = flags & MOVEFILE_REPLACE_EXISTING;
  if (replace) {
    struct stat target_info {};
    if (stat(target.c_str(), &target_info) == 0 && (S_ISDIR(target_info.st_mode) || IsReadOnly(target_info))) {
      return Fail(ERROR_ACCESS_DENIED);
    }
  }
  int moved = replace ? rename(source.c_str(), target.c_str()) : RenameNoReplace(source, target);
  if (moved == 0) return TRUE;
  if (errno == EEXIST) return Fail(ERROR_ALREADY_EXISTS);
  if (errno != EXDEV || !(flags & MOVEFILE_COPY_ALLOWED) || !S_ISREG(source_info.st_mode)) {
    return win::FailWithErrno();
  }
  if (!CopyRegularFile(source, target, replace)) return FALSE;
  if (unlink(source.c_str()) != 0) return win::FailWithErrno();
  return TRUE;
}

BOOL CopyFile(LPCSTR from, LPCSTR to, BOOL fail_if_exists) {
  if (!from || !to) return Fail(ERROR_INVALID_PARAMETER);
  std::string source = win::ToUnixPath(from);
  std::string target = win::ToUnixPath(to);
  struct stat target_info {};
  if (!fail_if_exists && stat(target.c_str(), &target_info) == 0 && IsReadOnly(target_info)) {
    return Fail(ERROR_ACCESS_DENIED);
  }
  return CopyRegularFile(source, target, !fail_if_exists) ? TRUE : FALSE;
}

UINT GetTempFileName(LPCSTR folder, LPCSTR prefix, UINT unique, LPSTR name) {
  if (!folder || !name) return Fail(ERROR_INVALID_PARAMETER);
  std::string unix_folder = win::ToUnixPath(folder);
  if (unix_folder.empty()) unix_folder = ".";
  if (unix_folder.size() > 1 && unix_folder.back() == '/') unix_folder.pop_back();
  struct stat info {};
  if (stat(unix_folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return Fail(ERROR_DIRECTORY);
  std::string stem = (unix_folder == "/" ? "" : unix_folder) + "/" + std::string(prefix ? prefix : "").substr(0, 3);
  if (stem.size() + std::strlen("FFFF.TMP") >= MAX_PATH) return Fail(ERROR_FILENAME_EXCED_RANGE);
  auto make_name = [&](UINT number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%X.TMP", number);
    return stem + digits;
  };
  if (unique != 0) {
    std::strcpy(name, make_name(unique & 0xFFFF).c_str());
    return unique & 0xFFFF;
  }
  UINT number = ((GetTickCount() ^ static_cast<UINT>(getpid())) & 0xFFFF) | 1;
  for (int tries = 0; tries < 0xFFFF; ++tries, number = number % 0xFFFF + 1) {
    std::string candidate = make_name(number);
    int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      close(fd);
      std::strcpy(name, candidate.c_str());
      return number;
    }
    if (errno != EEXIST) return win::FailWithErrno();
  }
  return Fail(ERROR_FILE_EXISTS);
}
