#include <gtest/gtest.h>

#include "editor/textedit/text_buffer.h"
#include "editor/textedit/text_buffer_test_support.h"

namespace {

using textedit_test::Joined;
using textedit_test::Lines;
using textedit_test::ReadBytes;
using textedit_test::RecordingUi;
using textedit_test::RecordingView;
using textedit_test::ScratchFolder;
using textedit_test::WriteBytes;
using Strings = std::vector<std::string>;

class TextBufferUndo : public ::testing::Test {
 protected:
  void SetUp() override { buffer_.InitNew(0); }

  void Load(const std::string& bytes) {
    WriteBytes(path_, bytes);
    ASSERT_TRUE(buffer_.LoadFromFile(path_.c_str()));
  }
  // One key press as the editing view does it: blanks start a new step,
  // other characters join the step before.
  void Type(char ch) {
    buffer_.BeginUndoGroup(ch != ' ');
    const char text[] = {ch, '\0'};
    int end_line = 0, end_column = 0;
    ASSERT_TRUE(buffer_.InsertText(&view_, caret_.line, caret_.column, text, end_line, end_column, ActionTyping));
    caret_ = {end_column, end_line};
    buffer_.FlushUndoGroup(&view_);
  }
  void Type(const std::string& text) {
    for (const char ch : text) Type(ch);
  }
  void Undo() {
    ASSERT_TRUE(buffer_.HasUndo());
    ASSERT_TRUE(buffer_.UndoStep(caret_));
  }
  void Redo() {
    ASSERT_TRUE(buffer_.HasRedo());
    ASSERT_TRUE(buffer_.RedoStep(caret_));
  }
  void DeleteAll(int action = ActionCut) {
    const int last = buffer_.LineCount() - 1;
    ASSERT_TRUE(buffer_.DeleteText(&view_, 0, 0, last, buffer_.LineLength(last), action));
  }

  ScratchFolder folder_;
  std::string path_ = folder_.File("part.nc");
  CVellumTextBuffer buffer_;
  RecordingView view_;
  RecordingUi ui_;
  ui::ScopedUiDriver ui_scope_{ui_};
  TextPosition caret_;
};

TEST_F(TextBufferUndo, MergedTypingUndoesWordByWord) {
  Type("ab cd");
  EXPECT_EQ(Joined(buffer_), "ab cd");
  Undo();
  EXPECT_EQ(Joined(buffer_), "ab");
  EXPECT_EQ(caret_, (TextPosition{2, 0}));
  Undo();
  EXPECT_EQ(Joined(buffer_), "");
  EXPECT_FALSE(buffer_.HasUndo());
  Redo();
  EXPECT_EQ(Joined(buffer_), "ab");
  Redo();
  EXPECT_EQ(Joined(buffer_), "ab cd");
  EXPECT_EQ(caret_, (TextPosition{5, 0}));
  EXPECT_FALSE(buffer_.HasRedo());
}

TEST_F(TextBufferUndo, NewEditForgetsTheRedoPart) {
  Type("a b c");
  Undo();
  Undo();
  EXPECT_EQ(Joined(buffer_), "a");
  Type('x');
  EXPECT_FALSE(buffer_.HasRedo());
  EXPECT_EQ(buffer_.UndoRecordCount(), 2);
  Undo();
  EXPECT_EQ(Joined(buffer_), "");

  // Outside a group every edit is a step of its own; a paste undoes whole.
  int end_line = 0, end_column = 0;
  buffer_.InsertText(nullptr, 0, 0, "a", end_line, end_column);
  buffer_.InsertText(nullptr, 0, 1, "X1\r\nY2\r\nZ3", end_line, end_column, ActionPaste);
  Undo();
  EXPECT_EQ(Lines(buffer_), (Strings{"a"}));
  EXPECT_EQ(caret_, (TextPosition{1, 0}));
}

TEST_F(TextBufferUndo, DeletedLinesComeBackExactly) {
  // A lone CR, a NUL and a CR LF inside a line must all survive the round trip.
  const std::string files[] = {"a\r\r\nb\r\n", std::string("x\0y\r\n\0\r\nz", 9), "a\n\rb\r\nc\n\r", "G0\nG1\n"};
  for (const std::string& bytes : files) {
    Load(bytes);
    const Strings before = Lines(buffer_);
    DeleteAll();
    EXPECT_EQ(buffer_.LineCount(), 1);
    Undo();
    EXPECT_EQ(Lines(buffer_), before);
    const int last = buffer_.LineCount() - 1;
    EXPECT_EQ(caret_, (TextPosition{buffer_.LineLength(last), last}));
    Redo();
    Undo();
    ASSERT_TRUE(buffer_.SaveToFile(path_.c_str()));
    EXPECT_EQ(ReadBytes(path_), bytes);
  }
}

TEST_F(TextBufferUndo, SingleCharacterDeletionIsReinserted) {
  Type("G1");
  ASSERT_TRUE(buffer_.DeleteText(&view_, 0, 0, 0, 1, ActionDelete));
  EXPECT_EQ(buffer_.GetUndoRecord(buffer_.UndoRecordCount() - 1).text, "G");
  Undo();
  EXPECT_EQ(Joined(buffer_), "G1");
  EXPECT_EQ(caret_, (TextPosition{1, 0}));
}

TEST_F(TextBufferUndo, RecordLimitDropsTheWholeOldestGroup) {
  buffer_.BeginUndoGroup();
  int end_line = 0, end_column = 0;
  for (int i = 0; i < 4; ++i) buffer_.InsertText(nullptr, 0, i, "a", end_line, end_column);
  buffer_.FlushUndoGroup(&view_);
  for (int i = 0; i < CVellumTextBuffer::kUndoLimit - 4; ++i) {
    buffer_.InsertText(nullptr, 0, 0, "b", end_line, end_column);
  }
  ASSERT_EQ(buffer_.UndoRecordCount(), CVellumTextBuffer::kUndoLimit);
  buffer_.InsertText(nullptr, 0, 0, "c", end_line, end_column);
  EXPECT_EQ(buffer_.UndoRecordCount(), CVellumTextBuffer::kUndoLimit - 3);
  EXPECT_TRUE(buffer_.GetUndoRecord(0).StartsGroup());
  EXPECT_EQ(buffer_.GetUndoRecord(0).text, "b");
  while (buffer_.HasUndo()) Undo();
  EXPECT_EQ(Joined(buffer_), "aaaa");
}

TEST_F(TextBufferUndo, GroupBeingBuiltIsNeverCut) {
  Type("G0 ");
  buffer_.SetUndoLimit(8);
  buffer_.BeginUndoGroup();
  int end_line = 0, end_column = 0;
  for (int i = 0; i < 20; ++i) buffer_.InsertText(nullptr, 0, 0, "x", end_line, end_column, ActionReplace);
  buffer_.FlushUndoGroup(&view_);
  EXPECT_EQ(buffer_.UndoRecordCount(), 20);  // the older steps went, this one stays whole
  Undo();
  EXPECT_EQ(Joined(buffer_), "G0 ");
}

TEST_F(TextBufferUndo, UndoToTheSavePointClearsModified) {
  Load("N1\r\n");
  caret_ = {2, 0};
  Type(" X");
  ASSERT_TRUE(buffer_.SaveToFile(path_.c_str()));
  Type(" Y");
  EXPECT_TRUE(buffer_.IsModified());
  Undo();
  EXPECT_FALSE(buffer_.IsModified());
  Undo();
  EXPECT_TRUE(buffer_.IsModified());
  Redo();
  EXPECT_FALSE(buffer_.IsModified());
  Redo();
  EXPECT_TRUE(buffer_.IsModified());
}

TEST_F(TextBufferUndo, SavedTextForgottenWithTheRedoPartStaysModified) {
  Load("");
  Type('a');
  ASSERT_TRUE(buffer_.SaveToFile(path_.c_str()));
  Undo();
  Type('b');
  Undo();
  Redo();
  EXPECT_EQ(Joined(buffer_), "b");
  EXPECT_EQ(ReadBytes(path_), "a");
  EXPECT_TRUE(buffer_.IsModified());
}

TEST_F(TextBufferUndo, SavePointFollowsDroppedGroups) {
  Load("");
  buffer_.SetUndoLimit(4);  // two steps of two records each
  Type(" 1");
  ASSERT_TRUE(buffer_.SaveToFile(path_.c_str()));
  Type(" 2");
  Type(" 3");  // drops the first step
  Undo();
  Undo();
  EXPECT_EQ(Joined(buffer_), " 1");
  EXPECT_FALSE(buffer_.IsModified());
  Redo();
  Redo();
  Type(" 4");  // drops the step that led to the saved text
  while (buffer_.HasUndo()) Undo();
  EXPECT_EQ(Joined(buffer_), " 1 2");
  EXPECT_TRUE(buffer_.IsModified());
}

TEST_F(TextBufferUndo, MenuTextsNameTheAction) {
  EXPECT_EQ(buffer_.UndoMenuText().str(), "&Undo\tCtrl+Z");
  EXPECT_EQ(buffer_.RedoMenuText().str(), "&Redo\tCtrl+Y");
  buffer_.BeginUndoGroup();
  int end_line = 0, end_column = 0;
  buffer_.InsertText(nullptr, 0, 0, "ab", end_line, end_column, ActionPaste);
  buffer_.DeleteText(nullptr, 0, 0, 0, 1, ActionDeleteSelection);
  buffer_.FlushUndoGroup(&view_);
  EXPECT_EQ(buffer_.UndoMenuText().str(), "&Undo Paste\tCtrl+Z");
  Undo();
  EXPECT_EQ(buffer_.RedoMenuText().str(), "&Redo Paste\tCtrl+Y");
  CString label;
  EXPECT_FALSE(buffer_.UndoActionText(99, label));
  EXPECT_TRUE(buffer_.UndoActionText(ActionAutoIndent, label));
  EXPECT_EQ(label.str(), "Auto Indent");
}

TEST_F(TextBufferUndo, FlushTellsTheViewTheLastRecord) {
  Type('x');
  ASSERT_EQ(view_.actions.size(), 1u);
  EXPECT_EQ(view_.actions[0], (std::pair<int, std::string>{ActionTyping, "x"}));
  buffer_.BeginUndoGroup();
  buffer_.FlushUndoGroup(nullptr);
  EXPECT_EQ(view_.actions.size(), 1u);
}

TEST_F(TextBufferUndo, ReadOnlyBufferRefusesUndo) {
  Type('x');
  buffer_.SetReadOnly(TRUE);
  EXPECT_FALSE(buffer_.UndoStep(caret_));
  EXPECT_EQ(Joined(buffer_), "x");
  EXPECT_EQ(buffer_.UndoPosition(), 1);
}

}  // namespace
