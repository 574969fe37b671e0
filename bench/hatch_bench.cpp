// Hatch line evaluation over a boundary with 200 round islands.
#include <benchmark/benchmark.h>

#include <cmath>

#include "platform/cad/db/entities/db_hatch.h"

namespace {

AcDbHatch* islandHatch(double space) {
  auto* hatch = new AcDbHatch();
  AcGePoint2dArray frame;
  for (const AcGePoint2d& p : {AcGePoint2d(0, 0), AcGePoint2d(200, 0), AcGePoint2d(200, 100), AcGePoint2d(0, 100)})
    frame.append(p);
  hatch->appendLoop(AcDbHatch::kExternal, frame, AcGeDoubleArray());
  AcGeDoubleArray bulges;
  bulges.append(1.0);
  bulges.append(1.0);
  for (int row = 0; row < 10; ++row) {
    for (int column = 0; column < 20; ++column) {
      const double x = 5.0 + 10.0 * column, y = 5.0 + 10.0 * row;
      AcGePoint2dArray island;
      island.append(AcGePoint2d(x - 3.0, y));
      island.append(AcGePoint2d(x + 3.0, y));
      hatch->appendLoop(AcDbHatch::kDefault, island, bulges);
    }
  }
  hatch->setPatternAngle(0.5);
  hatch->setPatternSpace(space);
  hatch->setPattern(AcDbHatch::kUserDefined, "LINE");
  return hatch;
}

void BM_HatchWith200Islands(benchmark::State& state) {
  AcDbHatch* hatch = islandHatch(100.0 / static_cast<double>(state.range(0)));
  for (auto _ : state) {
    hatch->evaluateHatch();
    benchmark::DoNotOptimize(hatch->numHatchLines());
  }
  state.counters["pieces"] = hatch->numHatchLines();
  delete hatch;
}
BENCHMARK(BM_HatchWith200Islands)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
