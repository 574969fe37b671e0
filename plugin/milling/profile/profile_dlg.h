// The profile dialog: the profile operation's modal form (cutting along open or
// closed curves, on them or beside them, level by level) and, at the same time,
// its parameter set. The generator reads the members directly; the toolpath
// manager and the post processors fill instances of their own from stored
// records (ReadParamRecord) without ever showing them.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/geometry/tool_shape_dlg.h"
#include "plugin/milling/pocket/pocket_selection.h"

// Where the tool runs, seen along the curve.
enum ProfileSide {
  kProfileOnCurve = 0,
  kProfileLeft = 1,
  kProfileRight = 2,
};

class CProfileDlg : public CAcUiDialog {
 public:
  enum { IDD = 4000 };
  explicit CProfileDlg(CWnd* pParent = nullptr);

  // The eleven lines of the record (ProfileRecordText); always true.
  bool WriteParamRecord(CString& text) const;
  // All or nothing: true, with every record field taken, for a whole profile
  // record whose values are within kProfileLimits; false, with the instance
  // untouched, for anything else, and refusal (when given) says why.
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  int m_Side = kProfileOnCurve;
  int m_EditMode = 0;  // 1: the instance describes an existing toolpath
  int m_SelectMethod = kSelectChain;
  CLeadInOutDlg m_Lead;
  CToolShapeDlg m_Tool;
  CString m_ExistingName;         // edit mode: the toolpath being regenerated
  AcDbObjectIdArray m_Selection;  // picked curves; kept between runs
  AcDbObjectIdArray m_Curves;     // polylines made of the picks by OK, machined in order
  int m_Passes = 1;
  int m_Feed = 300;
  float m_Stepover = 5.0f;
  float m_ZStepover = 10.0f;
  float m_ZTaper = 0.0f;
  float m_ZStart = 0.0f;
  float m_ZDepth = 0.0f;
  float m_RetractHeight = 100.0f;
  float m_Allowance = 0.0f;
  CString m_ToolpathName;
  int m_SpindleSpeed = 1000;
  int m_SpindleOn = 1;
  int m_ToolNumberOn = 1;
  int m_LengthOffsetOn = 0;
  int m_LengthOffsetNumber = 1;
  int m_ToolNumber = 1;
  int m_AbsoluteZ = 1;
  int m_MiddleStart = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  void OnSideOn();
  void OnSideLeft();
  void OnSideRight();
  // The selection radios, consecutive ids in method order.
  void OnSelectMethod(UINT id);
  void OnTool();
  void OnLead();
  void OnToolNumberChange();
  void OnLengthOffsetOn();
  void OnPickEntities();
  void OnPickZStart();
  void OnPickZDepth();
  void OnSaveParameters();
  void OnLoadParameters();

  DECLARE_MESSAGE_MAP()

 private:
  // What the clicks change at once; Cancel gives it back.
  struct ClickedValues {
    int side, selectMethod, lengthOffsetOn;
  };

  // The OK steps; false keeps the dialog open (after a message).
  bool CheckAllowance();
  bool CheckToolpathName();
  bool BuildCurvesFromSelection();

  void ShowChoices();
  void ShowReadOnlyStates();

  ClickedValues m_ClickedAtOpening{};
};
