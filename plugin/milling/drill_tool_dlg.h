// The drill tool sub-dialog: diameter and length of a twist drill, and the
// tool name made of them.
#pragma once

#include "platform/classlib/afxwin.h"

class CDrillToolDlg : public CDialog {
 public:
  enum { IDD = 250 };
  explicit CDrillToolDlg(CWnd* pParent = nullptr);

  // "DR<diameter>-<length>", one decimal each.
  void UpdateToolName();

  CString m_ToolName = "DR20.0-50.0";
  int m_ToolType = 0;
  float m_Diameter = 20.0f;
  float m_Length = 50.0f;

 protected:
  // For the dialogs that share the edits and the OK of this one.
  CDrillToolDlg(UINT idd, CWnd* pParent);

  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
};
