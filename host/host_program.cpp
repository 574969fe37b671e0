#include "host/host_program.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "host/abort_watch.h"
#include "host/command_loop.h"
#include "host/host_driver.h"
#include "host/host_session.h"
#include "platform/cad/editor/host_services.h"
#include "platform/cad/modeler/modeler_classes.h"
#include "platform/ui/console_driver.h"
#include "platform/ui/interrupt_signal.h"
#include "platform/ui/script_driver.h"

namespace host {

namespace {

// Loads the plug-ins in order; false at the first that fails.
bool LoadPlugins(HostSession& session, AcRxDynamicLinker& linker, const std::vector<std::string>& plugins) {
  for (const std::string& plugin : plugins) {
    const bool loaded = linker.loadModule(plugin.c_str(), false, false);
    session.FinishAbortScope("Loading " + plugin);
    if (!loaded) {
      std::cerr << "cadhost: " << linker.lastError() << '\n';
      return false;
    }
  }
  return true;
}

// Every plug-in goes, newest first, while the documents are still open.
void UnloadPlugins(HostSession& session, AcRxDynamicLinker& linker) {
  std::vector<std::string> modules = linker.loadedModules();
  for (auto module = modules.rbegin(); module != modules.rend(); ++module) {
    linker.unloadModule(module->c_str(), true);
    session.FinishAbortScope("Unloading " + *module);
  }
}

int RunSession(const CommandLineOptions& options, ui::UiDriver& inner) {
  AbortWatch abort;
  HostDriver driver(inner, [&abort] { return abort.Active(); });
  ui::ScopedUiDriver scope(driver);
  cadeditor::HostServices services;
  HostSession session(driver, abort, !options.script.empty());
  // Plug-ins come before the drawing, so that its objects of their classes are read as such.
  session.NewDrawing();
  bool plugins_failed = !LoadPlugins(session, services.linker(), options.plugins);
  // What the plug-ins add to the start-up drawing as they load (their linetypes) is part of it.
  session.MarkUnchanged(session.CurrentDocument());
  if (!plugins_failed && !options.drawing.empty()) {
    if (const std::string refused = session.OpenDrawing(options.drawing); !refused.empty()) {
      std::cerr << "cadhost: " << refused << '\n';
      UnloadPlugins(session, services.linker());
      return 1;
    }
  }
  if (!plugins_failed) RunCommandLoop(session);
  UnloadPlugins(session, services.linker());
  if (!driver.AtLineStart()) driver.Print("\n");
  std::cout.flush();
  return (plugins_failed || session.RunFailed() || abort.Happened()) ? 1 : 0;
}

}  // namespace

int RunCadHost(const CommandLineOptions& options) {
  acmodelerRegisterClasses();  // drawings with regions and solids read as such
  if (options.script.empty()) {
    const ui::InterruptSignal interrupt;  // Ctrl-C cancels a command instead of ending cadhost
    ui::ConsoleDriver console;
    return RunSession(options, console);
  }
  std::ifstream script(options.script);
  if (!script) {
    std::cerr << "cadhost: cannot read the script " << options.script << '\n';
    return 1;
  }
  ui::ScriptDriver driver(script, std::cout, options.script);
  return RunSession(options, driver);
}

}  // namespace host
