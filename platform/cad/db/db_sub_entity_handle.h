// The handle of a part of a complex entity (a 3D polyline's vertex, a block
// reference's attribute, the SEQEND closing them). Parts have no ids of their own,
// so the handle is held in the owner's drawing by an id without an object: nothing
// else takes it, the handle seed stays above it, and every save writes it again.
#pragma once

#include "platform/cad/db/db_handle.h"

class AcDbDatabase;
class AcDbDwgFiler;

class SubEntityHandle {
 public:
  const AcDbHandle& handle() const { return handle_; }
  // A handle read from a file; hold() claims it once the owner is in a drawing.
  void setRead(const AcDbHandle& handle);
  // Claims the read handle in the drawing. A handle another object has (a damaged
  // file) is replaced by a new one from the drawing's seed; a part without a handle
  // gets one only with giveNew.
  void hold(AcDbDatabase* database, bool giveNew);

  // Undo and reference translation keep the handle; a copy or a deep clone is a new
  // part and gets its own handle when its owner joins a drawing.
  void dwgOut(AcDbDwgFiler* filer) const;
  void dwgIn(AcDbDwgFiler* filer);

 private:
  void takeNew(AcDbDatabase* database);

  AcDbHandle handle_;
  bool held_ = false;
};
