// Guards that close opened objects on scope exit.
//
// AcDbObjectPointer<T> opens an object by id and closes it when it goes; it can also
// hold a new object (create/acquire), which it deletes unless the object joined a
// drawing by then. ObjectCloser closes a raw pointer opened with acdbOpenObject.
#pragma once

#include <cstdio>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_object.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/tables/db_symbol_table.h"

template <class T>
class AcDbObjectPointer {
 public:
  AcDbObjectPointer() = default;
  AcDbObjectPointer(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
    status_ = acdbOpenObject(object_, id, mode, openErased);
  }
  ~AcDbObjectPointer() { release(); }
  AcDbObjectPointer(const AcDbObjectPointer&) = delete;
  AcDbObjectPointer& operator=(const AcDbObjectPointer&) = delete;

  Acad::ErrorStatus open(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
    release();
    status_ = acdbOpenObject(object_, id, mode, openErased);
    return status_;
  }
  // eOk while an object is held; the open's status otherwise (eNullObjectPointer when empty).
  Acad::ErrorStatus openStatus() const { return status_; }

  // A new T held by the guard.
  Acad::ErrorStatus create() {
    release();
    object_ = new T();
    status_ = Acad::eOk;
    return status_;
  }
  // Takes over a new object (deleted unless it joins a drawing) or one opened elsewhere (closed).
  Acad::ErrorStatus acquire(T*& pObject) {
    if (pObject == nullptr) return Acad::eNullObjectPointer;
    release();
    object_ = pObject;
    pObject = nullptr;
    status_ = Acad::eOk;
    return status_;
  }
  // Gives the object up without closing or deleting it.
  Acad::ErrorStatus release(T*& pObject) {
    pObject = object_;
    object_ = nullptr;
    status_ = Acad::eNullObjectPointer;
    return Acad::eOk;
  }
  Acad::ErrorStatus close() {
    if (object_ == nullptr) return Acad::eNullObjectPointer;
    Acad::ErrorStatus es = Acad::eOk;
    if (object_->isDatabaseResident()) {
      es = object_->close();
    } else {
      delete object_;
    }
    object_ = nullptr;
    status_ = Acad::eNullObjectPointer;
    return es;
  }

  T* object() const { return object_; }
  T* operator->() const { return object_; }
  operator T*() const { return object_; }  // NOLINT

 private:
  void release() {
    if (object_ != nullptr) close();
  }

  T* object_ = nullptr;
  Acad::ErrorStatus status_ = Acad::eNullObjectPointer;
};

using AcDbEntityPointer = AcDbObjectPointer<AcDbEntity>;

// Opens a drawing's symbol table: AcDbSymbolTablePointer<AcDbBlockTable> bt(db, AcDb::kForRead).
template <class T>
class AcDbSymbolTablePointer : public AcDbObjectPointer<T> {
 public:
  AcDbSymbolTablePointer() = default;
  AcDbSymbolTablePointer(AcDbDatabase* db, AcDb::OpenMode mode) { open(db, mode); }
  AcDbSymbolTablePointer(AcDbObjectId id, AcDb::OpenMode mode) : AcDbObjectPointer<T>(id, mode) {}
  using AcDbObjectPointer<T>::open;
  Acad::ErrorStatus open(AcDbDatabase* db, AcDb::OpenMode mode) {
    if (db == nullptr) return Acad::eNoDatabase;
    T* table = nullptr;
    Acad::ErrorStatus es = db->getSymbolTable(table, mode);
    if (es != Acad::eOk) return es;
    AcDbObjectId id = table->objectId();
    table->close();
    return AcDbObjectPointer<T>::open(id, mode);
  }
};

// Opens a symbol table record by name or id.
template <class T>
class AcDbSymbolTableRecordPointer : public AcDbObjectPointer<T> {
 public:
  AcDbSymbolTableRecordPointer() = default;
  AcDbSymbolTableRecordPointer(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false)
      : AcDbObjectPointer<T>(id, mode, openErased) {}
  using AcDbObjectPointer<T>::open;
  template <class Table>
  Acad::ErrorStatus openByName(const char* name, Table* table, AcDb::OpenMode mode, bool openErased = false) {
    AcDbObjectId id;
    Acad::ErrorStatus es = table->getAt(name, id, openErased);
    if (es != Acad::eOk) return es;
    return AcDbObjectPointer<T>::open(id, mode, openErased);
  }
};

// Closes the object on scope exit unless dismissed. A failed close goes to acrx_abort
// with "Failed AcDbObject::close()", as the host's callers report it.
class ObjectCloser {
 public:
  explicit ObjectCloser(AcDbObject* object) : object_(object) {}
  ~ObjectCloser();
  ObjectCloser(const ObjectCloser&) = delete;
  ObjectCloser& operator=(const ObjectCloser&) = delete;
  void dismiss() { object_ = nullptr; }
  void reset(AcDbObject* object) { object_ = object; }

 private:
  AcDbObject* object_;
};
