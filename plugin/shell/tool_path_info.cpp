#include "plugin/shell/tool_path_info.h"

#include "platform/cad/db/rx_class.h"

ACRX_DXF_DEFINE_MEMBERS(CToolPathInfo, AcDbObject, 23, 13, 0, OSTRIVO_INFO, Ostrivo)

CToolPathInfo::CToolPathInfo() = default;
CToolPathInfo::~CToolPathInfo() = default;

// The fields are filed by the toolpath store; until then only the base object's part.
Acad::ErrorStatus CToolPathInfo::dwgInFields(AcDbDwgFiler* filer) { return AcDbObject::dwgInFields(filer); }

Acad::ErrorStatus CToolPathInfo::dwgOutFields(AcDbDwgFiler* filer) const {
  return AcDbObject::dwgOutFields(filer);
}

Acad::ErrorStatus CToolPathInfo::dxfInFields(AcDbDxfFiler* filer) { return AcDbObject::dxfInFields(filer); }

Acad::ErrorStatus CToolPathInfo::dxfOutFields(AcDbDxfFiler* filer) const {
  return AcDbObject::dxfOutFields(filer);
}
