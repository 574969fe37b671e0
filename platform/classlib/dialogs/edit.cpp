#include "platform/classlib/dialogs/edit.h"

#include <algorithm>

#include "platform/classlib/window_record.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  (void)rect;
  return CreateChild(afx::WindowKind::kEdit, dwStyle, "", pParentWnd, nID);
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return FALSE;
  record->style = bReadOnly ? (record->style | ES_READONLY) : (record->style & ~ES_READONLY);
  return TRUE;
}

void CEdit::LimitText(int nChars) {
  if (afx::WindowRecord* record = Record()) record->limit = std::max(nChars, 0);
}

UINT CEdit::GetLimitText() const {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return 0;
  return record->limit > 0 ? static_cast<UINT>(record->limit) : 0x7FFFFFFE;
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
  (void)bNoScroll;
  afx::WindowRecord* record = Record();
  if (record == nullptr) return;
  const int length = static_cast<int>(record->text.size());
  if (nStartChar < 0) {
    record->sel_start = record->sel_end = std::min(record->sel_end, length);
    return;
  }
  if (nEndChar < 0) nEndChar = length;
  record->sel_start = std::min(nStartChar, length);
  record->sel_end = std::min(nEndChar, length);
  if (record->sel_start > record->sel_end) std::swap(record->sel_start, record->sel_end);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  afx::WindowRecord* record = Record();
  nStartChar = record != nullptr ? record->sel_start : 0;
  nEndChar = record != nullptr ? record->sel_end : 0;
}

DWORD CEdit::GetSel() const {
  int start = 0;
  int end = 0;
  GetSel(start, end);
  return (static_cast<DWORD>(end) << 16) | (static_cast<DWORD>(start) & 0xFFFF);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
  (void)bCanUndo;
  afx::WindowRecord* record = Record();
  if (record == nullptr) return;
  const std::string inserted = lpszNewText != nullptr ? lpszNewText : "";
  const int length = static_cast<int>(record->text.size());
  const int start = std::clamp(record->sel_start, 0, length);
  const int end = std::clamp(record->sel_end, start, length);
  record->text.replace(start, end - start, inserted);
  record->sel_start = record->sel_end = start + static_cast<int>(inserted.size());
  record->modified = true;
  afx::NotifyParent(*record, EN_UPDATE);
  afx::NotifyParent(*record, EN_CHANGE);
}

void CEdit::Clear() { ReplaceSel(""); }

BOOL CEdit::GetModify() const {
  afx::WindowRecord* record = Record();
  return record != nullptr && record->modified;
}

void CEdit::SetModify(BOOL bModified) {
  if (afx::WindowRecord* record = Record()) record->modified = bModified != FALSE;
}

int CEdit::GetLineCount() const {
  afx::WindowRecord* record = Record();
  if (record == nullptr) return 1;
  return 1 + static_cast<int>(std::count(record->text.begin(), record->text.end(), '\n'));
}
