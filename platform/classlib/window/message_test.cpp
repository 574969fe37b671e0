// The order and contents of the window system's own messages.
#include <gtest/gtest.h>

#include "platform/classlib/backend/headless_test_support.h"

namespace {

using afx_test::Headless;

std::vector<std::string>& Journal() {
  static std::vector<std::string> journal;
  return journal;
}

// Writes its name and each message it hears into one journal.
class Named : public CWnd {
 public:
  explicit Named(std::string name, bool self_deleting = false)
      : name_(std::move(name)), self_deleting_(self_deleting) {}
  int min_width = 0;

 protected:
  void Note(const std::string& what) { Journal().push_back(name_ + " " + what); }
  afx_msg void OnDestroy() { Note("destroy"); }
  afx_msg void OnNcDestroy() { Note("ncdestroy"); }
  afx_msg void OnActivate(UINT state, CWnd*, BOOL) { Note(state == WA_INACTIVE ? "inactive" : "active"); }
  afx_msg void OnShowWindow(BOOL show, UINT) { Note(show ? "show" : "hide"); }
  afx_msg void OnWindowPosChanging(WINDOWPOS* pos) {
    if (pos->cx < min_width) pos->cx = min_width;
  }
  afx_msg void OnMove(int x, int y) { Note("move " + std::to_string(x) + "," + std::to_string(y)); }
  afx_msg void OnClose() {
    Note("close");
    CWnd::OnClose();
  }
  void PostNcDestroy() override {
    Journal().push_back(name_ + " gone");
    if (self_deleting_) delete this;
  }
  DECLARE_MESSAGE_MAP()

 private:
  std::string name_;
  bool self_deleting_;
};

BEGIN_MESSAGE_MAP(Named, CWnd)
ON_WM_DESTROY()
ON_WM_NCDESTROY()
ON_WM_ACTIVATE()
ON_WM_SHOWWINDOW()
ON_WM_WINDOWPOSCHANGING()
ON_WM_MOVE()
ON_WM_CLOSE()
END_MESSAGE_MAP()

class MessageTest : public afx_test::WindowTest {
 protected:
  MessageTest() { Journal().clear(); }
};

TEST_F(MessageTest, DestroyingTellsParentsFirstThenChildrenAndSelfDeletingObjectsGoLast) {
  Named top("top");
  ASSERT_TRUE(top.CreateEx(0, nullptr, nullptr, WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
  auto* child = new Named("child", true);  // deletes itself when its window goes
  ASSERT_TRUE(child->CreateEx(0, nullptr, nullptr, WS_CHILD, CRect(0, 0, 5, 5), &top, 1));
  Journal().clear();
  top.DestroyWindow();
  EXPECT_EQ(Journal(), (std::vector<std::string>{"top destroy", "child destroy", "child ncdestroy", "top ncdestroy",
                                                 "child gone", "top gone"}));
  EXPECT_EQ(top.m_hWnd, nullptr);
}

TEST_F(MessageTest, ShowingActivatesTopWindowsAndTheSystemCloseGoesThroughWmClose) {
  Named first("first");
  Named second("second");
  ASSERT_TRUE(first.CreateEx(0, nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0));
  ASSERT_TRUE(second.CreateEx(0, nullptr, nullptr, WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
  Journal().clear();
  second.ShowWindow(SW_SHOW);
  EXPECT_EQ(Journal(), (std::vector<std::string>{"second show", "first inactive", "second active"}));
  EXPECT_EQ(CWnd::GetActiveWindow(), &second);
  Journal().clear();
  second.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
  EXPECT_EQ(Journal().front(), "second close");
  EXPECT_EQ(second.m_hWnd, nullptr);
}

TEST_F(MessageTest, AWindowMayChangeItsNewPlaceBeforeItIsTaken) {
  Named top("top");
  top.min_width = 100;
  ASSERT_TRUE(top.CreateEx(0, nullptr, nullptr, WS_POPUP, CRect(0, 0, 150, 50), nullptr, 0));
  Journal().clear();
  top.MoveWindow(5, 6, 40, 40);
  CRect rect;
  top.GetWindowRect(&rect);
  EXPECT_EQ(rect, CRect(5, 6, 105, 46));
  EXPECT_EQ(Journal(), (std::vector<std::string>{"top move 5,6"}));
  top.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Journal().size(), 1u);  // nothing moved: nothing said
}

class Ranged : public CWnd {
 public:
  std::vector<UINT> seen;
  afx_msg void OnUpdateRange(CCmdUI* cmd) {
    seen.push_back(cmd->m_nID);
    cmd->SetCheck(cmd->m_nID == 37202);
  }
  afx_msg void OnRange(UINT id) { seen.push_back(id + 1000); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Ranged, CWnd)
ON_UPDATE_COMMAND_UI_RANGE(37200, 37209, &Ranged::OnUpdateRange)
ON_COMMAND_RANGE(37200, 37209, &Ranged::OnRange)
END_MESSAGE_MAP()

TEST_F(MessageTest, CommandUpdatesOfARangeReachOneHandler) {
  Ranged window;
  ASSERT_TRUE(window.CreateEx(0, nullptr, nullptr, WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  for (UINT id : {37200U, 37202U, 37210U}) {
    CCmdUI state;
    state.m_nID = id;
    state.DoUpdate(&window, TRUE);
    EXPECT_EQ(state.m_nCheck, id == 37202 ? 1 : 0);
    EXPECT_EQ(state.m_bEnabled, id != 37210);  // outside the range nothing handles it
  }
  window.SendMessage(WM_COMMAND, 37205);
  EXPECT_EQ(window.seen, (std::vector<UINT>{37200, 37202, 38205}));
}

}  // namespace
