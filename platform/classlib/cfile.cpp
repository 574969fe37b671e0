#include "platform/classlib/cfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "platform/win/last_error.h"
#include "platform/win/win_paths.h"

IMPLEMENT_DYNAMIC(CFileException, CObject)
IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

int CauseFromErrno(int errno_value, int cause_if_unknown) {
  switch (errno_value) {
    case ENOENT:
      return CFileException::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return CFileException::badPath;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return CFileException::accessDenied;
    case EMFILE:
    case ENFILE:
      return CFileException::tooManyOpenFiles;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return CFileException::diskFull;
    case EIO:
      return CFileException::hardIO;
    case EINVAL:
    case ESPIPE:
    case EOVERFLOW:
      return cause_if_unknown == CFileException::genericException ? CFileException::badSeek : cause_if_unknown;
    case EBADF:
      return CFileException::invalidFile;
    case EBUSY:
      return CFileException::sharingViolation;
    default:
      return cause_if_unknown;
  }
}

const char* CauseText(int cause) {
  switch (cause) {
    case CFileException::none:
      return "no error occurred";
    case CFileException::fileNotFound:
      return "the file was not found";
    case CFileException::badPath:
      return "all or part of the path is invalid";
    case CFileException::tooManyOpenFiles:
      return "too many files are open";
    case CFileException::accessDenied:
      return "access to the file was denied";
    case CFileException::invalidFile:
      return "the file is not open";
    case CFileException::removeCurrentDir:
      return "the current folder cannot be removed";
    case CFileException::directoryFull:
      return "the folder is full";
    case CFileException::badSeek:
      return "the file position could not be set";
    case CFileException::hardIO:
      return "a hardware error occurred";
    case CFileException::sharingViolation:
      return "the file is in use";
    case CFileException::lockViolation:
      return "the file is locked";
    case CFileException::diskFull:
      return "the disk is full";
    case CFileException::endOfFile:
      return "the end of the file was reached";
    default:
      return "an unexpected error occurred";
  }
}

// Fills an optional error object from errno; returns FALSE for chaining.
BOOL ReportErrno(CFileException* error, LPCTSTR file_name, int cause_if_unknown) {
  const int saved = errno;
  const LONG os_error = static_cast<LONG>(win::ErrorFromErrno(saved));
  SetLastError(static_cast<DWORD>(os_error));
  if (error != nullptr) *error = CFileException(CauseFromErrno(saved, cause_if_unknown), os_error, file_name);
  return FALSE;
}

int PosixFlags(UINT open_flags) {
  int flags = O_RDONLY;
  if (open_flags & CFile::modeReadWrite)
    flags = O_RDWR;
  else if (open_flags & CFile::modeWrite)
    flags = O_WRONLY;
  if (open_flags & CFile::modeCreate) {
    flags |= O_CREAT;
    if (!(open_flags & CFile::modeNoTruncate)) flags |= O_TRUNC;
  }
  return flags | O_CLOEXEC;
}

const char* StreamMode(int posix_flags) {
  switch (posix_flags & O_ACCMODE) {
    case O_WRONLY:
      return "wb";  // fdopen never truncates
    case O_RDWR:
      return "r+b";
    default:
      return "rb";
  }
}

}  // namespace

// ---- CFileException ----

CFileException::CFileException(int cause, LONG os_error, LPCTSTR file_name)
    : m_cause(cause), m_lOsError(os_error), m_strFileName(file_name) {}

CString CFileException::GetErrorMessage() const {
  if (m_cause == none) return CString();
  CString message;
  if (m_strFileName.IsEmpty())
    message.Format("%s.", CauseText(m_cause));
  else
    message.Format("%s: %s.", m_strFileName.GetString(), CauseText(m_cause));
  return message;
}

BOOL CFileException::GetErrorMessage(LPTSTR buffer, UINT max_length, UINT* help_context) const {
  if (help_context != nullptr) *help_context = 0;
  if (buffer == nullptr || max_length == 0) return FALSE;
  buffer[0] = '\0';
  if (m_cause == none) return FALSE;
  const CString message = GetErrorMessage();
  std::string_view text = std::string_view(message.str()).substr(0, max_length - 1);
  // Never end the buffer inside a multi-byte character.
  if (text.size() < message.str().size()) {
    while (!text.empty() && (static_cast<unsigned char>(message.str()[text.size()]) & 0xC0) == 0x80) {
      text.remove_suffix(1);
    }
  }
  std::memcpy(buffer, text.data(), text.size());
  buffer[text.size()] = '\0';
  return TRUE;
}

// ---- CFile ----

void CFile::StreamCloser::operator()(std::FILE* stream) const { std::fclose(stream); }

CFile::CFile() = default;

CFile::CFile(LPCTSTR file_name, UINT open_flags) { Open(file_name, open_flags); }

CFile::~CFile() { Abort(); }

BOOL CFile::Open(LPCTSTR file_name, UINT open_flags, CFileException* error) {
  if (error != nullptr) error->Clear();
  Abort();
  last_error_.Clear();
  path_ = file_name;
  if (file_name == nullptr || *file_name == '\0') return OpenFailed(error, ENOENT, CFileException::badPath);
  const std::string unix_path = win::ToUnixPath(file_name);
  const int flags = PosixFlags(open_flags);
  const int fd = ::open(unix_path.c_str(), flags, 0666);
  if (fd < 0) return OpenFailed(error, errno, CFileException::genericException);
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    return OpenFailed(error, EISDIR, CFileException::accessDenied);
  }
  std::FILE* stream = ::fdopen(fd, StreamMode(flags));
  if (stream == nullptr) {
    const int saved = errno;
    ::close(fd);
    return OpenFailed(error, saved, CFileException::genericException);
  }
  if (!buffered_) std::setvbuf(stream, nullptr, _IONBF, 0);
  stream_.reset(stream);
  text_mode_ = buffered_ && !(open_flags & typeBinary);
  last_op_ = LastOp::none;
  return TRUE;
}

BOOL CFile::OpenFailed(CFileException* error, int errno_value, int cause_if_unknown) {
  errno = errno_value;
  FailWithErrno(cause_if_unknown);
  if (error != nullptr) *error = last_error_;
  return FALSE;
}

void CFile::Fail(int cause, LONG os_error) {
  last_error_ = CFileException(cause, os_error, path_.IsEmpty() ? nullptr : path_.GetString());
  SetLastError(static_cast<DWORD>(os_error));
}

BOOL CFile::FailWithErrno(int cause_if_unknown) {
  const int saved = errno;
  Fail(CauseFromErrno(saved, cause_if_unknown), static_cast<LONG>(win::ErrorFromErrno(saved)));
  return FALSE;
}

void CFile::PrepareForRead() {
  if (last_op_ == LastOp::write) std::fflush(stream());
  last_op_ = LastOp::read;
}

void CFile::PrepareForWrite() {
  if (last_op_ == LastOp::read) std::fseek(stream(), 0, SEEK_CUR);
  last_op_ = LastOp::write;
}

UINT CFile::Read(void* buffer, UINT count) {
  if (!IsOpen()) {
    Fail(CFileException::invalidFile, static_cast<LONG>(ERROR_INVALID_HANDLE));
    return 0;
  }
  if (count == 0) return 0;
  PrepareForRead();
  const size_t got = std::fread(buffer, 1, count, stream());
  if (got < count && std::ferror(stream())) {
    FailWithErrno(CFileException::hardIO);
    std::clearerr(stream());
  }
  return static_cast<UINT>(got);
}

BOOL CFile::Write(const void* buffer, UINT count) {
  if (!IsOpen()) {
    Fail(CFileException::invalidFile, static_cast<LONG>(ERROR_INVALID_HANDLE));
    return FALSE;
  }
  if (count == 0) return TRUE;
  PrepareForWrite();
  if (std::fwrite(buffer, 1, count, stream()) != count) {
    FailWithErrno(CFileException::hardIO);
    std::clearerr(stream());
    return FALSE;
  }
  return TRUE;
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from) {
  if (!IsOpen()) {
    Fail(CFileException::invalidFile, static_cast<LONG>(ERROR_INVALID_HANDLE));
    return 0;
  }
  const int whence = from == current ? SEEK_CUR : (from == end ? SEEK_END : SEEK_SET);
  if (::fseeko(stream(), static_cast<off_t>(offset), whence) != 0) {
    FailWithErrno(CFileException::badSeek);
    return GetPosition();
  }
  last_op_ = LastOp::none;
  return GetPosition();
}

ULONGLONG CFile::GetPosition() const {
  if (!IsOpen()) return 0;
  const off_t position = ::ftello(stream());
  return position < 0 ? 0 : static_cast<ULONGLONG>(position);
}

ULONGLONG CFile::GetLength() const {
  if (!IsOpen()) return 0;
  std::fflush(stream());  // buffered bytes belong to the length
  struct stat info {};
  if (::fstat(::fileno(stream()), &info) != 0) return 0;
  return static_cast<ULONGLONG>(info.st_size);
}

BOOL CFile::SetLength(ULONGLONG new_length) {
  if (!IsOpen()) {
    Fail(CFileException::invalidFile, static_cast<LONG>(ERROR_INVALID_HANDLE));
    return FALSE;
  }
  if (std::fflush(stream()) != 0) return FailWithErrno(CFileException::hardIO);
  if (::ftruncate(::fileno(stream()), static_cast<off_t>(new_length)) != 0) return FailWithErrno();
  return TRUE;
}

BOOL CFile::Flush() {
  if (!IsOpen()) return TRUE;
  if (std::fflush(stream()) != 0) return FailWithErrno(CFileException::hardIO);
  return TRUE;
}

BOOL CFile::Close() {
  if (!IsOpen()) return TRUE;
  std::FILE* stream = stream_.release();
  last_op_ = LastOp::none;
  if (std::fclose(stream) != 0) return FailWithErrno(CFileException::hardIO);
  return TRUE;
}

void CFile::Abort() {
  stream_.reset();
  last_op_ = LastOp::none;
}

CString CFile::GetFileName() const {
  const int slash = std::max(path_.ReverseFind('/'), path_.ReverseFind('\\'));
  return path_.Mid(slash + 1);
}

CString CFile::GetFileTitle() const {
  CString name = GetFileName();
  const int dot = name.ReverseFind('.');
  return dot > 0 ? name.Left(dot) : name;
}

BOOL CFile::Rename(LPCTSTR old_name, LPCTSTR new_name, CFileException* error) {
  if (error != nullptr) error->Clear();
  if (old_name == nullptr || new_name == nullptr) {
    errno = ENOENT;
    return ReportErrno(error, old_name, CFileException::badPath);
  }
  if (std::rename(win::ToUnixPath(old_name).c_str(), win::ToUnixPath(new_name).c_str()) != 0) {
    return ReportErrno(error, old_name, CFileException::genericException);
  }
  return TRUE;
}

BOOL CFile::Remove(LPCTSTR file_name, CFileException* error) {
  if (error != nullptr) error->Clear();
  if (file_name == nullptr) {
    errno = ENOENT;
    return ReportErrno(error, file_name, CFileException::badPath);
  }
  // unlink, not remove: deleting a folder is not this function's business.
  if (::unlink(win::ToUnixPath(file_name).c_str()) != 0) {
    return ReportErrno(error, file_name, CFileException::genericException);
  }
  return TRUE;
}

// ---- CStdioFile ----

CStdioFile::CStdioFile() : CFile(true) {}

CStdioFile::CStdioFile(LPCTSTR file_name, UINT open_flags) : CFile(true) { Open(file_name, open_flags); }

BOOL CStdioFile::Open(LPCTSTR file_name, UINT open_flags, CFileException* error) {
  last_written_cr_ = false;
  return CFile::Open(file_name, open_flags, error);
}

int CStdioFile::ReadChar() {
  const int ch = std::getc(stream());
  if (ch != '\r' || !text_mode()) return ch;
  const int next = std::getc(stream());
  if (next == '\n') return '\n';
  if (next != EOF) std::ungetc(next, stream());
  return '\r';
}

UINT CStdioFile::Read(void* buffer, UINT count) {
  if (!text_mode()) return CFile::Read(buffer, count);
  if (!IsOpen()) return CFile::Read(buffer, count);
  PrepareForRead();
  auto* bytes = static_cast<char*>(buffer);
  UINT got = 0;
  for (int ch; got < count && (ch = ReadChar()) != EOF;) bytes[got++] = static_cast<char>(ch);
  if (std::ferror(stream())) {
    FailWithErrno(CFileException::hardIO);
    std::clearerr(stream());
  }
  return got;
}

BOOL CStdioFile::Write(const void* buffer, UINT count) {
  if (!text_mode() || count == 0) return CFile::Write(buffer, count);
  const auto* bytes = static_cast<const char*>(buffer);
  std::string converted;
  converted.reserve(count + count / 16);
  bool after_cr = last_written_cr_;
  for (UINT i = 0; i < count; ++i) {
    if (bytes[i] == '\n' && !after_cr) converted += '\r';
    converted += bytes[i];
    after_cr = bytes[i] == '\r';
  }
  if (!CFile::Write(converted.data(), static_cast<UINT>(converted.size()))) return FALSE;
  last_written_cr_ = after_cr;
  return TRUE;
}

BOOL CStdioFile::ReadString(CString& line) {
  line.Empty();
  if (!IsOpen()) {
    Fail(CFileException::invalidFile, static_cast<LONG>(ERROR_INVALID_HANDLE));
    return FALSE;
  }
  PrepareForRead();
  std::string text;
  bool any = false;
  for (int ch; (ch = ReadChar()) != EOF;) {
    any = true;
    if (ch == '\n') break;
    text += static_cast<char>(ch);
  }
  if (std::ferror(stream())) {
    FailWithErrno(CFileException::hardIO);
    std::clearerr(stream());
  }
  line = CString(text);
  return any ? TRUE : FALSE;
}

LPTSTR CStdioFile::ReadString(LPTSTR buffer, UINT max_length) {
  if (buffer == nullptr || max_length == 0) return nullptr;
  buffer[0] = '\0';
  if (!IsOpen()) {
    Fail(CFileException::invalidFile, static_cast<LONG>(ERROR_INVALID_HANDLE));
    return nullptr;
  }
  PrepareForRead();
  UINT got = 0;
  for (int ch; got + 1 < max_length && (ch = ReadChar()) != EOF;) {
    buffer[got++] = static_cast<char>(ch);
    if (ch == '\n') break;
  }
  buffer[got] = '\0';
  if (std::ferror(stream())) {
    FailWithErrno(CFileException::hardIO);
    std::clearerr(stream());
  }
  return got == 0 ? nullptr : buffer;
}

BOOL CStdioFile::WriteString(LPCTSTR text) {
  if (text == nullptr) return TRUE;
  return Write(text, static_cast<UINT>(std::strlen(text)));
}
