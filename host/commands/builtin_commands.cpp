#include "host/commands/builtin_commands.h"

#include "host/commands/draw_commands.h"
#include "host/commands/edit_commands.h"
#include "host/commands/file_commands.h"
#include "host/commands/inquiry_commands.h"
#include "host/commands/modeler_commands.h"
#include "host/commands/module_commands.h"
#include "host/commands/offset_command.h"
#include "host/commands/primitive_commands.h"
#include "host/commands/solid_commands.h"

namespace host {

const std::vector<BuiltinCommand>& BuiltinCommands() {
  static const std::vector<BuiltinCommand> commands = {
      {"OPEN", &OpenCommand},         {"SAVE", &SaveCommand},         {"SAVEAS", &SaveAsCommand},
      {"NEW", &NewCommand},           {"QUIT", &QuitCommand},         {"LINE", &LineCommand},
      {"ARC", &ArcCommand},           {"CIRCLE", &CircleCommand},     {"PLINE", &PlineCommand},
      {"POINT", &PointCommand},       {"ELLIPSE", &EllipseCommand},   {"SPLINE", &SplineCommand},
      {"ERASE", &EraseCommand},       {"LIST", &ListCommand},         {"UCS", &UcsCommand},
      {"SETVAR", &SetvarCommand},     {"GETVAR", &GetvarCommand},     {"SVG", &SvgCommand},
      {"APPLOAD", &ApploadCommand},   {"ARX", &ArxCommand},           {"COMMANDS", &CommandsCommand},
      {"GROUPS", &GroupsCommand},     {"OFFSET", &OffsetCommand},     {"REGION", &RegionCommand},
      {"UNION", &UnionCommand},       {"SUBTRACT", &SubtractCommand}, {"INTERSECT", &IntersectCommand},
      {"EXTRUDE", &ExtrudeCommand},   {"SECTION", &SectionCommand},   {"BOX", &BoxCommand},
      {"CYLINDER", &CylinderCommand}, {"SPHERE", &SphereCommand},     {"IMPORT", &ImportCommand},
  };
  return commands;
}

const BuiltinCommand* FindBuiltinCommand(const std::string& name) {
  for (const BuiltinCommand& command : BuiltinCommands()) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

}  // namespace host
