#include "platform/classlib/docview/win_app.h"

#include <cstring>

#include "platform/classlib/afx_message_box.h"
#include "platform/classlib/backend/window_backend.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/docview/afx_ids.h"
#include "platform/classlib/docview/command_line_info.h"
#include "platform/classlib/docview/doc_template.h"
#include "platform/classlib/docview/document.h"
#include "platform/classlib/docview/frame_wnd.h"
#include "platform/classlib/docview/print_dialogs.h"
#include "platform/classlib/docview/recent_file_list.h"
#include "platform/classlib/docview/view.h"
#include "platform/classlib/file_dialog.h"
#include "platform/classlib/string_table.h"
#include "platform/classlib/window/cursors.h"
#include "platform/classlib/window/message_loop.h"
#include "platform/classlib/window/window_state.h"
#include "platform/win/registry.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu)
ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, &CWinApp::OnOpenRecentFile)
END_MESSAGE_MAP()

namespace {

CWinApp*& TheApp() {
  static CWinApp* app = nullptr;
  return app;
}

HINSTANCE& ResourceHandle() {
  static HINSTANCE handle = nullptr;
  return handle;
}

constexpr int kMaxIdleRounds = 16;

}  // namespace

// The message loop.

int CWinThread::Run() {
  afx::EnterMessageLoop();
  LONG idle = 0;
  for (;;) {
    if (!PumpMessage()) break;
    if (!afx::QueueEmpty()) continue;
    while (idle < kMaxIdleRounds && OnIdle(idle++)) {
    }
    MSG paint;
    if (afx::QuitRequested()) break;
    if (afx::TakeNextMessage(&paint)) {
      afx::ProcessMessage(paint);
      continue;
    }
    if (!afx::Backend().WaitForInput()) break;
    idle = 0;
  }
  afx::LeaveMessageLoop();
  return ExitInstance();
}

BOOL CWinThread::PumpMessage() {
  if (afx::QuitRequested()) return FALSE;
  MSG message;
  while (afx::TakeNextMessage(&message)) {
    afx::ProcessMessage(message);
    if (afx::QuitRequested()) return FALSE;
  }
  return TRUE;
}

int CWinThread::ExitInstance() { return afx::QuitCode(); }

BOOL CWinThread::OnIdle(LONG lCount) {
  if (lCount > 0 || m_pMainWnd == nullptr || !IsWindow(m_pMainWnd->m_hWnd)) return FALSE;
  m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
  return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  HWND stop = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
  return CWnd::WalkPreTranslateTree(stop, pMsg);
}

// The document manager.

CDocManager::~CDocManager() {
  for (POSITION pos = templates_.GetHeadPosition(); pos != nullptr;) delete templates_.GetNext(pos);
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate) {
  if (pTemplate == nullptr) return;
  pTemplate->LoadTemplate();
  templates_.AddTail(pTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const { return templates_.GetHeadPosition(); }

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const { return templates_.GetNext(pos); }

CDocument* CDocManager::OpenDocumentFile(LPCTSTR lpszFileName) {
  if (lpszFileName == nullptr || *lpszFileName == '\0') return nullptr;
  CDocTemplate* best = nullptr;
  CDocTemplate::Confidence best_confidence = CDocTemplate::noAttempt;
  for (POSITION pos = templates_.GetHeadPosition(); pos != nullptr;) {
    CDocTemplate* each = templates_.GetNext(pos);
    CDocument* open = nullptr;
    const CDocTemplate::Confidence confidence = each->MatchDocType(lpszFileName, open);
    if (confidence == CDocTemplate::yesAlreadyOpen) {
      // Already open: bring its window forward.
      POSITION view_pos = open->GetFirstViewPosition();
      if (CView* view = open->GetNextView(view_pos)) {
        if (CFrameWnd* frame = view->GetParentFrame()) frame->ActivateFrame();
      }
      return open;
    }
    if (confidence > best_confidence) {
      best_confidence = confidence;
      best = each;
    }
  }
  return best != nullptr ? best->OpenDocumentFile(lpszFileName) : nullptr;
}

BOOL CDocManager::SaveAllModified() {
  for (POSITION pos = templates_.GetHeadPosition(); pos != nullptr;) {
    if (!templates_.GetNext(pos)->SaveAllModified()) return FALSE;
  }
  return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession) {
  for (POSITION pos = templates_.GetHeadPosition(); pos != nullptr;)
    templates_.GetNext(pos)->CloseAllDocuments(bEndSession);
}

int CDocManager::GetOpenDocumentCount() {
  int count = 0;
  for (POSITION pos = templates_.GetHeadPosition(); pos != nullptr;) {
    CDocTemplate* each = templates_.GetNext(pos);
    for (POSITION doc = each->GetFirstDocPosition(); doc != nullptr; each->GetNextDoc(doc)) ++count;
  }
  return count;
}

namespace {

// "Name (*.a;*.b)|*.a;*.b|" for a template's filter strings.
std::string FilterOf(CDocTemplate* each) {
  CString name;
  CString extension;
  if (!each->GetDocString(name, CDocTemplate::filterName) || name.IsEmpty() ||
      !each->GetDocString(extension, CDocTemplate::filterExt) || extension.IsEmpty()) {
    return "";
  }
  std::string pattern = extension.str();
  if (!pattern.empty() && pattern[0] == '.') pattern = "*" + pattern;
  return name.str() + "|" + pattern + "|";
}

}  // namespace

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                   CDocTemplate* pTemplate) {
  std::string filter;
  std::string default_ext;
  for (POSITION pos = templates_.GetHeadPosition(); pos != nullptr;) {
    CDocTemplate* each = templates_.GetNext(pos);
    if (pTemplate != nullptr && each != pTemplate) continue;
    filter += FilterOf(each);
    CString extension;
    if (default_ext.empty() && each->GetDocString(extension, CDocTemplate::filterExt) && extension.GetLength() > 1) {
      default_ext = extension.str().substr(1, extension.str().find(';') - 1);
    }
  }
  filter += "All Files (*.*)|*.*||";
  CFileDialog dialog(bOpenFileDialog, default_ext.empty() ? nullptr : default_ext.c_str(), fileName,
                     lFlags | OFN_HIDEREADONLY | (bOpenFileDialog ? 0 : OFN_OVERWRITEPROMPT), filter.c_str());
  if (const std::string* title = string_table::Find(nIDSTitle)) dialog.m_ofn.lpstrTitle = title->c_str();
  if (dialog.DoModal() != IDOK) return FALSE;
  fileName = dialog.GetPathName();
  return TRUE;
}

void CDocManager::OnFileNew() {
  POSITION pos = templates_.GetHeadPosition();
  if (pos == nullptr) return;
  templates_.GetNext(pos)->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen() {
  CString name;
  if (!DoPromptFileName(name, AFX_IDS_OPENFILE, OFN_FILEMUSTEXIST, TRUE, nullptr)) return;
  AfxGetApp()->OpenDocumentFile(name);
}

// The application.

CWinApp::CWinApp(LPCTSTR lpszAppName) {
  if (lpszAppName != nullptr) {
    app_name_ = lpszAppName;
    m_pszAppName = app_name_.c_str();
    AfxSetAppName(lpszAppName);
  }
  TheApp() = this;
  afx::SetPreTranslateHook([this](MSG* message) { return PreTranslateMessage(message); });
}

CWinApp::~CWinApp() {
  if (TheApp() == this) {
    TheApp() = nullptr;
    afx::SetPreTranslateHook(nullptr);
  }
}

BOOL CWinApp::InitApplication() {
  if (m_pszAppName == nullptr) {
    if (const std::string* title = string_table::Find(AFX_IDS_APP_TITLE)) {
      app_name_ = *title;
    } else {
      app_name_ = AfxGetAppName();
    }
    m_pszAppName = app_name_.c_str();
  }
  AfxSetAppName(m_pszAppName);
  if (m_pszExeName == nullptr) m_pszExeName = m_pszAppName;
  if (m_pszProfileName == nullptr) {
    profile_name_ = m_pszAppName;
    m_pszProfileName = profile_name_.c_str();
  }
  return TRUE;
}

int CWinApp::ExitInstance() {
  SaveStdProfileSettings();
  return CWinThread::ExitInstance();
}

BOOL CWinApp::OnIdle(LONG lCount) { return CWinThread::OnIdle(lCount); }

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
  registry_key_ = lpszRegistryKey != nullptr ? lpszRegistryKey : "";
  m_pszRegistryKey = registry_key_.c_str();
  if (m_pszProfileName == nullptr && m_pszAppName != nullptr) {
    profile_name_ = m_pszAppName;
    m_pszProfileName = profile_name_.c_str();
  }
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
  const std::string* key = string_table::Find(nIDRegistryKey);
  SetRegistryKey(key != nullptr ? key->c_str() : "");
}

HKEY CWinApp::GetAppRegistryKey() {
  if (registry_key_.empty()) return nullptr;
  const std::string profile =
      m_pszProfileName != nullptr ? m_pszProfileName : (m_pszAppName != nullptr ? m_pszAppName : "");
  const std::string path = "Software\\" + registry_key_ + (profile.empty() ? "" : "\\" + profile);
  HKEY key = nullptr;
  if (RegCreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return nullptr;
  }
  return key;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection) {
  if (lpszSection == nullptr) return nullptr;
  HKEY app = GetAppRegistryKey();
  if (app == nullptr) return nullptr;
  HKEY section = nullptr;
  const LONG status = RegCreateKeyEx(app, lpszSection, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &section, nullptr);
  RegCloseKey(app);
  return status == ERROR_SUCCESS ? section : nullptr;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) {
  HKEY section = GetSectionKey(lpszSection);
  if (section == nullptr) return static_cast<UINT>(nDefault);
  DWORD type = 0;
  BYTE data[64] = {};
  DWORD size = sizeof(data) - 1;
  const LONG status = RegQueryValueEx(section, lpszEntry, nullptr, &type, data, &size);
  RegCloseKey(section);
  if (status != ERROR_SUCCESS) return static_cast<UINT>(nDefault);
  if (type == REG_DWORD && size == sizeof(DWORD)) {
    DWORD value = 0;
    std::memcpy(&value, data, sizeof(value));
    return value;
  }
  if (type == REG_SZ) {
    char* end = nullptr;
    const long value = std::strtol(reinterpret_cast<const char*>(data), &end, 10);
    if (end != reinterpret_cast<const char*>(data) && *end == '\0') return static_cast<UINT>(value);
  }
  return static_cast<UINT>(nDefault);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
  HKEY section = GetSectionKey(lpszSection);
  if (section == nullptr || lpszEntry == nullptr) {
    if (section != nullptr) RegCloseKey(section);
    return FALSE;
  }
  const DWORD value = static_cast<DWORD>(nValue);
  const LONG status =
      RegSetValueEx(section, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
  RegCloseKey(section);
  return status == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) {
  const CString fallback = lpszDefault != nullptr ? lpszDefault : "";
  HKEY section = GetSectionKey(lpszSection);
  if (section == nullptr) return fallback;
  DWORD type = 0;
  DWORD size = 0;
  LONG status = RegQueryValueEx(section, lpszEntry, nullptr, &type, nullptr, &size);
  CString value = fallback;
  if (status == ERROR_SUCCESS && type == REG_SZ) {
    std::string bytes(size + 1, '\0');
    status = RegQueryValueEx(section, lpszEntry, nullptr, &type, reinterpret_cast<LPBYTE>(bytes.data()), &size);
    if (status == ERROR_SUCCESS) value = bytes.c_str();
  }
  RegCloseKey(section);
  return value;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) {
  if (lpszSection == nullptr) return FALSE;
  if (lpszEntry == nullptr) {
    // No entry removes the whole section.
    HKEY app = GetAppRegistryKey();
    if (app == nullptr) return FALSE;
    const LONG status = RegDeleteKey(app, lpszSection);
    RegCloseKey(app);
    return status == ERROR_SUCCESS;
  }
  HKEY section = GetSectionKey(lpszSection);
  if (section == nullptr) return FALSE;
  LONG status;
  if (lpszValue == nullptr) {
    status = RegDeleteValue(section, lpszEntry);
    if (status == ERROR_FILE_NOT_FOUND) status = ERROR_SUCCESS;
  } else {
    status = RegSetValueEx(section, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                           static_cast<DWORD>(std::strlen(lpszValue) + 1));
  }
  RegCloseKey(section);
  return status == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes) {
  *ppData = nullptr;
  *pBytes = 0;
  HKEY section = GetSectionKey(lpszSection);
  if (section == nullptr) return FALSE;
  DWORD type = 0;
  DWORD size = 0;
  LONG status = RegQueryValueEx(section, lpszEntry, nullptr, &type, nullptr, &size);
  if (status == ERROR_SUCCESS && type == REG_BINARY) {
    auto data = std::make_unique<BYTE[]>(size);
    status = RegQueryValueEx(section, lpszEntry, nullptr, &type, data.get(), &size);
    if (status == ERROR_SUCCESS) {
      *ppData = data.release();
      *pBytes = size;
    }
  }
  RegCloseKey(section);
  return *ppData != nullptr;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes) {
  HKEY section = GetSectionKey(lpszSection);
  if (section == nullptr) return FALSE;
  const LONG status = RegSetValueEx(section, lpszEntry, 0, REG_BINARY, pData, nBytes);
  RegCloseKey(section);
  return status == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
  if (nMaxMRU == 0) return;
  recent_files_ = std::make_unique<CRecentFileList>(0, "Recent File List", "File%d", static_cast<int>(nMaxMRU));
  m_pRecentFileList = recent_files_.get();
  m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings() {
  if (m_pRecentFileList != nullptr) m_pRecentFileList->WriteList();
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName) {
  if (m_pRecentFileList != nullptr) m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
  if (m_pDocManager == nullptr) {
    doc_manager_ = std::make_unique<CDocManager>();
    m_pDocManager = doc_manager_.get();
  }
  m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const {
  return m_pDocManager != nullptr ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const { return m_pDocManager->GetNextDocTemplate(pos); }

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName) {
  return m_pDocManager != nullptr ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

BOOL CWinApp::SaveAllModified() { return m_pDocManager == nullptr || m_pDocManager->SaveAllModified(); }

void CWinApp::CloseAllDocuments(BOOL bEndSession) {
  if (m_pDocManager != nullptr) m_pDocManager->CloseAllDocuments(bEndSession);
}

int CWinApp::GetOpenDocumentCount() { return m_pDocManager != nullptr ? m_pDocManager->GetOpenDocumentCount() : 0; }

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                               CDocTemplate* pTemplate) {
  if (m_pDocManager == nullptr) return FALSE;
  return m_pDocManager->DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog, pTemplate);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
  const size_t count = m_arguments.size();
  for (size_t i = 0; i < count; ++i) {
    const std::string& argument = m_arguments[i];
    // Paths start with '/' here, so only '-' marks a flag.
    const bool flag = argument.size() > 1 && argument[0] == '-';
    rCmdInfo.ParseParam(flag ? argument.c_str() + 1 : argument.c_str(), flag, i + 1 == count);
  }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
  switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
      if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr)) OnFileNew();
      return TRUE;
    case CCommandLineInfo::FileOpen:
      return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo: {
      if (OpenDocumentFile(rCmdInfo.m_strFileName) == nullptr) return FALSE;
      if (m_pMainWnd != nullptr) m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
      return TRUE;
    }
    default:
      return TRUE;
  }
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
  return ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource));
}
HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const {
  return ::LoadCursor(AfxGetResourceHandle(), lpszResourceName);
}
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursor(nullptr, lpszCursorName); }
HICON CWinApp::LoadIcon(UINT nIDResource) const {
  return ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource));
}
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIcon(nullptr, lpszIconName); }

void CWinApp::BeginWaitCursor() { DoWaitCursor(1); }
void CWinApp::EndWaitCursor() { DoWaitCursor(-1); }

void CWinApp::DoWaitCursor(int nCode) {
  wait_cursor_count_ = std::max(0, wait_cursor_count_ + nCode);
  ::SetCursor(::LoadCursor(nullptr, wait_cursor_count_ > 0 ? IDC_WAIT : IDC_ARROW));
}

int CWinApp::DoPrintDialog(CPrintDialog* pPD) { return static_cast<int>(pPD->DoModal()); }

BOOL CWinApp::GetPrinterDeviceDefaults(void* pPrintDlg) {
  (void)pPrintDlg;
  return TRUE;
}

void CWinApp::OnFileNew() {
  if (m_pDocManager != nullptr) m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen() {
  if (m_pDocManager != nullptr) m_pDocManager->OnFileOpen();
}

void CWinApp::OnFilePrintSetup() {
  CPrintDialog dialog(TRUE);
  DoPrintDialog(&dialog);
}

void CWinApp::OnAppExit() {
  if (m_pMainWnd != nullptr) m_pMainWnd->SendMessage(WM_CLOSE);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID) {
  if (m_pRecentFileList == nullptr) return FALSE;
  const int index = static_cast<int>(nID - ID_FILE_MRU_FILE1);
  if (index < 0 || index >= m_pRecentFileList->GetSize()) return FALSE;
  const CString path = (*m_pRecentFileList)[index];
  if (path.IsEmpty()) return FALSE;
  if (OpenDocumentFile(path) == nullptr) m_pRecentFileList->Remove(index);
  return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI) {
  if (m_pRecentFileList == nullptr) {
    pCmdUI->Enable(FALSE);
  } else {
    m_pRecentFileList->UpdateMenu(pCmdUI);
  }
}

CWinApp* AfxGetApp() { return TheApp(); }
CWinThread* AfxGetThread() { return TheApp(); }
CWnd* AfxGetMainWnd() { return TheApp() != nullptr ? TheApp()->m_pMainWnd : nullptr; }
HINSTANCE AfxGetInstanceHandle() { return TheApp() != nullptr ? TheApp()->m_hInstance : nullptr; }
HINSTANCE AfxGetResourceHandle() { return ResourceHandle(); }
void AfxSetResourceHandle(HINSTANCE hInstance) { ResourceHandle() = hInstance; }

int AfxWinMain(int argc, char** argv) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  app->m_arguments.clear();
  for (int i = 1; i < argc; ++i) app->m_arguments.emplace_back(argv[i]);
  int result = -1;
  if (app->InitApplication() && app->InitInstance()) {
    result = app->Run();
  } else {
    result = app->ExitInstance();
    if (result == 0) result = -1;
  }
  // What is still open goes without asking: the person has left.
  app->CloseAllDocuments(TRUE);
  if (app->m_pMainWnd != nullptr && IsWindow(app->m_pMainWnd->m_hWnd)) app->m_pMainWnd->DestroyWindow();
  app->m_pMainWnd = nullptr;
  afx::ClearQuit();
  return result;
}
