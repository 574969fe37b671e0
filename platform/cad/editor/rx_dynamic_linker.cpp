#include "platform/cad/editor/rx_dynamic_linker.h"

#include <dlfcn.h>
#include <strings.h>

#include <algorithm>
#include <memory>

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/db/runtime/rx_dictionary.h"
#include "platform/cad/editor/aced_command_stack.h"
#include "platform/cad/editor/ap_doc_manager.h"
#include "platform/cad/editor/plugin_path.h"
#include "platform/ui/ui_driver.h"

CADDB_DEFINE_BUILTIN_ABSTRACT_MEMBERS(AcRxDynamicLinker, AcRxObject)

namespace {

// The load address of the library that holds the address; null when none does.
const void* LibraryOf(const void* address) {
  Dl_info info{};
  if (address == nullptr || dladdr(address, &info) == 0) return nullptr;
  return info.dli_fbase;
}

bool FunctionInLibrary(AcRxFunctionPtr function, void* library) {
  return LibraryOf(reinterpret_cast<const void*>(function)) == library;
}

// The library that holds an object's class: where its virtual table lies.
const void* LibraryOfClass(const void* polymorphicObject) {
  return LibraryOf(*static_cast<const void* const*>(polymorphicObject));
}

// Where a library that is nowhere was looked for, so the user can put it there.
std::string NotFoundMessage(const std::string& given) {
  std::string message = "Unable to load " + given + ": no such plug-in.  Looked for";
  const std::vector<std::string> tried = cadeditor::PluginCandidates(given);
  for (std::size_t i = 0; i < tried.size(); ++i) message += (i == 0 ? " " : ", ") + tried[i];
  return message + " (a plug-in folder can be added to VELMORA_PLUGIN_PATH).";
}

void RemoveCommandsOf(const void* library) {
  if (AcEdCommandStack* commands = acedRegCmdsStack()) {
    commands->removeCommandsIf(&FunctionInLibrary, const_cast<void*>(library));
  }
}

// A class left registered would construct objects through unmapped code, and
// the module's next load would clash with it ("Class mismatch").
void RemoveClassesOf(const void* library) {
  AcRxDictionary* classes = acrxClassDictionary;
  if (classes == nullptr) return;
  std::vector<AcRxClass*> doomed;
  std::unique_ptr<AcRxDictionaryIterator> it(classes->newIterator());
  for (; !it->done(); it->next()) {
    auto* rxClass = static_cast<AcRxClass*>(it->object());
    if (rxClass->constructor() != nullptr &&
        LibraryOf(reinterpret_cast<const void*>(rxClass->constructor())) == library) {
      doomed.push_back(rxClass);
    }
  }
  for (AcRxClass* rxClass : doomed) deleteAcRxClass(rxClass);
}

// A reactor the module forgot would be called through unmapped code at the next
// document event.
void RemoveReactorsOf(const void* library) {
  AcApDocManager* manager = acDocManagerPtr();
  if (manager == nullptr) return;
  const std::vector<AcApDocManagerReactor*> reactors = manager->reactors();
  for (AcApDocManagerReactor* reactor : reactors) {
    if (LibraryOfClass(reactor) == library) manager->removeReactor(reactor);
  }
}

bool DrawingsHoldObjectsOf(const void* library) {
  AcApDocManager* manager = acDocManagerPtr();
  if (manager == nullptr) return false;
  std::unique_ptr<AcApDocumentIterator> documents(manager->newAcApDocumentIterator());
  for (; !documents->done(); documents->step()) {
    AcDbObjectIdArray ids;
    documents->document()->database()->getAllObjectIds(ids);
    for (int i = 0; i < ids.length(); ++i) {
      const AcDbObject* object = peekObject(ids[i]);
      if (object != nullptr && LibraryOfClass(object) == library) return true;
    }
  }
  return false;
}

bool SameModuleName(const std::string& moduleName, const std::string& query) {
  const std::string name = cadeditor::FileNameOf(query);
  for (const std::string& form : {name, "lib" + name + ".so", name + ".so"}) {
    if (strcasecmp(moduleName.c_str(), form.c_str()) == 0) return true;
  }
  return false;
}

}  // namespace

AcRxDynamicLinker::AcRxDynamicLinker() = default;

AcRxDynamicLinker::~AcRxDynamicLinker() {
  // The host is going: every module goes, locked or not, whatever it answers.
  while (!modules_.empty()) {
    const Module module = modules_.back();
    module.entry(AcRx::kUnloadAppMsg, module.handle);
    release(module.handle);
  }
}

AcRxDynamicLinker::Module* AcRxDynamicLinker::find(const char* name) {
  return const_cast<Module*>(static_cast<const AcRxDynamicLinker*>(this)->find(name));
}

const AcRxDynamicLinker::Module* AcRxDynamicLinker::find(const char* name) const {
  if (name == nullptr || *name == '\0') return nullptr;
  for (const Module& module : modules_) {
    if (module.path == name || SameModuleName(module.name, name)) return &module;
  }
  return nullptr;
}

AcRxDynamicLinker::Module* AcRxDynamicLinker::findById(void* appId) {
  for (Module& module : modules_) {
    if (module.handle == appId) return &module;
  }
  return nullptr;
}

bool AcRxDynamicLinker::refuse(std::string message, bool printit) {
  lastError_ = std::move(message);
  if (printit) ui::Ui().Print("\n" + lastError_);
  return false;
}

bool AcRxDynamicLinker::loadModule(const char* fileName, bool printit, bool /*asCmd*/) {
  lastError_.clear();
  const std::string given = fileName != nullptr ? fileName : "";
  if (given.empty()) return refuse("Unable to load: no file name given", printit);
  const std::string path = cadeditor::FindPlugin(given);
  const std::string name = cadeditor::FileNameOf(path);
  if (find(name.c_str()) != nullptr) return refuse(name + " is already loaded.", printit);

  dlerror();
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    if (!cadeditor::IsRegularFile(path)) return refuse(NotFoundMessage(given), printit);
    return refuse("Unable to load " + given + ": " + (why != nullptr ? why : "unknown error"), printit);
  }
  if (findById(handle) != nullptr) {  // the same library under another name
    dlclose(handle);
    return refuse(name + " is already loaded.", printit);
  }
  if (auto kept = std::find(retained_.begin(), retained_.end(), handle); kept != retained_.end()) {
    retained_.erase(kept);
    dlclose(handle);  // the reference kept at its unload; the new one keeps it mapped
  }
  auto entry = reinterpret_cast<AcRxEntryPointFunction>(dlsym(handle, "acrxEntryPoint"));
  if (entry == nullptr) {
    dlclose(handle);
    return refuse("Unable to load " + given + ": it has no acrxEntryPoint", printit);
  }

  modules_.push_back(Module{path, name, handle, entry, true, false});
  if (entry(AcRx::kInitAppMsg, handle) != AcRx::kRetOK) {
    if (findById(handle) != nullptr) release(handle);
    return refuse("Unable to load " + given + ": its initialisation failed", printit);
  }
  if (AcApDocManager* documents = acDocManagerPtr()) {
    for (int i = documents->documentCount(); i > 0 && findById(handle) != nullptr; --i) {
      entry(AcRx::kLoadDwgMsg, handle);
    }
  }
  return true;
}

bool AcRxDynamicLinker::unloadModule(const char* fileName, bool printit) {
  lastError_.clear();
  const std::string given = fileName != nullptr ? fileName : "";
  const Module* module = find(given.c_str());
  if (module == nullptr) return refuse(given + " is not loaded.", printit);
  if (module->locked) {
    return refuse(module->name + " cannot be unloaded: the application is locked", printit);
  }
  return unload(static_cast<std::size_t>(module - modules_.data()), printit);
}

bool AcRxDynamicLinker::unload(std::size_t index, bool printit) {
  const Module module = modules_[index];
  if (module.entry(AcRx::kUnloadAppMsg, module.handle) != AcRx::kRetOK) {
    return refuse(module.name + " refused to be unloaded", printit);
  }
  // Its unload code may have unloaded it already (through this linker).
  if (findById(module.handle) != nullptr) release(module.handle);
  return true;
}

void AcRxDynamicLinker::release(void* handle) {
  Module* module = findById(handle);
  if (module == nullptr) return;
  const void* library = LibraryOf(reinterpret_cast<const void*>(module->entry));
  const bool keepMapped = library != nullptr && DrawingsHoldObjectsOf(library);
  if (library != nullptr) {
    RemoveCommandsOf(library);
    RemoveReactorsOf(library);
    if (!keepMapped) RemoveClassesOf(library);
  }
  modules_.erase(modules_.begin() + (module - modules_.data()));
  if (keepMapped) {
    retained_.push_back(handle);
  } else {
    dlclose(handle);
  }
}

void AcRxDynamicLinker::sendMessageToAll(AcRx::AppMsgCode msg, void* data) {
  std::vector<void*> handles;
  for (const Module& module : modules_) handles.push_back(module.handle);
  for (void* handle : handles) {
    // An earlier module's answer may have unloaded this one.
    if (Module* module = findById(handle)) module->entry(msg, data != nullptr ? data : handle);
  }
}

bool AcRxDynamicLinker::unlockApplication(void* appId) {
  Module* module = findById(appId);
  if (module == nullptr) return false;
  module->locked = false;
  return true;
}

bool AcRxDynamicLinker::lockApplication(void* appId) {
  Module* module = findById(appId);
  if (module == nullptr) return false;
  module->locked = true;
  return true;
}

bool AcRxDynamicLinker::isApplicationLocked(const char* name) const {
  const Module* module = find(name);
  return module != nullptr && module->locked;
}

Acad::ErrorStatus AcRxDynamicLinker::registerAppMDIAware(void* appId) {
  Module* module = findById(appId);
  if (module == nullptr) return Acad::eInvalidInput;
  module->mdiAware = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcRxDynamicLinker::registerAppNotMDIAware(void* appId) {
  Module* module = findById(appId);
  if (module == nullptr) return Acad::eInvalidInput;
  module->mdiAware = false;
  return Acad::eOk;
}

bool AcRxDynamicLinker::isAppMDIAware(const char* name) const {
  const Module* module = find(name);
  return module != nullptr && module->mdiAware;
}

std::vector<std::string> AcRxDynamicLinker::loadedModules() const {
  std::vector<std::string> names;
  for (const Module& module : modules_) names.push_back(module.name);
  return names;
}

AcRxDynamicLinker* acrxDynamicLinkerObject() {
  return AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER));
}
