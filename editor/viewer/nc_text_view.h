// The viewer's document and view over the editor's text component: the file
// in a text buffer, shown by the text view with the NC view's colouring.
#pragma once

#include <vector>

#include "editor/textedit/text_buffer.h"
#include "editor/textedit/view/text_view.h"
#include "platform/classlib/afxwin.h"

namespace viewer {

class NcTextDocument : public CDocument {
  DECLARE_DYNCREATE(NcTextDocument)

 public:
  CVellumTextBuffer buffer;

  BOOL OnNewDocument() override;
  BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
  void DeleteContents() override;
};

class NcTextView : public CVellumTextView {
  DECLARE_DYNCREATE(NcTextView)

 public:
  CVellumTextBuffer* FindTextBuffer() override;
  DWORD ColourBlocksHook(DWORD cookie, int line, std::vector<ColourBlock>* blocks) override;
};

}  // namespace viewer
