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

#include "editor/textedit/text_buffer.h"

namespace {

constexpr char kNeedle[] = "M08";  // coolant on, once every 997 blocks

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

size_t WantedBytes() {
  const char* megabytes = std::getenv("TEXT_BENCH_MB");
  const long size = megabytes != nullptr ? std::atol(megabytes) : 100;
  return static_cast<size_t>(size > 0 ? size : 100) << 20;
}

// A milling program: rapid and feed moves, arcs and coolant codes, CR LF endings.
void GenerateProgram(const std::string& path, size_t wanted) {
  std::ofstream out(path, std::ios::binary);
  std::string block;
  size_t written = 0;
  char line[128];
  for (long n = 1; written < wanted; ++n) {
    const double x = static_cast<double>(n % 4000) * 0.125 - 250.0;
    const double y = static_cast<double>((n * 7) % 3000) * 0.1 - 150.0;
    const double z = -static_cast<double>(n % 50) * 0.05;
    int length;
    if (n % 997 == 0) {
      length = std::snprintf(line, sizeof line, "N%ld %s\r\n", n, kNeedle);
    } else if (n % 11 == 0) {
      length = std::snprintf(line, sizeof line, "N%ld G02 X%.3f Y%.3f I5.000 J0.000 F800\r\n", n, x, y);
    } else if (n % 5 == 0) {
      length = std::snprintf(line, sizeof line, "N%ld G00 X%.3f Y%.3f Z5.000\r\n", n, x, y);
    } else {
      length = std::snprintf(line, sizeof line, "N%ld G01 X%.3f Y%.3f Z%.3f F1200\r\n", n, x, y, z);
    }
    block.append(line, static_cast<size_t>(length));
    if (block.size() > (1 << 20)) {
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
      written += block.size();
      block.clear();
    }
  }
  out.write(block.data(), static_cast<std::streamsize>(block.size()));
}

double PeakMegabytes() {
  struct rusage usage {};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
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
