// The registry's file: one store shared by every program of the user, at
// $VELMORA_REGISTRY or ${XDG_CONFIG_HOME:-$HOME/.config}/velmora/registry.reg.
// The file is read once and read again only when another program replaced
// it; each change takes an exclusive lock on "<store>.lock", re-reads the file
// if it changed, applies itself and replaces the file atomically, so that
// programs writing at the same time lose nothing. A damaged file, or a store
// that is a device or a pipe, is reported once on stderr and left untouched.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/win/registry/registry_tree.h"

namespace win::registry {

std::string StorePath();

using SharedTree = std::shared_ptr<const Tree>;

// ERROR_SUCCESS (a missing file is an empty registry), ERROR_REGISTRY_CORRUPT or ERROR_CANTREAD.
LONG LoadStore(SharedTree& tree);

// How often this process has read the store's file, for tests.
int StoreReadCount();

// Applies change to the current contents and writes them back when change
// succeeds and altered something. Returns change's status or the store's error.
LONG UpdateStore(const std::function<LONG(Tree&)>& change);

}  // namespace win::registry
