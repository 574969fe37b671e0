// Drag and drop of text between windows, in the class library's OLE form:
// a data source offers a block of CF_TEXT and runs the drag; a drop target
// registered for a window hears the drag enter, move, leave and drop.
#pragma once

#include <string>

#include "platform/classlib/cmdtarget.h"
#include "platform/classlib/window/clipboard.h"

class CWnd;

using DROPEFFECT = DWORD;
constexpr DROPEFFECT DROPEFFECT_NONE = 0;
constexpr DROPEFFECT DROPEFFECT_COPY = 1;
constexpr DROPEFFECT DROPEFFECT_MOVE = 2;
constexpr DROPEFFECT DROPEFFECT_LINK = 4;
constexpr DROPEFFECT DROPEFFECT_SCROLL = 0x80000000;

// Key state bits of drag messages.
constexpr DWORD MK_ALT = 0x20;

// Starts the library's OLE support; always succeeds here.
BOOL AfxOleInit();

class COleDataObject {
 public:
  COleDataObject() = default;
  explicit COleDataObject(std::string text) : text_(std::move(text)), has_text_(true) {}

  BOOL IsDataAvailable(CLIPFORMAT cfFormat, void* lpFormatEtc = nullptr) const;
  // A new block the caller frees; null when the format is not offered.
  HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, void* lpFormatEtc = nullptr) const;
  // What the clipboard holds now.
  BOOL AttachClipboard();

 private:
  std::string text_;
  bool has_text_ = false;
};

class COleDataSource : public CCmdTarget {
  DECLARE_DYNAMIC(COleDataSource)

 public:
  COleDataSource() = default;
  ~COleDataSource() override;

  // Takes the block.
  void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, void* lpFormatEtc = nullptr);
  void Empty();
  // Runs the drag; the effect the drop chose, DROPEFFECT_NONE when cancelled.
  DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                        LPCRECT lpRectStartDrag = nullptr, void* pDropSource = nullptr);
  // Puts the text on the clipboard.
  void SetClipboard();

 private:
  HGLOBAL text_ = nullptr;
};

class COleDropTarget : public CCmdTarget {
  DECLARE_DYNAMIC(COleDropTarget)

 public:
  COleDropTarget() = default;
  ~COleDropTarget() override;

  // One target per window; FALSE when the window has one already or is gone.
  BOOL Register(CWnd* pWnd);
  void Revoke();

  virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
  virtual void OnDragLeave(CWnd* pWnd);
  virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
  // DROPEFFECT_SCROLL (with the effect) while the point is near an edge and the target scrolled.
  virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

  // The window it is registered for.
  CWnd* m_pWnd = nullptr;

 private:
  friend struct DropTargetAccess;
  HWND window_ = nullptr;
  COleDataObject data_;
};
