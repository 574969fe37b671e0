// The size of a profile run, estimated from the dialog before the generator
// starts (CheckRunSize).
#pragma once

class CProfileDlg;

// True when the run fits; otherwise a message said why and nothing is made.
bool ProfileRunFits(const CProfileDlg& dlg);
