#include "platform/cad/editor/host_services.h"

#include "platform/cad/db/runtime/rx_dictionary.h"

namespace cadeditor {
namespace {

// Puts back what the key held before; a key that held nothing is removed.
void Restore(const char* key, AcRxObject* previous) {
  if (previous != nullptr) {
    acrxSysRegistry()->atPut(key, previous);
  } else {
    acrxSysRegistry()->remove(key);
  }
}

}  // namespace

HostServices::HostServices()
    : commands_(std::make_unique<AcEdCommandStack>()),
      documents_(std::make_unique<AcApDocManager>()),
      linker_(std::make_unique<AcRxDynamicLinker>()) {
  previousCommands_ = acrxSysRegistry()->atPut(ACRX_COMMAND_DOCK, commands_.get());
  previousDocuments_ = acDocManagerPtr();
  acSetDocManager(documents_.get());
  previousLinker_ = acrxSysRegistry()->atPut(ACRX_DYNAMIC_LINKER, linker_.get());
}

HostServices::~HostServices() {
  linker_.reset();  // plug-ins still see their documents and their commands while they go
  Restore(ACRX_DYNAMIC_LINKER, previousLinker_);
  documents_.reset();
  acSetDocManager(previousDocuments_);
  Restore(ACRX_COMMAND_DOCK, previousCommands_);
}

}  // namespace cadeditor
