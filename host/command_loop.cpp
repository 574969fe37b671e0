#include "host/command_loop.h"

#include <exception>
#include <memory>
#include <optional>
#include <vector>

#include "host/command_suggestions.h"
#include "host/commands/builtin_commands.h"
#include "host/commands/file_commands.h"
#include "host/host_session.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/editor/aced_command_stack.h"
#include "platform/cad/editor/command_outcome.h"
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

// Every name a command can be typed by: built-in ones, and the global and local
// names of the registered ones.
std::vector<std::string> KnownCommandNames() {
  std::vector<std::string> names;
  for (const BuiltinCommand& command : BuiltinCommands()) names.emplace_back(command.name);
  if (acedRegCmds == nullptr) return names;
  std::unique_ptr<AcEdCommandIterator> commands(acedRegCmds->iterator());
  for (; commands != nullptr && !commands->done(); commands->next()) {
    for (const char* name : {commands->command()->globalName(), commands->command()->localName()}) {
      names.push_back(ReadCommandName(name).name);
    }
  }
  return names;
}

std::string TitlesOf(const std::vector<AcApDocument*>& documents) {
  std::string titles;
  for (const AcApDocument* document : documents)
    titles += (titles.empty() ? "" : ", ") + std::string(document->docTitle());
  return titles;
}

// The input ended at "Command:": nothing may be lost without a word.
void ReportUnsavedAtEnd(HostSession& session) {
  if (session.QuitRequested() || session.Driver().Failed()) return;
  const std::vector<AcApDocument*> changed = session.ChangedDocuments();
  if (changed.empty()) return;
  session.FailRun("The input ended with unsaved changes to " + TitlesOf(changed) +
                  "; they are lost.  Save them, or QUIT and answer no.");
}

// A command that failed ends a script as a failed SAVEAS does; one ended by an
// abort has been reported already.
void ReportCommandFailure(HostSession& session, const std::string& local_name) {
  const std::optional<std::string> why = cadeditor::TakeCommandFailure();
  if (!why || session.Abort().Active() || session.Driver().Failed()) return;
  session.Driver().Fail("The command " + local_name + " failed: " + *why);
}

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
  cadeditor::TakeCommandFailure();
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
  ReportCommandFailure(session, local_name);
  session.FinishAbortScope("The command " + local_name);
  if (session.Driver().InputEnded() && !session.QuitRequested() && !session.Driver().Failed()) {
    session.FailRun("The input ended in the middle of the command " + local_name + ".");
  }
  return true;
}

void RunCommandLoop(HostSession& session) {
  HostDriver& driver = session.Driver();
  int cancels_at_prompt = 0;
  while (!session.QuitRequested()) {
    const ui::InputLine input = driver.ReadLine("\nCommand: ");
    if (input.status == ui::InputStatus::kEndOfInput) break;
    if (input.status == ui::InputStatus::kCancelled) {
      driver.PrintLine("*Cancel*");
      // At a terminal a second Ctrl-C in a row means the user wants out.
      if (session.Scripted()) continue;
      if (++cancels_at_prompt < 2) {
        driver.PrintLine("Press Ctrl-C again to quit.");
        continue;
      }
      cancels_at_prompt = 0;
      QuitCommand(session);
      continue;
    }
    cancels_at_prompt = 0;
    const CommandName name = ReadCommandName(input.text);
    if (name.name.empty()) continue;
    if (!RunCommandLine(session, input.text)) {
      driver.Fail(UnknownCommandMessage(name.name, NearestCommandNames(name.name, KnownCommandNames())));
    }
  }
  ReportUnsavedAtEnd(session);
}

}  // namespace host
