// The registry store holding one value of 8 MB, as a start of Tarnwick meets
// it: fifty reads of small settings and forty writes that store what is
// there already, which must cost neither a read nor a write of the file.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <string>

#include "bench/nc_program_file.h"
#include "platform/win/registry/registry.h"
#include "platform/win/registry/registry_store.h"

namespace {

constexpr char kKey[] = "SOFTWARE\\Velmora\\Quellpad";

void SetText(HKEY key, const char* name, const std::string& text) {
  RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
}

void BM_StartUpSettingsWithAn8MBValue(benchmark::State& state) {
  const bench_nc::ScratchFolder folder;
  ::setenv("VELMORA_REGISTRY", folder.File("registry.reg").c_str(), 1);
  HKEY key = nullptr;
  RegCreateKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  SetText(key, "Big", std::string(8 << 20, 'v'));
  SetText(key, "NcCode", "1");
  const int reads_before = win::registry::StoreReadCount();
  for (auto _ : state) {
    char buffer[100];
    for (int i = 0; i < 50; ++i) {
      DWORD size = sizeof buffer;
      RegQueryValueEx(key, "NcCode", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    }
    for (int i = 0; i < 40; ++i) SetText(key, "NcCode", "1");
  }
  state.counters["file_reads"] = win::registry::StoreReadCount() - reads_before;
  RegCloseKey(key);
}

BENCHMARK(BM_StartUpSettingsWithAn8MBValue)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
