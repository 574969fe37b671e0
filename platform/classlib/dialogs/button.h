// CButton (push buttons, check boxes, radio buttons, group boxes) and
// CBitmapButton, a push button drawn from bitmap resources.
#pragma once

#include <vector>

#include "platform/classlib/cwnd.h"
#include "platform/classlib/rect.h"

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

 public:
  BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE. Setting it by program
  // sends no notification, and leaves the other radio buttons alone.
  int GetCheck() const;
  void SetCheck(int nCheck);
  UINT GetState() const;
  void SetState(BOOL bHighlight);
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
};

class CBitmapButton : public CButton {
  DECLARE_DYNAMIC(CBitmapButton)

 public:
  // Bitmap resource ids for the up, down, focused and disabled looks.
  BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0, UINT nIDBitmapResourceFocus = 0,
                   UINT nIDBitmapResourceDisabled = 0);
  // Takes over the dialog's button nID.
  BOOL AutoLoad(UINT nID, CWnd* pParent);
  void SizeToContent() {}
  const std::vector<UINT>& GetBitmapIds() const { return bitmaps_; }

 private:
  std::vector<UINT> bitmaps_;
};
