// Random closed paths with dents, near-tangent joints, thin spikes and many sides, at
// random distances up to collapse: closed loops only, at the distance, as many as GEOS
// finds and bounding the same area.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/cad/curve/offset/path_offset.h"
#include "platform/cad/curve/offset/path_winding.h"
#include "platform/cad/curve/offset_oracle/geos_buffer.h"
#include "platform/cad/curve/offset_oracle/offset_check.h"
#include "platform/cad/curve/offset_oracle/offset_shapes.h"
#include "platform/cad/curve/offset_oracle/random_offset_run.h"

using namespace curve;
using namespace curve::oracle;

TEST(OffsetRandom, AgreesWithGeosOnRandomClosedPaths) {
  const RandomRunReport report = runRandomOffsets(20261209, 250, 4, 400);
  for (const std::string& fault : report.faults) ADD_FAILURE() << fault;
  EXPECT_EQ(report.cases, 1000);
  // Spikes and dents may make a chorded shape invalid for GEOS, but most must be compared.
  EXPECT_GT(report.checked, report.cases * 3 / 4);
}

// A shape a random run met, whose inward buffer GEOS, simplifying the ring first, finds
// far too small and then empty while the region is still there: the check asks GEOS
// again chord by chord before it calls the offset wrong.
TEST(OffsetRandom, ChecksSurviveGeosLosingPartOfTheRegion) {
  const BulgePath shape = closedPath({{{0.63039848331087045, 1.0266466250298303}, 0},
                                      {{0.27707810646960068, 1.3931031897341257}, 0.19596905050718838},
                                      {{0.26189269868523107, 1.4136132124456684}, -0.19596905050718838},
                                      {{0.36362869576558371, 1.526001974876491}, 0},
                                      {{-0.9329744530401235, 1.6437975782253362}, 0},
                                      {{-1.2650563509775743, 1.2054914126667149}, 0},
                                      {{-1.2784453736482302, 0.57736235164092198}, 0},
                                      {{-1.1382162891911671, 0.38494632532150719}, 0},
                                      {{-1.1385686636811867, 0.014168147835858957}, 0},
                                      {{-0.12491841833576983, 0.071384954790709831}, 0.067576538454342944},
                                      {{0.03169291197886015, 0.17888944637547799}, -0.067576538454342944},
                                      {{0.38264579897375767, 0.10480711902339401}, 0.071442107762425322}});
  for (double d : {0.7, 0.7743}) {
    std::vector<BulgePath> out;
    ASSERT_EQ(offsetPath(shape, d, out), OffsetStatus::kOk);
    ASSERT_EQ(out.size(), 1u) << d;
    const BufferMeasure byChords = geosBufferByChords(shape, -d, 1e-5);
    ASSERT_TRUE(byChords.valid);
    EXPECT_EQ(byChords.loops, 1) << d;
    EXPECT_NEAR(byChords.area, signedArea(out[0]), 1e-4) << d;
    const OffsetVerdict verdict = checkOffset(shape, d, out);
    EXPECT_TRUE(verdict.ok()) << verdict.fault;
  }
  // Where GEOS's own buffer is still right, the two agree.
  const BufferMeasure whole = geosBuffer(shape, -0.3, 1e-5), byChords = geosBufferByChords(shape, -0.3, 1e-5);
  EXPECT_EQ(whole.loops, byChords.loops);
  EXPECT_NEAR(whole.area, byChords.area, 1e-4);
}
