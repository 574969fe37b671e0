// Offsets of closed polylines of lines and arcs with many narrow teeth: at 20 distances
// either side, and inward pass after pass down to collapse as pocketing asks.
#include <benchmark/benchmark.h>

#include <cmath>

#include "platform/cad/db/db_polyline.h"

namespace {

void makeGear(AcDbPolyline& pl, int n, double radius) {
  for (int i = 0; i < n; ++i) {
    const double a = i * 2 * M_PI / n;
    const double r = radius + (i % 4 < 2 ? 3.0 : 0.0);
    pl.addVertexAt(i, AcGePoint2d(r * std::cos(a), r * std::sin(a)), i % 2 == 0 ? 0.3 : 0.0);
  }
  pl.setClosed(true);
}

int offsetLoops(const AcDbPolyline& pl, double dist) {
  AcDbVoidPtrArray out;
  pl.getOffsetCurves(dist, out);
  const int loops = out.length();
  for (void* p : out) delete static_cast<AcDbEntity*>(p);
  return loops;
}

void BM_OffsetPolylineAt20Distances(benchmark::State& state) {
  AcDbPolyline pl;
  makeGear(pl, 10000, 500.0);
  for (auto _ : state) {
    int loops = 0;
    for (int k = 1; k <= 20; ++k) loops += offsetLoops(pl, k % 2 == 0 ? k * 0.5 : -k * 0.5);
    benchmark::DoNotOptimize(loops);
  }
}
BENCHMARK(BM_OffsetPolylineAt20Distances)->Unit(benchmark::kMillisecond);

// Every pass is taken from the contour, the last one just short of its inscribed radius,
// where every corner arc reaches the same small region.
void BM_PocketPassesDownToCollapse(benchmark::State& state) {
  AcDbPolyline pl;
  makeGear(pl, 2000, 100.0);
  for (auto _ : state) {
    int loops = 0;
    for (double d = 5.0; d < 100.0; d += 5.0) loops += offsetLoops(pl, -d);
    loops += offsetLoops(pl, -99.5);
    benchmark::DoNotOptimize(loops);
  }
}
BENCHMARK(BM_PocketPassesDownToCollapse)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
