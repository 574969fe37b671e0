// Windows that paint and take input, through the headless backend.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classlib/backend/headless_test_support.h"
#include "platform/classlib/docview/ole_drag_drop.h"
#include "platform/classlib/gdi/dc.h"
#include "platform/classlib/window/clipboard.h"
#include "platform/classlib/window/menu.h"
#include "platform/classlib/window/resources.h"
#include "platform/win/keys.h"

namespace {

using afx_test::Headless;

constexpr UINT kCommandSave = 40001;
constexpr UINT kCommandQuiet = 40002;

const AcceleratorRegistration kKeys(7001, {{FVIRTKEY | FCONTROL, 'S', kCommandSave},
                                           {FVIRTKEY | FALT, VK_BACK, kCommandQuiet}});
const MenuResourceRegistration kMenu(7002, {res::Popup("File", {res::Item("Save", kCommandSave), res::Separator(),
                                                                res::Item("Quiet", kCommandQuiet)})});

// A window that writes down what reaches it.
class Probe : public CWnd {
 public:
  std::vector<std::string> log;
  CPoint last_point;
  UINT last_flags = 0;
  std::vector<UINT> chars;
  std::vector<UINT> commands;
  int timer_hits = 0;
  bool shift_seen = false;
  bool fail_create = false;
  bool deleted_on_destroy = false;
  HACCEL accelerators = nullptr;

  void Line(const std::string& what) { log.push_back(what); }

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT cs) {
    Line("create " + std::to_string(cs->cx) + "x" + std::to_string(cs->cy));
    return fail_create ? -1 : 0;
  }
  afx_msg void OnSize(UINT, int cx, int cy) { Line("size " + std::to_string(cx) + "x" + std::to_string(cy)); }
  afx_msg void OnPaint() {
    CPaintDC dc(this);
    Line("paint " + std::to_string(dc.m_ps.rcPaint.top) + "-" + std::to_string(dc.m_ps.rcPaint.bottom));
    dc.TextOut(0, 0, "painted");
  }
  afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
  afx_msg void OnSetFocus(CWnd*) { Line("focus"); }
  afx_msg void OnKillFocus(CWnd*) { Line("lost focus"); }
  afx_msg void OnKeyDown(UINT nChar, UINT, UINT) {
    shift_seen = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    Line("key " + std::to_string(nChar));
  }
  afx_msg void OnSysKeyDown(UINT nChar, UINT, UINT) { Line("syskey " + std::to_string(nChar)); }
  afx_msg void OnChar(UINT nChar, UINT, UINT) { chars.push_back(nChar); }
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
    Line("down");
    last_flags = nFlags;
    last_point = point;
    SetCapture();
  }
  afx_msg void OnLButtonUp(UINT, CPoint point) {
    Line("up");
    last_point = point;
    if (GetCapture() == this) ReleaseCapture();
  }
  afx_msg void OnLButtonDblClk(UINT, CPoint) { Line("double"); }
  afx_msg void OnMouseMove(UINT nFlags, CPoint point) {
    if (nFlags & MK_LBUTTON) Line("move " + std::to_string(point.x) + "," + std::to_string(point.y));
  }
  afx_msg BOOL OnMouseWheel(UINT, short zDelta, CPoint) {
    Line("wheel " + std::to_string(zDelta));
    return TRUE;
  }
  afx_msg void OnTimer(UINT_PTR id) {
    ++timer_hits;
    Line("timer " + std::to_string(id));
  }
  afx_msg void OnDestroy() { Line("destroy"); }
  afx_msg void OnSave() { commands.push_back(kCommandSave); }
  afx_msg void OnUpdateQuiet(CCmdUI* cmd) { cmd->Enable(FALSE); }
  BOOL PreTranslateMessage(MSG* msg) override {
    return accelerators != nullptr && TranslateAccelerator(m_hWnd, accelerators, msg);
  }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Probe, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_KEYDOWN()
ON_WM_SYSKEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSEWHEEL()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_COMMAND(kCommandSave, &Probe::OnSave)
ON_UPDATE_COMMAND_UI(kCommandQuiet, &Probe::OnUpdateQuiet)
END_MESSAGE_MAP()

class WindowTest : public afx_test::WindowTest {
 protected:
  // A visible top-level window at (100, 50) with a child probe filling it, focused.
  void MakeWindows(UINT class_style = CS_DBLCLKS) {
    ASSERT_TRUE(top_.CreateEx(0, nullptr, "top", WS_POPUP | WS_VISIBLE, CRect(100, 50, 500, 350), nullptr, 0));
    ASSERT_TRUE(probe_.CreateEx(0, AfxRegisterWndClass(class_style), nullptr, WS_CHILD | WS_VISIBLE,
                                CRect(0, 0, 400, 300), &top_, 1));
    probe_.SetFocus();
    afx::DrainMessages();
    probe_.log.clear();
  }
  std::vector<std::string> TakeLog() {
    std::vector<std::string> log;
    log.swap(probe_.log);
    return log;
  }

  CWnd top_;
  Probe probe_;
};

TEST_F(WindowTest, CreationSizesTheWindowAndARefusingOnCreateLeavesNoWindow) {
  MakeWindows();
  CRect client;
  probe_.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, 400, 300));
  CPoint origin(0, 0);
  probe_.ClientToScreen(&origin);
  EXPECT_EQ(origin, CPoint(100, 50));

  Probe refusing;
  refusing.fail_create = true;
  EXPECT_FALSE(refusing.CreateEx(0, nullptr, nullptr, WS_CHILD, CRect(0, 0, 10, 10), &top_, 2));
  EXPECT_EQ(refusing.m_hWnd, nullptr);
  EXPECT_EQ(top_.GetDlgItem(2), nullptr);
  EXPECT_EQ(refusing.log, (std::vector<std::string>{"create 10x10", "destroy"}));
}

TEST_F(WindowTest, ResizingSendsSizeAndInvalidAreasArePaintedWhenTheQueueIsIdle) {
  MakeWindows();
  probe_.MoveWindow(0, 0, 200, 100);
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"size 200x100"}));
  afx::DrainMessages();
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"paint 0-100"}));
  const CRect band(0, 20, 200, 40);
  probe_.InvalidateRect(&band);
  probe_.UpdateWindow();
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"paint 20-40"}));
  afx::DrainMessages();
  EXPECT_TRUE(TakeLog().empty());  // nothing left to paint
}

TEST_F(WindowTest, ScrollWindowMovesWhatWasDrawnAndInvalidatesTheUncoveredBand) {
  MakeWindows();
  {
    CClientDC dc(&probe_);
    dc.TextOut(0, 32, "line three");
  }
  probe_.CreateSolidCaret(2, 16);
  CWnd::SetCaretPos(CPoint(8, 32));
  probe_.ScrollWindow(0, -16);
  const std::vector<afx::ScreenRow> rows = Headless().Screen(probe_.m_hWnd);
  EXPECT_EQ(rows[1].text, "line three");
  EXPECT_EQ(Headless().Caret().position, CPoint(8, 16));
  CRect update;
  ASSERT_TRUE(probe_.GetUpdateRect(&update));
  EXPECT_EQ(update, CRect(0, 284, 400, 300));
}

TEST_F(WindowTest, KeysGoThroughAcceleratorsFirstThenBecomeKeysAndCharacters) {
  MakeWindows();
  probe_.accelerators = LoadAccelerators(nullptr, MAKEINTRESOURCE(7001));
  ASSERT_NE(probe_.accelerators, nullptr);
  Headless().Key({'S', true, false, false});
  EXPECT_EQ(probe_.commands, (std::vector<UINT>{kCommandSave}));
  EXPECT_TRUE(TakeLog().empty());  // the accelerator took the key: no key message, no character
  EXPECT_TRUE(probe_.chars.empty());

  Headless().Key({'A', false, true, false});
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"key 65"}));
  EXPECT_TRUE(probe_.shift_seen);
  EXPECT_EQ(probe_.chars, (std::vector<UINT>{'A'}));
  Headless().Key({'A', false, false, false});
  EXPECT_FALSE(probe_.shift_seen);
  TakeLog();

  Headless().Key({VK_F2, false, false, true});
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"syskey 113"}));
  probe_.chars.clear();
  Headless().Type("G한");
  EXPECT_EQ(probe_.chars, (std::vector<UINT>{'G', 0xD55C}));
}

TEST_F(WindowTest, ClicksLandInClientCoordinatesAndCaptureKeepsTheDragOnTheWindow) {
  MakeWindows();
  Headless().Click(30, 40, {0, true, false, false});
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"down", "up"}));
  EXPECT_EQ(probe_.last_point, CPoint(30, 40));
  EXPECT_EQ(probe_.last_flags, MK_LBUTTON | MK_CONTROL);

  // Captured, the drag still reaches the window far outside it.
  Headless().Drag(10, 10, 10, -90);
  EXPECT_EQ(TakeLog(),
            (std::vector<std::string>{"down", "move 10,-15", "move 10,-40", "move 10,-65", "move 10,-90", "up"}));
  EXPECT_EQ(CWnd::GetCapture(), nullptr);

  Headless().DoubleClick(5, 5);
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"down", "up", "double", "up"}));
  Headless().Wheel(-120);
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"wheel -120"}));
}

TEST_F(WindowTest, WithoutDoubleClickStyleASecondClickIsAnotherPress) {
  MakeWindows(0);
  Headless().DoubleClick(5, 5);
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"down", "up", "down", "up"}));
}

TEST_F(WindowTest, TimersFireOnTheClockUntilKilledAndGoWithTheirWindow) {
  MakeWindows();
  EXPECT_EQ(probe_.SetTimer(1001, 100), 1001u);
  Headless().AdvanceClock(350);
  EXPECT_EQ(probe_.timer_hits, 3);
  probe_.KillTimer(1001);
  Headless().AdvanceClock(500);
  EXPECT_EQ(probe_.timer_hits, 3);
  probe_.SetTimer(7, 10);
  HWND window = probe_.m_hWnd;
  probe_.DestroyWindow();
  EXPECT_TRUE(Headless().TimersOf(window).empty());
  Headless().AdvanceClock(100);
  EXPECT_EQ(probe_.timer_hits, 3);
}

TEST_F(WindowTest, TheCaretShowsOnlyWhenShowsOutnumberHidesAndGoesWithItsWindow) {
  MakeWindows();
  probe_.CreateSolidCaret(2, 16);
  EXPECT_FALSE(Headless().Caret().Visible());  // a new caret starts hidden
  probe_.ShowCaret();
  EXPECT_TRUE(Headless().Caret().Visible());
  probe_.HideCaret();
  probe_.HideCaret();
  probe_.ShowCaret();
  EXPECT_FALSE(Headless().Caret().Visible());
  probe_.ShowCaret();
  CWnd::SetCaretPos(CPoint(24, 48));
  EXPECT_EQ(Headless().Caret().position, CPoint(24, 48));
  EXPECT_EQ(Headless().Caret().size, CSize(2, 16));
  probe_.DestroyWindow();
  EXPECT_EQ(Headless().Caret().owner, nullptr);
}

TEST_F(WindowTest, FocusMovesWithMessagesToBothWindowsAndKeyboardInputFollowsIt) {
  MakeWindows();
  Probe other;
  ASSERT_TRUE(other.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &top_, 3));
  other.SetFocus();
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"lost focus"}));
  EXPECT_EQ(other.log.back(), "focus");
  Headless().Key({'X', false, false, false});
  EXPECT_EQ(other.chars, (std::vector<UINT>{'x'}));
}

TEST_F(WindowTest, ScrollBarsKeepThePositionInsideTheRangeLessThePage) {
  MakeWindows();
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = 99;
  info.nPage = 20;
  info.nPos = 95;
  probe_.SetScrollInfo(SB_VERT, &info);
  EXPECT_EQ(probe_.GetScrollPos(SB_VERT), 80);
  EXPECT_EQ(probe_.GetScrollLimit(SB_VERT), 80);
  EXPECT_EQ(probe_.SetScrollPos(SB_VERT, -5), 80);
  EXPECT_EQ(probe_.GetScrollPos(SB_VERT), 0);
  info.nPage = 100;
  probe_.SetScrollInfo(SB_VERT, &info);  // everything fits: the bar goes
  EXPECT_FALSE(afx::RecordOf(probe_.m_hWnd)->scroll_bars[SB_VERT].shown);
}

TEST_F(WindowTest, MenusLoadFromResourcesAndAPopupReturnsTheChosenEnabledCommand) {
  MakeWindows();
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(7002));
  CMenu* file = menu.GetSubMenu(0);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->GetMenuItemCount(), 3u);
  EXPECT_EQ(file->GetMenuItemID(1), 0u);  // the separator
  CString text;
  file->GetMenuString(kCommandSave, text, MF_BYCOMMAND);
  EXPECT_EQ(text, "Save");

  Headless().SetPopupChoice(kCommandSave);
  EXPECT_EQ(static_cast<UINT>(file->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &probe_)), kCommandSave);
  file->EnableMenuItem(kCommandSave, MF_BYCOMMAND | MF_GRAYED);
  EXPECT_EQ(file->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &probe_), 0);  // a greyed item cannot be chosen
  file->EnableMenuItem(kCommandSave, MF_BYCOMMAND | MF_ENABLED);
  file->TrackPopupMenu(0, 0, 0, &probe_);
  afx::DrainMessages();
  EXPECT_EQ(probe_.commands, (std::vector<UINT>{kCommandSave}));
  Headless().SetPopupChoice(0);
  ASSERT_TRUE(Headless().LastPopup().has_value());
  EXPECT_EQ(Headless().LastPopup()->items[1], "-");
}

TEST_F(WindowTest, TheClipboardHoldsTextAndTakesTheBlocksItIsGiven) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_FALSE(OpenClipboard(nullptr));  // one owner at a time
  EmptyClipboard();
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  HGLOBAL block = afx::GlobalFromText("G01 X1.", 7);
  ASSERT_NE(SetClipboardData(CF_TEXT, block), nullptr);
  EXPECT_EQ(GlobalSize(block), 0u);  // the clipboard took and freed it
  CloseClipboard();
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);  // closed
  ASSERT_TRUE(OpenClipboard(nullptr));
  HGLOBAL read = static_cast<HGLOBAL>(GetClipboardData(CF_TEXT));
  std::string text;
  ASSERT_TRUE(afx::TextFromGlobal(read, &text));
  EXPECT_EQ(text, "G01 X1.");
  CloseClipboard();
}

// A drop target that takes text and tells what it was given.
class TextTarget : public COleDropTarget {
 public:
  std::string dropped;
  CPoint at;
  DROPEFFECT OnDragEnter(CWnd*, COleDataObject* data, DWORD keys, CPoint) override {
    if (!data->IsDataAvailable(CF_TEXT)) return DROPEFFECT_NONE;
    return (keys & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
  }
  DROPEFFECT OnDragOver(CWnd* window, COleDataObject* data, DWORD keys, CPoint point) override {
    return OnDragEnter(window, data, keys, point);
  }
  BOOL OnDrop(CWnd*, COleDataObject* data, DROPEFFECT, CPoint point) override {
    HGLOBAL block = data->GetGlobalData(CF_TEXT);
    afx::TextFromGlobal(block, &dropped);
    GlobalFree(block);
    at = point;
    return TRUE;
  }
};

// A window that starts a drag of its text on the first move with the button down.
class DragSource : public CWnd {
 public:
  DROPEFFECT effect = 12345;

 protected:
  afx_msg void OnMouseMove(UINT nFlags, CPoint) {
    if (!(nFlags & MK_LBUTTON) || effect != 12345) return;
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, afx::GlobalFromText("X10.", 4));
    effect = source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DragSource, CWnd)
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

TEST_F(WindowTest, ADragStartedByTheProgramDropsWhereTheGestureEnds) {
  ASSERT_TRUE(top_.CreateEx(0, nullptr, "top", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 200), nullptr, 0));
  DragSource source;
  ASSERT_TRUE(source.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &top_, 1));
  CWnd target_window;
  ASSERT_TRUE(target_window.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(200, 0, 400, 200), &top_, 2));
  TextTarget target;
  ASSERT_TRUE(target.Register(&target_window));
  EXPECT_FALSE(TextTarget().Register(&target_window));  // one target a window
  source.SetFocus();
  Headless().Drag(10, 10, 250, 30);
  EXPECT_EQ(source.effect, DROPEFFECT_MOVE);
  EXPECT_EQ(target.dropped, "X10.");
  EXPECT_EQ(target.at, CPoint(50, 30));

  source.effect = 12345;
  Headless().Drag(10, 10, 250, 30, {0, true, false, false});
  EXPECT_EQ(source.effect, DROPEFFECT_COPY);
  source.effect = 12345;
  Headless().Drag(10, 10, 20, 30);  // dropped where nobody takes drops
  EXPECT_EQ(source.effect, DROPEFFECT_NONE);
}

TEST_F(WindowTest, TheScreenLinePrintsTheFocusedWindowsTextWithItsColourRuns) {
  MakeWindows();
  {
    CClientDC dc(&probe_);
    dc.FillSolidRect(0, 0, 400, 16, RGB(192, 192, 192));
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(0, 0, "000001");
    dc.SetBkMode(OPAQUE);
    dc.SetTextColor(RGB(255, 0, 255));
    dc.SetBkColor(RGB(255, 255, 255));
    dc.TextOut(64, 0, "G01");
  }
  const std::vector<std::string> lines = Headless().ScreenText();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "[screen 50x18]");
  EXPECT_EQ(lines[1], "000001  G01  {0 000000/C0C0C0; 8 FF00FF/FFFFFF; 11 000000/C0C0C0}");
}

}  // namespace
