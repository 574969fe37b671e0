// Controls of an open dialog acted on as a person would, through the
// surface the UI drivers see, and read back by the program's calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classlib/afxwin.h"
#include "platform/classlib/controls/tree_ctrl.h"
#include "platform/classlib/dialogs/dialog_surface.h"

namespace {

constexpr UINT kTemplate = 902;

const DialogTemplateRegistration kControlsTemplate(
    kTemplate, {"Controls",
                {
                    res::EditText(322, "번호"),
                    res::EditText(323, "장보정", ES_READONLY),
                    res::EditText(324, "count", ES_NUMBER),
                    res::RadioButton(4006, "ON"),
                    res::RadioButton(4007, "Left"),
                    res::RadioButton(386, "Single", WS_GROUP),
                    res::RadioButton(387, "Chain"),
                    res::CheckBox(325, "공구 장보정"),
                    res::ComboBox(258, "가공방법", CBS_DROPDOWNLIST, {"라운드 윤곽", "윤곽", "양방향 직선"}),
                    res::ListBox(313, "toolpaths", 0, {"Pocket", "Profile", "Drill"}),
                    res::ListBox(316, "chosen"),
                    res::ListView(500, "rows", LVS_SINGLESEL),
                    res::Hidden(res::PushButton(600, "hidden")),
                    res::BitmapButton(271, "F20.0-0.0-50.0"),
                    res::DefPushButton(IDOK, "OK"),
                    res::PushButton(IDCANCEL, "Cancel"),
                }});

class CControlsDlg : public CDialog {
 public:
  CControlsDlg() : CDialog(kTemplate) {}
  std::vector<std::string> log;
  CListBox m_chosen;
  CBitmapButton m_tool;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 316, m_chosen); }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_tool.LoadBitmaps(226, 227);
    m_tool.AutoLoad(271, this);
    auto* rows = static_cast<CListCtrl*>(GetDlgItem(500));
    rows->InsertColumn(0, "Name");
    rows->InsertColumn(1, "Kind");
    rows->SetItemText(rows->InsertItem(0, "Pocket 1"), 1, "pocket");
    rows->SetItemText(rows->InsertItem(1, "Profile 1"), 1, "profile");
    return TRUE;
  }
  void OnToolNumberChanged() {
    CString text;
    GetDlgItemText(322, text);
    if (!IsDlgButtonChecked(325)) SetDlgItemText(323, text);
    log.push_back("322 changed to " + text.str());
  }
  void OnToolNumberLeft() { log.push_back("322 lost focus"); }
  void OnLengthOffset() { static_cast<CEdit*>(GetDlgItem(323))->SetReadOnly(!IsDlgButtonChecked(325)); }
  void OnChoose() {
    auto* from = static_cast<CListBox*>(GetDlgItem(313));
    CString name;
    from->GetText(from->GetCurSel(), name);
    m_chosen.AddString(name);
  }
  void OnPattern() {
    log.push_back("pattern " + std::to_string(static_cast<CComboBox*>(GetDlgItem(258))->GetCurSel()));
  }
  void OnSide(UINT id) { log.push_back("side " + std::to_string(id)); }
  void OnRowClick(NMHDR* header, LRESULT*) {
    const auto* click = reinterpret_cast<NMITEMACTIVATE*>(header);
    log.push_back("click row " + std::to_string(click->iItem) +
                  (click->iSubItem != 0 ? " column " + std::to_string(click->iSubItem) : std::string()));
  }
  void OnRowDblclk(NMHDR* header, LRESULT*) {
    log.push_back("open row " + std::to_string(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem));
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlsDlg, CDialog)
ON_EN_CHANGE(322, &CControlsDlg::OnToolNumberChanged)
ON_EN_KILLFOCUS(322, &CControlsDlg::OnToolNumberLeft)
ON_BN_CLICKED(325, &CControlsDlg::OnLengthOffset)
ON_LBN_DBLCLK(313, &CControlsDlg::OnChoose)
ON_CBN_SELCHANGE(258, &CControlsDlg::OnPattern)
ON_CONTROL_RANGE(BN_CLICKED, 4006, 4007, &CControlsDlg::OnSide)
ON_NOTIFY(NM_CLICK, 500, &CControlsDlg::OnRowClick)
ON_NOTIFY(NM_DBLCLK, 500, &CControlsDlg::OnRowDblclk)
END_MESSAGE_MAP()

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() { dlg.Create(kTemplate); }
  ~ControlsTest() override { dlg.DestroyWindow(); }

  CControlsDlg dlg;
  afx::DialogSurface surface{dlg};
};

TEST_F(ControlsTest, TypingFiresChangeAndFocusNotices) {
  EXPECT_EQ(surface.SetText(322, "7"), "");
  EXPECT_TRUE(static_cast<CEdit*>(dlg.GetDlgItem(322))->GetModify());
  dlg.SetDlgItemText(322, "8");  // the program's text changes notify as well
  EXPECT_EQ(surface.Click(325), "");
  EXPECT_EQ(dlg.log, (std::vector<std::string>{"322 changed to 7", "322 changed to 8", "322 lost focus"}));
  CString copied;
  EXPECT_EQ((dlg.GetDlgItemText(323, copied), copied), "8");
  EXPECT_FALSE(dlg.GetDlgItem(323)->GetStyle() & ES_READONLY);
  EXPECT_FALSE(static_cast<CEdit*>(dlg.GetDlgItem(322))->GetModify());  // the program's text is no edit
}

TEST_F(ControlsTest, RefusesWhatAPersonCouldNotDo) {
  EXPECT_EQ(surface.SetText(323, "1"), "control 323 \"장보정\" is read-only");
  EXPECT_EQ(surface.SetText(324, "12a"), "control 324 \"count\" takes digits only");
  EXPECT_EQ(surface.Click(600), "control 600 \"hidden\" is hidden");
  dlg.GetDlgItem(325)->EnableWindow(FALSE);
  EXPECT_EQ(surface.SetCheck(325, true), "control 325 \"공구 장보정\" is disabled");
  EXPECT_EQ(surface.SetText(258, "없음"), "control 258 \"가공방법\" is a drop-down list without an entry \"없음\"");
  EXPECT_EQ(surface.SelectIndex(313, 3), "control 313 \"toolpaths\" has entries 0 to 2");
  EXPECT_EQ(surface.SetCheck(386, false),
            "control 386 \"Single\" is a radio button: choose another one of its group instead");
  EXPECT_EQ(surface.Click(313), "control 313 \"toolpaths\" (list) takes select or dblclick");
  EXPECT_EQ(surface.SetText(999, "x"), "the dialog has no control 999");
  EXPECT_TRUE(dlg.log.empty());
}

TEST_F(ControlsTest, RadioGroupsCheckThemselvesOnlyWithinTheirGroup) {
  dlg.CheckRadioButton(386, 387, 386);
  EXPECT_EQ(surface.Click(4007), "");
  EXPECT_EQ(surface.SetCheck(4006, true), "");
  EXPECT_EQ(surface.SetCheck(4006, true), "");  // already checked: no click
  EXPECT_EQ(dlg.GetCheckedRadioButton(4006, 4007), 4006);
  EXPECT_EQ(dlg.GetCheckedRadioButton(386, 387), 386);
  // The first field had the focus when the dialog opened.
  EXPECT_EQ(dlg.log, (std::vector<std::string>{"322 lost focus", "side 4007", "side 4006"}));
  EXPECT_EQ(surface.SetCheck(325, true), "");
  EXPECT_EQ(surface.SetCheck(325, true), "");
  EXPECT_EQ(dlg.IsDlgButtonChecked(325), 1u);
}

TEST_F(ControlsTest, ListsAndCombosNotifyTheirOwner) {
  EXPECT_EQ(surface.SelectText(258, "윤곽"), "");
  EXPECT_EQ(surface.DoubleClick(313, 2), "");
  EXPECT_EQ(surface.DoubleClick(313, 0), "");
  EXPECT_EQ(surface.DoubleClick(500, 1), "");
  EXPECT_EQ(dlg.log, (std::vector<std::string>{"322 lost focus", "pattern 1", "click row 1", "open row 1"}));
  ASSERT_EQ(dlg.m_chosen.GetCount(), 2);
  CString name;
  dlg.m_chosen.GetText(1, name);
  EXPECT_EQ(name, "Pocket");
  auto* rows = static_cast<CListCtrl*>(dlg.GetDlgItem(500));
  EXPECT_EQ(rows->GetNextItem(-1, LVNI_SELECTED), 1);
  EXPECT_EQ(rows->GetItemText(1, 1), "profile");
  rows->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);  // single selection: row 1 lets go
  EXPECT_EQ(rows->GetSelectedCount(), 1u);
  POSITION pos = rows->GetFirstSelectedItemPosition();
  EXPECT_EQ(rows->GetNextSelectedItem(pos), 0);
  EXPECT_EQ(pos, nullptr);
}

TEST_F(ControlsTest, ACellClickSelectsTheRowAndNamesTheColumn) {
  EXPECT_EQ(surface.SelectCell(500, 1, 1), "");
  auto* rows = static_cast<CListCtrl*>(dlg.GetDlgItem(500));
  EXPECT_EQ(rows->GetNextItem(-1, LVNI_SELECTED), 1);
  EXPECT_EQ(surface.SelectCell(500, 2, 0), "control 500 \"rows\" has rows 0 to 1");
  EXPECT_EQ(surface.SelectCell(500, 0, 2), "control 500 \"rows\" has columns 0 to 1");
  EXPECT_EQ(surface.SelectCell(313, 0, 0), "control 313 \"toolpaths\" (list) has no columns");
  EXPECT_EQ(dlg.log, (std::vector<std::string>{"322 lost focus", "click row 1 column 1"}));
}

TEST_F(ControlsTest, ControlsShowTheirStateToTheDriver) {
  dlg.GetDlgItem(323)->ShowWindow(SW_HIDE);
  const std::vector<ui::ControlInfo> controls = surface.Controls();
  ASSERT_EQ(controls.size(), 16u);
  EXPECT_EQ(controls[0].kind, "edit");
  EXPECT_TRUE(controls[0].focused);
  EXPECT_TRUE(controls[1].read_only);
  EXPECT_FALSE(controls[1].visible);
  EXPECT_EQ(controls[8].kind, "combo");
  EXPECT_EQ(controls[8].value, "");  // nothing chosen yet
  EXPECT_EQ(controls[8].items.size(), 3u);
  EXPECT_EQ(controls[11].items, (std::vector<std::string>{"Pocket 1 | pocket", "Profile 1 | profile"}));
  EXPECT_EQ(controls[13].label, "F20.0-0.0-50.0");
  dlg.SetDlgItemText(271, "B10.0-5.0-40.0");
  EXPECT_EQ(surface.Controls()[13].label, "B10.0-5.0-40.0");  // a button is known by what it shows
}

TEST_F(ControlsTest, ObjectsFollowTheirWindows) {
  EXPECT_TRUE(dlg.GetDlgItem(258)->IsKindOf(RUNTIME_CLASS(CComboBox)));
  EXPECT_TRUE(dlg.GetDlgItem(500)->IsKindOf(RUNTIME_CLASS(CListCtrl)));
  EXPECT_EQ(dlg.GetDlgItem(316), &dlg.m_chosen);
  EXPECT_EQ(dlg.GetDlgItem(271), &dlg.m_tool);
  EXPECT_EQ(dlg.m_tool.GetBitmapIds(), (std::vector<UINT>{226, 227, 0, 0}));
  EXPECT_EQ(dlg.GetDlgItem(12345), nullptr);
  dlg.SetDlgItemText(12345, "ignored");
  BOOL translated = TRUE;
  EXPECT_EQ(dlg.GetDlgItemInt(324, &translated), 0u);
  EXPECT_FALSE(translated);
  dlg.SetDlgItemInt(324, static_cast<UINT>(-5));
  EXPECT_EQ(static_cast<int>(dlg.GetDlgItemInt(324, &translated)), -5);
  EXPECT_TRUE(translated);
  dlg.DestroyWindow();
  EXPECT_EQ(dlg.m_chosen.m_hWnd, nullptr);
  EXPECT_EQ(dlg.m_tool.m_hWnd, nullptr);
  EXPECT_EQ(dlg.GetDlgItem(258), nullptr);
}

TEST(ComboAndListBoxes, EntriesSortFindAndSelectAsTheWindowSystemDoes) {
  CDialog dlg(kTemplate);
  ASSERT_TRUE(dlg.Create(kTemplate));
  CComboBox combo;
  ASSERT_TRUE(combo.Create(CBS_DROPDOWN | CBS_SORT | WS_VISIBLE, CRect(0, 0, 10, 10), &dlg, 700));
  combo.AddString("beta");
  combo.AddString("Alpha");
  EXPECT_EQ(combo.AddString("gamma"), 2);
  EXPECT_EQ(combo.FindString(-1, "B"), 1);
  EXPECT_EQ(combo.FindString(1, "a"), 0);  // wraps round after the start
  EXPECT_EQ(combo.FindStringExact(-1, "ALPHA"), 0);
  EXPECT_EQ(combo.FindStringExact(-1, "alp"), CB_ERR);
  EXPECT_EQ(combo.SelectString(-1, "g"), 2);
  CString text;
  combo.GetWindowText(text);
  EXPECT_EQ(text, "gamma");
  EXPECT_EQ(combo.DeleteString(0), 2);
  EXPECT_EQ(combo.GetCurSel(), 1);
  EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
  EXPECT_EQ(combo.GetCurSel(), CB_ERR);
  combo.SetItemData(0, 42);
  EXPECT_EQ(combo.GetItemData(0), 42u);
  EXPECT_EQ(dlg.GetDlgItem(700), &combo);

  CListBox list;
  ASSERT_TRUE(list.Create(LBS_EXTENDEDSEL | WS_VISIBLE, CRect(0, 0, 10, 10), &dlg, 701));
  for (const char* name : {"a", "b", "c"}) list.AddString(name);
  list.SetSel(0);
  list.SetSel(2);
  int chosen[3] = {};
  EXPECT_EQ(list.GetSelCount(), 2);
  EXPECT_EQ(list.GetSelItems(3, chosen), 2);
  EXPECT_EQ(chosen[1], 2);
  EXPECT_EQ(list.SetCurSel(0), LB_ERR);  // not for multiple selection
  dlg.DestroyWindow();
  EXPECT_EQ(combo.m_hWnd, nullptr);
}

// A tree in a dialog, picked by item text as a script picks it.
constexpr UINT kTreeTemplate = 917;
const DialogTemplateRegistration kTreeDialogTemplate(
    kTreeTemplate, {"Tree", {res::TreeView(1047, "folders"), res::DefPushButton(IDOK, "OK")}});

class CTreeDlg : public CDialog {
 public:
  CTreeDlg() : CDialog(kTreeTemplate) {}
  std::vector<std::string> log;
  CTreeCtrl m_tree;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_tree.SubclassDlgItem(1047, this);
    const HTREEITEM first = m_tree.InsertItem("a");
    m_tree.InsertItem("x", first);
    m_tree.InsertItem("y", first);
    // b's children are read when it first opens.
    TVINSERTSTRUCT later;
    later.hParent = TVI_ROOT;
    later.hInsertAfter = TVI_LAST;
    later.item.mask = TVIF_TEXT | TVIF_CHILDREN;
    later.item.pszText = const_cast<LPTSTR>("b");
    later.item.cChildren = 1;
    m_tree.InsertItem(&later);
    return TRUE;
  }
  void OnSelected(NMHDR* header, LRESULT*) {
    log.push_back("selected " + m_tree.GetItemText(reinterpret_cast<NMTREEVIEW*>(header)->itemNew.hItem).str());
  }
  void OnExpanding(NMHDR* header, LRESULT* result) {
    const HTREEITEM item = reinterpret_cast<NMTREEVIEW*>(header)->itemNew.hItem;
    if (m_tree.GetItemText(item) == "b" && m_tree.GetChildItem(item) == nullptr) {
      m_tree.InsertItem("b1", item);
      m_tree.InsertItem("b2", item);
      log.push_back("filled b");
    }
    *result = 0;
  }
  void OnDoubleClick(NMHDR*, LRESULT* result) {
    log.push_back("dblclick " + m_tree.GetItemText(m_tree.GetSelectedItem()).str());
    *result = 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTreeDlg, CDialog)
ON_NOTIFY(TVN_SELCHANGED, 1047, &CTreeDlg::OnSelected)
ON_NOTIFY(TVN_ITEMEXPANDING, 1047, &CTreeDlg::OnExpanding)
ON_NOTIFY(NM_DBLCLK, 1047, &CTreeDlg::OnDoubleClick)
END_MESSAGE_MAP()

TEST(TreeInDialog, ItemsArePickedByTextAmongTheChildrenSiblingsAndRootsOfTheSelection) {
  CTreeDlg dlg;
  dlg.Create(kTreeTemplate);
  afx::DialogSurface surface{dlg};
  EXPECT_EQ(surface.SelectText(1047, "b"), "");
  EXPECT_EQ(surface.SelectText(1047, "a"), "") << "a sibling";
  EXPECT_EQ(surface.SelectText(1047, "y"), "") << "a child, the item expanded";
  EXPECT_EQ(surface.SelectText(1047, "x"), "") << "a sibling of the child";
  EXPECT_EQ(surface.SelectText(1047, "zz"), "control 1047 \"folders\" has no item \"zz\" here");
  EXPECT_EQ(dlg.log, (std::vector<std::string>{"selected b", "filled b", "selected a", "selected y", "selected x"}));
  dlg.DestroyWindow();
}

std::vector<ui::TreeNode> TreeOf(const afx::DialogSurface& surface, int id) {
  for (const ui::ControlInfo& control : surface.Controls()) {
    if (control.id == id) return control.tree;
  }
  return {};
}

// What a window driver shows of a tree and does with the items it showed.
TEST(TreeInDialog, DriversSeeOpenedItemsOnlyAndActOnItemsTheyWereShown) {
  CTreeDlg dlg;
  dlg.Create(kTreeTemplate);
  afx::DialogSurface surface{dlg};
  std::vector<ui::TreeNode> top = TreeOf(surface, 1047);
  ASSERT_EQ(top.size(), 2u);
  EXPECT_EQ(top[0].text, "a");
  EXPECT_TRUE(top[0].has_children);
  EXPECT_TRUE(top[0].children.empty()) << "a closed item lists no children";
  EXPECT_TRUE(top[1].has_children) << "b has children before they are read";

  EXPECT_EQ(surface.ExpandTreeItem(1047, top[1].item, true), "");
  top = TreeOf(surface, 1047);
  ASSERT_EQ(top[1].children.size(), 2u);
  EXPECT_TRUE(top[1].expanded);
  EXPECT_EQ(top[1].children[1].text, "b2");
  EXPECT_EQ(surface.SelectTreeItem(1047, top[1].children[1].item), "");
  EXPECT_TRUE(TreeOf(surface, 1047)[1].children[1].selected);

  // The double click selects, tells the dialog, and the control opens the item.
  EXPECT_EQ(surface.DoubleClickTreeItem(1047, top[0].item), "");
  top = TreeOf(surface, 1047);
  EXPECT_TRUE(top[0].selected);
  EXPECT_TRUE(top[0].expanded);
  ASSERT_EQ(top[0].children.size(), 2u);
  EXPECT_EQ(surface.ExpandTreeItem(1047, top[0].item, false), "");
  EXPECT_FALSE(TreeOf(surface, 1047)[0].expanded);

  // Items gone since the listing, leaves and other controls are refused with the reason.
  const std::uintptr_t gone = top[1].children[0].item;
  dlg.m_tree.DeleteItem(reinterpret_cast<HTREEITEM>(gone));
  EXPECT_EQ(surface.SelectTreeItem(1047, gone), "control 1047 \"folders\" no longer has that item");
  EXPECT_EQ(surface.ExpandTreeItem(1047, top[1].children[1].item, true), "\"b2\" cannot be expanded");
  EXPECT_EQ(surface.DoubleClickTreeItem(IDOK, top[0].item), "control 1 \"OK\" (button) has no tree");
  EXPECT_EQ(dlg.log, (std::vector<std::string>{"filled b", "selected b2", "selected a", "dblclick a"}));
  dlg.DestroyWindow();
}

}  // namespace
