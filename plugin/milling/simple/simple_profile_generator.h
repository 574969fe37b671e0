// The simple profile generator: the dialog's outline, pass by pass and layer by
// layer, each pass a closed polyline with its lead moves, stored as one toolpath.
#pragma once

class CSimpleProfileDlg;

// Reports on its own when nothing can be cut or stored.
void CreateSimpleProfileToolpath(CSimpleProfileDlg& dlg);
