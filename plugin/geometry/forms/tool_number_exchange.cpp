#include "plugin/geometry/forms/tool_number_exchange.h"

#include "plugin/geometry/forms/field_limits.h"

void ExchangeToolNumberFields(CDataExchange* pDX, const ToolNumberControlIds& ids, const ToolNumberFields& fields,
                              const ToolNumberLimits& limits) {
  DDX_Check(pDX, ids.numberCheck, fields.numberOn);
  DDX_Limited(pDX, ids.numberEdit, fields.number, limits.toolNumber);
  DDX_Check(pDX, ids.lengthOffsetCheck, fields.lengthOffsetOn);
  DDX_Limited(pDX, ids.lengthOffsetEdit, fields.lengthOffsetNumber, limits.lengthOffsetNumber);
}
