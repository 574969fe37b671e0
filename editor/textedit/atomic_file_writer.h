// Replaces a file so that a failed save never loses it: the new contents go
// to a temporary file in the target's folder, which is renamed over the
// target only when everything was written. The target keeps its permissions.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

#include "editor/textedit/unique_fd.h"

enum class SaveResult {
  kSaved,
  kReadOnlyTarget,  // refused before anything was written
  kNotAFile,        // the target is a folder or a device
  kCannotCreate,    // no temporary file in the target's folder
  kWriteFailed,     // writing, syncing or closing the temporary file failed
  kCannotReplace,   // the rename over the target failed
};

class AtomicFileWriter {
 public:
  AtomicFileWriter();
  ~AtomicFileWriter();  // removes a temporary file that was not committed
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  SaveResult Open(const std::string& path);

  // Buffered; false once anything failed (the failure sticks until Commit).
  bool Write(const char* data, size_t size) {
    if (failed_) return false;
    if (size <= kBufferSize - used_) {
      std::memcpy(buffer_.get() + used_, data, size);
      used_ += size;
      return true;
    }
    return WriteThrough(data, size);
  }

  SaveResult Commit();

  // The system's reason for the last failure (an errno value), 0 when none.
  int error() const { return error_; }
  // The temporary file while one exists (for tests and messages).
  const std::string& temporary_path() const { return temporary_path_; }

 private:
  static constexpr size_t kBufferSize = 1 << 20;

  bool WriteThrough(const char* data, size_t size);
  bool Flush();
  bool WriteAll(const char* data, size_t size);
  bool CreateTemporaryFile(const std::string& folder);
  bool TakeTargetAttributes();
  SaveResult Fail(SaveResult result);
  void RemoveTemporaryFile();

  std::string target_;
  std::string temporary_path_;
  UniqueFd file_;
  std::unique_ptr<char[]> buffer_;
  size_t used_ = 0;
  bool failed_ = false;
  int error_ = 0;
  bool target_exists_ = false;
  mode_t target_mode_ = 0;
  uid_t target_owner_ = 0;
  gid_t target_group_ = 0;
};
