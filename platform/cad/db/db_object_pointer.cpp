#include "platform/cad/db/db_object_pointer.h"

#include "platform/cad/db/runtime/rx_class.h"

ObjectCloser::~ObjectCloser() {
  if (object_ != nullptr && object_->close() != Acad::eOk) acrx_abort("Failed AcDbObject::close()");
}
