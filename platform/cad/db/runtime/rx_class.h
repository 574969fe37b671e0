// AcRxClass: a run-time class with its name, parent, pseudo-constructor and the
// DXF filing data of database classes; the registration functions and the
// definition macros that go with ACRX_DECLARE_MEMBERS.
#pragma once

#include <string>

#include "platform/cad/db/adesk.h"
#include "platform/cad/db/runtime/rx_dictionary.h"
#include "platform/cad/db/runtime/rx_object.h"

using AcRxPseudoConstructor = AcRxObject* (*)();

class AcRxClass : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxClass);

  const char* name() const { return name_.c_str(); }
  const char* dxfName() const { return dxfName_.c_str(); }
  const char* appName() const { return appName_.c_str(); }
  AcRxClass* myParent() const { return parent_; }
  // A new object of the class, owned by the caller; null for classes without a constructor.
  AcRxObject* create() const { return constructor_ != nullptr ? constructor_() : nullptr; }
  AcRxPseudoConstructor constructor() const { return constructor_; }
  bool isDerivedFrom(const AcRxClass* other) const;
  int proxyFlags() const { return proxyFlags_; }
  Acad::ErrorStatus getClassVersion(int& dwgVersion, int& maintenanceVersion) const;
  // False once deleteAcRxClass has taken it out of the class dictionary.
  bool isRegistered() const { return registered_; }

 private:
  friend class RxClassRegistry;
  AcRxClass() = default;

  std::string name_;
  std::string parentName_;
  std::string dxfName_;
  std::string appName_;
  AcRxClass* parent_ = nullptr;
  AcRxPseudoConstructor constructor_ = nullptr;
  int dwgVersion_ = 0;
  int maintenanceVersion_ = 0;
  int proxyFlags_ = 0;
  bool registered_ = true;
};

// Makes a class and files it in the class dictionary. The parent is looked up by
// name now, or later by acrxBuildClassHierarchy. Null when the name is taken.
AcRxClass* newAcRxClass(const char* className, const char* parentClassName, int dwgVersion, int maintenanceVersion,
                        int proxyFlags = 0, AcRxPseudoConstructor pseudoConstructor = nullptr,
                        const char* dxfName = nullptr, const char* appName = nullptr);
AcRxClass* newAcRxClass(const char* className, const char* parentClassName, int proxyFlags = 0,
                        AcRxPseudoConstructor pseudoConstructor = nullptr, const char* dxfName = nullptr,
                        const char* appName = nullptr);
// Takes the class out of the class dictionary. Its memory is kept, so a desc()
// pointer cached by a module stays safe to read; it no longer constructs objects.
void deleteAcRxClass(AcRxClass* rxClass);
// Links every class to its parent by the parent's name.
void acrxBuildClassHierarchy();
// The registered class whose DXF name is dxfName (case-insensitive); null when none.
AcRxClass* acrxFindClassByDxfName(const char* dxfName);

// The host's abort: reports a fatal condition. The handler decides what happens next;
// the default prints the message to standard error and returns.
void acrx_abort(const char* format, ...) __attribute__((format(printf, 1, 2)));
using AcRxAbortHandler = void (*)(const char* message);
AcRxAbortHandler acrxSetAbortHandler(AcRxAbortHandler handler);  // returns the previous one

namespace rx_detail {
// desc() of a macro-defined class: the class dictionary's entry under the name.
AcRxClass* lookUpClass(const char* className);
// rxInit() of a macro-defined class: registers it unless current already is the
// registered class; another class object under the name aborts with "Class mismatch".
AcRxClass* initClass(AcRxClass* current, const char* className, const char* parentClassName, int dwgVersion,
                     int maintenanceVersion, int proxyFlags, AcRxPseudoConstructor constructor, const char* dxfName,
                     const char* appName);
// desc() of the database's own classes: registered on first use.
AcRxClass* builtinClass(const char* className, AcRxClass* parent, AcRxPseudoConstructor constructor,
                        const char* dxfName);
template <class T>
AcRxObject* construct() {
  return new T();
}
}  // namespace rx_detail

// Definitions for classes registered by their module's rxInit().
#define ACRX_DEFINE_MEMBERS(CLASS_NAME)                  \
  AcRxClass* CLASS_NAME::gpDesc = nullptr;               \
  AcRxClass* CLASS_NAME::desc() {                        \
    if (gpDesc != nullptr) return gpDesc;                \
    return gpDesc = rx_detail::lookUpClass(#CLASS_NAME); \
  }                                                      \
  AcRxClass* CLASS_NAME::isA() const { return CLASS_NAME::desc(); }

#define ACRX_NO_CONS_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS)                                              \
  ACRX_DEFINE_MEMBERS(CLASS_NAME)                                                                          \
  void CLASS_NAME::rxInit() {                                                                              \
    PARENT_CLASS::desc();                                                                                  \
    gpDesc = rx_detail::initClass(gpDesc, #CLASS_NAME, #PARENT_CLASS, 0, 0, 0, nullptr, nullptr, nullptr); \
  }

#define ACRX_CONS_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS, VERSION_NUMBER)                  \
  ACRX_DEFINE_MEMBERS(CLASS_NAME)                                                           \
  void CLASS_NAME::rxInit() {                                                               \
    PARENT_CLASS::desc();                                                                   \
    gpDesc = rx_detail::initClass(gpDesc, #CLASS_NAME, #PARENT_CLASS, VERSION_NUMBER, 0, 0, \
                                  &rx_detail::construct<CLASS_NAME>, nullptr, nullptr);     \
  }

// DXF_NAME and APP are written bare (OSTRIVO_INFO, Ostrivo) or quoted; either way the
// stored text is without quotes.
#define ACRX_DXF_DEFINE_MEMBERS(CLASS_NAME, PARENT_CLASS, DWG_VERSION, MAINTENANCE_VERSION, PROXY_FLAGS, DXF_NAME,   \
                                APP)                                                                                 \
  ACRX_DEFINE_MEMBERS(CLASS_NAME)                                                                                    \
  void CLASS_NAME::rxInit() {                                                                                        \
    PARENT_CLASS::desc();                                                                                            \
    gpDesc = rx_detail::initClass(gpDesc, #CLASS_NAME, #PARENT_CLASS, DWG_VERSION, MAINTENANCE_VERSION, PROXY_FLAGS, \
                                  &rx_detail::construct<CLASS_NAME>, #DXF_NAME, #APP);                               \
  }

// Definitions for the database's own classes, known without any rxInit() call.
#define CADDB_DEFINE_BUILTIN_MEMBERS(CLASS_NAME, PARENT_CLASS, DXF_NAME)                                           \
  AcRxClass* CLASS_NAME::gpDesc = nullptr;                                                                         \
  AcRxClass* CLASS_NAME::desc() {                                                                                  \
    if (gpDesc == nullptr)                                                                                         \
      gpDesc =                                                                                                     \
          rx_detail::builtinClass(#CLASS_NAME, PARENT_CLASS::desc(), &rx_detail::construct<CLASS_NAME>, DXF_NAME); \
    return gpDesc;                                                                                                 \
  }                                                                                                                \
  AcRxClass* CLASS_NAME::isA() const { return CLASS_NAME::desc(); }                                                \
  void CLASS_NAME::rxInit() { CLASS_NAME::desc(); }

#define CADDB_DEFINE_BUILTIN_ABSTRACT_MEMBERS(CLASS_NAME, PARENT_CLASS)                                           \
  AcRxClass* CLASS_NAME::gpDesc = nullptr;                                                                        \
  AcRxClass* CLASS_NAME::desc() {                                                                                 \
    if (gpDesc == nullptr) gpDesc = rx_detail::builtinClass(#CLASS_NAME, PARENT_CLASS::desc(), nullptr, nullptr); \
    return gpDesc;                                                                                                \
  }                                                                                                               \
  AcRxClass* CLASS_NAME::isA() const { return CLASS_NAME::desc(); }                                               \
  void CLASS_NAME::rxInit() { CLASS_NAME::desc(); }
