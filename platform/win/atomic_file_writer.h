// Replaces a file so that a failed save never loses it: the new contents go
// to a temporary file in the target's folder, which is renamed over the target
// only when everything was written. Only regular files are written: a symbolic
// link is followed to the file it names, and a folder, device, pipe or socket
// is refused. Temporary files that killed writers left in the folder are
// removed on the way (temporary_names.h).
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "platform/win/file_descriptor.h"
#include "platform/win/temporary_names.h"

enum class SaveResult {
  kSaved,
  kReadOnlyTarget,  // refused before anything was written
  kNotAFile,        // the target is a folder, a device, a pipe or a socket
  kCannotCreate,    // no temporary file in the target's folder
  kWriteFailed,     // writing, syncing or closing the temporary file failed
  kCannotReplace,   // the rename over the target failed
};

struct AtomicWriteOptions {
  win::TemporaryNaming naming;
  mode_t new_file_mode = 0666;    // less the umask; a replaced file keeps its own
  bool refuse_read_only = false;  // otherwise a read-only file is replaced and stays read-only
};

class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(AtomicWriteOptions options);
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
  // The file replaced: the path given, with symbolic links followed.
  const std::string& target() const { return target_; }
  // The temporary file while one exists (for tests and messages).
  const std::string& temporary_path() const { return temporary_path_; }

 private:
  static constexpr size_t kBufferSize = 1 << 20;

  bool WriteThrough(const char* data, size_t size);
  bool Flush();
  bool WriteAll(const char* data, size_t size);
  bool TakeTargetAttributes();
  bool TargetIsStillAFileOrMissing();
  SaveResult Fail(SaveResult result);
  void RemoveTemporaryFile();

  AtomicWriteOptions options_;
  std::string target_;
  std::string temporary_path_;
  win::FileDescriptor file_;
  std::unique_ptr<char[]> buffer_;
  size_t used_ = 0;
  bool failed_ = false;
  int error_ = 0;
  bool target_exists_ = false;
  mode_t target_mode_ = 0;
  uid_t target_owner_ = 0;
  gid_t target_group_ = 0;
};

// Writes data as the whole new contents of path. On failure message says why,
// naming the folder when no temporary file could be made there.
bool ReplaceFileContents(const std::string& path, std::string_view data, const AtomicWriteOptions& options,
                         std::string& message);

// A short English reason for a failed save of target ("writing failed (No space left on device)").
std::string DescribeSaveFailure(SaveResult result, int error, const std::string& target);
