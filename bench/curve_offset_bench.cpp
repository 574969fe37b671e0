// Offsets of closed polylines of lines and arcs, in three groups: Small (3 to 20
// vertices, the fixed cost of one offset, in µs a call), Chained (offsets of offsets
// down to collapse as pocketing takes them) and Large (many-toothed gears at many
// distances and near collapse).
#include <benchmark/benchmark.h>

#include <cmath>

#include "platform/cad/curve/offset/path_offset.h"
#include "platform/cad/db/entities/db_polyline.h"

namespace {

using curve::BulgePath;

BulgePath regularPolygon(int n, double radius) {
  BulgePath p;
  p.closed = true;
  for (int i = 0; i < n; ++i) {
    const double a = i * 2 * M_PI / n;
    p.vertices.push_back({{radius * std::cos(a), radius * std::sin(a)}, 0.0});
  }
  return p;
}

// Teeth 3 high and `pitch` vertices apart, arcs on every other segment; the inscribed
// radius is just under radius.
BulgePath gear(int n, double radius, int pitch = 4) {
  BulgePath p;
  p.closed = true;
  for (int i = 0; i < n; ++i) {
    const double a = i * 2 * M_PI / n;
    const double r = radius + (i % pitch < pitch / 2 ? 3.0 : 0.0);
    p.vertices.push_back({{r * std::cos(a), r * std::sin(a)}, i % 2 == 0 ? 0.3 : 0.0});
  }
  return p;
}

int offsetLoops(const BulgePath& path, double left) {
  std::vector<BulgePath> out;
  curve::offsetPath(path, left, out);
  return static_cast<int>(out.size());
}

// Arg 0: inward (sharp corners), 1: outward (round corners).
void BM_Small_Square(benchmark::State& state) {
  const BulgePath square = regularPolygon(4, 7.0);
  const double left = state.range(0) == 0 ? 1.0 : -1.0;
  for (auto _ : state) benchmark::DoNotOptimize(offsetLoops(square, left));
}
BENCHMARK(BM_Small_Square)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Small_CircleOfTwoArcs(benchmark::State& state) {
  BulgePath circle;
  circle.closed = true;
  circle.vertices = {{{0, 0}, 1.0}, {{10, 0}, 1.0}};
  const double left = state.range(0) == 0 ? 1.0 : -1.0;
  for (auto _ : state) benchmark::DoNotOptimize(offsetLoops(circle, left));
}
BENCHMARK(BM_Small_CircleOfTwoArcs)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A star of `points` points between radii 10 and 5.
BulgePath star(int points) {
  BulgePath p;
  p.closed = true;
  for (int i = 0; i < 2 * points; ++i) {
    const double a = i * M_PI / points, r = i % 2 == 0 ? 10.0 : 5.0;
    p.vertices.push_back({{r * std::cos(a), r * std::sin(a)}, 0.0});
  }
  return p;
}

// Arg 0: inward by 2, 1: outward by 2.
void BM_Small_TenPointStar(benchmark::State& state) {
  const BulgePath s = star(10);
  const double left = state.range(0) == 0 ? 2.0 : -2.0;
  for (auto _ : state) benchmark::DoNotOptimize(offsetLoops(s, left));
}
BENCHMARK(BM_Small_TenPointStar)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Shapes a drawing is full of: an L, a slot with round ends, a triangle, a five-point
// star, a rectangle with a round corner; inward by 1, each call one shape in turn.
void BM_Small_Mixed(benchmark::State& state) {
  auto closed = [](std::vector<curve::BulgeVertex> v) { return BulgePath{std::move(v), true}; };
  const std::vector<BulgePath> shapes = {
      closed({{{0, 0}, 0}, {{20, 0}, 0}, {{20, 8}, 0}, {{8, 8}, 0}, {{8, 20}, 0}, {{0, 20}, 0}}),
      closed({{{0, 0}, 0}, {{20, 0}, 1.0}, {{20, 8}, 0}, {{0, 8}, 1.0}}),
      closed({{{0, 0}, 0}, {{12, 0}, 0}, {{3, 9}, 0}}),
      star(5),
      closed({{{0, 0}, 0}, {{16, 0}, 0}, {{16, 6}, 0.414213562}, {{12, 10}, 0}, {{0, 10}, 0}}),
  };
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(offsetLoops(shapes[i++ % shapes.size()], 1.0));
}
BENCHMARK(BM_Small_Mixed)->Unit(benchmark::kMicrosecond);

// Offsets of offsets stepped by `step` until none is left; every loop after the first is
// an offset's own, known to meet itself nowhere.
int offsetsToCollapse(const BulgePath& start, double step) {
  std::vector<BulgePath> loops{start}, next;
  int passes = 0;
  while (!loops.empty()) {
    next.clear();
    for (const BulgePath& loop : loops) {
      std::vector<BulgePath> out;
      curve::offsetPath(loop, step, out, passes == 0 ? curve::SourceShape::kAny : curve::SourceShape::kSimple);
      next.insert(next.end(), out.begin(), out.end());
    }
    loops.swap(next);
    ++passes;
  }
  return passes;
}

// A 2000-vertex gear of radius 100 stepped inward by 2.4, as a pocket's passes go.
void BM_Chained_Gear2000By2_4(benchmark::State& state) {
  const BulgePath g = gear(2000, 100.0);
  for (auto _ : state) benchmark::DoNotOptimize(offsetsToCollapse(g, 2.4));
}
BENCHMARK(BM_Chained_Gear2000By2_4)->Unit(benchmark::kMillisecond);

// Each pass offsets the loops of the pass before by 1% of the radius, until none is left.
void BM_Chained_1000GonToCollapse(benchmark::State& state) {
  const BulgePath polygon = regularPolygon(1000, 500.0);
  for (auto _ : state) benchmark::DoNotOptimize(offsetsToCollapse(polygon, 5.0));
}
BENCHMARK(BM_Chained_1000GonToCollapse)->Unit(benchmark::kMillisecond);

void BM_Large_Gear10000ThreeOffsets(benchmark::State& state) {
  const BulgePath g = gear(10000, 500.0);
  for (auto _ : state) {
    int loops = 0;
    for (double left : {-10.0, 10.0, 250.0}) loops += offsetLoops(g, left);
    benchmark::DoNotOptimize(loops);
  }
}
BENCHMARK(BM_Large_Gear10000ThreeOffsets)->Unit(benchmark::kMillisecond);

// Inward by a tenth of the argument: 250 is half the inscribed radius, the rest lie near
// collapse.
void gearInward(benchmark::State& state, int pitch) {
  const BulgePath g = gear(10000, 500.0, pitch);
  const double left = static_cast<double>(state.range(0)) / 10.0;
  for (auto _ : state) benchmark::DoNotOptimize(offsetLoops(g, left));
}

void BM_Large_Gear10000Inward(benchmark::State& state) { gearInward(state, 4); }
BENCHMARK(BM_Large_Gear10000Inward)
    ->Arg(1000)
    ->Arg(2500)
    ->Arg(4800)
    ->Arg(4950)
    ->Arg(4990)
    ->Arg(4999)
    ->Unit(benchmark::kMillisecond);

// Wider teeth leave longer corner arcs about the region that is left near collapse.
void BM_Large_Gear10000WideTeethInward(benchmark::State& state) { gearInward(state, 8); }
BENCHMARK(BM_Large_Gear10000WideTeethInward)->Arg(2500)->Arg(4990)->Arg(4999)->Unit(benchmark::kMillisecond);

void makeGear(AcDbPolyline& pl, int n, double radius) {
  const BulgePath g = gear(n, radius);
  for (int i = 0; i < n; ++i)
    pl.addVertexAt(i, g.vertices[static_cast<size_t>(i)].point, g.vertices[static_cast<size_t>(i)].bulge);
  pl.setClosed(true);
}

int entityOffsetLoops(const AcDbPolyline& pl, double dist) {
  AcDbVoidPtrArray out;
  pl.getOffsetCurves(dist, out);
  const int loops = out.length();
  for (void* p : out) delete static_cast<AcDbEntity*>(p);
  return loops;
}

// Through the polyline entity, at 20 distances either side.
void BM_Large_OffsetPolylineAt20Distances(benchmark::State& state) {
  AcDbPolyline pl;
  makeGear(pl, 10000, 500.0);
  for (auto _ : state) {
    int loops = 0;
    for (int k = 1; k <= 20; ++k) loops += entityOffsetLoops(pl, k % 2 == 0 ? k * 0.5 : -k * 0.5);
    benchmark::DoNotOptimize(loops);
  }
}
BENCHMARK(BM_Large_OffsetPolylineAt20Distances)->Unit(benchmark::kMillisecond);

// Every pass is taken from the contour, the last one just short of its inscribed radius,
// where every corner arc reaches the same small region.
void BM_Large_PocketPassesDownToCollapse(benchmark::State& state) {
  AcDbPolyline pl;
  makeGear(pl, 2000, 100.0);
  for (auto _ : state) {
    int loops = 0;
    for (double d = 5.0; d < 100.0; d += 5.0) loops += entityOffsetLoops(pl, -d);
    loops += entityOffsetLoops(pl, -99.5);
    benchmark::DoNotOptimize(loops);
  }
}
BENCHMARK(BM_Large_PocketPassesDownToCollapse)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
