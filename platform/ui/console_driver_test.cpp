#include "platform/ui/console_driver.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/ui/fake_surface_test_util.h"
#include "platform/ui/key_names.h"

namespace ui {
namespace {

TEST(ConsoleDriver, WrongDialogLinesAreExplainedAndAskedAgain) {
  std::istringstream in("bogus\nset 999 x\n\nclick 457\nok\n");
  std::ostringstream out;
  ConsoleDriver driver(in, out);
  testing::FakeSurface dialog;
  driver.RunModal(dialog);
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"click 457", "ok"}));
  EXPECT_FALSE(driver.Failed());
  const std::string shown = out.str();
  EXPECT_EQ(shown.find("Dialog: Fake\n  385 edit"), 0u) << shown;  // the dialog is shown when it opens
  EXPECT_NE(shown.find("'bogus' is not a dialog line"), std::string::npos);
  EXPECT_NE(shown.find("has no control 999"), std::string::npos);
  EXPECT_EQ(shown.find("click 457"), std::string::npos);  // answers are not echoed
}

TEST(ConsoleDriver, MessageBoxAsksUntilAButtonIsNamed) {
  std::istringstream in("maybe\n\nno\n");
  std::ostringstream out;
  ConsoleDriver driver(in, out);
  EXPECT_EQ(driver.MessageBox("Saved.", "Info", MB_OK), IDOK);                    // one button: nothing to ask
  EXPECT_EQ(driver.MessageBox("Replace?", "Q", MB_YESNO | MB_DEFBUTTON2), IDNO);  // "maybe", then empty: default
  EXPECT_EQ(driver.MessageBox("Replace?", "Q", MB_YESNO), IDNO);
  EXPECT_NE(out.str().find("Answer with one of: yes no"), std::string::npos);
  EXPECT_EQ(driver.MessageBox("Replace?", "Q", MB_YESNOCANCEL), IDCANCEL);  // end of input
}

TEST(ConsoleDriver, KeysTypedAheadAreSeenAndOtherLinesKept) {
  std::istringstream in("key esc\nLINE\n");
  std::ostringstream out;
  ConsoleDriver driver(in, out);
  EXPECT_TRUE(driver.IsKeyDown(*VirtualKeyFromName("ESC")));
  EXPECT_FALSE(driver.IsKeyDown(*VirtualKeyFromName("ESC")));  // reads "LINE" ahead and keeps it
  EXPECT_EQ(driver.ReadLine("Command: ").text, "LINE");
  driver.Fail("Point or option keyword required.");
  EXPECT_FALSE(driver.Failed());
  EXPECT_EQ(driver.ReadLine("Command: ").status, InputStatus::kEndOfInput);
}

TEST(KeyNames, NamesAndCodes) {
  EXPECT_EQ(VirtualKeyFromName("f1"), 0x70);
  EXPECT_EQ(VirtualKeyFromName("F12"), 0x7B);
  EXPECT_EQ(VirtualKeyFromName("Enter"), 0x0D);
  EXPECT_EQ(VirtualKeyFromName("a"), 'A');
  EXPECT_EQ(VirtualKeyFromName("7"), '7');
  EXPECT_EQ(VirtualKeyFromName("LEFT"), 0x25);
  EXPECT_EQ(VirtualKeyFromName("F0"), std::nullopt);
  EXPECT_EQ(VirtualKeyFromName("F13"), std::nullopt);
  EXPECT_EQ(VirtualKeyFromName("%"), std::nullopt);
}

}  // namespace
}  // namespace ui
