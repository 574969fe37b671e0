// The one seam between the class library's window model and whatever shows
// it: the headless backend (windows in memory, drawing recorded) or a GUI
// toolkit. The class library keeps every window's state in its WindowRecord
// (geometry, styles, text, scroll bars, menu, invalid area) and tells the
// backend what changed; the backend shows it, draws on Surfaces, and turns
// what a person does into window messages through backend_events.h.
//
// Every call comes from the one UI thread. Calls return status values, never
// throw.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/classlib/gdi/surface.h"
#include "platform/classlib/window/window_message_ids.h"

namespace afx {

class WindowRecord;
struct MenuRecord;

enum class WindowChange {
  kGeometry,    // window or client rectangle
  kVisibility,  // shown or hidden
  kText,        // caption
  kStyle,       // styles, enabled state
  kMenu,        // the window's menu bar, or its items' states
  kScrollBars,  // range, page, position, enabled or shown state of a bar
  kZOrder,      // brought to the top, activated
};

struct CaretState {
  WindowRecord* owner = nullptr;  // null: no caret
  CPoint position;                // client coordinates of the owner
  CSize size;
  bool grey = false;
  int hide_count = 1;  // shown while 0
  bool Visible() const { return owner != nullptr && hide_count == 0; }
};

enum class CursorShape { kArrow, kIBeam, kWait, kCross, kSizeWE, kSizeNS, kSizeAll, kNo, kHand, kResource };

struct CursorInfo {
  CursorShape shape = CursorShape::kArrow;
  UINT resource_id = 0;  // for kResource
};

// A printer as the print and page-setup dialogs choose it.
struct PrinterSetup {
  std::string printer_name = "Headless Printer";
  CSize page_size{2480, 3508};  // device pixels: A4 at 300 dots per inch
  CPoint printable_offset{50, 50};
  CSize printable_size{2380, 3408};
  int dpi = 300;
  bool landscape = false;
  std::string output_file;  // printing to a file when not empty
};

// One document being printed.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  // The surface of a new page, valid until EndPage.
  virtual Surface* StartPage() = 0;
  virtual bool EndPage() = 0;
  virtual bool Finish() = 0;  // the document is complete
  virtual void Abort() = 0;
};

class WindowBackend {
 public:
  virtual ~WindowBackend() = default;
  virtual const char* Name() const = 0;

  // Windows the class library made, changed and is destroying. A backend may
  // hang its own object on the record's peer.
  virtual void WindowCreated(WindowRecord& window) = 0;
  virtual void WindowDestroyed(WindowRecord& window) = 0;
  virtual void WindowChanged(WindowRecord& window, WindowChange change) = 0;

  // Drawing. A window surface covers the client area, or the whole window
  // (non-client parts included) when whole_window is set.
  virtual std::unique_ptr<Surface> WindowSurface(WindowRecord& window, bool whole_window) = 0;
  virtual std::unique_ptr<Surface> BitmapSurface(int width, int height) = 0;
  // Moves what the window shows inside area (client coordinates) by dx, dy.
  virtual void ScrollContents(WindowRecord& window, int dx, int dy, const RECT& area) = 0;
  virtual int SystemMetric(int index) = 0;
  virtual COLORREF SystemColour(int index) = 0;

  // Caret, cursor, mouse capture and keyboard focus as the class library set them.
  virtual void CaretChanged(const CaretState& caret) = 0;
  virtual void CursorChanged(const CursorInfo& cursor) = 0;
  virtual void CaptureChanged(WindowRecord* window) = 0;
  virtual void FocusChanged(WindowRecord* window) = 0;
  // The mouse position in screen coordinates.
  virtual CPoint CursorPosition() = 0;

  // Timers: WM_TIMER reaches the window through PostTimerMessage when due.
  virtual void StartTimer(WindowRecord& window, UINT_PTR id, UINT milliseconds) = 0;
  virtual void StopTimer(WindowRecord& window, UINT_PTR id) = 0;

  // A popup menu at a screen point; the chosen command id, 0 when dismissed.
  virtual UINT TrackPopupMenu(const MenuRecord& menu, POINT screen, WindowRecord& owner) = 0;

  // The clipboard's text (UTF-8).
  virtual bool PutClipboardText(const std::string& text) = 0;
  virtual std::optional<std::string> ClipboardText() = 0;

  // Runs a drag of text that the program started (from inside a mouse
  // message); returns the drop effect (DROPEFFECT_NONE when cancelled).
  virtual DWORD DoDragDrop(const std::string& text, DWORD allowed_effects) = 0;

  // Printing. The dialog is the backend's own when it has one: true for
  // print, false for cancel; nullopt lets the class library ask through the
  // UI driver.
  virtual std::optional<bool> RunPrintDialog(PrinterSetup& setup) = 0;
  virtual PrinterSetup DefaultPrinter() = 0;
  // A surface that only measures, with the printer's resolution (before any page exists).
  virtual std::unique_ptr<Surface> PrinterInformation(const PrinterSetup& setup) = 0;
  virtual std::unique_ptr<PrintJob> StartPrintJob(const PrinterSetup& setup, const std::string& document_name) = 0;

  // Waits for what a person does next and delivers it (backend_events.h);
  // false when no more input will ever come (the end of a script).
  virtual bool WaitForInput() = 0;
  // Messages were posted while the backend may be waiting.
  virtual void Wake() {}
};

// The backend in force: the headless one unless a program set another.
// The metrics every backend reports alike (icon, cursor, drag and minimum window
// sizes, the wheel); 0 for the others.
int CommonSystemMetric(int index);

WindowBackend& Backend();
// Not owned; null goes back to the headless backend. Set it before the first window.
void SetBackend(WindowBackend* backend);

}  // namespace afx
