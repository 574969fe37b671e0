// The SolidPocket command and the toolpath manager's holder of kind 5.
#pragma once

class CSolidPocketDlg;

// The dialog's solids belong to a drawing that is no longer the current one.
void DropSolidPocketIds(CSolidPocketDlg& dialog);
