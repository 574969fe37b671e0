#include "platform/cad/db/resbuf.h"

#include <cstdlib>

#include "platform/cad/db/db_enums.h"

namespace {

bool holdsString(int type) {
  if (type == RTSTR) return true;
  if (type < 0 || type >= RTNONE) return false;
  return AcDb::dxfValueKind(type) == AcDb::kDxfValueString || AcDb::dxfValueKind(type) == AcDb::kDxfValueHandle;
}

bool holdsBinary(int type) {
  return type >= 0 && type < RTNONE && AcDb::dxfValueKind(type) == AcDb::kDxfValueBinary;
}

}  // namespace

resbuf* acutNewRb(int type) {
  auto* rb = static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
  if (rb != nullptr) rb->restype = static_cast<short>(type);
  return rb;
}

int acutRelRb(resbuf* rb) {
  while (rb != nullptr) {
    resbuf* next = rb->rbnext;
    if (holdsString(rb->restype)) std::free(rb->resval.rstring);
    if (holdsBinary(rb->restype)) std::free(rb->resval.rbinary.buf);
    std::free(rb);
    rb = next;
  }
  return RTNORM;
}

void acutDelString(char*& string) {
  std::free(string);
  string = nullptr;
}
