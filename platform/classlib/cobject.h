// CObject and run-time class information: class names, IsKindOf checks,
// creation by class (DYNCREATE) and lookup by name.
#pragma once

#include "platform/wintypes/windows_types.h"

class CObject;

// One per class that uses DECLARE_DYNAMIC or stronger. Instances are static
// and constant-initialised, so they are usable from any static constructor.
struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;                   // 0xFFFF unless the class is serial
  CObject* (*m_pfnCreateObject)();  // null unless the class is dyncreate
  CRuntimeClass* m_pBaseClass;      // null for CObject
  CRuntimeClass* m_pNextClass;      // registry chain, filled at start-up

  // The caller owns the new object; null when the class cannot be created.
  CObject* CreateObject() const;
  BOOL IsDerivedFrom(const CRuntimeClass* base_class) const;

  // Looks up a registered class by its exact name; null when unknown.
  static CRuntimeClass* FromName(LPCSTR class_name);
  static CObject* CreateObject(LPCSTR class_name);
};

// Adds a run-time class to the by-name registry during static start-up, and
// takes it out when its module goes (a plug-in library being closed).
struct AFX_CLASSINIT {
  explicit AFX_CLASSINIT(CRuntimeClass* new_class);
  ~AFX_CLASSINIT();
  AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
  AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;
  CRuntimeClass* registered_class;
};

class CObject {
 public:
  virtual ~CObject() = default;

  virtual CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* target) const;
  BOOL IsSerializable() const;

  // Diagnostics hooks; derived classes check their invariants here.
  virtual void AssertValid() const {}

  static CRuntimeClass classCObject;

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

// Null when object is null or not of (a class derived from) target.
CObject* AfxDynamicDownCast(CRuntimeClass* target, CObject* object);
// Asserts that object is of target (null passes) and returns it.
CObject* AfxStaticDownCast(CRuntimeClass* target, CObject* object);

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)       \
 public:                                  \
  static CRuntimeClass class##class_name; \
  CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, create_fn)                                \
  CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), schema,   \
                                                 create_fn,   RUNTIME_CLASS(base_class_name),       nullptr}; \
  static const AFX_CLASSINIT afx_init_##class_name(RUNTIME_CLASS(class_name));                                \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)         \
  CObject* class_name::CreateObject() { return new class_name; } \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, schema)    \
  CObject* class_name::CreateObject() { return new class_name; } \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, class_name::CreateObject)

#define DYNAMIC_DOWNCAST(class_name, object) \
  (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object))))

#define STATIC_DOWNCAST(class_name, object) \
  (static_cast<class_name*>(AfxStaticDownCast(RUNTIME_CLASS(class_name), (object))))
