#include "platform/classlib/dialogs/list_ctrl.h"

#include <algorithm>
#include <cstdint>

#include "platform/classlib/text_copy.h"
#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {

using afx::WindowRecord;

bool ValidRow(const WindowRecord* record, int item) {
  return record != nullptr && item >= 0 && item < static_cast<int>(record->rows.size());
}

POSITION PositionOf(int index) { return reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(index + 1)); }

int NextSelected(const WindowRecord& record, int after) {
  for (int i = after + 1; i < static_cast<int>(record.rows.size()); ++i) {
    if (record.rows[i].state & LVIS_SELECTED) return i;
  }
  return -1;
}

void SendItemChanged(WindowRecord& record, int item, UINT old_state) {
  NMLISTVIEW change;
  change.iItem = item;
  change.uChanged = LVIF_STATE;
  change.uOldState = old_state;
  change.uNewState = record.rows[item].state;
  change.lParam = record.rows[item].data;
  afx::NotifyParent(record, change.hdr, LVN_ITEMCHANGED);
}

// Sets the state bits of one row; sends LVN_ITEMCHANGED when they change.
void ChangeRowState(WindowRecord& record, int item, UINT state, UINT mask) {
  if (item >= static_cast<int>(record.rows.size())) return;
  const UINT old_state = record.rows[item].state;
  const UINT new_state = (old_state & ~mask) | (state & mask);
  if (new_state == old_state) return;
  record.rows[item].state = new_state;
  SendItemChanged(record, item, old_state);
}

}  // namespace

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  (void)rect;
  return CreateChild(afx::WindowKind::kListCtrl, dwStyle, "", pParentWnd, nID);
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem) {
  (void)nSubItem;
  WindowRecord* record = Record();
  if (record == nullptr || nCol < 0) return -1;
  const int count = static_cast<int>(record->columns.size());
  if (nCol > count) nCol = count;
  afx::ListColumn column{lpszColumnHeading != nullptr ? lpszColumnHeading : "", nFormat, nWidth < 0 ? 0 : nWidth};
  record->columns.insert(record->columns.begin() + nCol, column);
  return nCol;
}

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn) {
  if (pColumn == nullptr) return -1;
  const LPCTSTR heading = (pColumn->mask & LVCF_TEXT) ? pColumn->pszText : "";
  const int format = (pColumn->mask & LVCF_FMT) ? pColumn->fmt : LVCFMT_LEFT;
  const int width = (pColumn->mask & LVCF_WIDTH) ? pColumn->cx : -1;
  return InsertColumn(nCol, heading, format, width);
}

BOOL CListCtrl::DeleteColumn(int nCol) {
  WindowRecord* record = Record();
  if (record == nullptr || nCol < 0 || nCol >= static_cast<int>(record->columns.size())) return FALSE;
  record->columns.erase(record->columns.begin() + nCol);
  for (afx::ListRow& row : record->rows) {
    if (nCol < static_cast<int>(row.texts.size())) row.texts.erase(row.texts.begin() + nCol);
  }
  return TRUE;
}

int CListCtrl::GetColumnWidth(int nCol) const {
  WindowRecord* record = Record();
  if (record == nullptr || nCol < 0 || nCol >= static_cast<int>(record->columns.size())) return 0;
  return record->columns[nCol].width;
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
  WindowRecord* record = Record();
  if (record == nullptr || nCol < 0 || nCol >= static_cast<int>(record->columns.size())) return FALSE;
  record->columns[nCol].width = cx;
  return TRUE;
}

int CListCtrl::GetColumnCount() const {
  WindowRecord* record = Record();
  return record != nullptr ? static_cast<int>(record->columns.size()) : 0;
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0); }

int CListCtrl::InsertItem(const LVITEM* pItem) {
  if (pItem == nullptr) return -1;
  return InsertItem(pItem->mask, pItem->iItem, pItem->pszText, pItem->state, pItem->stateMask, pItem->iImage,
                    pItem->lParam);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam) {
  (void)nImage;
  WindowRecord* record = Record();
  if (record == nullptr || nItem < 0) return -1;
  const int count = static_cast<int>(record->rows.size());
  if (nItem > count) nItem = count;
  afx::ListRow row;
  row.texts.push_back((nMask & LVIF_TEXT) && lpszItem != nullptr ? lpszItem : "");
  if (nMask & LVIF_PARAM) row.data = lParam;
  record->rows.insert(record->rows.begin() + nItem, row);
  if (record->selection_mark >= nItem) ++record->selection_mark;
  if (nMask & LVIF_STATE) SetItemState(nItem, nState, nStateMask);
  return nItem;
}

BOOL CListCtrl::DeleteItem(int nItem) {
  WindowRecord* record = Record();
  if (!ValidRow(record, nItem)) return FALSE;
  record->rows.erase(record->rows.begin() + nItem);
  if (record->selection_mark == nItem) {
    record->selection_mark = -1;
  } else if (record->selection_mark > nItem) {
    --record->selection_mark;
  }
  return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  record->rows.clear();
  record->selection_mark = -1;
  return TRUE;
}

int CListCtrl::GetItemCount() const {
  WindowRecord* record = Record();
  return record != nullptr ? static_cast<int>(record->rows.size()) : 0;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
  WindowRecord* record = Record();
  if (!ValidRow(record, nItem) || nSubItem < 0) return FALSE;
  const int columns = std::max(1, static_cast<int>(record->columns.size()));
  if (nSubItem >= columns) return FALSE;
  std::vector<std::string>& texts = record->rows[nItem].texts;
  if (static_cast<int>(texts.size()) <= nSubItem) texts.resize(nSubItem + 1);
  texts[nSubItem] = lpszText != nullptr ? lpszText : "";
  return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
  WindowRecord* record = Record();
  if (!ValidRow(record, nItem) || nSubItem < 0) return CString();
  const std::vector<std::string>& texts = record->rows[nItem].texts;
  return nSubItem < static_cast<int>(texts.size()) ? CString(texts[nSubItem]) : CString();
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
  return afx::CopyText(GetItemText(nItem, nSubItem).str(), lpszText, nLen);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
  WindowRecord* record = Record();
  if (!ValidRow(record, nItem)) return FALSE;
  record->rows[nItem].data = static_cast<LPARAM>(dwData);
  return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
  WindowRecord* record = Record();
  return ValidRow(record, nItem) ? static_cast<DWORD_PTR>(record->rows[nItem].data) : 0;
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
  WindowRecord* record = Record();
  return ValidRow(record, nItem) ? record->rows[nItem].state & nMask : 0;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
  WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  if (nItem == -1) {
    for (int i = 0; i < static_cast<int>(record->rows.size()); ++i) ChangeRowState(*record, i, nState, nMask);
    return TRUE;
  }
  if (!ValidRow(record, nItem)) return FALSE;
  const bool selecting = (nMask & LVIS_SELECTED) && (nState & LVIS_SELECTED);
  if (selecting && (record->style & LVS_SINGLESEL)) {
    for (int i = 0; i < static_cast<int>(record->rows.size()); ++i) {
      if (i != nItem) ChangeRowState(*record, i, 0, LVIS_SELECTED);
    }
  }
  ChangeRowState(*record, nItem, nState, nMask);
  if (selecting) record->selection_mark = nItem;
  return TRUE;
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const {
  WindowRecord* record = Record();
  if (record == nullptr) return -1;
  const UINT wanted = static_cast<UINT>(nFlags) & (LVNI_SELECTED | LVNI_FOCUSED);
  for (int i = nItem + 1; i < static_cast<int>(record->rows.size()); ++i) {
    if ((record->rows[i].state & wanted) == wanted) return i;
  }
  return -1;
}

UINT CListCtrl::GetSelectedCount() const {
  WindowRecord* record = Record();
  if (record == nullptr) return 0;
  UINT count = 0;
  for (const afx::ListRow& row : record->rows) count += (row.state & LVIS_SELECTED) ? 1 : 0;
  return count;
}

int CListCtrl::GetSelectionMark() const {
  WindowRecord* record = Record();
  return record != nullptr ? record->selection_mark : -1;
}

int CListCtrl::SetSelectionMark(int iIndex) {
  WindowRecord* record = Record();
  if (record == nullptr) return -1;
  const int previous = record->selection_mark;
  record->selection_mark = iIndex;
  return previous;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
  WindowRecord* record = Record();
  if (record == nullptr) return nullptr;
  const int first = NextSelected(*record, -1);
  return first < 0 ? nullptr : PositionOf(first);
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
  const int index = static_cast<int>(reinterpret_cast<std::uintptr_t>(pos)) - 1;
  WindowRecord* record = Record();
  const int next = record != nullptr ? NextSelected(*record, index) : -1;
  pos = next < 0 ? nullptr : PositionOf(next);
  return index;
}

DWORD CListCtrl::GetExtendedStyle() const {
  WindowRecord* record = Record();
  return record != nullptr ? record->ex_style : 0;
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
  WindowRecord* record = Record();
  if (record == nullptr) return 0;
  const DWORD previous = record->ex_style;
  record->ex_style = dwNewStyle;
  return previous;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) const {
  (void)bPartialOK;
  return ValidRow(Record(), nItem);
}
