// CStatic: text, frames and pictures that stand beside the controls.
#pragma once

#include "platform/classlib/cwnd.h"
#include "platform/classlib/rect.h"

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)

 public:
  BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);
};
