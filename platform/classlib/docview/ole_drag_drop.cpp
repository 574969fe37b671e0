#include "platform/classlib/docview/ole_drag_drop.h"

#include <map>

#include "platform/classlib/backend/backend_events.h"
#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)
IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

namespace {

std::map<HWND, COleDropTarget*>& Targets() {
  static std::map<HWND, COleDropTarget*> targets;
  return targets;
}

COleDropTarget* TargetOf(afx::WindowRecord& window) {
  const auto found = Targets().find(window.handle());
  return found != Targets().end() ? found->second : nullptr;
}

}  // namespace

struct DropTargetAccess {
  static COleDataObject& Data(COleDropTarget& target) { return target.data_; }
};

BOOL AfxOleInit() { return TRUE; }

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, void*) const {
  return has_text_ && (cfFormat == CF_TEXT || cfFormat == CF_OEMTEXT);
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, void*) const {
  if (!IsDataAvailable(cfFormat)) return nullptr;
  return afx::GlobalFromText(text_.data(), text_.size());
}

BOOL COleDataObject::AttachClipboard() {
  const std::optional<std::string> text = afx::Backend().ClipboardText();
  has_text_ = text.has_value() && !text->empty();
  text_ = has_text_ ? *text : std::string();
  return TRUE;
}

COleDataSource::~COleDataSource() { Empty(); }

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, void*) {
  if (cfFormat != CF_TEXT && cfFormat != CF_OEMTEXT) {
    GlobalFree(hGlobal);
    return;
  }
  Empty();
  text_ = hGlobal;
}

void COleDataSource::Empty() {
  if (text_ != nullptr) GlobalFree(text_);
  text_ = nullptr;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT, void*) {
  std::string text;
  if (!afx::TextFromGlobal(text_, &text)) return DROPEFFECT_NONE;
  return afx::Backend().DoDragDrop(text, dwEffects);
}

void COleDataSource::SetClipboard() {
  std::string text;
  if (afx::TextFromGlobal(text_, &text)) afx::Backend().PutClipboardText(text);
}

COleDropTarget::~COleDropTarget() { Revoke(); }

BOOL COleDropTarget::Register(CWnd* pWnd) {
  if (pWnd == nullptr || !IsWindow(pWnd->m_hWnd) || Targets().count(pWnd->m_hWnd) != 0 || window_ != nullptr) {
    return FALSE;
  }
  window_ = pWnd->m_hWnd;
  m_pWnd = pWnd;
  Targets()[window_] = this;
  return TRUE;
}

void COleDropTarget::Revoke() {
  if (window_ == nullptr) return;
  Targets().erase(window_);
  window_ = nullptr;
  m_pWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
void COleDropTarget::OnDragLeave(CWnd*) {}
BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) { return FALSE; }
DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint) { return DROPEFFECT_NONE; }

namespace afx {

bool HasDropTarget(WindowRecord& window) { return TargetOf(window) != nullptr; }

DWORD DragEnter(WindowRecord& window, const std::string& text, DWORD key_state, POINT client) {
  COleDropTarget* target = TargetOf(window);
  if (target == nullptr) return DROPEFFECT_NONE;
  COleDataObject& data = DropTargetAccess::Data(*target);
  data = COleDataObject(text);
  return target->OnDragEnter(target->m_pWnd, &data, key_state, client);
}

DWORD DragOver(WindowRecord& window, DWORD key_state, POINT client) {
  COleDropTarget* target = TargetOf(window);
  if (target == nullptr) return DROPEFFECT_NONE;
  const DROPEFFECT scrolled = target->OnDragScroll(target->m_pWnd, key_state, client);
  if (scrolled & DROPEFFECT_SCROLL) return scrolled & ~DROPEFFECT_SCROLL;
  if ((target = TargetOf(window)) == nullptr) return DROPEFFECT_NONE;
  return target->OnDragOver(target->m_pWnd, &DropTargetAccess::Data(*target), key_state, client);
}

void DragLeave(WindowRecord& window) {
  if (COleDropTarget* target = TargetOf(window)) target->OnDragLeave(target->m_pWnd);
}

DWORD Drop(WindowRecord& window, const std::string& text, DWORD effect, POINT client) {
  COleDropTarget* target = TargetOf(window);
  if (target == nullptr) return DROPEFFECT_NONE;
  COleDataObject& data = DropTargetAccess::Data(*target);
  data = COleDataObject(text);
  return target->OnDrop(target->m_pWnd, &data, effect, client) ? effect : DROPEFFECT_NONE;
}

}  // namespace afx
