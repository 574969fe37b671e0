// CWnd: a window of the headless window model. The window itself (text,
// state, children) lives in a window record reached through m_hWnd; this
// object is the program's view of it, receiving its commands and
// notifications through the message map.
#pragma once

#include <memory>

#include "platform/classlib/cmdtarget.h"
#include "platform/classlib/cstring.h"
#include "platform/classlib/message_map.h"
#include "platform/classlib/window_messages.h"
#include "platform/classlib/window_styles.h"

class CDataExchange;

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

  // Drawing has nothing to do without pixels.
  void Invalidate(BOOL bErase = TRUE) { (void)bErase; }
  void UpdateWindow() {}
  void CenterWindow(CWnd* pAlternateOwner = nullptr) { (void)pAlternateOwner; }

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

  // WM_COMMAND, WM_NOTIFY and messages of ON_MESSAGE entries. Without a
  // message queue a posted message is handled at once.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

 protected:
  virtual void DoDataExchange(CDataExchange* pDX) { (void)pDX; }
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void PreSubclassWindow() {}

  // Creates a child window of the given kind under pParent and attaches this object.
  BOOL CreateChild(afx::WindowKind kind, DWORD style, LPCTSTR text, CWnd* pParent, UINT nID);

  // The record behind m_hWnd; null when there is no window.
  afx::WindowRecord* Record() const;
  // Makes this object the owner of a new top-level window.
  void AdoptWindow(std::unique_ptr<afx::WindowRecord> record);

  DECLARE_MESSAGE_MAP()

 private:
  std::unique_ptr<afx::WindowRecord> own_window_;
};
