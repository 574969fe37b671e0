#include "plugin/post/hole_measure.h"

#include <cmath>

HoleTravel MeasureHole(const AcGePoint3d& from, const AcGePoint3d& hole, double rLevel, double depth,
                       double returnLevel) {
  HoleTravel travel;
  travel.rapid =
      std::hypot(hole.x - from.x, hole.y - from.y) + std::abs(from.z - rLevel) + std::abs(returnLevel - depth);
  travel.drilled = std::abs(rLevel - depth);
  return travel;
}
