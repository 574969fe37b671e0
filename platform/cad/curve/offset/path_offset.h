// Offset of a plane path of lines and arcs: every element moved sideways, convex
// corners joined by arcs about the vertex, and everything nearer to the path than the
// distance cut away, so that a closed path gives closed loops and an open one keeps
// its ends. Arcs stay arcs.
#pragma once

#include <vector>

#include "platform/cad/curve/bulge_segment.h"

namespace curve {

enum class OffsetStatus { kOk, kInvalidInput, kFailed, kSelfCrossing };

// left > 0 offsets to the left of travel, left < 0 to the right. The result may be
// empty (the path is swallowed). kInvalidInput for a path without a segment or a
// distance that is not finite; kSelfCrossing for a closed path that crosses itself
// (touching itself is fine), which has no one side to offset to.
// kSimple: the caller knows the closed path meets itself nowhere (it is an offset's own
// loop), which spares the test for that.
enum class SourceShape { kAny, kSimple };

OffsetStatus offsetPath(const BulgePath& path, double left, std::vector<BulgePath>& out,
                        SourceShape shape = SourceShape::kAny);

// The path without repeated vertices (and without a closing vertex equal to the first).
BulgePath withoutRepeatedVertices(const BulgePath& path, double tol);

}  // namespace curve
