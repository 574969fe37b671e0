// DxfItemFiler: a DXF filer over a list of group-code items in memory. The DXF
// reader fills one with an object's items and lets the object read them; the
// writer lets an object write into one and prints the items. Handles stand in the
// items as hex text and become ids of the filer's drawing when read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/cad/db/db_dxf_filer.h"

struct DxfItem {
  short code = 0;
  AcDb::DxfValueKind kind = AcDb::kDxfValueUnknown;
  std::string text;                   // strings; handles and object references as hex
  double reals[3] = {0.0, 0.0, 0.0};  // reals and points
  int dimensions = 0;                 // 2 or 3 for points, 1 for a real
  std::int64_t integer = 0;           // 16-, 32-, 64-bit and boolean codes
  std::vector<std::uint8_t> bytes;    // binary chunks
  int precision = AcDbDxfFiler::kDfltPrec;

  // The item a resbuf holds; codes of no known kind keep their text.
  static DxfItem fromResbuf(const resbuf& rb);
  static DxfItem makeText(int code, std::string text);
  static DxfItem makeReal(int code, double value);
  static DxfItem makePoint(int code, double x, double y, double z, int dimensions = 3);
  static DxfItem makeInteger(int code, std::int64_t value);
  static DxfItem makeHandle(int code, const AcDbHandle& handle);
};

class DxfItemFiler : public AcDbDxfFiler {
 public:
  explicit DxfItemFiler(AcDbDatabase* database = nullptr, AcDb::FilerType type = AcDb::kFileFiler);
  DxfItemFiler(std::vector<DxfItem> items, AcDbDatabase* database, AcDb::FilerType type = AcDb::kFileFiler);

  const std::vector<DxfItem>& items() const { return items_; }
  // Hands the items back (so that a reader can reuse their memory); the filer is empty after.
  std::vector<DxfItem> takeItems();
  void append(DxfItem item) { items_.push_back(std::move(item)); }
  std::size_t position() const { return readIndex_; }

  int rewindFiler() override;
  Acad::ErrorStatus filerStatus() const override { return status_; }
  void resetFilerStatus() override { status_ = Acad::eOk; }
  AcDb::FilerType filerType() const override { return type_; }
  AcDbDatabase* database() const override { return database_; }

  // eEndOfFile past the last item.
  Acad::ErrorStatus readItem(resbuf* item) override;
  Acad::ErrorStatus pushBackItem() override;
  Adesk::Boolean atEOF() override { return readIndex_ >= items_.size(); }
  Acad::ErrorStatus writeItem(const resbuf& item) override;
  using AcDbDxfFiler::writeItem;

 protected:
  void setStatus(Acad::ErrorStatus status) override { status_ = status; }

 private:
  AcDbDatabase* database_;
  AcDb::FilerType type_;
  Acad::ErrorStatus status_ = Acad::eOk;
  std::vector<DxfItem> items_;
  std::size_t readIndex_ = 0;
  bool canPushBack_ = false;
};
