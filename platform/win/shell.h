// Starting programs and opening documents the way the platform's shell does.
// Started programs run on their own: detached, standard input and output on
// /dev/null (the caller's script and transcript stay its own), errors to stderr.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/wintypes/windows_types.h"

// ShellExecute's failures: values of 32 and below.
constexpr int SE_ERR_OUT_OF_RESOURCES = 0;
constexpr int SE_ERR_FNF = 2;
constexpr int SE_ERR_PNF = 3;
constexpr int SE_ERR_ACCESSDENIED = 5;
constexpr int SE_ERR_OOM = 8;
constexpr int SE_ERR_BAD_FORMAT = 11;
constexpr int SE_ERR_NOASSOC = 31;

// verb "open" (or null): an executable file is started with parameters (split
// like a command line) in folder (or the current one); a document is handed
// to the program set for its extension, else to xdg-open; a folder to xdg-open.
// "explore" opens a folder. Returns a value above 32 once the program runs,
// otherwise one of the SE_ERR_* codes.
HINSTANCE ShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR folder, int show);

namespace win {

// The program that opens documents ending with extension (".nc"); an empty program forgets it.
void SetDocumentProgram(std::string_view extension, std::string_view program);

// Splits a command line into arguments: blanks separate, double quotes group,
// 2n backslashes before a quote give n and let the quote act, 2n+1 give n and a
// literal quote; other backslashes stand for themselves.
std::vector<std::string> SplitCommandLine(std::string_view line);

// ShellExecute's return value as a number.
inline int ShellResult(HINSTANCE result) { return static_cast<int>(reinterpret_cast<std::intptr_t>(result)); }

}  // namespace win
