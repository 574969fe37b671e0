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

class CSolidPocketDlg : public CAcUiDialog, public PocketPassValues {
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

  int m_CutDirection = 0;  // 0 climb, 1 conventional
  int m_RoughPattern = 0;
  int m_EditMode = 0;  // 1: filled from a stored record (regeneration)
  int m_MachiningMethod = kSolidPocketCavity;

  AcDbObjectId m_ModelId;
  AcDbObjectId m_StockId;
  CString m_ExistingName;

  float m_ZStep = 10.0f;
  CString m_ToolpathName = "Ostrivo Toolpath";
  float m_RetractHeight = 100.0f;
  float m_ZTop = 0.0f;
  float m_ZBottom = -50.0f;

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
