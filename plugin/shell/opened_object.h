// Drawing objects are opened only through OpenedObject, for the length of one call:
//   OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
//   if (polyline.openStatus() != Acad::eOk) return false;
// An object left open on an early return locks out the next caller, and a second close takes
// back somebody else's open; the guard closes once on every way out. A close the drawing refuses
// (the object was closed behind the guard) still ends the command with "Failed AcDbObject::close()",
// as the plug-in has always reported it.
#pragma once

#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/runtime/rx_class.h"

template <class T>
class OpenedObject : public AcDbObjectPointer<T> {
 public:
  using AcDbObjectPointer<T>::AcDbObjectPointer;
  ~OpenedObject() { close(); }
  OpenedObject(const OpenedObject&) = delete;
  OpenedObject& operator=(const OpenedObject&) = delete;

  Acad::ErrorStatus open(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
    close();
    return AcDbObjectPointer<T>::open(id, mode, openErased);
  }

  void close() {
    if (this->object() != nullptr && AcDbObjectPointer<T>::close() != Acad::eOk) {
      acrx_abort("Failed AcDbObject::close()");
    }
  }
};
