// The class library's windows as real GTK windows through wxWidgets: a
// top-level window becomes a native frame, the windows inside it are drawn
// into backing stores that the frame's canvas shows, scroll bars are native,
// and keys, the mouse, timers, menus, the clipboard and drag and drop come
// back through backend_events.h. Printing goes to a PDF file, or through the
// system print dialog to a printer.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/classlib/backend/window_backend.h"

class wxTimer;
class wxEventLoopBase;

namespace gui {

class GuiBackend : public afx::WindowBackend {
 public:
  GuiBackend();
  ~GuiBackend() override;
  GuiBackend(const GuiBackend&) = delete;
  GuiBackend& operator=(const GuiBackend&) = delete;

  const char* Name() const override { return "gtk"; }
  void WindowCreated(afx::WindowRecord& window) override;
  void WindowDestroyed(afx::WindowRecord& window) override;
  void WindowChanged(afx::WindowRecord& window, afx::WindowChange change) override;
  std::unique_ptr<afx::Surface> WindowSurface(afx::WindowRecord& window, bool whole_window) override;
  std::unique_ptr<afx::Surface> BitmapSurface(int width, int height) override;
  void ScrollContents(afx::WindowRecord& window, int dx, int dy, const RECT& area) override;
  int SystemMetric(int index) override;
  COLORREF SystemColour(int index) override;
  void CaretChanged(const afx::CaretState& caret) override;
  void CursorChanged(const afx::CursorInfo& cursor) override;
  void CaptureChanged(afx::WindowRecord* window) override;
  void FocusChanged(afx::WindowRecord* window) override;
  CPoint CursorPosition() override;
  void StartTimer(afx::WindowRecord& window, UINT_PTR id, UINT milliseconds) override;
  void StopTimer(afx::WindowRecord& window, UINT_PTR id) override;
  UINT TrackPopupMenu(const afx::MenuRecord& menu, POINT screen, afx::WindowRecord& owner) override;
  bool PutClipboardText(const std::string& text) override;
  std::optional<std::string> ClipboardText() override;
  DWORD DoDragDrop(const std::string& text, DWORD allowed_effects) override;
  std::optional<bool> RunPrintDialog(afx::PrinterSetup& setup) override;
  afx::PrinterSetup DefaultPrinter() override;
  std::unique_ptr<afx::Surface> PrinterInformation(const afx::PrinterSetup& setup) override;
  std::unique_ptr<afx::PrintJob> StartPrintJob(const afx::PrinterSetup& setup,
                                               const std::string& document_name) override;
  bool WaitForInput() override;
  void Wake() override;

  // For the native windows: input was delivered, so the message loop has work.
  void NoteActivity() { activity_ = true; }
  void NoteMouse(CPoint screen) { mouse_ = screen; }
  const afx::CaretState& Caret() const { return caret_; }
  bool CaretShown() const { return caret_.Visible() && blink_on_; }
  // Handles what the toolkit has for now without waiting (tests wait on conditions with it).
  void Pump();

 private:
  class Timer;
  void ToggleCaret();
  void RefreshCaret();

  afx::CaretState caret_;
  HWND caret_window_ = nullptr;
  bool blink_on_ = true;
  std::unique_ptr<wxTimer> blink_;
  std::map<std::pair<HWND, UINT_PTR>, std::unique_ptr<Timer>> timers_;
  CPoint mouse_;
  bool activity_ = false;
};

// A window's client area in the display's coordinates, once its frame is shown.
std::optional<CRect> NativeScreenRect(HWND window);

}  // namespace gui
