// The grooving dialog: the groove profile picked in the drawing, the grooving
// tool and the allowance, stepover and safety distance of the plunges.
// Grooving keeps no record: what it makes are plain lines and a polyline.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/turning/groove_tool_dlg.h"

class CGrooveDlg : public CAcUiDialog {
 public:
  enum { IDD = 290 };
  explicit CGrooveDlg(CWnd* pParent = nullptr);

  int m_Regenerate = 0;
  int m_SelectMethod = 2;  // 1 Single, 2 Chain, 3 Window, 4 Polygon
  AcDbObjectIdArray m_Selection;
  // The one polyline that OK chains of the picks; emptied by every OK.
  AcDbObjectIdArray m_Chained;
  CGrooveToolDlg m_GrooveTool;
  int m_LengthOffsetOn = 0;
  int m_ToolNumberOn = 1;
  int m_ToolNumber = 1;
  int m_LengthOffsetNumber = 1;
  int m_SpindleOn = 1;
  int m_SpindleSpeed = 200;
  int m_Feed = 20;
  CString m_ToolpathName;
  float m_StartX = 250.0f;
  float m_StartY = 250.0f;
  float m_Allowance = 1.0f;
  float m_Stepover = 3.0f;
  float m_SafetyDistance = 20.0f;
  float m_ZReturn = 1.0f;
  int m_OuterOn = 1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  void OnPickProfile();
  void OnSelectMethod(UINT id);
  void OnPickStartPoint();
  void OnLengthOffsetOn();
  void OnGrooveTool();

  DECLARE_MESSAGE_MAP()

 private:
  void ShowSelectMethod();
  bool ChainPickedProfile();

  CGrooveToolDlg m_ToolAtOpening;
  int m_MethodAtOpening = 2;
  int m_LengthOffsetAtOpening = 0;
};
