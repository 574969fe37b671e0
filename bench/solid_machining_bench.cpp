// The solid cut and the Z-level contour on a mould block of 150 x 100 x 40
// with four pockets (two round, a bowl, a square one with a boss standing in
// it) and a boss on top: the solid cut at stepover 1 along X, the Z-level
// contour at 0.5 steps down the whole height, each timed with its offset,
// sections, linking and storing; the time per slice or level is printed.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/cad/db/db.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/machining/solid_cut_dlg.h"
#include "plugin/solid/machining/solid_cut_generator.h"
#include "plugin/solid/machining/z_profile_dlg.h"
#include "plugin/solid/machining/z_profile_generator.h"

namespace {

std::unique_ptr<AcDb3dSolid> Placed(std::unique_ptr<AcDb3dSolid> solid, double x, double y, double z) {
  solid->transformBy(AcGeMatrix3d::translation(AcGeVector3d(x, y, z)));
  return solid;
}

std::unique_ptr<AcDb3dSolid> Box(double x0, double y0, double z0, double x1, double y1, double z1) {
  auto solid = std::make_unique<AcDb3dSolid>();
  solid->createBox(x1 - x0, y1 - y0, z1 - z0);
  return Placed(std::move(solid), (x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2);
}

std::unique_ptr<AcDb3dSolid> Cylinder(double x, double y, double z0, double z1, double r) {
  auto solid = std::make_unique<AcDb3dSolid>();
  solid->createFrustum(z1 - z0, r, r, r);
  return Placed(std::move(solid), x, y, (z0 + z1) / 2);
}

std::unique_ptr<AcDb3dSolid> Sphere(double x, double y, double z, double r) {
  auto solid = std::make_unique<AcDb3dSolid>();
  solid->createSphere(r);
  return Placed(std::move(solid), x, y, z);
}

AcDbObjectId MakeMould(AcDbDatabase& db) {
  std::unique_ptr<AcDb3dSolid> block = Box(0, 0, 0, 150, 100, 40);
  block->booleanOper(AcDb::kBoolSubtract, Cylinder(30, 28, 20, 45, 12).get());
  block->booleanOper(AcDb::kBoolSubtract, Cylinder(30, 72, 25, 45, 10).get());
  block->booleanOper(AcDb::kBoolSubtract, Sphere(72, 50, 40, 16).get());
  block->booleanOper(AcDb::kBoolSubtract, Box(100, 50, 18, 140, 90, 45).get());
  block->booleanOper(AcDb::kBoolUnite, Cylinder(120, 70, 18, 32, 6).get());
  block->booleanOper(AcDb::kBoolUnite, Cylinder(120, 22, 40, 50, 8).get());
  AcDbBlockTableRecord* space = nullptr;
  acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite);
  AcDbObjectId id;
  space->appendAcDbEntity(id, block.get());
  block.release()->close();
  space->close();
  return id;
}

// Runs the operation on a fresh drawing each time, timing the generator alone.
template <class Dialog, class Generate>
void TimeOperation(benchmark::State& state, Dialog& dlg, Generate generate, double steps) {
  CToolPathInfo::rxInit();
  LoadMessageTable();
  int entities = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto db = std::make_unique<AcDbDatabase>();
    acdbHostApplicationServices()->setWorkingDatabase(db.get());
    db->loadLineTypeFile(kRapidLinetype, "acad.lin");
    dlg.m_ModelId = MakeMould(*db);
    state.ResumeTiming();
    generate(dlg);
    state.PauseTiming();
    AcDbObjectIdArray ids;
    GetToolpathEntityIds(dlg.m_ToolpathName, ids);
    entities = ids.length();
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    db.reset();
    state.ResumeTiming();
  }
  deleteAcRxClass(CToolPathInfo::gpDesc);
  state.counters["entities"] = entities;
  state.counters["steps"] = steps;
  state.counters["s_per_step"] =
      benchmark::Counter(steps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Ball 6, stepover 1 across the 100 of Y widened by the radius: 107 slices.
void BM_SolidCutMouldStepover1(benchmark::State& state) {
  CSolidCutDlg dlg;
  dlg.m_ToolpathName = "SolMill_1";
  dlg.m_Tool.m_Diameter = 6.0f;
  dlg.m_Stepover = 1.0f;
  dlg.m_TwoWay = 1;
  dlg.m_RetractHeight = 60.0f;
  TimeOperation(
      state, dlg, [](CSolidCutDlg& d) { CreateSolidCutToolpath(d); }, 107);
}
BENCHMARK(BM_SolidCutMouldStepover1)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Flat 6 (and ball 6), core, 0.5 steps down the 50 of height: 100 levels.
void ZProfile(benchmark::State& state, int toolType) {
  CZProfileDlg dlg;
  dlg.m_ToolpathName = "ZProfile_1";
  dlg.m_Tool.m_ToolType = toolType;
  dlg.m_Tool.m_Diameter = 6.0f;
  dlg.m_ZStep = 0.5f;
  dlg.m_Method = kZProfileCore;
  dlg.m_RetractHeight = 60.0f;
  TimeOperation(
      state, dlg, [](CZProfileDlg& d) { CreateZProfileToolpath(d); }, 100);
}
void BM_ZProfileMouldFlatHalfMillimetre(benchmark::State& state) { ZProfile(state, 1); }
void BM_ZProfileMouldBallHalfMillimetre(benchmark::State& state) { ZProfile(state, 2); }
BENCHMARK(BM_ZProfileMouldFlatHalfMillimetre)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_ZProfileMouldBallHalfMillimetre)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
