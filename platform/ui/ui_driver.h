// The seam between the programs and whoever answers them: a person at a
// terminal, a script, or (in platform/gui) real windows. Everything that waits
// for an answer goes through the current UiDriver.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/user_input.h"
#include "platform/wintypes/windows_types.h"

namespace ui {

// One item of a tree control as a driver shows it; only expanded items list
// their children, so that a tree read on demand is read no further.
struct TreeNode {
  std::uintptr_t item = 0;  // names the item in the surface's tree actions while it lives
  std::string text;
  bool has_children = false;
  bool expanded = false;
  bool selected = false;
  std::vector<TreeNode> children;
};

// One control of a modal dialog, as a driver shows it.
struct ControlInfo {
  int id = 0;
  std::string label;
  std::string kind;   // "edit", "button", "check", "radio", "combo", "list", "listctrl", "static", ...
  std::string value;  // text, check state ("0"/"1"), or the selected entry
  bool enabled = true;
  bool visible = true;
  bool read_only = false;
  std::vector<std::string> items;  // entries of lists and combo boxes
  bool focused = false;            // has the keyboard focus
  std::vector<TreeNode> tree;      // the top items of a tree control
};

// What an open modal dialog offers to the driver that runs it. The actions
// return an empty string on success, otherwise why they were refused.
class ModalSurface {
 public:
  virtual ~ModalSurface() = default;
  virtual std::string Caption() const = 0;
  virtual std::vector<ControlInfo> Controls() const = 0;
  virtual bool IsClosed() const = 0;
  virtual std::string SetText(int id, const std::string& text) = 0;
  virtual std::string Click(int id) = 0;
  virtual std::string SetCheck(int id, bool checked) = 0;
  virtual std::string SelectIndex(int id, int index) = 0;
  virtual std::string SelectText(int id, const std::string& text) = 0;
  virtual std::string DoubleClick(int id, int index) = 0;
  // A click on one cell of a report list: the row is selected and the click
  // names the column.
  virtual std::string SelectCell(int id, int /*row*/, int /*column*/) {
    return "control " + std::to_string(id) + " has no columns";
  }
  // Trees: the item is a TreeNode::item of the control's last listing.
  // Expanding asks the control, which may fill the item's children first.
  virtual std::string ExpandTreeItem(int id, std::uintptr_t /*item*/, bool /*expand*/) { return NoTree(id); }
  virtual std::string SelectTreeItem(int id, std::uintptr_t /*item*/) { return NoTree(id); }
  virtual std::string DoubleClickTreeItem(int id, std::uintptr_t /*item*/) { return NoTree(id); }
  // Ok runs the dialog's OK handler (which may keep it open); Cancel its cancel handler.
  virtual void Ok() = 0;
  virtual void Cancel() = 0;

 private:
  static std::string NoTree(int id) { return "control " + std::to_string(id) + " has no tree"; }
};

struct FileDialogRequest {
  bool open = true;  // open or save
  std::string title;
  std::string initial_folder;
  std::string file_name;  // proposed name
  std::string default_ext;
  std::string filter;  // "NC files (*.nc)|*.nc|All files (*.*)|*.*||"
};

enum class InputStatus { kLine, kCancelled, kEndOfInput };

struct InputLine {
  InputStatus status = InputStatus::kEndOfInput;
  std::string text;
};

class UiDriver {
 public:
  virtual ~UiDriver() = default;

  // Shows a message box; returns IDOK, IDCANCEL, IDYES, ... (windows_types.h).
  virtual int MessageBox(const std::string& text, const std::string& caption, UINT type) = 0;

  // Drives an open dialog until it is closed (or the input ends, which cancels it).
  virtual void RunModal(ModalSurface& dialog) = 0;

  // Asks for a file; nullopt when cancelled.
  virtual std::optional<std::string> AskFile(const FileDialogRequest& request) = 0;

  // Shows a prompt and reads one answer line (a CAD editor prompt or similar).
  virtual InputLine ReadLine(const std::string& prompt) = 0;

  // Writes to the transcript (prompt-line messages and the like).
  virtual void Print(const std::string& text) = 0;

  // Key polling: true while the key (a VK_ code) counts as pressed.
  virtual bool IsKeyDown(int virtual_key) = 0;
  // True when every IsKeyDown that answers true is a press of its own (a key
  // line of a script or a terminal); false when a key held down keeps
  // answering true.
  virtual bool KeysArePresses() const { return false; }
  // False when polling cannot bring a key while nothing else reads input: a
  // script whose next line is no key line, a terminal at its end.
  virtual bool KeysCanCome() { return true; }
  // Lets the time pass; a script does not wait for real time.
  virtual void Pause(unsigned milliseconds);

  // What a person does next with the windows of a windowed program run from
  // a script; nullopt when the input has ended (or failed).
  virtual std::optional<UserInput> NextUserInput() { return std::nullopt; }
  // A popup menu is open: the command the next line chooses (a `menu ID`
  // line, taken), else nothing is taken and the menu is dismissed.
  virtual std::optional<int> TakeMenuChoice() { return std::nullopt; }

  // A script answered with the wrong kind of line: report it with the line
  // number and remember that the run failed.
  virtual void Fail(const std::string& why) = 0;
  virtual bool Failed() const = 0;

  // True once a prompt, dialog or file dialog found no more input to answer it.
  virtual bool InputEnded() const { return false; }
};

// The driver in force; a console driver on standard input and output until set.
UiDriver& Ui();

// Sets the driver in force for the guard's lifetime (not owned).
class ScopedUiDriver {
 public:
  explicit ScopedUiDriver(UiDriver& driver);
  ~ScopedUiDriver();
  ScopedUiDriver(const ScopedUiDriver&) = delete;
  ScopedUiDriver& operator=(const ScopedUiDriver&) = delete;

 private:
  UiDriver* previous_;
};

}  // namespace ui
