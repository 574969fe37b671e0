#include "platform/classlib/dialogs/combo_box.h"

#include <cstring>

#include "platform/classlib/dialogs/list_entries.h"
#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  (void)rect;
  return CreateChild(afx::WindowKind::kComboBox, dwStyle, "", pParentWnd, nID);
}

int CComboBox::GetCount() const {
  afx::WindowRecord* record = Record();
  return record != nullptr ? static_cast<int>(record->entries.size()) : CB_ERR;
}

int CComboBox::GetCurSel() const {
  afx::WindowRecord* record = Record();
  return record != nullptr && afx::ValidEntry(*record, record->current) ? record->current : CB_ERR;
}

int CComboBox::SetCurSel(int nSelect) {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return CB_ERR;
  const bool valid = afx::ValidEntry(*record, nSelect);
  record->current = valid ? nSelect : -1;
  if (!record->IsDropDownList()) record->text = valid ? record->entries[nSelect].text : std::string();
  return valid ? nSelect : CB_ERR;
}

int CComboBox::AddString(LPCTSTR lpszString) {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return CB_ERR;
  return afx::AddEntry(*record, lpszString != nullptr ? lpszString : "", (record->style & CBS_SORT) != 0);
}

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return CB_ERR;
  return afx::InsertEntry(*record, nIndex, lpszString != nullptr ? lpszString : "");
}

int CComboBox::DeleteString(UINT nIndex) {
  afx::WindowRecord* record = Record();
  return record != nullptr ? afx::DeleteEntry(*record, static_cast<int>(nIndex)) : CB_ERR;
}

void CComboBox::ResetContent() {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return;
  record->entries.clear();
  record->current = -1;
  record->text.clear();
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return CB_ERR;
  return afx::FindEntry(*record, nStartAfter, lpszString != nullptr ? lpszString : "", false);
}

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return CB_ERR;
  return afx::FindEntry(*record, nIndexStart, lpszFind != nullptr ? lpszFind : "", true);
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) {
  const int found = FindString(nStartAfter, lpszString);
  return found == CB_ERR ? CB_ERR : SetCurSel(found);
}

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const {
  afx::WindowRecord* record = Record();
  if (record == nullptr || !afx::ValidEntry(*record, nIndex)) return CB_ERR;
  const std::string& text = record->entries[nIndex].text;
  if (lpszText != nullptr) std::memcpy(lpszText, text.c_str(), text.size() + 1);
  return static_cast<int>(text.size());
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
  afx::WindowRecord* record = Record();
  rString = record != nullptr && afx::ValidEntry(*record, nIndex) ? record->entries[nIndex].text : std::string();
}

int CComboBox::GetLBTextLen(int nIndex) const {
  afx::WindowRecord* record = Record();
  if (record == nullptr || !afx::ValidEntry(*record, nIndex)) return CB_ERR;
  return static_cast<int>(record->entries[nIndex].text.size());
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const {
  afx::WindowRecord* record = Record();
  if (record == nullptr || !afx::ValidEntry(*record, nIndex)) return static_cast<DWORD_PTR>(CB_ERR);
  return record->entries[nIndex].data;
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
  afx::WindowRecord* record = Record();
  if (record == nullptr || !afx::ValidEntry(*record, nIndex)) return CB_ERR;
  record->entries[nIndex].data = dwItemData;
  return CB_OKAY;
}

BOOL CComboBox::LimitText(int nMaxChars) {
  afx::WindowRecord* record = Record();
  if (record == nullptr || record->IsDropDownList()) return FALSE;
  record->limit = nMaxChars > 0 ? nMaxChars : 0;
  return TRUE;
}
