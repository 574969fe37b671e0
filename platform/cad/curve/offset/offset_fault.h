// Test-only switch that makes the next offsets misbehave, so that callers'
// retry paths can be exercised.
#pragma once

namespace curve {

enum class OffsetFault { kNone, kFail, kOpenCurves };

// count: how many offsets are affected; negative for all until reset with kNone.
void SetOffsetFaultForTesting(OffsetFault fault, int count = -1);
// The fault the current offset should show (used up by the call).
OffsetFault TakeOffsetFault();

}  // namespace curve
