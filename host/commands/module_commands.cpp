#include "host/commands/module_commands.h"

#include <strings.h>

#include <optional>
#include <string>

#include "host/host_session.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/rx_dynamic_linker.h"
#include "platform/ui/text_driver_util.h"

namespace host {

namespace {

void Load(HostSession& session, const std::string& path) {
  if (acrxDynamicLinker == nullptr) return;
  if (acrxDynamicLinker->loadModule(path.c_str(), true, true)) {
    session.Driver().PrintLine(path + " successfully loaded.");
  }
}

std::optional<std::string> AskApplicationName() {
  char name[512] = {};
  if (acedGetString(1, "\nEnter application name: ", name) != RTNORM) return std::nullopt;
  std::string text = ui::UnquotedPath(name);
  if (text.empty()) return std::nullopt;
  return text;
}

void ListModules(HostSession& session) {
  const std::vector<std::string> modules = acrxDynamicLinker->loadedModules();
  if (modules.empty()) session.Driver().PrintLine("No applications are loaded.");
  for (const std::string& module : modules) session.Driver().PrintLine(module);
}

}  // namespace

void ApploadCommand(HostSession& session) {
  ui::FileDialogRequest request;
  request.open = true;
  request.title = "Load Application";
  request.filter = "Plug-ins (*.so)|*.so|All files (*.*)|*.*||";
  if (const std::optional<std::string> path = ui::Ui().AskFile(request)) Load(session, *path);
}

void ArxCommand(HostSession& session) {
  if (acrxDynamicLinker == nullptr) return;
  for (;;) {
    char answer[512] = {};
    if (acedGetString(0, "\nEnter an option [?/Load/Unload]: ", answer) != RTNORM) return;
    const std::string option(ui::Trimmed(answer));
    if (option.empty()) return;
    if (option == "?") {
      ListModules(session);
    } else if (strncasecmp(option.c_str(), "Load", option.size()) == 0) {
      if (const std::optional<std::string> name = AskApplicationName()) Load(session, *name);
    } else if (strncasecmp(option.c_str(), "Unload", option.size()) == 0) {
      const std::optional<std::string> name = AskApplicationName();
      if (name && acrxDynamicLinker->unloadModule(name->c_str(), true)) {
        session.Driver().PrintLine(*name + " successfully unloaded.");
      }
    } else {
      session.Driver().Fail("Invalid option keyword.");
      if (!session.Driver().Failed()) continue;
    }
    return;
  }
}

}  // namespace host
