// The NC commands' tests: the editor started on a program, a command run
// through its menu id with a script answering its dialogs, and the text,
// caret and undo state read back as a person would see them.
#pragma once

#include <string>
#include <vector>

#include "editor/app/app_ids.h"
#include "editor/app/app_test_support.h"

namespace nc_test {

class NcCommandTest : public app_test::AppTest {
 protected:
  // Opens text as a program file and makes it the active document.
  void Open(const std::string& text, const std::string& name = "part.nc") {
    path_ = WriteFile(name, text);
    ASSERT_TRUE(Start({path_}));
    ASSERT_NE(ActiveView(), nullptr);
  }
  // Runs the command with the script answering what it asks.
  void Run(UINT id, const std::string& script = "") {
    UseScript(script);
    Command(id);
  }
  CVellumTextBuffer& Buffer() { return ActiveDoc()->m_xTextBuffer; }
  std::string Text() {
    std::string text;
    for (int i = 0; i < Buffer().LineCount(); ++i)
      text += std::string(i > 0 ? "\n" : "") + std::string(Buffer().LineView(i));
    return text;
  }
  std::string Line(int line) { return std::string(Buffer().LineView(line)); }
  TextPosition Caret() { return ActiveView()->GetCursorPosition(); }
  std::string Selected() {
    TextPosition start;
    TextPosition end;
    ActiveView()->GetSelection(start, end);
    CString text;
    Buffer().CopyRange(start.line, start.column, end.line, end.column, text, "\n");
    return text.str();
  }
  void PutCaret(int column, int line) {
    ActiveView()->SetSelection({column, line}, {column, line});
    ActiveView()->SetCursorPosition({column, line});
  }
  // Undoes one step; FALSE when there was none.
  BOOL UndoOnce() {
    TextPosition cursor;
    return Buffer().UndoStep(cursor);
  }
  bool Said(const std::string& text) { return Transcript().find(text) != std::string::npos; }

  std::string path_;
};

}  // namespace nc_test
