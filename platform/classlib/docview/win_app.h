// The application object and its message loop, the documents it manages
// through its templates, its profile in the registry store (HKEY_CURRENT_USER
// under "Software\<registry key>\<profile name>"), its recent-file list and
// its command line. A program has one CWinApp object; AfxWinMain runs it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/classlib/clist.h"
#include "platform/classlib/cmdtarget.h"
#include "platform/classlib/cstring.h"
#include "platform/classlib/message_map.h"
#include "platform/classlib/window/window_message_ids.h"

class CDocTemplate;
class CDocument;
class CRecentFileList;
class CCommandLineInfo;
class CPrintDialog;
class CWnd;
struct HKEY__;

class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)

 public:
  CWinThread() = default;

  CWnd* m_pMainWnd = nullptr;
  CWnd* GetMainWnd() { return m_pMainWnd; }

  virtual BOOL InitInstance() { return FALSE; }
  // Handles messages until the program quits (WM_QUIT) or no more input can
  // come (the end of a script); returns ExitInstance's code.
  virtual int Run();
  virtual int ExitInstance();
  // Idle work between messages: command user interface updates of the bars.
  virtual BOOL OnIdle(LONG lCount);
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // One step of the loop; FALSE once the program quits.
  virtual BOOL PumpMessage();
};

// Keeps the document templates and runs New, Open and closing of documents.
class CDocManager {
 public:
  CDocManager() = default;
  virtual ~CDocManager();

  virtual void AddDocTemplate(CDocTemplate* pTemplate);  // takes ownership
  POSITION GetFirstDocTemplatePosition() const;
  CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
  virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
  virtual BOOL SaveAllModified();
  virtual void CloseAllDocuments(BOOL bEndSession);
  virtual int GetOpenDocumentCount();
  virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                CDocTemplate* pTemplate);
  virtual void OnFileNew();
  virtual void OnFileOpen();

 private:
  CList<CDocTemplate*, CDocTemplate*> templates_;
};

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)

 public:
  explicit CWinApp(LPCTSTR lpszAppName = nullptr);
  ~CWinApp() override;

  LPCTSTR m_pszAppName = nullptr;
  LPCTSTR m_pszExeName = nullptr;
  LPCTSTR m_pszRegistryKey = nullptr;
  LPCTSTR m_pszProfileName = nullptr;
  HINSTANCE m_hInstance = nullptr;
  LPTSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  CRecentFileList* m_pRecentFileList = nullptr;
  CDocManager* m_pDocManager = nullptr;
  // The arguments after the program's name, as AfxWinMain got them.
  std::vector<std::string> m_arguments;

  virtual BOOL InitApplication();
  int ExitInstance() override;
  BOOL OnIdle(LONG lCount) override;

  // The profile: "Software\<key>\<profile name>" under HKEY_CURRENT_USER.
  void SetRegistryKey(LPCTSTR lpszRegistryKey);
  void SetRegistryKey(UINT nIDRegistryKey);
  UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
  BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
  CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
  BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
  // The caller frees *ppData with delete[].
  BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
  BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);
  HKEY__* GetAppRegistryKey();
  HKEY__* GetSectionKey(LPCTSTR lpszSection);

  // The recent-file list of nMaxMRU entries (0 for none), read from the profile.
  void LoadStdProfileSettings(UINT nMaxMRU = 4);
  void SaveStdProfileSettings();
  virtual void AddToRecentFileList(LPCTSTR lpszPathName);

  void AddDocTemplate(CDocTemplate* pTemplate);
  POSITION GetFirstDocTemplatePosition() const;
  CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
  virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
  virtual BOOL SaveAllModified();
  void CloseAllDocuments(BOOL bEndSession);
  int GetOpenDocumentCount();
  virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                CDocTemplate* pTemplate);

  void ParseCommandLine(CCommandLineInfo& rCmdInfo);
  BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

  HCURSOR LoadCursor(UINT nIDResource) const;
  HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
  HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
  HICON LoadIcon(UINT nIDResource) const;
  HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
  BOOL Enable3dControls() { return TRUE; }
  BOOL Enable3dControlsStatic() { return TRUE; }
  void BeginWaitCursor();
  void EndWaitCursor();
  void DoWaitCursor(int nCode);

  // Printing: the printer that the print-setup dialog chose.
  virtual int DoPrintDialog(CPrintDialog* pPD);
  BOOL GetPrinterDeviceDefaults(void* pPrintDlg);

  afx_msg void OnFileNew();
  afx_msg void OnFileOpen();
  afx_msg void OnFilePrintSetup();
  afx_msg void OnAppExit();
  afx_msg BOOL OnOpenRecentFile(UINT nID);
  afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

  DECLARE_MESSAGE_MAP()

 private:
  std::string app_name_;
  std::string registry_key_;
  std::string profile_name_;
  std::string command_line_;
  int wait_cursor_count_ = 0;
  std::unique_ptr<CDocManager> doc_manager_;
  std::unique_ptr<CRecentFileList> recent_files_;
};

CWinApp* AfxGetApp();
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstance);
// Runs the program's application object: InitApplication, InitInstance, the
// message loop; returns the exit code.
int AfxWinMain(int argc, char** argv);
