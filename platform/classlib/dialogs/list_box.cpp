#include "platform/classlib/dialogs/list_box.h"

#include <cstring>

#include "platform/classlib/dialogs/list_entries.h"
#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {

bool IsMultiple(const afx::WindowRecord& record) { return (record.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }

}  // namespace

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  (void)rect;
  return CreateChild(afx::WindowKind::kListBox, dwStyle, "", pParentWnd, nID);
}

int CListBox::GetCount() const {
  afx::WindowRecord* record = Record();
  return record != nullptr ? static_cast<int>(record->entries.size()) : LB_ERR;
}

int CListBox::GetCurSel() const {
  afx::WindowRecord* record = Record();
  return record != nullptr && afx::ValidEntry(*record, record->current) ? record->current : LB_ERR;
}

int CListBox::SetCurSel(int nSelect) {
  afx::WindowRecord* record = Record();
  if (record == nullptr || IsMultiple(*record)) return LB_ERR;
  const bool valid = afx::ValidEntry(*record, nSelect);
  record->current = valid ? nSelect : -1;
  return valid || nSelect == -1 ? nSelect : LB_ERR;
}

int CListBox::AddString(LPCTSTR lpszItem) {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return LB_ERR;
  return afx::AddEntry(*record, lpszItem != nullptr ? lpszItem : "", (record->style & LBS_SORT) != 0);
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem) {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return LB_ERR;
  return afx::InsertEntry(*record, nIndex, lpszItem != nullptr ? lpszItem : "");
}

int CListBox::DeleteString(UINT nIndex) {
  afx::WindowRecord* record = Record();
  return record != nullptr ? afx::DeleteEntry(*record, static_cast<int>(nIndex)) : LB_ERR;
}

void CListBox::ResetContent() {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return;
  record->entries.clear();
  record->current = -1;
}

int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return LB_ERR;
  return afx::FindEntry(*record, nStartAfter, lpszItem != nullptr ? lpszItem : "", false);
}

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return LB_ERR;
  return afx::FindEntry(*record, nIndexStart, lpszFind != nullptr ? lpszFind : "", true);
}

int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem) {
  const int found = FindString(nStartAfter, lpszItem);
  return found == LB_ERR ? LB_ERR : SetCurSel(found);
}

int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const {
  afx::WindowRecord* record = Record();
  if (record == nullptr || !afx::ValidEntry(*record, nIndex)) return LB_ERR;
  const std::string& text = record->entries[nIndex].text;
  if (lpszBuffer != nullptr) std::memcpy(lpszBuffer, text.c_str(), text.size() + 1);
  return static_cast<int>(text.size());
}

void CListBox::GetText(int nIndex, CString& rString) const {
  afx::WindowRecord* record = Record();
  rString = record != nullptr && afx::ValidEntry(*record, nIndex) ? record->entries[nIndex].text : std::string();
}

int CListBox::GetTextLen(int nIndex) const {
  afx::WindowRecord* record = Record();
  if (record == nullptr || !afx::ValidEntry(*record, nIndex)) return LB_ERR;
  return static_cast<int>(record->entries[nIndex].text.size());
}

DWORD_PTR CListBox::GetItemData(int nIndex) const {
  afx::WindowRecord* record = Record();
  if (record == nullptr || !afx::ValidEntry(*record, nIndex)) return static_cast<DWORD_PTR>(LB_ERR);
  return record->entries[nIndex].data;
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
  afx::WindowRecord* record = Record();
  if (record == nullptr || !afx::ValidEntry(*record, nIndex)) return LB_ERR;
  record->entries[nIndex].data = dwItemData;
  return LB_OKAY;
}

int CListBox::GetSel(int nIndex) const {
  afx::WindowRecord* record = Record();
  if (record == nullptr || !afx::ValidEntry(*record, nIndex)) return LB_ERR;
  if (!IsMultiple(*record)) return record->current == nIndex ? 1 : 0;
  return record->entries[nIndex].selected ? 1 : 0;
}

int CListBox::SetSel(int nIndex, BOOL bSelect) {
  afx::WindowRecord* record = Record();
  if (record == nullptr || !IsMultiple(*record)) return LB_ERR;
  if (nIndex == -1) {
    for (afx::ListEntry& entry : record->entries) entry.selected = bSelect != FALSE;
    return LB_OKAY;
  }
  if (!afx::ValidEntry(*record, nIndex)) return LB_ERR;
  record->entries[nIndex].selected = bSelect != FALSE;
  record->current = nIndex;
  return LB_OKAY;
}

int CListBox::GetSelCount() const {
  afx::WindowRecord* record = Record();
  if (record == nullptr || !IsMultiple(*record)) return LB_ERR;
  int count = 0;
  for (const afx::ListEntry& entry : record->entries) count += entry.selected ? 1 : 0;
  return count;
}

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const {
  afx::WindowRecord* record = Record();
  if (record == nullptr || !IsMultiple(*record)) return LB_ERR;
  int written = 0;
  for (int i = 0; i < static_cast<int>(record->entries.size()) && written < nMaxItems; ++i) {
    if (record->entries[i].selected) rgIndex[written++] = i;
  }
  return written;
}
