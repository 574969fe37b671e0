// A settings dialog of the usual shape (texts, floats with ranges, a check box
// that enables a field, a button that opens a nested dialog), driven by
// scripts as a user would drive it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/classlib/afxwin.h"
#include "platform/ui/script_driver.h"

namespace {

class CLayerNamesDlg : public CDialog {
 public:
  enum { IDD = 910 };
  explicit CLayerNamesDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {
    for (int i = 0; i < 3; ++i) m_name[i].Format("Ebene %d", i + 1);
  }
  CString m_name[3];

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < 3; ++i) DDX_Text(pDX, 1101 + i, m_name[i]);
  }
};

const DialogTemplateRegistration kLayerNamesTemplate(CLayerNamesDlg::IDD, {"Ebenennamen",
                                                                           {
                                                                               res::EditText(1101, "Ebene 1"),
                                                                               res::EditText(1102, "Ebene 2"),
                                                                               res::EditText(1103, "Ebene 3"),
                                                                               res::DefPushButton(IDOK, "OK"),
                                                                               res::PushButton(IDCANCEL, "Cancel"),
                                                                           }});

class CExportDlg : public CDialog {
 public:
  enum { IDD = 911 };
  explicit CExportDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

  CString m_OutputDir = "c:\\export";
  float m_Scale = 0.5f;
  int m_RoundCorners = 1;
  float m_Radius = 0.25f;
  CLayerNamesDlg m_layerNames;
  int saves = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, 1001, m_OutputDir);
    DDX_Text(pDX, 1002, m_Scale);
    DDV_MinMaxFloat(pDX, m_Scale, 0.0f, 1000.0f);
    DDX_Check(pDX, 1003, m_RoundCorners);
    DDX_Text(pDX, 1004, m_Radius);
    DDV_MinMaxFloat(pDX, m_Radius, 0.0f, 100.0f);
  }

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    GetDlgItem(1004)->EnableWindow(m_RoundCorners);
    return TRUE;
  }

  void OnOK() override {
    if (!UpdateData(TRUE)) return;
    ++saves;
    EndDialog(IDOK);
  }

  void OnRoundCorners() { GetDlgItem(1004)->EnableWindow(IsDlgButtonChecked(1003)); }
  void OnLayerNames() { m_layerNames.DoModal(); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExportDlg, CDialog)
ON_BN_CLICKED(1003, &CExportDlg::OnRoundCorners)
ON_BN_CLICKED(1005, &CExportDlg::OnLayerNames)
END_MESSAGE_MAP()

const DialogTemplateRegistration kExportTemplate(CExportDlg::IDD, {"Exportoptionen",
                                                                   {
                                                                       res::EditText(1001, "Zielordner"),
                                                                       res::EditText(1002, "Maßstab"),
                                                                       res::CheckBox(1003, "Ecken runden"),
                                                                       res::EditText(1004, ""),
                                                                       res::PushButton(1005, "Ebenennamen"),
                                                                       res::DefPushButton(IDOK, "Speichern"),
                                                                       res::PushButton(IDCANCEL, "Cancel"),
                                                                   }});

struct ScriptRun {
  explicit ScriptRun(const std::string& script) : input(script), driver(input, transcript, "test") {
    AfxSetAppName("Exporter");
  }
  std::istringstream input;
  std::ostringstream transcript;
  ui::ScriptDriver driver;
  ui::ScopedUiDriver scope{driver};
};

TEST(SettingsDialog, ScriptFillsTheMembersAndTheNestedDialog) {
  ScriptRun run(
      "set 1001 d:\\out\n"
      "set \"Maßstab\" 0.05\n"
      "uncheck 1003\n"
      "click \"Ebenennamen\"\n"
      "set 1102 Bohrungen\n"
      "ok\n"
      "ok\n");
  CExportDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_FALSE(run.driver.Failed()) << run.transcript.str();
  EXPECT_EQ(dlg.m_OutputDir, "d:\\out");
  EXPECT_FLOAT_EQ(dlg.m_Scale, 0.05f);
  EXPECT_EQ(dlg.m_RoundCorners, 0);
  EXPECT_EQ(dlg.m_layerNames.m_name[1], "Bohrungen");
  EXPECT_EQ(dlg.m_layerNames.m_name[0], "Ebene 1");
  EXPECT_EQ(dlg.saves, 1);
  EXPECT_EQ(dlg.m_hWnd, nullptr);
  EXPECT_NE(run.transcript.str().find("Dialog: Ebenennamen\nEbenennamen> set 1102 Bohrungen\n"), std::string::npos)
      << run.transcript.str();
}

TEST(SettingsDialog, OutOfRangeValueShowsTheStandardMessageAndKeepsTheDialogOpen) {
  ScriptRun run(
      "set 1001 d:\\out\n"
      "set 1002 1001\n"
      "ok\n"
      "show\n"
      "cancel\n");
  CExportDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::string transcript = run.transcript.str();
  EXPECT_NE(transcript.find("[Exporter] Please enter a number between 0 and 1000. {ok*} -> ok\n"), std::string::npos)
      << transcript;
  EXPECT_NE(transcript.find("  1002 edit \"Maßstab\" = \"1001\" [focus]\n"), std::string::npos) << transcript;
  EXPECT_EQ(dlg.saves, 0);
  // Nothing of the refused OK reached the members, not even the fields before the bad one.
  EXPECT_EQ(dlg.m_OutputDir, "c:\\export");
  EXPECT_FLOAT_EQ(dlg.m_Scale, 0.5f);
}

TEST(SettingsDialog, CancelLeavesTheMembersAsTheyWere) {
  ScriptRun run(
      "set 1001 d:\\out\n"
      "click 1005\n"
      "set 1101 changed\n"
      "ok\n"
      "cancel\n");
  CExportDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_OutputDir, "c:\\export");
  // The nested dialog was confirmed: its member keeps the edit, as the owner's Cancel does not reach it.
  EXPECT_EQ(dlg.m_layerNames.m_name[0], "changed");
}

TEST(SettingsDialog, DisabledFieldStopsTheScriptWithItsLineNumber) {
  ScriptRun run(
      "; the radius field follows the check box\n"
      "uncheck 1003\n"
      "set 1004 0.5\n"
      "ok\n");
  CExportDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_TRUE(run.driver.Failed());
  EXPECT_NE(run.transcript.str().find("script line 3: control 1004 is disabled\n"), std::string::npos)
      << run.transcript.str();
  EXPECT_EQ(dlg.m_RoundCorners, 1);
}

TEST(SettingsDialog, OpensWithTheMembersShown) {
  ScriptRun run("show\ncancel\n");
  CExportDlg dlg;
  dlg.m_RoundCorners = 0;
  dlg.DoModal();
  const std::string transcript = run.transcript.str();
  EXPECT_NE(transcript.find("Dialog: Exportoptionen\n"), std::string::npos);
  EXPECT_NE(transcript.find("  1001 edit \"Zielordner\" = \"c:\\export\" [focus]\n"), std::string::npos) << transcript;
  EXPECT_NE(transcript.find("  1002 edit \"Maßstab\" = \"0.5\"\n"), std::string::npos);
  EXPECT_NE(transcript.find("  1003 check \"Ecken runden\" = 0\n"), std::string::npos);
  EXPECT_NE(transcript.find("  1004 edit \"\" = \"0.25\" [disabled]\n"), std::string::npos);
  EXPECT_NE(transcript.find("  1005 button \"Ebenennamen\"\n"), std::string::npos);
}

}  // namespace
