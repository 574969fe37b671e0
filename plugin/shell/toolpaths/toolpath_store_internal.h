// What the group form and the block form of the toolpath store share.
#pragma once

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_object.h"

namespace toolpath_store {

// The working drawing; null when none is open.
AcDbDatabase* Drawing();
// Erases the toolpath of the name (a block and a group of that name both) and
// every entity it held except those listed in keep. True when something was erased.
bool DeleteToolpathKeeping(const char* name, const AcDbObjectIdArray& keep);

}  // namespace toolpath_store
