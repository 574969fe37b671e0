// Making a stored toolpath again from its record, after the user has seen and
// changed the record in its operation's dialog.
#pragma once

#include "platform/classlib/cstring.h"
#include "plugin/shell/manager/toolpath_operation.h"

enum class RegenerateOutcome { kKept, kReplaced, kDeleted };

// The new toolpath is generated under a scratch name and takes the old one's
// place only once it exists, so a cancelled or failed run leaves the old one
// as it was. On kReplaced, currentName holds the name the toolpath now has.
RegenerateOutcome RegenerateToolpath(const char* name, ToolpathOperations& operations, CString& currentName);
