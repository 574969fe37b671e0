// The 3D pocket dialog: the solid pocket's modal form and its parameter set
// (toolpath kind 5). The generator reads the members directly; the toolpath
// manager and the post processors fill instances of their own from stored
// records without showing them.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/geometry/passes/plunge_dlg.h"
#include "plugin/geometry/tool_shape_dlg.h"
#include "plugin/milling/pocket/pocket_pass_fields.h"
#include "plugin/milling/rapid_link_dlg.h"

enum SolidPocketMethod { kSolidPocketCore = 0, kSolidPocketCavity = 1 };

class CSolidPocketDlg : public CAcUiDialog {
 public:
  enum { IDD = 273 };
  explicit CSolidPocketDlg(CWnd* pParent = nullptr);

  // The kind-5 record; always true.
  bool WriteParamRecord(CString& text) const;
  // The kind-1 pocket record that hands one level to the 2D pocket builder.
  bool WriteRestPocketRecord(CString& text) const;
  // Fills the members from a kind-5 record of any version, all or nothing: true
  // when every line of the version was read and every value is within
  // kSolidPocketLimits (the rest lines are optional); on false nothing changed
  // and refusal (when given) says why.
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  bool RestMeasuresAgainstFinishing() const { return m_RestAfterFinish != 0 && m_FinishOn != 0; }

  // Current pass, filled by the generator before each pass.
  BYTE m_PassToolNumberOn = 1;
  BYTE m_PassLengthOffsetOn = 0;
  int m_PassToolNumber = 1;
  int m_PassLengthOffsetNumber = 1;

  int m_CutDirection = 0;  // 0 climb, 1 conventional
  int m_RoughPattern = 0;
  int m_EditMode = 0;  // 1: filled from a stored record (regeneration)
  int m_MachiningMethod = kSolidPocketCavity;

  CPlungeDlg m_Plunge;
  CLeadInOutDlg m_FinishLead;
  CLeadInOutDlg m_RestLead;
  CToolShapeDlg m_PassTool;
  CToolShapeDlg m_RoughTool;
  CToolShapeDlg m_FinishTool;
  CToolShapeDlg m_RestTool;
  CRapidLinkDlg m_RapidLink;

  double m_StartX = 0.0;
  double m_StartY = 0.0;
  double m_StartZ = 0.0;
  AcDbObjectId m_ModelId;
  AcDbObjectId m_StockId;
  CString m_ExistingName;

  float m_ZStep = 10.0f;
  CString m_ToolpathName = "Ostrivo Toolpath";
  float m_RoughAngle = 0.0f;
  int m_FinishOn = 0;
  int m_FinishFeed = 300;
  float m_FinishStepover = 1.0f;
  float m_FinishAllowance = 0.0f;
  float m_RetractHeight = 100.0f;
  int m_RoughFeed = 100;
  float m_RoughStepover = 10.0f;
  float m_RoughAllowance = 3.0f;
  float m_ZTop = 0.0f;
  float m_ZBottom = -50.0f;
  int m_RoughOn = 1;
  int m_StartPointOn = 0;
  int m_FinishSpindle = 1000;
  int m_RoughSpindle = 500;
  int m_FinishPasses = 1;
  int m_LinkFeed = 100;
  int m_LinkFeedOn = 0;
  int m_RoughSpindleOn = 1;
  int m_FinishSpindleOn = 1;
  int m_StartOutside = 0;
  int m_CornerRound = 0;
  int m_RoughLengthOffsetOn = 0;
  int m_RoughLengthOffsetNumber = 1;
  int m_RoughToolNumberOn = 1;
  int m_RoughToolNumber = 1;
  int m_RestLengthOffsetOn = 0;
  int m_RestLengthOffsetNumber = 2;
  int m_RestToolNumberOn = 1;
  int m_RestToolNumber = 2;
  double m_RestAllowance = 0.0;
  int m_RestSpindle = 1000;
  int m_RestSpindleOn = 0;
  int m_FinishLengthOffsetOn = 0;
  int m_FinishLengthOffsetNumber = 1;
  int m_FinishToolNumberOn = 1;
  int m_FinishToolNumber = 1;
  int m_RestFeed = 100;
  int m_RestOn = 0;
  int m_RestAfterFinish = 1;
  int m_RetractBetweenLevels = 1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  void OnClimb();
  void OnConventional();
  void OnCore();
  void OnCavity();
  void OnPatternChange();
  void OnPlunge();
  void OnFinishLead();
  void OnRestLead();
  void OnRapidLink();
  void OnRoughTool();
  void OnFinishTool();
  void OnRestTool();
  void OnStartPointOn();
  void OnStartPoint();
  void OnPickSolids();
  void OnRoughOn();
  void OnFinishOn();
  void OnRestOn();
  void OnLinkFeedOn();
  void OnRoughLengthOffsetOn();
  void OnFinishLengthOffsetOn();
  void OnRestLengthOffsetOn();
  void OnRoughToolNumberChange();
  void OnFinishToolNumberChange();
  void OnRoughToolNumberOn();
  void OnFinishToolNumberOn();
  void OnRestAfterFinish();
  void OnSaveParameters();
  void OnLoadParameters();

  DECLARE_MESSAGE_MAP()

 private:
  // What the clicks change at once; Cancel gives it back.
  struct ClickedValues {
    int cutDirection, method, roughPattern;
    PocketPassSwitches passes;
  };
  ClickedValues TakeClickedValues() const;
  void RestoreClickedValues(const ClickedValues& values);

  // The OK steps; false keeps the dialog open (after a message).
  bool CheckSolids();

  void ShowChoices();
  void ShowReadOnlyStates();

  ClickedValues m_ClickedAtOpening{};
};
