// The pocket, profile and drill operations as the toolpath manager sees them.
#pragma once

#include <utility>
#include <vector>

#include "plugin/shell/manager/toolpath_operation.h"

std::vector<std::pair<int, ToolpathOperationMaker>> MillingOperationMakers();
