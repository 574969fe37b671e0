// Parameter files (*.par): one toolpath record per file, exactly as the record
// text reads, header included, with nothing around it.
#pragma once

#include "platform/classlib/cstring.h"

class ParamFile {
 public:
  enum ReadResult { kRead = 0, kCannotOpen = 1, kWrongKind = 2 };

  static constexpr const char* kDefaultExtension = "par";
  static constexpr const char* kFileNamePattern = "*.par";
  static constexpr const char* kFilter = "파라메타 파일 (*.par) | *.par ||";
  static constexpr const char* kCannotOpenText = "파라메타 파일을 열수 없습니다.!!!";

  // Asks for a file in the parameter folder (overwrite prompt) and writes the
  // text unchanged. False when the user cancels or the file cannot be written
  // (after a message; no half-written file is left).
  static bool Save(const char* recordText);
  // Asks for an existing file in the parameter folder and reads it. True, with
  // the text, when it holds a record of the kind; otherwise shows the
  // cannot-open text or wrongKindText and leaves recordText as it was.
  static bool Load(int kind, const char* wrongKindText, CString& recordText);

  // Without dialogs or messages. Write goes through a temporary file beside
  // the target, so a failure leaves an old file whole, and writes only a
  // regular file (never a device such as "nul.par"). Read takes a file with
  // a zero byte for no record.
  static bool Write(const char* path, const char* recordText);
  static ReadResult Read(const char* path, int kind, CString& recordText);
};
