// A whole run of cadhost: drivers, host services, the first drawing, the
// plug-ins of the command line, the command loop, and the unloading at the end.
#pragma once

#include "host/command_line_options.h"

namespace host {

// The exit status: 0, or 1 when the script stopped on a wrong line or an
// unwritten file, the input ended in a command or with unsaved changes, the
// drawing or a plug-in of the command line could not be loaded, or a fatal
// error was reported.
int RunCadHost(const CommandLineOptions& options);

}  // namespace host
