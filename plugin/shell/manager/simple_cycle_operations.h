// The simple cycles as the toolpath manager sees them: no source geometry, so
// a toolpath is made again from its record alone.
#pragma once

#include <utility>
#include <vector>

#include "plugin/shell/manager/toolpath_operation.h"

std::vector<std::pair<int, ToolpathOperationMaker>> SimpleCycleOperationMakers();
