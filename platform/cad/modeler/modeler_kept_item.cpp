#include "platform/cad/modeler/modeler_kept_item.h"

#include <cstring>

using KeptItem = ModelerEntity::KeptItem;

KeptItem KeptItem::fromResbuf(const resbuf& rb) {
  KeptItem item;
  item.code = rb.restype;
  item.kind = AcDb::dxfValueKind(rb.restype);
  switch (item.kind) {
    case AcDb::kDxfValueString:
    case AcDb::kDxfValueHandle:
      item.text = rb.resval.rstring != nullptr ? rb.resval.rstring : "";
      break;
    case AcDb::kDxfValueReal:
      item.reals[0] = rb.resval.rreal;
      break;
    case AcDb::kDxfValuePoint:
      std::memcpy(item.reals, rb.resval.rpoint, sizeof item.reals);
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
    case AcDb::kDxfValueObjectId:
      acdbGetObjectId(item.id, rb.resval.rlname);
      break;
    case AcDb::kDxfValueBinary:
      if (rb.resval.rbinary.buf != nullptr && rb.resval.rbinary.clen > 0)
        item.text.assign(rb.resval.rbinary.buf, static_cast<std::size_t>(rb.resval.rbinary.clen));
      break;
    case AcDb::kDxfValueUnknown:
      break;
  }
  return item;
}

Acad::ErrorStatus KeptItem::writeDxf(AcDbDxfFiler* filer) const {
  const auto code = static_cast<AcDb::DxfCode>(this->code);
  switch (kind) {
    case AcDb::kDxfValueString:
      return filer->writeString(code, text);
    case AcDb::kDxfValueHandle:
      return filer->writeAcDbHandle(code, AcDbHandle(text.c_str()));
    case AcDb::kDxfValueReal:
      return filer->writeDouble(code, reals[0]);
    case AcDb::kDxfValuePoint:
      return filer->writePoint3d(code, AcGePoint3d(reals[0], reals[1], reals[2]));
    case AcDb::kDxfValueInt16:
      return filer->writeInt16(code, static_cast<Adesk::Int16>(integer));
    case AcDb::kDxfValueBool:
      return filer->writeBool(code, integer != 0);
    case AcDb::kDxfValueInt32:
      return filer->writeInt32(code, static_cast<Adesk::Int32>(integer));
    case AcDb::kDxfValueInt64: {
      resbuf rb{};
      rb.restype = this->code;
      rb.resval.rlong64 = integer;
      return filer->writeItem(rb);
    }
    case AcDb::kDxfValueObjectId:
      return filer->writeObjectId(code, id);
    case AcDb::kDxfValueBinary: {
      ads_binary chunk{static_cast<short>(text.size()), const_cast<char*>(text.data())};
      return filer->writeBChunk(code, chunk);
    }
    case AcDb::kDxfValueUnknown:
      break;
  }
  return Acad::eOk;
}

void KeptItem::writeDwg(AcDbDwgFiler* filer) const {
  filer->writeInt16(code);
  filer->writeInt32(static_cast<Adesk::Int32>(kind));
  filer->writeString(text.c_str());
  filer->writeInt64(integer);
  filer->writePoint3d(AcGePoint3d(reals[0], reals[1], reals[2]));
  filer->writeSoftPointerId(id);
}

void KeptItem::readDwg(AcDbDwgFiler* filer) {
  Adesk::Int16 readCode = 0;
  Adesk::Int32 readKind = 0;
  Adesk::Int64 readInteger = 0;
  AcGePoint3d point;
  AcDbSoftPointerId readId;
  filer->readInt16(&readCode);
  filer->readInt32(&readKind);
  filer->readString(&text);
  filer->readInt64(&readInteger);
  filer->readPoint3d(&point);
  filer->readSoftPointerId(&readId);
  code = readCode;
  kind = static_cast<AcDb::DxfValueKind>(readKind);
  integer = readInteger;
  reals[0] = point.x;
  reals[1] = point.y;
  reals[2] = point.z;
  id = readId;
}
