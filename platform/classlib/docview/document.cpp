#include "platform/classlib/docview/document.h"

#include <cstdio>

#include "platform/classlib/cfile.h"
#include "platform/classlib/dialogs/afx_message_box.h"
#include "platform/classlib/dialogs/file_dialog.h"
#include "platform/classlib/docview/afx_ids.h"
#include "platform/classlib/docview/doc_template.h"
#include "platform/classlib/docview/frame_wnd.h"
#include "platform/classlib/docview/view.h"
#include "platform/classlib/docview/win_app.h"
#include "platform/classlib/string_table.h"
#include "platform/win/files.h"
#include "platform/win/win_paths.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
ON_COMMAND(ID_FILE_CLOSE, &CDocument::OnFileClose)
ON_COMMAND(ID_FILE_SAVE, &CDocument::OnFileSave)
ON_COMMAND(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs)
END_MESSAGE_MAP()

namespace {

const StringTableRegistration kStrings{
    {AFX_IDP_ASK_TO_SAVE, "Save changes to %1?"},
    {AFX_IDP_FAILED_TO_OPEN_DOC, "Failed to open document."},
    {AFX_IDP_FAILED_TO_SAVE_DOC, "Failed to save document."},
    {AFX_IDS_UNTITLED, "Untitled"},
    {AFX_IDS_SAVEFILE, "Save As"},
    {AFX_IDS_OPENFILE, "Open"},
};

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

CDocument::CDocument() = default;

CDocument::~CDocument() {
  // Views still standing lose their document.
  for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;) m_viewList.GetNext(pos)->m_pDocument = nullptr;
  if (m_pDocTemplate != nullptr) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle) {
  m_strTitle = lpszTitle != nullptr ? lpszTitle : "";
  for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;) {
    CView* view = m_viewList.GetNext(pos);
    if (CFrameWnd* frame = view->GetParentFrame()) frame->OnUpdateFrameTitle(TRUE);
  }
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU) {
  // Kept absolute, so that the recent-file list works wherever the program is started next.
  m_strPathName = lpszPathName != nullptr && *lpszPathName != '\0' ? win::FullPath(lpszPathName).c_str() : "";
  SetTitle(FileNameOf(m_strPathName.str()).c_str());
  if (bAddToMRU && AfxGetApp() != nullptr) AfxGetApp()->AddToRecentFileList(m_strPathName);
}

POSITION CDocument::GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }

CView* CDocument::GetNextView(POSITION& rPosition) const {
  return rPosition != nullptr ? m_viewList.GetNext(rPosition) : nullptr;
}

void CDocument::AddView(CView* pView) {
  if (pView == nullptr || m_viewList.Find(pView) != nullptr) return;
  m_viewList.AddTail(pView);
  pView->m_pDocument = this;
  OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
  POSITION pos = m_viewList.Find(pView);
  if (pos == nullptr) return;
  m_viewList.RemoveAt(pos);
  pView->m_pDocument = nullptr;
  OnChangedViewList();
}

void CDocument::OnChangedViewList() {
  if (m_viewList.IsEmpty() && m_bAutoDelete) {
    OnCloseDocument();
    return;
  }
  // The frames' numbers (":1", ":2") follow the windows that are left.
  for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;) {
    CView* view = m_viewList.GetNext(pos);
    if (CFrameWnd* frame = view->GetParentFrame(); frame != nullptr && IsWindow(frame->m_hWnd)) {
      frame->OnUpdateFrameTitle(TRUE);
    }
  }
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
  for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;) {
    CView* view = m_viewList.GetNext(pos);
    if (view != pSender) view->OnUpdate(pSender, lHint, pHint);
  }
}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.Empty();
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName) {
  CFile file;
  if (lpszPathName == nullptr || !file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite)) {
    AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
    return FALSE;
  }
  DeleteContents();
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName) {
  CFile file;
  if (lpszPathName == nullptr || !file.Open(lpszPathName, CFile::modeCreate | CFile::modeWrite)) {
    AfxMessageBox(AFX_IDP_FAILED_TO_SAVE_DOC);
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CDocument::Serialize(CArchive&) {}

void CDocument::ReportSaveLoadException(LPCTSTR, void*, BOOL, UINT nIDPDefault) { AfxMessageBox(nIDPDefault); }

void CDocument::OnCloseDocument() {
  const BOOL auto_delete = m_bAutoDelete;
  m_bAutoDelete = FALSE;  // the closing views must not delete it on the way
  while (!m_viewList.IsEmpty()) {
    CView* view = m_viewList.GetHead();
    CFrameWnd* frame = view->GetParentFrame();
    if (frame != nullptr) {
      PreCloseFrame(frame);
      frame->DestroyWindow();
    }
    if (!m_viewList.IsEmpty() && m_viewList.GetHead() == view) {
      RemoveView(view);  // a view without a frame window
    }
  }
  m_bAutoDelete = auto_delete;
  DeleteContents();
  if (m_bAutoDelete) delete this;
}

BOOL CDocument::SaveModified() {
  if (!IsModified()) return TRUE;
  CString name = m_strPathName.IsEmpty() ? m_strTitle : CString(FileNameOf(m_strPathName.str()).c_str());
  std::string prompt = "Save changes to %1?";
  if (const std::string* text = string_table::Find(AFX_IDP_ASK_TO_SAVE)) prompt = *text;
  const size_t marker = prompt.find("%1");
  if (marker != std::string::npos) prompt.replace(marker, 2, name.str());
  switch (AfxMessageBox(prompt.c_str(), MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL:
      return FALSE;
    case IDYES:
      return DoFileSave();
    default:
      return TRUE;
  }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame) {
  // Another frame still shows the document: closing this one loses nothing.
  for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;) {
    CView* view = m_viewList.GetNext(pos);
    CFrameWnd* frame = view->GetParentFrame();
    if (frame != nullptr && frame != pFrame) return TRUE;
  }
  return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace) {
  CString path = lpszPathName != nullptr ? lpszPathName : "";
  if (path.IsEmpty()) {
    path = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    CString extension;
    if (m_strPathName.IsEmpty() && m_pDocTemplate != nullptr &&
        m_pDocTemplate->GetDocString(extension, CDocTemplate::filterExt) && !extension.IsEmpty()) {
      const std::string first = extension.str().substr(0, extension.str().find(';'));
      path += first.c_str();
    }
    if (AfxGetApp() == nullptr ||
        !AfxGetApp()->DoPromptFileName(path, AFX_IDS_SAVEFILE, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE,
                                       m_pDocTemplate)) {
      return FALSE;
    }
  }
  if (!OnSaveDocument(path)) return FALSE;
  if (bReplace) SetPathName(path);
  return TRUE;
}

BOOL CDocument::DoFileSave() {
  if (m_strPathName.IsEmpty() || (::GetFileAttributes(m_strPathName) != INVALID_FILE_ATTRIBUTES &&
                                  (::GetFileAttributes(m_strPathName) & FILE_ATTRIBUTE_READONLY))) {
    return DoSave(nullptr);
  }
  return DoSave(m_strPathName);
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose() {
  if (!SaveModified()) return;
  OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }
