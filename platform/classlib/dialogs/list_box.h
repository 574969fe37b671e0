// CListBox: a list of text entries, with one or (LBS_MULTIPLESEL,
// LBS_EXTENDEDSEL) several chosen.
#pragma once

#include "platform/classlib/cwnd.h"
#include "platform/classlib/rect.h"

class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)

 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  int AddString(LPCTSTR lpszItem);  // sorted in with LBS_SORT
  int InsertString(int nIndex, LPCTSTR lpszItem);
  int DeleteString(UINT nIndex);
  void ResetContent();
  int FindString(int nStartAfter, LPCTSTR lpszItem) const;
  int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
  int SelectString(int nStartAfter, LPCTSTR lpszItem);
  int GetText(int nIndex, LPTSTR lpszBuffer) const;
  void GetText(int nIndex, CString& rString) const;
  int GetTextLen(int nIndex) const;
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);

  // Multiple selection.
  int GetSel(int nIndex) const;
  int SetSel(int nIndex, BOOL bSelect = TRUE);  // nIndex -1: every entry
  int GetSelCount() const;
  int GetSelItems(int nMaxItems, LPINT rgIndex) const;

  int GetTopIndex() const { return 0; }
  int SetTopIndex(int nIndex) { return nIndex >= 0 && nIndex < GetCount() ? 0 : LB_ERR; }
};
