// The profile's parameter record: the text a profile toolpath's group
// description and its *.par files hold (CProfileDlg::WriteParamRecord,
// ReadParamRecord).
#pragma once

#include "platform/classlib/cstring.h"

class CProfileDlg;

constexpr int kProfileRecordVersion = 1;

// All eleven lines of the dialog's record, each ended by a line feed.
CString ProfileRecordText(const CProfileDlg& dlg);
