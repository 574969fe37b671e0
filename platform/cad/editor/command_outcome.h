// How a registered command tells the host that it could not do its work (an
// output it could not write, a toolpath it did not store): the host ends a
// script run there, naming the line, as it does for its own commands that fail.
// The command shows the user its own message first; this is for the host.
#pragma once

#include <optional>
#include <string>

namespace cadeditor {

// The first report of a command counts; later ones add nothing.
void ReportCommandFailure(const std::string& why);
// What the command that just returned reported, and forgets it (the host
// takes it before and after each command).
std::optional<std::string> TakeCommandFailure();

}  // namespace cadeditor
