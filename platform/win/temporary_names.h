// The temporary files that saves write beside their targets are named
// "<prefix><pid>-<six letters or digits><suffix>" and stay locked while their
// writer has them open. A later save in the same folder can so tell the files
// of writers that died midway from those of writers still at work.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/win/file_descriptor.h"

namespace win {

struct TemporaryNaming {
  std::string prefix;  // for example ".dxf-save-" or "CRE"
  std::string suffix;  // for example ".tmp", or nothing
};

// Creates a new, empty temporary file in folder, open for writing and locked;
// its path goes to path. Not open (errno set) on failure.
FileDescriptor CreateTemporaryFile(const std::string& folder, const TemporaryNaming& naming, std::string& path);

// The writer's process id in a file name made with naming; nothing for other names.
std::optional<pid_t> WriterOfTemporary(std::string_view name, const TemporaryNaming& naming);

// Removes the regular files of folder named with naming whose writer is gone:
// its process has ended and nobody holds the file's lock. Failures are ignored.
void RemoveAbandonedTemporaries(const std::string& folder, const TemporaryNaming& naming);

}  // namespace win
