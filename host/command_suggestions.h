// What to say for a command name nobody knows: the known names that look like
// it, as typing slips make them (a letter wrong, missing, extra or two swapped,
// or the start of a longer name).
#pragma once

#include <string>
#include <vector>

namespace host {

// At most `count` of the known names (upper case) nearest the typed one (upper
// case), all equally near, in alphabetical order; none when nothing is near.
std::vector<std::string> NearestCommandNames(const std::string& typed, const std::vector<std::string>& known,
                                             std::size_t count = 3);

// "Unknown command "LIEN".  Did you mean LINE?  COMMANDS lists every command."
std::string UnknownCommandMessage(const std::string& typed, const std::vector<std::string>& suggestions);

}  // namespace host
