// CCmdTarget: the base of every object that receives commands and control
// notifications through a message map (message_map.h), and CCmdUI, the
// update request a command's user interface sends before it is shown.
#pragma once

#include "platform/classlib/cobject.h"
#include "platform/classlib/cstring.h"
#include "platform/classlib/window_messages.h"

class CCmdTarget;
class CCmdUI;
class CMenu;
class CWnd;
struct AFX_MSGMAP_ENTRY;

namespace afx {

// What a handler may need from the message that reached it.
struct MessageArgs {
  UINT id = 0;
  void* extra = nullptr;  // AFX_NOTIFY* for notifications, CCmdUI* for updates
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  LRESULT result = 0;
};

// Calls one handler; returns whether the message counts as handled.
using HandlerThunk = BOOL (*)(CCmdTarget& target, MessageArgs& args);

}  // namespace afx

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // WM_COMMAND, WM_NOTIFY or a window message; 0 ends the map
  UINT nCode;     // notification or CN_ code
  UINT nID;       // control or command id, first of a range
  UINT nLastID;   // last id of the range
  afx::HandlerThunk pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();  // null at the root
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// The extra data of a routed WM_NOTIFY.
struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

// Filled instead of calling the handler when a caller only asks whether one exists.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget = nullptr;
  const AFX_MSGMAP_ENTRY* pEntry = nullptr;
};

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  CCmdTarget() = default;

  // Routes a command (nCode CN_COMMAND or a control notification), an update
  // request (CN_UPDATE_COMMAND_UI, pExtra the CCmdUI) or a notification
  // (NotifyCode(code), pExtra the AFX_NOTIFY) to the first matching handler,
  // most derived map first. TRUE when a handler took it.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

  // The nCode under which WM_NOTIFY code reaches OnCmdMsg.
  static int NotifyCode(UINT notify_code);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;

  // First entry for this message, code and id, walking from the most derived map.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;
};

class CCmdUI {
 public:
  UINT m_nID = 0;
  UINT m_nIndex = 0;
  UINT m_nIndexMax = 0;
  CMenu* m_pMenu = nullptr;     // the menu whose item shows the command, if any
  CMenu* m_pSubMenu = nullptr;  // the popup when the item opens one
  CWnd* m_pOther = nullptr;     // the control that shows the command, if any
  BOOL m_bEnableChanged = FALSE;
  BOOL m_bContinueRouting = FALSE;

  // What the handlers asked for, kept for whoever draws the command.
  BOOL m_bEnabled = TRUE;
  int m_nCheck = 0;
  CString m_strText;
  BOOL m_bTextChanged = FALSE;

  virtual ~CCmdUI() = default;
  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);
  virtual void SetRadio(BOOL bOn = TRUE);
  virtual void SetText(LPCTSTR lpszText);
  void ContinueRouting() { m_bContinueRouting = TRUE; }

  // Asks target to update this command; with no handler and bDisableIfNoHndler,
  // a command that has no command handler either is disabled.
  BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};
