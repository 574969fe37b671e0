// Message map entries for window messages, each handler with the signature
// the class library gives it:
//
//   BEGIN_MESSAGE_MAP(CMyView, CView)
//     ON_WM_SIZE()             // void OnSize(UINT nType, int cx, int cy)
//     ON_WM_LBUTTONDOWN()      // void OnLButtonDown(UINT nFlags, CPoint point)
//   END_MESSAGE_MAP()
//
// The handler is the one named On... in the class (or inherited from a base).
#pragma once

#include "platform/classlib/message_map.h"
#include "platform/classlib/window/window_message_ids.h"

class CDC;
class CMenu;
class CScrollBar;
class CWnd;

constexpr UINT WM_REFLECT_BASE = 0xBC00;

namespace afx {

CWnd* WndFromParam(WPARAM handle);
CWnd* WndFromLParam(LPARAM handle);
CDC* DcFromParam(WPARAM handle);
inline CPoint PointOf(LPARAM lParam) { return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }

template <class T>
struct HandlerArg;
template <class C, class R, class A>
struct HandlerArg<R (C::*)(A)> {
  using Type = A;
};

template <class Self, auto Fn>
Self& Target(CCmdTarget& target) {
  CheckHandler<Self, Fn>();
  return static_cast<Self&>(target);
}

// void f()
template <class Self, auto Fn>
BOOL VoidThunk(CCmdTarget& t, MessageArgs&) {
  (Target<Self, Fn>(t).*Fn)();
  return TRUE;
}
// int OnCreate(LPCREATESTRUCT)
template <class Self, auto Fn>
BOOL CreateThunk(CCmdTarget& t, MessageArgs& a) {
  a.result = (Target<Self, Fn>(t).*Fn)(reinterpret_cast<LPCREATESTRUCT>(a.lParam));
  return TRUE;
}
// void OnSize(UINT nType, int cx, int cy)
template <class Self, auto Fn>
BOOL SizeThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(static_cast<UINT>(a.wParam), GET_X_LPARAM(a.lParam), GET_Y_LPARAM(a.lParam));
  return TRUE;
}
// void OnMove(int x, int y)
template <class Self, auto Fn>
BOOL MoveThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(GET_X_LPARAM(a.lParam), GET_Y_LPARAM(a.lParam));
  return TRUE;
}
// void OnSetFocus(CWnd* pOldWnd) / OnKillFocus(CWnd* pNewWnd) / OnCaptureChanged(CWnd*)
template <class Self, auto Fn>
BOOL WndWParamThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(WndFromParam(a.wParam));
  return TRUE;
}
template <class Self, auto Fn>
BOOL WndLParamThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(WndFromLParam(a.lParam));
  return TRUE;
}
// void OnTimer(UINT_PTR nIDEvent)
template <class Self, auto Fn>
BOOL TimerThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(static_cast<UINT_PTR>(a.wParam));
  return TRUE;
}
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags), also OnChar and the system keys
template <class Self, auto Fn>
BOOL KeyThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(static_cast<UINT>(a.wParam), LOWORD(static_cast<DWORD_PTR>(a.lParam)),
                            HIWORD(static_cast<DWORD_PTR>(a.lParam)));
  return TRUE;
}
// void OnLButtonDown(UINT nFlags, CPoint point), and every mouse button and move
template <class Self, auto Fn>
BOOL MouseThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(static_cast<UINT>(a.wParam), PointOf(a.lParam));
  return TRUE;
}
// BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
template <class Self, auto Fn>
BOOL WheelThunk(CCmdTarget& t, MessageArgs& a) {
  a.result = (Target<Self, Fn>(t).*Fn)(LOWORD(a.wParam), GET_WHEEL_DELTA_WPARAM(a.wParam), PointOf(a.lParam));
  return TRUE;
}
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
template <class Self, auto Fn>
BOOL SetCursorThunk(CCmdTarget& t, MessageArgs& a) {
  a.result = (Target<Self, Fn>(t).*Fn)(WndFromParam(a.wParam), LOWORD(static_cast<DWORD_PTR>(a.lParam)),
                                       HIWORD(static_cast<DWORD_PTR>(a.lParam)));
  return TRUE;
}
// void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
template <class Self, auto Fn>
BOOL ScrollThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(LOWORD(a.wParam), HIWORD(a.wParam), reinterpret_cast<CScrollBar*>(WndFromLParam(a.lParam)));
  return TRUE;
}
// void OnContextMenu(CWnd* pWnd, CPoint pos)
template <class Self, auto Fn>
BOOL ContextMenuThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(WndFromParam(a.wParam), PointOf(a.lParam));
  return TRUE;
}
// BOOL OnEraseBkgnd(CDC* pDC)
template <class Self, auto Fn>
BOOL EraseThunk(CCmdTarget& t, MessageArgs& a) {
  a.result = (Target<Self, Fn>(t).*Fn)(DcFromParam(a.wParam));
  return TRUE;
}
// void OnShowWindow(BOOL bShow, UINT nStatus)
template <class Self, auto Fn>
BOOL ShowThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(static_cast<BOOL>(a.wParam), static_cast<UINT>(a.lParam));
  return TRUE;
}
// void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
template <class Self, auto Fn>
BOOL ActivateThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(LOWORD(a.wParam), WndFromLParam(a.lParam), HIWORD(a.wParam));
  return TRUE;
}
// int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
template <class Self, auto Fn>
BOOL MouseActivateThunk(CCmdTarget& t, MessageArgs& a) {
  a.result = (Target<Self, Fn>(t).*Fn)(WndFromParam(a.wParam), LOWORD(static_cast<DWORD_PTR>(a.lParam)),
                                       HIWORD(static_cast<DWORD_PTR>(a.lParam)));
  return TRUE;
}
// void OnWindowPosChanged(WINDOWPOS* lpwndpos), OnWindowPosChanging, OnGetMinMaxInfo(MINMAXINFO*)
template <class Self, auto Fn>
BOOL PointerLParamThunk(CCmdTarget& t, MessageArgs& a) {
  using Arg = typename HandlerArg<decltype(Fn)>::Type;
  (Target<Self, Fn>(t).*Fn)(reinterpret_cast<Arg>(a.lParam));
  return TRUE;
}
// void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
template <class Self, auto Fn>
BOOL NcCalcSizeThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(static_cast<BOOL>(a.wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(a.lParam));
  return TRUE;
}
// LRESULT OnNcHitTest(CPoint point)
template <class Self, auto Fn>
BOOL HitTestThunk(CCmdTarget& t, MessageArgs& a) {
  a.result = static_cast<LRESULT>((Target<Self, Fn>(t).*Fn)(PointOf(a.lParam)));
  return TRUE;
}
// void OnNcLButtonDown(UINT nHitTest, CPoint point), OnNcMouseMove, OnNcLButtonDblClk
template <class Self, auto Fn>
BOOL NcMouseThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(static_cast<UINT>(a.wParam), PointOf(a.lParam));
  return TRUE;
}
// BOOL OnNcActivate(BOOL bActive)
template <class Self, auto Fn>
BOOL NcActivateThunk(CCmdTarget& t, MessageArgs& a) {
  a.result = (Target<Self, Fn>(t).*Fn)(static_cast<BOOL>(a.wParam));
  return TRUE;
}
// void OnDropFiles(HDROP hDropInfo)
template <class Self, auto Fn>
BOOL DropFilesThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(reinterpret_cast<HDROP>(a.wParam));
  return TRUE;
}
// void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
CMenu* MenuFromParam(WPARAM handle);
template <class Self, auto Fn>
BOOL InitMenuPopupThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(MenuFromParam(a.wParam), LOWORD(static_cast<DWORD_PTR>(a.lParam)),
                            HIWORD(static_cast<DWORD_PTR>(a.lParam)));
  return TRUE;
}
// void OnSysCommand(UINT nID, LPARAM lParam)
template <class Self, auto Fn>
BOOL SysCommandThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(static_cast<UINT>(a.wParam), a.lParam);
  return TRUE;
}
// void OnEnable(BOOL bEnable)
template <class Self, auto Fn>
BOOL BoolThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(static_cast<BOOL>(a.wParam));
  return TRUE;
}
// void OnParentNotify(UINT message, LPARAM lParam)
template <class Self, auto Fn>
BOOL ParentNotifyThunk(CCmdTarget& t, MessageArgs& a) {
  (Target<Self, Fn>(t).*Fn)(static_cast<UINT>(a.wParam), a.lParam);
  return TRUE;
}
// LRESULT OnMessage(WPARAM, LPARAM) reflected notifications: void f(NMHDR*, LRESULT*)
template <class Self, auto Fn>
BOOL ReflectNotifyThunk(CCmdTarget& t, MessageArgs& a) {
  auto* notify = static_cast<AFX_NOTIFY*>(a.extra);
  (Target<Self, Fn>(t).*Fn)(notify->pNMHDR, notify->pResult);
  return TRUE;
}

}  // namespace afx

#define AFX_WM_ENTRY(message, thunk, memberFxn) AFX_MAP_ENTRY(message, 0, 0, 0, thunk, memberFxn)

#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, CreateThunk, &ThisClass::OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, VoidThunk, &ThisClass::OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, VoidThunk, &ThisClass::OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, VoidThunk, &ThisClass::OnClose)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, VoidThunk, &ThisClass::OnPaint)
#define ON_WM_NCPAINT() AFX_WM_ENTRY(WM_NCPAINT, VoidThunk, &ThisClass::OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, EraseThunk, &ThisClass::OnEraseBkgnd)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, SizeThunk, &ThisClass::OnSize)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, MoveThunk, &ThisClass::OnMove)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, WndWParamThunk, &ThisClass::OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, WndWParamThunk, &ThisClass::OnKillFocus)
#define ON_WM_CAPTURECHANGED() AFX_WM_ENTRY(WM_CAPTURECHANGED, WndLParamThunk, &ThisClass::OnCaptureChanged)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, TimerThunk, &ThisClass::OnTimer)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, KeyThunk, &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, KeyThunk, &ThisClass::OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, KeyThunk, &ThisClass::OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WM_ENTRY(WM_SYSKEYDOWN, KeyThunk, &ThisClass::OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_ENTRY(WM_SYSKEYUP, KeyThunk, &ThisClass::OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_WM_ENTRY(WM_SYSCHAR, KeyThunk, &ThisClass::OnSysChar)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, MouseThunk, &ThisClass::OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, MouseThunk, &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, MouseThunk, &ThisClass::OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, MouseThunk, &ThisClass::OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, MouseThunk, &ThisClass::OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, MouseThunk, &ThisClass::OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_ENTRY(WM_RBUTTONDBLCLK, MouseThunk, &ThisClass::OnRButtonDblClk)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, WheelThunk, &ThisClass::OnMouseWheel)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, SetCursorThunk, &ThisClass::OnSetCursor)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, ScrollThunk, &ThisClass::OnVScroll)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, ScrollThunk, &ThisClass::OnHScroll)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, ContextMenuThunk, &ThisClass::OnContextMenu)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, ShowThunk, &ThisClass::OnShowWindow)
#define ON_WM_ACTIVATE() AFX_WM_ENTRY(WM_ACTIVATE, ActivateThunk, &ThisClass::OnActivate)
#define ON_WM_MOUSEACTIVATE() AFX_WM_ENTRY(WM_MOUSEACTIVATE, MouseActivateThunk, &ThisClass::OnMouseActivate)
#define ON_WM_WINDOWPOSCHANGED() AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, PointerLParamThunk, &ThisClass::OnWindowPosChanged)
#define ON_WM_WINDOWPOSCHANGING() \
  AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, PointerLParamThunk, &ThisClass::OnWindowPosChanging)
#define ON_WM_GETMINMAXINFO() AFX_WM_ENTRY(WM_GETMINMAXINFO, PointerLParamThunk, &ThisClass::OnGetMinMaxInfo)
#define ON_WM_NCCALCSIZE() AFX_WM_ENTRY(WM_NCCALCSIZE, NcCalcSizeThunk, &ThisClass::OnNcCalcSize)
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, HitTestThunk, &ThisClass::OnNcHitTest)
#define ON_WM_NCLBUTTONDOWN() AFX_WM_ENTRY(WM_NCLBUTTONDOWN, NcMouseThunk, &ThisClass::OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_WM_ENTRY(WM_NCLBUTTONUP, NcMouseThunk, &ThisClass::OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, NcMouseThunk, &ThisClass::OnNcLButtonDblClk)
#define ON_WM_NCMOUSEMOVE() AFX_WM_ENTRY(WM_NCMOUSEMOVE, NcMouseThunk, &ThisClass::OnNcMouseMove)
#define ON_WM_NCACTIVATE() AFX_WM_ENTRY(WM_NCACTIVATE, NcActivateThunk, &ThisClass::OnNcActivate)
#define ON_WM_DROPFILES() AFX_WM_ENTRY(WM_DROPFILES, DropFilesThunk, &ThisClass::OnDropFiles)
#define ON_WM_INITMENUPOPUP() AFX_WM_ENTRY(WM_INITMENUPOPUP, InitMenuPopupThunk, &ThisClass::OnInitMenuPopup)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, SysCommandThunk, &ThisClass::OnSysCommand)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, BoolThunk, &ThisClass::OnEnable)
#define ON_WM_PARENTNOTIFY() AFX_WM_ENTRY(WM_PARENTNOTIFY, ParentNotifyThunk, &ThisClass::OnParentNotify)

#define ON_NOTIFY_REFLECT(code, memberFxn) \
  AFX_MAP_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, static_cast<WORD>(code), 0, 0, ReflectNotifyThunk, memberFxn)
