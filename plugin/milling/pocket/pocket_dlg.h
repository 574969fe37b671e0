// The pocket dialog: the pocket operation's modal form and, at the same time,
// its parameter set. The generator reads the members directly; the toolpath
// manager and the post processors fill instances of their own from stored
// records (ReadParamRecord) without ever showing them.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/geometry/passes/plunge_dlg.h"
#include "plugin/geometry/tool_shape_dlg.h"
#include "plugin/milling/pocket/pocket_pass_fields.h"
#include "plugin/milling/pocket/pocket_selection.h"
#include "plugin/milling/rapid_link_dlg.h"

// The roughing fill, in the order of the drop list.
enum PocketPattern {
  kPocketRoundContour = 0,
  kPocketContour = 1,
  kPocketTwoWayLinear = 2,
  kPocketOneWayLinear = 3,
};
constexpr int kPocketPatternCount = 4;

class CPocketDlg : public CAcUiDialog, public PocketPassValues {
 public:
  enum { IDD = 4001 };
  explicit CPocketDlg(CWnd* pParent = nullptr);

  // The record text of the members (PocketRecordText); always true.
  bool WriteParamRecord(CString& text) const;
  // Fills the members from a pocket record of any version, all or nothing:
  // true when every line of the record's version was read and every value is
  // within kPocketLimits; on false nothing changed and refusal (when given)
  // names the line and field. Tag and kind are not checked.
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  int m_CutDirection = 0;  // 0 climb, 1 conventional
  int m_RoughPattern = kPocketRoundContour;
  int m_SelectMethod = kSelectChain;
  int m_EditMode = 0;  // 1: the instance describes an existing toolpath
  BYTE m_AbsoluteZ = 1;
  BYTE m_FirstLevel = 0;  // set by the generator while retract between levels is off
  BYTE m_LastLevel = 0;

  AcDbObjectId m_Boundary;        // closed polyline, oriented by OK
  AcDbObjectIdArray m_Islands;    // closed polylines, oriented by OK
  AcDbObjectIdArray m_Selection;  // picked curves before chaining; kept between runs
  CString m_ExistingName;         // edit mode: the toolpath being regenerated

  float m_RoughZStep = 10.0f;
  CString m_ToolpathName = "Ostrivo Toolpath";
  float m_RetractHeight = 100.0f;
  int m_IslandTaperOn = 0;
  float m_IslandTaper = 0.0f;
  float m_ZTaper = 0.0f;
  float m_ZStart = 0.0f;
  float m_ZDepth = 0.0f;
  int m_IslandZAllowanceOn = 0;
  float m_FinishZStep = 0.0f;
  int m_FinishZPasses = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  void OnClimb();
  void OnConventional();
  void OnAbsoluteZ();
  void OnRelativeZ();
  // The selection radios, consecutive ids in method order.
  void OnSelectMethod(UINT id);
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
  void OnPickZStart();
  void OnPickZDepth();
  void OnPickEntities();
  void OnRoughOn();
  void OnFinishOn();
  void OnRestOn();
  void OnIslandTaperOn();
  void OnZTaperChange();
  void OnLinkFeedOn();
  void OnRoughLengthOffsetOn();
  void OnFinishLengthOffsetOn();
  void OnRestLengthOffsetOn();
  void OnRoughToolNumberChange();
  void OnFinishToolNumberChange();
  void OnRestToolNumberChange();
  void OnRoughToolNumberOn();
  void OnFinishToolNumberOn();
  void OnRestToolNumberOn();
  void OnRestAfterFinish();
  void OnSaveParameters();
  void OnLoadParameters();

  DECLARE_MESSAGE_MAP()

 private:
  // What the clicks change at once; Cancel gives it back.
  struct ClickedValues {
    int cutDirection, absoluteZ, selectMethod, roughPattern, islandTaperOn;
    PocketPassSwitches passes;
  };
  ClickedValues TakeClickedValues() const;
  void RestoreClickedValues(const ClickedValues& values);

  // The OK steps; false keeps the dialog open (after a message).
  bool CheckStepovers();
  bool CheckToolpathName();
  // Boundary and islands from the picked curves; the boundary stays null when
  // they make none.
  // False when the picked curves make no pocket and the user was told why.
  bool ChainSelection();
  void OrientBoundaryAndIslands();

  // Radios, the pattern list, the start point and the read-only states from the members.
  void ShowChoices();
  void ShowReadOnlyStates();

  ClickedValues m_ClickedAtOpening{};
};
