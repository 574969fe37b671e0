// The lathe turning generator: the chained profile of a lathe dialog becomes a
// stored kind-4 toolpath of roughing and finishing passes.
#pragma once

class CLatheDlg;

// Makes and stores the toolpath under the dialog's toolpath name, with the
// profile polyline and the stock line in front of the moves. A phase that
// fails is left out with what it made; when nothing could be made or stored,
// it says so and nothing new stays in the drawing but the chained list.
void CreateLatheToolpath(CLatheDlg& dlg);
