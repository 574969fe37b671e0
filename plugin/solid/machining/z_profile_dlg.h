// The Z-level contour dialog: the modal form of the Z-level contour (closed
// contours around a solid, level by level) and its parameter set, read by the
// generator, the toolpath manager and the post processors.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/geometry/tool_shape_dlg.h"

enum ZProfileMethod { kZProfileCore = 0, kZProfileCavity = 1 };

class CZProfileDlg : public CAcUiDialog {
 public:
  enum { IDD = 282 };
  explicit CZProfileDlg(CWnd* pParent = nullptr);

  // The thirteen lines of the kind-12 record; always true.
  bool WriteParamRecord(CString& text) const;
  // All or nothing, as the other operations' readers (kZProfileLimits).
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  int m_CutDirection = 0;
  int m_EditMode = 0;
  int m_Method = kZProfileCore;
  CString m_ExistingName;
  CLeadInOutDlg m_Lead;
  CToolShapeDlg m_Tool;
  double m_StartPoint[3] = {0.0, 0.0, 0.0};
  AcDbObjectId m_ModelId;
  AcDbObjectId m_GougeId;
  int m_ToolNumberOn = 1;
  int m_LengthOffsetOn = 0;
  int m_ToolNumber = 1;
  int m_LengthOffsetNumber = 1;
  float m_ZStep = 10.0f;
  CString m_ToolpathName;
  int m_Feed = 300;
  float m_Allowance = 0.0f;
  float m_RetractHeight = 100.0f;
  int m_StartPointOn = 0;
  int m_SpindleSpeed = 1000;
  int m_SpindleOn = 1;
  int m_CornerRound = 0;
  int m_GougeCheckOn = 0;
  float m_GougeAllowance = 0.0f;
  int m_InsideCheck = 0;
  int m_ToolRadiusCompensation = 0;
  int m_BetweenLevelRetract = 1;
  float m_Tolerance = 0.01f;
  int m_ZStartOn = 0;
  int m_ZDepthOn = 0;
  float m_ZDepth = -50.0f;
  float m_ZStart = 0.0f;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  void OnCore();
  void OnCavity();
  void OnDownCut();
  void OnUpCut();
  void OnTool();
  void OnLead();
  void OnToolNumberChange();
  void OnLengthOffsetOn();
  void OnGougeCheck();
  void OnZStartOn();
  void OnZDepthOn();
  void OnSpindleOn();
  void OnPickModel();
  void OnStartPointCheck();
  void OnStartPointPick();
  void OnPickZStart();
  void OnPickZDepth();
  void OnPickGouge();

  DECLARE_MESSAGE_MAP()

 private:
  void ShowStates();
  void ShowStartPoint();
  bool AskStartPoint();
};
