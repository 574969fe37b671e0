#include "platform/cad/db/filing/db_dxf_filer.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <numbers>

namespace {

std::string formatMessage(const char* format, va_list args) {
  char message[1024];
  std::vsnprintf(message, sizeof message, format != nullptr ? format : "", args);
  return message;
}

resbuf makeItem(AcDb::DxfCode code) {
  resbuf rb{};
  rb.restype = static_cast<short>(code);
  return rb;
}

}  // namespace

AcDb::DxfValueKind AcDb::dxfValueKind(int code) {
  if (code < 0) return kDxfValueUnknown;
  if (code == 5 || code == 105) return kDxfValueHandle;
  if (code <= 9) return kDxfValueString;
  if (code <= 18) return kDxfValuePoint;
  if (code <= 59) return kDxfValueReal;
  if (code <= 79) return kDxfValueInt16;
  if (code >= 90 && code <= 99) return kDxfValueInt32;
  if (code == 100 || code == 101 || code == 102) return kDxfValueString;
  if (code >= 110 && code <= 112) return kDxfValuePoint;
  if (code >= 113 && code <= 149) return kDxfValueReal;
  if (code >= 160 && code <= 169) return kDxfValueInt64;
  if (code >= 170 && code <= 179) return kDxfValueInt16;
  if (code == 210) return kDxfValuePoint;
  if (code >= 211 && code <= 239) return kDxfValueReal;
  if (code >= 270 && code <= 289) return kDxfValueInt16;
  if (code >= 290 && code <= 299) return kDxfValueBool;
  if (code >= 300 && code <= 309) return kDxfValueString;
  if (code >= 310 && code <= 319) return kDxfValueBinary;
  if (code >= 320 && code <= 329) return kDxfValueHandle;
  if (code >= 330 && code <= 369) return kDxfValueObjectId;
  if (code >= 370 && code <= 389) return kDxfValueInt16;
  if (code >= 390 && code <= 399) return kDxfValueObjectId;
  if (code >= 400 && code <= 409) return kDxfValueInt16;
  if (code >= 410 && code <= 419) return kDxfValueString;
  if (code >= 420 && code <= 429) return kDxfValueInt32;
  if (code >= 430 && code <= 439) return kDxfValueString;
  if (code >= 440 && code <= 459) return kDxfValueInt32;
  if (code >= 460 && code <= 469) return kDxfValueReal;
  if (code >= 470 && code <= 479) return kDxfValueString;
  if (code == 480 || code == 481) return kDxfValueHandle;
  if (code == 999) return kDxfValueString;
  if (code >= 1000 && code <= 1003) return kDxfValueString;
  if (code == 1004) return kDxfValueBinary;
  if (code == 1005) return kDxfValueHandle;
  if (code >= 1006 && code <= 1009) return kDxfValueString;
  if (code >= 1010 && code <= 1013) return kDxfValuePoint;
  if (code >= 1014 && code <= 1059) return kDxfValueReal;
  if (code >= 1060 && code <= 1070) return kDxfValueInt16;
  if (code == 1071) return kDxfValueInt32;
  return kDxfValueUnknown;
}

Acad::ErrorStatus AcDbDxfFiler::setError(Acad::ErrorStatus status, const char* format, ...) {
  va_list args;
  va_start(args, format);
  errorMessage_ = formatMessage(format, args);
  va_end(args);
  setStatus(status);
  return status;
}

Acad::ErrorStatus AcDbDxfFiler::setError(const char* format, ...) {
  va_list args;
  va_start(args, format);
  errorMessage_ = formatMessage(format, args);
  va_end(args);
  setStatus(Acad::eFilerError);
  return Acad::eFilerError;
}

Adesk::Boolean AcDbDxfFiler::atSubclassData(const char* subClassName) {
  resbuf rb;
  if (readItem(&rb) != Acad::eOk) return false;
  if (rb.restype == AcDb::kDxfSubclass && rb.resval.rstring != nullptr && subClassName != nullptr &&
      std::strcmp(rb.resval.rstring, subClassName) == 0) {
    return true;
  }
  pushBackItem();
  return false;
}

Adesk::Boolean AcDbDxfFiler::atExtendedData() {
  resbuf rb;
  if (readItem(&rb) != Acad::eOk) return false;
  pushBackItem();
  return rb.restype == AcDb::kDxfRegAppName;
}

Adesk::Boolean AcDbDxfFiler::atEndOfObject() {
  if (atEOF()) return true;
  resbuf rb;
  if (readItem(&rb) != Acad::eOk) return true;
  pushBackItem();
  return rb.restype == AcDb::kDxfStart;
}

Adesk::Boolean AcDbDxfFiler::atEmbeddedObjectStart() {
  resbuf rb;
  if (readItem(&rb) != Acad::eOk) return false;
  if (rb.restype == AcDb::kDxfEmbeddedObjectStart) return true;
  pushBackItem();
  return false;
}

Acad::ErrorStatus AcDbDxfFiler::writeObjectId(AcDb::DxfCode code, const AcDbObjectId& id) {
  resbuf rb = makeItem(code);
  acdbGetAdsName(rb.resval.rlname, id);
  return writeItem(rb);
}

Acad::ErrorStatus AcDbDxfFiler::writeString(AcDb::DxfCode code, const char* value) {
  resbuf rb = makeItem(code);
  rb.resval.rstring = const_cast<char*>(value != nullptr ? value : "");
  return writeItem(rb);
}

Acad::ErrorStatus AcDbDxfFiler::writeAcDbHandle(AcDb::DxfCode code, const AcDbHandle& value) {
  char text[AcDbHandle::kStrSiz];
  value.getIntoAsciiBuffer(text);
  return writeString(code, text);
}

Acad::ErrorStatus AcDbDxfFiler::writeBChunk(AcDb::DxfCode code, const ads_binary& value) {
  resbuf rb = makeItem(code);
  rb.resval.rbinary = value;
  return writeItem(rb);
}

Acad::ErrorStatus AcDbDxfFiler::writeInt8(AcDb::DxfCode code, Adesk::Int8 value) {
  resbuf rb = makeItem(code);
  rb.resval.rint = value;
  return writeItem(rb);
}

Acad::ErrorStatus AcDbDxfFiler::writeInt16(AcDb::DxfCode code, Adesk::Int16 value) {
  resbuf rb = makeItem(code);
  rb.resval.rint = value;
  return writeItem(rb);
}

Acad::ErrorStatus AcDbDxfFiler::writeInt32(AcDb::DxfCode code, Adesk::Int32 value) {
  resbuf rb = makeItem(code);
  rb.resval.rlong = value;
  return writeItem(rb);
}

Acad::ErrorStatus AcDbDxfFiler::writeUInt8(AcDb::DxfCode code, Adesk::UInt8 value) {
  return writeInt16(code, static_cast<Adesk::Int16>(value));
}

Acad::ErrorStatus AcDbDxfFiler::writeUInt16(AcDb::DxfCode code, Adesk::UInt16 value) {
  return writeInt16(code, static_cast<Adesk::Int16>(value));
}

Acad::ErrorStatus AcDbDxfFiler::writeUInt32(AcDb::DxfCode code, Adesk::UInt32 value) {
  return writeInt32(code, static_cast<Adesk::Int32>(value));
}

Acad::ErrorStatus AcDbDxfFiler::writeBool(AcDb::DxfCode code, bool value) {
  resbuf rb = makeItem(code);
  rb.resval.rint = value ? 1 : 0;
  return writeItem(rb);
}

Acad::ErrorStatus AcDbDxfFiler::writeReals(AcDb::DxfCode code, const double* values, int count, int precision) {
  resbuf rb = makeItem(code);
  rb.resval.rpoint[0] = rb.resval.rpoint[1] = rb.resval.rpoint[2] = 0.0;
  for (int i = 0; i < count; ++i) rb.resval.rpoint[i] = values[i];
  itemPrecision_ = precision;
  Acad::ErrorStatus es = writeItem(rb);
  itemPrecision_ = kDfltPrec;
  return es;
}

Acad::ErrorStatus AcDbDxfFiler::writeDouble(AcDb::DxfCode code, double value, int precision) {
  return writeReals(code, &value, 1, precision);
}

Acad::ErrorStatus AcDbDxfFiler::writeAngle(AcDb::DxfCode code, double radians, int precision) {
  return writeDouble(code, radians * 180.0 / std::numbers::pi, precision);
}

Acad::ErrorStatus AcDbDxfFiler::writePoint2d(AcDb::DxfCode code, const AcGePoint2d& value, int precision) {
  const double values[2] = {value.x, value.y};
  pointDimensions_ = 2;
  Acad::ErrorStatus es = writeReals(code, values, 2, precision);
  pointDimensions_ = 3;
  return es;
}

Acad::ErrorStatus AcDbDxfFiler::writePoint3d(AcDb::DxfCode code, const AcGePoint3d& value, int precision) {
  const double values[3] = {value.x, value.y, value.z};
  return writeReals(code, values, 3, precision);
}

Acad::ErrorStatus AcDbDxfFiler::writeVector2d(AcDb::DxfCode code, const AcGeVector2d& value, int precision) {
  return writePoint2d(code, AcGePoint2d(value.x, value.y), precision);
}

Acad::ErrorStatus AcDbDxfFiler::writeVector3d(AcDb::DxfCode code, const AcGeVector3d& value, int precision) {
  const double values[3] = {value.x, value.y, value.z};
  return writeReals(code, values, 3, precision);
}

Acad::ErrorStatus AcDbDxfFiler::writeScale3d(AcDb::DxfCode code, const AcGeScale3d& value, int precision) {
  const double values[3] = {value.sx, value.sy, value.sz};
  return writeReals(code, values, 3, precision);
}
