// Relations, placement, non-client parts, cursors and menus of windows.
#include <gtest/gtest.h>

#include "platform/classlib/backend/headless_test_support.h"
#include "platform/classlib/gdi/dc.h"
#include "platform/classlib/window/cursors.h"
#include "platform/classlib/window/menu.h"
#include "platform/classlib/window/resources.h"
#include "platform/classlib/window/window_state.h"

namespace {

using afx_test::Headless;

// A bar with a border on its right that it paints itself, as a docking bar has.
class Framed : public CWnd {
 public:
  std::vector<std::string> log;

 protected:
  afx_msg void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* params) { params->rgrc[0].right -= 6; }
  afx_msg LRESULT OnNcHitTest(CPoint point) {
    CRect window;
    GetWindowRect(&window);
    return point.x >= window.right - 6 ? HTRIGHT : HTCLIENT;
  }
  afx_msg void OnNcLButtonDown(UINT hit, CPoint point) {
    log.push_back("nc down " + std::to_string(hit) + " at " + std::to_string(point.x));
  }
  afx_msg void OnLButtonDown(UINT, CPoint point) { log.push_back("down " + std::to_string(point.x)); }
  afx_msg BOOL OnSetCursor(CWnd* window, UINT hit, UINT message) {
    if (hit == HTRIGHT) {
      ::SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
      return TRUE;
    }
    return CWnd::OnSetCursor(window, hit, message);
  }
  afx_msg void OnContextMenu(CWnd*, CPoint point) { log.push_back("menu at " + std::to_string(point.x)); }
  afx_msg void OnCaptureChanged(CWnd*) { log.push_back("capture lost"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Framed, CWnd)
ON_WM_NCCALCSIZE()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_SETCURSOR()
ON_WM_CONTEXTMENU()
ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

class WindowTreeTest : public afx_test::WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(top_.CreateEx(0, nullptr, "top", WS_POPUP | WS_VISIBLE, CRect(10, 10, 410, 310), nullptr, 0));
  }
  CWnd top_;
};

TEST_F(WindowTreeTest, NonClientPartsShrinkTheClientAndTheirClicksArriveAsNonClientMessages) {
  Framed bar;
  ASSERT_TRUE(bar.CreateEx(0, AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_IBEAM)), nullptr, WS_CHILD | WS_VISIBLE,
                           CRect(0, 0, 100, 50), &top_, 1));
  CRect client;
  bar.GetClientRect(&client);
  EXPECT_EQ(client.Width(), 94);
  bar.SetFocus();
  Headless().Click(96, 10);  // on the border, right of the client area
  EXPECT_EQ(bar.log, (std::vector<std::string>{"nc down 11 at 106"}));
  EXPECT_EQ(Headless().Cursor().shape, afx::CursorShape::kSizeWE);
  Headless().Click(20, 10);
  EXPECT_EQ(bar.log.back(), "down 20");
  EXPECT_EQ(Headless().Cursor().shape, afx::CursorShape::kIBeam);  // the class cursor
  Headless().RightClick(30, 10);
  EXPECT_EQ(bar.log.back(), "menu at 40");  // screen coordinates
  POINT cursor;
  GetCursorPos(&cursor);
  EXPECT_EQ(cursor.x, 40);

  bar.SetCapture();
  top_.SetCapture();
  EXPECT_EQ(bar.log.back(), "capture lost");
}

TEST_F(WindowTreeTest, RelationsDescendantsAndZOrder) {
  CWnd a;
  CWnd b;
  CWnd deep;
  a.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &top_, 1);
  b.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &top_, 2);
  deep.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(2, 3, 5, 5), &a, 7);
  EXPECT_EQ(top_.GetDescendantWindow(7), &deep);
  EXPECT_TRUE(top_.IsChild(&deep));
  EXPECT_FALSE(a.IsChild(&b));
  EXPECT_EQ(deep.GetTopLevelParent(), &top_);
  EXPECT_EQ(top_.GetWindow(GW_CHILD), &b);  // the newest child is on top
  EXPECT_EQ(b.GetNextWindow(), &a);
  a.BringWindowToTop();
  EXPECT_EQ(top_.GetWindow(GW_CHILD), &a);
  CPoint point(0, 0);
  deep.MapWindowPoints(&top_, &point, 1);
  EXPECT_EQ(point, CPoint(2, 3));
  deep.SetParent(&b);
  EXPECT_EQ(deep.GetParent(), &b);
  EXPECT_FALSE(top_.GetDescendantWindow(7) == nullptr);
  top_.SendMessageToDescendants(WM_NULL);  // reaches every level without failing
}

TEST_F(WindowTreeTest, MaximisingAChildFillsItsParentAndRestoringBringsBackItsPlace) {
  CWnd child;
  child.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(5, 5, 55, 45), &top_, 1);
  child.ShowWindow(SW_SHOWMAXIMIZED);
  EXPECT_TRUE(child.IsZoomed());
  CRect rect;
  child.GetClientRect(&rect);
  EXPECT_EQ(rect.Size(), CSize(400, 300));
  WINDOWPLACEMENT placement;
  child.GetWindowPlacement(&placement);
  EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
  top_.ShowWindow(SW_HIDE);
  EXPECT_FALSE(top_.IsWindowVisible());
  EXPECT_EQ(CWnd::GetActiveWindow(), nullptr);
}

TEST_F(WindowTreeTest, AWindowMadeMaximisedOpensMaximisedAndRestoresToItsOwnPlace) {
  CWnd frame;
  ASSERT_TRUE(
      frame.CreateEx(0, nullptr, "frame", WS_OVERLAPPEDWINDOW | WS_MAXIMIZE, CRect(20, 30, 620, 430), nullptr, 0));
  frame.ShowWindow(SW_SHOWNORMAL);
  EXPECT_TRUE(frame.IsZoomed());
  CRect rect;
  frame.GetWindowRect(&rect);
  EXPECT_EQ(rect, CRect(0, 0, 1024, 768));
  WINDOWPLACEMENT placement;
  frame.GetWindowPlacement(&placement);
  EXPECT_EQ(CRect(placement.rcNormalPosition), CRect(20, 30, 620, 430));
  frame.ShowWindow(SW_RESTORE);
  EXPECT_FALSE(frame.IsZoomed());
  frame.GetWindowRect(&rect);
  EXPECT_EQ(rect, CRect(20, 30, 620, 430));
  EXPECT_EQ(frame.GetStyle() & WS_MAXIMIZE, 0u);
}

TEST_F(WindowTreeTest, HeldBackPaintingWaitsForRedrawAndValidatedPartsAreNotPainted) {
  CWnd child;
  child.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &top_, 1);
  afx::DrainMessages();
  child.SetRedraw(FALSE);
  child.Invalidate();
  afx::DrainMessages();
  CRect update;
  EXPECT_TRUE(child.GetUpdateRect(&update));
  const CRect top_band(0, 0, 100, 40);
  child.ValidateRect(&top_band);
  child.GetUpdateRect(&update);
  EXPECT_EQ(update, CRect(0, 40, 100, 100));
  child.SetRedraw(TRUE);
  afx::DrainMessages();
  EXPECT_FALSE(child.GetUpdateRect(&update));
}

TEST_F(WindowTreeTest, MenusChangeByCommandAndPositionAndWindowsCarryThem) {
  CMenu bar;
  ASSERT_TRUE(bar.CreateMenu());
  CMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  popup.AppendMenu(MF_STRING, 100, "One");
  popup.AppendMenu(MF_STRING, 102, "Three");
  popup.InsertMenu(102, MF_BYCOMMAND | MF_STRING, 101, "Two");
  bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Detach()), "Numbers");
  CMenu* numbers = bar.GetSubMenu(0);
  ASSERT_NE(numbers, nullptr);
  EXPECT_EQ(numbers->GetMenuItemID(1), 101u);
  numbers->ModifyMenu(101, MF_BYCOMMAND | MF_STRING, 111, "Eleven");
  EXPECT_EQ(numbers->GetMenuItemID(1), 111u);
  numbers->CheckMenuRadioItem(100, 111, 111, MF_BYCOMMAND);
  EXPECT_EQ(numbers->GetMenuState(111, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
  EXPECT_EQ(numbers->GetMenuState(100, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(bar.GetMenuState(0, MF_BYPOSITION) & MF_POPUP, MF_POPUP);
  EXPECT_TRUE(numbers->DeleteMenu(0, MF_BYPOSITION));
  EXPECT_EQ(numbers->GetMenuItemCount(), 2u);
  EXPECT_EQ(bar.GetMenuState(999, MF_BYCOMMAND), kMenuStateError);

  top_.SetMenu(&bar);
  EXPECT_EQ(top_.GetMenu()->m_hMenu, bar.m_hMenu);
  const HMENU handle = bar.m_hMenu;
  bar.DestroyMenu();
  EXPECT_EQ(CMenu::FromHandle(handle), nullptr);  // a destroyed menu is not named any more
}

TEST_F(WindowTreeTest, AcceleratorsMatchTheirModifiersExactly) {
  const ACCEL table[] = {{FVIRTKEY | FCONTROL, 'S', 1}, {FVIRTKEY | FCONTROL | FSHIFT, 'S', 2}, {FVIRTKEY, VK_F2, 3}};
  HACCEL accel = CreateAcceleratorTable(table, 3);
  ACCEL copy[3];
  EXPECT_EQ(CopyAcceleratorTable(accel, nullptr, 0), 3);
  EXPECT_EQ(CopyAcceleratorTable(accel, copy, 2), 2);
  MSG msg;
  msg.hwnd = top_.m_hWnd;
  msg.message = WM_KEYDOWN;
  msg.wParam = 'S';
  afx::SetHeldKeys({VK_CONTROL, VK_SHIFT});
  EXPECT_EQ(TranslateAccelerator(top_.m_hWnd, accel, &msg), 1);
  afx::SetHeldKeys({VK_CONTROL, VK_MENU});
  EXPECT_EQ(TranslateAccelerator(top_.m_hWnd, accel, &msg), 0);  // Alt is not asked for
  afx::SetHeldKeys({VK_SHIFT});
  msg.wParam = VK_F2;
  EXPECT_EQ(TranslateAccelerator(top_.m_hWnd, accel, &msg), 0);
  afx::ClearHeldKeys();
  EXPECT_EQ(TranslateAccelerator(top_.m_hWnd, accel, &msg), 1);
  EXPECT_TRUE(DestroyAcceleratorTable(accel));
  EXPECT_EQ(TranslateAccelerator(top_.m_hWnd, accel, &msg), 0);
}

TEST_F(WindowTreeTest, PostedMessagesWaitForTheLoopAndGoWithTheirWindow) {
  CWnd child;
  child.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &top_, 1);
  afx::DrainMessages();
  EXPECT_TRUE(child.PostMessage(WM_USER + 1));
  EXPECT_FALSE(afx::QueueEmpty());
  child.DestroyWindow();
  EXPECT_TRUE(afx::QueueEmpty());
  EXPECT_FALSE(::PostMessage(child.m_hWnd, WM_USER + 1, 0, 0));
  PostQuitMessage(3);
  EXPECT_TRUE(afx::QuitRequested());
  EXPECT_EQ(afx::QuitCode(), 3);
  afx::ClearQuit();
}

}  // namespace
