#include "host/write_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/ui/ui_driver.h"

namespace host {

namespace {

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

std::string WithExtension(const std::string& path, const std::string& extension) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) return path;
  return path + "." + extension;
}

bool AnswerIsYes(const std::string& text, const std::string& title) {
  return ui::Ui().MessageBox(text, title, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

}  // namespace

bool IsReadOnlyFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return false;
  // The mode bits count too: a user allowed to write anything still meant this file to stay.
  return ::access(path.c_str(), W_OK) != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool ConfirmReplace(const std::string& path, const std::string& title, bool ask_to_replace, std::string& declined) {
  if (IsReadOnlyFile(path)) {
    if (AnswerIsYes(path + " is read-only.\nDo you want to replace it?", title)) return true;
    declined = "\"" + path + "\" is read-only and was not replaced";
    return false;
  }
  if (ask_to_replace && FileExists(path) &&
      !AnswerIsYes(path + " already exists.\nDo you want to replace it?", title)) {
    declined = "\"" + path + "\" was not replaced";
    return false;
  }
  return true;
}

std::optional<std::string> AskFileToWrite(const FileToWrite& request, std::string& declined) {
  ui::FileDialogRequest dialog;
  dialog.open = false;
  dialog.title = request.title;
  dialog.file_name = request.proposed;
  dialog.default_ext = request.extension;
  dialog.filter = request.filter;
  std::optional<std::string> path = ui::Ui().AskFile(dialog);
  if (!path) {
    declined = "the file dialog was cancelled";
    return std::nullopt;
  }
  *path = WithExtension(*path, request.extension);
  if (!ConfirmReplace(*path, request.title, true, declined)) return std::nullopt;
  return path;
}

}  // namespace host
