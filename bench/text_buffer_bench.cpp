// Load, save and full-text search of a generated NC program of about 100 MB
// (TEXT_BENCH_MB sets another size), beside `wc -l` on the same file as the
// machine's own pace for reading it.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "bench/nc_program_file.h"
#include "editor/textedit/text_buffer.h"

namespace {

using bench_nc::GenerateProgram;
using bench_nc::kNeedle;
using bench_nc::PeakMegabytes;
using bench_nc::WantedBytes;

struct BenchFiles {
  std::filesystem::path folder;
  std::string program;
  std::string copy;
  size_t bytes = 0;
};

BenchFiles& Files() {
  static BenchFiles files;
  return files;
}

double CurrentMegabytes() {
  long pages = 0;
  long resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void ReportBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(Files().bytes));
  state.counters["peak_rss_MB"] = PeakMegabytes();
}

void BM_Load(benchmark::State& state) {
  double held = 0;
  for (auto _ : state) {
    auto buffer = std::make_unique<CVellumTextBuffer>();
    const double before = CurrentMegabytes();
    if (!buffer->LoadFromFile(Files().program.c_str())) state.SkipWithError("load failed");
    state.PauseTiming();  // freeing the text is not part of loading it
    held = std::max(held, CurrentMegabytes() - before);
    state.counters["lines"] = buffer->LineCount();
    buffer.reset();
    state.ResumeTiming();
  }
  ReportBytes(state);
  state.counters["buffer_MB"] = held;
}

void BM_Save(benchmark::State& state) {
  CVellumTextBuffer buffer;
  if (!buffer.LoadFromFile(Files().program.c_str())) state.SkipWithError("load failed");
  for (auto _ : state) {
    if (!buffer.SaveToFile(Files().copy.c_str())) state.SkipWithError("save failed");
  }
  ReportBytes(state);
}

void BM_Search(benchmark::State& state) {
  CVellumTextBuffer buffer;
  if (!buffer.LoadFromFile(Files().program.c_str())) state.SkipWithError("load failed");
  const std::string_view needle(kNeedle);
  long matches = 0;
  for (auto _ : state) {
    matches = 0;
    const int count = buffer.LineCount();
    for (int line = 0; line < count; ++line) {
      const std::string_view text = buffer.LineView(line);
      for (size_t at = text.find(needle); at != std::string_view::npos; at = text.find(needle, at + 1)) ++matches;
    }
    benchmark::DoNotOptimize(matches);
  }
  ReportBytes(state);
  state.counters["matches"] = static_cast<double>(matches);
}

void BM_WcLines(benchmark::State& state) {
  const std::string command = "wc -l < '" + Files().program + "'";
  long lines = 0;
  for (auto _ : state) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr || std::fscanf(pipe, "%ld", &lines) != 1) state.SkipWithError("wc -l failed");
    if (pipe != nullptr) ::pclose(pipe);
  }
  ReportBytes(state);
  state.counters["lines"] = static_cast<double>(lines);
}

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_Search)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_WcLines)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::string pattern = (std::filesystem::temp_directory_path() / "text-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  BenchFiles& files = Files();
  files.folder = pattern;
  files.program = (files.folder / "program.nc").string();
  files.copy = (files.folder / "copy.nc").string();
  GenerateProgram(files.program, WantedBytes());
  files.bytes = std::filesystem::file_size(files.program);

  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  std::filesystem::remove_all(files.folder, ignored);
  return 0;
}
