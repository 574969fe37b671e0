#include "platform/cad/db/filing/resbuf.h"

#include <cstdlib>
#include <cstring>

#include "platform/cad/db/db_enums.h"

namespace {

bool holdsString(int type) {
  if (type == RTSTR || type == RTDXF0) return true;
  if (type < 0 || type >= RTNONE) return false;
  return AcDb::dxfValueKind(type) == AcDb::kDxfValueString || AcDb::dxfValueKind(type) == AcDb::kDxfValueHandle;
}

bool holdsBinary(int type) { return type >= 0 && type < RTNONE && AcDb::dxfValueKind(type) == AcDb::kDxfValueBinary; }

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

resbuf* duplicateResbuf(const resbuf& rb) {
  resbuf* copy = acutNewRb(rb.restype);
  if (copy == nullptr) return nullptr;
  copy->resval = rb.resval;
  if (holdsString(rb.restype) && rb.resval.rstring != nullptr) {
    copy->resval.rstring = strdup(rb.resval.rstring);
    if (copy->resval.rstring == nullptr) {
      std::free(copy);
      return nullptr;
    }
  } else if (holdsBinary(rb.restype)) {
    const short length = rb.resval.rbinary.buf != nullptr && rb.resval.rbinary.clen > 0 ? rb.resval.rbinary.clen : 0;
    copy->resval.rbinary.clen = length;
    copy->resval.rbinary.buf = nullptr;
    if (length > 0) {
      copy->resval.rbinary.buf = static_cast<char*>(std::malloc(static_cast<std::size_t>(length)));
      if (copy->resval.rbinary.buf == nullptr) {
        std::free(copy);
        return nullptr;
      }
      std::memcpy(copy->resval.rbinary.buf, rb.resval.rbinary.buf, static_cast<std::size_t>(length));
    }
  }
  return copy;
}

resbuf* duplicateResbufChain(const resbuf* first, const resbuf* stopBefore) {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (const resbuf* rb = first; rb != nullptr && rb != stopBefore; rb = rb->rbnext) {
    *tail = duplicateResbuf(*rb);
    if (*tail == nullptr) {
      acutRelRb(head);
      return nullptr;
    }
    (*tail)->rbnext = nullptr;
    tail = &(*tail)->rbnext;
  }
  return head;
}
