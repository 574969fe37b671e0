// The view's commands that change no text: find next and previous,
// bookmarks, copy, select all and whole lines, the margin toggle, the font
// size, the status-bar indicators and the context menu.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/textedit/line_ending.h"
#include "editor/textedit/view/text_view_test_support.h"
#include "platform/win/registry/registry.h"

namespace textview_test {
namespace {

const std::vector<std::string> kProgram = {"G01 X10. g01", "N20 G01X5. G01", "(G01 a) G012", "M30 가나 G01", "",
                                           "N60 G01"};

class TextViewCommands : public TextViewTest {
 protected:
  void SetUp() override { Show(kProgram, 40, 10); }
  std::string Caret() { return Describe(view_->GetCursorPosition()); }
  std::string SelectionText() {
    TextPosition start;
    TextPosition end;
    view_->GetSelection(start, end);
    return Describe(start) + "-" + Describe(end);
  }
  CCmdUI Update(UINT id) {
    CCmdUI state;
    state.m_nID = id;
    state.DoUpdate(view_, FALSE);
    return state;
  }
};

TEST_F(TextViewCommands, FindNextAndPreviousFollowTheRememberedSearch) {
  EXPECT_FALSE(Update(ID_EDIT_REPEAT).m_bEnabled);
  view_->RememberSearch("G01", FIND_MATCH_CASE);
  EXPECT_TRUE(Update(ID_EDIT_REPEAT).m_bEnabled);
  EXPECT_TRUE(Update(ID_EDIT_FIND_PREVIOUS).m_bEnabled);
  Press("F3");
  EXPECT_EQ(SelectionText(), "(0,0)-(3,0)");
  EXPECT_EQ(Caret(), "(3,0)");
  Press("F3");
  EXPECT_EQ(SelectionText(), "(4,1)-(7,1)");
  Press("F3");
  EXPECT_EQ(SelectionText(), "(11,1)-(14,1)");
  // Previous finds the match before the selected one, not the selected one again.
  Press("Shift+F3");
  EXPECT_EQ(SelectionText(), "(4,1)-(7,1)");
  Press("Shift+F3");
  EXPECT_EQ(SelectionText(), "(0,0)-(3,0)");
  Press("Shift+F3");  // wraps to the last one
  EXPECT_EQ(SelectionText(), "(4,5)-(7,5)");
  Press("F3");  // and forwards to the first
  EXPECT_EQ(SelectionText(), "(0,0)-(3,0)");

  // Case and whole words.
  view_->RememberSearch("g01", FIND_WHOLE_WORD);
  view_->SetCursorPosition(At(8, 1));
  Press("F3");
  EXPECT_EQ(SelectionText(), "(11,1)-(14,1)");
  Press("F3");
  EXPECT_EQ(SelectionText(), "(1,2)-(4,2)");  // "G012" is no whole word
  Press("F3");
  EXPECT_EQ(SelectionText(), "(11,3)-(14,3)");
  view_->RememberSearch("g01", FIND_MATCH_CASE);
  Press("F3");
  EXPECT_EQ(SelectionText(), "(9,0)-(12,0)");
}

TEST_F(TextViewCommands, ASearchThatFindsNothingSaysSo) {
  view_->RememberSearch("G99", 0);
  view_->SetCursorPosition(At(2, 1));
  Press("F3");
  EXPECT_NE(Transcript().find("Cannot find string \"G99\""), std::string::npos) << Transcript();
  EXPECT_EQ(Caret(), "(2,1)");
  EXPECT_FALSE(view_->HasSelection());
}

TEST_F(TextViewCommands, SearchesInABlockStayInsideIt) {
  TextPosition found;
  // The block ends inside the second G01 of line 1.
  EXPECT_TRUE(view_->SearchTextInBlock("G01", At(0, 1), At(0, 1), At(13, 1), FIND_MATCH_CASE, TRUE, &found));
  EXPECT_EQ(Describe(found), "(4,1)");
  EXPECT_FALSE(view_->SearchTextInBlock("G01", At(5, 1), At(0, 1), At(13, 1), FIND_MATCH_CASE, FALSE, &found));
  EXPECT_TRUE(view_->SearchTextInBlock("G01", At(5, 1), At(0, 1), At(13, 1), FIND_MATCH_CASE, TRUE, &found));
  EXPECT_EQ(Describe(found), "(4,1)");
  EXPECT_FALSE(view_->SearchTextInBlock("G01", At(3, 1), At(4, 1), At(13, 1), FIND_DIRECTION_UP, FALSE, &found));
  EXPECT_TRUE(view_->SearchText("가나", At(0, 0), 0, FALSE, &found));
  EXPECT_EQ(Describe(found), "(4,3)");
}

TEST_F(TextViewCommands, NumberedBookmarksBelongToOneLineEach) {
  view_->SetCursorPosition(At(2, 1));
  Press("Ctrl+3");
  EXPECT_EQ(buffer_.FindLineWithFlag(LineBookmarkFlag(3)), 1);
  view_->SetCursorPosition(At(0, 5));
  Press("Ctrl+3");
  EXPECT_EQ(buffer_.FindLineWithFlag(LineBookmarkFlag(3)), 5);
  EXPECT_EQ(buffer_.LineFlags(1), 0u);
  view_->SetCursorPosition(At(3, 0));
  Press("Alt+3");
  EXPECT_EQ(Caret(), "(0,5)");
  EXPECT_FALSE(view_->HasSelection());
  Press("Ctrl+0");
  view_->SetCursorPosition(At(3, 2));
  Press("Alt+0");  // bookmark 0 is reached like the others
  EXPECT_EQ(Caret(), "(0,5)");
  Press("Ctrl+3");  // toggled off
  EXPECT_EQ(buffer_.FindLineWithFlag(LineBookmarkFlag(3)), -1);
  Command(ID_EDIT_CLEAR_BOOKMARKS);
  EXPECT_EQ(buffer_.FindLineWithFlag(LineBookmarkFlag(0)), -1);
  Press("Alt+5");  // a bookmark nobody set: nothing happens
  EXPECT_EQ(Caret(), "(0,5)");
}

TEST_F(TextViewCommands, AnonymousBookmarksToggleGoNextAndPreviousAndClear) {
  EXPECT_FALSE(Update(ID_EDIT_GOTO_NEXT_BOOKMARK).m_bEnabled);
  for (int line : {1, 3, 4}) {
    view_->SetCursorPosition(At(0, line));
    Press("Ctrl+F2");
  }
  EXPECT_TRUE(Update(ID_EDIT_GOTO_NEXT_BOOKMARK).m_bEnabled);
  EXPECT_TRUE(Update(ID_EDIT_CLEAR_ALL_BOOKMARKS).m_bEnabled);
  view_->SetCursorPosition(At(2, 0));
  Press("F2");
  EXPECT_EQ(Caret(), "(0,1)");
  Press("F2");
  EXPECT_EQ(Caret(), "(0,3)");
  Press("F2");
  Press("F2");  // round to the first again
  EXPECT_EQ(Caret(), "(0,1)");
  Press("Shift+F2");
  EXPECT_EQ(Caret(), "(0,4)");
  Press("Shift+F2");
  EXPECT_EQ(Caret(), "(0,3)");
  Press("Ctrl+F2");  // line 3 loses its bookmark
  Press("Shift+F2");
  EXPECT_EQ(Caret(), "(0,1)");
  Press("Shift+Ctrl+F2");
  EXPECT_EQ(buffer_.FindLineWithFlag(LF_BOOKMARK), -1);
  EXPECT_FALSE(Update(ID_EDIT_GOTO_PREV_BOOKMARK).m_bEnabled);
  Press("F2");
  EXPECT_EQ(Caret(), "(0,1)");
}

TEST_F(TextViewCommands, CopyPutsExactlyTheSelectionOnTheClipboard) {
  Headless().PutClipboardText("before");
  EXPECT_FALSE(Update(ID_EDIT_COPY).m_bEnabled);
  Press("Ctrl+C");  // nothing selected: the clipboard keeps its text
  EXPECT_EQ(Headless().ClipboardText(), "before");
  view_->SetSelection(At(9, 0), At(7, 3));
  EXPECT_TRUE(Update(ID_EDIT_COPY).m_bEnabled);
  Press("Ctrl+C");
  EXPECT_EQ(Headless().ClipboardText(), "g01\r\nN20 G01X5. G01\r\n(G01 a) G012\r\nM30 가");
  view_->SetSelection(At(7, 3), At(4, 3));  // set backwards
  EXPECT_TRUE(view_->HasSelection());
  Press("Ctrl+Insert");
  EXPECT_EQ(Headless().ClipboardText(), "가");
  CString read;
  EXPECT_TRUE(view_->GetClipboardText(read));
  EXPECT_EQ(read, "가");
  EXPECT_TRUE(view_->ClipboardHasText());
}

TEST_F(TextViewCommands, SelectAllAndWholeLines) {
  EXPECT_TRUE(Update(ID_EDIT_SELECT_ALL).m_bEnabled);
  view_->SetCursorPosition(At(2, 1));
  view_->SetAnchor(At(2, 1));
  Press("Ctrl+A");
  EXPECT_EQ(SelectionText(), "(0,0)-(7,5)");
  EXPECT_EQ(Caret(), "(7,5)");
  EXPECT_EQ(Describe(view_->GetAnchor()), "(2,1)");  // select all leaves the anchor
  view_->SetSelection(At(5, 1), At(2, 2));
  Command(ID_EDIT_SELECT_LINES);
  EXPECT_EQ(SelectionText(), "(0,1)-(12,2)");
}

TEST_F(TextViewCommands, TheMarginToggleMovesTheCaretAndShowsItsState) {
  EXPECT_EQ(Update(ID_VIEW_LINE_NUMBERS).m_nCheck, 1);
  view_->SetCursorPosition(At(3, 2));
  Command(ID_VIEW_LINE_NUMBERS);
  EXPECT_EQ(Update(ID_VIEW_LINE_NUMBERS).m_nCheck, 0);
  EXPECT_EQ(Caret(), "(0,0)");
  EXPECT_FALSE(view_->HasSelection());
  Command(ID_VIEW_LINE_NUMBERS);
  EXPECT_EQ(Caret(), "(0,5)");
  EXPECT_EQ(view_->TopLine(), 0);
  EXPECT_EQ(Row(0), "000001  G01 X10. g01");
}

TEST_F(TextViewCommands, TheIndicatorsShowTheCaretInCharactersAndTheLineEnding) {
  EXPECT_EQ(Update(ID_EDIT_INDICATOR_POSITION).m_strText, "Ln 1, Col 1");
  view_->SetCursorPosition(At(10, 3));  // behind "M30 가나"
  EXPECT_EQ(Update(ID_EDIT_INDICATOR_POSITION).m_strText, "Ln 4, Col 7");
  const std::vector<std::pair<std::string, std::string>> files = {
      {"a\r\nb", "DOS"}, {"a\nb", "UNIX"}, {"a\rb", "MAC"}, {"a\n\rb", "LF CR"}, {"ab", "DOS"}};
  for (const auto& [bytes, label] : files) {
    const std::string path = folder_ / "ending.nc";
    std::ofstream(path, std::ios::binary) << bytes;
    ASSERT_TRUE(buffer_.LoadFromFile(path.c_str()));
    const CCmdUI state = Update(ID_EDIT_INDICATOR_CRLF);
    EXPECT_EQ(state.m_strText, label.c_str()) << bytes;
    EXPECT_TRUE(state.m_bEnabled);
  }
  view_->UnbindBuffer();
  EXPECT_FALSE(Update(ID_EDIT_INDICATOR_CRLF).m_bEnabled);
}

TEST_F(TextViewCommands, TheFontSizeCommandKeepsTheChosenSizeButNotTheFont) {
  const CString face = view_->GetTextFont().lfFaceName;
  UseScript("set " + std::to_string(IDC_FONT_SIZE) + " 12\nok\n");
  Command(ID_VIEW_FONT_SIZE);
  EXPECT_EQ(view_->GetPointSize(), 120);
  EXPECT_EQ(CString(view_->GetTextFont().lfFaceName), face);
  UseScript("cancel\n");
  Command(ID_VIEW_FONT_SIZE);
  EXPECT_EQ(view_->GetPointSize(), 120);
}

constexpr UINT kMenuResource = 5601;
const MenuResourceRegistration kMenuBar(kMenuResource,
                                        {res::Popup("파일", {res::Item("새 파일", ID_FILE_NEW)}),
                                         res::Popup("편집", {res::Item("복사하기", ID_EDIT_COPY)}),
                                         res::Popup("보기", {res::Item("라인번호(N)", ID_VIEW_LINE_NUMBERS)})});

TEST_F(TextViewCommands, TheContextMenuIsChosenByTheViewsFlagNotByItsSize) {
  CWinApp app("context");
  app.m_pMainWnd = &frame_;
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(kMenuResource));
  frame_.SetMenu(&menu);
  view_->SetSelection(At(0, 0), At(3, 0));
  Headless().RightClick(Cell(1, 0).x, Cell(1, 0).y);  // inside the selection: it stays
  ASSERT_TRUE(Headless().LastPopup().has_value());
  EXPECT_EQ(Headless().LastPopup()->items, (std::vector<std::string>{"복사하기 57634"}));
  EXPECT_EQ(SelectionText(), "(0,0)-(3,0)");

  // The sizes that once chose the other menu change nothing.
  view_->MoveWindow(0, 0, 731, 614);
  afx::DrainMessages();
  Headless().RightClick(Cell(6, 1).x, Cell(6, 1).y);  // outside: the caret goes there
  EXPECT_EQ(Headless().LastPopup()->items, (std::vector<std::string>{"복사하기 57634"}));
  EXPECT_EQ(Caret(), "(6,1)");
  EXPECT_FALSE(view_->HasSelection());

  view_->SetAlternateContextMenu(TRUE);
  Headless().RightClick(Cell(6, 1).x, Cell(6, 1).y);
  EXPECT_EQ(Headless().LastPopup()->items, (std::vector<std::string>{"라인번호(N) 32837"}));
  frame_.SetMenu(nullptr);
  app.m_pMainWnd = nullptr;
}

TEST_F(TextViewCommands, OnlyNcCodeZeroInTheRegistryStartsAViewWithoutNcColouring) {
  const auto colouring_off_with = [](const char* value) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmora\\Quellpad", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                             &key, nullptr),
              ERROR_SUCCESS);
    if (value != nullptr) {
      RegSetValueEx(key, "NcCode", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                    static_cast<DWORD>(std::strlen(value) + 1));
    } else {
      RegDeleteValue(key, "NcCode");
    }
    RegCloseKey(key);
    const CVellumTextView view;
    return view.GetNoNcColouring() != FALSE;
  };
  EXPECT_TRUE(colouring_off_with("0"));
  EXPECT_FALSE(colouring_off_with("1"));
  EXPECT_FALSE(colouring_off_with("00"));
  EXPECT_FALSE(colouring_off_with(nullptr));
}

}  // namespace
}  // namespace textview_test
