// Sections of a solid of 1,000 faces at 100 levels, as the Z-level and
// pocket generators take them: the time for the 100 sections.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "platform/cad/db/db_polyline.h"
#include "platform/cad/ge/ge_plane.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"

namespace {

constexpr int kTeeth = 499;  // two sides each: 998 side faces, with top and bottom 1,000
constexpr double kHeight = 50.0;
constexpr int kLevels = 100;

// A gear-like outline of lines, extruded.
std::unique_ptr<AcDb3dSolid> makeSolid() {
  constexpr double kPi = 3.141592653589793;
  AcDbPolyline outline;
  for (int i = 0; i < 2 * kTeeth; ++i) {
    const double angle = kPi * i / kTeeth;
    const double radius = i % 2 == 0 ? 100.0 : 94.0;
    outline.addVertexAt(static_cast<unsigned int>(i), AcGePoint2d(radius * std::cos(angle), radius * std::sin(angle)),
                        0.0);
  }
  outline.setClosed(true);
  AcDbVoidPtrArray curves, regions;
  curves.append(&outline);
  if (AcDbRegion::createFromCurves(curves, regions) != Acad::eOk || regions.length() != 1) return nullptr;
  std::unique_ptr<AcDbRegion> region(static_cast<AcDbRegion*>(regions[0]));
  auto solid = std::make_unique<AcDb3dSolid>();
  if (solid->extrude(region.get(), kHeight) != Acad::eOk) return nullptr;
  return solid;
}

void BM_SolidSections(benchmark::State& state) {
  const std::unique_ptr<AcDb3dSolid> solid = makeSolid();
  if (solid == nullptr) {
    state.SkipWithError("the solid could not be made");
    return;
  }
  state.counters["faces"] = solid->numFaces();
  int regions = 0;
  for (auto _ : state) {
    for (int level = 0; level < kLevels; ++level) {
      const double z = kHeight * (level + 0.5) / kLevels;
      AcDbRegion* section = nullptr;
      if (solid->getSection(AcGePlane(AcGePoint3d(0, 0, z), AcGeVector3d::kZAxis), section) == Acad::eOk) ++regions;
      delete section;
    }
  }
  state.counters["sections"] = benchmark::Counter(regions, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SolidSections)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
