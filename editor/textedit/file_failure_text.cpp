#include "editor/textedit/file_failure_text.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/win/atomic_file_writer.h"
#include "platform/win/win_paths.h"

namespace {

// Only a target held by another program is "in use"; any other failed rename says what the system said.
bool HeldElsewhere(int error) { return error == 0 || error == EBUSY || error == ETXTBSY; }

const char* SaveFailureText(SaveResult result, int error) {
  switch (result) {
    case SaveResult::kReadOnlyTarget:
      return "이 파일은 읽기 전용이므로 저장할수 없습니다.";
    case SaveResult::kNotAFile:
      return "같은 이름의 폴더나 장치가 있어 저장할수 없습니다.";
    case SaveResult::kCannotCreate:
      return "저장할 폴더에 파일을 만들수 없습니다.";
    case SaveResult::kWriteFailed:
      return "파일을 쓰는 중 오류가 생겨 저장하지 못했습니다. 원래 파일은 그대로 있습니다.";
    default:
      if (HeldElsewhere(error)) return "이 파일은 이미 다른곳에서 사용중이므로 저장할수 없습니다.";
      return "새 내용을 다 썼지만 원래 파일과 바꾸지 못해 저장하지 못했습니다. 원래 파일은 그대로 있습니다.";
  }
}

}  // namespace

std::string SaveFailureMessage(SaveResult result, int error, const std::string& path) {
  std::string text = SaveFailureText(result, error);
  text += "\n" + path;
  if (error != 0 && !(result == SaveResult::kCannotReplace && HeldElsewhere(error))) {
    text += "\n";
    text += std::strerror(error);
  }
  return text;
}

std::string OpenFailureReason(const std::string& path, int error) {
  const std::string unix_path = win::ToUnixPath(path);
  struct stat info {};
  if (::stat(unix_path.c_str(), &info) != 0) {
    return errno == ENOENT ? "파일이 없습니다." : std::strerror(errno);
  }
  if (S_ISDIR(info.st_mode)) return "폴더는 문서로 열 수 없습니다.";
  if (!S_ISREG(info.st_mode)) return "일반 파일이 아닙니다 (장치, 파이프 또는 소켓).";
  if (::access(unix_path.c_str(), R_OK) != 0) return "파일을 읽을 권한이 없습니다.";
  if (error != 0) return std::strerror(error);
  return "파일을 읽지 못했습니다 (읽기 오류, 너무 긴 줄 또는 메모리 부족).";
}
