#include "editor/app/sample_doc.h"

#include <cerrno>
#include <cstring>

#include "editor/app/app_ids.h"
#include "editor/textedit/file_failure_text.h"
#include "platform/classlib/dialogs/afx_message_box.h"
#include "platform/win/files.h"
#include "platform/win/message_box.h"

IMPLEMENT_DYNCREATE(CSampleDoc, CDocument)

BEGIN_MESSAGE_MAP(CSampleDoc, CDocument)
ON_COMMAND(ID_TOGGLE_READ_ONLY, &CSampleDoc::OnReadOnly)
ON_UPDATE_COMMAND_UI(ID_TOGGLE_READ_ONLY, &CSampleDoc::OnUpdateReadOnly)
END_MESSAGE_MAP()

namespace {

constexpr char kMessageCaption[] = "메시지";

void ShowMessage(const CString& text) { ::MessageBox(nullptr, text, kMessageCaption, MB_OK); }

}  // namespace

void CDocTextBuffer::MarkModified(BOOL modified) {
  CVellumTextBuffer::MarkModified(modified);
  if (doc_ != nullptr) doc_->SetModifiedFlag(modified);
}

CSampleDoc::CSampleDoc() : m_xTextBuffer(this) {
  m_lf.lfWeight = FW_NORMAL;
  std::strncpy(m_lf.lfFaceName, "Courier", LF_FACESIZE - 1);
}

CSampleDoc::~CSampleDoc() = default;

void CSampleDoc::DeleteContents() {
  CDocument::DeleteContents();
  m_xTextBuffer.FreeAll();
}

BOOL CSampleDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return FALSE;
  m_xTextBuffer.InitNew(0);
  return TRUE;
}

BOOL CSampleDoc::OnOpenDocument(LPCTSTR lpszPathName) {
  const DWORD attributes = ::GetFileAttributes(lpszPathName);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    ShowMessage(CString(lpszPathName) + "은 읽기전용 파일이므로 수정이 되지 않습니다.");
  }
  errno = 0;
  if (m_xTextBuffer.LoadFromFile(lpszPathName, -1)) return TRUE;
  const int error = errno;
  ShowMessage(CString(lpszPathName) + "파일은 열수 없습니다.\n" + OpenFailureReason(lpszPathName, error).c_str());
  return FALSE;
}

BOOL CSampleDoc::OnSaveDocument(LPCTSTR lpszPathName) { return m_xTextBuffer.SaveToFile(lpszPathName, -1, TRUE); }

BOOL CSampleDoc::ReplaceTextFromFile(LPCTSTR lpszPathName) {
  CVellumTextBuffer source;
  if (!source.LoadFromFile(lpszPathName, -1) || m_xTextBuffer.GetReadOnly()) return FALSE;
  if (!m_xTextBuffer.IsInitialised()) m_xTextBuffer.InitNew(source.LineEndingStyle());
  CString text;
  const int last = source.LineCount() - 1;
  source.CopyRange(0, 0, last, source.LineLength(last), text);
  const int end_line = m_xTextBuffer.LineCount() - 1;
  const int end_column = m_xTextBuffer.LineLength(end_line);
  m_xTextBuffer.BeginUndoGroup();
  BOOL replaced = end_line == 0 && end_column == 0;
  if (!replaced) replaced = m_xTextBuffer.DeleteText(nullptr, 0, 0, end_line, end_column);
  int line = 0;
  int column = 0;
  if (replaced && !text.IsEmpty()) replaced = m_xTextBuffer.InsertText(nullptr, 0, 0, text, line, column);
  m_xTextBuffer.FlushUndoGroup(nullptr);
  return replaced;
}

void CSampleDoc::OnReadOnly() {
  if (m_xTextBuffer.GetReadOnly()) {
    m_xTextBuffer.SetReadOnly(FALSE);
  } else {
    m_xTextBuffer.SetReadOnly(TRUE);
    AfxMessageBox("Document now read-only!");
  }
}

void CSampleDoc::OnUpdateReadOnly(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_xTextBuffer.GetReadOnly()); }
