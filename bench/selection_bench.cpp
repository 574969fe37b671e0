// Window and crossing selection among many entities, and thinning a large set
// the way the boundary pickers do (one acedSSDel per entity).
#include <benchmark/benchmark.h>

#include <sstream>

#include "platform/cad/db/db.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "platform/ui/script_driver.h"

namespace {

// A grid of short lines, one per unit cell; the window (0,0)-(w,w) holds w*w of them.
std::unique_ptr<AcDbDatabase> GridDrawing(int side) {
  auto db = std::make_unique<AcDbDatabase>();
  AcDbBlockTable* table = nullptr;
  db->getBlockTable(table, AcDb::kForRead);
  AcDbBlockTableRecord* space = nullptr;
  table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite);
  table->close();
  for (int i = 0; i < side; ++i) {
    for (int j = 0; j < side; ++j) {
      auto* line = new AcDbLine({i + 0.1, j + 0.1, 0}, {i + 0.9, j + 0.9, 0});
      space->appendAcDbEntity(line);
      line->close();
    }
  }
  space->close();
  return db;
}

void BM_WindowAmongEntities(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  auto db = GridDrawing(side);
  acdbHostApplicationServices()->setWorkingDatabase(db.get());
  const ads_point a = {0, 0, 0}, b = {31.5, 31.5, 0};  // about 1000 entities inside
  for (auto _ : state) {
    ads_name ss;
    benchmark::DoNotOptimize(acedSSGet("_W", a, b, nullptr, ss));
    acedSSFree(ss);
  }
  state.SetComplexityN(side * side);
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}
BENCHMARK(BM_WindowAmongEntities)->Arg(32)->Arg(100)->Complexity(benchmark::oN);

void BM_ThinOutASet(benchmark::State& state) {
  auto db = GridDrawing(static_cast<int>(state.range(0)));
  acdbHostApplicationServices()->setWorkingDatabase(db.get());
  for (auto _ : state) {
    ads_name ss, entity;
    acedSSGet("_X", nullptr, nullptr, nullptr, ss);
    long length = 0;
    acedSSLength(ss, &length);
    for (long i = length - 1; i >= 0; i -= 2) {
      acedSSName(ss, i, entity);
      acedSSDel(entity, ss);
    }
    acedSSFree(ss);
  }
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}
BENCHMARK(BM_ThinOutASet)->Arg(100);

}  // namespace

BENCHMARK_MAIN();
