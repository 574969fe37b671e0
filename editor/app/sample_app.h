// The editor's application: start-up, the document template of NC
// programs, New, Open, opening a file by name, About, settings, and the
// explorer pane in the main frame's docking bar.
#pragma once

#include "platform/classlib/afxwin.h"

class CMainFrame;

class CSampleApp : public CWinApp {
 public:
  CSampleApp();

  BOOL InitInstance() override;

  // Opens a file as a document, or brings its window forward when it is open already.
  CDocument* OpenFileByName(LPCTSTR lpszPathName);
  void ShowExplorerPane();
  CMainFrame* MainFrame() const;

  // New is swallowed only while the start-up runs the command line.
  int FirstNewPending = 1;
  // Set while the explorer pane is shown; the docking bar's close button clears it.
  int ExplorerShown = 0;

 protected:
  afx_msg void OnAppAbout();
  afx_msg void OnFileNew();
  afx_msg void OnFileOpen();
  afx_msg void OnAppSettings();
  DECLARE_MESSAGE_MAP()
};

// The folder of the running program; the plug-in starts the editor from it.
std::string ProgramFolder();
// Records the program's folder as the editor's CfgDir unless one is set,
// as an installer would: the plug-in finds the editor there.
void RecordInstallFolder();
