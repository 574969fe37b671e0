// The command line of cadhost: cadhost [-s SCRIPT] [--plugin LIB]... [DRAWING.dxf]
#pragma once

#include <string>
#include <vector>

namespace host {

struct CommandLineOptions {
  std::string script;                // empty: read the terminal (or a pipe)
  std::vector<std::string> plugins;  // loaded in this order before the first command
  std::string drawing;               // empty: a new drawing
  bool help = false;
};

// Reads the arguments after the program name. An empty string on success,
// else why they were refused.
std::string ParseCommandLine(const std::vector<std::string>& args, CommandLineOptions& options);

// What --help prints.
std::string UsageText();

}  // namespace host
