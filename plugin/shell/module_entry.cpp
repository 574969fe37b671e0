#include "plugin/shell/module_entry.h"

#include <dlfcn.h>

#include "platform/cad/editor/acui_dialog.h"

namespace {

HINSTANCE g_moduleHandle = nullptr;

// Runs when the library is mapped, before the host sends any message.
struct LibraryStart {
  LibraryStart() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&PluginModuleHandle), &info) != 0) {
      g_moduleHandle = static_cast<HINSTANCE>(info.dli_fbase);
    }
    InitAcUiDLL();
  }
} g_libraryStart;

}  // namespace

HINSTANCE PluginModuleHandle() { return g_moduleHandle; }
