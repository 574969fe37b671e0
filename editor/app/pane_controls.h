// The explorer pane's buttons and pattern box, drawn by themselves inside
// the docking bar: a raised button with its label, and a box with the chosen
// pattern whose entries drop down as a popup menu.
#pragma once

#include "platform/classlib/afxwin.h"

class CPaneButton : public CButton {
 protected:
  afx_msg void OnPaint();
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()
};

class CPatternBox : public CComboBox {
 public:
  // Chooses an entry as a person does: the parent hears CBN_SELCHANGE.
  void Choose(int index);

 protected:
  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()
};
