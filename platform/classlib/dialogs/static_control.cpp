#include "platform/classlib/dialogs/static_control.h"

#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  (void)rect;
  return CreateChild(afx::WindowKind::kStatic, dwStyle, lpszText, pParentWnd, nID);
}
