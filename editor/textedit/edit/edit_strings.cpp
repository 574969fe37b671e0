#include "editor/textedit/edit/edit_strings.h"

#include "editor/textedit/edit/edit_ids.h"
#include "editor/textedit/view/text_view_ids.h"
#include "platform/classlib/dialogs/afx_message_box.h"
#include "platform/classlib/string_table.h"

namespace {

constexpr char kCannotFindString[] = "Cannot find string \"%s\"";
constexpr char kReplacedCount[] = "%d occurrence(s) replaced";
constexpr char kClipboardRefused[] = "클립보드에 넣지 못해 잘라내지 않았습니다.";

CString Loaded(UINT id, const char* fallback) {
  CString text;
  if (!text.LoadString(id)) text = fallback;
  return text;
}

// Fills the first "%s" or "%d" of a table text; the text never reaches printf.
CString Filled(CString format, const char* marker, const CString& value) {
  const int at = format.Find(marker);
  if (at < 0) return format;
  return format.Left(at) + value + format.Mid(at + 2);
}

}  // namespace

void RegisterEditViewStrings() {
  const auto add = [](UINT id, const char* text) {
    if (string_table::Find(id) == nullptr) string_table::Set(id, text);
  };
  add(IDS_CANNOT_FIND_STRING, kCannotFindString);
  add(IDS_REPLACED_COUNT, kReplacedCount);
  add(IDS_CLIPBOARD_REFUSED, kClipboardRefused);
}

void ShowCannotFindString(const CString& what) {
  AfxMessageBox(Filled(Loaded(IDS_CANNOT_FIND_STRING, kCannotFindString), "%s", what), MB_OK);
}

void ShowReplacedCount(int count) {
  CString number;
  number.Format("%d", count);
  AfxMessageBox(Filled(Loaded(IDS_REPLACED_COUNT, kReplacedCount), "%d", number), MB_OK | MB_ICONINFORMATION);
}

void ShowClipboardRefused() { AfxMessageBox(Loaded(IDS_CLIPBOARD_REFUSED, kClipboardRefused), MB_OK); }
