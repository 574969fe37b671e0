// The 3D pocket of a 150 x 100 x 40 mould with four pockets (two boxes, a round
// one and a bowl) and two bosses standing in the boxes, at 40 levels with a
// flat tool: the time of the whole run and per level, sectioning, pocketing,
// linking and storing included.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/cad/db/db.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/pocket/solid_pocket_dlg.h"
#include "plugin/solid/pocket/solid_pocket_generator.h"

namespace {

constexpr int kLevels = 40;

std::unique_ptr<AcDb3dSolid> Box(double x0, double y0, double z0, double x1, double y1, double z1) {
  auto solid = std::make_unique<AcDb3dSolid>();
  solid->createBox(x1 - x0, y1 - y0, z1 - z0);
  solid->transformBy(AcGeMatrix3d::translation(AcGeVector3d((x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2)));
  return solid;
}

std::unique_ptr<AcDb3dSolid> Cylinder(double x, double y, double z0, double radius, double z1) {
  auto solid = std::make_unique<AcDb3dSolid>();
  solid->createFrustum(z1 - z0, radius, radius, radius);
  solid->transformBy(AcGeMatrix3d::translation(AcGeVector3d(x, y, (z0 + z1) / 2)));
  return solid;
}

std::unique_ptr<AcDb3dSolid> Sphere(double x, double y, double z, double radius) {
  auto solid = std::make_unique<AcDb3dSolid>();
  solid->createSphere(radius);
  solid->transformBy(AcGeMatrix3d::translation(AcGeVector3d(x, y, z)));
  return solid;
}

void Apply(AcDb3dSolid& block, AcDb::BoolOperType operation, std::unique_ptr<AcDb3dSolid> other) {
  block.booleanOper(operation, other.get());
}

AcDbObjectId MakeMould(AcDbDatabase& db) {
  std::unique_ptr<AcDb3dSolid> block = Box(0, 0, 0, 150, 100, 40);
  Apply(*block, AcDb::kBoolSubtract, Box(10, 10, 15, 70, 50, 45));
  Apply(*block, AcDb::kBoolUnite, Cylinder(40, 30, 15, 8, 35));
  Apply(*block, AcDb::kBoolSubtract, Box(80, 55, 20, 140, 92, 45));
  Apply(*block, AcDb::kBoolUnite, Box(100, 68, 20, 120, 80, 40));
  Apply(*block, AcDb::kBoolSubtract, Cylinder(110, 28, 10, 18, 45));
  Apply(*block, AcDb::kBoolSubtract, Sphere(40, 78, 40, 15));
  AcDbBlockTableRecord* space = nullptr;
  acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite);
  AcDbObjectId id;
  space->appendAcDbEntity(id, block.get());
  block.release()->close();
  space->close();
  return id;
}

void BM_SolidPocketMould40Levels(benchmark::State& state) {
  CToolPathInfo::rxInit();
  CSolidPocketDlg dlg;
  dlg.m_MachiningMethod = kSolidPocketCavity;
  dlg.m_RoughTool.m_Diameter = 8.0f;
  dlg.m_RoughStepover = 4.0f;
  dlg.m_RoughAllowance = 0.3f;
  dlg.m_ZStep = 40.0f / kLevels;
  dlg.m_RetractHeight = 50.0f;
  dlg.m_ToolpathName = "SolidPocket_1";
  int entities = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto db = std::make_unique<AcDbDatabase>();
    acdbHostApplicationServices()->setWorkingDatabase(db.get());
    db->loadLineTypeFile(kRapidLinetype, "acad.lin");
    dlg.m_ModelId = MakeMould(*db);
    state.ResumeTiming();
    CreateSolidPocketToolpath(dlg);
    state.PauseTiming();
    AcDbObjectIdArray ids;
    GetToolpathEntityIds("SolidPocket_1", ids);
    entities = ids.length();
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    db.reset();
    state.ResumeTiming();
  }
  deleteAcRxClass(CToolPathInfo::gpDesc);
  state.counters["entities"] = entities;
  state.counters["s_per_level"] =
      benchmark::Counter(kLevels, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SolidPocketMould40Levels)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
