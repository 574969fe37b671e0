#include "platform/cad/db/runtime/rx_class.h"

#include <strings.h>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/cad/db/db_builtin_classes.h"

namespace {

void printAbortMessage(const char* message) { std::fprintf(stderr, "\n%s\n", message); }

AcRxAbortHandler& abortHandler() {
  static AcRxAbortHandler handler = &printAbortMessage;
  return handler;
}

// Macro arguments arrive stringified; a quoted argument keeps its quotes, which go here.
std::string unquoted(const char* text) {
  if (text == nullptr) return {};
  std::string value = text;
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

// Owns every class object; the system registry and the class dictionary only refer to them.
class RxClassRegistry {
 public:
  static RxClassRegistry& instance() {
    static RxClassRegistry registry;
    return registry;
  }

  AcRxDictionary& systemRegistry() { return system_; }
  AcRxDictionary& classDictionary() { return classes_; }

  AcRxClass* add(const char* className, const char* parentName, AcRxClass* parent, int dwgVersion,
                 int maintenanceVersion, int proxyFlags, AcRxPseudoConstructor constructor, const char* dxfName,
                 const char* appName) {
    if (className == nullptr || *className == '\0' || classes_.has(className)) return nullptr;
    std::unique_ptr<AcRxClass> rxClass(new AcRxClass());
    rxClass->name_ = className;
    rxClass->parentName_ = parentName != nullptr ? parentName : "";
    rxClass->parent_ = parent != nullptr ? parent : findParent(rxClass->parentName_);
    rxClass->dwgVersion_ = dwgVersion;
    rxClass->maintenanceVersion_ = maintenanceVersion;
    rxClass->proxyFlags_ = proxyFlags;
    rxClass->constructor_ = constructor;
    rxClass->dxfName_ = unquoted(dxfName);
    rxClass->appName_ = unquoted(appName);
    AcRxClass* result = rxClass.get();
    classes_.atPut(className, result);
    owned_.push_back(std::move(rxClass));
    return result;
  }

  void remove(AcRxClass* rxClass) {
    if (rxClass == nullptr || !rxClass->registered_) return;
    if (classes_.at(rxClass->name()) == rxClass) classes_.remove(rxClass->name());
    rxClass->registered_ = false;
    rxClass->constructor_ = nullptr;  // its module may be unloaded next
  }

  void linkParents() {
    for (auto& rxClass : owned_) {
      if (rxClass->registered_ && rxClass->parent_ == nullptr && !rxClass->parentName_.empty()) {
        rxClass->parent_ = findParent(rxClass->parentName_);
      }
    }
  }

  AcRxClass* findByDxfName(const char* dxfName) const {
    if (dxfName == nullptr || *dxfName == '\0') return nullptr;
    for (const auto& rxClass : owned_) {
      if (rxClass->registered_ && strcasecmp(rxClass->dxfName(), dxfName) == 0) return rxClass.get();
    }
    return nullptr;
  }

 private:
  RxClassRegistry() { system_.atPut(ACRX_CLASS_DICTIONARY, &classes_); }

  AcRxClass* findParent(const std::string& name) const {
    return name.empty() ? nullptr : static_cast<AcRxClass*>(classes_.at(name.c_str()));
  }

  AcRxDictionary system_;
  AcRxDictionary classes_;
  std::vector<std::unique_ptr<AcRxClass>> owned_;
};

CADDB_DEFINE_BUILTIN_ABSTRACT_MEMBERS(AcRxClass, AcRxObject)

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const {
  for (const AcRxClass* rxClass = this; rxClass != nullptr; rxClass = rxClass->parent_) {
    if (rxClass == other) return true;
  }
  return false;
}

Acad::ErrorStatus AcRxClass::getClassVersion(int& dwgVersion, int& maintenanceVersion) const {
  dwgVersion = dwgVersion_;
  maintenanceVersion = maintenanceVersion_;
  return Acad::eOk;
}

AcRxDictionary* acrxSysRegistry() { return &RxClassRegistry::instance().systemRegistry(); }

AcRxClass* newAcRxClass(const char* className, const char* parentClassName, int dwgVersion, int maintenanceVersion,
                        int proxyFlags, AcRxPseudoConstructor pseudoConstructor, const char* dxfName,
                        const char* appName) {
  return RxClassRegistry::instance().add(className, parentClassName, nullptr, dwgVersion, maintenanceVersion,
                                         proxyFlags, pseudoConstructor, dxfName, appName);
}

AcRxClass* newAcRxClass(const char* className, const char* parentClassName, int proxyFlags,
                        AcRxPseudoConstructor pseudoConstructor, const char* dxfName, const char* appName) {
  return newAcRxClass(className, parentClassName, 0, 0, proxyFlags, pseudoConstructor, dxfName, appName);
}

void deleteAcRxClass(AcRxClass* rxClass) { RxClassRegistry::instance().remove(rxClass); }

void acrxBuildClassHierarchy() {
  acdbRegisterBuiltinClasses();  // a plug-in's class may name any of them as its parent
  RxClassRegistry::instance().linkParents();
}

AcRxClass* acrxFindClassByDxfName(const char* dxfName) { return RxClassRegistry::instance().findByDxfName(dxfName); }

void acrx_abort(const char* format, ...) {
  char message[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);
  abortHandler()(message);
}

AcRxAbortHandler acrxSetAbortHandler(AcRxAbortHandler handler) {
  AcRxAbortHandler previous = abortHandler();
  abortHandler() = handler != nullptr ? handler : &printAbortMessage;
  return previous;
}

namespace rx_detail {

// The class dictionary holds class objects only, so no cast() (which itself needs desc()).
AcRxClass* lookUpClass(const char* className) {
  return static_cast<AcRxClass*>(RxClassRegistry::instance().classDictionary().at(className));
}

AcRxClass* initClass(AcRxClass* current, const char* className, const char* parentClassName, int dwgVersion,
                     int maintenanceVersion, int proxyFlags, AcRxPseudoConstructor constructor, const char* dxfName,
                     const char* appName) {
  AcRxClass* registered = lookUpClass(className);
  if (registered != nullptr) {
    if (registered == current) return current;
    acrx_abort("Class mismatch");
    return current;
  }
  return newAcRxClass(className, parentClassName, dwgVersion, maintenanceVersion, proxyFlags, constructor, dxfName,
                      appName);
}

AcRxClass* builtinClass(const char* className, AcRxClass* parent, AcRxPseudoConstructor constructor,
                        const char* dxfName) {
  AcRxClass* registered = lookUpClass(className);
  if (registered != nullptr) return registered;
  const char* parentName = parent != nullptr ? parent->name() : nullptr;
  return RxClassRegistry::instance().add(className, parentName, parent, 0, 0, 0, constructor, dxfName, nullptr);
}

}  // namespace rx_detail
