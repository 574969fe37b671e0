#include "platform/cad/curve/offset/offset_fault.h"

namespace curve {

namespace {
OffsetFault gFault = OffsetFault::kNone;
int gRemaining = -1;
}  // namespace

void SetOffsetFaultForTesting(OffsetFault fault, int count) {
  gFault = fault;
  gRemaining = count;
}

OffsetFault TakeOffsetFault() {
  if (gFault == OffsetFault::kNone || gRemaining == 0) return OffsetFault::kNone;
  const OffsetFault fault = gFault;
  if (gRemaining > 0 && --gRemaining == 0) gFault = OffsetFault::kNone;
  return fault;
}

}  // namespace curve
