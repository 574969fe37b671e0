// The travel of one hole of a canned drilling cycle, counted alike by both
// posts: across from where the tool stands to over the hole, down to the R
// level and, after drilling to depth, back up to the level the cycle returns
// to, all rapid; the drilling from the R level to the depth at the feed.
#pragma once

#include "platform/cad/ge/ge_point3d.h"

struct HoleTravel {
  double rapid = 0.0;
  double drilled = 0.0;
};

HoleTravel MeasureHole(const AcGePoint3d& from, const AcGePoint3d& hole, double rLevel, double depth,
                       double returnLevel);
