#include "platform/classlib/docview/doc_template.h"

#include "platform/classlib/dialogs/afx_message_box.h"
#include "platform/classlib/docview/afx_ids.h"
#include "platform/classlib/docview/document.h"
#include "platform/classlib/docview/frame_wnd.h"
#include "platform/classlib/docview/view.h"
#include "platform/classlib/docview/win_app.h"
#include "platform/classlib/string_table.h"
#include "platform/classlib/window/menu.h"
#include "platform/classlib/window/resources.h"
#include "platform/win/win_paths.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

namespace {

// The text of part index of the template string (parts split at '\n').
std::string Part(const std::string& text, int index) {
  size_t start = 0;
  for (int i = 0; i < index; ++i) {
    const size_t next = text.find('\n', start);
    if (next == std::string::npos) return "";
    start = next + 1;
  }
  const size_t end = text.find('\n', start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool EndsWithNoCase(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && win::EqualsNoCase(text.substr(text.size() - end.size()), end);
}

}  // namespace

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass) {}

CDocTemplate::~CDocTemplate() {
  if (m_hMenuShared != nullptr) DestroyMenu(m_hMenuShared);
}

void CDocTemplate::LoadTemplate() {
  if (m_strDocStrings.IsEmpty()) {
    if (const std::string* text = string_table::Find(m_nIDResource)) m_strDocStrings = text->c_str();
  }
  if (m_hMenuShared == nullptr) m_hMenuShared = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(m_nIDResource));
  if (m_hAccelTable == nullptr) {
    m_hAccelTable = ::LoadAccelerators(AfxGetResourceHandle(), MAKEINTRESOURCE(m_nIDResource));
  }
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const {
  rString = Part(m_strDocStrings.str(), static_cast<int>(index)).c_str();
  return !rString.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = nullptr; }

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch) {
  rpDocMatch = nullptr;
  for (POSITION pos = GetFirstDocPosition(); pos != nullptr;) {
    CDocument* doc = GetNextDoc(pos);
    // Names differing in case are different files here.
    if (!doc->GetPathName().IsEmpty() && win::FullPath(doc->GetPathName().str()) == win::FullPath(lpszPathName)) {
      rpDocMatch = doc;
      return yesAlreadyOpen;
    }
  }
  CString extensions;
  if (GetDocString(extensions, filterExt)) {
    // ".cpp;*.nc": each extension of the list.
    std::string list = extensions.str();
    size_t start = 0;
    while (start <= list.size()) {
      const size_t end = list.find(';', start);
      std::string extension = list.substr(start, end == std::string::npos ? std::string::npos : end - start);
      while (!extension.empty() && extension[0] == '*') extension.erase(0, 1);
      if (!extension.empty() && extension != "." && EndsWithNoCase(lpszPathName, extension)) return yesAttemptNative;
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }
  return yesAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument() {
  if (m_pDocClass == nullptr) return nullptr;
  auto* document = static_cast<CDocument*>(m_pDocClass->CreateObject());
  if (document == nullptr) return nullptr;
  AddDocument(document);
  return document;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
  (void)pOther;
  if (m_pFrameClass == nullptr) return nullptr;
  CCreateContext context;
  context.m_pCurrentFrame = pOther;
  context.m_pCurrentDoc = pDoc;
  context.m_pNewViewClass = m_pViewClass;
  context.m_pNewDocTemplate = this;
  auto* frame = static_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
  if (frame == nullptr) return nullptr;
  if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) {
    return nullptr;  // a frame that failed to load deleted itself
  }
  return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
  pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::FillDocument(CDocument* pDocument, LPCTSTR lpszPathName) {
  if (lpszPathName == nullptr) {
    SetDefaultTitle(pDocument);
    return pDocument->OnNewDocument();
  }
  if (!pDocument->OnOpenDocument(lpszPathName)) return FALSE;
  pDocument->SetPathName(lpszPathName);
  return TRUE;
}

BOOL CDocTemplate::SaveAllModified() {
  for (POSITION pos = GetFirstDocPosition(); pos != nullptr;) {
    if (!GetNextDoc(pos)->SaveModified()) return FALSE;
  }
  return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL bEndSession) {
  (void)bEndSession;
  for (POSITION pos = GetFirstDocPosition(); pos != nullptr; pos = GetFirstDocPosition()) {
    CDocument* doc = GetNextDoc(pos);
    doc->OnCloseDocument();
    POSITION first = GetFirstDocPosition();
    if (first != nullptr && GetNextDoc(first) == doc) break;  // it would not go
  }
}

// Multiple documents.

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CMultiDocTemplate::~CMultiDocTemplate() {
  while (!m_docList.IsEmpty()) {
    CDocument* doc = m_docList.GetHead();
    doc->OnCloseDocument();
    if (!m_docList.IsEmpty() && m_docList.GetHead() == doc) {
      m_docList.RemoveHead();
      delete doc;
    }
  }
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const { return m_docList.GetHeadPosition(); }

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const { return m_docList.GetNext(rPos); }

void CMultiDocTemplate::AddDocument(CDocument* pDoc) {
  CDocTemplate::AddDocument(pDoc);
  m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc) {
  CDocTemplate::RemoveDocument(pDoc);
  if (POSITION pos = m_docList.Find(pDoc)) m_docList.RemoveAt(pos);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument) {
  CString name;
  if (!GetDocString(name, docName) || name.IsEmpty()) name = "Untitled";
  CString title;
  title.Format("%s%u", name.GetString(), ++m_nUntitledCount);
  pDocument->SetTitle(title);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) {
  CDocument* document = CreateNewDocument();
  if (document == nullptr) {
    AfxMessageBox("Failed to create empty document.");
    return nullptr;
  }
  const BOOL auto_delete = document->m_bAutoDelete;
  document->m_bAutoDelete = FALSE;  // the frame must not delete it while it fails
  CFrameWnd* frame = CreateNewFrame(document, nullptr);
  document->m_bAutoDelete = auto_delete;
  if (frame == nullptr) {
    RemoveDocument(document);
    delete document;
    return nullptr;
  }
  if (!FillDocument(document, lpszPathName)) {
    frame->DestroyWindow();
    return nullptr;
  }
  InitialUpdateFrame(frame, document, bMakeVisible);
  return document;
}

// A single document.

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CSingleDocTemplate::~CSingleDocTemplate() {
  if (m_pOnlyDoc != nullptr) {
    CDocument* doc = m_pOnlyDoc;
    doc->OnCloseDocument();
    if (m_pOnlyDoc == doc) {
      m_pOnlyDoc = nullptr;
      delete doc;
    }
  }
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const {
  return m_pOnlyDoc != nullptr ? reinterpret_cast<POSITION>(1) : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const {
  rPos = nullptr;
  return m_pOnlyDoc;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc) {
  CDocTemplate::AddDocument(pDoc);
  m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc) {
  CDocTemplate::RemoveDocument(pDoc);
  if (m_pOnlyDoc == pDoc) m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument) {
  CString name;
  if (!GetDocString(name, docName) || name.IsEmpty()) name = "Untitled";
  pDocument->SetTitle(name);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) {
  CDocument* document = m_pOnlyDoc;
  CFrameWnd* frame = nullptr;
  bool created = false;
  if (document != nullptr) {
    if (!document->SaveModified()) return nullptr;
    POSITION pos = document->GetFirstViewPosition();
    if (CView* view = document->GetNextView(pos)) frame = view->GetParentFrame();
  } else {
    document = CreateNewDocument();
    if (document == nullptr) return nullptr;
    created = true;
    const BOOL auto_delete = document->m_bAutoDelete;
    document->m_bAutoDelete = FALSE;
    frame = CreateNewFrame(document, nullptr);
    document->m_bAutoDelete = auto_delete;
    if (frame == nullptr) {
      RemoveDocument(document);
      delete document;
      return nullptr;
    }
  }
  if (!FillDocument(document, lpszPathName)) {
    if (created) frame->DestroyWindow();
    return nullptr;
  }
  if (frame != nullptr) {
    if (created && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd == nullptr) AfxGetApp()->m_pMainWnd = frame;
    InitialUpdateFrame(frame, document, bMakeVisible);
  }
  return document;
}
