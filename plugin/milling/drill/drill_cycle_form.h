// What the drill dialog and the multi-cycle dialog have in common: the drill
// cycle's parameters with their controls, the picked hole points, the tool,
// tip and point-sort sub-dialogs, and the handlers of those controls.
#pragma once

#include <vector>

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/editor/acui_dialog.h"
#include "platform/cad/ge/ge_arrays.h"
#include "platform/classlib/cstring.h"
#include "platform/classlib/dialogs/dialog_template.h"
#include "plugin/milling/drill/drill_tip_dlg.h"
#include "plugin/milling/drill/drill_tool_dlg.h"
#include "plugin/milling/drill/point_sort_dlg.h"

// The point-mode radios: how holes are picked.
enum DrillPointMode {
  kDrillPickCoordinates = 391,
  kDrillPickCircles = 392,
  kDrillPickWindow = 393,
  kDrillPickPolygon = 394,
  kDrillPickAll = 395,
};

// The drill cycles of the cycle list, in its order; 7 to 11 are the user cycles.
enum DrillCycle {
  kCycleDrill = 0,
  kCyclePeck = 1,
  kCycleChipBreak = 2,
  kCycleTap = 3,
  kCycleBoringFeedOut = 4,
  kCycleBoringStopSpindle = 5,
  kCycleBoringShift = 6,
  kCycleFirstUser = 7,
};
constexpr int kDrillCycleCount = 12;

class CDrillCycleForm : public CAcUiDialog {
 public:
  // Hole circles of the tool's radius at the points; their ids replace the list.
  void AddHoleCircles();
  // Highlight of the shown circles of the drawing that stand on a held point.
  void HighlightHeldCircles(bool on) const;
  // The controls both dialogs show, in tab order, for their templates.
  static std::vector<ControlTemplate> CycleControls();

  int m_PointMode = kDrillPickCircles;
  int m_CycleIndex = kCycleDrill;
  CDrillToolDlg m_DrillTool;
  CDrillTipDlg m_DrillTip;
  CPointSortDlg m_PointSort;
  AcGePoint3dArray m_Points{0, 8};  // world coordinates
  AcDbObjectIdArray m_CircleIds{0, 8};
  int m_LengthOffsetOn = 0;
  int m_ToolNumberOn = 1;
  int m_ToolNumber = 1;
  int m_LengthOffsetNumber = 1;
  float m_RetractHeight = 20.0f;
  int m_SpindleOn = 1;
  int m_SpindleSpeed = 100;
  int m_Feed = 100;
  float m_FirstPeck = 10.0f;
  float m_PeckReturn = 3.0f;
  float m_ZDepth = -50.0f;
  float m_ZStart = 5.0f;
  float m_Dwell = 1.0f;
  float m_Shift = 0.0f;
  float m_NextPeck = 10.0f;
  int m_StartPointOn = 1;
  float m_StartX = 0.0f;  // in the UCS
  float m_StartY = 0.0f;
  float m_StartZ = 100.0f;
  CString m_ToolpathName;
  float m_ChipBreak = 5.0f;
  int m_TipCompensationOn = 0;
  int m_RetractRelative = 0;
  int m_ZDepthRelative = 0;
  int m_ZStartRelative = 0;
  int m_AutoSelect = 0;
  int m_CoolantOn = 0;
  int m_InitialReturn = 1;
  int m_CirclesOnly = 1;

 protected:
  CDrillCycleForm(UINT idd, CWnd* pParent);

  // The shared fields but the chip break; the lower bound of Z start is the caller's.
  void ExchangeCycleFields(CDataExchange* pDX, float zStartMin);
  // The shared part of the opening: cycle list, radios, tool button, read-only states.
  void ShowCycleForm();
  // Editable cycle fields for the cycle index.
  virtual void ApplyCycleStates() = 0;
  virtual bool CanPickPoints() const { return true; }
  // The four cycle-value groups, each editable or not.
  void SetCycleFieldsEditable(bool pecks, bool chipBreak, bool dwell, bool shift);

  // What the clicks change at once; Cancel gives it back.
  void KeepClickedValues();
  void RestoreClickedValues();

  void OnCycleChange();
  void OnSelectPoints();
  void OnPointMode(UINT id);
  void OnPickStartPoint();
  void OnStartPointOn();
  void OnDrillTool();
  void OnDrillTip();
  void OnTipCompensationOn();
  void OnAutoSelect();
  void OnSortPoints();
  void OnToolNumberChange();
  void OnLengthOffsetOn();

  DECLARE_MESSAGE_MAP()

 private:
  struct ClickedValues {
    int pointMode, cycleIndex, startPointOn, tipCompensationOn, autoSelect, lengthOffsetOn;
  };

  void ShowPointMode();
  void ShowStartPointStates();
  void ShowTipDialog();

  ClickedValues m_ClickedAtOpening{};
};
