// The pocket's parameter record: the text a pocket toolpath's group description
// and its *.par files hold (CPocketDlg::WriteParamRecord, ReadParamRecord).
#pragma once

#include "platform/classlib/cstring.h"

class CPocketDlg;

// The version this program writes; records of versions 1 to 3 are read too.
constexpr int kPocketRecordVersion = 4;

// All 26 lines of the dialog's record, each ended by a line feed.
CString PocketRecordText(const CPocketDlg& dlg);
