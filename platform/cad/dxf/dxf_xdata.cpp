#include "platform/cad/dxf/dxf_xdata.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/cad/db/db_object.h"

namespace {

struct ChainDeleter {
  void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using Chain = std::unique_ptr<resbuf, ChainDeleter>;

// A heap resbuf holding a copy of the item's value.
resbuf* resbufFromItem(const DxfItem& item) {
  resbuf* rb = acutNewRb(item.code);
  if (rb == nullptr) return nullptr;
  switch (AcDb::dxfValueKind(item.code)) {
    case AcDb::kDxfValueReal:
      rb->resval.rreal = item.reals[0];
      break;
    case AcDb::kDxfValuePoint:
      for (int i = 0; i < 3; ++i) rb->resval.rpoint[i] = item.reals[i];
      break;
    case AcDb::kDxfValueInt16:
      rb->resval.rint = static_cast<short>(item.integer);
      break;
    case AcDb::kDxfValueInt32:
      rb->resval.rlong = static_cast<std::int32_t>(item.integer);
      break;
    case AcDb::kDxfValueBinary:
      if (!item.bytes.empty()) {
        rb->resval.rbinary.buf = static_cast<char*>(std::malloc(item.bytes.size()));
        if (rb->resval.rbinary.buf == nullptr) {
          acutRelRb(rb);
          return nullptr;
        }
        std::memcpy(rb->resval.rbinary.buf, item.bytes.data(), item.bytes.size());
        rb->resval.rbinary.clen = static_cast<short>(item.bytes.size());
      }
      break;
    default:
      rb->resval.rstring = strdup(item.text.c_str());
      if (rb->resval.rstring == nullptr) {
        acutRelRb(rb);
        return nullptr;
      }
      break;
  }
  return rb;
}

DxfItem itemFromResbuf(const resbuf& rb) {
  DxfItem item;
  item.code = rb.restype;
  item.kind = AcDb::dxfValueKind(rb.restype);
  switch (item.kind) {
    case AcDb::kDxfValueReal:
      item.reals[0] = rb.resval.rreal;
      item.dimensions = 1;
      break;
    case AcDb::kDxfValuePoint:
      for (int i = 0; i < 3; ++i) item.reals[i] = rb.resval.rpoint[i];
      item.dimensions = 3;
      break;
    case AcDb::kDxfValueInt16:
      item.integer = rb.resval.rint;
      break;
    case AcDb::kDxfValueInt32:
      item.integer = rb.resval.rlong;
      break;
    case AcDb::kDxfValueBinary:
      if (rb.resval.rbinary.buf != nullptr && rb.resval.rbinary.clen > 0) {
        item.bytes.assign(rb.resval.rbinary.buf, rb.resval.rbinary.buf + rb.resval.rbinary.clen);
      }
      break;
    default:
      item.text = rb.resval.rstring != nullptr ? rb.resval.rstring : "";
      break;
  }
  return item;
}

}  // namespace

std::size_t xDataStart(const std::vector<DxfItem>& items) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].code == AcDb::kDxfRegAppName) return i;
  }
  return items.size();
}

bool applyXData(AcDbObject* object, const DxfItem* first, const DxfItem* last, std::string& problem) {
  if (first == last) return true;
  Chain chain;
  resbuf** tail = nullptr;
  for (const DxfItem* item = first; item != last; ++item) {
    if (item->code < 1000 || item->code > 1071) {
      problem = "group code " + std::to_string(item->code) + " among the extended data";
      return false;
    }
    resbuf* rb = resbufFromItem(*item);
    if (rb == nullptr) {
      problem = "out of memory reading the extended data";
      return false;
    }
    if (tail == nullptr) {
      chain.reset(rb);
    } else {
      *tail = rb;
    }
    tail = &rb->rbnext;
  }
  const Acad::ErrorStatus es = object->setXData(chain.get());
  if (es != Acad::eOk) {
    problem = std::string("bad extended data: ") + acadErrorStatusText(es);
    return false;
  }
  return true;
}

void appendXDataItems(const AcDbObject* object, std::vector<DxfItem>& items) {
  Chain chain(object->xData());
  for (const resbuf* rb = chain.get(); rb != nullptr; rb = rb->rbnext) items.push_back(itemFromResbuf(*rb));
}
