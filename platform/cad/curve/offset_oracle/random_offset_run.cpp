#include "platform/cad/curve/offset_oracle/random_offset_run.h"

#include <cmath>
#include <random>
#include <sstream>

#include "platform/cad/curve/offset_oracle/offset_check.h"
#include "platform/cad/curve/offset_oracle/offset_shapes.h"

namespace curve::oracle {

RandomRunReport runRandomOffsets(std::uint64_t seed, int shapes, int distancesPerShape, int maxSides) {
  RandomRunReport report;
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int shape = 0; shape < shapes; ++shape) {
    // Sizes from a thousandth to a thousand, away from the origin as drawings are.
    const double size = std::pow(10.0, -3.0 + 6.0 * unit(random));
    BulgePath path = randomClosedPath(random, size, maxSides);
    const AcGeVector2d shift(size * (unit(random) - 0.5) * 4, size * (unit(random) - 0.5) * 4);
    for (BulgeVertex& v : path.vertices) v.point = v.point + shift;
    for (int k = 0; k < distancesPerShape; ++k) {
      // Mostly small distances, some up to beyond collapse; either side.
      const double dist = size * (unit(random) < 0.5 ? 0.05 * unit(random) : 0.6 * unit(random));
      const double left = unit(random) < 0.5 ? dist : -dist;
      const OffsetVerdict verdict = offsetAndCheck(path, left);
      ++report.cases;
      report.checked += verdict.checked;
      if (verdict.ok()) continue;
      std::ostringstream line;
      line << "seed " << seed << " shape " << shape << " (" << path.vertices.size() << " vertices, size " << size
           << "): " << verdict.fault;
      report.faults.push_back(line.str());
    }
  }
  return report;
}

}  // namespace curve::oracle
