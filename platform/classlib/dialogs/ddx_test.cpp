#include "platform/classlib/dialogs/ddx.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "platform/classlib/afxwin.h"
#include "platform/ui/script_driver.h"

namespace {

constexpr UINT kTemplate = 901;

const DialogTemplateRegistration kExchangeTemplate(
    kTemplate, {"Exchange",
                {
                    res::EditText(10, "a"),
                    res::EditText(11, "b"),
                    res::EditText(12, "c"),
                    res::CheckBox(20, "check"),
                    res::RadioButton(21, "r1"),
                    res::RadioButton(22, "r2"),
                    res::RadioButton(23, "r3"),
                    res::RadioButton(24, "s1", WS_GROUP),
                    res::RadioButton(25, "s2"),
                    res::ComboBox(30, "dropdown", CBS_DROPDOWN, {"Alpha", "Beta"}),
                    res::ComboBox(31, "droplist", CBS_DROPDOWNLIST, {"One", "Two", "Three"}),
                    res::ListBox(32, "list", 0, {"x1", "x2"}),
                }});

class CExchangeDlg : public CDialog {
 public:
  CExchangeDlg() : CDialog(kTemplate) {}
  std::function<void(CDataExchange*)> exchange;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    if (exchange) exchange(pDX);
  }
};

// An open dialog, with message boxes answered by their default and written to the transcript.
class DataExchangeTest : public ::testing::Test {
 protected:
  DataExchangeTest() {
    AfxSetAppName("App");
    dlg.Create(kTemplate);
  }
  ~DataExchangeTest() override { dlg.DestroyWindow(); }

  std::string Messages() const { return transcript.str(); }

  std::istringstream script;
  std::ostringstream transcript;
  ui::ScriptDriver driver{script, transcript};
  ui::ScopedUiDriver scope{driver};
  CExchangeDlg dlg;
};

TEST_F(DataExchangeTest, NumbersAreShownInTheLibrarysFormat) {
  float small = 0.01f, whole = 20.0f, big = 1234567.0f;
  double third = 1.0 / 3.0, tenth = 0.1;
  int negative = -42;
  dlg.exchange = [&](CDataExchange* pDX) {
    DDX_Text(pDX, 10, small);
    DDX_Text(pDX, 11, whole);
    DDX_Text(pDX, 12, big);
  };
  dlg.UpdateData(FALSE);
  CString text;
  EXPECT_EQ((dlg.GetDlgItemText(10, text), text), "0.01");
  EXPECT_EQ((dlg.GetDlgItemText(11, text), text), "20");
  EXPECT_EQ((dlg.GetDlgItemText(12, text), text), "1.23457e+06");
  dlg.exchange = [&](CDataExchange* pDX) {
    DDX_Text(pDX, 10, third);
    DDX_Text(pDX, 11, tenth);
    DDX_Text(pDX, 12, negative);
  };
  dlg.UpdateData(FALSE);
  EXPECT_EQ((dlg.GetDlgItemText(10, text), text), "0.333333333333333");
  EXPECT_EQ((dlg.GetDlgItemText(11, text), text), "0.1");
  EXPECT_EQ((dlg.GetDlgItemText(12, text), text), "-42");
}

TEST_F(DataExchangeTest, UnreadableTextsGiveTheStandardMessages) {
  const struct {
    const char* text;
    const char* message;  // empty: accepted
  } cases[] = {
      {" 12 ", ""},
      {"+7", ""},
      {"12a", "Please enter an integer."},
      {"", "Please enter an integer."},
      {"99999999999", "Please enter an integer between -2147483648 and 2147483647."},
      {"-99999999999999999999", "Please enter an integer between -2147483648 and 2147483647."},
  };
  for (const auto& c : cases) {
    int value = 5;
    dlg.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, 10, value); };
    transcript.str("");
    dlg.SetDlgItemText(10, c.text);
    EXPECT_EQ(dlg.UpdateData(TRUE), *c.message == '\0') << c.text;
    if (*c.message != '\0') {
      EXPECT_EQ(Messages(), std::string("[App] ") + c.message + " {ok*} -> ok\n") << c.text;
      EXPECT_EQ(value, 5);
    }
  }
  UINT positive = 1;
  BYTE byte = 1;
  dlg.exchange = [&](CDataExchange* pDX) {
    DDX_Text(pDX, 10, positive);
    DDX_Text(pDX, 11, byte);
  };
  dlg.SetDlgItemText(10, "-1");
  transcript.str("");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_NE(Messages().find("Please enter a positive integer."), std::string::npos);
  dlg.SetDlgItemText(10, "1");
  dlg.SetDlgItemText(11, "256");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_NE(Messages().find("Please enter an integer between 0 and 255."), std::string::npos);
}

TEST_F(DataExchangeTest, RealNumbersParseInTheCLocaleOnly) {
  for (const char* bad : {"abc", "1,5", "inf", "nan", "1e39", "0x10", "1.5.2"}) {
    float value = 2.0f;
    dlg.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, 10, value); };
    dlg.SetDlgItemText(10, bad);
    transcript.str("");
    EXPECT_FALSE(dlg.UpdateData(TRUE)) << bad;
    EXPECT_EQ(Messages(), "[App] Please enter a number. {ok*} -> ok\n") << bad;
    EXPECT_EQ(value, 2.0f);
  }
  double value = 0;
  dlg.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, 10, value); };
  dlg.SetDlgItemText(10, " +.5 ");
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(value, 0.5);
  dlg.SetDlgItemText(10, "-1.25e2");
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(value, -125.0);
}

TEST_F(DataExchangeTest, RangeChecksUseTheStandardMessages) {
  int count = 0;
  float diameter = 0;
  double depth = 0;
  CString name;
  dlg.exchange = [&](CDataExchange* pDX) {
    DDX_Text(pDX, 10, count);
    DDV_MinMaxInt(pDX, count, 1, 1000);
    DDX_Text(pDX, 11, diameter);
    DDV_MinMaxFloat(pDX, diameter, 0.01f, 999.0f);
    DDX_Text(pDX, 12, depth);
    DDV_MinMaxDouble(pDX, depth, -10000.0, 10000.0);
  };
  const struct {
    const char* a;
    const char* b;
    const char* c;
    const char* message;
  } cases[] = {
      {"0", "1", "0", "Please enter an integer between 1 and 1000."},
      {"1", "0", "0", "Please enter a number between 0.01 and 999."},
      {"1", "0.01", "-10000.5", "Please enter a number between -10000 and 10000."},
  };
  for (const auto& c : cases) {
    dlg.SetDlgItemText(10, c.a);
    dlg.SetDlgItemText(11, c.b);
    dlg.SetDlgItemText(12, c.c);
    transcript.str("");
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(Messages(), std::string("[App] ") + c.message + " {ok*} -> ok\n");
  }
  dlg.exchange = [&](CDataExchange* pDX) {
    DDX_Text(pDX, 10, name);
    DDV_MaxChars(pDX, name, 5);
  };
  dlg.SetDlgItemText(10, "toolong");
  transcript.str("");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ(Messages(), "[App] Please enter no more than 5 characters. {ok*} -> ok\n");
}

TEST_F(DataExchangeTest, FailedSaveStopsThePassRestoresMembersAndFocusesTheField) {
  CString first = "old";
  int middle = 1;
  int last = 3;
  dlg.exchange = [&](CDataExchange* pDX) {
    DDX_Text(pDX, 10, first);
    DDX_Text(pDX, 11, middle);
    DDV_MinMaxInt(pDX, middle, 0, 10);
    DDX_Text(pDX, 12, last);
  };
  dlg.SetDlgItemText(10, "new");
  dlg.SetDlgItemText(11, "11");
  dlg.SetDlgItemText(12, "x");
  transcript.str("");
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ(Messages(), "[App] Please enter an integer between 0 and 10. {ok*} -> ok\n");  // one message only
  EXPECT_EQ(first, "old");
  EXPECT_EQ(middle, 1);
  EXPECT_EQ(last, 3);
  ASSERT_NE(CWnd::GetFocus(), nullptr);
  EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), 11);
  int start = -1, end = -1;
  static_cast<CEdit*>(dlg.GetDlgItem(11))->GetSel(start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 2);
}

TEST_F(DataExchangeTest, ButtonsAndListsExchangeTheirState) {
  int check = 1, first_group = 2, second_group = -1, dropdown_index = 1, list_index = 0;
  CString dropdown = "Gamma", droplist = "Tw", listed = "x2";
  dlg.exchange = [&](CDataExchange* pDX) {
    DDX_Check(pDX, 20, check);
    DDX_Radio(pDX, 21, first_group);
    DDX_Radio(pDX, 24, second_group);
    DDX_CBString(pDX, 30, dropdown);
    DDX_CBString(pDX, 31, droplist);
    DDX_LBString(pDX, 32, listed);
  };
  dlg.UpdateData(FALSE);
  EXPECT_EQ(dlg.IsDlgButtonChecked(20), 1u);
  EXPECT_EQ(dlg.GetCheckedRadioButton(21, 25), 23);
  CString text;
  EXPECT_EQ((dlg.GetDlgItemText(30, text), text), "Gamma");  // not an entry: typed into the edit part
  EXPECT_EQ((dlg.GetDlgItemText(31, text), text), "Two");    // a drop-down list picks by prefix
  EXPECT_EQ(static_cast<CListBox*>(dlg.GetDlgItem(32))->GetCurSel(), 1);

  dlg.CheckRadioButton(24, 25, 25);
  dlg.CheckDlgButton(20, 0);
  static_cast<CComboBox*>(dlg.GetDlgItem(31))->SetCurSel(2);
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(check, 0);
  EXPECT_EQ(first_group, 2);
  EXPECT_EQ(second_group, 1);
  EXPECT_EQ(droplist, "Three");
  EXPECT_EQ(listed, "x2");

  dlg.exchange = [&](CDataExchange* pDX) {
    DDX_CBIndex(pDX, 30, dropdown_index);
    DDX_LBIndex(pDX, 32, list_index);
    DDX_Radio(pDX, 21, second_group);
  };
  second_group = -1;
  dlg.UpdateData(FALSE);
  EXPECT_EQ((dlg.GetDlgItemText(30, text), text), "Beta");
  EXPECT_EQ(dlg.GetCheckedRadioButton(21, 23), 0);  // -1 clears the group
  EXPECT_EQ(dlg.IsDlgButtonChecked(25), 1u);        // and only that group
}

}  // namespace
