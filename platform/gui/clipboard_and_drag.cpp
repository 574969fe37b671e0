#include "platform/gui/clipboard_and_drag.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dnd.h>
#include <wx/utils.h>

#include "platform/classlib/backend/backend_events.h"
#include "platform/classlib/docview/ole_drag_drop.h"
#include "platform/classlib/window_record.h"
#include "platform/gui/native_frame.h"

namespace gui {
namespace {

using afx::WindowRecord;

// The text of the drag this program runs, so its own windows see it before the drop.
std::optional<std::string>& OwnDrag() {
  static std::optional<std::string> text;
  return text;
}

DWORD KeyState() {
  DWORD keys = MK_LBUTTON;
  if (wxGetKeyState(WXK_CONTROL)) keys |= MK_CONTROL;
  if (wxGetKeyState(WXK_SHIFT)) keys |= MK_SHIFT;
  return keys;
}

wxDragResult ResultOf(DWORD effect) {
  if (effect & DROPEFFECT_MOVE) return wxDragMove;
  if (effect & DROPEFFECT_COPY) return wxDragCopy;
  if (effect & DROPEFFECT_LINK) return wxDragLink;
  return wxDragNone;
}

class CanvasDropTarget : public wxDropTarget {
 public:
  explicit CanvasDropTarget(NativeCanvas& canvas) : wxDropTarget(new wxTextDataObject), canvas_(canvas) {}

  wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult suggested) override { return OnDragOver(x, y, suggested); }

  wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult) override {
    CPoint client;
    WindowRecord* target = TargetAt(x, y, &client);
    if (target != Current()) {
      Leave();
      if (target == nullptr) return wxDragNone;
      current_ = target->handle();
      // Another program's text arrives only with the drop; till then a stand-in says text is offered.
      const std::string text = OwnDrag().value_or(" ");
      return ResultOf(afx::DragEnter(*target, text, KeyState(), client));
    }
    if (target == nullptr) return wxDragNone;
    return ResultOf(afx::DragOver(*target, KeyState(), client));
  }

  void OnLeave() override { Leave(); }

  bool OnDrop(wxCoord x, wxCoord y) override { return TargetAt(x, y, nullptr) != nullptr; }

  wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult suggested) override {
    CPoint client;
    WindowRecord* target = TargetAt(x, y, &client);
    current_ = nullptr;
    if (target == nullptr || !GetData()) return wxDragNone;
    const std::string text(static_cast<wxTextDataObject*>(GetDataObject())->GetText().utf8_str());
    const DWORD effect = suggested == wxDragMove ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
    return ResultOf(afx::Drop(*target, text, effect, client));
  }

 private:
  WindowRecord* Current() const { return afx::RecordOf(current_); }

  void Leave() {
    if (WindowRecord* window = Current()) afx::DragLeave(*window);
    current_ = nullptr;
  }

  // The window under the point that takes drops: the deepest one, or the nearest parent that does.
  WindowRecord* TargetAt(wxCoord x, wxCoord y, CPoint* client) const {
    const CPoint screen = canvas_.ScreenOf(wxPoint(x, y));
    for (WindowRecord* window = afx::WindowAt(screen); window != nullptr && window != &afx::Desktop();
         window = window->parent) {
      if (!afx::HasDropTarget(*window)) continue;
      if (client != nullptr) {
        const CPoint origin = window->ScreenClientRect().TopLeft();
        *client = CPoint(screen.x - origin.x, screen.y - origin.y);
      }
      return window;
    }
    return nullptr;
  }

  NativeCanvas& canvas_;
  HWND current_ = nullptr;
};

}  // namespace

bool PutClipboardText(const std::string& text) {
  wxClipboardLocker lock;
  if (!lock) return false;
  if (text.empty()) {
    wxTheClipboard->Clear();
    return true;
  }
  return wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(text)));  // the clipboard owns it
}

std::optional<std::string> ClipboardText() {
  wxClipboardLocker lock;
  if (!lock || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return std::nullopt;
  wxTextDataObject data;
  if (!wxTheClipboard->GetData(data)) return std::nullopt;
  return std::string(data.GetText().utf8_str());
}

DWORD DragText(wxWindow& origin, const std::string& text, DWORD allowed_effects) {
  wxTextDataObject data(wxString::FromUTF8(text));
  wxDropSource source(data, &origin);
  OwnDrag() = text;
  const int flags = (allowed_effects & DROPEFFECT_MOVE) ? wxDrag_AllowMove : wxDrag_CopyOnly;
  const wxDragResult result = source.DoDragDrop(flags);
  OwnDrag().reset();
  DWORD effect = DROPEFFECT_NONE;
  if (result == wxDragMove) effect = DROPEFFECT_MOVE;
  if (result == wxDragCopy) effect = DROPEFFECT_COPY;
  if (result == wxDragLink) effect = DROPEFFECT_LINK;
  return effect & allowed_effects;
}

wxDropTarget* MakeDropTarget(NativeCanvas& canvas) { return new CanvasDropTarget(canvas); }  // the canvas owns it

}  // namespace gui
