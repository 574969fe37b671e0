#include "editor/viewer/nc_text_view.h"

#include "editor/app/nc_colouring.h"

namespace viewer {

IMPLEMENT_DYNCREATE(NcTextDocument, CDocument)
IMPLEMENT_DYNCREATE(NcTextView, CVellumTextView)

BOOL NcTextDocument::OnNewDocument() { return CDocument::OnNewDocument() && buffer.InitNew(0); }

BOOL NcTextDocument::OnOpenDocument(LPCTSTR lpszPathName) { return buffer.LoadFromFile(lpszPathName, -1); }

void NcTextDocument::DeleteContents() {
  CDocument::DeleteContents();
  buffer.FreeAll();
}

CVellumTextBuffer* NcTextView::FindTextBuffer() {
  auto* doc = dynamic_cast<NcTextDocument*>(GetDocument());
  return doc != nullptr ? &doc->buffer : nullptr;
}

DWORD NcTextView::ColourBlocksHook(DWORD cookie, int line, std::vector<ColourBlock>* blocks) {
  return NcColourViewLine(*this, cookie, line, blocks);
}

}  // namespace viewer
