// The drop target of an editing view: hands every drag event to its view.
#pragma once

#include "platform/classlib/docview/ole_drag_drop.h"

class CVellumEditView;

class CEditDropTarget : public COleDropTarget {
 public:
  explicit CEditDropTarget(CVellumEditView* view) : view_(view) {}

  DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
  DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
  void OnDragLeave(CWnd* pWnd) override;
  DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point) override;
  BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;

 private:
  CVellumEditView* view_;
};
