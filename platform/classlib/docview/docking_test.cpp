// A bar of the program's own that sizes itself, docked at a side, with a
// modeless dialog inside, as a docking pane bar is built.
#include <gtest/gtest.h>

#include "platform/classlib/afxwin.h"
#include "platform/classlib/backend/headless_test_support.h"

namespace {

using afx_test::Headless;

const DialogTemplateRegistration kPane(9138,
                                       {"Pane", {res::PushButton(1044, "Explore"), res::TreeView(1047, "")}, 180, 300});

class SizingBar : public CControlBar {
 public:
  CSize vertical{189, 200};
  CSize horizontal{200, 309};
  int dynamic_calls = 0;

  BOOL Create(CWnd* parent, UINT id) {
    m_dwStyle = CBRS_LEFT | CBRS_SIZE_DYNAMIC;
    return CWnd::Create(nullptr, "File List", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), parent, id);
  }
  CSize CalcFixedLayout(BOOL, BOOL bHorz) override {
    CRect room;
    m_pDockSite->GetClientRect(&room);
    return bHorz ? CSize(room.Width(), horizontal.cy) : CSize(vertical.cx, room.Height());
  }
  CSize CalcDynamicLayout(int, DWORD nMode) override {
    ++dynamic_calls;
    return CalcFixedLayout(FALSE, (nMode & LM_HORZDOCK) != 0);
  }
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override {
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
  }
};

class PaneFrame : public CFrameWnd {
 public:
  bool explore_enabled = true;

 protected:
  afx_msg void OnUpdateExplore(CCmdUI* pCmdUI) { pCmdUI->Enable(explore_enabled); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaneFrame, CFrameWnd)
ON_UPDATE_COMMAND_UI(1044, &PaneFrame::OnUpdateExplore)
END_MESSAGE_MAP()

class DockingTest : public afx_test::WindowTest {
 protected:
  void SetUp() override {
    frame_ = new PaneFrame;  // deletes itself with its window
    ASSERT_TRUE(frame_->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)));
    ASSERT_TRUE(filler_.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), frame_, AFX_IDW_PANE_FIRST));
    ASSERT_TRUE(bar_.Create(frame_, 138));
    bar_.EnableDocking(CBRS_ALIGN_ANY);
    frame_->EnableDocking(CBRS_ALIGN_ANY);
    frame_->DockControlBar(&bar_, AFX_IDW_DOCKBAR_LEFT);
  }

  PaneFrame* frame_ = nullptr;
  CWnd filler_;
  SizingBar bar_;
};

TEST_F(DockingTest, ADockedBarTakesTheWidthItAsksForAndTheViewTheRest) {
  CRect bar;
  CRect view;
  bar_.GetWindowRect(&bar);
  filler_.GetWindowRect(&view);
  EXPECT_EQ(bar.Width(), 189);
  EXPECT_EQ(view.left, bar.right);
  EXPECT_EQ(view.right, 640);
  EXPECT_GT(bar_.dynamic_calls, 0);
  EXPECT_EQ(bar_.m_pDockBar->GetDlgCtrlID(), static_cast<int>(AFX_IDW_DOCKBAR_LEFT));
  EXPECT_EQ(frame_->GetControlBar(AFX_IDW_DOCKBAR_TOP)->IsWindowVisible(), TRUE);

  bar_.vertical.cx = 32;
  frame_->RecalcLayout();
  bar_.GetWindowRect(&bar);
  EXPECT_EQ(bar.Width(), 32);

  frame_->ShowControlBar(&bar_, FALSE, FALSE);
  filler_.GetWindowRect(&view);
  EXPECT_EQ(view.left, 0);
}

TEST_F(DockingTest, ADraggedBarDocksAtTheSideItIsReleasedNearOrFloats) {
  bar_.SetFocus();
  ASSERT_NE(bar_.m_pDockContext, nullptr);
  CPoint start(10, 10);
  bar_.ClientToScreen(&start);
  bar_.m_pDockContext->StartDrag(start);
  Headless().Drag(10, 10, 400, 470);  // near the bottom
  EXPECT_EQ(bar_.m_pDockBar->GetDlgCtrlID(), static_cast<int>(AFX_IDW_DOCKBAR_BOTTOM));
  CRect bar;
  bar_.GetWindowRect(&bar);
  EXPECT_EQ(bar.Height(), 309);

  bar_.m_pDockContext->StartDrag(start);
  bar_.SetFocus();
  Headless().Drag(10, 10, 300, -100);  // outside the frame
  EXPECT_TRUE(bar_.IsFloating());
  CFrameWnd* mini = bar_.GetParentFrame();
  ASSERT_NE(mini, frame_);
  EXPECT_NE(mini->GetStyle() & MFS_4THICKFRAME, 0u);
  bar_.m_pDockContext->ToggleDocking();
  EXPECT_FALSE(bar_.IsFloating());
  EXPECT_EQ(bar_.m_pDockBar->GetDlgCtrlID(), static_cast<int>(AFX_IDW_DOCKBAR_BOTTOM));
}

TEST_F(DockingTest, AModelessDialogInsideABarIsAChildOfItsTemplateSizeAndItsControlsFollowTheFrame) {
  CDialog pane;
  ASSERT_TRUE(pane.Create(9138, &bar_));
  CRect size;
  pane.GetWindowRect(&size);
  EXPECT_EQ(size.Size(), CSize(180, 300));
  EXPECT_EQ(pane.GetParent(), &bar_);
  ASSERT_NE(pane.GetDlgItem(1047), nullptr);
  frame_->explore_enabled = false;
  bar_.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  pane.UpdateDialogControls(frame_, TRUE);
  EXPECT_FALSE(pane.GetDlgItem(1044)->IsWindowEnabled());
  frame_->explore_enabled = true;
  pane.UpdateDialogControls(frame_, TRUE);
  EXPECT_TRUE(pane.GetDlgItem(1044)->IsWindowEnabled());

  // The pane places its tree; a click there reaches the tree.
  CTreeCtrl tree;
  ASSERT_TRUE(tree.SubclassDlgItem(1047, &pane));
  tree.MoveWindow(5, 30, 170, 265);
  HTREEITEM item = tree.InsertItem("C:");
  tree.SetFocus();
  Headless().Click(30, 4);
  EXPECT_EQ(tree.GetSelectedItem(), item);
  tree.UnsubclassWindow();
}

}  // namespace
