#include "platform/classlib/cobject.h"

#include <cstring>

#include "platform/classlib/diagnostics.h"

namespace {

// Head of the chain of registered classes. A function-local static so that
// registration from any translation unit's static start-up finds it ready.
CRuntimeClass*& RegistryHead() {
  static CRuntimeClass* head = nullptr;
  return head;
}

void Register(CRuntimeClass* runtime_class) {
  for (CRuntimeClass* it = RegistryHead(); it != nullptr; it = it->m_pNextClass) {
    if (it == runtime_class) return;
  }
  runtime_class->m_pNextClass = RegistryHead();
  RegistryHead() = runtime_class;
}

}  // namespace

CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, nullptr, nullptr};
static const AFX_CLASSINIT afx_init_CObject(RUNTIME_CLASS(CObject));

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* new_class) : registered_class(new_class) { Register(new_class); }

AFX_CLASSINIT::~AFX_CLASSINIT() {
  for (CRuntimeClass** link = &RegistryHead(); *link != nullptr; link = &(*link)->m_pNextClass) {
    if (*link == registered_class) {
      *link = registered_class->m_pNextClass;
      registered_class->m_pNextClass = nullptr;
      return;
    }
  }
}

CObject* CRuntimeClass::CreateObject() const {
  if (m_pfnCreateObject == nullptr) {
    TRACE("CreateObject: class %s is not DYNCREATE\n", m_lpszClassName);
    return nullptr;
  }
  return m_pfnCreateObject();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base_class) const {
  for (const CRuntimeClass* it = this; it != nullptr; it = it->m_pBaseClass) {
    if (it == base_class) return TRUE;
  }
  return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR class_name) {
  if (class_name == nullptr) return nullptr;
  for (CRuntimeClass* it = RegistryHead(); it != nullptr; it = it->m_pNextClass) {
    if (std::strcmp(it->m_lpszClassName, class_name) == 0) return it;
  }
  return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR class_name) {
  CRuntimeClass* runtime_class = FromName(class_name);
  return runtime_class == nullptr ? nullptr : runtime_class->CreateObject();
}

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* target) const { return GetRuntimeClass()->IsDerivedFrom(target); }

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

CObject* AfxDynamicDownCast(CRuntimeClass* target, CObject* object) {
  if (object != nullptr && object->IsKindOf(target)) return object;
  return nullptr;
}

CObject* AfxStaticDownCast(CRuntimeClass* target, CObject* object) {
  ASSERT(object == nullptr || object->IsKindOf(target));
  (void)target;
  return object;
}
