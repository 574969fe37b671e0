#include "plugin/shell/command_failure.h"

#include <string>

#include "platform/cad/editor/command_outcome.h"
#include "platform/cad/editor/input/aced_input.h"
#include "plugin/shell/settings/message_table.h"

void ReportCommandFailed(const CString& why) {
  std::string text;
  for (const char c : why.str()) {
    const bool blank = c == '\n' || c == '\r' || c == '\t' || c == ' ';
    if (!blank) {
      text += c;
    } else if (!text.empty() && text.back() != ' ') {
      text += ' ';
    }
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  cadeditor::ReportCommandFailure(text);
}

void ReportToolpathNotStored(const CString& name) {
  CString text;
  text.Format(MsgToolpathNotStored, name.GetString());
  acutPrintf("%s", text.GetString());
  ReportCommandFailed(text);
}
