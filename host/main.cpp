#include <iostream>
#include <string>
#include <vector>

#include "host/command_line_options.h"
#include "host/host_program.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  host::CommandLineOptions options;
  const std::string refused = host::ParseCommandLine(args, options);
  if (!refused.empty()) {
    std::cerr << "cadhost: " << refused << "\nTry 'cadhost --help'.\n";
    return 2;
  }
  if (options.help) {
    std::cout << host::UsageText();
    return 0;
  }
  return host::RunCadHost(options);
}
