// Where a command may write a file: asked in a file dialog, and an existing
// file replaced only when the user says so. Read-only files are never replaced
// unasked, and the question defaults to no.
#pragma once

#include <optional>
#include <string>

namespace host {

struct FileToWrite {
  std::string title;     // of the dialog and the questions
  std::string proposed;  // file name offered
  std::string extension;
  std::string filter;
};

// The path to write; nullopt with why nothing will be written in `declined`
// ("the file dialog was cancelled", "\"x\" was not replaced", ...).
std::optional<std::string> AskFileToWrite(const FileToWrite& request, std::string& declined);

// True when the file at path may be written: it does not exist, or it may be
// replaced (asked when read-only, or when ask_to_replace is set). Else false with
// why in `declined`.
bool ConfirmReplace(const std::string& path, const std::string& title, bool ask_to_replace, std::string& declined);

// An existing file that its owner has not allowed to be written.
bool IsReadOnlyFile(const std::string& path);

}  // namespace host
