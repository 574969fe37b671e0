// AcRxObject, the root of the host's run-time classes, and the declaration macro
// every class of that tree carries.
#pragma once

#include "platform/cad/db/error_status.h"

class AcRxClass;
class AcRxObject;

// In a class body, under public: gives isA(), desc(), cast() and rxInit().
#define ACRX_DECLARE_MEMBERS(CLASS_NAME)                                   \
  virtual AcRxClass* isA() const;                                          \
  static AcRxClass* gpDesc;                                                \
  static AcRxClass* desc();                                                \
  static CLASS_NAME* cast(const AcRxObject* inPtr) {                       \
    return (inPtr == nullptr || !inPtr->isKindOf(CLASS_NAME::desc()))      \
               ? nullptr                                                   \
               : static_cast<CLASS_NAME*>(const_cast<AcRxObject*>(inPtr)); \
  }                                                                        \
  static void rxInit()

class AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxObject);

  virtual ~AcRxObject() = default;

  // True when this object's class is aClass or derives from it.
  bool isKindOf(const AcRxClass* aClass) const;

  // A new copy owned by the caller, or null when the class cannot be copied.
  virtual AcRxObject* clone() const;
  virtual Acad::ErrorStatus copyFrom(const AcRxObject* other);

 protected:
  AcRxObject() = default;
  AcRxObject(const AcRxObject&) = default;
  AcRxObject& operator=(const AcRxObject&) = default;
};
