#include "host/command_loop.h"

#include <exception>

#include "host/builtin_commands.h"
#include "host/host_session.h"
#include "platform/cad/db/rx_class.h"
#include "platform/cad/editor/aced_command_stack.h"
#include "platform/cad/editor/ap_doc_manager.h"

namespace host {

namespace {

// The current document stays locked for write while a command runs.
class DocumentLock {
 public:
  DocumentLock(AcApDocument* document, const char* global_name, const char* local_name) {
    if (document != nullptr && acDocManager != nullptr &&
        acDocManager->lockDocument(document, AcAp::kWrite, global_name, local_name, false) == Acad::eOk) {
      document_ = document;
    }
  }
  ~DocumentLock() {
    if (document_ != nullptr && acDocManager != nullptr) acDocManager->unlockDocument(document_);
  }
  DocumentLock(const DocumentLock&) = delete;
  DocumentLock& operator=(const DocumentLock&) = delete;

 private:
  AcApDocument* document_ = nullptr;
};

}  // namespace

ResolvedCommand ResolveCommand(const CommandName& name, const AcEdCommandStack* stack) {
  ResolvedCommand resolved;
  if (name.name.empty()) return resolved;
  resolved.builtin = FindBuiltinCommand(name.name);
  if (resolved.builtin == nullptr && stack != nullptr) {
    resolved.registered = stack->lookupCmd(name.name.c_str(), name.global);
  }
  return resolved;
}

bool RunCommandLine(HostSession& session, const std::string& line) {
  const CommandName name = ReadCommandName(line);
  const ResolvedCommand command = ResolveCommand(name, acedRegCmds);
  if (!command.found()) return false;
  AcApDocument* document = session.CurrentDocument();
  const std::string global_name = command.builtin != nullptr ? command.builtin->name : command.registered->globalName();
  const std::string local_name = command.builtin != nullptr ? command.builtin->name : command.registered->localName();
  {
    DocumentLock lock(document, global_name.c_str(), local_name.c_str());
    // An exception that escapes a command counts as a fatal error of that command, not of the run.
    try {
      if (command.builtin != nullptr) {
        command.builtin->run(session);
      } else if (AcRxFunctionPtr function = command.registered->functionAddr()) {
        function();
      }
    } catch (const std::exception& error) {
      acrx_abort("%s", error.what());
    } catch (...) {
      acrx_abort("unknown exception in %s", local_name.c_str());
    }
  }
  if (command.builtin == nullptr || command.builtin->changes_drawing) session.SetChanged(document, true);
  session.FinishAbortScope("The command " + local_name);
  return true;
}

void RunCommandLoop(HostSession& session) {
  HostDriver& driver = session.Driver();
  while (!session.QuitRequested()) {
    const ui::InputLine input = driver.ReadLine("\nCommand: ");
    if (input.status == ui::InputStatus::kEndOfInput) break;
    if (input.status == ui::InputStatus::kCancelled) {
      driver.PrintLine("*Cancel*");
      continue;
    }
    if (ReadCommandName(input.text).name.empty()) continue;
    if (!RunCommandLine(session, input.text)) {
      driver.Fail("Unknown command \"" + ReadCommandName(input.text).name + "\".  Press F1 for help.");
    }
  }
}

}  // namespace host
