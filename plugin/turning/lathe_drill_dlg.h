// The lathe drilling dialog: a drill in the turret drilling along the turning
// axis, and, at the same time, the kind-13 record's holder for the toolpath
// manager and the posts. Depths and heights are drawing X values.
#pragma once

#include <memory>

#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/milling/drill/drill_tip_dlg.h"
#include "plugin/milling/drill/lathe_drill_tool_dlg.h"

// The cycles of the cycle list, in its order.
enum LatheDrillCycle {
  kLatheDrill = 0,
  kLathePeckDrill = 1,
  kLatheChipBreak = 2,
  kLatheTap = 3,
  kLatheBoringFeedOut = 4,
  kLatheBoringStopSpindle = 5,
  kLatheBoringShift = 6,
};
constexpr int kLatheDrillCycleCount = 7;

class CLatheDrillDlg;
// The peck a canned peck cycle takes: the shallower positive one of the first
// and the next peck; 0 when neither is positive.
double LatheDrillPeck(const CLatheDrillDlg& dlg);

class CLatheDrillDlg : public CAcUiDialog {
 public:
  enum { IDD = 288 };
  explicit CLatheDrillDlg(CWnd* pParent = nullptr);
  ~CLatheDrillDlg() override;

  bool WriteParamRecord(CString& text) const;
  // All or nothing; false, with the members as they were, when the record does
  // not read (refusal, when given, names the line and field).
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  int m_CycleIndex = kLatheDrill;
  int m_Regenerate = 0;
  CLatheDrillToolDlg m_DrillTool;
  CDrillTipDlg m_DrillTip;
  int m_LengthOffsetOn = 0;
  int m_ToolNumberOn = 1;
  int m_ToolNumber = 1;
  int m_LengthOffsetNumber = 1;
  int m_SpindleOn = 1;
  int m_SpindleSpeed = 200;
  int m_Feed = 20;
  float m_FirstPeck = 10.0f;
  float m_PeckReturn = 3.0f;
  float m_Dwell = 1.0f;
  float m_Shift = 0.0f;
  float m_NextPeck = 10.0f;
  CString m_ToolpathName;
  float m_ChipBreak = 5.0f;
  int m_TipCompensationOn = 0;
  float m_DrillDepth = -50.0f;
  float m_DrillPoint = 0.0f;
  float m_ReturnHeight = 50.0f;
  float m_SafetyDistance = 10.0f;
  int m_ReturnAbsolute = 0;
  int m_SafetyAbsolute = 0;
  int m_StartPointOn = 0;
  float m_StartX = 250.0f;
  float m_StartY = 250.0f;
  // The regenerated toolpath's own name, which OK does not question.
  CString m_StoredName;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  void OnCycleChange();
  void OnDrillTool();
  void OnDrillTip();
  void OnTipCompensationOn();
  void OnLengthOffsetOn();
  void OnPickDepth();
  void OnPickDrillPoint();
  void OnPickStartPoint();

  DECLARE_MESSAGE_MAP()

 private:
  void ApplyCycleStates();
  void ShowTipDialog();

  // What the sub-dialogs and checks change at once; Cancel gives it back.
  struct Snapshot;
  std::unique_ptr<Snapshot> m_AtOpening;
};
