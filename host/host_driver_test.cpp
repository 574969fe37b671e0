// The host's driver while an abort is wound down: nothing more is taken from
// the script, every question is cancelled, and the run goes on afterwards.
#include "host/host_driver.h"

#include <gtest/gtest.h>

#include <sstream>

#include "host/abort_watch.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/classlib/afxwin.h"
#include "platform/ui/script_driver.h"

namespace host {
namespace {

struct DriverRun {
  explicit DriverRun(const std::string& script) : input(script), inner(input, transcript, "test") {}
  std::istringstream input;
  std::ostringstream transcript;
  ui::ScriptDriver inner;
  AbortWatch abort;
  HostDriver driver{inner, [this] { return abort.Active(); }};
  ui::ScopedUiDriver scope{driver};
};

TEST(HostDriver, AbortCancelsEveryQuestionUntilTheCommandEnds) {
  DriverRun run("1,2\nyes\n/tmp/x.dxf\n3,4\n");
  acrx_abort("Failed %s", "close");
  ASSERT_TRUE(run.abort.Active());
  EXPECT_EQ(run.driver.ReadLine("\nSpecify point: ").status, ui::InputStatus::kCancelled);
  EXPECT_EQ(run.driver.MessageBox("Go on?", "probe", MB_YESNO), IDNO);
  EXPECT_FALSE(run.driver.AskFile({}).has_value());
  EXPECT_TRUE(run.driver.IsKeyDown(VK_ESCAPE));
  EXPECT_TRUE(run.abort.EndWindDown());
  EXPECT_FALSE(run.abort.EndWindDown());
  // Nothing of the script was used up: the next question gets the first line.
  const ui::InputLine line = run.driver.ReadLine("\nSpecify point: ");
  EXPECT_EQ(line.text, "1,2");
  EXPECT_TRUE(run.abort.Happened());
  EXPECT_FALSE(run.driver.Failed());
  EXPECT_EQ(run.transcript.str(),
            "FATAL ERROR: Failed close\n"
            "Specify point: *Cancel*\n"
            "[probe] Go on? {yes* no} -> no\n"
            "File dialog -> cancel\n"
            "Specify point: 1,2\n");
}

class AbortingDialog : public CDialog {
 public:
  AbortingDialog() : CDialog(7001) {}
  int clicks = 0;

 protected:
  void OnFail() {
    ++clicks;
    acrx_abort("dialog went wrong");
  }
  // A handler's prompt-line message, which leaves its line open.
  void OnSay() { acutPrintf("\nX: %d", ++clicks); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(AbortingDialog, CDialog)
ON_BN_CLICKED(10, &AbortingDialog::OnFail)
ON_BN_CLICKED(12, &AbortingDialog::OnSay)
END_MESSAGE_MAP()

const DialogTemplateRegistration kAbortingTemplate(7001, {"Aborting",
                                                          {
                                                              res::PushButton(10, "Fail"),
                                                              res::EditText(11, "Name"),
                                                              res::PushButton(12, "Say"),
                                                              res::DefPushButton(IDOK, "OK"),
                                                              res::PushButton(IDCANCEL, "Cancel"),
                                                          }});

TEST(HostDriver, DialogClosesAsSoonAsItsHandlerAborts) {
  DriverRun run("click 10\nset 11 never\nok\nLINE\n");
  AbortingDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.clicks, 1);
  run.abort.EndWindDown();
  // The dialog lines after the click were left for nobody: the script goes on after them.
  EXPECT_EQ(run.driver.ReadLine("Command: ").text, "set 11 never");
  EXPECT_NE(run.transcript.str().find("FATAL ERROR: dialog went wrong\n"), std::string::npos) << run.transcript.str();
}

TEST(HostDriver, TheDialogsNextLineStandsOnALineOfItsOwnAfterAHandlersMessage) {
  DriverRun run("click 12\nclick 12\nok\n");
  AbortingDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(run.transcript.str(),
            "Dialog: Aborting\n"
            "Aborting> click 12\n"
            "X: 1\n"
            "Aborting> click 12\n"
            "X: 2\n"
            "Aborting> ok\n");
}

TEST(HostDriver, PromptsStartOnALineOfTheirOwnWithoutBlankLines) {
  DriverRun run("LINE\n");
  run.driver.Print("3 found");
  EXPECT_FALSE(run.driver.AtLineStart());
  run.driver.ReadLine("\nCommand: ");
  run.driver.PrintLine("done");
  run.driver.Print("\nnext\n");
  EXPECT_EQ(run.transcript.str(), "3 found\nCommand: LINE\ndone\nnext\n");
}

}  // namespace
}  // namespace host
