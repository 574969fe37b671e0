// The lathe drilling operation as the toolpath manager sees it.
#pragma once

#include <utility>
#include <vector>

#include "plugin/shell/manager/toolpath_operation.h"

std::vector<std::pair<int, ToolpathOperationMaker>> LatheDrillOperationMakers();
