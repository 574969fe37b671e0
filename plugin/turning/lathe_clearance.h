// How far turning moves keep from the profile they turn.
#pragma once

#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point2d.h"

class LatheProfileClearance {
 public:
  // The profile polyline's segments; none when it cannot be read.
  explicit LatheProfileClearance(AcDbObjectId profile);

  bool valid() const { return !segments_.empty(); }
  double DistanceTo(const AcGePoint2d& point) const;
  // Every point of the segment at least the clearance away, checked at steps
  // too short to pass over a crossing of the profile.
  bool KeepsClear(const curve::BulgeSeg& segment, double clearance) const;

 private:
  std::vector<curve::BulgeSeg> segments_;
};
