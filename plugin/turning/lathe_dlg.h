// The lathe turning dialog: the modal form of a turning toolpath (roughing
// between a stock line and a profile, finishing along the profile) and, at the
// same time, its parameter set. The generator reads the members directly; the
// toolpath manager and the post processors fill instances of their own from
// stored records (ReadParamRecord) without showing them.
//
// Drawing X runs along the spindle, drawing Y is the radius.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/geometry/tool_shape_dlg.h"
#include "plugin/milling/pocket/pocket_selection.h"

class CLatheDlg : public CAcUiDialog {
 public:
  enum { IDD = 252 };
  explicit CLatheDlg(CWnd* pParent = nullptr);

  // The sixteen record lines and the finish pass count after them; always true.
  bool WriteParamRecord(CString& text) const;
  // All or nothing: true, with every record field taken, for a whole lathe
  // record within kLatheLimits (the finish pass count only when the record
  // has it); false, with the instance untouched, otherwise.
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  int m_SelectMethod = kSelectChain;
  int m_EditMode = 0;             // 1: the manager regenerates the stored toolpath
  AcDbObjectIdArray m_Selection;  // picked profile curves; kept between runs
  AcDbObjectIdArray m_Chained;    // made by OK: the profile polyline, then the stock line
  AcDbObjectIdArray m_Stock;      // the picked stock curve (one at most)
  CLeadInOutDlg m_FinishLead;
  CLeadInOutDlg m_RoughLead;
  CString m_ExistingName;
  CToolShapeDlg m_Tool;
  int m_LengthOffsetOn = 0;
  int m_ToolNumberOn = 1;
  int m_ToolNumber = 1;
  int m_LengthOffsetNumber = 1;
  int m_FinishSpindleOn = 1;
  int m_FinishSpindle = 100;
  int m_RoughSpindleOn = 1;
  int m_RoughSpindle = 100;
  int m_FinishFeed = 100;
  int m_RoughFeed = 100;
  float m_StartX = 500.0f;
  float m_StartY = 200.0f;
  CString m_ToolpathName;
  int m_FinishOn = 1;
  int m_FinishPasses = 1;
  float m_FinishStepover = 1.0f;
  float m_FinishAllowance = 0.0f;
  float m_NoseRadius = 1.5f;
  int m_RoughOn = 0;
  float m_RoughStepover = 2.0f;
  float m_RoughAllowance = 1.0f;
  float m_ReturnHeight = 200.0f;
  int m_OuterOn = 1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  void OnSelectMethod(UINT id);
  void OnPickProfile();
  void OnPickStartPoint();
  void OnPickStock();
  void OnRoughOn();
  void OnFinishOn();
  void OnRoughLead();
  void OnFinishLead();

  DECLARE_MESSAGE_MAP()

 private:
  void ShowReadOnlyStates();
  bool ChainPickedProfile();
};
