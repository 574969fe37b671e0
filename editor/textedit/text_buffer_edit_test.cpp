#include <gtest/gtest.h>

#include <memory>

#include "editor/textedit/text_buffer.h"
#include "editor/textedit/text_buffer_test_support.h"

namespace {

using textedit_test::Joined;
using textedit_test::Lines;
using textedit_test::RecordingView;
using Strings = std::vector<std::string>;

class TextBufferEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    buffer_.InitNew(0);
    buffer_.AttachView(&view_);
  }
  void Fill(const Strings& lines) {
    buffer_.FreeAll();
    buffer_.InitNew(0);
    buffer_.AppendToLine(0, lines[0].c_str());
    for (size_t i = 1; i < lines.size(); ++i) buffer_.AppendLineRecord(lines[i].c_str());
    view_.notices.clear();
  }
  TextPosition Insert(int line, int column, const char* text) {
    TextPosition end{-1, -1};
    EXPECT_TRUE(buffer_.InsertText(&view_, line, column, text, end.line, end.column, ActionPaste));
    return end;
  }

  CVellumTextBuffer buffer_;
  RecordingView view_;
};

TEST_F(TextBufferEdit, InsertBreaksAtCrLfOnlyAndKeepsLoneCrAndLfBytes) {
  Fill({"G01 X1"});
  view_.caret = {4, 0};
  const TextPosition end = Insert(0, 4, "Y2\r\nZ3\rF\nS ");
  EXPECT_EQ(Lines(buffer_), (Strings{"G01 Y2", "Z3\rF\nS X1"}));
  EXPECT_EQ(end, (TextPosition{7, 1}));
  ASSERT_EQ(view_.notices.size(), 1u);
  EXPECT_EQ(view_.notices[0].flags, DWORD{UpdateLineCount | UpdateInLine});
  EXPECT_EQ(view_.notices[0].line, 0);
  EXPECT_EQ(view_.notices[0].source, &view_);
  EXPECT_EQ(view_.caret, (TextPosition{4, 0}));  // at the insertion point: stays
  EXPECT_TRUE(buffer_.IsModified());

  view_.notices.clear();
  view_.caret = {6, 0};
  EXPECT_EQ(Insert(0, 0, "N1 "), (TextPosition{3, 0}));
  EXPECT_EQ(view_.notices[0].flags, DWORD{UpdateOneLine | UpdateInLine});
  EXPECT_EQ(view_.caret, (TextPosition{9, 0}));
}

TEST_F(TextBufferEdit, DeleteJoinsLinesAndNotifies) {
  Fill({"abc", "def", "ghi"});
  view_.caret = {2, 2};
  ASSERT_TRUE(buffer_.DeleteText(&view_, 0, 1, 2, 1, ActionDelete));
  EXPECT_EQ(Lines(buffer_), (Strings{"ahi"}));
  EXPECT_EQ(view_.notices.back().flags, DWORD{UpdateLineCount | UpdateInLine});
  EXPECT_EQ(view_.caret, (TextPosition{2, 0}));

  ASSERT_TRUE(buffer_.DeleteText(&view_, 0, 1, 0, 2));
  EXPECT_EQ(Lines(buffer_), (Strings{"ai"}));
  EXPECT_EQ(view_.notices.back().flags, DWORD{UpdateOneLine | UpdateInLine});
  EXPECT_EQ(buffer_.GetUndoRecord(0).text, "bc\r\ndef\r\ng");
}

TEST_F(TextBufferEdit, PositionsOutsideTheTextAreRefused) {
  Fill({"abc"});
  int end_line = 0, end_column = 0;
  EXPECT_FALSE(buffer_.InsertText(&view_, 1, 0, "x", end_line, end_column));
  EXPECT_FALSE(buffer_.InsertText(&view_, 0, 4, "x", end_line, end_column));
  EXPECT_FALSE(buffer_.InsertText(&view_, 0, 0, nullptr, end_line, end_column));
  EXPECT_FALSE(buffer_.DeleteText(&view_, 0, 2, 0, 1));
  EXPECT_FALSE(buffer_.DeleteText(&view_, 0, 0, 3, 0));
  EXPECT_EQ(Lines(buffer_), (Strings{"abc"}));
  EXPECT_TRUE(view_.notices.empty());
  EXPECT_FALSE(buffer_.HasUndo());
}

TEST_F(TextBufferEdit, CopyRangeJoinsWithTheGivenEnding) {
  Fill({"abc", "", "def"});
  CString text;
  buffer_.CopyRange(0, 1, 2, 2, text);
  EXPECT_EQ(text.str(), "bc\r\n\r\nde");
  buffer_.CopyRange(0, 1, 2, 2, text, "\n");
  EXPECT_EQ(text.str(), "bc\n\nde");
  buffer_.CopyRange(2, 2, 0, 1, text);
  EXPECT_TRUE(text.IsEmpty());
}

TEST_F(TextBufferEdit, NeverSplitsAMultiByteCharacter) {
  Fill({"X\xC3\xA9\xE2\x82\xACZ"});  // X é € Z
  CString text;
  buffer_.CopyRange(0, 2, 0, 4, text);
  EXPECT_EQ(text.str(), "\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(Insert(0, 4, "-"), (TextPosition{4, 0}));
  EXPECT_EQ(Joined(buffer_), "X\xC3\xA9-\xE2\x82\xACZ");
  ASSERT_TRUE(buffer_.DeleteText(&view_, 0, 2, 0, 6));
  EXPECT_EQ(Joined(buffer_), "XZ");
  // A stray continuation byte is a character of its own.
  Fill(
      {"a\x80"
       "b"});
  ASSERT_TRUE(buffer_.DeleteText(&view_, 0, 1, 0, 2));
  EXPECT_EQ(Joined(buffer_), "ab");
}

TEST_F(TextBufferEdit, ExclusiveFlagMovesBetweenLines) {
  Fill({"a", "b", "c"});
  const DWORD bookmark3 = LineBookmarkFlag(3);
  buffer_.SetLineFlagBit(0, bookmark3, TRUE);
  buffer_.SetLineFlagBit(2, bookmark3, TRUE);
  EXPECT_EQ(buffer_.LineFlags(0), 0u);
  EXPECT_EQ(buffer_.LineFlags(2), bookmark3);
  ASSERT_EQ(view_.notices.size(), 3u);
  EXPECT_EQ(view_.notices[1].flags, DWORD{UpdateOneLine | UpdateFlagsOnly});
  EXPECT_EQ(view_.notices[1].line, 0);
  EXPECT_EQ(view_.notices[2].line, 2);

  buffer_.SetLineFlagBit(1, bookmark3 | LF_BOOKMARK, TRUE);  // two bits: ignored
  buffer_.SetLineFlagBit(2, bookmark3, TRUE);                // no change: no notice
  EXPECT_EQ(view_.notices.size(), 3u);
  EXPECT_EQ(buffer_.FindLineWithFlag(bookmark3), 2);
  buffer_.SetLineFlagBit(-1, bookmark3, FALSE);
  EXPECT_EQ(buffer_.FindLineWithFlag(bookmark3), -1);
}

TEST_F(TextBufferEdit, BookmarkSearchWrapsAround) {
  Fill({"0", "1", "2", "3", "4"});
  EXPECT_EQ(buffer_.NextBookmarkLine(0), -1);
  buffer_.SetLineFlagBit(1, LF_BOOKMARK, TRUE, FALSE);
  buffer_.SetLineFlagBit(3, LF_BOOKMARK, TRUE, FALSE);
  EXPECT_EQ(buffer_.NextBookmarkLine(1), 3);
  EXPECT_EQ(buffer_.NextBookmarkLine(2), 3);
  EXPECT_EQ(buffer_.NextBookmarkLine(3), 1);
  EXPECT_EQ(buffer_.PrevBookmarkLine(3), 1);
  EXPECT_EQ(buffer_.PrevBookmarkLine(1), 3);
  EXPECT_EQ(buffer_.PrevBookmarkLine(0), 3);
}

TEST_F(TextBufferEdit, ResetsNotifyAndFreeAllEmpties) {
  view_.notices.clear();
  buffer_.InitNew(2);
  ASSERT_EQ(view_.notices.size(), 1u);
  EXPECT_EQ(view_.notices[0].flags, DWORD{UpdateReset});
  EXPECT_EQ(view_.notices[0].line, -1);
  Insert(0, 0, "x");
  buffer_.FreeAll();
  EXPECT_EQ(buffer_.LineCount(), 0);
  EXPECT_FALSE(buffer_.IsInitialised());
  EXPECT_FALSE(buffer_.HasUndo());
  buffer_.DetachView(&view_);
  view_.notices.clear();
  buffer_.InitNew(0);
  EXPECT_TRUE(view_.notices.empty());

  std::unique_ptr<CObject> made(CRuntimeClass::CreateObject("CVellumTextBuffer"));
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
}

}  // namespace
