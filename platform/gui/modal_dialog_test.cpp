// A dialog with a tree shown as a native dialog on the display (the suite
// runs it under xvfb-run), worked with the pointer as a person works it.
#include "platform/gui/modal_dialog.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/timer.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/classlib/afxwin.h"
#include "platform/classlib/controls/tree_ctrl.h"
#include "platform/gui/dialog_tree.h"

namespace gui {
namespace {

constexpr UINT kTreeTemplate = 9301;
constexpr int kTree = 1047;
constexpr int kList = 1050;

const DialogTemplateRegistration kTreeDialogTemplate(kTreeTemplate,
                                                     {"Folders",
                                                      {res::TreeView(kTree, "folders"), res::ListBox(kList, "files"),
                                                       res::DefPushButton(IDOK, "OK"),
                                                       res::PushButton(IDCANCEL, "Cancel")}});

// Reads a folder's children when it first opens; a double click adds the chosen item to the list.
class FolderDialog : public CDialog {
 public:
  FolderDialog() : CDialog(kTreeTemplate) {}
  std::vector<std::string> log;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    tree_.SubclassDlgItem(kTree, this);
    list_.SubclassDlgItem(kList, this);
    TVINSERTSTRUCT later;
    later.hParent = TVI_ROOT;
    later.hInsertAfter = TVI_LAST;
    later.item.mask = TVIF_TEXT | TVIF_CHILDREN;
    later.item.pszText = const_cast<LPTSTR>("a");
    later.item.cChildren = 1;
    tree_.InsertItem(&later);
    tree_.InsertItem("b");
    return TRUE;
  }
  void OnSelected(NMHDR* header, LRESULT*) {
    log.push_back("selected " + tree_.GetItemText(reinterpret_cast<NMTREEVIEW*>(header)->itemNew.hItem).str());
  }
  void OnExpanding(NMHDR* header, LRESULT* result) {
    const HTREEITEM item = reinterpret_cast<NMTREEVIEW*>(header)->itemNew.hItem;
    if (tree_.GetChildItem(item) == nullptr) {
      tree_.InsertItem("x", item);
      tree_.InsertItem("y", item);
    }
    *result = 0;
  }
  void OnDoubleClick(NMHDR*, LRESULT* result) {
    const CString chosen = tree_.GetItemText(tree_.GetSelectedItem());
    log.push_back("dblclick " + chosen.str());
    list_.AddString(chosen);
    *result = 0;
  }
  DECLARE_MESSAGE_MAP()

 private:
  CTreeCtrl tree_;
  CListBox list_;
};

BEGIN_MESSAGE_MAP(FolderDialog, CDialog)
ON_NOTIFY(TVN_SELCHANGED, kTree, &FolderDialog::OnSelected)
ON_NOTIFY(TVN_ITEMEXPANDING, kTree, &FolderDialog::OnExpanding)
ON_NOTIFY(NM_DBLCLK, kTree, &FolderDialog::OnDoubleClick)
END_MESSAGE_MAP()

wxDialog* ModalDialog() {
  for (wxWindow* window : wxTopLevelWindows) {
    auto* dialog = dynamic_cast<wxDialog*>(window);
    if (dialog != nullptr && dialog->IsModal()) return dialog;
  }
  return nullptr;
}

// Real pointer clicks in the middle of a rectangle of a window.
void ClickOn(wxWindow& window, const wxRect& rect, int clicks) {
  const wxPoint at = window.ClientToScreen(wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2));
  const std::string command = "xdotool mousemove " + std::to_string(at.x) + " " + std::to_string(at.y) +
                              " click --repeat " + std::to_string(clicks) + " --delay 80 1 >/dev/null 2>&1";
  std::system(command.c_str());
}

bool Logged(const std::vector<std::string>& log, const std::string& line) {
  return std::find(log.begin(), log.end(), line) != log.end();
}

TEST(NativeDialogTree, APointerPicksOpensAndDoubleClicksItemsTheDialogHears) {
  if (std::getenv("DISPLAY") == nullptr || wxTheApp == nullptr) GTEST_SKIP() << "no display";
  if (std::system("command -v xdotool >/dev/null 2>&1") != 0) GTEST_SKIP() << "no xdotool";
  FolderDialog dialog;
  int step = 0;
  int files_shown = 0;
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  wxTimer steps;
  steps.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    wxDialog* shown = ModalDialog();
    auto* tree = shown != nullptr ? dynamic_cast<DialogTree*>(wxWindow::FindWindowByName("1047", shown)) : nullptr;
    if (tree == nullptr || !shown->IsShownOnScreen()) return;
    if (std::chrono::steady_clock::now() > give_up) {
      shown->EndModal(wxID_CANCEL);
      return;
    }
    const auto click = [&](const std::vector<std::string>& path, int clicks) {
      wxRect rect;
      const wxTreeItemId item = tree->FindPath(path);
      if (item.IsOk() && tree->GetBoundingRect(item, rect, true)) ClickOn(*tree, rect, clicks);
    };
    if (step == 0) {
      click({"a"}, 1);
      step = 1;
    } else if (step == 1 && Logged(dialog.log, "selected a")) {
      click({"a"}, 2);
      step = 2;
    } else if (step == 2 && tree->FindPath({"a", "y"}).IsOk()) {
      if (auto* files = dynamic_cast<wxListBox*>(wxWindow::FindWindowByName("1050", shown))) {
        files_shown = static_cast<int>(files->GetCount());
      }
      click({"a", "y"}, 1);
      step = 3;
    } else if (step == 3 && Logged(dialog.log, "selected y")) {
      wxWindow* ok = wxWindow::FindWindowByName("1", shown);
      if (ok != nullptr) ClickOn(*ok, wxRect(ok->GetClientSize()), 1);
      step = 4;
    }
  });
  steps.Start(200);
  const INT_PTR result = dialog.DoModal();
  steps.Stop();
  EXPECT_EQ(result, IDOK) << "stopped at step " << step;
  EXPECT_TRUE(Logged(dialog.log, "selected a"));
  EXPECT_TRUE(Logged(dialog.log, "dblclick a")) << "the double click reached the dialog";
  EXPECT_TRUE(Logged(dialog.log, "selected y")) << "the child the control read on opening was picked";
  EXPECT_EQ(files_shown, 1) << "the list shows what the dialog added";
}

constexpr UINT kScopeTemplate = 9302;
constexpr int kScope = 8615;
constexpr int kSelection = 8613;
constexpr int kWholeFile = 8614;
constexpr int kMatchCase = 8604;

const DialogTemplateRegistration kScopeDialogTemplate(
    kScopeTemplate, {"Scope",
                     {res::GroupBox(kScope, "Replace in"), res::RadioButton(kSelection, "Selection"),
                      res::RadioButton(kWholeFile, "Whole file"), res::CheckBox(kMatchCase, "Match case"),
                      res::DefPushButton(IDOK, "OK"), res::PushButton(IDCANCEL, "Cancel")}});

class ScopeDialog : public CDialog {
 public:
  ScopeDialog() : CDialog(kScopeTemplate) {}

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    CheckRadioButton(kSelection, kWholeFile, kWholeFile);
    return TRUE;
  }
};

// Pixels of the theme's accent within a widget, as the screen shows them.
int AccentPixels(wxWindow& widget) {
  const wxRect rect = widget.GetScreenRect();
  const std::string command = "import -window root -crop " + std::to_string(rect.width) + "x" +
                              std::to_string(rect.height) + "+" + std::to_string(rect.x) + "+" +
                              std::to_string(rect.y) + " -depth 8 ppm:- 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return -1;
  std::string ppm;
  char chunk[4096];
  for (size_t got; (got = fread(chunk, 1, sizeof chunk, pipe)) > 0;) ppm.append(chunk, got);
  pclose(pipe);
  // "P6 w h 255" then the pixels.
  size_t at = 0;
  for (int fields = 0; fields < 4 && at < ppm.size(); ++fields) {
    while (at < ppm.size() && std::isspace(static_cast<unsigned char>(ppm[at]))) ++at;
    while (at < ppm.size() && !std::isspace(static_cast<unsigned char>(ppm[at]))) ++at;
  }
  ++at;
  int count = 0;
  for (; at + 2 < ppm.size(); at += 3) {
    const int r = static_cast<unsigned char>(ppm[at]);
    const int g = static_cast<unsigned char>(ppm[at + 1]);
    const int b = static_cast<unsigned char>(ppm[at + 2]);
    if (std::abs(r - 53) + std::abs(g - 132) + std::abs(b - 228) < 60) ++count;
  }
  return count;
}

TEST(NativeDialogRadios, OnlyTheChosenButtonOfAGroupShowsChosenAndAClickMovesIt) {
  if (std::getenv("DISPLAY") == nullptr || wxTheApp == nullptr) GTEST_SKIP() << "no display";
  if (std::system("command -v xdotool >/dev/null 2>&1 && command -v import >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "no xdotool or ImageMagick";
  }
  ScopeDialog dialog;
  int step = 0;
  int marks[4] = {-1, -1, -1, -1};
  int settle = 0;
  bool values[4] = {};
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  wxTimer steps;
  steps.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    wxDialog* shown = ModalDialog();
    auto* selection = shown != nullptr ? dynamic_cast<wxRadioButton*>(wxWindow::FindWindowByName("8613", shown)) : nullptr;
    auto* whole = shown != nullptr ? dynamic_cast<wxRadioButton*>(wxWindow::FindWindowByName("8614", shown)) : nullptr;
    if (selection == nullptr || whole == nullptr || !shown->IsShownOnScreen()) return;
    if (std::chrono::steady_clock::now() > give_up) {
      shown->EndModal(wxID_CANCEL);
      return;
    }
    if (step == 0) {
      step = 1;  // a tick for the toolkit to draw
    } else if (step == 1) {
      marks[0] = AccentPixels(*selection);
      marks[1] = AccentPixels(*whole);
      values[0] = selection->GetValue();
      values[1] = whole->GetValue();
      ClickOn(*selection, wxRect(wxPoint(0, 0), wxSize(16, selection->GetSize().y)), 1);
      step = 2;
    } else if (step == 2 && selection->GetValue()) {
      step = 3;
    } else if (step == 3) {
      // The theme eases the change in over a few frames.
      marks[2] = AccentPixels(*selection);
      marks[3] = AccentPixels(*whole);
      values[2] = selection->GetValue();
      values[3] = whole->GetValue();
      if ((marks[2] > 20 && marks[3] < 5) || ++settle > 10) {
        shown->EndModal(wxID_OK);
        step = 4;
      }
    }
  });
  steps.Start(200);
  dialog.DoModal();
  steps.Stop();
  ASSERT_EQ(step, 4);
  EXPECT_FALSE(values[0]);
  EXPECT_TRUE(values[1]);
  EXPECT_LT(marks[0], 5) << "Selection shows chosen with Whole file";
  EXPECT_GT(marks[1], 20);
  EXPECT_TRUE(values[2]);
  EXPECT_FALSE(values[3]);
  EXPECT_GT(marks[2], 20);
  EXPECT_LT(marks[3], 5) << "Whole file still shows chosen after Selection was clicked";
}

TEST(NativeDialogTree, FocusOnATreeWithoutSelectionRaisesNoComplaint) {
  if (std::getenv("DISPLAY") == nullptr || wxTheApp == nullptr) GTEST_SKIP() << "no display";
  FolderDialog dialog;
  int ticks = 0;
  std::string complaint;
  wxTimer steps;
  steps.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    wxDialog* shown = ModalDialog();
    auto* tree = shown != nullptr ? dynamic_cast<DialogTree*>(wxWindow::FindWindowByName("1047", shown)) : nullptr;
    if (tree == nullptr || !shown->IsShownOnScreen()) return;
    if (ticks++ == 0) {
      tree->SetFocus();  // the toolkit may pick its own hidden root item now
    } else if (ticks > 4) {
      if (auto* refusal = dynamic_cast<wxStaticText*>(wxWindow::FindWindowByName("refusal", shown))) {
        complaint = std::string(refusal->GetLabel().utf8_str());
      }
      shown->EndModal(wxID_CANCEL);
    }
  });
  steps.Start(200);
  dialog.DoModal();
  steps.Stop();
  EXPECT_GT(ticks, 4);
  EXPECT_EQ(complaint, "");
}

}  // namespace
}  // namespace gui
