#include "platform/classlib/cmdtarget.h"

#include "platform/classlib/cwnd.h"
#include "platform/classlib/window/menu.h"
#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {

constexpr UINT LowWord(UINT value) { return value & 0xFFFF; }
constexpr UINT HighWord(UINT value) { return (value >> 16) & 0xFFFF; }

// Reflected notifications come back to the control under 0xBC00 + message.
bool IsRoutedMessage(UINT message) {
  return message == WM_COMMAND || message == WM_NOTIFY || message == 0xBC00 + WM_COMMAND ||
         message == 0xBC00 + WM_NOTIFY;
}

bool Matches(const AFX_MSGMAP_ENTRY& entry, UINT message, UINT code, UINT id) {
  if (entry.nMessage != message) return false;
  if (!IsRoutedMessage(message)) return true;
  return entry.nCode == code && id >= entry.nID && id <= entry.nLastID;
}

}  // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY kEntries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP kMap = {nullptr, &kEntries[0]};
  return &kMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

int CCmdTarget::NotifyCode(UINT notify_code) { return static_cast<int>((WM_NOTIFY << 16) | LowWord(notify_code)); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage != 0; ++entry) {
      if (Matches(*entry, message, code, id)) return entry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  UINT message = WM_COMMAND;
  UINT code = static_cast<UINT>(nCode);
  if (nCode != CN_UPDATE_COMMAND_UI) {
    if (HighWord(code) != 0) message = HighWord(code);
    code = LowWord(code);
  }
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, code, nID);
  if (entry == nullptr) return FALSE;
  if (pHandlerInfo != nullptr) {
    pHandlerInfo->pTarget = this;
    pHandlerInfo->pEntry = entry;
    return TRUE;
  }
  afx::MessageArgs args;
  args.id = nID;
  args.extra = pExtra;
  return entry->pfn(*this, args);
}

void CCmdUI::Enable(BOOL bOn) {
  m_bEnabled = bOn;
  m_bEnableChanged = TRUE;
  if (m_pMenu != nullptr && m_pSubMenu == nullptr) {
    m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
  }
  if (m_pOther != nullptr) m_pOther->EnableWindow(bOn);
}

void CCmdUI::SetCheck(int nCheck) {
  m_nCheck = nCheck;
  if (m_pMenu != nullptr && m_pSubMenu == nullptr) {
    m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
  }
  if (m_pOther == nullptr) return;
  if (afx::WindowRecord* record = afx::RecordOf(m_pOther->m_hWnd)) record->check = nCheck;
}

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCTSTR lpszText) {
  m_strText = lpszText != nullptr ? lpszText : "";
  m_bTextChanged = TRUE;
  if (m_pMenu != nullptr && m_pSubMenu == nullptr) {
    const UINT state = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
    m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | (state & (MF_GRAYED | MF_DISABLED | MF_CHECKED)), m_nID,
                        m_strText);
  }
  if (m_pOther != nullptr) m_pOther->SetWindowText(m_strText);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  if (pTarget == nullptr) return FALSE;
  m_bEnableChanged = FALSE;
  m_bContinueRouting = FALSE;
  const BOOL handled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
  if (!handled && bDisableIfNoHndler && !m_bEnableChanged) {
    // Without an update handler a command is enabled exactly when something handles it.
    AFX_CMDHANDLERINFO info;
    Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
  }
  return handled;
}
