// CEdit: a text field of the window model.
#pragma once

#include "platform/classlib/cwnd.h"
#include "platform/classlib/rect.h"

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)

 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
  // A limit of 0 means no limit; it binds the user's typing, not the program.
  void LimitText(int nChars = 0);
  void SetLimitText(UINT nMax) { LimitText(static_cast<int>(nMax)); }
  UINT GetLimitText() const;

  // Selection in bytes; nEnd -1 selects to the end, nStart -1 removes the selection.
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void GetSel(int& nStartChar, int& nEndChar) const;
  DWORD GetSel() const;
  void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
  void Clear();

  BOOL GetModify() const;
  void SetModify(BOOL bModified = TRUE);
  int GetLineCount() const;
};
