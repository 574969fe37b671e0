// CWnd: a window of the window model. The window itself (text, state,
// geometry, children) lives in a window record reached through m_hWnd; this
// object is the program's view of it, receiving its messages, commands and
// notifications through the message map. Windows made with Create/CreateEx
// paint, scroll and take input through the backend in force
// (backend/window_backend.h); dialog controls made from templates are plain
// records.
#pragma once

#include <memory>

#include "platform/classlib/cmdtarget.h"
#include "platform/classlib/cstring.h"
#include "platform/classlib/gdi/gdi_types.h"
#include "platform/classlib/message_map.h"
#include "platform/classlib/window/message_cracking.h"
#include "platform/classlib/window/window_message_ids.h"
#include "platform/classlib/window_messages.h"
#include "platform/classlib/window_styles.h"

class CDataExchange;
class CDC;
class CFont;
class CFrameWnd;
class CMenu;
class CScrollBar;
struct CCreateContext;

// RepositionBars modes.
constexpr UINT reposDefault = 0;
constexpr UINT reposQuery = 1;
constexpr UINT reposExtra = 2;
constexpr UINT reposNoPosLeftOver = 0x8000;

namespace afx {
class WindowRecord;
enum class WindowKind;
}  // namespace afx

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd();
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }  // NOLINT: implicit, as the class library's

  // The object of a live window: the permanent one, else a temporary of the
  // control's class that lives as long as the window. Null for a dead handle.
  static CWnd* FromHandle(HWND hWnd);
  static CWnd* FromHandlePermanent(HWND hWnd);
  BOOL Attach(HWND hWndNew);
  HWND Detach();
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();
  virtual BOOL DestroyWindow();

  // Text.
  void SetWindowText(LPCTSTR lpszString);
  int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const;

  // State. EnableWindow returns whether the window was disabled before,
  // ShowWindow whether it was visible before.
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL ShowWindow(int nCmdShow);
  BOOL IsWindowVisible() const;
  CWnd* SetFocus();
  static CWnd* GetFocus();
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int nID);
  CWnd* GetParent() const;
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

  // Creation. PreCreateWindow may change the request; OnCreate returning -1
  // fails the creation and destroys the window.
  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                      UINT nID, CCreateContext* pContext = nullptr);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);

  // Geometry: client coordinates start at the client area's top-left corner.
  void GetClientRect(LPRECT lpRect) const;
  void GetWindowRect(LPRECT lpRect) const;
  void ClientToScreen(LPPOINT lpPoint) const;
  void ClientToScreen(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const;
  void ScreenToClient(LPRECT lpRect) const;
  void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
  void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
  BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
  BOOL IsIconic() const;
  BOOL IsZoomed() const;
  void CenterWindow(CWnd* pAlternateOwner = nullptr);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

  // Painting: invalid parts are painted (WM_PAINT) when the message queue is idle.
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void ValidateRect(LPCRECT lpRect);
  void UpdateWindow();
  BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, void* prgnUpdate = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
  void SetRedraw(BOOL bRedraw = TRUE);
  BOOL LockWindowUpdate();
  void UnlockWindowUpdate();
  // A device context of the client area (GetDC) or of the whole window; give it back with ReleaseDC.
  CDC* GetDC();
  CDC* GetWindowDC();
  int ReleaseDC(CDC* pDC);
  // Moves the client area's contents; the uncovered part becomes invalid.
  void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
  CFont* GetFont() const;

  // Scroll bars of the window (SB_HORZ, SB_VERT).
  BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
  BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
  int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
  int GetScrollPos(int nBar) const;
  void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
  void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
  int GetScrollLimit(int nBar);
  void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
  void EnableScrollBarCtrl(int nBar, BOOL bEnable = TRUE);
  BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);
  virtual CScrollBar* GetScrollBarCtrl(int nBar) const;

  // Timers post WM_TIMER to this window; the callback form is not supported (null only).
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void (*lpfnTimer)(HWND, UINT, UINT_PTR, DWORD) = nullptr);
  BOOL KillTimer(UINT_PTR nIDEvent);

  // The one caret of the program, owned by the window that made it last.
  void CreateSolidCaret(int nWidth, int nHeight);
  void CreateGrayCaret(int nWidth, int nHeight);
  static void SetCaretPos(POINT point);
  static CPoint GetCaretPos();
  void ShowCaret();
  void HideCaret();

  // Mouse capture: mouse input goes to this window until released.
  CWnd* SetCapture();
  static CWnd* GetCapture();

  // Relations.
  CWnd* GetOwner() const;
  void SetOwner(CWnd* pOwnerWnd);
  CWnd* SetParent(CWnd* pWndNewParent);
  CFrameWnd* GetParentFrame() const;
  CWnd* GetTopLevelParent() const;
  CFrameWnd* GetTopLevelFrame() const;
  CWnd* GetWindow(UINT nCmd) const;
  CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
  CWnd* GetTopWindow() const;
  CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
  void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                BOOL bOnlyPerm = FALSE);
  BOOL IsChild(const CWnd* pWnd) const;
  static CWnd* GetActiveWindow();
  CWnd* SetActiveWindow();
  BOOL SetForegroundWindow();
  void BringWindowToTop();
  static CWnd* GetDesktopWindow();
  CWnd* GetSafeOwner(CWnd* pParent = nullptr) const;

  // The menu bar of a top-level window.
  CMenu* GetMenu() const;
  BOOL SetMenu(CMenu* pMenu);
  void DrawMenuBar();

  void DragAcceptFiles(BOOL bAccept = TRUE);
  BOOL OpenClipboard();
  // Updates the child controls that are command targets (tool bar buttons, dialog bar controls).
  void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
  // Lays out the control bars with ids nIDFirst..nIDLast and gives the rest to nIDLeftOver.
  void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                      LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);

  // Before a queued message is dispatched; TRUE when it was handled (accelerators).
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
  // The message being handled now, and its default handling.
  static const MSG* GetCurrentMessage();
  LRESULT Default();

  // Child controls by id. Calls naming a missing control do nothing and
  // return 0 or an empty text.
  CWnd* GetDlgItem(int nID) const;
  void SetDlgItemText(int nID, LPCTSTR lpszString);
  int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
  int GetDlgItemText(int nID, CString& rString) const;
  UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
  void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
  void CheckDlgButton(int nIDButton, UINT nCheck);
  UINT IsDlgButtonChecked(int nIDButton) const;
  void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
  int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);

  // Moves data between the controls and the members (DoDataExchange). A
  // failed save shows its message, focuses the control and changes no member.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  // A message box owned by this window; the caption defaults to the program's name.
  int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

  // Sends a message to the window procedure at once. A posted message waits
  // in the queue for the message loop, except for windows made from dialog
  // templates, which have none and handle it at once.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // A control's chance to handle its own notification (reflection).
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

 protected:
  virtual void DoDataExchange(CDataExchange* pDX) { (void)pDX; }
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual void PreSubclassWindow() {}
  // After the last message of the window (WM_NCDESTROY); windows that own themselves delete themselves here.
  virtual void PostNcDestroy() {}

  // Default handlers of the window messages: each does what the window
  // system does when nobody handles the message.
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnNcDestroy();
  afx_msg void OnClose();
  afx_msg void OnPaint();
  afx_msg void OnNcPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnMove(int x, int y);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
  afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
  afx_msg BOOL OnNcActivate(BOOL bActive);
  afx_msg void OnDropFiles(HDROP hDropInfo);
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg void OnParentNotify(UINT message, LPARAM lParam);

  // Creates a child window of the given kind under pParent and attaches this object.
  BOOL CreateChild(afx::WindowKind kind, DWORD style, LPCTSTR text, CWnd* pParent, UINT nID);

  // The record behind m_hWnd; null when there is no window.
  afx::WindowRecord* Record() const;
  // Makes this object the owner of a new top-level window.
  void AdoptWindow(std::unique_ptr<afx::WindowRecord> record);

  DECLARE_MESSAGE_MAP()

 private:
  friend class CDC;
  // Sends WM_NCCALCSIZE and stores the client area the answer gives.
  void RecalcClientArea();
  void StoreWindowText(LPCTSTR lpszString);
  void DestroyWindowTree(afx::WindowRecord* record);

  std::unique_ptr<afx::WindowRecord> own_window_;
  std::unique_ptr<CFont> font_object_;  // GetFont's object for the window's font
};

// The window functions of the window system on handles.
BOOL IsWindow(HWND hWnd);
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int nExitCode);
HWND GetFocus();
HWND SetFocus(HWND hWnd);
HWND GetCapture();
BOOL ReleaseCapture();
BOOL DestroyCaret();
BOOL GetCursorPos(LPPOINT lpPoint);
HCURSOR SetCursor(HCURSOR hCursor);
BOOL TranslateMessage(const MSG* lpMsg);
LRESULT DispatchMessage(const MSG* lpMsg);
COLORREF GetSysColor(int nIndex);
int GetSystemMetrics(int nIndex);
BOOL MessageBeep(UINT uType);
HWND GetParent(HWND hWnd);

// A window class with these traits, named by the library; equal requests share a name.
LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                            HICON hIcon = nullptr);
