#include "platform/cad/db/dxf_item_filer.h"

#include <cstring>

#include "platform/cad/db/db_database.h"

DxfItem DxfItem::makeText(int code, std::string text) {
  DxfItem item;
  item.code = static_cast<short>(code);
  item.kind = AcDb::dxfValueKind(code);
  item.text = std::move(text);
  return item;
}

DxfItem DxfItem::makeReal(int code, double value) {
  DxfItem item;
  item.code = static_cast<short>(code);
  item.kind = AcDb::kDxfValueReal;
  item.reals[0] = value;
  item.dimensions = 1;
  return item;
}

DxfItem DxfItem::makePoint(int code, double x, double y, double z, int dimensions) {
  DxfItem item;
  item.code = static_cast<short>(code);
  item.kind = AcDb::kDxfValuePoint;
  item.reals[0] = x;
  item.reals[1] = y;
  item.reals[2] = z;
  item.dimensions = dimensions;
  return item;
}

DxfItem DxfItem::makeInteger(int code, std::int64_t value) {
  DxfItem item;
  item.code = static_cast<short>(code);
  item.kind = AcDb::dxfValueKind(code);
  item.integer = value;
  return item;
}

DxfItem DxfItem::makeHandle(int code, const AcDbHandle& handle) {
  char text[AcDbHandle::kStrSiz];
  handle.getIntoAsciiBuffer(text);
  return makeText(code, text);
}

DxfItemFiler::DxfItemFiler(AcDbDatabase* database, AcDb::FilerType type) : database_(database), type_(type) {}

DxfItemFiler::DxfItemFiler(std::vector<DxfItem> items, AcDbDatabase* database, AcDb::FilerType type)
    : database_(database), type_(type), items_(std::move(items)) {}

std::vector<DxfItem> DxfItemFiler::takeItems() {
  readIndex_ = 0;
  canPushBack_ = false;
  std::vector<DxfItem> items = std::move(items_);
  items_.clear();
  return items;
}

int DxfItemFiler::rewindFiler() {
  readIndex_ = 0;
  canPushBack_ = false;
  return 0;
}

Acad::ErrorStatus DxfItemFiler::readItem(resbuf* rb) {
  if (rb == nullptr) return Acad::eInvalidInput;
  *rb = resbuf{};
  if (status_ != Acad::eOk) return status_;
  if (readIndex_ >= items_.size()) {
    canPushBack_ = false;
    return Acad::eEndOfFile;  // the end of an object's items is no error of the filer
  }
  const DxfItem& item = items_[readIndex_++];
  canPushBack_ = true;
  rb->restype = item.code;
  switch (item.kind) {
    case AcDb::kDxfValueString:
    case AcDb::kDxfValueHandle:
      // The filer's items stay as they are while it lives.
      rb->resval.rstring = const_cast<char*>(item.text.c_str());
      break;
    case AcDb::kDxfValueReal:
      rb->resval.rreal = item.reals[0];
      break;
    case AcDb::kDxfValuePoint:
      rb->resval.rpoint[0] = item.reals[0];
      rb->resval.rpoint[1] = item.reals[1];
      rb->resval.rpoint[2] = item.dimensions == 3 ? item.reals[2] : 0.0;
      break;
    case AcDb::kDxfValueInt16:
    case AcDb::kDxfValueBool:
      rb->resval.rint = static_cast<short>(item.integer);
      break;
    case AcDb::kDxfValueInt32:
      rb->resval.rlong = static_cast<std::int32_t>(item.integer);
      break;
    case AcDb::kDxfValueInt64:
      rb->resval.rlong64 = item.integer;
      break;
    case AcDb::kDxfValueObjectId: {
      AcDbObjectId id;
      AcDbHandle handle(item.text.c_str());
      if (database_ != nullptr && !handle.isNull()) database_->getAcDbObjectId(id, true, handle);
      acdbGetAdsName(rb->resval.rlname, id);
      break;
    }
    case AcDb::kDxfValueBinary:
      rb->resval.rbinary.clen = static_cast<short>(item.bytes.size());
      rb->resval.rbinary.buf =
          item.bytes.empty() ? nullptr : const_cast<char*>(reinterpret_cast<const char*>(item.bytes.data()));
      break;
    case AcDb::kDxfValueUnknown:
      return setError(Acad::eInvalidDxfCode, "\nError: invalid group code %d", item.code);
  }
  return Acad::eOk;
}

Acad::ErrorStatus DxfItemFiler::pushBackItem() {
  if (!canPushBack_ || readIndex_ == 0) return Acad::eInvalidInput;
  --readIndex_;
  canPushBack_ = false;
  return Acad::eOk;
}

DxfItem DxfItem::fromResbuf(const resbuf& rb) {
  DxfItem item;
  item.code = rb.restype;
  item.kind = AcDb::dxfValueKind(rb.restype);
  switch (item.kind) {
    case AcDb::kDxfValueString:
    case AcDb::kDxfValueHandle:
    case AcDb::kDxfValueUnknown:
      item.text = rb.resval.rstring != nullptr ? rb.resval.rstring : "";
      break;
    case AcDb::kDxfValueReal:
      item.reals[0] = rb.resval.rreal;
      item.dimensions = 1;
      break;
    case AcDb::kDxfValuePoint:
      for (int i = 0; i < 3; ++i) item.reals[i] = rb.resval.rpoint[i];
      item.dimensions = 3;
      break;
    case AcDb::kDxfValueInt16:
    case AcDb::kDxfValueBool:
      item.integer = rb.resval.rint;
      break;
    case AcDb::kDxfValueInt32:
      item.integer = rb.resval.rlong;
      break;
    case AcDb::kDxfValueInt64:
      item.integer = rb.resval.rlong64;
      break;
    case AcDb::kDxfValueObjectId: {
      AcDbObjectId id;
      acdbGetObjectId(id, rb.resval.rlname);
      char text[AcDbHandle::kStrSiz];
      id.handle().getIntoAsciiBuffer(text);
      item.text = text;
      break;
    }
    case AcDb::kDxfValueBinary:
      if (rb.resval.rbinary.buf != nullptr && rb.resval.rbinary.clen > 0) {
        item.bytes.assign(rb.resval.rbinary.buf, rb.resval.rbinary.buf + rb.resval.rbinary.clen);
      }
      break;
  }
  return item;
}

Acad::ErrorStatus DxfItemFiler::writeItem(const resbuf& rb) {
  if (status_ != Acad::eOk) return status_;
  DxfItem item = DxfItem::fromResbuf(rb);
  switch (item.kind) {
    case AcDb::kDxfValueReal:
      item.precision = itemPrecision();
      break;
    case AcDb::kDxfValuePoint:
      item.dimensions = pointDimensions();
      item.precision = itemPrecision();
      break;
    case AcDb::kDxfValueUnknown:
      return setError(Acad::eInvalidDxfCode, "\nError: invalid group code %d", rb.restype);
    default:
      break;
  }
  items_.push_back(std::move(item));
  return Acad::eOk;
}
