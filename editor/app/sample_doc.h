// The editor's document: one NC program in a text buffer that all its views
// share, and the font its views start with. The document's modified mark
// follows the buffer's.
#pragma once

#include "editor/textedit/text_buffer.h"
#include "platform/classlib/afxwin.h"

class CSampleDoc;

class CDocTextBuffer : public CVellumTextBuffer {
 public:
  explicit CDocTextBuffer(CSampleDoc* doc) : doc_(doc) {}
  void MarkModified(BOOL modified) override;

 private:
  CSampleDoc* doc_;
};

class CSampleDoc : public CDocument {
  DECLARE_DYNCREATE(CSampleDoc)

 public:
  CSampleDoc();
  ~CSampleDoc() override;

  CDocTextBuffer m_xTextBuffer;
  LOGFONT m_lf;

  void DeleteContents() override;
  BOOL OnNewDocument() override;
  BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
  // FALSE when the buffer could not save: the document stays modified.
  BOOL OnSaveDocument(LPCTSTR lpszPathName) override;

  // Makes the text that of a file through the buffer's edits, so that one
  // undo takes it back and the document counts as modified.
  BOOL ReplaceTextFromFile(LPCTSTR lpszPathName);

 protected:
  afx_msg void OnReadOnly();
  afx_msg void OnUpdateReadOnly(CCmdUI* pCmdUI);
  DECLARE_MESSAGE_MAP()
};
