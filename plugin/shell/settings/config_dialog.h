// The configuration dialog of ENConfig and its user cycle names dialog.
#pragma once

#include "platform/classlib/afxwin.h"
#include "plugin/shell/settings/configuration_settings.h"

class CUserCycleNameDlg : public CDialog {
 public:
  enum { IDD = 295 };
  explicit CUserCycleNameDlg(CWnd* pParent = nullptr);

  CString m_UserCycleName[kUserCycleCount];

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

class CConfigDlg : public CDialog {
 public:
  enum { IDD = 255 };
  explicit CConfigDlg(CWnd* pParent = nullptr);

  CString m_CfgDir;
  CString m_EditorPath;
  float m_JoinToler = 0.0f;
  CString m_NcdataDir;
  CString m_PostDir;
  int m_ConvToArcChk = 0;
  float m_ConvArcTol = 0.0f;
  CString m_ParamDir;
  CUserCycleNameDlg m_UserCycleNameDlg;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  void OnUserCycleName();

  DECLARE_MESSAGE_MAP()

 private:
  // Writes every value; the name of the first value that could not be written,
  // or null when all were.
  const char* SaveToRegistry() const;
};

// Handler of ENConfig: edits the settings in a new dialog; OK stores them in the
// registry and in memory.
void ENConfigCommand();
