// Where the programs' Windows defaults land here: a default program such as
// "c:\Ostrivo\Tarnwick.exe" is the installed one, beside the running program
// or on PATH; default folders (win::FolderUnderHome) are made when first used.
#pragma once

#include <string>
#include <string_view>

namespace win {

// name (no folder, no ".exe") as an executable file beside the running
// program, else the first on PATH; empty when there is none.
std::string FindInstalledProgram(std::string_view name);

// Makes the folder and those above it when missing; true when it is a folder
// afterwards. An empty path is no folder.
bool EnsureFolder(std::string_view path);

}  // namespace win
