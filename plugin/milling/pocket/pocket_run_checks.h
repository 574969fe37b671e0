// What makes a pocket run impossible before any level is cut: a stepover that
// does not advance, a depth above the start, a tool that does not fit inside
// the boundary. Each is said once, with the values at fault.
#pragma once

class CPocketDlg;

// True when the run can go on; otherwise the reason is on the prompt line and
// reported as the command's failure.
bool CheckPocketRun(const CPocketDlg& dlg);
