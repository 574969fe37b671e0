// The library's own start: its module handle, kept from the moment the library
// is mapped until it goes.
#pragma once

#include "platform/wintypes/windows_types.h"

// Null only before the library has started.
HINSTANCE PluginModuleHandle();
