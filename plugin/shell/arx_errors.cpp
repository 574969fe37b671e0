#include "plugin/shell/arx_errors.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/classlib/cstring.h"
#include "platform/classlib/dialogs/afx_message_box.h"

void PrintArxError(Acad::ErrorStatus status) {
  if (status != Acad::eOk) acutPrintf("\nARX ERROR: %s", acadErrorStatusText(status));
}

void ShowArxError(Acad::ErrorStatus status) {
  if (status == Acad::eOk) return;
  CString message;
  message.Format("ARX ERROR: %s", acadErrorStatusText(status));
  AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
}
