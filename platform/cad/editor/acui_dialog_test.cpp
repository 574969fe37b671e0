#include "platform/cad/editor/acui_dialog.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/ui/script_driver.h"

namespace {

enum { kIdd = 9301, kEditX = 101, kPick = 102, kForget = 103 };

const DialogTemplateRegistration kPickTemplate(kIdd, {"Pick test",
                                                      {
                                                          res::EditText(kEditX, "X"),
                                                          res::PushButton(kPick, "Pick"),
                                                          res::PushButton(kForget, "Forget"),
                                                          res::DefPushButton(IDOK, "OK"),
                                                          res::PushButton(IDCANCEL, "Cancel"),
                                                      }});

class CPickDlg : public CAcUiDialog {
 public:
  CPickDlg() : CAcUiDialog(kIdd) {}
  CString m_x = "0";
  bool hiddenWhileAsking = false;
  bool sawCancel = false;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, kEditX, m_x); }

  void OnPick() {
    BeginEditorCommand();
    BeginEditorCommand();  // nesting changes nothing
    hiddenWhileAsking = !IsWindowVisible() && IsEditorCommandActive();
    const ui::InputLine answer = ui::Ui().ReadLine("\nSpecify point: ");
    if (answer.status != ui::InputStatus::kLine) {
      sawCancel = true;
      CancelEditorCommand();
      return;
    }
    // Filling the edit sends a notification through the dialog while it is still aside.
    SetDlgItemText(kEditX, answer.text.substr(0, answer.text.find(',')).c_str());
    CompleteEditorCommand();
  }
  void OnForget() {
    BeginEditorCommand();
    ui::Ui().ReadLine("\nPress any key: ");
  }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPickDlg, CAcUiDialog)
ON_BN_CLICKED(kPick, &CPickDlg::OnPick)
ON_BN_CLICKED(kForget, &CPickDlg::OnForget)
END_MESSAGE_MAP()

struct ScriptRun {
  explicit ScriptRun(const std::string& script) : input(script), driver(input, transcript, "test") {}
  std::istringstream input;
  std::ostringstream transcript;
  ui::ScriptDriver driver;
  ui::ScopedUiDriver scope{driver};
};

TEST(AcUiDialog, PickButtonStepsAsideReadsAPointAndComesBack) {
  InitAcUiDLL();
  ScriptRun run("click 102\n3.5,4\nshow\nok\n");
  CPickDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_FALSE(run.driver.Failed()) << run.transcript.str();
  EXPECT_TRUE(dlg.hiddenWhileAsking);
  EXPECT_FALSE(dlg.IsEditorCommandActive());
  EXPECT_EQ(dlg.m_x, "3.5");
  EXPECT_NE(run.transcript.str().find("Pick test> click 102\n\nSpecify point: 3.5,4\nPick test> show\n"),
            std::string::npos)
      << run.transcript.str();
}

TEST(AcUiDialog, ComesBackAfterACancelledPromptAndTakesTheDialogLinesAgain) {
  ScriptRun run("click \"Pick\"\n^C\nset 101 7\nok\n");
  CPickDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_FALSE(run.driver.Failed()) << run.transcript.str();
  EXPECT_TRUE(dlg.sawCancel);
  EXPECT_EQ(dlg.m_x, "7");
}

TEST(AcUiDialog, AHandlerThatForgetsToComeBackIsBroughtBack) {
  ScriptRun run("click \"Forget\"\nx\nset 101 2\nok\n");
  CPickDlg dlg;
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_FALSE(run.driver.Failed()) << run.transcript.str();
  EXPECT_EQ(dlg.m_x, "2");  // the edit was usable again, so the dialog was shown
  EXPECT_FALSE(dlg.IsEditorCommandActive());
}

}  // namespace
