// The headless backend: windows live in memory, drawing is recorded on
// canvases (canvas.h), time is a virtual clock that only tests advance, and
// a person's actions come from the UI driver's input lines (a script) or
// from a test calling the input functions below.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/classlib/backend/canvas.h"
#include "platform/classlib/backend/window_backend.h"
#include "platform/ui/user_input.h"

namespace afx {

struct PrintedDocument {
  std::string name;
  PrinterSetup setup;
  std::vector<Canvas> pages;
  bool finished = false;
};

struct PopupShown {
  std::vector<std::string> items;  // texts, "-" for separators
  CPoint screen;
  HWND owner = nullptr;
};

class HeadlessBackend : public WindowBackend {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;

  const char* Name() const override { return "headless"; }
  void WindowCreated(WindowRecord& window) override;
  void WindowDestroyed(WindowRecord& window) override;
  void WindowChanged(WindowRecord& window, WindowChange change) override;
  std::unique_ptr<Surface> WindowSurface(WindowRecord& window, bool whole_window) override;
  std::unique_ptr<Surface> BitmapSurface(int width, int height) override;
  void ScrollContents(WindowRecord& window, int dx, int dy, const RECT& area) override;
  int SystemMetric(int index) override;
  COLORREF SystemColour(int index) override;
  void CaretChanged(const CaretState& caret) override { caret_ = caret; }
  void CursorChanged(const CursorInfo& cursor) override { cursor_ = cursor; }
  void CaptureChanged(WindowRecord*) override {}
  void FocusChanged(WindowRecord*) override {}
  CPoint CursorPosition() override { return cursor_position_; }
  void StartTimer(WindowRecord& window, UINT_PTR id, UINT milliseconds) override;
  void StopTimer(WindowRecord& window, UINT_PTR id) override;
  UINT TrackPopupMenu(const MenuRecord& menu, POINT screen, WindowRecord& owner) override;
  bool PutClipboardText(const std::string& text) override;
  std::optional<std::string> ClipboardText() override { return clipboard_; }
  DWORD DoDragDrop(const std::string& text, DWORD allowed_effects) override;
  std::optional<bool> RunPrintDialog(PrinterSetup&) override { return std::nullopt; }
  PrinterSetup DefaultPrinter() override { return printer_; }
  std::unique_ptr<Surface> PrinterInformation(const PrinterSetup& setup) override;
  std::unique_ptr<PrintJob> StartPrintJob(const PrinterSetup& setup, const std::string& document_name) override;
  bool WaitForInput() override;

  // What tests look at.
  const Canvas* CanvasOf(HWND window) const;
  const Canvas* WindowCanvasOf(HWND window) const;  // the non-client drawing
  std::vector<ScreenRow> Screen(HWND window) const;
  const CaretState& Caret() const { return caret_; }
  const CursorInfo& Cursor() const { return cursor_; }
  std::set<UINT_PTR> TimersOf(HWND window) const;
  const std::vector<PrintedDocument>& Printed() const { return printed_; }
  const std::optional<PopupShown>& LastPopup() const { return last_popup_; }
  void SetPrinter(const PrinterSetup& setup) { printer_ = setup; }
  // The popup menus that follow choose this command (0: dismissed), when no script line does.
  void SetPopupChoice(UINT id) { popup_choice_ = id; }
  // Where a drag that the program starts is dropped, in the window's client
  // coordinates, when no `drag` input is under way; the drag is cancelled without one.
  void SetDropPoint(HWND window, CPoint client, bool copy);
  // Where the mouse stands now (screen coordinates), without a message to any window: a held mouse.
  void SetCursorPosition(CPoint screen) { cursor_position_ = screen; }

  // Time: fires the timers that fall due within the next milliseconds, in order.
  void AdvanceClock(UINT milliseconds);
  DWORD Now() const { return now_; }

  // A person's actions, delivered at once. Points are client coordinates of
  // the window with the keyboard focus (the active view).
  void Key(const ui::KeyChord& chord);
  void Type(const std::string& text);
  void Click(int x, int y, const ui::KeyChord& modifiers = {});
  void DoubleClick(int x, int y, const ui::KeyChord& modifiers = {});
  void RightClick(int x, int y, const ui::KeyChord& modifiers = {});
  void Drag(int x, int y, int to_x, int to_y, const ui::KeyChord& modifiers = {});
  void Wheel(int amount);
  // A menu command sent to the active frame as a person would choose it: refused when disabled.
  bool Menu(UINT id);
  // The `screen` lines of the window with the focus.
  std::vector<std::string> ScreenText() const;
  void Deliver(const ui::UserInput& input);

 private:
  struct Peer;
  struct Timer {
    HWND window;
    UINT_PTR id;
    UINT interval;
    DWORD due;
  };
  Peer* PeerOf(WindowRecord& window) const;
  void Mouse(UINT message, HWND window, CPoint client, UINT key_flags, const std::set<int>& held);
  CPoint ScreenPointOfFocus(int x, int y) const;
  std::set<int> Held(const ui::KeyChord& chord) const;
  UINT KeyFlags(const ui::KeyChord& chord, UINT buttons) const;

  CaretState caret_;
  CursorInfo cursor_;
  CPoint cursor_position_;
  std::vector<Timer> timers_;
  DWORD now_ = 0;
  std::optional<std::string> clipboard_;
  std::vector<PrintedDocument> printed_;
  PrinterSetup printer_;
  std::optional<PopupShown> last_popup_;
  UINT popup_choice_ = 0;
  // A drag under way: where it ends, and whether the program took it over.
  struct DragGesture {
    HWND window = nullptr;
    CPoint end;  // client coordinates of window
    bool copy = false;
    bool taken = false;
  };
  std::optional<DragGesture> drag_;
};

}  // namespace afx
