// How a typed command name is read: case-insensitive, with an optional leading
// '_' (the global name is meant) or '.' (the built-in one is meant), as typed
// by hand or in scripts written for other languages.
#pragma once

#include <string>
#include <string_view>

namespace host {

struct CommandName {
  std::string name;     // upper case, without the prefixes
  bool global = false;  // a '_' prefix: look the global name up first
};

// "_line" -> {"LINE", global}; "._Line" -> {"LINE", global}; "" for a line
// that holds no name (blank, or prefixes only).
CommandName ReadCommandName(std::string_view typed);

}  // namespace host
