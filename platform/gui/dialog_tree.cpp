#include "platform/gui/dialog_tree.h"

#include <utility>

namespace gui {
namespace {

wxString Text(const std::string& text) { return wxString::FromUTF8(text); }

// The dialog's name for the item a native item shows.
class ItemName : public wxTreeItemData {
 public:
  explicit ItemName(std::uintptr_t item) : item_(item) {}
  std::uintptr_t item() const { return item_; }

 private:
  std::uintptr_t item_;
};

}  // namespace

DialogTree::DialogTree(wxWindow* parent, int id, ui::ModalSurface& surface, Runner run)
    : wxTreeCtrl(parent, wxID_ANY, wxDefaultPosition, wxSize(280, 220),
                 wxTR_HAS_BUTTONS | wxTR_HIDE_ROOT | wxTR_LINES_AT_ROOT | wxTR_SINGLE | wxBORDER_SUNKEN),
      id_(id),
      surface_(surface),
      run_(std::move(run)) {
  AddRoot(wxString());
  // The native tree changes only when the dialog's control has: every change is asked of it first.
  // Items without a name are the toolkit's own (its hidden root, which it may select on focus).
  const auto expand = [this](wxTreeEvent& event, bool wanted) {
    if (mirroring_) return;
    event.Veto();
    const std::uintptr_t item = ItemOf(event.GetItem());
    if (item == 0) return;
    Later([this, item, wanted] { return surface_.ExpandTreeItem(id_, item, wanted); });
  };
  Bind(wxEVT_TREE_ITEM_EXPANDING, [expand](wxTreeEvent& event) { expand(event, true); });
  Bind(wxEVT_TREE_ITEM_COLLAPSING, [expand](wxTreeEvent& event) { expand(event, false); });
  Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& event) {
    const std::uintptr_t item = ItemOf(event.GetItem());
    if (mirroring_ || item == 0) return;
    Later([this, item] { return surface_.SelectTreeItem(id_, item); });
  });
  // Taken here, so that the toolkit does not toggle the item itself: the control does.
  Bind(wxEVT_TREE_ITEM_ACTIVATED, [this](wxTreeEvent& event) {
    const std::uintptr_t item = ItemOf(event.GetItem());
    if (mirroring_ || item == 0) return;
    Later([this, item] { return surface_.DoubleClickTreeItem(id_, item); });
  });
}

void DialogTree::Later(std::function<std::string()> action) {
  CallAfter([this, action = std::move(action)] { run_(action); });
}

std::uintptr_t DialogTree::ItemOf(const wxTreeItemId& native) const {
  const auto* name = native.IsOk() ? dynamic_cast<const ItemName*>(GetItemData(native)) : nullptr;
  return name != nullptr ? name->item() : 0;
}

void DialogTree::Mirror(const std::vector<ui::TreeNode>& nodes) {
  mirroring_ = true;
  Freeze();
  MirrorChildren(GetRootItem(), nodes);
  wxTreeItemId selected;
  SelectedIn(nodes, GetRootItem(), &selected);
  if (selected.IsOk()) {
    if (GetSelection() != selected) SelectItem(selected);
  } else if (GetSelection().IsOk()) {
    Unselect();
  }
  Thaw();
  if (selected.IsOk()) EnsureVisible(selected);
  mirroring_ = false;
}

void DialogTree::MirrorChildren(const wxTreeItemId& parent, const std::vector<ui::TreeNode>& nodes) {
  std::vector<wxTreeItemId> shown;
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = GetFirstChild(parent, cookie); child.IsOk(); child = GetNextChild(parent, cookie)) {
    shown.push_back(child);
  }
  bool same = shown.size() == nodes.size();
  for (size_t i = 0; same && i < nodes.size(); ++i) same = ItemOf(shown[i]) == nodes[i].item;
  if (!same) {
    DeleteChildren(parent);
    shown.clear();
    for (const ui::TreeNode& node : nodes)
      shown.push_back(AppendItem(parent, Text(node.text), -1, -1, new ItemName(node.item)));
  }
  for (size_t i = 0; i < nodes.size(); ++i) MirrorState(shown[i], nodes[i]);
}

void DialogTree::MirrorState(const wxTreeItemId& item, const ui::TreeNode& node) {
  if (GetItemText(item) != Text(node.text)) SetItemText(item, Text(node.text));
  SetItemHasChildren(item, node.has_children || !node.children.empty());
  if (node.expanded) {
    MirrorChildren(item, node.children);
    if (!IsExpanded(item)) Expand(item);
  } else {
    if (IsExpanded(item)) Collapse(item);
    // A collapsed item lists no children: the control may read them anew when it opens.
    if (GetChildrenCount(item, false) > 0) DeleteChildren(item);
  }
}

const ui::TreeNode* DialogTree::SelectedIn(const std::vector<ui::TreeNode>& nodes, wxTreeItemId parent,
                                           wxTreeItemId* shown) {
  wxTreeItemIdValue cookie;
  wxTreeItemId child = GetFirstChild(parent, cookie);
  for (const ui::TreeNode& node : nodes) {
    if (!child.IsOk()) break;
    if (node.selected) {
      *shown = child;
      return &node;
    }
    if (const ui::TreeNode* found = SelectedIn(node.children, child, shown)) return found;
    child = GetNextChild(parent, cookie);
  }
  return nullptr;
}

wxTreeItemId DialogTree::FindPath(const std::vector<std::string>& texts) const {
  wxTreeItemId at = GetRootItem();
  for (const std::string& text : texts) {
    wxTreeItemIdValue cookie;
    wxTreeItemId child = GetFirstChild(at, cookie);
    while (child.IsOk() && GetItemText(child) != Text(text)) child = GetNextChild(at, cookie);
    if (!child.IsOk()) return {};
    at = child;
  }
  return at;
}

}  // namespace gui
