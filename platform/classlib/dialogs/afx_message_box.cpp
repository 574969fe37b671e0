#include "platform/classlib/dialogs/afx_message_box.h"

#include <cerrno>
#include <string>

#include "platform/classlib/string_table.h"
#include "platform/ui/ui_driver.h"

namespace {

std::string& AppName() {
  static std::string name = program_invocation_short_name;
  return name;
}

UINT WithDefaultIcon(UINT type) {
  if ((type & MB_ICONMASK) != 0) return type;
  switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
      return type | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return type | MB_ICONQUESTION;
    default:
      return type;
  }
}

}  // namespace

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp) {
  (void)nIDHelp;
  return ui::Ui().MessageBox(lpszText != nullptr ? lpszText : "", AfxGetAppName(), WithDefaultIcon(nType));
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  const std::string* text = string_table::Find(nIDPrompt);
  const std::string shown = text != nullptr ? *text : "(message " + std::to_string(nIDPrompt) + ")";
  return AfxMessageBox(shown.c_str(), nType, nIDHelp);
}

LPCTSTR AfxGetAppName() { return AppName().c_str(); }

void AfxSetAppName(LPCTSTR lpszAppName) { AppName() = lpszAppName != nullptr ? lpszAppName : ""; }
