// The plug-in's commands as the host registers them, and their registration.
#pragma once

#include <array>

#include "platform/cad/db/adesk.h"
#include "platform/cad/editor/aced_command_stack.h"

constexpr const char* kPluginCommandGroup = "Pellam_DLG";

struct PluginCommandRow {
  const char* group;
  const char* globalName;
  const char* localName;
  Adesk::Int32 flags;
  AcRxFunctionPtr handler;
};

extern const std::array<PluginCommandRow, 34> PluginCommandTable;

// Adds one command to the host's command stack; a name the host refuses is left out.
void AddPluginCommand(const char* group, const char* globalName, const char* localName, Adesk::Int32 flags,
                      AcRxFunctionPtr handler);
// Every row of the table, in table order.
void RegisterPluginCommands();
// Removes the plug-in's command group.
void RemoveCommandGroup();
