// How the programs' Windows-style paths land on this system: '\' counts as a
// separator, a drive "c:\A\B" is the home folder "$HOME/A/B", the device "nul"
// in any existing folder is /dev/null, and a program "X.exe" is the executable "X".
#pragma once

#include <string>
#include <string_view>

namespace win {

// $HOME, or the password database's home folder when it is unset.
std::string HomeFolder();

// The path as this system spells it.
std::string ToUnixPath(std::string_view path);

// ToUnixPath, with a ".exe" ending dropped unless a file of that very name exists.
std::string ToProgramPath(std::string_view path);

// ASCII case folding, as the platform compares names.
std::string FoldCase(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace win
