#include "platform/classlib/dialogs/dialog.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/classlib/dialogs/afx_message_box.h"
#include "platform/classlib/dialogs/dialog_template.h"
#include "platform/classlib/string_table.h"
#include "platform/ui/script_driver.h"

namespace {

const DialogTemplateRegistration kPlainTemplate(903, {"Plain", {res::DefPushButton(IDOK, "OK")}});

class CStubbornDlg : public CDialog {
 public:
  CStubbornDlg() : CDialog(903) {}
  bool end_at_once = false;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (end_at_once) EndDialog(IDOK);
    return TRUE;
  }
  void OnCancel() override {}  // refuses to close
};

struct Scripted {
  explicit Scripted(const std::string& lines) : script(lines) {}
  std::istringstream script;
  std::ostringstream transcript;
  ui::ScriptDriver driver{script, transcript};
  ui::ScopedUiDriver scope{driver};
};

TEST(Dialog, MissingTemplateReturnsMinusOne) {
  CDialog dlg(4242);
  EXPECT_EQ(dlg.DoModal(), -1);
  EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(Dialog, EndedInInitialisationOrAbandonedByTheScript) {
  Scripted run("");
  CStubbornDlg ended;
  ended.end_at_once = true;
  EXPECT_EQ(ended.DoModal(), IDOK);
  EXPECT_EQ(run.transcript.str(), "");  // never shown
  CStubbornDlg stubborn;
  EXPECT_EQ(stubborn.DoModal(), IDCANCEL);  // the script ended: closed in spite of OnCancel
  EXPECT_EQ(stubborn.m_hWnd, nullptr);
  EXPECT_EQ(stubborn.DoModal(), IDCANCEL);  // and it opens again
}

TEST(MessageBoxes, CaptionsAndStringTableTexts) {
  Scripted run("no\n");
  AfxSetAppName("Ostrivo");
  string_table::Set(61001, "공구경로가 선택되지 않았습니다.!!");
  EXPECT_EQ(AfxMessageBox(61001, MB_YESNO), IDNO);
  EXPECT_EQ(AfxMessageBox(61002), IDOK);
  CDialog dlg(903);
  EXPECT_EQ(dlg.MessageBox("Saved.", "Ostrivo message", MB_ICONINFORMATION), IDOK);
  EXPECT_EQ(run.transcript.str(),
            "[Ostrivo] 공구경로가 선택되지 않았습니다.!! {yes* no} -> no\n"
            "[Ostrivo] (message 61002) {ok*} -> ok\n"
            "[Ostrivo message] Saved. {ok*} -> ok\n");
  string_table::Remove(61001);
}

}  // namespace
