// The lathe turning record: the text a kind-4 toolpath group's description
// holds (CLatheDlg::WriteParamRecord, ReadParamRecord).
#pragma once

#include "platform/classlib/cstring.h"

class CLatheDlg;

constexpr int kLatheRecordVersion = 1;

// Sixteen lines, then the finish pass count on a seventeenth that older
// records lack; each ended by a line feed.
CString LatheRecordText(const CLatheDlg& dlg);
