// AcCmColor: an entity's or layer's colour by index (1-255), by layer (256) or by block (0).
#pragma once

#include "platform/cad/db/adesk.h"
#include "platform/cad/db/db_enums.h"
#include "platform/cad/db/error_status.h"

class AcCmColor {
 public:
  AcCmColor() = default;
  Adesk::UInt16 colorIndex() const { return index_; }
  // eOutOfRange above 256.
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 index) {
    if (index > 256) return Acad::eOutOfRange;
    index_ = index;
    return Acad::eOk;
  }
  bool isByLayer() const { return index_ == AcDb::kColorByLayer; }
  bool isByBlock() const { return index_ == AcDb::kColorByBlock; }
  void setByLayer() { index_ = AcDb::kColorByLayer; }
  void setByBlock() { index_ = AcDb::kColorByBlock; }
  bool operator==(const AcCmColor& other) const { return index_ == other.index_; }
  bool operator!=(const AcCmColor& other) const { return index_ != other.index_; }

 private:
  Adesk::UInt16 index_ = AcDb::kColorByLayer;
};
