#include "editor/textedit/edit/edit_drop_target.h"

#include "editor/textedit/edit/edit_view.h"

DROPEFFECT CEditDropTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) {
  return view_->OnDragEnter(pDataObject, dwKeyState, point);
}

DROPEFFECT CEditDropTarget::OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) {
  return view_->OnDragOver(pDataObject, dwKeyState, point);
}

void CEditDropTarget::OnDragLeave(CWnd*) { view_->OnDragLeave(); }

DROPEFFECT CEditDropTarget::OnDragScroll(CWnd*, DWORD dwKeyState, CPoint point) {
  return view_->OnDragScroll(dwKeyState, point);
}

BOOL CEditDropTarget::OnDrop(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) {
  return view_->OnDrop(pDataObject, dropEffect, point);
}
