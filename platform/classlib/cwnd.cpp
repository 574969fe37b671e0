#include "platform/classlib/cwnd.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/classlib/afx_message_box.h"
#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/button.h"
#include "platform/classlib/combo_box.h"
#include "platform/classlib/ddx.h"
#include "platform/classlib/edit.h"
#include "platform/classlib/gdi/gdi_objects.h"
#include "platform/classlib/list_box.h"
#include "platform/classlib/list_ctrl.h"
#include "platform/classlib/static_control.h"
#include "platform/classlib/text_copy.h"
#include "platform/classlib/window/message_loop.h"
#include "platform/classlib/window/window_internals.h"
#include "platform/classlib/window/window_state.h"
#include "platform/classlib/window_record.h"
#include "platform/ui/ui_driver.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {

using afx::WindowKind;
using afx::WindowRecord;

std::unique_ptr<CWnd> MakeTemporary(WindowKind kind) {
  switch (kind) {
    case WindowKind::kEdit:
      return std::make_unique<CEdit>();
    case WindowKind::kButton:
      return std::make_unique<CButton>();
    case WindowKind::kComboBox:
      return std::make_unique<CComboBox>();
    case WindowKind::kListBox:
      return std::make_unique<CListBox>();
    case WindowKind::kListCtrl:
      return std::make_unique<CListCtrl>();
    case WindowKind::kStatic:
      return std::make_unique<CStatic>();
    default:
      return std::make_unique<CWnd>();
  }
}

// Integer of a dialog item, as the window system reads it: blanks around an
// optionally signed decimal number, nothing else.
bool ParseDialogInt(const std::string& text, bool is_signed, long long* value) {
  const char* begin = text.c_str();
  while (*begin == ' ' || *begin == '\t') ++begin;
  if (*begin == '\0' || (!is_signed && *begin == '-')) return false;
  char* end = nullptr;
  errno = 0;
  *value = std::strtoll(begin, &end, 10);
  if (end == begin || errno == ERANGE) return false;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0') return false;
  return is_signed ? (*value >= INT32_MIN && *value <= INT32_MAX) : (*value >= 0 && *value <= UINT32_MAX);
}

constexpr UINT LowWord(WPARAM value) { return static_cast<UINT>(value & 0xFFFF); }
constexpr UINT HighWord(WPARAM value) { return static_cast<UINT>((value >> 16) & 0xFFFF); }

}  // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (own_window_ != nullptr) {
    own_window_.reset();
  } else if (WindowRecord* record = Record(); record != nullptr && record->attached == this) {
    // A window made by CreateEx goes with its object, as the class library's does.
    if (record->created) {
      DestroyWindowTree(record);
    } else {
      record->attached = nullptr;
    }
  }
  m_hWnd = nullptr;
}

WindowRecord* CWnd::Record() const { return afx::RecordOf(m_hWnd); }

void CWnd::AdoptWindow(std::unique_ptr<WindowRecord> record) {
  own_window_ = std::move(record);
  own_window_->attached = this;
  m_hWnd = own_window_->handle();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  WindowRecord* record = afx::RecordOf(hWnd);
  return record != nullptr ? record->attached : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  WindowRecord* record = afx::RecordOf(hWnd);
  if (record == nullptr) return nullptr;
  if (record->attached != nullptr) return record->attached;
  if (record->temporary == nullptr) {
    record->temporary = MakeTemporary(record->kind);
    record->temporary->m_hWnd = hWnd;
  }
  return record->temporary.get();
}

BOOL CWnd::Attach(HWND hWndNew) {
  WindowRecord* record = afx::RecordOf(hWndNew);
  if (record == nullptr || m_hWnd != nullptr || record->attached != nullptr) return FALSE;
  record->attached = this;
  m_hWnd = hWndNew;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND handle = m_hWnd;
  if (WindowRecord* record = Record(); record != nullptr && record->attached == this) record->attached = nullptr;
  m_hWnd = nullptr;
  return handle;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  WindowRecord* parent = pParent != nullptr ? pParent->Record() : nullptr;
  WindowRecord* control = parent != nullptr ? parent->FindChild(static_cast<int>(nID)) : nullptr;
  return control != nullptr && SubclassWindow(control->handle());
}

HWND CWnd::UnsubclassWindow() { return Detach(); }

BOOL CWnd::DestroyWindow() {
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  if (record->created) {
    DestroyWindowTree(record);
    return TRUE;
  }
  if (own_window_ != nullptr) {
    own_window_.reset();
  } else if (record->parent != nullptr) {
    record->parent->DestroyChild(record);
  } else {
    return FALSE;
  }
  m_hWnd = nullptr;
  return TRUE;
}

BOOL CWnd::CreateChild(afx::WindowKind kind, DWORD style, LPCTSTR text, CWnd* pParent, UINT nID) {
  WindowRecord* parent = pParent != nullptr ? pParent->Record() : nullptr;
  if (parent == nullptr || m_hWnd != nullptr) return FALSE;
  auto record = std::make_unique<WindowRecord>(kind, static_cast<int>(nID), style, text != nullptr ? text : "");
  record->visible = (style & WS_VISIBLE) != 0;
  WindowRecord* child = parent->AddChild(std::move(record));
  return SubclassWindow(child->handle());
}

void CWnd::SetWindowText(LPCTSTR lpszString) {
  WindowRecord* record = Record();
  if (record == nullptr) return;
  // A window with a procedure hears of its new text (status bars show it in a pane).
  if (record->created) {
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString != nullptr ? lpszString : ""));
    return;
  }
  StoreWindowText(lpszString);
}

void CWnd::StoreWindowText(LPCTSTR lpszString) {
  WindowRecord* record = Record();
  if (record == nullptr) return;
  const std::string text = lpszString != nullptr ? lpszString : "";
  if (record->IsDropDownList()) return;  // a drop-down list shows its entries only
  record->text = text;
  if (record->created) afx::Backend().WindowChanged(*record, afx::WindowChange::kText);
  if (record->kind == WindowKind::kEdit) {
    record->sel_start = record->sel_end = 0;
    record->modified = false;
    afx::NotifyParent(*record, EN_UPDATE);
    afx::NotifyParent(*record, EN_CHANGE);
  }
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
  WindowRecord* record = Record();
  return afx::CopyText(record != nullptr ? record->ShownText() : std::string(), lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
  WindowRecord* record = Record();
  rString = record != nullptr ? record->ShownText() : std::string();
}

int CWnd::GetWindowTextLength() const {
  WindowRecord* record = Record();
  return record != nullptr ? static_cast<int>(record->ShownText().size()) : 0;
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  const BOOL was_disabled = !record->enabled;
  record->enabled = bEnable != FALSE;
  if (!record->enabled && afx::FocusedRecord() == record) afx::SetFocusRecord(nullptr);
  if (record->created && was_disabled == record->enabled) {
    afx::Backend().WindowChanged(*record, afx::WindowChange::kStyle);
    SendMessage(WM_ENABLE, record->enabled ? TRUE : FALSE);
  }
  return was_disabled;
}

BOOL CWnd::IsWindowEnabled() const {
  WindowRecord* record = Record();
  return record != nullptr && record->enabled;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  const BOOL was_visible = record->visible;
  if (record->created) {
    afx::ShowCreatedWindow(*record, nCmdShow);
    return was_visible;
  }
  record->visible = nCmdShow != SW_HIDE;
  if (!record->visible && afx::FocusedRecord() == record) afx::SetFocusRecord(nullptr);
  return was_visible;
}

BOOL CWnd::IsWindowVisible() const {
  WindowRecord* record = Record();
  return record != nullptr && record->visible;
}

CWnd* CWnd::SetFocus() {
  CWnd* previous = GetFocus();
  if (WindowRecord* record = Record()) afx::SetFocusRecord(record);
  return previous;
}

CWnd* CWnd::GetFocus() {
  WindowRecord* focus = afx::FocusedRecord();
  return focus != nullptr ? FromHandle(focus->handle()) : nullptr;
}

int CWnd::GetDlgCtrlID() const {
  WindowRecord* record = Record();
  return record != nullptr ? record->id : 0;
}

int CWnd::SetDlgCtrlID(int nID) {
  WindowRecord* record = Record();
  if (record == nullptr) return 0;
  const int previous = record->id;
  record->id = nID;
  return previous;
}

DWORD CWnd::GetStyle() const {
  WindowRecord* record = Record();
  if (record == nullptr) return 0;
  DWORD style = record->style & ~(WS_VISIBLE | WS_DISABLED);
  if (record->visible) style |= WS_VISIBLE;
  if (!record->enabled) style |= WS_DISABLED;
  return style;
}

DWORD CWnd::GetExStyle() const {
  WindowRecord* record = Record();
  return record != nullptr ? record->ex_style : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  (void)nFlags;
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  const DWORD before = GetStyle();
  const DWORD after = (before & ~dwRemove) | dwAdd;
  record->style = after;
  record->visible = (after & WS_VISIBLE) != 0;
  record->enabled = (after & WS_DISABLED) == 0;
  return before != after;
}

CWnd* CWnd::GetDlgItem(int nID) const {
  WindowRecord* record = Record();
  WindowRecord* control = record != nullptr ? record->FindChild(nID) : nullptr;
  return control != nullptr ? FromHandle(control->handle()) : nullptr;
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) {
  if (CWnd* control = GetDlgItem(nID)) control->SetWindowText(lpszString);
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const {
  CWnd* control = GetDlgItem(nID);
  if (control == nullptr) return afx::CopyText(std::string(), lpStr, nMaxCount);
  return control->GetWindowText(lpStr, nMaxCount);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
  rString.Empty();
  if (CWnd* control = GetDlgItem(nID)) control->GetWindowText(rString);
  return rString.GetLength();
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
  CString text;
  GetDlgItemText(nID, text);
  long long value = 0;
  const bool ok = GetDlgItem(nID) != nullptr && ParseDialogInt(text.str(), bSigned != FALSE, &value);
  if (lpTrans != nullptr) *lpTrans = ok;
  return ok ? static_cast<UINT>(value) : 0;
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) {
  const std::string text = bSigned ? std::to_string(static_cast<int>(nValue)) : std::to_string(nValue);
  SetDlgItemText(nID, text.c_str());
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
  WindowRecord* record = Record();
  WindowRecord* button = record != nullptr ? record->FindChild(nIDButton) : nullptr;
  if (button != nullptr && button->kind == WindowKind::kButton) button->check = static_cast<int>(nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
  WindowRecord* record = Record();
  WindowRecord* button = record != nullptr ? record->FindChild(nIDButton) : nullptr;
  return button != nullptr && button->kind == WindowKind::kButton ? static_cast<UINT>(button->check) : 0;
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
  WindowRecord* record = Record();
  if (record == nullptr) return;
  for (const auto& child : record->children) {
    if (child->kind != WindowKind::kButton || child->id < nIDFirstButton || child->id > nIDLastButton) continue;
    child->check = child->id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED;
  }
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) {
  WindowRecord* record = Record();
  if (record == nullptr) return 0;
  for (const auto& child : record->children) {
    if (child->kind == WindowKind::kButton && child->id >= nIDFirstButton && child->id <= nIDLastButton &&
        child->check == BST_CHECKED) {
      return child->id;
    }
  }
  return 0;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return dx.Finish();
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
  const std::string caption = lpszCaption != nullptr ? lpszCaption : AfxGetAppName();
  return ui::Ui().MessageBox(lpszText != nullptr ? lpszText : "", caption, nType);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  MSG current;
  current.hwnd = m_hWnd;
  current.message = message;
  current.wParam = wParam;
  current.lParam = lParam;
  afx::PushCurrentMessage(current);
  const LRESULT result = WindowProc(message, wParam, lParam);
  afx::PopCurrentMessage();
  return result;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  if (!record->created) {
    SendMessage(message, wParam, lParam);
    return TRUE;
  }
  MSG posted;
  posted.hwnd = m_hWnd;
  posted.message = message;
  posted.wParam = wParam;
  posted.lParam = lParam;
  afx::PostToQueue(posted);
  return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    *pResult = OnCommand(wParam, lParam);
    return *pResult != 0;
  }
  if (message == WM_NOTIFY) {
    LRESULT result = 0;
    const BOOL handled = OnNotify(wParam, lParam, &result);
    *pResult = result;
    return handled;
  }
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
  if (entry == nullptr) return FALSE;
  afx::MessageArgs args;
  args.wParam = wParam;
  args.lParam = lParam;
  entry->pfn(*this, args);
  *pResult = args.result;
  return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  (void)wParam;
  if (message != WM_NOTIFY) return FALSE;
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  AFX_NOTIFY notify{pResult, header};
  const int code = static_cast<int>(((WM_REFLECT_BASE + WM_NOTIFY) << 16) | (header->code & 0xFFFF));
  return OnCmdMsg(0, code, &notify, nullptr);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  int code = static_cast<int>(HighWord(wParam));
  // Menus (0) and accelerators (1) send commands without a control.
  if (lParam == 0 && (code == 0 || code == 1)) code = CN_COMMAND;
  return OnCmdMsg(LowWord(wParam), code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header == nullptr) return FALSE;
  // The control may take its own notification first.
  if (CWnd* control = FromHandlePermanent(header->hwndFrom);
      control != nullptr && control != this && control->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult)) {
    return TRUE;
  }
  AFX_NOTIFY notify{pResult, header};
  return OnCmdMsg(static_cast<UINT>(header->idFrom), NotifyCode(header->code), &notify, nullptr);
}
