// Posting one toolpath of a million moves with the ISO milling definition: a
// polyline whose segments are lines and arcs in turn. The measure is the NC
// text made per second; the file system is left out.
#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "platform/cad/db/db.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/db_polyline.h"
#include "plugin/milling/profile_dlg.h"
#include "plugin/post/post_run.h"
#include "plugin/shell/tool_path_info.h"
#include "plugin/shell/toolpath_entities.h"
#include "plugin/shell/toolpath_store.h"

#ifndef VELMORA_SOURCE
#define VELMORA_SOURCE "."
#endif

namespace {

constexpr int kMoves = 1000000;

class CountingOutput : public PostTextOutput {
 public:
  bool Write(std::string_view text) override {
    bytes += text.size();
    return true;
  }
  size_t bytes = 0;
};

AcDbObjectId Append(AcDbDatabase& db, AcDbEntity* entity) {
  AcDbBlockTableRecord* space = nullptr;
  acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite);
  AcDbObjectId id;
  space->appendAcDbEntity(id, entity);
  entity->close();
  space->close();
  return id;
}

// A zigzag over 1000 rows, every other segment a shallow arc.
AcDbObjectId MillionMovePolyline(AcDbDatabase& db) {
  auto* polyline = new AcDbPolyline(kMoves + 1);
  for (int i = 0; i <= kMoves; ++i) {
    const double x = (i % 1000) * 0.25 + std::sin(i * 0.001);
    const double y = (i / 1000) * 0.5 + ((i % 2) ? 0.125 : 0.0);
    polyline->addVertexAt(i, AcGePoint2d(x, y), (i % 2) ? 0.3 : 0.0);
  }
  polyline->setElevation(-2.0);
  polyline->setThickness(ToolpathMoveEncoding::FeedToThickness(800));
  return Append(db, polyline);
}

void BM_PostMillionMoves(benchmark::State& state) {
  CToolPathInfo::rxInit();
  {
    auto db = std::make_unique<AcDbDatabase>();
    acdbHostApplicationServices()->setWorkingDatabase(db.get());
    AcDbObjectIdArray ids;
    const AcDbObjectId path = MillionMovePolyline(*db);
    AcDbObjectId marker, tool;
    AddMarkerPoint(1, marker, 0.0, path);
    AttachToolInfo12(tool, path, 1, 10.0, 50.0, 0.0, 1, 1, 1);
    ids.append(marker);
    ids.append(tool);
    ids.append(path);
    CProfileDlg profile;
    CString record;
    profile.WriteParamRecord(record);
    CreateToolpathGroup("Million", record, ids);

    std::ifstream in(VELMORA_SOURCE "/samples/posts/iso_mill.ppr", std::ios::binary);
    PostSettingsFile definition;
    definition.LoadText(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    PostKindHolders holders;
    size_t bytes = 0;
    for (auto _ : state) {
      CountingOutput output;
      PostProgramWriter writer(definition, output);
      WritePostProgram(writer, holders, {"Million"}, 1);
      bytes = output.bytes;
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
    state.counters["moves"] = kMoves;
    state.counters["NC bytes"] = static_cast<double>(bytes);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  }
  deleteAcRxClass(CToolPathInfo::gpDesc);
}
BENCHMARK(BM_PostMillionMoves)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
