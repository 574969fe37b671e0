#include "plugin/shell/toolpaths/tool_path_info.h"

#include <memory>

#include "platform/cad/db/db.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/editor/input/aced_input.h"
#include "plugin/geometry/tool_shape_dlg.h"
#include "plugin/shell/arx_errors.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

ACRX_DXF_DEFINE_MEMBERS(CToolPathInfo, AcDbObject, 23, 13, 0, OSTRIVO_INFO, Ostrivo)

namespace {

constexpr const char* kSubclassMarker = "Ostrivo_Info";

bool IsIntegerCode(int code) { return code >= 90 && code <= 99; }
bool IsRealCode(int code) { return code >= 40 && code <= 59; }

Acad::ErrorStatus ExpectedGroupCode(AcDbDxfFiler* filer, int code) {
  filer->pushBackItem();
  filer->setError("\nError: expected group code %d", code);
  return filer->filerStatus();
}

Acad::ErrorStatus ReadInteger(AcDbDxfFiler* filer, Adesk::Int32& value) {
  resbuf rb;
  if (filer->readItem(&rb) != Acad::eOk || !IsIntegerCode(rb.restype)) return ExpectedGroupCode(filer, 90);
  value = static_cast<Adesk::Int32>(rb.resval.rlong);
  return Acad::eOk;
}

Acad::ErrorStatus ReadReal(AcDbDxfFiler* filer, double& value) {
  resbuf rb;
  if (filer->readItem(&rb) != Acad::eOk || !IsRealCode(rb.restype)) return ExpectedGroupCode(filer, 40);
  value = rb.resval.rreal;
  return Acad::eOk;
}

std::string HandleText(AcDbObjectId id) {
  char buffer[32] = {};
  id.handle().getIntoAsciiBuffer(buffer);
  return buffer;
}

AcDbDatabase* WorkingDrawing() { return acdbHostApplicationServices()->workingDatabase(); }

// The info dictionary open in the mode; made on first use when writing. One
// that exists but cannot be opened is never replaced: that would drop every
// toolpath's information.
bool OpenInfoDictionary(AcDb::OpenMode mode, OpenedObject<AcDbDictionary>& info) {
  AcDbDatabase* db = WorkingDrawing();
  if (db == nullptr) return false;
  OpenedObject<AcDbDictionary> named(db->namedObjectsDictionaryId(), mode);
  if (named.openStatus() != Acad::eOk) return false;
  AcDbObjectId id;
  if (named->getAt(kToolPathInfoDictionary, id) == Acad::eOk) return info.open(id, mode) == Acad::eOk;
  if (mode != AcDb::kForWrite) return false;
  {
    OpenedObject<AcDbDictionary> fresh;
    fresh.create();
    // A dictionary the drawing refused is deleted by its guard.
    if (named->setAt(kToolPathInfoDictionary, fresh, id) != Acad::eOk) return false;
  }
  return info.open(id, mode) == Acad::eOk;
}

bool OpenModelSpaceReporting(OpenedObject<AcDbBlockTableRecord>& modelSpace) {
  switch (OpenModelSpace(modelSpace)) {
    case ModelSpaceAccess::kOpen:
      return true;
    case ModelSpaceAccess::kNoDrawing:
    case ModelSpaceAccess::kNoBlockTable:
      acutPrintf("\nFailed to open Block Table for a read operation.");
      return false;
    case ModelSpaceAccess::kNoModelSpace:
      acutPrintf("\nFailed to open MODEL SPACE for a write operation.");
      return false;
  }
  return false;
}

bool AttachInfo(std::unique_ptr<CToolPathInfo> info, AcDbObjectId& pointId, AcDbObjectId entityId) {
  pointId.setNull();
  AcGePoint3d start, end;
  GetCurveEndPoints(entityId, start, end);
  info->setPoint(start);

  Acad::ErrorStatus appended = Acad::eOk;
  {
    OpenedObject<AcDbBlockTableRecord> modelSpace;
    if (!OpenModelSpaceReporting(modelSpace)) return false;
    appended = AddInfoPoint(*info, modelSpace, pointId);
  }
  if (appended != Acad::eOk) {
    PrintArxError(appended);
    return false;
  }
  const Acad::ErrorStatus filed = AddToInfoDictionary(info.get(), pointId);
  if (filed != Acad::eOk) {
    // A point without its information would read as a bare marker later on.
    PrintArxError(filed);
    EraseObject(pointId);
    pointId.setNull();
    return false;
  }
  info.release();  // the dictionary owns it now
  return true;
}

}  // namespace

CToolPathInfo::CToolPathInfo() = default;
CToolPathInfo::~CToolPathInfo() = default;

Adesk::Int32 CToolPathInfo::kind() const { return kind_; }
Adesk::Int32 CToolPathInfo::toolType() const { return toolType_; }
Adesk::Int32 CToolPathInfo::firstNumber() const { return firstNumber_; }
Adesk::Int32 CToolPathInfo::secondNumber() const { return secondNumber_; }
double CToolPathInfo::diameter() const { return diameter_; }
double CToolPathInfo::cornerRadius() const { return cornerRadius_; }
double CToolPathInfo::length() const { return length_; }
double CToolPathInfo::value() const { return value_; }
AcGePoint3d CToolPathInfo::point() const { return point_; }

void CToolPathInfo::setTool(Adesk::Int32 toolType, Adesk::Int32 firstNumber, Adesk::Int32 secondNumber, double diameter,
                            double cornerRadius, double length) {
  if (!assertWriteEnabled()) return;
  kind_ = kToolInformation;
  toolType_ = toolType;
  firstNumber_ = firstNumber;
  secondNumber_ = secondNumber;
  diameter_ = diameter;
  cornerRadius_ = cornerRadius;
  length_ = length;
}

void CToolPathInfo::setValue(Adesk::Int32 kind, double value) {
  if (!assertWriteEnabled()) return;
  kind_ = kind;
  value_ = value;
}

void CToolPathInfo::setPoint(const AcGePoint3d& point) {
  if (!assertWriteEnabled()) return;
  point_ = point;
}

// Drawing filing also carries the point: copies, undo and clones go through it.
Acad::ErrorStatus CToolPathInfo::dwgOutFields(AcDbDwgFiler* filer) const {
  const Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(kind_);
  if (kind_ == kToolInformation) {
    filer->writeItem(toolType_);
    filer->writeItem(firstNumber_);
    filer->writeItem(secondNumber_);
    filer->writeItem(diameter_);
    filer->writeItem(cornerRadius_);
    filer->writeItem(length_);
  } else {
    filer->writeItem(value_);
  }
  filer->writeItem(point_);
  return filer->filerStatus();
}

Acad::ErrorStatus CToolPathInfo::dwgInFields(AcDbDwgFiler* filer) {
  const Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readItem(&kind_);
  if (kind_ == kToolInformation) {
    filer->readItem(&toolType_);
    filer->readItem(&firstNumber_);
    filer->readItem(&secondNumber_);
    filer->readItem(&diameter_);
    filer->readItem(&cornerRadius_);
    filer->readItem(&length_);
  } else {
    filer->readItem(&value_);
  }
  filer->readItem(&point_);
  return filer->filerStatus();
}

Acad::ErrorStatus CToolPathInfo::dxfOutFields(AcDbDxfFiler* filer) const {
  const Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, kSubclassMarker);
  filer->writeItem(AcDb::kDxfInt32, kind_);
  if (kind_ == kToolInformation) {
    filer->writeItem(AcDb::kDxfInt32, toolType_);
    filer->writeItem(AcDb::kDxfInt32, firstNumber_);
    filer->writeItem(AcDb::kDxfInt32, secondNumber_);
    filer->writeItem(AcDb::kDxfReal, diameter_);
    filer->writeItem(AcDb::kDxfReal, cornerRadius_);
    filer->writeItem(AcDb::kDxfReal, length_);
  } else {
    filer->writeItem(AcDb::kDxfReal, value_);
  }
  filer->writeItem(AcDb::kDxfXCoord, point_);
  return filer->filerStatus();
}

// Everything is read into a scratch copy first, so a bad record changes nothing.
Acad::ErrorStatus CToolPathInfo::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) {
    acutPrintf("\nError in DXFIN ");
    return es;
  }
  if (!filer->atSubclassData(kSubclassMarker)) {
    acutPrintf("\nBad DXFIN subclass marker ");
    return Acad::eBadDxfSequence;
  }
  resbuf rb;
  if (filer->readItem(&rb) != Acad::eOk || rb.restype != AcDb::kDxfInt32) return ExpectedGroupCode(filer, 90);
  const auto kind = static_cast<Adesk::Int32>(rb.resval.rlong);
  Adesk::Int32 toolType = 0, firstNumber = 0, secondNumber = 0;
  double diameter = 0.0, cornerRadius = 0.0, length = 0.0, value = 0.0;
  if (kind == kToolInformation) {
    if ((es = ReadInteger(filer, toolType)) != Acad::eOk) return es;
    if ((es = ReadInteger(filer, firstNumber)) != Acad::eOk) return es;
    if ((es = ReadInteger(filer, secondNumber)) != Acad::eOk) return es;
    if ((es = ReadReal(filer, diameter)) != Acad::eOk) return es;
    if ((es = ReadReal(filer, cornerRadius)) != Acad::eOk) return es;
    if ((es = ReadReal(filer, length)) != Acad::eOk) return es;
  } else if ((es = ReadReal(filer, value)) != Acad::eOk) {
    return es;
  }
  if (filer->readItem(&rb) != Acad::eOk || rb.restype != AcDb::kDxfXCoord) return ExpectedGroupCode(filer, 10);
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  kind_ = kind;
  toolType_ = toolType;
  firstNumber_ = firstNumber;
  secondNumber_ = secondNumber;
  diameter_ = diameter;
  cornerRadius_ = cornerRadius;
  length_ = length;
  value_ = value;
  point_.set(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
  return filer->filerStatus();
}

int OpenModelSpaceForWrite(AcDbBlockTableRecord*& modelSpace) {
  OpenedObject<AcDbBlockTableRecord> opened;
  const bool open = OpenModelSpaceReporting(opened);
  opened.release(modelSpace);
  return open ? 1 : 0;
}

Acad::ErrorStatus AddInfoPoint(const CToolPathInfo& info, AcDbBlockTableRecord* modelSpace, AcDbObjectId& pointId) {
  pointId.setNull();
  OpenedObject<AcDbPoint> point;
  point.create();
  point->setPosition(info.point());
  point->setVisibility(AcDb::kInvisible);
  return modelSpace->appendAcDbEntity(pointId, point);
}

Acad::ErrorStatus AddToInfoDictionary(CToolPathInfo* info, AcDbObjectId pointId) {
  if (info == nullptr) return Acad::eNullObjectPointer;
  if (pointId.isNull()) return Acad::eNullObjectId;
  Acad::ErrorStatus es = Acad::eOk;
  {
    OpenedObject<AcDbDictionary> dictionary;
    if (!OpenInfoDictionary(AcDb::kForWrite, dictionary)) return Acad::eNotOpenForWrite;
    AcDbObjectId infoId;
    es = dictionary->setAt(HandleText(pointId).c_str(), info, infoId);
  }
  if (es != Acad::eOk) return es;
  OpenedObject<CToolPathInfo> filed;
  filed.acquire(info);  // the dictionary owns it now; the guard only closes it
  return Acad::eOk;
}

Acad::ErrorStatus OpenToolPathInfo(AcDbObjectId pointId, OpenedObject<CToolPathInfo>& info) {
  if (pointId.isNull()) return Acad::eKeyNotFound;
  AcDbObjectId infoId;
  {
    OpenedObject<AcDbDictionary> dictionary;
    if (!OpenInfoDictionary(AcDb::kForRead, dictionary)) return Acad::eKeyNotFound;
    if (dictionary->getAt(HandleText(pointId).c_str(), infoId) != Acad::eOk) return Acad::eKeyNotFound;
  }
  const Acad::ErrorStatus es = info.open(infoId, AcDb::kForRead);
  if (es == Acad::eNotThatKindOfClass) acutPrintf("\nObject in dictionary is not a ToolPathInfo ");
  if (es != Acad::eOk && es != Acad::eNotThatKindOfClass) return Acad::eKeyNotFound;
  return es;
}

CToolPathInfo* OpenToolPathInfoOf(AcDbObjectId pointId) {
  OpenedObject<CToolPathInfo> opened;
  OpenToolPathInfo(pointId, opened);
  CToolPathInfo* info = nullptr;
  opened.release(info);
  return info;
}

bool HasToolPathInfoDictionary() {
  OpenedObject<AcDbDictionary> dictionary;
  return OpenInfoDictionary(AcDb::kForRead, dictionary);
}

void EraseToolPathInfos(const AcDbObjectIdArray& pointIds) {
  if (pointIds.isEmpty() || !HasToolPathInfoDictionary()) return;
  OpenedObject<AcDbDictionary> dictionary;
  if (!OpenInfoDictionary(AcDb::kForWrite, dictionary)) return;
  for (const AcDbObjectId& pointId : pointIds) {
    const std::string key = HandleText(pointId);
    AcDbObjectId infoId;
    if (pointId.isNull() || dictionary->getAt(key.c_str(), infoId) != Acad::eOk) continue;
    dictionary->remove(key.c_str());
    EraseObject(infoId);
  }
}

bool AttachToolInfoFromDialog(AcDbObjectId& pointId, AcDbObjectId entityId, const CToolShapeDlg& tool, int toolNumber,
                              int lengthOffsetFlag, int lengthOffsetNumber) {
  return AttachToolInfo12(pointId, entityId, tool.m_ToolType, tool.m_Diameter, tool.m_Length, tool.m_CornerRadius,
                          toolNumber, lengthOffsetFlag, lengthOffsetNumber);
}

bool AttachToolInfo12(AcDbObjectId& pointId, AcDbObjectId entityId, int toolType, double diameter, double length,
                      double cornerRadius, int firstNumber, int /*flag*/, int secondNumber) {
  auto info = std::make_unique<CToolPathInfo>();
  info->setTool(toolType, firstNumber, secondNumber, diameter, cornerRadius, length);
  return AttachInfo(std::move(info), pointId, entityId);
}

bool AttachToolPathInfo(int kind, AcDbObjectId& pointId, double value, AcDbObjectId entityId) {
  auto info = std::make_unique<CToolPathInfo>();
  info->setValue(kind, value);
  return AttachInfo(std::move(info), pointId, entityId);
}

bool GetToolPathInfoKind(AcDbObjectId pointId, int& kind, double& value) {
  OpenedObject<CToolPathInfo> info;
  if (OpenToolPathInfo(pointId, info) != Acad::eOk) return false;
  kind = info->kind();
  if (kind != CToolPathInfo::kToolInformation) value = info->value();
  return true;
}

bool GetToolPathInfoTool(AcDbObjectId pointId, CToolShapeDlg& tool, int& firstNumber, int& secondNumber) {
  OpenedObject<CToolPathInfo> info;
  if (OpenToolPathInfo(pointId, info) != Acad::eOk) return false;
  const bool isTool = info->kind() == CToolPathInfo::kToolInformation;
  if (isTool) {
    tool.m_ToolType = info->toolType();
    tool.m_Diameter = static_cast<float>(info->diameter());
    tool.m_CornerRadius = static_cast<float>(info->cornerRadius());
    tool.m_Length = static_cast<float>(info->length());
    firstNumber = info->firstNumber();
    secondNumber = info->secondNumber();
  }
  return isTool;
}
