// The dynamic linker: loads plug-in libraries (dlopen), calls their exported
// acrxEntryPoint with the host's application messages, and unloads them.
// It lives in the system registry under "DynamicLinker" while the host runs.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/runtime/rx_object.h"

namespace AcRx {
enum AppMsgCode {
  kNullMsg = 0,
  kInitAppMsg = 1,
  kUnloadAppMsg = 2,
  kLoadDwgMsg = 3,
  kUnloadDwgMsg = 4,
  kInvkSubrMsg = 5,
  kCfgMsg = 6,
  kEndMsg = 7,
  kQuitMsg = 8,
  kSaveMsg = 9,
  kDependencyMsg = 10,
  kNoDependencyMsg = 11,
  kOleUnloadAppMsg = 12,
  kPreQuitMsg = 13,
  kInitDialogMsg = 14,
  kEndDialogMsg = 15,
  kSuspendMsg = 16,
};
enum AppRetCode { kRetOK = 0, kRetError = 3 };
}  // namespace AcRx

// The entry point a plug-in exports (extern "C").
using AcRxEntryPointFunction = AcRx::AppRetCode (*)(AcRx::AppMsgCode msg, void* appId);

class AcRxDynamicLinker : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxDynamicLinker);

  AcRxDynamicLinker();
  ~AcRxDynamicLinker() override;  // unloads what is still loaded, newest first

  // Loads the library (a path, or a name looked up as plugin_path.h says), sends
  // kInitAppMsg, then kLoadDwgMsg for each open document. A module starts locked
  // until it unlocks itself. False, with the reason in lastError() (and printed
  // when printit), when it cannot be opened, has no acrxEntryPoint, is loaded
  // already, or its entry point answers kRetError (it is closed again).
  // asCmd makes no difference here.
  bool loadModule(const char* fileName, bool printit, bool asCmd = false);
  // Sends kUnloadAppMsg and closes the library. What the module left behind that
  // points into it goes first: commands whose functions lie in it, run-time
  // classes it constructs, and document reactors of its classes. While an open
  // drawing holds objects of its classes, its code stays mapped (and its classes
  // registered) so that they can still be saved and deleted. False when not
  // loaded, locked, or its entry point answers kRetError.
  bool unloadModule(const char* fileName, bool printit);
  // Sends the message to every loaded module, oldest first, with data (or, when
  // null, each module's own id).
  void sendMessageToAll(AcRx::AppMsgCode msg, void* data = nullptr);

  bool unlockApplication(void* appId);
  bool lockApplication(void* appId);
  bool isApplicationLocked(const char* name) const;
  Acad::ErrorStatus registerAppMDIAware(void* appId);
  Acad::ErrorStatus registerAppNotMDIAware(void* appId);
  bool isAppMDIAware(const char* name) const;

  // Names of the loaded modules (file names without folder), in load order.
  std::vector<std::string> loadedModules() const;
  const std::string& lastError() const { return lastError_; }

 private:
  struct Module {
    std::string path;
    std::string name;
    void* handle;
    AcRxEntryPointFunction entry;
    bool locked;
    bool mdiAware;
  };
  Module* find(const char* name);
  const Module* find(const char* name) const;
  Module* findById(void* appId);
  bool unload(std::size_t index, bool printit);
  // Takes away what points into the library, forgets the module and closes it.
  void release(void* handle);
  bool refuse(std::string message, bool printit);

  std::vector<Module> modules_;
  std::vector<void*> retained_;  // unloaded, but still mapped for the drawings' objects
  std::string lastError_;
};

AcRxDynamicLinker* acrxDynamicLinkerObject();
#define acrxDynamicLinker acrxDynamicLinkerObject()
