// The window system's side of a window, kept headless: what a real window
// would hold (id, style, text, state, children, list contents) and the focus.
// CWnd objects and their derived control classes look at a record through
// their m_hWnd, as the class library's objects look at real windows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/classlib/window_messages.h"
#include "platform/wintypes/windows_types.h"

class CWnd;

namespace afx {

enum class WindowKind { kWindow, kDialog, kEdit, kButton, kComboBox, kListBox, kListCtrl, kStatic };

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

  WindowRecord* parent = nullptr;
  std::vector<std::unique_ptr<WindowRecord>> children;
  CWnd* attached = nullptr;         // the permanent object, if any
  std::unique_ptr<CWnd> temporary;  // made on demand for FromHandle
};

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
