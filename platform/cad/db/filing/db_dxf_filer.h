// AcDbDxfFiler: the filer of DXF group codes through which objects write and read
// their DXF fields (dxfOutFields/dxfInFields).
//
// Reading gives one item at a time in a resbuf: strings in rstring (owned by the
// filer, valid until the next read), reals in rreal, points in rpoint, 16-bit codes
// in rint, 32-bit codes in rlong, object references (330-369, 390-399) in rlname
// (acdbGetObjectId turns it into an id) and handles (5, 105, 320-329) as hex text.
#pragma once

#include <string>

#include "platform/cad/db/adesk.h"
#include "platform/cad/db/db_enums.h"
#include "platform/cad/db/db_handle.h"
#include "platform/cad/db/db_object_id.h"
#include "platform/cad/db/error_status.h"
#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_scale.h"
#include "platform/cad/ge/ge_vector2d.h"
#include "platform/cad/ge/ge_vector3d.h"

class AcDbDatabase;

class AcDbDxfFiler {
 public:
  enum { kDfltPrec = -1, kMaxPrec = 16 };

  virtual ~AcDbDxfFiler() = default;

  virtual int rewindFiler() = 0;
  virtual Acad::ErrorStatus filerStatus() const = 0;
  virtual void resetFilerStatus() = 0;
  virtual AcDb::FilerType filerType() const = 0;
  virtual AcDbDatabase* database() const = 0;
  virtual Adesk::Boolean includesDefaultValues() const { return false; }

  // Records an error status with its message; the status is the result.
  Acad::ErrorStatus setError(Acad::ErrorStatus status, const char* format, ...) __attribute__((format(printf, 3, 4)));
  Acad::ErrorStatus setError(const char* format, ...) __attribute__((format(printf, 2, 3)));
  const char* errorMessage() const { return errorMessage_.c_str(); }

  // Reading.
  virtual Acad::ErrorStatus readItem(resbuf* item) = 0;
  Acad::ErrorStatus readResBuf(resbuf* item) { return readItem(item); }
  // The item just read comes again at the next read (one step back only).
  virtual Acad::ErrorStatus pushBackItem() = 0;
  virtual Adesk::Boolean atEOF() = 0;
  // True, having read it, when the next item is the subclass marker (100) of that name;
  // otherwise nothing is consumed.
  virtual Adesk::Boolean atSubclassData(const char* subClassName);
  // True, without consuming, when the next item starts extended data (1001) or ends the object.
  virtual Adesk::Boolean atExtendedData();
  virtual Adesk::Boolean atEndOfObject();
  virtual Adesk::Boolean atEmbeddedObjectStart();

  // Writing: every typed write makes one item.
  virtual Acad::ErrorStatus writeItem(const resbuf& item) = 0;
  Acad::ErrorStatus writeResBuf(const resbuf& item) { return writeItem(item); }
  Acad::ErrorStatus writeObjectId(AcDb::DxfCode code, const AcDbObjectId& id);
  Acad::ErrorStatus writeString(AcDb::DxfCode code, const char* value);
  Acad::ErrorStatus writeString(AcDb::DxfCode code, const std::string& value) {
    return writeString(code, value.c_str());
  }
  Acad::ErrorStatus writeAcDbHandle(AcDb::DxfCode code, const AcDbHandle& value);
  Acad::ErrorStatus writeBChunk(AcDb::DxfCode code, const ads_binary& value);
  Acad::ErrorStatus writeInt8(AcDb::DxfCode code, Adesk::Int8 value);
  Acad::ErrorStatus writeInt16(AcDb::DxfCode code, Adesk::Int16 value);
  Acad::ErrorStatus writeInt32(AcDb::DxfCode code, Adesk::Int32 value);
  Acad::ErrorStatus writeUInt8(AcDb::DxfCode code, Adesk::UInt8 value);
  Acad::ErrorStatus writeUInt16(AcDb::DxfCode code, Adesk::UInt16 value);
  Acad::ErrorStatus writeUInt32(AcDb::DxfCode code, Adesk::UInt32 value);
  Acad::ErrorStatus writeBool(AcDb::DxfCode code, bool value);
  Acad::ErrorStatus writeBoolean(AcDb::DxfCode code, Adesk::Boolean value) { return writeBool(code, value); }
  Acad::ErrorStatus writeDouble(AcDb::DxfCode code, double value, int precision = kDfltPrec);
  Acad::ErrorStatus writeAngle(AcDb::DxfCode code, double radians, int precision = kDfltPrec);
  Acad::ErrorStatus writePoint2d(AcDb::DxfCode code, const AcGePoint2d& value, int precision = kDfltPrec);
  Acad::ErrorStatus writePoint3d(AcDb::DxfCode code, const AcGePoint3d& value, int precision = kDfltPrec);
  Acad::ErrorStatus writeVector2d(AcDb::DxfCode code, const AcGeVector2d& value, int precision = kDfltPrec);
  Acad::ErrorStatus writeVector3d(AcDb::DxfCode code, const AcGeVector3d& value, int precision = kDfltPrec);
  Acad::ErrorStatus writeScale3d(AcDb::DxfCode code, const AcGeScale3d& value, int precision = kDfltPrec);

  // The host's overloaded spelling.
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const char* v) { return writeString(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const std::string& v) { return writeString(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcDbObjectId& v) { return writeObjectId(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcDbHandle& v) { return writeAcDbHandle(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const ads_binary& v) { return writeBChunk(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, Adesk::Int8 v) { return writeInt8(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, Adesk::Int16 v) { return writeInt16(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, Adesk::Int32 v) { return writeInt32(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, Adesk::UInt8 v) { return writeUInt8(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, Adesk::UInt16 v) { return writeUInt16(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, Adesk::UInt32 v) { return writeUInt32(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, bool v) { return writeBool(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, double v, int prec = kDfltPrec) { return writeDouble(code, v, prec); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcGePoint2d& v, int prec = kDfltPrec) {
    return writePoint2d(code, v, prec);
  }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcGePoint3d& v, int prec = kDfltPrec) {
    return writePoint3d(code, v, prec);
  }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcGeVector2d& v, int prec = kDfltPrec) {
    return writeVector2d(code, v, prec);
  }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcGeVector3d& v, int prec = kDfltPrec) {
    return writeVector3d(code, v, prec);
  }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcGeScale3d& v, int prec = kDfltPrec) {
    return writeScale3d(code, v, prec);
  }

  // Digits after the point for reals written with kDfltPrec.
  int precision() const { return precision_; }
  void setPrecision(int digits) { precision_ = digits; }

 protected:
  virtual void setStatus(Acad::ErrorStatus status) = 0;
  // Precision of the real or point item being written (kDfltPrec: the filer's).
  int itemPrecision() const { return itemPrecision_; }
  // 2 while a 2D point (10 and 20 only) is being written, else 3.
  int pointDimensions() const { return pointDimensions_; }

 private:
  Acad::ErrorStatus writeReals(AcDb::DxfCode code, const double* values, int count, int precision);

  std::string errorMessage_;
  int precision_ = kMaxPrec;
  int itemPrecision_ = kDfltPrec;
  int pointDimensions_ = 3;
};
