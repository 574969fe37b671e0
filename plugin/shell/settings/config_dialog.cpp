#include "plugin/shell/settings/config_dialog.h"

#include "platform/win/message_box.h"
#include "platform/win/registry/registry.h"
#include "plugin/shell/settings/registry_text.h"

namespace {

const DialogTemplateRegistration kConfigTemplate(CConfigDlg::IDD, {"환경설정",
                                                                   {
                                                                       res::EditText(385, "환경 directory"),
                                                                       res::EditText(388, "문서 편집기"),
                                                                       res::EditText(387, "도형연결공차"),
                                                                       res::EditText(386, "Ncdata directory"),
                                                                       res::EditText(389, "Post Directory"),
                                                                       res::CheckBox(443, "타원, 스프라인 -> 원호"),
                                                                       res::EditText(429, ""),
                                                                       res::EditText(390, "Parameter  Directory"),
                                                                       res::PushButton(592, "사용자 cycle 이름"),
                                                                       res::DefPushButton(IDOK, "저장"),
                                                                       res::PushButton(IDCANCEL, "Cancel"),
                                                                   }});

const DialogTemplateRegistration kUserCycleNameTemplate(CUserCycleNameDlg::IDD,
                                                        {"사용자 cycle 이름",
                                                         {
                                                             res::EditText(429, "사용자 cycle 1"),
                                                             res::EditText(430, "사용자 cycle 2"),
                                                             res::EditText(431, "사용자 cycle 3"),
                                                             res::EditText(432, "사용자 cycle 4"),
                                                             res::EditText(433, "사용자 cycle 5"),
                                                             res::DefPushButton(IDOK, "OK"),
                                                             res::PushButton(IDCANCEL, "Cancel"),
                                                         }});

// A folder or name must fit what the registry helpers store.
void ExchangeText(CDataExchange* pDX, int nIDC, CString& value) {
  DDX_Text(pDX, nIDC, value);
  DDV_MaxChars(pDX, value, kMaxRegistryText);
}

CString FormatNumber(const char* format, double value) {
  CString text;
  text.Format(format, value);
  return text;
}

}  // namespace

CUserCycleNameDlg::CUserCycleNameDlg(CWnd* pParent) : CDialog(IDD, pParent) {
  for (int i = 0; i < kUserCycleCount; ++i) m_UserCycleName[i].Format("사용자 cycle %d", i + 1);
}

void CUserCycleNameDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  for (int i = 0; i < kUserCycleCount; ++i) ExchangeText(pDX, 429 + i, m_UserCycleName[i]);
}

BEGIN_MESSAGE_MAP(CConfigDlg, CDialog)
ON_BN_CLICKED(592, &CConfigDlg::OnUserCycleName)
END_MESSAGE_MAP()

CConfigDlg::CConfigDlg(CWnd* pParent) : CDialog(IDD, pParent), m_UserCycleNameDlg(nullptr) {}

void CConfigDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  ExchangeText(pDX, 385, m_CfgDir);
  ExchangeText(pDX, 388, m_EditorPath);
  DDX_Text(pDX, 387, m_JoinToler);
  DDV_MinMaxFloat(pDX, m_JoinToler, static_cast<float>(kLeastTolerance), static_cast<float>(kMostJoinTolerance));
  ExchangeText(pDX, 386, m_NcdataDir);
  ExchangeText(pDX, 389, m_PostDir);
  DDX_Check(pDX, 443, m_ConvToArcChk);
  DDX_Text(pDX, 429, m_ConvArcTol);
  DDV_MinMaxFloat(pDX, m_ConvArcTol, static_cast<float>(kLeastTolerance), static_cast<float>(kMostArcTolerance));
  ExchangeText(pDX, 390, m_ParamDir);
}

void CConfigDlg::OnUserCycleName() { m_UserCycleNameDlg.DoModal(); }

void CConfigDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  if (const char* failed = SaveToRegistry()) {
    // Stay open: the user may try again or cancel, and the settings in use stay as they were.
    CString message;
    message.Format("환경설정을 저장할 수 없습니다. (%s)", failed);
    ::MessageBox(nullptr, message, "Ostrivo message", MB_OK | MB_ICONINFORMATION);
    return;
  }
  EndDialog(IDOK);
}

const char* CConfigDlg::SaveToRegistry() const {
  struct Value {
    const char* name;
    CString text;
  };
  CString switchText;
  switchText.Format("%d", m_ConvToArcChk);
  const Value values[] = {
      {"CfgDir", m_CfgDir},
      {"NcdataDir", m_NcdataDir},
      {"ParamDir", m_ParamDir},
      {"PostDir", m_PostDir},
      {"EditorPath", m_EditorPath},
      {"JoinToler", FormatNumber("%f", m_JoinToler)},
      {"ConvToArcChk", switchText},
      {"ConvArcTol", FormatNumber("%f", m_ConvArcTol)},
      {"UserCycleName1", m_UserCycleNameDlg.m_UserCycleName[0]},
      {"UserCycleName2", m_UserCycleNameDlg.m_UserCycleName[1]},
      {"UserCycleName3", m_UserCycleNameDlg.m_UserCycleName[2]},
      {"UserCycleName4", m_UserCycleNameDlg.m_UserCycleName[3]},
      {"UserCycleName5", m_UserCycleNameDlg.m_UserCycleName[4]},
  };
  for (const Value& value : values) {
    if (!WriteRegistryString(HKEY_LOCAL_MACHINE, kSettingsKey, value.name, value.text)) return value.name;
  }
  return nullptr;
}

void ENConfigCommand() {
  PluginSettings& settings = ConfigurationSettings();
  CConfigDlg dlg;
  dlg.m_CfgDir = settings.CfgDir;
  dlg.m_NcdataDir = settings.NcdataDir;
  dlg.m_ParamDir = settings.ParamDir;
  dlg.m_PostDir = settings.PostDir;
  dlg.m_EditorPath = settings.EditorPath;
  dlg.m_JoinToler = static_cast<float>(settings.JoinToler);
  dlg.m_ConvToArcChk = static_cast<int>(settings.ConvToArcChk);
  dlg.m_ConvArcTol = static_cast<float>(settings.ConvArcTol);
  for (int i = 0; i < kUserCycleCount; ++i) dlg.m_UserCycleNameDlg.m_UserCycleName[i] = settings.UserCycleName[i];
  if (dlg.DoModal() != IDOK) return;
  settings.CfgDir = dlg.m_CfgDir;
  settings.NcdataDir = dlg.m_NcdataDir;
  settings.ParamDir = dlg.m_ParamDir;
  settings.PostDir = dlg.m_PostDir;
  settings.EditorPath = dlg.m_EditorPath;
  settings.JoinToler = dlg.m_JoinToler;
  settings.ConvToArcChk = dlg.m_ConvToArcChk != 0 ? 1.0 : 0.0;
  settings.ConvArcTol = dlg.m_ConvArcTol;
  for (int i = 0; i < kUserCycleCount; ++i) settings.UserCycleName[i] = dlg.m_UserCycleNameDlg.m_UserCycleName[i];
}
