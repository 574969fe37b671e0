// A modal dialog of the class library shown as a native dialog: its
// controls in a column, each with its label, OK and Cancel at the bottom.
// What a person does there goes to the dialog as the script lines would.
#pragma once

#include "platform/ui/ui_driver.h"

class wxWindow;

namespace gui {

void RunModalDialog(ui::ModalSurface& surface, wxWindow* parent);

}  // namespace gui
