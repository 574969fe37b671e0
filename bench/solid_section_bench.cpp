// Sections of a solid at 100 levels, as the Z-level and pocket generators take
// them: the time for the 100 sections. One solid has 1,000 faces; the other is a
// plate drilled with 49 holes, whose sections are faces with holes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/ge/ge_plane.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"

namespace {

constexpr int kTeeth = 499;  // two sides each: 998 side faces, with top and bottom 1,000
constexpr double kHeight = 50.0;
constexpr int kLevels = 100;

std::unique_ptr<AcDbRegion> regionOf(AcDbCurve& curve) {
  AcDbVoidPtrArray curves, regions;
  curves.append(&curve);
  if (AcDbRegion::createFromCurves(curves, regions) != Acad::eOk || regions.length() != 1) return nullptr;
  return std::unique_ptr<AcDbRegion>(static_cast<AcDbRegion*>(regions[0]));
}

std::unique_ptr<AcDb3dSolid> extruded(AcDbRegion* region) {
  auto solid = std::make_unique<AcDb3dSolid>();
  if (region == nullptr || solid->extrude(region, kHeight) != Acad::eOk) return nullptr;
  return solid;
}

// A gear-like outline of lines, extruded.
std::unique_ptr<AcDb3dSolid> makeGear() {
  constexpr double kPi = 3.141592653589793;
  AcDbPolyline outline;
  for (int i = 0; i < 2 * kTeeth; ++i) {
    const double angle = kPi * i / kTeeth;
    const double radius = i % 2 == 0 ? 100.0 : 94.0;
    outline.addVertexAt(static_cast<unsigned int>(i), AcGePoint2d(radius * std::cos(angle), radius * std::sin(angle)),
                        0.0);
  }
  outline.setClosed(true);
  return extruded(regionOf(outline).get());
}

// A square plate with a 7 by 7 grid of round holes through it.
std::unique_ptr<AcDb3dSolid> makeDrilledPlate() {
  AcDbPolyline outline;
  const AcGePoint2d corners[] = {{0, 0}, {200, 0}, {200, 200}, {0, 200}};
  for (unsigned int i = 0; i < 4; ++i) outline.addVertexAt(i, corners[i], 0.0);
  outline.setClosed(true);
  std::unique_ptr<AcDbRegion> plate = regionOf(outline);
  for (int row = 0; row < 7 && plate != nullptr; ++row) {
    for (int column = 0; column < 7; ++column) {
      AcDbCircle circle(AcGePoint3d(25.0 + 25.0 * column, 25.0 + 25.0 * row, 0), AcGeVector3d::kZAxis, 8.0);
      std::unique_ptr<AcDbRegion> hole = regionOf(circle);
      if (hole == nullptr || plate->booleanOper(AcDb::kBoolSubtract, hole.get()) != Acad::eOk) return nullptr;
    }
  }
  return extruded(plate.get());
}

void sectionAtLevels(benchmark::State& state, const AcDb3dSolid* solid) {
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

void BM_SolidSections(benchmark::State& state) { sectionAtLevels(state, makeGear().get()); }
BENCHMARK(BM_SolidSections)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_DrilledPlateSections(benchmark::State& state) { sectionAtLevels(state, makeDrilledPlate().get()); }
BENCHMARK(BM_DrilledPlateSections)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
