#include "platform/classlib/backend/headless_backend.h"

#include <algorithm>

#include "platform/classlib/backend/backend_events.h"
#include "platform/classlib/cmdtarget.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/gdi/char_cells.h"
#include "platform/classlib/window/menu.h"
#include "platform/classlib/window/window_internals.h"
#include "platform/classlib/window/window_state.h"
#include "platform/classlib/window_record.h"
#include "platform/ui/ui_driver.h"

namespace afx {
namespace {

constexpr DWORD kDropCopy = 1;
constexpr DWORD kDropMove = 2;
constexpr DWORD kKeyControl = 0x08;
constexpr int kDragSteps = 4;

class RecordingSurface : public Surface {
 public:
  RecordingSurface(Canvas* canvas, DeviceInfo device) : canvas_(canvas), device_(device) {}
  explicit RecordingSurface(CSize size) : owned_(size), canvas_(&owned_) {}

  Canvas& canvas() { return *canvas_; }
  CSize Size() const override { return canvas_->Size(); }
  DeviceInfo Device() const override {
    DeviceInfo device = device_;
    if (!device.printer) device.physical_size = canvas_->Size();
    return device;
  }
  void SetClip(const RECT* clip) override {
    clipped_ = clip != nullptr;
    if (clip != nullptr) clip_ = *clip;
  }
  void FillRect(const RECT& rect, COLORREF colour) override {
    DrawOp op;
    op.kind = DrawOp::Kind::kFill;
    op.bounds = rect;
    op.bounds.NormalizeRect();
    op.colour = colour;
    Add(std::move(op));
  }
  void InvertRect(const RECT& rect, bool halftone) override {
    DrawOp op;
    op.kind = DrawOp::Kind::kInvert;
    op.bounds = rect;
    op.bounds.NormalizeRect();
    op.halftone = halftone;
    Add(std::move(op));
  }
  void DrawText(POINT at, std::string_view text, const TextStyle& style) override {
    const CSize cell = CellOf(style.font);
    DrawOp op;
    op.kind = DrawOp::Kind::kText;
    op.from = at;
    op.text = std::string(text);
    op.font = style.font;
    op.colour = style.text;
    op.back = style.back;
    op.opaque = style.opaque;
    op.bounds = CRect(at.x, at.y, at.x + TextCells(text) * cell.cx, at.y + cell.cy);
    Add(std::move(op));
  }
  void DrawLine(POINT from, POINT to, const PenStyle& pen) override {
    DrawOp op;
    op.kind = DrawOp::Kind::kLine;
    op.from = from;
    op.to = to;
    op.colour = pen.colour;
    op.bounds = CRect(std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + pen.width,
                      std::max(from.y, to.y) + pen.width);
    Add(std::move(op));
  }
  void CopyFrom(const RECT& dest, Surface& source, POINT source_origin) override {
    auto* recording = dynamic_cast<RecordingSurface*>(&source);
    if (recording == nullptr) return;
    const CRect whole(CPoint(0, 0), canvas_->Size());
    canvas_->CopyFrom(recording->canvas(), dest, source_origin, clipped_ ? clip_ : whole);
  }
  FontMetrics Metrics(const LOGFONT& font) override { return MetricsOf(font); }
  int TextWidth(const LOGFONT& font, std::string_view text) override { return TextCells(text) * CellOf(font).cx; }

 private:
  void Add(DrawOp op) {
    op.clip = clipped_ ? clip_ : CRect(CPoint(0, 0), canvas_->Size());
    canvas_->Add(std::move(op));
  }

  Canvas owned_;
  Canvas* canvas_;
  DeviceInfo device_;
  bool clipped_ = false;
  CRect clip_;
};

class HeadlessPrintJob : public PrintJob {
 public:
  HeadlessPrintJob(std::vector<PrintedDocument>& printed, size_t index) : printed_(printed), index_(index) {}

  Surface* StartPage() override {
    PrintedDocument& document = printed_[index_];
    document.pages.emplace_back(document.setup.printable_size);
    DeviceInfo device;
    device.dpi_x = device.dpi_y = document.setup.dpi;
    device.printer = true;
    device.physical_size = document.setup.page_size;
    device.printable_offset = document.setup.printable_offset;
    page_ = std::make_unique<RecordingSurface>(&document.pages.back(), device);
    return page_.get();
  }
  bool EndPage() override {
    page_.reset();
    return true;
  }
  bool Finish() override {
    PrintedDocument& document = printed_[index_];
    document.finished = true;
    ui::Ui().Print("[printed " + document.name + ": " + std::to_string(document.pages.size()) + " page" +
                   (document.pages.size() == 1 ? "" : "s") + "]\n");
    return true;
  }
  void Abort() override { page_.reset(); }

 private:
  std::vector<PrintedDocument>& printed_;
  size_t index_;
  std::unique_ptr<RecordingSurface> page_;
};

CSize ClientSize(const WindowRecord& window) { return window.client_rect.Size(); }

UINT CharacterFor(const ui::KeyChord& chord) {
  const int key = chord.key;
  if (key >= 'A' && key <= 'Z') {
    if (chord.ctrl && !chord.alt) return static_cast<UINT>(key - 'A' + 1);
    return static_cast<UINT>(chord.shift ? key : key - 'A' + 'a');
  }
  if (chord.ctrl) return 0;
  if (key >= '0' && key <= '9') {
    static const char kShifted[] = ")!@#$%^&*(";
    return static_cast<UINT>(chord.shift ? kShifted[key - '0'] : key);
  }
  switch (key) {
    case VK_SPACE:
      return ' ';
    case VK_RETURN:
      return '\r';
    case VK_TAB:
      return '\t';
    case VK_BACK:
      return '\b';
    case VK_ESCAPE:
      return 0x1B;
    default:
      return 0;
  }
}

void DescribeMenu(const MenuRecord& menu, std::vector<std::string>* items) {
  for (const MenuItem& item : menu.items) {
    if (item.flags & MF_SEPARATOR) {
      items->push_back("-");
    } else {
      std::string text = item.text;
      if (!(item.flags & MF_POPUP)) text += " " + std::to_string(item.id);
      if (item.flags & (MF_GRAYED | MF_DISABLED)) text += " (disabled)";
      if (item.flags & MF_CHECKED) text += " (checked)";
      items->push_back(text);
    }
  }
}

bool MenuOffers(const MenuRecord& menu, UINT id) {
  for (const MenuItem& item : menu.items) {
    if (item.popup != nullptr && MenuOffers(*item.popup, id)) return true;
    if (!(item.flags & (MF_POPUP | MF_SEPARATOR | MF_GRAYED | MF_DISABLED)) && item.id == id) return true;
  }
  return false;
}

}  // namespace

struct HeadlessBackend::Peer : BackendPeer {
  Canvas client;
  Canvas whole;
};

HeadlessBackend::HeadlessBackend() = default;
HeadlessBackend::~HeadlessBackend() = default;

HeadlessBackend::Peer* HeadlessBackend::PeerOf(WindowRecord& window) const {
  if (window.peer == nullptr) window.peer = std::make_unique<Peer>();
  return static_cast<Peer*>(window.peer.get());
}

void HeadlessBackend::WindowCreated(WindowRecord& window) { WindowChanged(window, WindowChange::kGeometry); }

void HeadlessBackend::WindowDestroyed(WindowRecord& window) {
  HWND handle = window.handle();
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [handle](const Timer& t) { return t.window == handle; }),
                timers_.end());
  if (drag_ && drag_->window == handle) drag_.reset();
}

void HeadlessBackend::WindowChanged(WindowRecord& window, WindowChange change) {
  if (change != WindowChange::kGeometry) return;
  Peer* peer = PeerOf(window);
  peer->client.Resize(ClientSize(window));
  peer->whole.Resize(window.window_rect.Size());
}

std::unique_ptr<Surface> HeadlessBackend::WindowSurface(WindowRecord& window, bool whole_window) {
  Peer* peer = PeerOf(window);
  return std::make_unique<RecordingSurface>(whole_window ? &peer->whole : &peer->client, DeviceInfo());
}

std::unique_ptr<Surface> HeadlessBackend::BitmapSurface(int width, int height) {
  return std::make_unique<RecordingSurface>(CSize(std::max(width, 0), std::max(height, 0)));
}

void HeadlessBackend::ScrollContents(WindowRecord& window, int dx, int dy, const RECT& area) {
  PeerOf(window)->client.Scroll(dx, dy, area);
}

int HeadlessBackend::SystemMetric(int index) {
  switch (index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
      return 1024;
    case SM_CYSCREEN:
    case SM_CYFULLSCREEN:
      return 768;
    case SM_CYSMCAPTION:
      return 15;
    default:
      // frames, captions, menus and scroll bars take no room here
      return afx::CommonSystemMetric(index);
  }
}

COLORREF HeadlessBackend::SystemColour(int index) {
  switch (index) {
    case COLOR_WINDOW:
    case COLOR_BTNHIGHLIGHT:
    case COLOR_HIGHLIGHTTEXT:
    case COLOR_CAPTIONTEXT:
      return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT:
    case COLOR_MENUTEXT:
    case COLOR_BTNTEXT:
    case COLOR_3DDKSHADOW:
    case COLOR_INFOTEXT:
    case COLOR_WINDOWFRAME:
      return RGB(0, 0, 0);
    case COLOR_HIGHLIGHT:
    case COLOR_ACTIVECAPTION:
      return RGB(0, 0, 128);
    case COLOR_BTNSHADOW:
    case COLOR_GRAYTEXT:
    case COLOR_APPWORKSPACE:
    case COLOR_INACTIVECAPTION:
      return RGB(128, 128, 128);
    case COLOR_INFOBK:
      return RGB(255, 255, 225);
    case COLOR_BACKGROUND:
      return RGB(0, 128, 128);
    default:
      return RGB(192, 192, 192);  // scroll bars, faces, menus, borders
  }
}

void HeadlessBackend::StartTimer(WindowRecord& window, UINT_PTR id, UINT milliseconds) {
  StopTimer(window, id);
  timers_.push_back({window.handle(), id, std::max(milliseconds, 1U), now_ + std::max(milliseconds, 1U)});
}

void HeadlessBackend::StopTimer(WindowRecord& window, UINT_PTR id) {
  HWND handle = window.handle();
  timers_.erase(
      std::remove_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.window == handle && t.id == id; }),
      timers_.end());
}

std::set<UINT_PTR> HeadlessBackend::TimersOf(HWND window) const {
  std::set<UINT_PTR> ids;
  for (const Timer& timer : timers_) {
    if (timer.window == window) ids.insert(timer.id);
  }
  return ids;
}

void HeadlessBackend::AdvanceClock(UINT milliseconds) {
  const DWORD end = now_ + milliseconds;
  for (;;) {
    auto next =
        std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) { return a.due < b.due; });
    if (next == timers_.end() || next->due > end) break;
    now_ = next->due;
    next->due += next->interval;
    const HWND window = next->window;
    const UINT_PTR id = next->id;
    if (WindowRecord* record = RecordOf(window)) {
      PostTimerMessage(*record, id);
      DrainMessages();
    }
  }
  now_ = end;
}

UINT HeadlessBackend::TrackPopupMenu(const MenuRecord& menu, POINT screen, WindowRecord& owner) {
  PopupShown shown;
  DescribeMenu(menu, &shown.items);
  shown.screen = screen;
  shown.owner = owner.handle();
  std::string line = "[popup menu]";
  for (const std::string& item : shown.items) line += " | " + item;
  ui::Ui().Print(line + "\n");
  last_popup_ = shown;
  UINT chosen = popup_choice_;
  if (const std::optional<int> scripted = ui::Ui().TakeMenuChoice()) chosen = static_cast<UINT>(*scripted);
  return chosen != 0 && MenuOffers(menu, chosen) ? chosen : 0;
}

bool HeadlessBackend::PutClipboardText(const std::string& text) {
  clipboard_ = text;
  return true;
}

void HeadlessBackend::SetDropPoint(HWND window, CPoint client, bool copy) {
  drag_ = DragGesture{window, client, copy, false};
}

DWORD HeadlessBackend::DoDragDrop(const std::string& text, DWORD allowed_effects) {
  if (!drag_ || drag_->taken) return 0;
  drag_->taken = true;
  WindowRecord* window = RecordOf(drag_->window);
  if (window == nullptr) return 0;
  CPoint screen = drag_->end;
  screen.Offset(ClientOrigin(*window));
  WindowRecord* target = WindowAt(screen);
  if (target == nullptr || !HasDropTarget(*target)) return 0;
  CPoint client = screen;
  client.Offset(-ClientOrigin(*target).x, -ClientOrigin(*target).y);
  const DWORD keys = drag_->copy ? kKeyControl : 0;
  DWORD effect = DragEnter(*target, text, keys, client) & allowed_effects;
  if (RecordOf(target->handle()) != nullptr) effect = DragOver(*target, keys, client) & allowed_effects;
  if (RecordOf(target->handle()) == nullptr) return 0;
  if (effect == 0) {
    DragLeave(*target);
    return 0;
  }
  // A move that is allowed wins unless Ctrl asks for a copy.
  if ((effect & kDropMove) && !drag_->copy)
    effect = kDropMove;
  else if (effect & kDropCopy)
    effect = kDropCopy;
  return Drop(*target, text, effect, client);
}

std::unique_ptr<Surface> HeadlessBackend::PrinterInformation(const PrinterSetup& setup) {
  auto page = std::make_unique<Canvas>(setup.printable_size);
  DeviceInfo device;
  device.dpi_x = device.dpi_y = setup.dpi;
  device.printer = true;
  device.physical_size = setup.page_size;
  device.printable_offset = setup.printable_offset;
  // The measuring surface keeps its own canvas alive.
  struct Measuring : RecordingSurface {
    Measuring(std::unique_ptr<Canvas> canvas, DeviceInfo info)
        : RecordingSurface(canvas.get(), info), held(std::move(canvas)) {}
    std::unique_ptr<Canvas> held;
  };
  return std::make_unique<Measuring>(std::move(page), device);
}

std::unique_ptr<PrintJob> HeadlessBackend::StartPrintJob(const PrinterSetup& setup, const std::string& document_name) {
  PrintedDocument document;
  document.name = document_name;
  document.setup = setup;
  printed_.push_back(std::move(document));
  return std::make_unique<HeadlessPrintJob>(printed_, printed_.size() - 1);
}

bool HeadlessBackend::WaitForInput() {
  const std::optional<ui::UserInput> input = ui::Ui().NextUserInput();
  if (!input) return false;
  Deliver(*input);
  return true;
}

void HeadlessBackend::Deliver(const ui::UserInput& input) {
  switch (input.kind) {
    case ui::UserInput::Kind::kKey:
      for (const ui::KeyChord& chord : input.keys) Key(chord);
      break;
    case ui::UserInput::Kind::kType:
      Type(input.text);
      break;
    case ui::UserInput::Kind::kClick:
      Click(input.x, input.y, input.modifiers);
      break;
    case ui::UserInput::Kind::kDoubleClick:
      DoubleClick(input.x, input.y, input.modifiers);
      break;
    case ui::UserInput::Kind::kDrag:
      Drag(input.x, input.y, input.to_x, input.to_y, input.modifiers);
      break;
    case ui::UserInput::Kind::kWheel:
      Wheel(input.amount);
      break;
    case ui::UserInput::Kind::kMenu:
      Menu(static_cast<UINT>(input.id));
      break;
    case ui::UserInput::Kind::kScreen:
      for (const std::string& line : ScreenText()) ui::Ui().Print(line + "\n");
      break;
  }
}

const Canvas* HeadlessBackend::CanvasOf(HWND window) const {
  WindowRecord* record = RecordOf(window);
  return record != nullptr ? &PeerOf(*record)->client : nullptr;
}

const Canvas* HeadlessBackend::WindowCanvasOf(HWND window) const {
  WindowRecord* record = RecordOf(window);
  return record != nullptr ? &PeerOf(*record)->whole : nullptr;
}

std::vector<ScreenRow> HeadlessBackend::Screen(HWND window) const {
  const Canvas* canvas = CanvasOf(window);
  if (canvas == nullptr) return {};
  CSize cell(8, 16);
  for (const DrawOp* run : canvas->TextRuns()) {
    cell = CellOf(run->font);
    break;
  }
  return canvas->Compose(cell);
}

std::vector<std::string> HeadlessBackend::ScreenText() const {
  WindowRecord* focus = KeyboardTarget();
  if (focus == nullptr) return {"[screen] no window"};
  std::vector<std::string> lines;
  const std::vector<ScreenRow> rows = Screen(focus->handle());
  const int columns = rows.empty() ? 0 : focus->client_rect.Width() / std::max(1, [&] {
                                           for (const DrawOp* run : CanvasOf(focus->handle())->TextRuns())
                                             return static_cast<int>(CellOf(run->font).cx);
                                           return 8;
                                         }());
  lines.push_back("[screen " + std::to_string(columns) + "x" + std::to_string(rows.size()) + "]");
  for (const ScreenRow& row : rows) lines.push_back(FormatScreenRow(row));
  return lines;
}

std::set<int> HeadlessBackend::Held(const ui::KeyChord& chord) const {
  std::set<int> held;
  if (chord.ctrl) held.insert(VK_CONTROL);
  if (chord.shift) held.insert(VK_SHIFT);
  if (chord.alt) held.insert(VK_MENU);
  return held;
}

UINT HeadlessBackend::KeyFlags(const ui::KeyChord& chord, UINT buttons) const {
  UINT flags = buttons;
  if (chord.ctrl) flags |= MK_CONTROL;
  if (chord.shift) flags |= MK_SHIFT;
  return flags;
}

void HeadlessBackend::Key(const ui::KeyChord& chord) {
  WindowRecord* target = KeyboardTarget();
  if (target == nullptr) return;
  MSG down;
  down.hwnd = target->handle();
  down.message = chord.alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  down.wParam = static_cast<WPARAM>(chord.key);
  down.lParam = 1 | (chord.alt ? (1 << 29) : 0);
  down.time = now_;
  down.character = CharacterFor(chord);
  const std::set<int> held = Held(chord);
  DeliverInput(down, held);
  if (WindowRecord* still = KeyboardTarget()) {
    MSG up = down;
    up.hwnd = still->handle();
    up.message = chord.alt ? WM_SYSKEYUP : WM_KEYUP;
    up.lParam = 1 | (1 << 30) | (1U << 31) | (chord.alt ? (1 << 29) : 0);
    up.character = 0;
    DeliverInput(up, held);
  }
}

void HeadlessBackend::Type(const std::string& text) {
  for (size_t at = 0; at < text.size();) {
    size_t length = 1;
    const char32_t code = DecodeUtf8(text, at, &length);
    at += length;
    WindowRecord* target = KeyboardTarget();
    if (target == nullptr) return;
    MSG message;
    message.hwnd = target->handle();
    message.message = WM_CHAR;
    message.wParam = static_cast<WPARAM>(code);
    message.lParam = 1;
    message.time = now_;
    DeliverInput(message, {});
  }
}

CPoint HeadlessBackend::ScreenPointOfFocus(int x, int y) const {
  WindowRecord* focus = KeyboardTarget();
  CPoint screen(x, y);
  if (focus != nullptr) screen.Offset(ClientOrigin(*focus));
  return screen;
}

void HeadlessBackend::Mouse(UINT message, HWND window, CPoint screen, UINT key_flags, const std::set<int>& held) {
  cursor_position_ = screen;
  WindowRecord* target = RecordOf(window);
  if (target == nullptr) return;
  CWnd* object = target->attached;
  if (object == nullptr) return;
  const LRESULT hit =
      CaptureRecord() == target ? HTCLIENT : object->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
  if (RecordOf(window) == nullptr) return;
  const bool button_down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_LBUTTONDBLCLK;
  if (button_down) {
    CWnd* top = CWnd::FromHandle(target->TopLevel()->handle());
    object->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top != nullptr ? top->m_hWnd : nullptr),
                        MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
    if (RecordOf(window) == nullptr) return;
  }
  if (message == WM_MOUSEMOVE || button_down) {
    object->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                        MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
    if (RecordOf(window) == nullptr) return;
  }
  MSG input;
  input.hwnd = window;
  input.time = now_;
  input.pt = screen;
  if (hit == HTCLIENT) {
    const CPoint origin = ClientOrigin(*target);
    input.message = message;
    input.wParam = key_flags;
    input.lParam = MAKELPARAM(screen.x - origin.x, screen.y - origin.y);
  } else {
    input.message = message - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
    if (message == WM_MOUSEWHEEL || message > WM_LBUTTONDBLCLK) return;
    input.wParam = static_cast<WPARAM>(hit);
    input.lParam = MAKELPARAM(screen.x, screen.y);
  }
  DeliverInput(input, held);
}

void HeadlessBackend::Click(int x, int y, const ui::KeyChord& modifiers) {
  const CPoint screen = ScreenPointOfFocus(x, y);
  const std::set<int> held = Held(modifiers);
  WindowRecord* target = MouseTarget(screen);
  if (target == nullptr) return;
  Mouse(WM_MOUSEMOVE, target->handle(), screen, KeyFlags(modifiers, 0), held);
  if ((target = MouseTarget(screen)) == nullptr) return;
  std::set<int> pressed = held;
  pressed.insert(VK_LBUTTON);
  Mouse(WM_LBUTTONDOWN, target->handle(), screen, KeyFlags(modifiers, MK_LBUTTON), pressed);
  if ((target = MouseTarget(screen)) == nullptr) return;
  Mouse(WM_LBUTTONUP, target->handle(), screen, KeyFlags(modifiers, 0), held);
}

void HeadlessBackend::DoubleClick(int x, int y, const ui::KeyChord& modifiers) {
  Click(x, y, modifiers);
  const CPoint screen = ScreenPointOfFocus(x, y);
  WindowRecord* target = MouseTarget(screen);
  if (target == nullptr) return;
  const bool double_clicks = (target->class_style & CS_DBLCLKS) != 0;
  std::set<int> pressed = Held(modifiers);
  pressed.insert(VK_LBUTTON);
  Mouse(double_clicks ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, target->handle(), screen, KeyFlags(modifiers, MK_LBUTTON),
        pressed);
  if ((target = MouseTarget(screen)) == nullptr) return;
  Mouse(WM_LBUTTONUP, target->handle(), screen, KeyFlags(modifiers, 0), Held(modifiers));
}

void HeadlessBackend::RightClick(int x, int y, const ui::KeyChord& modifiers) {
  const CPoint screen = ScreenPointOfFocus(x, y);
  const std::set<int> held = Held(modifiers);
  WindowRecord* target = MouseTarget(screen);
  if (target == nullptr) return;
  std::set<int> pressed = held;
  pressed.insert(VK_RBUTTON);
  Mouse(WM_MOUSEMOVE, target->handle(), screen, KeyFlags(modifiers, 0), held);
  if ((target = MouseTarget(screen)) == nullptr) return;
  Mouse(WM_RBUTTONDOWN, target->handle(), screen, KeyFlags(modifiers, MK_RBUTTON), pressed);
  if ((target = MouseTarget(screen)) == nullptr) return;
  HWND handle = target->handle();
  Mouse(WM_RBUTTONUP, handle, screen, KeyFlags(modifiers, 0), held);
  if (WindowRecord* still = RecordOf(handle); still != nullptr && still->attached != nullptr) {
    MSG menu;
    menu.hwnd = handle;
    menu.message = WM_CONTEXTMENU;
    menu.wParam = reinterpret_cast<WPARAM>(handle);
    menu.lParam = MAKELPARAM(screen.x, screen.y);
    DeliverInput(menu, held);
  }
}

void HeadlessBackend::Drag(int x, int y, int to_x, int to_y, const ui::KeyChord& modifiers) {
  WindowRecord* focus = KeyboardTarget();
  const CPoint from = ScreenPointOfFocus(x, y);
  const CPoint to = ScreenPointOfFocus(to_x, to_y);
  if (focus != nullptr) drag_ = DragGesture{focus->handle(), CPoint(to_x, to_y), modifiers.ctrl, false};
  const std::set<int> held = Held(modifiers);
  std::set<int> pressed = held;
  pressed.insert(VK_LBUTTON);
  WindowRecord* target = MouseTarget(from);
  if (target != nullptr) {
    Mouse(WM_MOUSEMOVE, target->handle(), from, KeyFlags(modifiers, 0), held);
    if ((target = MouseTarget(from)) != nullptr) {
      Mouse(WM_LBUTTONDOWN, target->handle(), from, KeyFlags(modifiers, MK_LBUTTON), pressed);
    }
  }
  for (int step = 1; step <= kDragSteps && target != nullptr && !(drag_ && drag_->taken); ++step) {
    const CPoint at(from.x + (to.x - from.x) * step / kDragSteps, from.y + (to.y - from.y) * step / kDragSteps);
    if ((target = MouseTarget(at)) != nullptr) {
      Mouse(WM_MOUSEMOVE, target->handle(), at, KeyFlags(modifiers, MK_LBUTTON), pressed);
    }
  }
  // A drag the program took over ended with the drop; the button is up already.
  const bool taken = drag_ && drag_->taken;
  drag_.reset();
  if (!taken && (target = MouseTarget(to)) != nullptr) {
    Mouse(WM_LBUTTONUP, target->handle(), to, KeyFlags(modifiers, 0), held);
  }
}

void HeadlessBackend::Wheel(int amount) {
  WindowRecord* target = KeyboardTarget();
  if (target == nullptr) return;
  const CRect client = target->ScreenClientRect();
  cursor_position_ = client.CenterPoint();
  MSG message;
  message.hwnd = target->handle();
  message.message = WM_MOUSEWHEEL;
  message.wParam = MAKEWPARAM(0, amount);
  message.lParam = MAKELPARAM(cursor_position_.x, cursor_position_.y);
  message.time = now_;
  DeliverInput(message, {});
}

bool HeadlessBackend::Menu(UINT id) {
  WindowRecord* active = ActiveRecord();
  CWnd* frame = active != nullptr ? active->attached : nullptr;
  if (frame == nullptr) {
    ui::Ui().Print("[menu " + std::to_string(id) + ": no window]\n");
    return false;
  }
  CCmdUI state;
  state.m_nID = id;
  state.DoUpdate(frame, TRUE);
  if (!state.m_bEnabled) {
    ui::Ui().Print("[menu " + std::to_string(id) + " is disabled]\n");
    return false;
  }
  MSG command;
  command.hwnd = frame->m_hWnd;
  command.message = WM_COMMAND;
  command.wParam = MAKEWPARAM(id, 0);
  DeliverInput(command, {});
  return true;
}

}  // namespace afx
