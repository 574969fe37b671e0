#include "editor/textedit/atomic_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

constexpr int kNameAttempts = 100;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// A link is saved through, so the file it names is replaced and the link kept.
std::string ResolveLink(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

mode_t DefaultFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

unsigned NextNameNumber() {
  static std::mt19937 numbers{std::random_device{}()};
  return numbers() & 0xFFFFFF;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter() : buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize)) {}

AtomicFileWriter::~AtomicFileWriter() { RemoveTemporaryFile(); }

SaveResult AtomicFileWriter::Open(const std::string& path) {
  target_ = ResolveLink(path);
  struct stat info {};
  if (::stat(target_.c_str(), &info) == 0) {
    if (!S_ISREG(info.st_mode)) {
      error_ = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
      return Fail(SaveResult::kNotAFile);
    }
    const bool no_write_bits = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (no_write_bits || ::access(target_.c_str(), W_OK) != 0) {
      error_ = EACCES;
      return SaveResult::kReadOnlyTarget;
    }
    target_exists_ = true;
    target_mode_ = info.st_mode & 07777;
    target_owner_ = info.st_uid;
    target_group_ = info.st_gid;
  } else if (errno != ENOENT) {
    return Fail(SaveResult::kCannotCreate);
  }
  if (!CreateTemporaryFile(FolderOf(target_))) return Fail(SaveResult::kCannotCreate);
  if (!TakeTargetAttributes()) return Fail(SaveResult::kWriteFailed);
  return SaveResult::kSaved;
}

SaveResult AtomicFileWriter::Commit() {
  if (failed_ || !file_.IsOpen()) return Fail(SaveResult::kWriteFailed);
  if (!Flush()) return Fail(SaveResult::kWriteFailed);
  if (::fsync(file_.Get()) != 0) {
    error_ = errno;
    return Fail(SaveResult::kWriteFailed);
  }
  if (!file_.Close()) {
    error_ = errno;
    return Fail(SaveResult::kWriteFailed);
  }
  if (::rename(temporary_path_.c_str(), target_.c_str()) != 0) {
    error_ = errno;
    return Fail(SaveResult::kCannotReplace);
  }
  temporary_path_.clear();
  // The rename itself should survive a crash too; a failure here loses nothing.
  UniqueFd folder(::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.IsOpen()) ::fsync(folder.Get());
  return SaveResult::kSaved;
}

bool AtomicFileWriter::WriteThrough(const char* data, size_t size) {
  if (!Flush()) return false;
  if (size >= kBufferSize) return WriteAll(data, size);
  std::memcpy(buffer_.get(), data, size);
  used_ = size;
  return true;
}

bool AtomicFileWriter::Flush() {
  if (failed_) return false;
  const size_t count = used_;
  used_ = 0;
  return WriteAll(buffer_.get(), count);
}

bool AtomicFileWriter::WriteAll(const char* data, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(file_.Get(), data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : ENOSPC;
      failed_ = true;
      return false;
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

bool AtomicFileWriter::CreateTemporaryFile(const std::string& folder) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, "CRE%06X.tmp", NextNameNumber());
    std::string candidate = folder + "/" + name;
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      file_ = UniqueFd(fd);
      temporary_path_ = std::move(candidate);
      return true;
    }
    if (errno != EEXIST) break;
  }
  error_ = errno;
  return false;
}

bool AtomicFileWriter::TakeTargetAttributes() {
  if (!target_exists_) {
    if (::fchmod(file_.Get(), DefaultFileMode()) == 0) return true;
    error_ = errno;
    return false;
  }
  // Only the owner or root may give the file away; anyone else keeps their own.
  if (::fchown(file_.Get(), target_owner_, target_group_) != 0) {
    (void)::fchown(file_.Get(), static_cast<uid_t>(-1), target_group_);
  }
  if (::fchmod(file_.Get(), target_mode_) == 0) return true;
  error_ = errno;
  return false;
}

SaveResult AtomicFileWriter::Fail(SaveResult result) {
  if (error_ == 0) error_ = errno;
  failed_ = true;
  file_.Reset();
  RemoveTemporaryFile();
  return result;
}

void AtomicFileWriter::RemoveTemporaryFile() {
  if (temporary_path_.empty()) return;
  file_.Reset();
  ::unlink(temporary_path_.c_str());
  temporary_path_.clear();
}
