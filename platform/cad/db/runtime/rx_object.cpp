#include "platform/cad/db/runtime/rx_object.h"

#include "platform/cad/db/runtime/rx_class.h"

AcRxClass* AcRxObject::gpDesc = nullptr;

AcRxClass* AcRxObject::desc() {
  if (gpDesc == nullptr) gpDesc = rx_detail::builtinClass("AcRxObject", nullptr, nullptr, nullptr);
  return gpDesc;
}

AcRxClass* AcRxObject::isA() const { return AcRxObject::desc(); }

void AcRxObject::rxInit() { AcRxObject::desc(); }

bool AcRxObject::isKindOf(const AcRxClass* aClass) const {
  const AcRxClass* mine = isA();
  return mine != nullptr && aClass != nullptr && mine->isDerivedFrom(aClass);
}

AcRxObject* AcRxObject::clone() const { return nullptr; }

Acad::ErrorStatus AcRxObject::copyFrom(const AcRxObject* /*other*/) { return Acad::eNotApplicable; }
