#include "platform/classlib/dialogs/button.h"

#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  (void)rect;
  return CreateChild(afx::WindowKind::kButton, dwStyle, lpszCaption, pParentWnd, nID);
}

int CButton::GetCheck() const {
  afx::WindowRecord* record = Record();
  return record != nullptr ? record->check : BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck) {
  if (afx::WindowRecord* record = Record()) record->check = nCheck;
}

UINT CButton::GetState() const {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return 0;
  UINT state = static_cast<UINT>(record->check) & 0x3;
  if (afx::FocusedRecord() == record) state |= BST_FOCUS;
  return state;
}

void CButton::SetState(BOOL bHighlight) { (void)bHighlight; }

UINT CButton::GetButtonStyle() const {
  afx::WindowRecord* record = Record();
  return record != nullptr ? static_cast<UINT>(record->style & 0xFFFF) : 0;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
  (void)bRedraw;
  if (afx::WindowRecord* record = Record()) record->style = (record->style & ~0xFFFFu) | (nStyle & 0xFFFF);
}

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel, UINT nIDBitmapResourceFocus,
                                UINT nIDBitmapResourceDisabled) {
  bitmaps_ = {nIDBitmapResource, nIDBitmapResourceSel, nIDBitmapResourceFocus, nIDBitmapResourceDisabled};
  if (afx::WindowRecord* record = Record()) record->bitmaps = bitmaps_;
  return nIDBitmapResource != 0;
}

BOOL CBitmapButton::AutoLoad(UINT nID, CWnd* pParent) {
  if (!SubclassDlgItem(nID, pParent)) return FALSE;
  if (!bitmaps_.empty()) Record()->bitmaps = bitmaps_;
  return TRUE;
}
