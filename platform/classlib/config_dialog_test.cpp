// A settings dialog in the shape the plug-in's dialogs take (texts, floats
// with ranges, a check box that enables a field, a button that opens a
// nested dialog), driven by scripts as a user would drive it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/classlib/afxwin.h"
#include "platform/ui/script_driver.h"

namespace {

class CCycleNamesDlg : public CDialog {
 public:
  enum { IDD = 295 };
  explicit CCycleNamesDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {
    for (int i = 0; i < 5; ++i) m_name[i].Format("사용자 cycle %d", i + 1);
  }
  CString m_name[5];

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < 5; ++i) DDX_Text(pDX, 429 + i, m_name[i]);
  }
};

const DialogTemplateRegistration kCycleNamesTemplate(CCycleNamesDlg::IDD, {"사용자 cycle 이름",
                                                                           {
                                                                               res::EditText(429, "사용자 cycle 1"),
                                                                               res::EditText(430, "사용자 cycle 2"),
                                                                               res::EditText(431, "사용자 cycle 3"),
                                                                               res::EditText(432, "사용자 cycle 4"),
                                                                               res::EditText(433, "사용자 cycle 5"),
                                                                               res::DefPushButton(IDOK, "OK"),
                                                                               res::PushButton(IDCANCEL, "Cancel"),
                                                                           }});

class CSettingsDlg : public CDialog {
 public:
  enum { IDD = 255 };
  explicit CSettingsDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

  CString m_CfgDir = "c:\\Ostrivo";
  CString m_EditorPath = "c:\\Ostrivo\\Tarnwick.exe";
  float m_JoinToler = 0.01f;
  CString m_NcdataDir = "c:\\Ostrivo\\Ncdata";
  int m_ConvToArcChk = 1;
  float m_ConvArcTol = 0.01f;
  CCycleNamesDlg m_cycleNames;
  int saves = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, 385, m_CfgDir);
    DDX_Text(pDX, 388, m_EditorPath);
    DDX_Text(pDX, 387, m_JoinToler);
    DDV_MinMaxFloat(pDX, m_JoinToler, 0.0f, 9999.0f);
    DDX_Text(pDX, 386, m_NcdataDir);
    DDX_Check(pDX, 443, m_ConvToArcChk);
    DDX_Text(pDX, 429, m_ConvArcTol);
    DDV_MinMaxFloat(pDX, m_ConvArcTol, 0.0f, 1000.0f);
  }

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    GetDlgItem(429)->EnableWindow(m_ConvToArcChk);
    return TRUE;
  }

  void OnOK() override {
    if (!UpdateData(TRUE)) return;
    ++saves;
    EndDialog(IDOK);
  }

  void OnConvToArc() { GetDlgItem(429)->EnableWindow(IsDlgButtonChecked(443)); }
  void OnCycleNames() { m_cycleNames.DoModal(); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSettingsDlg, CDialog)
ON_BN_CLICKED(443, &CSettingsDlg::OnConvToArc)
ON_BN_CLICKED(592, &CSettingsDlg::OnCycleNames)
END_MESSAGE_MAP()

const DialogTemplateRegistration kSettingsTemplate(CSettingsDlg::IDD, {"환경설정",
                                                                       {
                                                                           res::EditText(385, "환경 directory"),
                                                                           res::EditText(388, "문서 편집기"),
                                                                           res::EditText(387, "도형연결공차"),
                                                                           res::EditText(386, "Ncdata directory"),
                                                                           res::CheckBox(443, "타원, 스프라인 -> 원호"),
                                                                           res::EditText(429, ""),
                                                                           res::PushButton(592, "사용자 cycle 이름"),
                                                                           res::DefPushButton(IDOK, "저장"),
                                                                           res::PushButton(IDCANCEL, "Cancel"),
                                                                       }});

struct ScriptRun {
  explicit ScriptRun(const std::string& script) : input(script), driver(input, transcript, "test") {
    AfxSetAppName("Ostrivo");
  }
  std::istringstream input;
  std::ostringstream transcript;
  ui::ScriptDriver driver;
  ui::ScopedUiDriver scope{driver};
};

TEST(SettingsDialog, ScriptFillsTheMembersAndTheNestedDialog) {
  ScriptRun run(
      "set 385 d:\\cam\n"
      "set \"도형연결공차\" 0.05\n"
      "uncheck 443\n"
      "click \"사용자 cycle 이름\"\n"
      "set 430 Peck A\n"
      "ok\n"
      "ok\n");
  CSettingsDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_FALSE(run.driver.Failed()) << run.transcript.str();
  EXPECT_EQ(dlg.m_CfgDir, "d:\\cam");
  EXPECT_FLOAT_EQ(dlg.m_JoinToler, 0.05f);
  EXPECT_EQ(dlg.m_ConvToArcChk, 0);
  EXPECT_EQ(dlg.m_cycleNames.m_name[1], "Peck A");
  EXPECT_EQ(dlg.m_cycleNames.m_name[0], "사용자 cycle 1");
  EXPECT_EQ(dlg.saves, 1);
  EXPECT_EQ(dlg.m_hWnd, nullptr);
  EXPECT_NE(run.transcript.str().find("Dialog: 사용자 cycle 이름\n사용자 cycle 이름> set 430 Peck A\n"),
            std::string::npos)
      << run.transcript.str();
}

TEST(SettingsDialog, OutOfRangeValueShowsTheStandardMessageAndKeepsTheDialogOpen) {
  ScriptRun run(
      "set 385 d:\\cam\n"
      "set 387 10000\n"
      "ok\n"
      "show\n"
      "cancel\n");
  CSettingsDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string transcript = run.transcript.str();
  EXPECT_NE(transcript.find("[Ostrivo] Please enter a number between 0 and 9999. {ok*} -> ok\n"), std::string::npos)
      << transcript;
  EXPECT_NE(transcript.find("  387 edit \"도형연결공차\" = \"10000\" [focus]\n"), std::string::npos) << transcript;
  EXPECT_EQ(dlg.saves, 0);
  // Nothing of the refused OK reached the members, not even the fields before the bad one.
  EXPECT_EQ(dlg.m_CfgDir, "c:\\Ostrivo");
  EXPECT_FLOAT_EQ(dlg.m_JoinToler, 0.01f);
}

TEST(SettingsDialog, CancelLeavesTheMembersAsTheyWere) {
  ScriptRun run(
      "set 385 d:\\cam\n"
      "click 592\n"
      "set 429 changed\n"
      "ok\n"
      "cancel\n");
  CSettingsDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_CfgDir, "c:\\Ostrivo");
  // The nested dialog was confirmed: its member keeps the edit, as the owner's Cancel does not reach it.
  EXPECT_EQ(dlg.m_cycleNames.m_name[0], "changed");
}

TEST(SettingsDialog, DisabledFieldStopsTheScriptWithItsLineNumber) {
  ScriptRun run(
      "; the tolerance field follows the check box\n"
      "uncheck 443\n"
      "set 429 0.5\n"
      "ok\n");
  CSettingsDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_TRUE(run.driver.Failed());
  EXPECT_NE(run.transcript.str().find("script line 3: control 429 is disabled\n"), std::string::npos)
      << run.transcript.str();
  EXPECT_EQ(dlg.m_ConvToArcChk, 1);
}

TEST(SettingsDialog, OpensWithTheMembersShown) {
  ScriptRun run("show\ncancel\n");
  CSettingsDlg dlg;
  dlg.m_ConvToArcChk = 0;
  dlg.DoModal();
  const std::string transcript = run.transcript.str();
  EXPECT_NE(transcript.find("Dialog: 환경설정\n"), std::string::npos);
  EXPECT_NE(transcript.find("  385 edit \"환경 directory\" = \"c:\\Ostrivo\" [focus]\n"), std::string::npos)
      << transcript;
  EXPECT_NE(transcript.find("  387 edit \"도형연결공차\" = \"0.01\"\n"), std::string::npos);
  EXPECT_NE(transcript.find("  443 check \"타원, 스프라인 -> 원호\" = 0\n"), std::string::npos);
  EXPECT_NE(transcript.find("  429 edit \"\" = \"0.01\" [disabled]\n"), std::string::npos);
  EXPECT_NE(transcript.find("  592 button \"사용자 cycle 이름\"\n"), std::string::npos);
}

}  // namespace
