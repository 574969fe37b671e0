// Offset of a 10,000-vertex closed polyline of lines and arcs at 20 distances.
#include <benchmark/benchmark.h>

#include <cmath>

#include "platform/cad/db/db_polyline.h"

namespace {

void makeGear(AcDbPolyline& pl) {
  const int n = 10000;
  for (int i = 0; i < n; ++i) {
    const double a = i * 2 * M_PI / n;
    const double r = 500.0 + (i % 4 < 2 ? 3.0 : 0.0);
    pl.addVertexAt(i, AcGePoint2d(r * std::cos(a), r * std::sin(a)), i % 2 == 0 ? 0.3 : 0.0);
  }
  pl.setClosed(true);
}

void BM_OffsetPolylineAt20Distances(benchmark::State& state) {
  AcDbPolyline pl;
  makeGear(pl);
  for (auto _ : state) {
    int loops = 0;
    for (int k = 1; k <= 20; ++k) {
      AcDbVoidPtrArray out;
      pl.getOffsetCurves(k % 2 == 0 ? k * 0.5 : -k * 0.5, out);
      loops += out.length();
      for (void* p : out) delete static_cast<AcDbEntity*>(p);
    }
    benchmark::DoNotOptimize(loops);
  }
}
BENCHMARK(BM_OffsetPolylineAt20Distances)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
