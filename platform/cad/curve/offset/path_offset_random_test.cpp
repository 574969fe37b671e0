// Random closed paths with dents, near-tangent joints, thin spikes and many sides, at
// random distances up to collapse: closed loops only, at the distance, as many as GEOS
// finds and bounding the same area.
#include <gtest/gtest.h>

#include "platform/cad/curve/offset_oracle/random_offset_run.h"

using namespace curve::oracle;

TEST(OffsetRandom, AgreesWithGeosOnRandomClosedPaths) {
  const RandomRunReport report = runRandomOffsets(20261209, 250, 4, 400);
  for (const std::string& fault : report.faults) ADD_FAILURE() << fault;
  EXPECT_EQ(report.cases, 1000);
  // Spikes and dents may make a chorded shape invalid for GEOS, but most must be compared.
  EXPECT_GT(report.checked, report.cases * 3 / 4);
}
