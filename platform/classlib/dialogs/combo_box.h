// CComboBox: an edit field with a list of entries (drop-down), or a list of
// entries alone (drop-down list).
#pragma once

#include "platform/classlib/cwnd.h"
#include "platform/classlib/rect.h"

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)

 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const;
  int GetCurSel() const;
  // -1 clears the choice; an index out of range clears it and returns CB_ERR.
  int SetCurSel(int nSelect);
  int AddString(LPCTSTR lpszString);  // sorted in with CBS_SORT
  int InsertString(int nIndex, LPCTSTR lpszString);
  int DeleteString(UINT nIndex);
  void ResetContent();
  int FindString(int nStartAfter, LPCTSTR lpszString) const;
  int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
  int SelectString(int nStartAfter, LPCTSTR lpszString);
  int GetLBText(int nIndex, LPTSTR lpszText) const;
  void GetLBText(int nIndex, CString& rString) const;
  int GetLBTextLen(int nIndex) const;
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  BOOL LimitText(int nMaxChars);
  void ShowDropDown(BOOL bShowIt = TRUE) { (void)bShowIt; }
  BOOL GetDroppedState() const { return FALSE; }
};
