// Offsets of convex closed paths to the left, which ask for no trimming (outward, and
// inward along smooth curves) or only for the trimming of neighbours (inward polygons).
#pragma once

#include <vector>

#include "platform/cad/curve/bulge_segment.h"

namespace curve {

// dist > 0 to the left of travel. False when the path is not convex in a way handled
// here; out is then left as it was. Loops shorter than minLength are not given.
bool offsetConvexPath(const BulgePath& path, double dist, double tol, double minLength, std::vector<BulgePath>& out);

}  // namespace curve
