// The lathe turning operation as the toolpath manager sees it.
#pragma once

#include "plugin/shell/manager/toolpath_operation.h"

std::unique_ptr<ToolpathOperation> MakeLatheOperation();
