// The hatch line engine: clips the line families of a pattern against boundary
// loops under the even-odd rule.
//
// Lines of a family lie at whole multiples of its spacing from its base point. They
// come out family by family; within a family in ascending order along the family's
// clockwise normal (direction (sin a, -cos a) for angle a); each line's pieces in
// the family's direction. A line that touches a vertex or an arc without crossing
// is not cut there, and a line along a boundary edge gets no piece on that edge.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/cad/curve/hatch_boundary.h"
#include "platform/cad/curve/hatch_pattern.h"

namespace hatch {

struct Segment {
  AcGePoint2d start;
  AcGePoint2d end;
};

enum class LineStatus {
  kOk,
  kTooDense,          // more lines or pieces than the limits allow
  kDegeneratePattern  // a family whose offset runs along its lines (no spacing)
};

struct LineLimits {
  std::size_t maxLines = 1000000;     // lines across all families
  std::size_t maxSegments = 4000000;  // pieces handed back
};

// Fills segments (emptied first). On any status but kOk segments stays empty.
LineStatus hatchLines(const std::vector<Loop>& loops, const std::vector<PatternLine>& pattern,
                      std::vector<Segment>& segments, const LineLimits& limits = LineLimits());

}  // namespace hatch
