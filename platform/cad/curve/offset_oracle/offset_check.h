// Checks an offset of a closed path from the outside: closed loops only, every point at
// the distance, and the region they bound matching GEOS's buffer of the chorded path.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"

namespace curve::oracle {

struct OffsetVerdict {
  bool checked = false;  // false when GEOS takes the chorded path for no valid polygon
  std::string fault;     // empty when the offset passed
  bool ok() const { return fault.empty(); }
};

// left: the distance the offset was asked for (positive to the left of travel). Without
// GEOS only closedness and the distance are checked (GEOS is slow on large shapes).
OffsetVerdict checkOffset(const BulgePath& source, double left, const std::vector<BulgePath>& result,
                          bool withGeos = true);

// Offsets the path and checks the result.
OffsetVerdict offsetAndCheck(const BulgePath& source, double left);

}  // namespace curve::oracle
