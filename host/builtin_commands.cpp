#include "host/builtin_commands.h"

#include "host/draw_commands.h"
#include "host/edit_commands.h"
#include "host/file_commands.h"
#include "host/inquiry_commands.h"
#include "host/modeler_commands.h"
#include "host/module_commands.h"
#include "host/offset_command.h"
#include "host/primitive_commands.h"
#include "host/solid_commands.h"

namespace host {

const std::vector<BuiltinCommand>& BuiltinCommands() {
  static const std::vector<BuiltinCommand> commands = {
      {"OPEN", &OpenCommand, false},
      {"SAVE", &SaveCommand, false},
      {"SAVEAS", &SaveAsCommand, false},
      {"NEW", &NewCommand, false},
      {"QUIT", &QuitCommand, false},
      {"LINE", &LineCommand, true},
      {"ARC", &ArcCommand, true},
      {"CIRCLE", &CircleCommand, true},
      {"PLINE", &PlineCommand, true},
      {"POINT", &PointCommand, true},
      {"ELLIPSE", &EllipseCommand, true},
      {"SPLINE", &SplineCommand, true},
      {"ERASE", &EraseCommand, true},
      {"LIST", &ListCommand, false},
      {"UCS", &UcsCommand, true},
      {"SETVAR", &SetvarCommand, true},
      {"GETVAR", &GetvarCommand, false},
      {"SVG", &SvgCommand, false},
      {"APPLOAD", &ApploadCommand, true},
      {"ARX", &ArxCommand, true},
      {"COMMANDS", &CommandsCommand, false},
      {"GROUPS", &GroupsCommand, false},
      {"OFFSET", &OffsetCommand, true},
      {"REGION", &RegionCommand, true},
      {"UNION", &UnionCommand, true},
      {"SUBTRACT", &SubtractCommand, true},
      {"INTERSECT", &IntersectCommand, true},
      {"EXTRUDE", &ExtrudeCommand, true},
      {"SECTION", &SectionCommand, true},
      {"BOX", &BoxCommand, true},
      {"CYLINDER", &CylinderCommand, true},
      {"SPHERE", &SphereCommand, true},
      {"IMPORT", &ImportCommand, true},
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
