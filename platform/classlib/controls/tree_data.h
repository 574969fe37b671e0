// The items of a tree control, kept with its window.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/wintypes/windows_types.h"

namespace afx {

struct TreeItem {
  std::string text;
  int image = 0;
  int selected_image = 0;
  UINT state = 0;  // TVIS_ bits
  LPARAM data = 0;
  int children_flag = 0;  // I_CHILDRENCALLBACK-like hint: 1 when it says it has children
  TreeItem* parent = nullptr;
  std::vector<std::unique_ptr<TreeItem>> children;
};

struct TreeItemData {
  TreeItem root;  // the invisible parent of the top items
  TreeItem* selected = nullptr;
  void* image_list = nullptr;  // HIMAGELIST, not owned
  std::set<TreeItem*> live;    // the items that handles may name
  int top_row = 0;             // the first row shown, counted in rows of the expanded tree
};

}  // namespace afx
