// The grooving tool sub-dialog: a blade of width W whose two corners are
// rounded by the nose radius r, and the sizes that name it.
#pragma once

#include "platform/classlib/afxwin.h"

class CGrooveToolDlg : public CDialog {
 public:
  enum { IDD = 292 };
  explicit CGrooveToolDlg(CWnd* pParent = nullptr);

  // "GRO<width>-<nose radius>-<length>", one decimal each.
  void UpdateToolName();

  CString m_ToolName = "GRO6.0-0.5-15";
  int m_ToolType = 7;
  float m_Width = 6.0f;        // W
  float m_NoseRadius = 0.5f;   // r
  float m_Size3 = 5.0f;
  float m_Length = 15.0f;
  float m_Size5 = 4.0f;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
};
