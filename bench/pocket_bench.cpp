// One level of a pocket with 200 islands, cleared by the offset pattern and by
// the two-way linear pattern: the time a level takes, linking and storing included.
// Then plates of 50 to 3200 round islands at one density, whose time per island
// shows how the offset pattern grows with the number of islands.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "platform/cad/db/db.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_generator.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

AcDbObjectId Add(AcDbDatabase& db, AcDbPolyline* polyline) {
  AcDbBlockTableRecord* space = nullptr;
  acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite);
  AcDbObjectId id;
  space->appendAcDbEntity(id, polyline);
  polyline->close();
  space->close();
  return id;
}

AcDbObjectId Rectangle(AcDbDatabase& db, double x0, double y0, double x1, double y1, bool clockwise) {
  auto* polyline = new AcDbPolyline();
  std::vector<AcGePoint2d> corners = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
  if (clockwise) std::swap(corners[1], corners[3]);
  for (const AcGePoint2d& corner : corners) polyline->addVertexAt(polyline->numVerts(), corner);
  polyline->setClosed(true);
  return Add(db, polyline);
}

// A clockwise circle of two half arcs.
AcDbObjectId Circle(AcDbDatabase& db, double x, double y, double r) {
  auto* polyline = new AcDbPolyline();
  polyline->addVertexAt(0, AcGePoint2d(x + r, y), -1.0);
  polyline->addVertexAt(1, AcGePoint2d(x - r, y), -1.0);
  polyline->setClosed(true);
  return Add(db, polyline);
}

// 400 x 220 with 20 x 10 islands, round and square in turn, 20 apart.
void MakePart(AcDbDatabase& db, CPocketDlg& dlg) {
  dlg.m_Boundary = Rectangle(db, 0, 0, 400, 220, false);
  dlg.m_Islands.setLogicalLength(0);
  for (int i = 0; i < 20; ++i) {
    for (int j = 0; j < 10; ++j) {
      const double x = 10 + 20 * i, y = 20 + 20 * j;
      dlg.m_Islands.append((i + j) % 2 == 0 ? Circle(db, x, y, 4) : Rectangle(db, x - 4, y - 4, x + 4, y + 4, true));
    }
  }
}

void SetUpDialog(CPocketDlg& dlg, int pattern, float depth, float stepover) {
  dlg.m_RoughPattern = pattern;
  dlg.m_RoughTool.m_Diameter = 6.0f;
  dlg.m_RoughAllowance = 0.0f;
  dlg.m_RoughStepover = stepover;
  dlg.m_AbsoluteZ = 1;
  dlg.m_ZStart = 0.0f;
  dlg.m_ZDepth = -depth;
  dlg.m_RoughZStep = 5.0f;
  dlg.m_RetractHeight = 10.0f;
  dlg.m_ToolpathName = "Pocket_1";
}

// A sum over the stored polylines' vertices, weighted by their order: a change of
// the passes shows in it, so a faster run can be checked to cut the same.
double Fingerprint(const AcDbObjectIdArray& ids) {
  double sum = 0.0;
  for (int i = 0; i < ids.length(); ++i) {
    AcDbPolyline* polyline = nullptr;
    if (acdbOpenObject(polyline, ids[i], AcDb::kForRead) != Acad::eOk) continue;
    for (unsigned int v = 0; v < polyline->numVerts(); ++v) {
      AcGePoint2d point;
      double bulge = 0.0;
      polyline->getPointAt(v, point);
      polyline->getBulgeAt(v, bulge);
      sum += (i % 97 + 1) * (point.x + 2.0 * point.y + 3.0 * bulge) * (v % 7 + 1);
    }
    polyline->close();
  }
  return sum;
}

// Runs the pocket on a fresh drawing each time (what earlier runs erased is not
// carried along), timing the generator alone; the count of stored entities.
template <class Part>
int TimePocket(benchmark::State& state, CPocketDlg& dlg, Part&& makePart) {
  CToolPathInfo::rxInit();
  int entities = 0;
  double fingerprint = 0.0;
  for (auto _ : state) {
    state.PauseTiming();
    auto db = std::make_unique<AcDbDatabase>();
    acdbHostApplicationServices()->setWorkingDatabase(db.get());
    db->loadLineTypeFile(kRapidLinetype, "acad.lin");
    makePart(*db, dlg);
    state.ResumeTiming();
    GeneratePocketToolpath(dlg);
    state.PauseTiming();
    AcDbObjectIdArray ids;
    GetToolpathEntityIds("Pocket_1", ids);
    entities = ids.length();
    fingerprint = Fingerprint(ids);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    db.reset();
    state.ResumeTiming();
  }
  deleteAcRxClass(CToolPathInfo::gpDesc);
  state.counters["fingerprint"] = fingerprint;
  return entities;
}

void PocketLevels(benchmark::State& state, int pattern, float depth) {
  CPocketDlg dlg;
  SetUpDialog(dlg, pattern, depth, 3.0f);
  state.counters["entities"] = TimePocket(state, dlg, MakePart);
  state.counters["levels"] = depth / 5.0f;
}

void BM_PocketLevelOffset200Islands(benchmark::State& state) { PocketLevels(state, kPocketContour, 5.0f); }
void BM_PocketLevelZigzag200Islands(benchmark::State& state) { PocketLevels(state, kPocketTwoWayLinear, 5.0f); }
// Four alike levels: the first level's fill serves the others.
void BM_PocketFourLevelsOffset200Islands(benchmark::State& state) { PocketLevels(state, kPocketContour, 20.0f); }
BENCHMARK(BM_PocketLevelOffset200Islands)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PocketLevelZigzag200Islands)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PocketFourLevelsOffset200Islands)->Unit(benchmark::kMillisecond)->Iterations(1);

// Round islands R2 on a grid 14.14 apart (one island to 200 square units), twice as
// many columns as rows, in a plate just large enough.
void MakeIslandPlate(AcDbDatabase& db, CPocketDlg& dlg, int islands) {
  const int rows = static_cast<int>(std::lround(std::sqrt(islands / 2.0)));
  const int columns = islands / rows;
  const double pitch = std::sqrt(200.0);
  dlg.m_Boundary = Rectangle(db, 0, 0, columns * pitch, rows * pitch, false);
  dlg.m_Islands.setLogicalLength(0);
  for (int i = 0; i < columns; ++i)
    for (int j = 0; j < rows; ++j) dlg.m_Islands.append(Circle(db, (i + 0.5) * pitch, (j + 0.5) * pitch, 2.0));
}

// Tool 6, stepover 2.4, one level, offset pattern; the time per island is printed.
void BM_PocketOffsetIslands(benchmark::State& state) {
  const int islands = static_cast<int>(state.range(0));
  CPocketDlg dlg;
  SetUpDialog(dlg, kPocketContour, 5.0f, 2.4f);
  const int entities = TimePocket(state, dlg, [islands](AcDbDatabase& db, CPocketDlg& d) {
    MakeIslandPlate(db, d, islands);
  });
  state.counters["entities"] = entities;
  state.counters["s_per_island"] =
      benchmark::Counter(islands, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PocketOffsetIslands)
    ->Arg(50)
    ->Arg(200)
    ->Arg(800)
    ->Arg(3200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
