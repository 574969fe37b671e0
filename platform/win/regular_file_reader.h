// The one way every reader of the programs opens a file it was given (a
// drawing, a post definition, a *.par or *.mcp file, the registry store, an NC
// document): without blocking, so that a FIFO or a device never holds the
// program; anything but a regular file refused at once; and no more bytes than
// the reader accepts, so that /dev/zero or a runaway file cannot fill memory.
//
//   std::string text;
//   switch (win::ReadRegularFile(path, 4u << 20, text)) { case win::FileRead::kRead: ... }
//
// Readers that fill buffers of their own open with OpenRegularFile and read
// from the descriptor, keeping to the same cap.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>

#include "platform/win/file_descriptor.h"

namespace win {

enum class FileRead {
  kRead,
  kMissing,   // no such file
  kNotAFile,  // a folder, FIFO, socket or device
  kTooLarge,  // more bytes than the reader accepts
  kFailed,    // the system refused (errno tells)
};

// A descriptor of the regular file at path, opened for reading, with its
// status; the file holds at most maxBytes. errno is kept for kFailed.
FileRead OpenRegularFile(const std::string& path, std::uintmax_t maxBytes, FileDescriptor& file, struct stat& info);
// The whole file into text (replacing it), at most maxBytes.
FileRead ReadRegularFile(const std::string& path, std::uintmax_t maxBytes, std::string& text);
// Why a reading failed, for a message: "it is not a regular file", "it is
// larger than 4 MB", the system's words.
std::string DescribeFileRead(FileRead result, int error, std::uintmax_t maxBytes);

}  // namespace win
