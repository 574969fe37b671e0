#include "platform/win/atomic_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace {

constexpr int kMostLinksFollowed = 40;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Follows symbolic links as open() would, so that the file they name is
// replaced and the links stay. A link to nothing leads to the file it would
// create. False with errno on a loop or an unreadable link.
bool FollowLinks(const std::string& path, std::string& target) {
  target = path;
  for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0) return errno == ENOENT;
    if (!S_ISLNK(info.st_mode)) return true;
    char link[PATH_MAX];
    const ssize_t length = ::readlink(target.c_str(), link, sizeof link - 1);
    if (length < 0) return false;
    const std::string named(link, static_cast<size_t>(length));
    target = named.starts_with('/') ? named : FolderOf(target) + "/" + named;
  }
  errno = ELOOP;
  return false;
}

mode_t LessUmask(mode_t mode) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mode & ~mask;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(AtomicWriteOptions options)
    : options_(std::move(options)), buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize)) {}

AtomicFileWriter::~AtomicFileWriter() { RemoveTemporaryFile(); }

SaveResult AtomicFileWriter::Open(const std::string& path) {
  if (!FollowLinks(path, target_)) return Fail(SaveResult::kCannotCreate);
  struct stat info {};
  if (::stat(target_.c_str(), &info) == 0) {
    if (!S_ISREG(info.st_mode)) {
      error_ = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
      return Fail(SaveResult::kNotAFile);
    }
    const bool no_write_bits = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (options_.refuse_read_only && (no_write_bits || ::access(target_.c_str(), W_OK) != 0)) {
      error_ = EACCES;
      return Fail(SaveResult::kReadOnlyTarget);
    }
    target_exists_ = true;
    target_mode_ = info.st_mode & 07777;
    target_owner_ = info.st_uid;
    target_group_ = info.st_gid;
  } else if (errno != ENOENT) {
    return Fail(SaveResult::kCannotCreate);
  }
  const std::string folder = FolderOf(target_);
  win::RemoveAbandonedTemporaries(folder, options_.naming);
  file_ = win::CreateTemporaryFile(folder, options_.naming, temporary_path_);
  if (!file_.IsOpen()) return Fail(SaveResult::kCannotCreate);
  if (!TakeTargetAttributes()) return Fail(SaveResult::kWriteFailed);
  return SaveResult::kSaved;
}

SaveResult AtomicFileWriter::Commit() {
  if (failed_ || !file_.IsOpen()) return Fail(SaveResult::kWriteFailed);
  if (!Flush()) return Fail(SaveResult::kWriteFailed);
  if (::fsync(file_.Get()) != 0 || !file_.Close()) {
    error_ = errno;
    return Fail(SaveResult::kWriteFailed);
  }
  // Something may have taken the target's place while the file was written.
  if (!TargetIsStillAFileOrMissing()) return Fail(SaveResult::kCannotReplace);
  if (::rename(temporary_path_.c_str(), target_.c_str()) != 0) {
    error_ = errno;
    return Fail(SaveResult::kCannotReplace);
  }
  temporary_path_.clear();
  // The rename itself should survive a crash too; a failure here loses nothing.
  win::FileDescriptor folder(::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
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

bool AtomicFileWriter::TakeTargetAttributes() {
  if (!target_exists_) {
    if (::fchmod(file_.Get(), LessUmask(options_.new_file_mode)) == 0) return true;
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

bool AtomicFileWriter::TargetIsStillAFileOrMissing() {
  struct stat info {};
  if (::lstat(target_.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return true;
  error_ = S_ISDIR(info.st_mode) ? EISDIR : EEXIST;
  return false;
}

SaveResult AtomicFileWriter::Fail(SaveResult result) {
  if (error_ == 0) error_ = errno;
  failed_ = true;
  RemoveTemporaryFile();
  return result;
}

void AtomicFileWriter::RemoveTemporaryFile() {
  file_ = win::FileDescriptor();
  if (temporary_path_.empty()) return;
  ::unlink(temporary_path_.c_str());
  temporary_path_.clear();
}

bool ReplaceFileContents(const std::string& path, std::string_view data, const AtomicWriteOptions& options,
                         std::string& message) {
  AtomicFileWriter writer(options);
  SaveResult result = writer.Open(path);
  if (result == SaveResult::kSaved) {
    writer.Write(data.data(), data.size());
    result = writer.Commit();
  }
  if (result == SaveResult::kSaved) return true;
  message = DescribeSaveFailure(result, writer.error(), writer.target().empty() ? path : writer.target());
  return false;
}

std::string DescribeSaveFailure(SaveResult result, int error, const std::string& target) {
  const std::string reason = std::string(" (") + std::strerror(error) + ")";
  switch (result) {
    case SaveResult::kSaved:
      return {};
    case SaveResult::kReadOnlyTarget:
      return "the file is read-only";
    case SaveResult::kNotAFile:
      return error == EISDIR ? "it is a folder" : "it is a device or a pipe, not a regular file";
    case SaveResult::kCannotCreate:
      return "cannot create a temporary file in " + FolderOf(target) + reason;
    case SaveResult::kWriteFailed:
      return "writing failed" + reason;
    case SaveResult::kCannotReplace:
      return "cannot replace it" + reason;
  }
  return {};
}
