// AcDbStub: what an AcDbObjectId points at. The drawing owns its stubs and, through
// them, its objects. Internal to the database library and the classes built on it.
#pragma once

#include <memory>

#include "platform/cad/db/db_handle.h"
#include "platform/cad/db/db_object.h"
#include "platform/cad/db/object_memory.h"

class AcDbDatabase;

class AcDbStub {
 public:
  AcDbStub(AcDbDatabase* database, const AcDbHandle& handle) : database_(database), handle_(handle) {}
  static void* operator new(std::size_t bytes) { return object_memory::allocate(bytes); }
  static void operator delete(void* block, std::size_t bytes) noexcept { object_memory::deallocate(block, bytes); }

  AcDbDatabase* database() const { return database_; }
  const AcDbHandle& handle() const { return handle_; }
  AcDbObject* object() const { return object_.get(); }
  bool isErased() const { return erased_; }
  void setErased(bool erased) { erased_ = erased; }

  // Open state.
  int readers() const { return readers_; }
  bool isOpenForWrite() const { return writer_; }
  int notifiers() const { return notifiers_; }
  bool isOpen() const { return readers_ > 0 || writer_ || notifiers_ > 0; }

  static constexpr int kMaxReaders = 256;

 private:
  friend class AcDbDatabase;
  friend class AcDbObject;
  friend Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*&, AcDbObjectId, AcDb::OpenMode, bool);

  AcDbDatabase* database_;
  AcDbHandle handle_;
  std::unique_ptr<AcDbObject> object_;
  bool erased_ = false;
  int readers_ = 0;
  bool writer_ = false;
  int notifiers_ = 0;
};

// The object behind an id without opening it; null for a null id or a forward reference.
// For the database's own bookkeeping (containers reading names, cascades of erase).
inline AcDbObject* peekObject(AcDbObjectId id) {
  AcDbStub* stub = id;
  return stub != nullptr ? stub->object() : nullptr;
}

// Read access for the database's own copying: opens the object for read unless it is
// readable already (opened by the caller), and closes only what it opened.
class ScopedReadAccess {
 public:
  explicit ScopedReadAccess(AcDbObjectId id);
  ~ScopedReadAccess();
  ScopedReadAccess(const ScopedReadAccess&) = delete;
  ScopedReadAccess& operator=(const ScopedReadAccess&) = delete;
  const AcDbObject* get() const { return object_; }

 private:
  AcDbObject* object_ = nullptr;
  bool opened_ = false;
};

// Erases (or unerases) an owned object along with its owner, whatever its open state.
void eraseOwnedObject(AcDbObjectId id, bool erasing);
