// Arc segments of polylines drawn by points: each arc leaves its start point
// along the direction in which the previous segment arrived there.
#pragma once

#include <optional>

#include "platform/cad/ge/ge_point2d.h"
#include "platform/cad/ge/ge_vector2d.h"

namespace host {

// The bulge (tan of a quarter of the signed sweep, positive counter-clockwise)
// of the arc from `from` to `to` that starts along `direction`. nullopt when no
// such arc exists: `to` coincides with `from` or lies straight behind it.
std::optional<double> TangentArcBulge(const AcGePoint2d& from, const AcGeVector2d& direction, const AcGePoint2d& to);

// The unit direction in which a segment with this bulge arrives at `to`.
AcGeVector2d SegmentEndDirection(const AcGePoint2d& from, const AcGePoint2d& to, double bulge);

}  // namespace host
