// The native tree that stands for a dialog's tree control: it shows the items
// the dialog lists and hands expanding, selecting and double clicks back to
// the dialog, whose control decides; the native tree then mirrors the result.
#pragma once

#include <wx/treectrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/ui_driver.h"

namespace gui {

class DialogTree : public wxTreeCtrl {
 public:
  // Runs an action on the dialog, then shows the dialog as it is now.
  using Runner = std::function<void(std::function<std::string()>)>;

  DialogTree(wxWindow* parent, int id, ui::ModalSurface& surface, Runner run);

  // Makes the native items those of the listing, keeping those that stay.
  void Mirror(const std::vector<ui::TreeNode>& nodes);
  // The native item that shows the item of that path of texts from the top; invalid when none.
  wxTreeItemId FindPath(const std::vector<std::string>& texts) const;

 private:
  void MirrorChildren(const wxTreeItemId& parent, const std::vector<ui::TreeNode>& nodes);
  void MirrorState(const wxTreeItemId& item, const ui::TreeNode& node);
  const ui::TreeNode* SelectedIn(const std::vector<ui::TreeNode>& nodes, wxTreeItemId parent, wxTreeItemId* shown);
  std::uintptr_t ItemOf(const wxTreeItemId& native) const;
  // The toolkit is inside its own handling: the dialog hears of it once that is done.
  void Later(std::function<std::string()> action);

  int id_;
  ui::ModalSurface& surface_;
  Runner run_;
  bool mirroring_ = false;
};

}  // namespace gui
