// Theme icons where bitmap resources are missing: the tree's small file
// icons and the tool bar's buttons, drawn through the backend's painter.
#include "platform/classlib/gdi/theme_icons.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classlib/backend/headless_test_support.h"
#include "platform/classlib/controls/image_list.h"
#include "platform/classlib/controls/tree_ctrl.h"
#include "platform/classlib/docview/bars.h"
#include "platform/classlib/docview/frame_wnd.h"
#include "platform/classlib/gdi/dc.h"

namespace {

struct PaintedIcon {
  CRect rect;
  std::string name;
};

std::vector<PaintedIcon>& Painted() {
  static std::vector<PaintedIcon> painted;
  return painted;
}

// A theme that has every icon except "missing".
bool RecordIcon(afx::Surface&, const RECT& rect, std::string_view name) {
  if (name == std::string_view("missing")) return false;
  Painted().push_back({CRect(rect), std::string(name)});
  return true;
}

std::vector<std::string> PaintedNames() {
  std::vector<std::string> names;
  for (const PaintedIcon& icon : Painted()) names.push_back(icon.name);
  return names;
}

class ThemeIconTest : public afx_test::WindowTest {
 protected:
  ThemeIconTest() {
    Painted().clear();
    afx::SetThemeIconPainter(&RecordIcon);
  }
  ~ThemeIconTest() override { afx::SetThemeIconPainter(nullptr); }
};

TEST_F(ThemeIconTest, AnIconLandsInDevicePixelsOnlyWhereTheBackendHasIt) {
  CWnd window;
  ASSERT_TRUE(window.CreateEx(0, nullptr, "w", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
  CClientDC dc(&window);
  dc.SetViewportOrg(10, 20);
  const CRect rect(0, 0, 16, 16);
  EXPECT_TRUE(dc.DrawThemeIcon(&rect, "folder"));
  ASSERT_EQ(Painted().size(), 1u);
  EXPECT_EQ(Painted()[0].rect, CRect(10, 20, 26, 36));
  EXPECT_FALSE(dc.DrawThemeIcon(&rect, "missing"));
  EXPECT_FALSE(dc.DrawThemeIcon(&rect, ""));

  afx::SetThemeIconPainter(nullptr);
  EXPECT_FALSE(dc.DrawThemeIcon(&rect, "folder")) << "a backend without theme icons draws none";
  EXPECT_EQ(Painted().size(), 1u);
}

TEST_F(ThemeIconTest, TreeItemsShowTheSystemListsIconsAndTheSelectedItemItsOpenOne) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, "pane", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 300, 200), &parent, 1047));
  tree.SetImageList(CImageList::FromHandle(afx::SystemSmallImageList()), TVSIL_NORMAL);
  HTREEITEM drive = tree.InsertItem("/", 0, 0, TVI_ROOT);
  HTREEITEM folder = tree.InsertItem("ncdata", 1, 2, drive);
  tree.InsertItem("part.nc", 3, 3, folder);
  tree.Expand(drive, TVE_EXPAND);
  tree.Expand(folder, TVE_EXPAND);
  tree.SelectItem(folder);
  tree.UpdateWindow();
  EXPECT_EQ(PaintedNames(), (std::vector<std::string>{"drive-harddisk", "folder-open", "text-x-generic"}));
  for (const PaintedIcon& icon : Painted()) {
    EXPECT_EQ(icon.rect.Width(), 16) << icon.name;
    EXPECT_EQ(icon.rect.Height(), 16) << icon.name;
  }
  // Each icon sits left of its item's text.
  CRect text;
  ASSERT_TRUE(tree.GetItemRect(folder, &text, TRUE));
  CPoint at = text.TopLeft();
  tree.ClientToScreen(&at);
  parent.ScreenToClient(&at);
  EXPECT_LE(Painted()[1].rect.right, at.x + 1);
}

TEST_F(ThemeIconTest, ToolBarButtonsShowTheirCommandsIconOrElseItsLabel) {
  afx::SetCommandIcon(0xE103, {"document-save", ""});
  afx::SetCommandIcon(33001, {"missing", "G"});
  afx::SetCommandIcon(33002, {"", "X"});
  auto* frame = new CFrameWnd;  // deletes itself with its window
  ASSERT_TRUE(frame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)));
  CToolBar bar;
  ASSERT_TRUE(bar.Create(frame));
  const UINT buttons[] = {0xE103, ID_SEPARATOR, 33001, 33002, 33003};
  ASSERT_TRUE(bar.SetButtons(buttons, 5));
  frame->RecalcLayout();
  bar.UpdateWindow();
  EXPECT_EQ(PaintedNames(), std::vector<std::string>{"document-save"});
  ASSERT_FALSE(Painted().empty());
  CRect first;
  bar.GetItemRect(0, &first);
  EXPECT_TRUE(first.PtInRect(Painted()[0].rect.CenterPoint())) << "the icon sits in its button";
  std::string shown;
  for (const afx::ScreenRow& row : afx_test::Headless().Screen(bar.m_hWnd)) shown += row.text;
  EXPECT_NE(shown.find('G'), std::string::npos) << shown;
  EXPECT_NE(shown.find('X'), std::string::npos) << shown;
  frame->DestroyWindow();
}

}  // namespace
