// Tool and per-path information of a toolpath, filed in the drawing's dictionary
// "OSTRIVO_INFO" under the handle of an invisible point of the toolpath.
#pragma once

#include "platform/cad/db/db_object.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/ge/ge_point3d.h"
#include "plugin/shell/opened_object.h"

class CToolShapeDlg;

constexpr const char* kToolPathInfoDictionary = "OSTRIVO_INFO";

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

  Adesk::Int32 kind() const;
  Adesk::Int32 toolType() const;
  Adesk::Int32 firstNumber() const;
  Adesk::Int32 secondNumber() const;
  double diameter() const;
  double cornerRadius() const;
  double length() const;
  double value() const;
  AcGePoint3d point() const;

  void setTool(Adesk::Int32 toolType, Adesk::Int32 firstNumber, Adesk::Int32 secondNumber, double diameter,
               double cornerRadius, double length);
  void setValue(Adesk::Int32 kind, double value);
  void setPoint(const AcGePoint3d& point);

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

// Attaching: an invisible point at the entity's start point, and the info filed
// under the point's handle. False when model space cannot be opened.
bool AttachToolInfoFromDialog(AcDbObjectId& pointId, AcDbObjectId entityId, const CToolShapeDlg& tool, int toolNumber,
                              int lengthOffsetFlag, int lengthOffsetNumber);
bool AttachToolInfo12(AcDbObjectId& pointId, AcDbObjectId entityId, int toolType, double diameter, double length,
                      double cornerRadius, int firstNumber, int flag, int secondNumber);
bool AttachToolPathInfo(int kind, AcDbObjectId& pointId, double value, AcDbObjectId entityId);

// Reading by the info point. True when the dictionary holds an info for it.
bool GetToolPathInfoKind(AcDbObjectId pointId, int& kind, double& value);
// Kind 12 only: the tool into the dialog and the two numbers into the outs.
bool GetToolPathInfoTool(AcDbObjectId pointId, CToolShapeDlg& tool, int& firstNumber, int& secondNumber);

// "*Model_Space" of the working drawing open for write: 1, or 0 with a message.
int OpenModelSpaceForWrite(AcDbBlockTableRecord*& modelSpace);
// Appends the invisible point at the info's point; closes it.
Acad::ErrorStatus AddInfoPoint(const CToolPathInfo& info, AcDbBlockTableRecord* modelSpace, AcDbObjectId& pointId);
// Files the (new) info under the point's handle; the dictionary owns it on
// success, the caller keeps it otherwise.
Acad::ErrorStatus AddToInfoDictionary(CToolPathInfo* info, AcDbObjectId pointId);
// The info filed for the point, open for read: eKeyNotFound when there is none,
// eNotThatKindOfClass (with a message) for an object of another class.
Acad::ErrorStatus OpenToolPathInfo(AcDbObjectId pointId, OpenedObject<CToolPathInfo>& info);
// The same, null when there is none; the caller closes it.
CToolPathInfo* OpenToolPathInfoOf(AcDbObjectId pointId);
bool HasToolPathInfoDictionary();
// Drops the information filed for each of the points (ids of other entities
// find none), for points that are going.
void EraseToolPathInfos(const AcDbObjectIdArray& pointIds);
