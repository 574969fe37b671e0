// Text on the system clipboard, and text dragged between windows: drags the
// program starts, and drops from the program itself or from any other.
#pragma once

#include <optional>
#include <string>

#include "platform/wintypes/windows_types.h"

class wxDropTarget;
class wxWindow;

namespace gui {

class NativeCanvas;

bool PutClipboardText(const std::string& text);
std::optional<std::string> ClipboardText();

// Runs a drag of text from origin; the DROPEFFECT_ value of the drop.
DWORD DragText(wxWindow& origin, const std::string& text, DWORD allowed_effects);
// Hands drops on the canvas to the drop targets of the windows under them.
wxDropTarget* MakeDropTarget(NativeCanvas& canvas);

}  // namespace gui
