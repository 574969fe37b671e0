#include "host/command_line_options.h"

#include <string_view>

#include "platform/cad/editor/aced_sysvars.h"

namespace host {

namespace {

// True for "--plugin=x" and option "--plugin", with "x" in value.
bool ValueAfterEquals(std::string_view arg, std::string_view option, std::string& value) {
  if (arg.size() <= option.size() || arg.substr(0, option.size()) != option || arg[option.size()] != '=') {
    return false;
  }
  value = std::string(arg.substr(option.size() + 1));
  return true;
}

}  // namespace

std::string ParseCommandLine(const std::vector<std::string>& args, CommandLineOptions& options) {
  options = CommandLineOptions{};
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || arg.size() < 2 || arg[0] != '-') {
      if (!options.drawing.empty()) return "only one drawing can be opened (" + options.drawing + ", " + arg + ")";
      if (arg.empty()) return "the drawing name is empty";
      options.drawing = arg;
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    if (arg == "-h" || arg == "--help") {
      options.help = true;
      continue;
    }
    std::string value;
    const bool script = arg == "-s" || arg == "--script";
    const bool plugin = arg == "--plugin";
    if (script || plugin) {
      if (i + 1 >= args.size()) return "option " + arg + " needs a value";
      value = args[++i];
    } else if (!ValueAfterEquals(arg, "--script", value) && !ValueAfterEquals(arg, "--plugin", value)) {
      return "unknown option " + arg;
    }
    if (value.empty()) return "option " + arg + " needs a value";
    if (script || arg.rfind("--script=", 0) == 0) {
      if (!options.script.empty()) return "only one script can be given";
      options.script = value;
    } else {
      options.plugins.push_back(value);
    }
  }
  return {};
}

std::string UsageText() {
  const std::string pickbox = std::to_string(cadeditor::kDefaultPickBox);
  return "Usage: cadhost [-s SCRIPT] [--plugin LIB]... [DRAWING.dxf]\n"
         "\n"
         "Opens DRAWING.dxf (or a new drawing), loads each plug-in library, then reads\n"
         "commands from SCRIPT, or from standard input when no script is given.\n"
         "\n"
         "Options:\n"
         "  -s, --script SCRIPT  answer every question from the script file; the transcript\n"
         "                       goes to standard output, and a line of the wrong kind stops\n"
         "                       the run with its line number\n"
         "  --plugin LIB         load a plug-in library (a path, or a name looked up beside\n"
         "                       cadhost and in $VELMORA_PLUGIN_PATH); may be repeated\n"
         "  -h, --help           show this text\n"
         "\n"
         "Input, one line per answer:\n"
         "  at \"Command: \"   a command name (LINE, _line, .LINE ...); COMMANDS lists them\n"
         "  ; comment        a line starting with ';' is skipped\n"
         "  point            x,y or x,y,z in the current UCS, or @dx,dy[,dz] from the last point\n"
         "  number, keyword  the line itself; an empty line is no input; ^C (or Ctrl-C at\n"
         "                   a terminal) cancels; Ctrl-C twice at \"Command: \" quits\n"
         "  selection        picks (a point, taking the nearest entity within PICKBOX drawing\n"
         "                   units of it, " + pickbox + " unless SETVAR PICKBOX says otherwise; or #HANDLE),\n"
         "                   W p1 p2, C p1 p2, WP p1 p2 p3..., ALL, L, P, R/A, ended by an\n"
         "                   empty line\n"
         "  dialogs          set ID text, click ID, check ID, uncheck ID, select ID INDEX,\n"
         "                   select ID ROW COLUMN (a click in a list's cell), dblclick ID INDEX,\n"
         "                   show, ok, cancel (ID: number or \"label\")\n"
         "  keys             key NAME... (key F9, key ESC): keys pressed at the next poll\n"
         "  message boxes    ok, cancel, yes (y), no (n), retry, ignore, abort (else the default)\n"
         "  file dialogs     a path (quotes around it are dropped), or cancel\n"
         "  QUIT             asks whether to save changed drawings: yes or no (a script that\n"
         "                   leaves it unanswered fails)\n"
         "\n"
         "Modeling commands:\n"
         "  REGION, UNION, SUBTRACT, INTERSECT   regions from closed curves, and combined\n"
         "  EXTRUDE, SECTION                     solids from regions, regions cut from solids\n"
         "  BOX, CYLINDER, SPHERE, IMPORT        solid primitives, solids of a STEP file\n"
         "  OFFSET                               a distance, then curve and side until empty\n"
         "\n"
         "Exit status: 0; 1 when the script stopped on a wrong line or on a file it could\n"
         "not (or was told not to) write, the input ended inside a command or with unsaved\n"
         "changes, a plug-in failed to load from the command line, a drawing could not be\n"
         "opened, or a fatal error was reported.\n";
}

}  // namespace host
