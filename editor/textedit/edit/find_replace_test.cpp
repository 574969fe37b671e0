// The find and replace dialogs driven by scripts over an NC program: the
// options, the scopes, Replace All, the find text from the selection and the
// profile sections that keep the last values.
#include "editor/textedit/edit/edit_view_test_support.h"
#include "editor/textedit/edit/find_settings.h"

namespace editview_test {
namespace {

constexpr char kProgram[] = "G01 X10. g01\r\nN20 G01X5. G01\r\n(G01 a) G012\r\nM30 G01";

class FindReplace : public EditViewTest {
 protected:
  void SetUp() override {
    app_.SetRegistryKey("Velmora");
    Show(kProgram);
  }

  // Runs the find (or replace) command on the script's lines; returns the transcript.
  std::string Run(UINT command, const std::string& script) {
    UseScript(script);
    Command(command);
    EXPECT_FALSE(driver_->Failed()) << Transcript();
    return Transcript();
  }

  static size_t Count(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
  }

  CWinApp app_{"Tarnwick"};
};

TEST_F(FindReplace, FindHonoursCaseWholeWordsAndDirection) {
  Run(ID_EDIT_FIND, "set 8605 g01\ncheck 8604\nclick 1\n");
  EXPECT_EQ(Selection(), "(9,0)-(12,0)");
  EXPECT_EQ(Caret(), "(12,0)");
  // Find next goes on with what the dialog searched for.
  EXPECT_EQ(view_->LastSearchText(), "g01");
  EXPECT_EQ(view_->LastFindFlags(), static_cast<DWORD>(FIND_MATCH_CASE));

  Run(ID_EDIT_FIND, "set 8605 G01\nuncheck 8604\ncheck 8603\nclick 1\n");
  EXPECT_EQ(Selection(), "(11,1)-(14,1)");  // "G01X5." is no whole word
  Run(ID_EDIT_FIND, "click 1\n");
  EXPECT_EQ(Selection(), "(1,2)-(4,2)");  // after "(", a word of its own
  // Upwards from the selected match finds the one before it, not itself.
  Run(ID_EDIT_FIND, "click 8611\nclick 1\n");
  EXPECT_EQ(Selection(), "(11,1)-(14,1)");
  EXPECT_EQ(view_->LastFindFlags(), static_cast<DWORD>(FIND_WHOLE_WORD | FIND_DIRECTION_UP));
}

TEST_F(FindReplace, FindThatFailsSaysSoAndStaysOpen) {
  const std::string transcript = Run(ID_EDIT_FIND, "set 8605 G99\nclick 1\nok\nset 8605 M30\nclick 1\n");
  EXPECT_EQ(Count(transcript, "Cannot find string \"G99\""), 1u) << transcript;
  EXPECT_EQ(Selection(), "(0,3)-(3,3)");
  // An empty text leaves Find Next disabled.
  const std::string shown = Run(ID_EDIT_FIND, "set 8605\nshow\ncancel\n");
  EXPECT_NE(shown.find("1 button \"&Find Next\" [disabled]"), std::string::npos) << shown;
  // Cancel still counts what was typed as the search.
  EXPECT_EQ(view_->LastSearchText(), "");
}

TEST_F(FindReplace, OnlyTextSelectedWithinOneLineBecomesTheFindText) {
  Run(ID_EDIT_FIND, "set 8605 X5\ncancel\n");
  // Nothing selected: the last text stays.
  std::string shown = Run(ID_EDIT_FIND, "show\ncancel\n");
  EXPECT_NE(shown.find("8605 edit \"Fi&nd what:\" = \"X5\""), std::string::npos) << shown;
  // Several lines selected: the last text stays too.
  Select(At(2, 0), At(3, 1));
  shown = Run(ID_EDIT_FIND, "show\ncancel\n");
  EXPECT_NE(shown.find("= \"X5\""), std::string::npos) << shown;
  // A part of one line replaces it.
  Select(At(0, 3), At(3, 3));
  shown = Run(ID_EDIT_FIND, "show\ncancel\n");
  EXPECT_NE(shown.find("= \"M30\""), std::string::npos) << shown;
}

TEST_F(FindReplace, ReplaceAllCountsWhatItReplacedWithTheOptions) {
  struct Case {
    const char* options;
    const char* result;
    const char* message;
  };
  const Case cases[] = {
      {"", "G02 X10. G02\r\nN20 G02X5. G02\r\n(G02 a) G022\r\nM30 G02", "7 occurrence(s) replaced"},
      {"check 8604\n", "G02 X10. g01\r\nN20 G02X5. G02\r\n(G02 a) G022\r\nM30 G02", "6 occurrence(s) replaced"},
      {"check 8603\n", "G02 X10. G02\r\nN20 G01X5. G02\r\n(G02 a) G012\r\nM30 G02", "5 occurrence(s) replaced"},
  };
  for (const Case& each : cases) {
    Show(kProgram);
    const std::string transcript =
        Run(ID_EDIT_REPLACE, std::string("set 8605 G01\nset 8609 G02\nuncheck 8604\nuncheck 8603\n") + each.options +
                                 "click 8608\nok\ncancel\n");
    EXPECT_EQ(Saved(*buffer_), each.result) << each.options;
    EXPECT_NE(transcript.find(each.message), std::string::npos) << transcript;
    EXPECT_EQ(transcript.find("Cannot find string"), std::string::npos) << transcript;
    // One undo takes the whole run back.
    Press("Ctrl+Z");
    EXPECT_EQ(Saved(*buffer_), kProgram);
  }
  // Nothing to replace: the not-found message, once.
  const std::string transcript = Run(ID_EDIT_REPLACE, "set 8605 G99\nclick 8608\nok\ncancel\n");
  EXPECT_EQ(Count(transcript, "Cannot find string \"G99\""), 1u) << transcript;
  EXPECT_EQ(Saved(*buffer_), kProgram);
}

TEST_F(FindReplace, ReplaceInTheSelectionStaysInsideItAndKeepsItSelected) {
  Show("a a a b a\r\na");
  Select(At(0, 0), At(5, 0));
  const std::string transcript = Run(ID_EDIT_REPLACE, "set 8605 a\nset 8609 aa\nclick 8608\nok\ncancel\n");
  EXPECT_NE(transcript.find("3 occurrence(s) replaced"), std::string::npos) << transcript;
  EXPECT_EQ(Saved(*buffer_), "aa aa aa b a\r\na");
  // The selection grew with each replacement and is back when the dialog closes.
  EXPECT_EQ(Selection(), "(0,0)-(8,0)");

  // Without a selection the whole file is searched from the caret, and the scope cannot be chosen.
  view_->MoveCaretTo(At(9, 0));
  const std::string shown = Run(ID_EDIT_REPLACE, "show\nset 8605 a\nset 8609 b\nclick 8608\nok\ncancel\n");
  EXPECT_NE(shown.find("8613 radio \"&Selection\" = 0 [disabled]"), std::string::npos) << shown;
  EXPECT_NE(shown.find("2 occurrence(s) replaced"), std::string::npos) << shown;
  EXPECT_EQ(Saved(*buffer_), "aa aa aa b b\r\nb");
}

TEST_F(FindReplace, FindNextAndReplaceGoStepByStep) {
  view_->SetCursorPosition(At(0, 1));
  Run(ID_EDIT_REPLACE,
      "set 8605 G01\nset 8609 G03\ncheck 8603\n"
      "click 8610\n"  // finds the whole word at the end of line 1
      "click 8607\n"  // replaces it and finds "(G01"
      "click 8610\n"  // leaves that one and finds "M30 G01"
      "click 8607\n"  // replaces it and finds no more
      "ok\n"
      "cancel\n");
  EXPECT_EQ(Saved(*buffer_), "G01 X10. g01\r\nN20 G01X5. G03\r\n(G01 a) G012\r\nM30 G03");
  EXPECT_EQ(Selection(), "(4,3)-(7,3)");
  // Undo takes back one replacement at a time.
  Press("Ctrl+Z");
  EXPECT_EQ(Saved(*buffer_), "G01 X10. g01\r\nN20 G01X5. G03\r\n(G01 a) G012\r\nM30 G01");
  // A buffer that cannot be changed opens no replace dialog.
  buffer_->SetReadOnly(TRUE);
  UseScript("");
  Command(ID_EDIT_REPLACE);
  EXPECT_EQ(Transcript().find("Dialog"), std::string::npos) << Transcript();
}

TEST_F(FindReplace, BothSectionsOfTheProfileKeepTheLastValues) {
  Run(ID_EDIT_FIND, "set 8605 X10.\ncheck 8604\ncheck 8603\ncancel\n");
  Run(ID_EDIT_REPLACE, "set 8605 N20\nset 8609 N25\ncheck 8603\ncancel\n");
  EXPECT_EQ(app_.GetProfileString("VellumEdit\\Find", "FindWhat", ""), "X10.");
  EXPECT_EQ(app_.GetProfileInt("VellumEdit\\Find", "MatchCase", 0), 1u);
  EXPECT_EQ(app_.GetProfileInt("VellumEdit\\Find", "WholeWord", 0), 1u);
  EXPECT_EQ(app_.GetProfileString("VellumEdit\\Replace", "FindWhat", ""), "N20");
  EXPECT_EQ(app_.GetProfileString("VellumEdit\\Replace", "ReplaceWith", ""), "N25");
  EXPECT_EQ(app_.GetProfileInt("VellumEdit\\Replace", "MatchCase", 1), 0u);
  EXPECT_EQ(app_.GetProfileInt("VellumEdit\\Replace", "WholeWord", 0), 1u);

  // A new view (no search of its own yet) starts from them.
  Show(kProgram);
  std::string shown = Run(ID_EDIT_FIND, "show\ncancel\n");
  EXPECT_NE(shown.find("= \"X10.\""), std::string::npos) << shown;
  EXPECT_NE(shown.find("8604 check \"Match &case\" = 1"), std::string::npos) << shown;
  shown = Run(ID_EDIT_REPLACE, "show\ncancel\n");
  EXPECT_NE(shown.find("8609 edit \"Re&place with:\" = \"N25\""), std::string::npos) << shown;
  EXPECT_NE(shown.find("8603 check \"Match &whole word only\" = 1"), std::string::npos) << shown;

  // The settings also read back whole through their own functions.
  SaveReplaceSettings(FindSettings{"가나다 " + CString('x', 300), "Y", TRUE, FALSE});
  const FindSettings read = LoadReplaceSettings();
  EXPECT_EQ(read.find_what, "가나다 " + CString('x', 300));
  EXPECT_EQ(read.replace_with, "Y");
  EXPECT_TRUE(read.match_case);
  EXPECT_FALSE(read.whole_word);
}

}  // namespace
}  // namespace editview_test
