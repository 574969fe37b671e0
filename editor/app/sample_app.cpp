#include "editor/app/sample_app.h"

#include <unistd.h>

#include <climits>
#include <filesystem>

#include "editor/app/app_ids.h"
#include "editor/app/app_resources.h"
#include "editor/app/child_frame.h"
#include "editor/app/editor_settings.h"
#include "editor/app/explorer_pane.h"
#include "editor/app/main_frame.h"
#include "editor/app/sample_doc.h"
#include "editor/app/sample_view.h"
#include "editor/app/settings_dialog.h"
#include "platform/classlib/dialogs/afx_message_box.h"
#include "platform/classlib/docview/ole_drag_drop.h"
#include "platform/win/folders.h"

BEGIN_MESSAGE_MAP(CSampleApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, &CSampleApp::OnAppAbout)
ON_COMMAND(ID_FILE_NEW, &CSampleApp::OnFileNew)
ON_COMMAND(ID_FILE_OPEN, &CSampleApp::OnFileOpen)
ON_COMMAND(ID_FILE_PRINT_SETUP, &CWinApp::OnFilePrintSetup)
ON_COMMAND(ID_APP_SETTINGS, &CSampleApp::OnAppSettings)
END_MESSAGE_MAP()

namespace {

constexpr char kProfileKey[] = "Local AppWizard-Generated Applications";
constexpr char kOpenFilter[] = "Support files (*.nc)|*.nc| All Files (*.*)|*.*|";
constexpr UINT kRecentFiles = 4;

}  // namespace

std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : program.parent_path().string();
}

void RecordInstallFolder() {
  if (!settings::Read("CfgDir").empty()) return;
  const std::string folder = ProgramFolder();
  if (!folder.empty()) settings::Write("CfgDir", folder, false);
}

CSampleApp::CSampleApp() : CWinApp("Tarnwick") { RegisterEditorResources(); }

CMainFrame* CSampleApp::MainFrame() const { return static_cast<CMainFrame*>(m_pMainWnd); }

BOOL CSampleApp::InitInstance() {
  if (!AfxOleInit()) {
    AfxMessageBox(IDP_OLE_INIT_FAILED);
    return FALSE;
  }
  Enable3dControls();
  SetRegistryKey(kProfileKey);
  LoadStdProfileSettings(kRecentFiles);
  AddDocTemplate(new CMultiDocTemplate(IDR_SAMPLETYPE, RUNTIME_CLASS(CSampleDoc), RUNTIME_CLASS(CChildFrame),
                                       RUNTIME_CLASS(CSampleView)));
  auto* frame = new CMainFrame;  // deletes itself with its window
  if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) return FALSE;
  m_pMainWnd = frame;
  frame->DragAcceptFiles();
  CCommandLineInfo command_line;
  ParseCommandLine(command_line);
  FirstNewPending = 1;
  const BOOL processed = ProcessShellCommand(command_line);
  FirstNewPending = 0;
  if (!processed) return FALSE;
  ExplorerShown = 1;
  ShowExplorerPane();
  frame->ShowWindow(m_nCmdShow);
  frame->UpdateWindow();
  return TRUE;
}

void CSampleApp::OnFileNew() {
  if (FirstNewPending) {
    FirstNewPending = 0;
    return;
  }
  CWinApp::OnFileNew();
}

void CSampleApp::OnFileOpen() {
  ::SetCurrentDirectory(NcDataFolder);
  CFileDialog dialog(TRUE, "nc", "*.nc", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kOpenFilter);
  if (dialog.DoModal() != IDOK) return;
  const CString path = dialog.GetPathName();
  OpenFileByName(path);
  settings::Write("LastOpenFileName", path.str());
}

CDocument* CSampleApp::OpenFileByName(LPCTSTR lpszPathName) { return OpenDocumentFile(lpszPathName); }

void CSampleApp::OnAppAbout() {
  CDialog about(IDD_ABOUTBOX);
  about.DoModal();
}

void CSampleApp::OnAppSettings() { RunSettingsCommand(); }

void CSampleApp::ShowExplorerPane() {
  CMainFrame* frame = MainFrame();
  if (frame == nullptr) return;
  CDockingPaneBar& bar = frame->DockingBar();
  if (bar.m_hWnd != nullptr && bar.GetChild() != nullptr) {
    frame->ShowControlBar(&bar, TRUE, FALSE);
    ExplorerShown = 1;
    bar.SetShownFlag(&ExplorerShown);
    return;
  }
  CExplorerPane& pane = frame->MakeExplorerPane();
  pane.SetApp(this);
  if (!bar.Create(frame, &pane, "File List", IDD_EXPLORER_PANE, WS_CHILD | WS_VISIBLE | CBRS_LEFT)) return;
  bar.SetBarStyle(bar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
  bar.EnableDocking(CBRS_ALIGN_ANY);
  frame->EnableDocking(CBRS_ALIGN_ANY);
  frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
  ExplorerShown = 1;
  bar.SetShownFlag(&ExplorerShown);
}
