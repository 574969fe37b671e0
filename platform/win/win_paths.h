// How the programs' Windows-style paths land on this system: '\' counts as a
// separator, an absolute drive path "c:\A\B" (the programs' own defaults and
// stored settings) is the home folder "$HOME/A/B", and a program "X.exe" is
// the executable "X". Every other name is an ordinary Linux name: "c:prog.nc"
// is a relative file, "nul.nc" a file like any other.
#pragma once

#include <string>
#include <string_view>

namespace win {

// $HOME, or the password database's home folder when it is unset.
std::string HomeFolder();

// The path as this system spells it.
std::string ToUnixPath(std::string_view path);

// ToUnixPath made absolute against the working folder, without "." and ".."
// steps, as documents and the recent-file list keep their paths.
std::string FullPath(std::string_view path);

// A folder default written for Windows ("c:\\marrel\\ncdata") as it is shown
// and stored here: "$HOME/marrel/ncdata".
std::string FolderUnderHome(std::string_view windows_folder);

// ToUnixPath, with a ".exe" ending dropped unless a file of that very name exists.
std::string ToProgramPath(std::string_view path);

// ASCII case folding, as the platform compares names.
std::string FoldCase(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace win
