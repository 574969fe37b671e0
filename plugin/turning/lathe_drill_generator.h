// The lathe drilling generator: approach, drilling and retract along the
// turning axis (drawing X), stored as a kind-13 toolpath.
#pragma once

class CLatheDrillDlg;

// The return level R and the safety level S on the turning axis: as given
// with their absolute switches, else measured from the drill point.
double LatheDrillReturnX(const CLatheDrillDlg& dlg);
double LatheDrillSafetyX(const CLatheDrillDlg& dlg);
// Where the feed ends: the drill depth, less the tip's through and tip
// lengths when the tip is compensated.
double LatheDrillEndX(const CLatheDrillDlg& dlg);

// Stores the toolpath under the dialog's name, replacing a toolpath of that
// name the user agreed to give up. The tip length is worked out from the
// drill's diameter and tip angle first. False, with a message and nothing left
// in the drawing, when it could not be made or stored.
bool CreateLatheDrillToolpath(CLatheDrillDlg& dlg);
