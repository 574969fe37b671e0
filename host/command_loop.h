// The command loop: "Command: " until the input ends or QUIT. Each command
// runs with the current document locked for write; an unknown name is a wrong
// kind of line.
#pragma once

#include <string>

#include "host/command_name.h"

class AcEdCommand;
class AcEdCommandStack;

namespace host {

struct BuiltinCommand;
class HostSession;

struct ResolvedCommand {
  const BuiltinCommand* builtin = nullptr;
  AcEdCommand* registered = nullptr;
  bool found() const { return builtin != nullptr || registered != nullptr; }
};

// Built-in commands first, then the registered ones: by global name first
// after a '_' prefix, else by local name first.
ResolvedCommand ResolveCommand(const CommandName& name, const AcEdCommandStack* stack);

// Runs the command a line names; false when the line names none.
bool RunCommandLine(HostSession& session, const std::string& line);

void RunCommandLoop(HostSession& session);

}  // namespace host
