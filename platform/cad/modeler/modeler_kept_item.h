// One DXF item of modeler data that is not ours, kept to be written back as it came.
#pragma once

#include <cstdint>
#include <string>

#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/modeler/modeler_entity.h"

struct ModelerEntity::KeptItem {
  short code = 0;
  AcDb::DxfValueKind kind = AcDb::kDxfValueUnknown;
  std::string text;  // strings, handles (hex) and binary chunks
  std::int64_t integer = 0;
  double reals[3] = {0.0, 0.0, 0.0};
  AcDbObjectId id;

  static KeptItem fromResbuf(const resbuf& rb);
  Acad::ErrorStatus writeDxf(AcDbDxfFiler* filer) const;
  void writeDwg(AcDbDwgFiler* filer) const;
  void readDwg(AcDbDwgFiler* filer);
};
