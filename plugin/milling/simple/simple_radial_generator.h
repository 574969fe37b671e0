// The simple circular generator: circles, a spiral or radial lines over the
// dialog's ring, with lead moves, stored as one toolpath.
#pragma once

class CSimpleRadialDlg;

// Reports on its own when nothing can be cut or stored.
void CreateSimpleRadialToolpath(CSimpleRadialDlg& dlg);
