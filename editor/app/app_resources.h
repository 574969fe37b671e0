// The editor's resources: menus 128 and 129, tool bar and accelerators 128,
// its strings and its dialog templates.
#pragma once

// Registers them once; the application does it before its first window.
void RegisterEditorResources();
