#include "platform/ui/script_driver.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/ui/fake_surface_test_util.h"

namespace ui {
namespace {

using testing::FakeSurface;
using Log = std::vector<std::string>;

struct ScriptRun {
  explicit ScriptRun(const std::string& script) : input(script), driver(input, transcript, "unit") {}
  std::istringstream input;
  std::ostringstream transcript;
  ScriptDriver driver;
};

TEST(ScriptDriverDialog, LinesActOnTheDialogByIdOrLabel) {
  ScriptRun run(
      "set 385 d:\\cam\\x  \n"
      "set \"환경 directory\" \"  \"\n"
      "select 258 2\n"
      "select 258 \"b\"\n"
      "select 258 c\n"
      "select 258 1 2\n"
      "dblclick 258 1\n"
      "click 457\n"
      "check 457\n"
      "uncheck \"OK\"\n"
      "show\n"
      "ok\n"
      "after\n");
  FakeSurface dialog;
  run.driver.RunModal(dialog);
  EXPECT_FALSE(run.driver.Failed()) << run.transcript.str();
  EXPECT_EQ(dialog.log, (Log{"set 385 [d:\\cam\\x]", "set 385 [  ]", "index 258 2", "text 258 b", "text 258 c",
                             "cell 258 1 2", "dblclick 258 1", "click 457", "check 457", "uncheck 1", "ok"}));
  // The dialog takes no more lines once closed.
  EXPECT_EQ(run.driver.ReadLine("Command: ").text, "after");
  EXPECT_NE(run.transcript.str().find("Dialog: Fake\nFake> set 385 d:\\cam\\x  \n"), std::string::npos);
  EXPECT_NE(run.transcript.str().find("  258 combo \"가공방법\" = \"a\"\n      0: a\n"), std::string::npos);
}

TEST(ScriptDriverDialog, BadLinesStopTheRunWithTheirLineNumber) {
  const struct {
    const char* script;
    const char* report;
  } cases[] = {
      {"frobnicate 1\n", "script line 1: 'frobnicate 1' is not a dialog line"},
      {"set 999 x\n", "script line 1: the dialog \"Fake\" has no control 999"},
      {"\n;comment\nclick \"...\"\n", "script line 3: the label \"...\" names several controls (457, 458); use the id"},
      {"click \"Nope\n", "script line 1: missing closing quote"},
      {"select 258\n", "script line 1: select needs an entry"},
      {"ok now\n", "script line 1: ok takes nothing after it"},
      {"click abc\n", "script line 1: expected a control id or a \"label\", not 'abc'"},
  };
  for (const auto& c : cases) {
    ScriptRun run(c.script);
    FakeSurface dialog;
    run.driver.RunModal(dialog);
    EXPECT_TRUE(run.driver.Failed()) << c.script;
    EXPECT_NE(run.transcript.str().find(c.report), std::string::npos) << run.transcript.str();
    EXPECT_EQ(dialog.log.back(), "cancel") << c.script;
  }
}

TEST(ScriptDriverDialog, RefusedActionFailsAndLaterQuestionsSeeTheEnd) {
  ScriptRun run("click 457\nset 385 x\n");
  FakeSurface dialog;
  dialog.refusal = "control 457 is disabled";
  run.driver.RunModal(dialog);
  EXPECT_TRUE(run.driver.Failed());
  EXPECT_NE(run.transcript.str().find("script line 1: control 457 is disabled\n"), std::string::npos);
  EXPECT_EQ(dialog.log, (Log{"click 457", "cancel"}));
  EXPECT_EQ(run.driver.ReadLine("Command: ").status, InputStatus::kEndOfInput);
  EXPECT_EQ(run.driver.MessageBox("Save?", "Q", MB_YESNOCANCEL), IDCANCEL);
  EXPECT_FALSE(run.driver.AskFile({}).has_value());
}

TEST(ScriptDriverDialog, DisabledOkButtonRefusesOk) {
  ScriptRun run("ok\n");
  FakeSurface dialog;
  dialog.controls_.back().enabled = false;
  run.driver.RunModal(dialog);
  EXPECT_NE(run.transcript.str().find("the OK button \"OK\" is disabled"), std::string::npos);
}

TEST(ScriptDriverDialog, EndOfScriptOrCtrlCCancels) {
  ScriptRun run("^C\n");
  FakeSurface dialog;
  run.driver.RunModal(dialog);
  EXPECT_EQ(dialog.log, (Log{"cancel"}));
  FakeSurface second;
  second.close_on_cancel = false;  // a dialog that will not close must not hang the driver
  run.driver.RunModal(second);
  EXPECT_EQ(second.log, (Log{"cancel"}));
  EXPECT_FALSE(run.driver.Failed());
}

TEST(ScriptDriverMessageBox, TakesOnlyButtonWordsOfThatBox) {
  ScriptRun run("yes\nno\nRETRY\nok\nY\nn\ny\n");
  EXPECT_EQ(run.driver.MessageBox("Done", "Info", MB_OK), IDOK);  // "yes" is not an OK-box word
  EXPECT_EQ(run.driver.MessageBox("Replace?", "Q", MB_YESNO), IDYES);
  EXPECT_EQ(run.driver.MessageBox("Replace?", "Q", MB_YESNO | MB_DEFBUTTON2), IDNO);
  EXPECT_EQ(run.driver.MessageBox("Failed", "E", MB_ABORTRETRYIGNORE), IDRETRY);
  EXPECT_EQ(run.driver.MessageBox("Go on?", "Q", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);  // "ok" stays
  EXPECT_EQ(run.driver.ReadLine("> ").text, "ok");
  EXPECT_EQ(run.driver.MessageBox("Replace?", "Q", MB_YESNO | MB_DEFBUTTON2), IDYES);
  EXPECT_EQ(run.driver.MessageBox("Save?", "Q", MB_YESNOCANCEL), IDNO);
  EXPECT_EQ(run.driver.MessageBox("Go on?", "Q", MB_OKCANCEL), IDOK);  // "y" answers yes/no boxes only
  EXPECT_EQ(run.driver.ReadLine("> ").text, "y");
  EXPECT_NE(run.transcript.str().find("[Q] Replace? {yes no*} -> no\n"), std::string::npos) << run.transcript.str();
  EXPECT_NE(run.transcript.str().find("[Info] Done {ok*} -> ok\n"), std::string::npos);
}

TEST(ScriptDriverPrompt, EchoesAnswersAndKeepsEmptyLines) {
  ScriptRun run("LINE\n\n; a comment\n  ;another\n^C\r\nlast\r\n");
  EXPECT_EQ(run.driver.ReadLine("Command: ").text, "LINE");
  const InputLine empty = run.driver.ReadLine("Point: ");
  EXPECT_EQ(empty.status, InputStatus::kLine);
  EXPECT_EQ(empty.text, "");
  EXPECT_EQ(run.driver.ReadLine("Point: ").status, InputStatus::kCancelled);
  EXPECT_EQ(run.driver.ReadLine("Command: ").text, "last");
  EXPECT_EQ(run.driver.LineNumber(), 6);
  EXPECT_EQ(run.driver.ReadLine("Command: ").status, InputStatus::kEndOfInput);
  EXPECT_EQ(run.transcript.str(), "Command: LINE\nPoint: \nPoint: ^C\nCommand: last\nCommand: \n");
  run.driver.Fail("wrong answer");
  run.driver.Fail("second report is dropped");
  EXPECT_NE(run.transcript.str().find("script line 6: wrong answer\n"), std::string::npos);
  EXPECT_EQ(run.transcript.str().find("second"), std::string::npos);
}

TEST(ScriptDriverFile, TakesAPathCancelOrTheProposedName) {
  ScriptRun run("/tmp/out.nc\ncancel\n\n\n");
  FileDialogRequest request;
  request.open = false;
  request.file_name = "default.nc";
  EXPECT_EQ(run.driver.AskFile(request), "/tmp/out.nc");
  EXPECT_EQ(run.driver.AskFile(request), std::nullopt);
  EXPECT_EQ(run.driver.AskFile(request), "default.nc");
  EXPECT_EQ(run.driver.AskFile(FileDialogRequest{}), std::nullopt);  // nothing proposed, nothing given
  EXPECT_TRUE(run.driver.Failed());
}

TEST(ScriptDriverFile, QuotesAroundAPathAreNoPartOfIt) {
  ScriptRun run("\"/tmp/my drawing.dxf\"\n  'it''s.dxf'  \n\"half.dxf\n");
  EXPECT_EQ(run.driver.AskFile({}), "/tmp/my drawing.dxf");
  EXPECT_EQ(run.driver.AskFile({}), "it''s.dxf");
  EXPECT_EQ(run.driver.AskFile({}), "\"half.dxf");  // no closing quote: taken as it stands
}

// Which questions the script left unanswered: a prompt, a dialog or a file
// dialog at the end counts, a message box (it has its default) does not, and
// neither does a run stopped by a wrong line.
TEST(ScriptDriverEnd, KnowsWhenAQuestionFoundTheEnd) {
  ScriptRun boxed("");
  boxed.driver.MessageBox("Go on?", "Q", MB_YESNO);
  EXPECT_FALSE(boxed.driver.InputEnded());
  boxed.driver.ReadLine("Point: ");
  EXPECT_TRUE(boxed.driver.InputEnded());

  ScriptRun dialog_run("");
  FakeSurface dialog;
  dialog_run.driver.RunModal(dialog);
  EXPECT_TRUE(dialog_run.driver.InputEnded());

  ScriptRun file_run("");
  file_run.driver.AskFile({});
  EXPECT_TRUE(file_run.driver.InputEnded());

  ScriptRun failed("frob\nmore\n");
  failed.driver.ReadLine("Point: ");
  failed.driver.Fail("wrong");
  failed.driver.ReadLine("Point: ");
  EXPECT_FALSE(failed.driver.InputEnded());
}

TEST(ScriptDriverPrompt, AByteOrderMarkStartsNoLine) {
  ScriptRun run("\xEF\xBB\xBFLINE\n\xEF\xBB\xBFnot at the start\n");
  EXPECT_EQ(run.driver.ReadLine("Command: ").text, "LINE");
  EXPECT_EQ(run.driver.ReadLine("Command: ").text, "\xEF\xBB\xBFnot at the start");
}

TEST(ScriptDriverKeys, KeysComeAsPressesOnlyFromKeyLinesAndNoTimePasses) {
  ScriptRun run("key F9\nnext\n");
  EXPECT_TRUE(run.driver.KeysArePresses());
  EXPECT_TRUE(run.driver.KeysCanCome());
  EXPECT_TRUE(run.driver.IsKeyDown(0x78));
  EXPECT_FALSE(run.driver.KeysCanCome()) << "the next line is no key line";
  run.driver.Pause(3600 * 1000);  // returns at once, or the test would not end
  EXPECT_EQ(run.driver.ReadLine("> ").text, "next");
  EXPECT_FALSE(run.driver.KeysCanCome());
}

TEST(ScriptDriverKeys, KeyLinesAreDownOnceAtTheNextPoll) {
  ScriptRun run("key F9 esc\nkey F9\nnext\nkey F13\n");
  EXPECT_FALSE(run.driver.IsKeyDown(0x1B + 1));  // takes the line: F9 and ESC pending
  EXPECT_TRUE(run.driver.IsKeyDown(0x1B));
  EXPECT_FALSE(run.driver.IsKeyDown(0x1B));
  EXPECT_TRUE(run.driver.IsKeyDown(0x78));
  EXPECT_TRUE(run.driver.IsKeyDown(0x78));   // the second line
  EXPECT_FALSE(run.driver.IsKeyDown(0x78));  // "next" is no key line and stays for the prompt
  EXPECT_EQ(run.driver.ReadLine("> ").text, "next");
  EXPECT_FALSE(run.driver.IsKeyDown(0x78));
  EXPECT_TRUE(run.driver.Failed());
  EXPECT_NE(run.transcript.str().find("script line 4: unknown key name 'F13'"), std::string::npos);
}

}  // namespace
}  // namespace ui
