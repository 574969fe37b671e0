// What a host program sets up for plug-ins while it runs: the command stack and
// the dynamic linker, filed in the system registry, and the document manager,
// installed as the host's. Undone in reverse order when it goes: plug-ins are
// unloaded while the documents are still open, then the documents close, then
// the command stack goes. The entries it replaced come back.
#pragma once

#include <memory>

#include "platform/cad/editor/aced_command_stack.h"
#include "platform/cad/editor/ap_doc_manager.h"
#include "platform/cad/editor/rx_dynamic_linker.h"

class AcRxObject;

namespace cadeditor {

class HostServices {
 public:
  HostServices();
  ~HostServices();
  HostServices(const HostServices&) = delete;
  HostServices& operator=(const HostServices&) = delete;

  AcEdCommandStack& commands() { return *commands_; }
  AcApDocManager& documents() { return *documents_; }
  AcRxDynamicLinker& linker() { return *linker_; }

 private:
  std::unique_ptr<AcEdCommandStack> commands_;
  std::unique_ptr<AcApDocManager> documents_;
  std::unique_ptr<AcRxDynamicLinker> linker_;
  AcRxObject* previousCommands_ = nullptr;
  AcApDocManager* previousDocuments_ = nullptr;
  AcRxObject* previousLinker_ = nullptr;
};

}  // namespace cadeditor
