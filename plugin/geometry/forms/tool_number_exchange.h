// The tool-number and length-offset controls that operation dialogs exchange
// alike, checked against the operation's ToolNumberLimits.
#pragma once

#include "platform/classlib/dialogs/ddx.h"
#include "plugin/geometry/forms/tool_lines.h"

struct ToolNumberControlIds {
  int numberCheck, numberEdit, lengthOffsetCheck, lengthOffsetEdit;
};

// The number's check and edit, then the length offset's check and edit.
void ExchangeToolNumberFields(CDataExchange* pDX, const ToolNumberControlIds& ids, const ToolNumberFields& fields,
                              const ToolNumberLimits& limits);
