// The solid cut and the Z-level contour as the toolpath manager sees them.
#pragma once

#include <utility>
#include <vector>

#include "plugin/shell/manager/toolpath_operation.h"

std::vector<std::pair<int, ToolpathOperationMaker>> SolidCutOperationMakers();
