// The cheap, frequent writes a plug-in makes one open at a time: an entity appended
// to model space, a member added to a group, an entry filed in a dictionary, an
// entity erased. Each through its own write open and close, into containers that
// already hold N items: the time per write must not grow with N.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/cad/db/db.h"
#include "platform/cad/db/entities/db_line.h"

namespace {

constexpr int kWrites = 2000;

AcDbLine* newLine(int i) { return new AcDbLine(AcGePoint3d(i, 0, 0), AcGePoint3d(i, 1, 0)); }

// Fills model space through one open, so the set-up itself stays cheap.
std::vector<AcDbObjectId> fillModelSpace(AcDbDatabase& db, int count) {
  std::vector<AcDbObjectId> ids;
  AcDbBlockTableRecord* space = nullptr;
  acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite);
  for (int i = 0; i < count; ++i) {
    AcDbLine* line = newLine(i);
    AcDbObjectId id;
    space->appendAcDbEntity(id, line);
    line->close();
    ids.push_back(id);
  }
  space->close();
  return ids;
}

void appendOneLine(AcDbDatabase& db, int i) {
  AcDbBlockTableRecord* space = nullptr;
  acdbOpenObject(space, db.currentSpaceId(), AcDb::kForWrite);
  AcDbLine* line = newLine(i);
  space->appendAcDbEntity(line);
  line->close();
  space->close();
}

void BM_AppendToModelSpace(benchmark::State& state) {
  AcDbDatabase db;
  fillModelSpace(db, static_cast<int>(state.range(0)));
  int i = 0;
  for (auto _ : state) appendOneLine(db, ++i);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendToModelSpace)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(kWrites);

// Model space grown from empty, one open per entity: the whole run over N.
void BM_GrowModelSpaceOneByOne(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    auto db = std::make_unique<AcDbDatabase>();
    for (int i = 0; i < count; ++i) appendOneLine(*db, i);
    state.PauseTiming();
    db.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_GrowModelSpaceOneByOne)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_AppendGroupMember(benchmark::State& state) {
  AcDbDatabase db;
  const std::vector<AcDbObjectId> lines = fillModelSpace(db, static_cast<int>(state.range(0)) + kWrites);
  auto* group = new AcDbGroup("toolpath");
  AcDbDictionary* groups = nullptr;
  acdbOpenObject(groups, db.groupDictionaryId(), AcDb::kForWrite);
  AcDbObjectId groupId;
  groups->setAt("TOOLPATH", group, groupId);
  groups->close();
  for (int i = 0; i < state.range(0); ++i) group->append(lines[static_cast<std::size_t>(i)]);
  group->close();
  std::size_t next = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    acdbOpenObject(group, groupId, AcDb::kForWrite);
    group->append(lines[next++]);
    group->close();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendGroupMember)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(kWrites);

void BM_SetDictionaryEntry(benchmark::State& state) {
  AcDbDatabase db;
  AcDbDictionary* dictionary = nullptr;
  AcDbObjectId dictionaryId;
  db.addAcDbObject(dictionaryId, dictionary = new AcDbDictionary());
  AcDbObjectId entryId;
  int key = 0;
  for (; key < state.range(0); ++key) {
    auto* entry = new AcDbDictionary();
    dictionary->setAt(std::to_string(key).c_str(), entry, entryId);
    entry->close();
  }
  dictionary->close();
  for (auto _ : state) {
    acdbOpenObject(dictionary, dictionaryId, AcDb::kForWrite);
    auto* entry = new AcDbDictionary();
    dictionary->setAt(std::to_string(++key).c_str(), entry, entryId);
    entry->close();
    dictionary->close();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetDictionaryEntry)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(kWrites);

void BM_EraseEntity(benchmark::State& state) {
  AcDbDatabase db;
  const std::vector<AcDbObjectId> lines = fillModelSpace(db, static_cast<int>(state.range(0)) + kWrites);
  std::size_t next = 0;
  for (auto _ : state) {
    AcDbObject* line = nullptr;
    acdbOpenObject(line, lines[next++], AcDb::kForWrite);
    line->erase();
    line->close();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EraseEntity)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(kWrites);

}  // namespace

BENCHMARK_MAIN();
