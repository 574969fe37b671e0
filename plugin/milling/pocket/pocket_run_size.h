// The size of a pocket run, estimated from the dialog and the boundary before
// the generator starts (CheckRunSize).
#pragma once

class CPocketDlg;

// True when the run fits; otherwise a message said why and nothing is made.
bool PocketRunFits(const CPocketDlg& dlg);
