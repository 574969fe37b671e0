// AcDbObject: an object of a drawing, with its id, owner, open state and filing.
//
// Ownership, as the host has it: a new object belongs to its creator until it is
// added to a drawing (appendAcDbEntity, setAt, add, addAcDbObject); from then on the
// drawing owns it, it comes back open for write, and the creator must close() it,
// never delete it. close() of a drawing's object releases the open; delete of an
// object that never joined a drawing is the creator's job (AcDbObjectPointer helps).
//
// Every derived class's four filing functions call their parent's first.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/cad/db/adesk.h"
#include "platform/cad/db/db_enums.h"
#include "platform/cad/db/db_handle.h"
#include "platform/cad/db/db_object_id.h"
#include "platform/cad/db/error_status.h"
#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/db/object_memory.h"
#include "platform/cad/db/object_undo_log.h"
#include "platform/cad/db/runtime/rx_object.h"

class AcDbDatabase;
class AcDbDwgFiler;
class AcDbDxfFiler;
class AcDbIdMapping;
class DwgMemoryFiler;

class AcDbObject : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbObject);

  ~AcDbObject() override;
  AcDbObject(const AcDbObject&) = delete;
  AcDbObject& operator=(const AcDbObject&) = delete;
  // Made with new and deleted as ever; only the bytes come from object_memory.h.
  static void* operator new(std::size_t bytes) { return object_memory::allocate(bytes); }
  static void operator delete(void* block, std::size_t bytes) noexcept { object_memory::deallocate(block, bytes); }

  // Identity. A new object has a null id and no database until it is added.
  AcDbObjectId objectId() const;
  AcDbObjectId ownerId() const { return ownerId_; }
  virtual Acad::ErrorStatus setOwnerId(AcDbObjectId ownerId);
  void getAcDbHandle(AcDbHandle& handle) const;
  AcDbDatabase* database() const;
  bool isDatabaseResident() const { return stub_ != nullptr; }

  // Open state. A new object counts as open for write.
  Acad::ErrorStatus close();
  // Closes a write open and throws the changes made since it away.
  Acad::ErrorStatus cancel();
  Acad::ErrorStatus upgradeOpen();
  Acad::ErrorStatus downgradeOpen();
  Acad::ErrorStatus upgradeFromNotify(Adesk::Boolean& wasWritable);
  Acad::ErrorStatus downgradeToNotify(Adesk::Boolean wasWritable);
  bool isReadEnabled() const;
  bool isWriteEnabled() const;
  bool isNotifyEnabled() const;
  bool isModified() const { return modified_; }
  bool isNewObject() const { return isNew_; }
  bool isErased() const;
  // Misuse (changing an object opened for read only) is reported on standard error
  // and answered with false; setters then return Acad::eNotOpenForWrite.
  bool assertReadEnabled() const;
  bool assertWriteEnabled(Adesk::Boolean autoUndo = true, Adesk::Boolean recordModified = true);
  bool assertNotifyEnabled() const;

  // Needs an open for write. Erasing keeps the object for unerase; containers skip it.
  Acad::ErrorStatus erase(Adesk::Boolean erasing = true);

  // Filing: the wrappers run the Fields functions; the filer's status is the result.
  Acad::ErrorStatus dwgIn(AcDbDwgFiler* filer);
  Acad::ErrorStatus dwgOut(AcDbDwgFiler* filer) const;
  Acad::ErrorStatus dxfIn(AcDbDxfFiler* filer);
  Acad::ErrorStatus dxfOut(AcDbDxfFiler* filer) const;
  virtual Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer);
  virtual Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const;
  virtual Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer);
  virtual Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const;

  // A copy outside any drawing (no owner, no extension dictionary), owned by the caller.
  AcRxObject* clone() const override;
  Acad::ErrorStatus copyFrom(const AcRxObject* other) override;
  // Clones this object and the objects it owns into pOwner's drawing; references are
  // translated by AcDbDatabase::deepCloneObjects once all are cloned. pClonedObject comes
  // back open for write (the caller closes it), or null when this object was cloned before.
  virtual Acad::ErrorStatus deepClone(AcDbObject* pOwner, AcDbObject*& pClonedObject, AcDbIdMapping& idMap,
                                      Adesk::Boolean isPrimary = true) const;

  // Extension dictionary: an AcDbDictionary owned by this object.
  Acad::ErrorStatus createExtensionDictionary();
  AcDbObjectId extensionDictionary() const { return extensionDictionary_; }
  Acad::ErrorStatus releaseExtensionDictionary();

  // Extended data: per application, a 1001 group with its name and the 1000-1071
  // groups after it. xData hands over a new chain (free it with acutRelRb), null when
  // there is none; a null name gives every application's. setXData replaces the data
  // of each application the chain names; a name with no groups after it removes that
  // application's data. Bad chains (no leading 1001, codes outside 1000-1071) change
  // nothing and give Acad::eInvalidInput.
  resbuf* xData(const char* regappName = nullptr) const;
  Acad::ErrorStatus setXData(const resbuf* xdata);
  // The names of the applications with data here, in order.
  std::vector<std::string> xDataAppNames() const;

  // Hooks for derived classes; overrides call the parent's.
  virtual Acad::ErrorStatus subErase(Adesk::Boolean erasing);
  virtual Acad::ErrorStatus subOpen(AcDb::OpenMode mode);
  virtual Acad::ErrorStatus subClose();

  // The handle read from a file before the object joined a drawing; addAcDbObject keeps it.
  const AcDbHandle& pendingHandle() const { return pendingHandle_; }
  void setPendingHandle(const AcDbHandle& handle) { pendingHandle_ = handle; }

 protected:
  AcDbObject();

  // For a change that only appends to the object's one appendable list: as
  // assertWriteEnabled, but cancel() runs takeBack (cutting the list back to its length
  // before the append) instead of restoring a filing of the whole object, so the change
  // costs the same however large the object is.
  bool assertWriteEnabledForAppend(ObjectUndoLog::Step takeBack);
  // Erases or unerases an owned object and what it owns; cancel() flips them back.
  void eraseOwnedAlong(AcDbObjectId id, bool erasing);

 private:
  friend class AcDbDatabase;
  friend class AcDbStub;
  friend Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*&, AcDbObjectId, AcDb::OpenMode, bool);
  // Tells the drawing when a write open added, changed or erased the object.
  void recordChange();
  ObjectUndoLog& undoLog();
  // Files the object for cancel() unless that is done already this open.
  void takeUndoSnapshot();
  void logUndoStep(ObjectUndoLog::Step step, bool coveredBySnapshot, bool append = false);
  Acad::ErrorStatus writeXData(AcDbDwgFiler* filer) const;
  Acad::ErrorStatus readXData(AcDbDwgFiler* filer);

  struct ResbufChainDeleter {
    void operator()(resbuf* rb) const { acutRelRb(rb); }
  };
  struct XDataApp {
    std::string name;
    std::unique_ptr<resbuf, ResbufChainDeleter> groups;  // never null: an app without groups is removed
  };

  AcDbStub* stub_ = nullptr;
  AcDbObjectId ownerId_;
  AcDbObjectId extensionDictionary_;
  AcDbHandle pendingHandle_;
  bool modified_ = false;
  bool isNew_ = true;
  std::unique_ptr<ObjectUndoLog> undo_;  // what cancel() takes back; null while nothing changed
  std::vector<XDataApp> xdata_;
};

// Opening by id. openErased lets an erased object be opened.
Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false);
Acad::ErrorStatus acdbOpenObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false);
// Opens as T: Acad::eNotThatKindOfClass (and nothing left open) when the object is no T.
template <class T>
Acad::ErrorStatus acdbOpenObject(T*& obj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
  obj = nullptr;
  AcDbObject* opened = nullptr;
  Acad::ErrorStatus es = acdbOpenAcDbObject(opened, id, mode, openErased);
  if (es != Acad::eOk) return es;
  obj = T::cast(opened);
  if (obj == nullptr) {
    opened->close();
    return Acad::eNotThatKindOfClass;
  }
  return Acad::eOk;
}
