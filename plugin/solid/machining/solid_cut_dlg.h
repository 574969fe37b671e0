// The solid cut dialog: the modal form of the solid cut (parallel passes that
// follow a solid's surface along a direction) and its parameter set. The
// command picks the model before the dialog opens; the generator, the toolpath
// manager and the post processors read the members directly.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/geometry/passes/plunge_dlg.h"
#include "plugin/geometry/tool_shape_dlg.h"

class CSolidCutDlg : public CAcUiDialog {
 public:
  enum { IDD = 281 };
  explicit CSolidCutDlg(CWnd* pParent = nullptr);

  // The eleven lines of the kind-11 record; always true.
  bool WriteParamRecord(CString& text) const;
  // All or nothing: true with every field taken for a whole kind-11 record
  // within kSolidCutLimits; otherwise false, the instance untouched, and
  // refusal (when given) says why.
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  int m_EditMode = 0;  // 1: filled from a stored toolpath
  int m_TwoWay = 0;
  CString m_ExistingName;
  AcDbObjectId m_ModelId;
  AcDbObjectId m_GougeId;
  CPlungeDlg m_Plunge;
  CToolShapeDlg m_Tool;
  CString m_ToolpathName;
  int m_Feed = 300;
  float m_Angle = 0.0f;
  int m_SpindleOn = 1;
  int m_SpindleSpeed = 1000;
  float m_Stepover = 10.0f;
  float m_Allowance = 0.0f;
  int m_ToolNumberOn = 1;
  int m_LengthOffsetOn = 0;
  int m_LengthOffsetNumber = 1;
  int m_ToolNumber = 1;
  int m_UpCut = 0;
  int m_GougeCheckOn = 0;
  float m_GougeAllowance = 0.0f;
  int m_InsideCheck = 0;
  int m_ToolRadiusCompensation = 0;
  float m_RetractHeight = 100.0f;
  float m_Tolerance = 0.01f;
  int m_AngleLimitOn = 0;
  float m_MaxAngle = 30.0f;
  float m_MinAngle = 0.0f;

  // The machining angle (degrees, 0..360) and the up-cut switch that three
  // points give: along first->second, stepping towards the third. False, and
  // nothing set, when either direction has no length.
  bool TakeDirection(const AcGePoint3d& first, const AcGePoint3d& second, const AcGePoint3d& third);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  void OnTool();
  void OnPlunge();
  void OnOneWay();
  void OnTwoWay();
  void OnToolNumberChange();
  void OnLengthOffsetOn();
  void OnGougeCheck();
  void OnAngleLimit();
  void OnPickDirection();
  void OnPickGouge();

  DECLARE_MESSAGE_MAP()

 private:
  void ShowStates();
};
