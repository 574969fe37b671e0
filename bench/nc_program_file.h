// A generated NC milling program of about 100 MB (TEXT_BENCH_MB sets another
// size) in a scratch folder, for the benchmarks of the text component.
#pragma once

#include <stdlib.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace bench_nc {

constexpr char kNeedle[] = "M08";  // coolant on, once every 997 blocks

inline size_t WantedBytes() {
  const char* megabytes = std::getenv("TEXT_BENCH_MB");
  const long size = megabytes != nullptr ? std::atol(megabytes) : 100;
  return static_cast<size_t>(size > 0 ? size : 100) << 20;
}

// Rapid and feed moves, arcs and coolant codes, CR LF endings.
inline void GenerateProgram(const std::string& path, size_t wanted) {
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

inline double PeakMegabytes() {
  struct rusage usage {};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A scratch folder that goes with its files.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "text-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  bool Made() const { return !path_.empty(); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace bench_nc
