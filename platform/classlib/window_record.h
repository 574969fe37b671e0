// The window system's side of a window, kept headless: what a real window
// would hold (id, style, text, state, children, list contents) and the focus.
// CWnd objects and their derived control classes look at a record through
// their m_hWnd, as the class library's objects look at real windows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/classlib/rect.h"
#include "platform/classlib/window_messages.h"
#include "platform/wintypes/windows_types.h"

class CWnd;

namespace afx {

enum class WindowKind { kWindow, kDialog, kEdit, kButton, kComboBox, kListBox, kListCtrl, kStatic, kTreeCtrl };

// What a backend hangs on a window; destroyed with the window.
class BackendPeer {
 public:
  virtual ~BackendPeer() = default;
};

// One scroll bar of a window.
struct ScrollBarState {
  int min = 0;
  int max = 0;
  int page = 0;
  int pos = 0;
  int track_pos = 0;
  bool enabled = true;
  bool shown = false;
};

struct TreeItemData;

struct ListEntry {
  std::string text;
  DWORD_PTR data = 0;
  bool selected = false;  // multiple-selection list boxes
};

struct ListColumn {
  std::string heading;
  int format = LVCFMT_LEFT;
  int width = 0;
};

struct ListRow {
  std::vector<std::string> texts;  // item text, then sub-items
  LPARAM data = 0;
  UINT state = 0;  // LVIS_ bits
};

class WindowRecord {
 public:
  WindowRecord(WindowKind kind, int id, DWORD style, std::string text);
  ~WindowRecord();
  WindowRecord(const WindowRecord&) = delete;
  WindowRecord& operator=(const WindowRecord&) = delete;

  HWND handle();
  WindowRecord* AddChild(std::unique_ptr<WindowRecord> child);
  WindowRecord* FindChild(int child_id);
  // Removes and destroys one child.
  void DestroyChild(WindowRecord* child);

  DWORD ButtonType() const { return style & 0xF; }
  bool IsCheckBox() const;
  bool IsRadioButton() const;
  bool IsAutoButton() const;
  bool IsPushButton() const;
  bool IsDropDownList() const;
  bool IsReadOnly() const;
  bool Notifies() const;  // LBS_NOTIFY list boxes, SS_NOTIFY statics, ...
  // "edit", "button", "check", "radio", "group", "combo", "list", "listctrl", "static", "picture", "dialog".
  std::string KindName() const;

  // The radio buttons of this radio's group, in order (this one included).
  std::vector<WindowRecord*> RadioGroup();

  // Text an edit or combo box shows: the edit text, or the chosen entry.
  std::string ShownText() const;

  WindowKind kind;
  int id;
  DWORD style;
  DWORD ex_style = 0;
  std::string text;
  std::string label;  // what stands beside the control in its dialog
  bool enabled = true;
  bool visible = true;
  int check = 0;
  int limit = 0;  // edit text limit in bytes, 0 for none
  int sel_start = 0;
  int sel_end = 0;
  bool modified = false;
  std::vector<ListEntry> entries;   // combo and list boxes
  int current = -1;                 // chosen entry
  std::vector<ListColumn> columns;  // list controls
  std::vector<ListRow> rows;
  int selection_mark = -1;
  std::vector<UINT> bitmaps;  // bitmap buttons: up, down, focus, disabled

  // Windows made by CWnd::CreateEx: geometry, class and painting state.
  bool created = false;  // messages reach its CWnd's window procedure
  CRect window_rect;     // in the parent's client coordinates; screen for top-level windows
  CRect client_rect;     // the client area, in window coordinates
  std::string class_name;
  UINT class_style = 0;
  CRect invalid;  // client area still to paint; empty when none
  bool erase_pending = false;
  bool redraw = true;             // SetRedraw(FALSE) holds painting back
  int show_state = 1;             // SW_SHOWNORMAL, SW_SHOWMINIMIZED or SW_SHOWMAXIMIZED
  CRect normal_rect;              // where a maximised or minimised window goes back to
  bool caption_active = false;    // a child's own caption shows it as the active one
  ScrollBarState scroll_bars[2];  // SB_HORZ, SB_VERT
  void* menu = nullptr;           // HMENU of a frame's menu bar
  void* font = nullptr;           // HFONT set with WM_SETFONT
  HWND owner = nullptr;
  std::unique_ptr<TreeItemData> tree;  // tree controls
  std::unique_ptr<BackendPeer> peer;

  // The window rectangle and client area in screen coordinates.
  CRect ScreenWindowRect() const;
  CRect ScreenClientRect() const;
  WindowRecord* TopLevel();

  WindowRecord* parent = nullptr;
  std::vector<std::unique_ptr<WindowRecord>> children;
  CWnd* attached = nullptr;         // the permanent object, if any
  std::unique_ptr<CWnd> temporary;  // made on demand for FromHandle
};

// The root of every top-level window that CWnd::CreateEx made.
WindowRecord& Desktop();

HWND HandleOf(WindowRecord* record);
// Null for a null handle or one whose window is gone.
WindowRecord* RecordOf(HWND handle);

WindowRecord* FocusedRecord();
// Moves the focus, sending the kill-focus and set-focus notices.
void SetFocusRecord(WindowRecord* record);

// Sends a control notification (WM_COMMAND) to the control's parent.
void NotifyParent(WindowRecord& control, UINT code);
// Sends WM_NOTIFY to the control's parent; hwndFrom, idFrom and code are filled.
LRESULT NotifyParent(WindowRecord& control, NMHDR& header, UINT code);

}  // namespace afx
