// CFile and CStdioFile: files with the class library's open flags. Nothing
// throws: Open returns FALSE and fills an optional CFileException, and later
// failures are kept in the file's LastError().
//
// Paths may use '\' or '/' and drive paths; they are mapped as everywhere
// on this platform. Sharing flags are accepted and have no effect.
#pragma once

#include <cstdio>
#include <memory>

#include "platform/classlib/cobject.h"
#include "platform/classlib/cstring.h"

using LONGLONG = long long;
using ULONGLONG = unsigned long long;

class CFileException : public CObject {
  DECLARE_DYNAMIC(CFileException)

 public:
  enum Cause {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile,
  };

  CFileException() = default;
  CFileException(int cause, LONG os_error, LPCTSTR file_name = nullptr);

  // Text such as "data.nc: the file was not found."; FALSE when there is no error.
  BOOL GetErrorMessage(LPTSTR buffer, UINT max_length, UINT* help_context = nullptr) const;
  CString GetErrorMessage() const;

  void Clear() { *this = CFileException(); }

  int m_cause = none;
  LONG m_lOsError = 0;  // the system error code (ERROR_*)
  CString m_strFileName;
};

class CFile : public CObject {
  DECLARE_DYNAMIC(CFile)

 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
  };
  enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

  CFile();
  // Opens at once; the object stays closed (IsOpen() FALSE) when that fails.
  CFile(LPCTSTR file_name, UINT open_flags);
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;
  ~CFile() override;

  virtual BOOL Open(LPCTSTR file_name, UINT open_flags, CFileException* error = nullptr);
  BOOL IsOpen() const { return stream_ != nullptr; }

  // Reads up to count bytes; fewer at the end of the file, 0 on failure.
  virtual UINT Read(void* buffer, UINT count);
  // FALSE when not every byte was written (LastError() says why).
  virtual BOOL Write(const void* buffer, UINT count);
  // Returns the new position; on failure the position stays and LastError() is set.
  virtual ULONGLONG Seek(LONGLONG offset, UINT from);
  void SeekToBegin() { Seek(0, begin); }
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  virtual ULONGLONG GetPosition() const;
  virtual ULONGLONG GetLength() const;
  virtual BOOL SetLength(ULONGLONG new_length);
  virtual BOOL Flush();
  // FALSE when buffered data could not be written.
  virtual BOOL Close();
  // Closes, ignoring errors.
  virtual void Abort();

  CString GetFilePath() const { return path_; }
  CString GetFileName() const;
  CString GetFileTitle() const;  // the name without its extension
  void SetFilePath(LPCTSTR path) { path_ = path; }

  const CFileException& LastError() const { return last_error_; }

  static BOOL Rename(LPCTSTR old_name, LPCTSTR new_name, CFileException* error = nullptr);
  static BOOL Remove(LPCTSTR file_name, CFileException* error = nullptr);

 protected:
  // Stdio files buffer; a plain CFile writes through at once, as the system call would.
  explicit CFile(bool buffered) : buffered_(buffered) {}

  struct StreamCloser {
    void operator()(std::FILE* stream) const;
  };

  std::FILE* stream() const { return stream_.get(); }
  bool text_mode() const { return text_mode_; }
  // Records errno against this file; returns FALSE for chaining.
  BOOL FailWithErrno(int cause_if_unknown = CFileException::genericException);
  void Fail(int cause, LONG os_error);
  BOOL OpenFailed(CFileException* error, int errno_value, int cause_if_unknown);
  // Stdio needs a positioning call between reading and writing.
  void PrepareForRead();
  void PrepareForWrite();

 private:
  std::unique_ptr<std::FILE, StreamCloser> stream_;
  CString path_;
  CFileException last_error_;
  bool buffered_ = false;
  bool text_mode_ = false;
  enum class LastOp { none, read, write } last_op_ = LastOp::none;
};

// A buffered file with text-mode line handling: in text mode (the default)
// writing turns LF into CR LF, and reading turns CR LF into LF.
class CStdioFile : public CFile {
  DECLARE_DYNAMIC(CStdioFile)

 public:
  CStdioFile();
  CStdioFile(LPCTSTR file_name, UINT open_flags);

  BOOL Open(LPCTSTR file_name, UINT open_flags, CFileException* error = nullptr) override;
  UINT Read(void* buffer, UINT count) override;
  BOOL Write(const void* buffer, UINT count) override;

  // One line without its ending (LF, or CR LF in text mode); FALSE at the end of the file.
  BOOL ReadString(CString& line);
  // Up to max_length - 1 bytes, stopping after a line's LF (kept); null at the end of the file.
  LPTSTR ReadString(LPTSTR buffer, UINT max_length);
  BOOL WriteString(LPCTSTR text);

 private:
  // Next byte with CR LF folded in text mode; EOF at the end or on error.
  int ReadChar();

  bool last_written_cr_ = false;  // so that a CR LF given by the caller is not doubled
};
