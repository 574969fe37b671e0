// CListCtrl: a report-view list of rows with columns, sub-items and a selection.
#pragma once

#include "platform/classlib/collections/clist.h"
#include "platform/classlib/cwnd.h"
#include "platform/classlib/rect.h"

class CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)

 public:
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // Columns.
  int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
  int InsertColumn(int nCol, const LVCOLUMN* pColumn);
  BOOL DeleteColumn(int nCol);
  int GetColumnWidth(int nCol) const;
  BOOL SetColumnWidth(int nCol, int cx);
  int GetColumnCount() const;

  // Rows. Indexes past the end append.
  int InsertItem(int nItem, LPCTSTR lpszItem);
  int InsertItem(const LVITEM* pItem);
  int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  int GetItemCount() const;
  BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
  CString GetItemText(int nItem, int nSubItem) const;
  int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
  BOOL SetItemData(int nItem, DWORD_PTR dwData);
  DWORD_PTR GetItemData(int nItem) const;

  // Selection. Changing it sends LVN_ITEMCHANGED, as the control does.
  UINT GetItemState(int nItem, UINT nMask) const;
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);  // nItem -1: every row
  int GetNextItem(int nItem, int nFlags) const;
  UINT GetSelectedCount() const;
  int GetSelectionMark() const;
  int SetSelectionMark(int iIndex);
  POSITION GetFirstSelectedItemPosition() const;
  int GetNextSelectedItem(POSITION& pos) const;

  DWORD GetExtendedStyle() const;
  DWORD SetExtendedStyle(DWORD dwNewStyle);
  BOOL EnsureVisible(int nItem, BOOL bPartialOK) const;
};
