// The lathe drill tool sub-dialog: the drill tool dialog under its own
// caption and defaults. Confirmed, it names the tool as the drill tool does.
#pragma once

#include "plugin/milling/drill_tool_dlg.h"

class CLatheDrillToolDlg : public CDrillToolDlg {
 public:
  enum { IDD = 284 };
  explicit CLatheDrillToolDlg(CWnd* pParent = nullptr);
};
