// Tool and start-point information of a toolpath, filed in the drawing beside
// the toolpath's entities. The class is registered at load; its fields are
// filled and filed by the toolpath store.
#pragma once

#include "platform/cad/db/db_object.h"
#include "platform/cad/ge/ge_point3d.h"

class CToolPathInfo : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(CToolPathInfo);

  CToolPathInfo();
  ~CToolPathInfo() override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Kind 12 describes a tool; any other kind carries one per-path value.
  static constexpr Adesk::Int32 kToolInformation = 12;

 private:
  Adesk::Int32 kind_ = 0;
  Adesk::Int32 toolType_ = 0;
  Adesk::Int32 firstNumber_ = 0;
  Adesk::Int32 secondNumber_ = 0;
  double diameter_ = 0.0;
  double cornerRadius_ = 0.0;
  double length_ = 0.0;
  double value_ = 0.0;
  AcGePoint3d point_;
};
