// A pocket picked as loose lines: a boundary and N square islands, every line
// drawn apart in shuffled order, chained into the boundary and its islands.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "platform/cad/db/db.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/entities/db_line.h"
#include "plugin/geometry/curve_chaining.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

AcDbObjectId AddLineTo(AcDbDatabase& db, double x1, double y1, double x2, double y2) {
  AcDbBlockTableRecord* space = nullptr;
  acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite);
  auto* line = new AcDbLine(AcGePoint3d(x1, y1, 0), AcGePoint3d(x2, y2, 0));
  AcDbObjectId id;
  space->appendAcDbEntity(id, line);
  line->close();
  space->close();
  return id;
}

void AddSquare(AcDbDatabase& db, double x, double y, double side, std::vector<AcDbObjectId>& lines) {
  lines.push_back(AddLineTo(db, x, y, x + side, y));
  lines.push_back(AddLineTo(db, x + side, y, x + side, y + side));
  lines.push_back(AddLineTo(db, x + side, y + side, x, y + side));
  lines.push_back(AddLineTo(db, x, y + side, x, y));
}

void BM_PocketPickOfLooseLines(benchmark::State& state) {
  AcDbDatabase db;
  acdbHostApplicationServices()->setWorkingDatabase(&db);
  const int islands = static_cast<int>(state.range(0));
  const int perRow = 20;
  std::vector<AcDbObjectId> lines;
  const double extent = 20.0 * perRow + 10.0;
  AddSquare(db, -10.0, -10.0, extent + 10.0, lines);
  for (int i = 0; i < islands; ++i) AddSquare(db, 20.0 * (i % perRow), 20.0 * (i / perRow), 5.0, lines);
  std::shuffle(lines.begin(), lines.end(), std::mt19937(7));
  AcDbObjectIdArray curves;
  for (const AcDbObjectId id : lines) curves.append(id);
  for (auto _ : state) {
    AcDbObjectId boundary;
    AcDbObjectIdArray made;
    benchmark::DoNotOptimize(ChainCurvesToPolylineAsk(curves, boundary, made, 0.01));
    state.PauseTiming();
    made.append(boundary);
    EraseEntityArray(made);
    state.ResumeTiming();
  }
  state.counters["curves"] = static_cast<double>(lines.size());
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}
// Few iterations: the erased polylines of each run stay in the drawing and would
// weigh on the later ones.
BENCHMARK(BM_PocketPickOfLooseLines)->Arg(50)->Arg(200)->Arg(800)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
