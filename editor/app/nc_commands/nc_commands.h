// The NC commands of the NC view, run by their menu ids.
#pragma once

#include "editor/textedit/view/text_view.h"

// Runs the NC command of id on the view; FALSE when id is none of them.
BOOL RunNcCommand(CVellumTextView* view, UINT id);

// The dialog templates of the NC commands (done once, also by RunNcCommand).
void RegisterNcCommandDialogs();
