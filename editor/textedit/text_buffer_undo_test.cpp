#include <gtest/gtest.h>

#include <algorithm>
#include <random>

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

// Random edits of a loaded file, its lines still pointing into the file's
// bytes or copied out, against a plain model of lines and bookmarks; undoing
// them all gives the file back byte for byte.
TEST_F(TextBufferUndo, EditsOfALoadedFileFollowAModelAndUndoToItsBytes) {
  const std::string file = "N1 G0 X0\r\nN2 (a\rlone CR)\r\n\r\nN4 G1 X5\nY6\r\nN5 M30";  // no final ending
  Load(file);
  buffer_.SetUndoLimit(1 << 20);  // every step stays undoable
  Strings model = Lines(buffer_);
  ASSERT_EQ(model, (Strings{"N1 G0 X0", "N2 (a\rlone CR)", "", "N4 G1 X5\nY6", "N5 M30"}));
  std::vector<bool> marks(model.size());
  std::mt19937 random(5);
  const auto pick = [&](size_t count) { return static_cast<int>(random() % count); };
  const auto position = [&] {
    const int line = pick(model.size());
    return TextPosition{pick(model[static_cast<size_t>(line)].size() + 1), line};
  };
  const Strings pieces = {"G", "X1.5", "\r\n", "\r", "\n", "N9\r\nG2\r\n", ""};
  for (int step = 0; step < 3000; ++step) {
    const int kind = pick(5);
    if (kind <= 1) {
      const TextPosition at = position();
      const std::string text = pieces[static_cast<size_t>(pick(pieces.size()))];
      int end_line = 0, end_column = 0;
      ASSERT_TRUE(buffer_.InsertText(&view_, at.line, at.column, text.c_str(), end_line, end_column));
      std::string& line = model[static_cast<size_t>(at.line)];
      const std::string tail = line.substr(static_cast<size_t>(at.column));
      line.resize(static_cast<size_t>(at.column));
      size_t row = static_cast<size_t>(at.line);
      size_t from = 0;
      for (size_t stop = text.find("\r\n"); stop != std::string::npos; stop = text.find("\r\n", from)) {
        model[row] += text.substr(from, stop - from);
        model.insert(model.begin() + static_cast<std::ptrdiff_t>(++row), "");
        marks.insert(marks.begin() + static_cast<std::ptrdiff_t>(row), false);
        from = stop + 2;
      }
      model[row] += text.substr(from) + tail;
    } else if (kind <= 3) {
      TextPosition start = position();
      TextPosition end = position();
      if (end < start) std::swap(start, end);
      if (kind == 3) {  // inside one line
        end.line = start.line;
        end.column = std::clamp(end.column, start.column, static_cast<int>(model[static_cast<size_t>(end.line)].size()));
      }
      ASSERT_TRUE(buffer_.DeleteText(&view_, start.line, start.column, end.line, end.column));
      const std::string tail = model[static_cast<size_t>(end.line)].substr(static_cast<size_t>(end.column));
      model[static_cast<size_t>(start.line)].resize(static_cast<size_t>(start.column));
      model[static_cast<size_t>(start.line)] += tail;
      model.erase(model.begin() + start.line + 1, model.begin() + end.line + 1);
      marks.erase(marks.begin() + start.line + 1, marks.begin() + end.line + 1);
    } else {
      const int line = pick(model.size());
      marks[static_cast<size_t>(line)] = !marks[static_cast<size_t>(line)];
      buffer_.SetLineFlagBit(line, LF_BOOKMARK, marks[static_cast<size_t>(line)], FALSE);
    }
    ASSERT_EQ(Lines(buffer_), model) << "step " << step;
    for (size_t line = 0; line < marks.size(); ++line) {
      ASSERT_EQ((buffer_.LineFlags(static_cast<int>(line)) & LF_BOOKMARK) != 0, marks[line]) << "step " << step;
    }
  }
  const std::string copy = folder_.File("copy.nc");
  ASSERT_TRUE(buffer_.SaveToFile(copy.c_str(), -1, FALSE));
  std::string joined;
  for (size_t line = 0; line < model.size(); ++line) joined += (line > 0 ? "\r\n" : "") + model[line];
  EXPECT_TRUE(ReadBytes(copy) == joined);

  while (buffer_.HasUndo()) Undo();
  EXPECT_FALSE(buffer_.IsModified());
  ASSERT_TRUE(buffer_.SaveToFile(copy.c_str()));
  EXPECT_TRUE(ReadBytes(copy) == file);
  while (buffer_.HasRedo()) Redo();
  EXPECT_EQ(Lines(buffer_), model);
}

}  // namespace
