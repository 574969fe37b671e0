// The registry's file: one store shared by every program of the user, at
// $VELMORA_REGISTRY or ${XDG_CONFIG_HOME:-$HOME/.config}/velmora/registry.reg.
// Reads take the file as it is; each change re-reads it under an exclusive lock
// on "<store>.lock", applies itself and replaces the file atomically, so that
// programs writing at the same time lose nothing. A damaged file, or a store
// that is a device or a pipe, is reported once on stderr and left untouched.
#pragma once

#include <functional>
#include <string>

#include "platform/win/registry/registry_tree.h"

namespace win::registry {

std::string StorePath();

// ERROR_SUCCESS (a missing file is an empty registry), ERROR_REGISTRY_CORRUPT or ERROR_CANTREAD.
LONG LoadStore(Tree& tree);

// Applies change to the current contents and writes them back when change
// succeeds and altered something. Returns change's status or the store's error.
LONG UpdateStore(const std::function<LONG(Tree&)>& change);

}  // namespace win::registry
