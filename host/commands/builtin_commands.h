// The commands cadhost has of its own, found before the registered ones.
#pragma once

#include <string>
#include <vector>

namespace host {

class HostSession;

struct BuiltinCommand {
  const char* name;
  void (*run)(HostSession& session);
};

// In the order COMMANDS lists them.
const std::vector<BuiltinCommand>& BuiltinCommands();
// By upper-case name; null when there is no such built-in command.
const BuiltinCommand* FindBuiltinCommand(const std::string& name);

}  // namespace host
