// What the UI driver sees of an open CDialog: its controls, and the user's
// actions on them, each done as a person would do it (focus moves to the
// control, the control changes, its notifications reach the message map).
// Actions on missing, hidden, disabled or read-only controls are refused.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/ui_driver.h"

class CDialog;
class CTreeCtrl;

namespace afx {

class WindowRecord;

class DialogSurface : public ui::ModalSurface {
 public:
  explicit DialogSurface(CDialog& dialog) : dialog_(dialog) {}

  std::string Caption() const override;
  std::vector<ui::ControlInfo> Controls() const override;
  bool IsClosed() const override;
  std::string SetText(int id, const std::string& text) override;
  std::string Click(int id) override;
  std::string SetCheck(int id, bool checked) override;
  std::string SelectIndex(int id, int index) override;
  std::string SelectText(int id, const std::string& text) override;
  std::string DoubleClick(int id, int index) override;
  std::string SelectCell(int id, int row, int column) override;
  std::string ExpandTreeItem(int id, std::uintptr_t item, bool expand) override;
  std::string SelectTreeItem(int id, std::uintptr_t item) override;
  std::string DoubleClickTreeItem(int id, std::uintptr_t item) override;
  void Ok() override;
  void Cancel() override;

 private:
  WindowRecord* Dialog() const;
  // The control a person could act on, or null with the reason in *why.
  WindowRecord* Usable(int id, std::string* why) const;
  // Focuses the control; null when a focus handler took it away.
  WindowRecord* FocusOn(int id);
  std::string ChooseEntry(int id, int index, bool double_click);
  // Trees: the item of that text among the selected item's children (expanded
  // first), then its siblings, then the roots.
  std::string SelectTreeText(WindowRecord& control, const std::string& text);
  // The tree control of that id with the item still alive, focused; null with the reason in *why.
  CTreeCtrl* FocusOnTreeItem(int id, std::uintptr_t item, std::string* why);

  CDialog& dialog_;
};

}  // namespace afx
