#include "platform/win/shell.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>

#include "platform/win/win_paths.h"

namespace {

constexpr int kStarted = 42;

std::mutex& ProgramsMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<std::string, std::string>& DocumentPrograms() {
  static std::map<std::string, std::string> programs;  // by folded extension
  return programs;
}

HINSTANCE AsResult(int code) { return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(code)); }

bool IsFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

bool Exists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

std::string Absolute(const std::string& path) {
  if (path.starts_with('/')) return path;
  char* current = getcwd(nullptr, 0);
  std::string absolute = current ? std::string(current) + "/" + path : path;
  std::free(current);
  return absolute;
}

std::optional<std::string> FindInPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string_view folders = path ? path : "";
  while (!folders.empty()) {
    std::size_t colon = folders.find(':');
    std::string folder(folders.substr(0, colon));
    if (!folder.empty() && IsExecutableFile(folder + "/" + name)) return folder + "/" + name;
    if (colon == std::string_view::npos) break;
    folders.remove_prefix(colon + 1);
  }
  return std::nullopt;
}

// A bare name is looked for in the working folder, then the current one, then (programs) on PATH.
std::string LocateFile(const std::string& file, const std::string& working_folder) {
  if (file.find('/') != std::string::npos) return file;
  if (!working_folder.empty() && Exists(working_folder + "/" + file)) return working_folder + "/" + file;
  if (Exists(file)) return file;
  return FindInPath(file).value_or(file);
}

std::string ExtensionOf(const std::string& path) {
  std::size_t dot = path.rfind('.');
  std::size_t slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return path.substr(dot);
}

std::optional<std::string> ProgramForDocument(const std::string& document) {
  {
    std::lock_guard lock(ProgramsMutex());
    auto found = DocumentPrograms().find(win::FoldCase(ExtensionOf(document)));
    if (found != DocumentPrograms().end()) {
      std::string program = win::ToProgramPath(found->second);
      return program.find('/') == std::string::npos ? FindInPath(program).value_or(program) : program;
    }
  }
  return FindInPath("xdg-open");
}

int ErrorForStartFailure(int error) {
  switch (error) {
    case ENOENT:
      return SE_ERR_FNF;
    case ENOTDIR:
      return SE_ERR_PNF;
    case EACCES:
    case EPERM:
      return SE_ERR_ACCESSDENIED;
    case ENOEXEC:
      return SE_ERR_BAD_FORMAT;
    case ENOMEM:
    case EAGAIN:
      return SE_ERR_OOM;
    default:
      return SE_ERR_OUT_OF_RESOURCES;
  }
}

// What a child tells its parent before exec succeeds (exec closes the pipe instead).
struct StartFailure {
  int in_working_folder = 0;
  int error = 0;
};

[[noreturn]] void ReportFailureAndExit(int pipe, bool in_working_folder) {
  StartFailure failure{in_working_folder ? 1 : 0, errno};
  ssize_t ignored = write(pipe, &failure, sizeof failure);
  (void)ignored;
  _exit(127);
}

// Runs arguments[0] detached (its own session, stdin and stdout on /dev/null, reaped by
// init) and waits only until exec has succeeded or failed.
int StartProgram(const std::vector<std::string>& arguments, const std::string& working_folder) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  int pipe_ends[2];
  if (pipe2(pipe_ends, O_CLOEXEC) != 0) return SE_ERR_OOM;
  pid_t child = fork();
  if (child < 0) {
    close(pipe_ends[0]);
    close(pipe_ends[1]);
    return SE_ERR_OOM;
  }
  if (child == 0) {
    close(pipe_ends[0]);
    setsid();
    pid_t grandchild = fork();
    if (grandchild < 0) ReportFailureAndExit(pipe_ends[1], false);
    if (grandchild > 0) _exit(0);
    if (!working_folder.empty() && chdir(working_folder.c_str()) != 0) ReportFailureAndExit(pipe_ends[1], true);
    // Keep the caller's input and transcript to itself; errors still reach stderr.
    int null_device = open("/dev/null", O_RDWR);
    if (null_device >= 0) {
      dup2(null_device, STDIN_FILENO);
      dup2(null_device, STDOUT_FILENO);
    }
    execv(argv[0], argv.data());
    ReportFailureAndExit(pipe_ends[1], false);
  }
  close(pipe_ends[1]);
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  StartFailure failure;
  ssize_t count;
  while ((count = read(pipe_ends[0], &failure, sizeof failure)) < 0 && errno == EINTR) {
  }
  close(pipe_ends[0]);
  if (count != static_cast<ssize_t>(sizeof failure)) return kStarted;
  return failure.in_working_folder ? SE_ERR_PNF : ErrorForStartFailure(failure.error);
}

int OpenWithProgram(const std::string& target, const std::string& working_folder) {
  std::optional<std::string> program = ProgramForDocument(target);
  if (!program) return SE_ERR_NOASSOC;
  return StartProgram({*program, Absolute(target)}, working_folder);
}

int Execute(std::string_view verb, const std::string& file, const std::string& parameters,
            const std::string& working_folder) {
  bool explore = win::EqualsNoCase(verb, "explore");
  if (!explore && !verb.empty() && !win::EqualsNoCase(verb, "open")) return SE_ERR_NOASSOC;
  if (!working_folder.empty() && !IsFolder(working_folder)) return SE_ERR_PNF;
  std::string target = LocateFile(win::ToProgramPath(file), working_folder);
  if (!Exists(target)) {
    std::size_t slash = target.rfind('/');
    return slash != std::string::npos && slash > 0 && !IsFolder(target.substr(0, slash)) ? SE_ERR_PNF : SE_ERR_FNF;
  }
  if (IsFolder(target)) return OpenWithProgram(target, working_folder);
  if (explore) return SE_ERR_NOASSOC;
  if (!IsExecutableFile(target)) return OpenWithProgram(target, working_folder);
  std::vector<std::string> arguments = win::SplitCommandLine(parameters);
  arguments.insert(arguments.begin(), Absolute(target));
  return StartProgram(arguments, working_folder);
}

}  // namespace

HINSTANCE ShellExecute(HWND /*owner*/, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR folder, int /*show*/) {
  if (!file || !*file) return AsResult(SE_ERR_FNF);
  std::string working_folder = folder && *folder ? win::ToUnixPath(folder) : "";
  return AsResult(Execute(verb ? verb : "", file, parameters ? parameters : "", working_folder));
}

namespace win {

void SetDocumentProgram(std::string_view extension, std::string_view program) {
  std::lock_guard lock(ProgramsMutex());
  std::string key = FoldCase(extension.starts_with('.') ? std::string(extension) : "." + std::string(extension));
  if (program.empty()) {
    DocumentPrograms().erase(key);
  } else {
    DocumentPrograms()[key] = std::string(program);
  }
}

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> arguments;
  std::string current;
  bool in_argument = false, quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    char ch = line[i];
    if (ch == '\\') {
      std::size_t end = std::min(line.find_first_not_of('\\', i), line.size());
      std::size_t run = end - i;
      bool before_quote = end < line.size() && line[end] == '"';
      current.append(before_quote ? run / 2 : run, '\\');
      if (before_quote && run % 2 == 1) {
        current += '"';
        i = end;
      } else {
        i = end - 1;  // a quote after an even run acts on the next round
      }
      in_argument = true;
    } else if (ch == '"') {
      quoted = !quoted;
      in_argument = true;
    } else if ((ch == ' ' || ch == '\t') && !quoted) {
      if (in_argument) arguments.push_back(std::move(current));
      current.clear();
      in_argument = false;
    } else {
      current += ch;
      in_argument = true;
    }
  }
  if (in_argument) arguments.push_back(std::move(current));
  return arguments;
}

}  // namespace win
