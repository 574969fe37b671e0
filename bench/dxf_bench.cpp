// DXF load and save of a generated drawing of about 17 MB (mostly lines, arcs,
// lightweight polylines and points, as toolpaths are): entities per second and MB/s,
// in memory and through files as cadhost's OPEN and SAVEAS go.
// `dxf_bench --write_sample=PATH` writes the drawing to PATH for timing cadhost by hand.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "platform/cad/db/db.h"
#include "platform/cad/db/db_arc.h"
#include "platform/cad/db/db_line.h"
#include "platform/cad/db/db_point.h"
#include "platform/cad/db/db_polyline.h"
#include "platform/cad/dxf/dxf_file.h"

namespace {

constexpr std::size_t kTargetBytes = 17u << 20;

// Appends count entities of the usual mix to model space.
void addEntities(AcDbDatabase& db, int count, std::mt19937& random) {
  std::uniform_real_distribution<double> coordinate(-500.0, 500.0);
  AcDbBlockTable* table = nullptr;
  db.getBlockTable(table, AcDb::kForRead);
  AcDbBlockTableRecord* modelSpace = nullptr;
  table->getAt(ACDB_MODEL_SPACE, modelSpace, AcDb::kForWrite);
  table->close();
  for (int i = 0; i < count; ++i) {
    AcDbEntity* entity = nullptr;
    const double x = coordinate(random), y = coordinate(random), z = coordinate(random) / 100.0;
    switch (i % 8) {
      case 0:
      case 1:
      case 2:
      case 3:
        entity = new AcDbLine(AcGePoint3d(x, y, z), AcGePoint3d(coordinate(random), coordinate(random), z));
        break;
      case 4:
      case 5:
        entity = new AcDbArc(AcGePoint3d(x, y, z), std::fabs(coordinate(random)) + 0.1, 0.25, 2.5);
        break;
      case 6: {
        auto* pline = new AcDbPolyline();
        for (unsigned v = 0; v < 4; ++v) {
          pline->addVertexAt(v, AcGePoint2d(x + v, coordinate(random)), v % 2 == 0 ? 0.0 : 0.41421356237309503);
        }
        entity = pline;
        break;
      }
      default: {
        auto* point = new AcDbPoint(AcGePoint3d(x, y, z));
        point->setThickness(1.000001e-7);
        point->setVisibility(AcDb::kInvisible);
        entity = point;
        break;
      }
    }
    modelSpace->appendAcDbEntity(entity);
    entity->close();
  }
  modelSpace->close();
}

std::string saveText(const AcDbDatabase& db) {
  std::string text, message;
  WriteDxfText(db, text, message);
  return text;
}

// The drawing and its text, made once for all benchmarks.
struct Sample {
  std::unique_ptr<AcDbDatabase> db = std::make_unique<AcDbDatabase>();
  std::string text;
  int entities = 0;

  Sample() {
    std::mt19937 random(7);
    const int pilot = 8000;
    addEntities(*db, pilot, random);
    const double bytesPerEntity = static_cast<double>(saveText(*db).size()) / pilot;
    entities = static_cast<int>(kTargetBytes / bytesPerEntity);
    addEntities(*db, entities - pilot, random);
    text = saveText(*db);
  }
};

Sample& sample() {
  static Sample instance;
  return instance;
}

void BM_DxfSave(benchmark::State& state) {
  Sample& s = sample();
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string text = saveText(*s.db);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetItemsProcessed(state.iterations() * s.entities);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
  state.counters["MB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_DxfSave)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DxfSaveFile(benchmark::State& state) {
  Sample& s = sample();
  const std::string path = "/tmp/dxf_bench_" + std::to_string(::getpid()) + ".dxf";
  std::string message;
  for (auto _ : state) {
    if (WriteDxfFile(*s.db, path.c_str(), message) != Acad::eOk) state.SkipWithError(message.c_str());
  }
  ::unlink(path.c_str());
  state.SetItemsProcessed(state.iterations() * s.entities);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(s.text.size()));
}
BENCHMARK(BM_DxfSaveFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DxfLoad(benchmark::State& state) {
  Sample& s = sample();
  std::string message;
  for (auto _ : state) {
    std::unique_ptr<AcDbDatabase> db;
    if (ReadDxfText(s.text, db, message) != Acad::eOk) state.SkipWithError(message.c_str());
    benchmark::DoNotOptimize(db.get());
  }
  state.SetItemsProcessed(state.iterations() * s.entities);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(s.text.size()));
}
BENCHMARK(BM_DxfLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

// As cadhost's OPEN: the memory of the drawing is fresh from the system each time, not
// the memory the drawing before it freed.
void BM_DxfLoadFile(benchmark::State& state) {
  Sample& s = sample();
  const std::string path = "/tmp/dxf_bench_load_" + std::to_string(::getpid()) + ".dxf";
  std::string message;
  if (WriteDxfFile(*s.db, path.c_str(), message) != Acad::eOk) state.SkipWithError(message.c_str());
  for (auto _ : state) {
    std::unique_ptr<AcDbDatabase> db;
    if (ReadDxfFile(path.c_str(), db, message) != Acad::eOk) state.SkipWithError(message.c_str());
    benchmark::DoNotOptimize(db.get());
    state.PauseTiming();
    db.reset();
    ::malloc_trim(0);
    state.ResumeTiming();
  }
  ::unlink(path.c_str());
  state.SetItemsProcessed(state.iterations() * s.entities);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(s.text.size()));
}
BENCHMARK(BM_DxfLoadFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  const char* const option = "--write_sample=";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], option, std::strlen(option)) != 0) continue;
    std::string message;
    if (WriteDxfFile(*sample().db, argv[i] + std::strlen(option), message) != Acad::eOk) {
      std::fprintf(stderr, "%s\n", message.c_str());
      return 1;
    }
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
