// Tarnwick: `Tarnwick [FILE]` opens the editor's window; `Tarnwick --script
// SCRIPT [FILE]` runs it headless, answering it from the script and writing
// the transcript on standard output.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "editor/app/sample_app.h"
#include "platform/gui/gui_session.h"
#include "platform/ui/script_driver.h"

CSampleApp theApp;

namespace {

int RunScript(char* program, const char* script_path, char* file) {
  std::ifstream script(script_path);
  if (!script) {
    std::cerr << "Tarnwick: cannot read the script " << script_path << "\n";
    return 2;
  }
  ui::ScriptDriver driver(script, std::cout, script_path);
  ui::ScopedUiDriver scope(driver);
  std::vector<char*> arguments{program};
  if (file != nullptr) arguments.push_back(file);
  const int result = AfxWinMain(static_cast<int>(arguments.size()), arguments.data());
  return driver.Failed() ? 1 : result;
}

}  // namespace

int main(int argc, char** argv) {
  RecordInstallFolder();
  if (argc >= 2 && std::string(argv[1]) == "--script") {
    if (argc < 3 || argc > 4) {
      std::cerr << "usage: Tarnwick [FILE] | Tarnwick --script SCRIPT [FILE]\n";
      return 2;
    }
    return RunScript(argv[0], argv[2], argc == 4 ? argv[3] : nullptr);
  }
  gui::GuiSession session(argc, argv);
  if (!session.ok()) {
    std::cerr << "Tarnwick: no display to show the window on (use --script to run without one)\n";
    return 2;
  }
  return AfxWinMain(argc, argv);
}
