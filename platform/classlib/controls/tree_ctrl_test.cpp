#include "platform/classlib/controls/tree_ctrl.h"

#include <gtest/gtest.h>

#include "platform/classlib/backend/headless_test_support.h"

namespace {

using afx_test::Headless;

// The parent of a tree: writes down the notifications, may refuse expansion.
class TreeParent : public CWnd {
 public:
  std::vector<std::string> log;
  bool refuse_expand = false;

 protected:
  afx_msg void OnExpanding(NMHDR* header, LRESULT* result) {
    auto* notice = reinterpret_cast<NMTREEVIEW*>(header);
    log.push_back("expanding " + std::to_string(notice->action) + " " + std::to_string(notice->itemNew.lParam));
    *result = refuse_expand ? 1 : 0;
  }
  afx_msg void OnExpanded(NMHDR*, LRESULT*) { log.push_back("expanded"); }
  afx_msg void OnSelected(NMHDR* header, LRESULT*) {
    auto* notice = reinterpret_cast<NMTREEVIEW*>(header);
    log.push_back("selected " + std::to_string(notice->itemNew.lParam) + " by " + std::to_string(notice->action));
  }
  afx_msg void OnDoubleClick(NMHDR*, LRESULT*) { log.push_back("double"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TreeParent, CWnd)
ON_NOTIFY(TVN_ITEMEXPANDING, 1047, &TreeParent::OnExpanding)
ON_NOTIFY(TVN_ITEMEXPANDED, 1047, &TreeParent::OnExpanded)
ON_NOTIFY(TVN_SELCHANGED, 1047, &TreeParent::OnSelected)
ON_NOTIFY(NM_DBLCLK, 1047, &TreeParent::OnDoubleClick)
END_MESSAGE_MAP()

// A tree that fills its children when expanded, as a folder tree does, through the reflected notice.
class LazyTree : public CTreeCtrl {
 public:
  int fills = 0;

 protected:
  afx_msg void OnItemExpanded(NMHDR* header, LRESULT*) {
    auto* notice = reinterpret_cast<NMTREEVIEW*>(header);
    HTREEITEM item = notice->itemNew.hItem;
    if (notice->action != TVE_EXPAND) return;
    ++fills;
    for (HTREEITEM child = GetChildItem(item); child != nullptr; child = GetChildItem(item)) DeleteItem(child);
    InsertItem("filled", item);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LazyTree, CTreeCtrl)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDED, &LazyTree::OnItemExpanded)
END_MESSAGE_MAP()

class TreeTest : public afx_test::WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent_.CreateEx(0, nullptr, "pane", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    ASSERT_TRUE(tree_.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 300, 200), &parent_, 1047));
  }
  HTREEITEM Add(const char* text, HTREEITEM parent, LPARAM data) {
    HTREEITEM item = tree_.InsertItem(text, parent);
    tree_.SetItemData(item, static_cast<DWORD_PTR>(data));
    return item;
  }

  TreeParent parent_;
  LazyTree tree_;
};

TEST_F(TreeTest, ItemsKeepTheirOrderAndSortedInsertsFindTheirPlace) {
  HTREEITEM drive = Add("C:", TVI_ROOT, 1);
  Add("b", drive, 2);
  Add("a", drive, 3);
  tree_.InsertItem("B2", drive, TVI_SORT);
  HTREEITEM first = tree_.GetChildItem(drive);
  EXPECT_EQ(tree_.GetItemText(first), "b");
  EXPECT_EQ(tree_.GetItemText(tree_.GetNextSiblingItem(first)), "a");
  tree_.SortChildren(drive);
  first = tree_.GetChildItem(drive);
  EXPECT_EQ(tree_.GetItemText(first), "a");
  EXPECT_EQ(tree_.GetParentItem(first), drive);
  EXPECT_EQ(tree_.GetCount(), 4u);
}

TEST_F(TreeTest, ExpandingAsksTheParentReflectsToTheControlAndMayBeRefused) {
  HTREEITEM drive = Add("C:", TVI_ROOT, 1);
  Add("placeholder", drive, 2);
  ASSERT_TRUE(tree_.Expand(drive, TVE_EXPAND));
  EXPECT_EQ(tree_.fills, 1);
  EXPECT_EQ(tree_.GetItemText(tree_.GetChildItem(drive)), "filled");
  EXPECT_NE(tree_.GetItemState(drive, TVIS_EXPANDED), 0u);
  EXPECT_EQ(parent_.log, (std::vector<std::string>{"expanding 2 1"}));  // the reflected notice stays with the tree

  tree_.Expand(drive, TVE_COLLAPSE | TVE_COLLAPSERESET);
  EXPECT_EQ(tree_.GetChildItem(drive), nullptr);
  parent_.refuse_expand = true;
  Add("again", drive, 3);
  EXPECT_FALSE(tree_.Expand(drive, TVE_EXPAND));
  EXPECT_EQ(tree_.GetItemState(drive, TVIS_EXPANDED), 0u);
}

TEST_F(TreeTest, ClicksSelectAndDoubleClicksToggleAndDeletedItemsAreNoLongerNamed) {
  HTREEITEM drive = Add("C:", TVI_ROOT, 1);
  Add("nc", drive, 2);
  tree_.Expand(drive, TVE_EXPAND);  // the tree fills the folder anew
  HTREEITEM folder = tree_.GetChildItem(drive);
  tree_.SetItemData(folder, 5);
  tree_.SetFocus();
  parent_.log.clear();
  // Row 1 is the folder, indented one level.
  Headless().Click(60, 20);
  EXPECT_EQ(tree_.GetSelectedItem(), folder);
  EXPECT_EQ(parent_.log, (std::vector<std::string>{"selected 5 by 1"}));
  Headless().Key({VK_UP, false, false, false});
  EXPECT_EQ(tree_.GetSelectedItem(), drive);
  Headless().DoubleClick(40, 4);
  // The tree's own reflected handler takes the expanded notice; the parent heard the question.
  EXPECT_EQ(parent_.log.back(), "expanding 1 1");
  EXPECT_EQ(tree_.GetItemState(drive, TVIS_EXPANDED), 0u);

  tree_.DeleteItem(drive);
  EXPECT_EQ(tree_.GetSelectedItem(), nullptr);
  EXPECT_EQ(tree_.GetItemText(folder), "");  // a gone item is refused, not read
  EXPECT_FALSE(tree_.SetItemText(folder, "x"));
  EXPECT_EQ(tree_.GetCount(), 0u);
}

TEST_F(TreeTest, ATreeLongerThanItsWindowScrollsByBarWheelAndKeysAndKeepsTheSelectionInView) {
  // 200 pixels show 12 rows of 16; the folder holds 40.
  HTREEITEM drive = Add("C:", TVI_ROOT, 1);
  std::vector<HTREEITEM> files;
  for (int i = 0; i < 40; ++i) files.push_back(tree_.InsertItem(("f" + std::to_string(i)).c_str(), drive));
  tree_.SetItemState(drive, TVIS_EXPANDED, TVIS_EXPANDED);
  tree_.UpdateWindow();
  SCROLLINFO bar;
  ASSERT_TRUE(tree_.GetScrollInfo(SB_VERT, &bar, SIF_ALL));
  EXPECT_EQ(bar.nMax, 40);  // the drive and its 40 files
  EXPECT_EQ(bar.nPos, 0);
  const int page = static_cast<int>(bar.nPage);
  EXPECT_EQ(page, 12);

  // Selecting an item out of view brings it to the bottom row; clicks and painting follow.
  tree_.SelectItem(files[30]);
  ASSERT_TRUE(tree_.GetScrollInfo(SB_VERT, &bar, SIF_POS));
  EXPECT_EQ(bar.nPos, 31 - page + 1);
  CRect row;
  ASSERT_TRUE(tree_.GetItemRect(files[30], &row, FALSE));
  EXPECT_EQ(row.top, (page - 1) * tree_.GetItemHeight());
  EXPECT_EQ(tree_.HitTest(CPoint(60, row.top + 2)), files[30]);
  tree_.UpdateWindow();
  const std::vector<afx::ScreenRow> rows = Headless().CanvasOf(tree_.m_hWnd)->Compose(CSize(8, 16));
  EXPECT_NE(rows[static_cast<size_t>(page - 1)].text.find("f30"), std::string::npos);

  // The wheel and the bar scroll without moving the selection; the keys move it and the view follows.
  tree_.SetFocus();
  Headless().Wheel(WHEEL_DELTA);
  ASSERT_TRUE(tree_.GetScrollInfo(SB_VERT, &bar, SIF_POS));
  EXPECT_EQ(bar.nPos, 31 - page + 1 - 3);
  tree_.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0));
  ASSERT_TRUE(tree_.GetScrollInfo(SB_VERT, &bar, SIF_POS));
  EXPECT_EQ(bar.nPos, 41 - page);
  EXPECT_EQ(tree_.GetSelectedItem(), files[30]);
  Headless().Key({VK_HOME, false, false, false});
  EXPECT_EQ(tree_.GetSelectedItem(), drive);
  ASSERT_TRUE(tree_.GetScrollInfo(SB_VERT, &bar, SIF_POS));
  EXPECT_EQ(bar.nPos, 0);
  Headless().Key({VK_NEXT, false, false, false});
  Headless().Key({VK_NEXT, false, false, false});
  EXPECT_EQ(tree_.GetSelectedItem(), files[static_cast<size_t>(2 * (page - 1) - 1)]);
  ASSERT_TRUE(tree_.GetItemRect(tree_.GetSelectedItem(), &row, FALSE));
  CRect client;
  tree_.GetClientRect(&client);
  EXPECT_LE(row.bottom, client.bottom);

  // Collapsed, the tree fits again: back to the top, no bar.
  tree_.Expand(drive, TVE_COLLAPSE);
  tree_.UpdateWindow();
  ASSERT_TRUE(tree_.GetScrollInfo(SB_VERT, &bar, SIF_POS));
  EXPECT_EQ(bar.nPos, 0);
}

TEST_F(TreeTest, ImageListsAreSharedNotOwnedWhenAttached) {
  CImageList system;
  ASSERT_TRUE(system.Attach(afx::SystemSmallImageList()));
  EXPECT_EQ(system.GetImageCount(), 4);
  tree_.SetImageList(&system, TVSIL_NORMAL);
  EXPECT_EQ(tree_.GetImageList(TVSIL_NORMAL)->m_hImageList, afx::SystemSmallImageList());
  system.DeleteImageList();
  CImageList again;
  EXPECT_TRUE(again.Attach(afx::SystemSmallImageList()));  // still there
  CImageList own;
  ASSERT_TRUE(own.Create(16, 16, ILC_COLOR32, 0, 4));
  EXPECT_EQ(own.Add(static_cast<HICON>(nullptr)), 0);
  EXPECT_EQ(own.GetImageCount(), 1);
}

}  // namespace
